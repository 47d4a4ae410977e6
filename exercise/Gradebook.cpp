#include "exercise/Gradebook.h"

#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"

#include <cmath>
#include <filesystem>

namespace exercise {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

std::string Quoted(const std::string& s) {
    std::string q = "\"";
    for (const char c : s) {
        if (c == '"')
            q += "\"\"";
        else if (c == '\n' || c == '\r')
            q += ' ';
        else
            q += c;
    }
    return q + "\"";
}

std::string Row(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + Quoted(fields[i]);
    return line + "\n";
}

// Text for an HTML field: the markup characters as entities; a backslash,
// which the import's CSV reader may take for an escape before a quote, as a
// slash.
std::string Plain(const std::string& s) {
    std::string out;
    for (const char c : s) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '\\': out += '/'; break;
        default: out += c;
        }
    }
    return out;
}

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

std::string GradeText(double points) {
    const double r = std::round(points * 100.0) / 100.0;
    return std::fabs(r - std::round(r)) < 1e-9 ? fuzzy::FixedText(r, 0) : fuzzy::GeneralText(r, 6);
}

std::string Feedback(const ClassResult& c, const MarkedHandIn& r) {
    std::string f = c.Title + ": " + RowStateText(r);
    if (r.Points.Graded)
        f +=
            ", " + Fmt(Tr("Aufgabe", "%1 von %2 Punkten"), {PointsText(r.Points.Points), PointsText(c.Criteria.Total)});
    f += ".";
    if (r.Result)
        for (const CriterionResult& k : r.Result->Criteria) {
            if (k.Passed) continue;
            f += " \xE2\x9C\x97 " + Summary(k) + ".";
            for (std::size_t i = 0; i < k.Reasons.size(); ++i) f += (i ? "; " : " ") + k.Reasons[i];
            if (!k.Reasons.empty() && k.Reasons.back().back() != '.') f += ".";
        }
    for (const std::string& n : RowNotes(r)) f += " " + n;
    return Plain(f);
}

Gradebook GradebookFiles(const ClassResult& c) {
    Gradebook g;
    int emails = 0, numbers = 0;
    for (const MarkedHandIn& r : c.Rows)
        if (r.Gradable() && !r.In.Id.empty()) ++(IsEmail(r.In.Id) ? emails : numbers);
    g.Emails = emails > numbers;
    g.Import = Row({g.Emails ? Tr("Aufgabe", "E-Mail-Adresse") : Tr("Aufgabe", "ID-Nummer"), Tr("Aufgabe", "Punkte"),
                    Tr("Aufgabe", "Feedback")});
    g.Left = Row({Tr("Aufgabe", "Datei"), Tr("Aufgabe", "Name"), Tr("Aufgabe", "Klasse"), Tr("Aufgabe", "Kennung"),
                  Tr("Aufgabe", "Punkte"), Tr("Aufgabe", "Grund")});
    for (const MarkedHandIn& r : c.Rows) {
        std::string why;
        if (!r.Read)
            why = Tr("Aufgabe", "Die Datei ist keine lesbare Abgabe.");
        else if (r.Foreign)
            why = Tr("Aufgabe", "Die Abgabe geh\xC3\xB6rt zu einer anderen Aufgabe.");
        else if (!r.DuplicateOf.empty())
            why = Tr("Aufgabe", "Von dieser Person gibt es mehrere Abgaben.");
        else if (!r.Problem.empty() || !r.Points.Graded)
            why = Tr("Aufgabe",
                     "Die Abgabe hat keine Punkte (nicht pr\xC3\xBC"
                     "fbar oder abgelehnt).");
        else if (r.In.Id.empty())
            why = Tr("Aufgabe", "Die Abgabe hat keine Kennung (ID-Nummer oder E-Mail-Adresse).");
        else if (IsEmail(r.In.Id) != g.Emails)
            why = g.Emails ? Tr("Aufgabe", "Die Kennung ist eine ID-Nummer, die Spalte hat E-Mail-Adressen.")
                           : Tr("Aufgabe", "Die Kennung ist eine E-Mail-Adresse, die Spalte hat ID-Nummern.");
        if (why.empty()) {
            g.Import += Row({r.In.Id, GradeText(r.Points.Points), Feedback(c, r)});
            ++g.Imported;
            continue;
        }
        const std::string who = r.Read ? r.In.Name + " (" + r.In.Class + ")" : FileName(r.File);
        g.Left += Row({FileName(r.File), r.Read ? r.In.Name : "", r.Read ? r.In.Class : "", r.Read ? r.In.Id : "",
                       r.Points.Graded ? GradeText(r.Points.Points) : "", why});
        g.LeftOut.push_back(Fmt(Tr("Aufgabe", "%1: %2"), {who, why}));
    }
    return g;
}

}  // namespace exercise
