#include "exercise/Marking.h"

#include "exercise/AnswerFields.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "exercise/Variants.h"
#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <system_error>

namespace exercise {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The double nearest to the shortest text of the float: 0.1f as 0.1.
double JsonFloat(double v) {
    if (!std::isfinite(v)) return 0.0;
    const std::string text = fuzzy::NumberText(static_cast<float>(v));
    double d = 0.0;
    fuzzy::ReadNumber(text.data(), text.data() + text.size(), d);
    return d;
}

// Who a hand-in is for the duplicate check: the name in its class.
std::string StudentKey(const HandIn& h) { return NormalName(h.Name) + "\n" + NormalName(h.Class); }

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

std::vector<std::string> HandInFiles(const std::vector<std::string>& paths) {
    std::vector<std::string> out;
    for (const std::string& p : paths) {
        std::error_code ec;
        if (!p.empty() && p.find('\0') == std::string::npos && std::filesystem::is_directory(p, ec)) {
            std::vector<std::string> inside;
            for (std::filesystem::directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec)) {
                const std::string name = it->path().filename().string();
                std::error_code e2;
                if (name.empty() || name.front() == '.' || !EndsWith(name, ".fuzabgabe") ||
                    !std::filesystem::is_regular_file(it->path(), e2))
                    continue;
                inside.push_back(it->path().string());
                if (inside.size() > MaxHandIns) break;
            }
            std::sort(inside.begin(), inside.end());
            out.insert(out.end(), inside.begin(), inside.end());
        } else {
            out.push_back(p);
        }
        if (out.size() > MaxHandIns)
            throw FormatError(Fmt(Tr("Aufgabe", "Mehr als %1 Abgaben auf einmal: Bitte in kleineren Teilen auswerten."),
                                  {std::to_string(MaxHandIns)}));
    }
    return out;
}

MarkedHandIn MarkOne(const Exercise& e, const std::string& fingerprint, const Worth& worth, const HandIn& h,
                     const CheckOptions& options) {
    MarkedHandIn r;
    r.Read = true;
    r.In = h;
    r.Foreign = h.Fingerprint != fingerprint;
    const Exercise mine = ForStudent(e, h.Name);
    if (mine.NeedsProject() && !h.Project) {
        r.Problem = Tr("Aufgabe",
                       "Die Abgabe enth\xC3\xA4lt kein Projekt, die Aufgabe pr\xC3\xBC"
                       "ft aber eines.");
        return r;
    }
    const fuzzy::Project p = mine.NeedsProject() ? *h.Project : mine.StartProject();
    const Answers a = h.Given.value_or(Answers{});
    try {
        CheckAnswersFit(mine, p, a);
    } catch (const fuzzy::Error& err) {
        r.Problem = Fmt(Tr("Aufgabe", "Die Antworten passen nicht zur Aufgabe: %1"), {err.Describe()});
        return r;
    }
    r.Result = Check(mine, p, a, options);
    r.Points = ScoreOf(worth, *r.Result);
    return r;
}

ClassResult MarkClass(const Exercise& e, std::string_view exerciseBytes, const std::vector<std::string>& files,
                      const MarkOptions& o) {
    ClassResult c;
    c.Title = e.Title.Active();
    c.Fingerprint = ExerciseFingerprint(exerciseBytes);
    CheckOptions co;
    co.Threads = o.Threads;
    co.Cancel = o.Cancel;
    c.Start = StartCheck(e, co);
    if (c.Start.Cancelled) {
        c.Cancelled = true;
        return c;
    }
    c.Criteria = WorthOf(e, c.Start);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (o.Cancel && o.Cancel->load()) {
            c.Cancelled = true;
            return c;
        }
        MarkedHandIn row;
        try {
            row = MarkOne(e, c.Fingerprint, c.Criteria, ReadHandIn(files[i]), co);
        } catch (const fuzzy::Error& err) {
            row = MarkedHandIn{};
            row.Problem = err.Describe();
        }
        row.File = files[i];
        if (row.Result && row.Result->Cancelled) {
            c.Cancelled = true;
            return c;
        }
        c.Rows.push_back(std::move(row));
        if (o.Progress) o.Progress(i + 1, files.size());
    }
    // One student, two hand-ins: each names the others.
    std::map<std::string, std::vector<std::size_t>> same;
    for (std::size_t i = 0; i < c.Rows.size(); ++i) {
        if (!c.Rows[i].Read) continue;
        same["n:" + StudentKey(c.Rows[i].In)].push_back(i);
        if (!c.Rows[i].In.Id.empty()) same["i:" + Lower(c.Rows[i].In.Id)].push_back(i);
    }
    for (const auto& entry : same)
        for (const std::size_t i : entry.second)
            for (const std::size_t j : entry.second) {
                std::vector<std::string>& d = c.Rows[i].DuplicateOf;
                if (i != j && std::find(d.begin(), d.end(), c.Rows[j].File) == d.end()) d.push_back(c.Rows[j].File);
            }
    return c;
}

std::string RowState(const MarkedHandIn& r) {
    if (!r.Read) return "unreadable";
    if (r.Foreign) return "foreign";
    if (!r.Result) return "unusable";
    switch (r.Result->Overall) {
    case Verdict::Passed: return "passed";
    case Verdict::Failed: return "failed";
    case Verdict::Refused: break;
    }
    return "refused";
}

std::string RowStateText(const MarkedHandIn& r) {
    if (!r.Read) return Tr("Aufgabe", "nicht lesbar");
    // Checked all the same (a teacher may have mended a typo after handing the
    // exercise out), but never shown as this exercise's verdict.
    if (r.Foreign)
        return r.Result ? Fmt(Tr("Aufgabe",
                                 "andere Aufgabe (gepr\xC3\xBC"
                                 "ft: %1)"),
                              {VerdictText(r.Result->Overall)})
                        : Tr("Aufgabe", "andere Aufgabe");
    if (!r.Result)
        return Tr("Aufgabe",
                  "nicht pr\xC3\xBC"
                  "fbar");
    return VerdictText(r.Result->Overall);
}

std::vector<std::string> RowNotes(const MarkedHandIn& r) {
    std::vector<std::string> out;
    if (!r.Problem.empty()) out.push_back(r.Problem);
    if (r.Foreign)
        out.push_back(
            Fmt(Tr("Aufgabe",
                   "Abgabe zu einer anderen Aufgabe oder einer anderen Fassung von ihr (\xE2\x80\x9E%1\xE2\x80\x9C)."),
                {r.In.Title}));
    for (const std::string& f : r.DuplicateOf) {
        const std::string name = std::filesystem::path(f).filename().string();
        out.push_back(Fmt(
            Tr("Aufgabe", "Dieselbe Sch\xC3\xBClerin oder derselbe Sch\xC3\xBCler hat auch %1 abgegeben."), {name}));
    }
    if (r.Result && r.Result->Overall == Verdict::Refused)
        for (const std::string& ch : r.Result->Changes) out.push_back(ch);
    return out;
}

std::string ClassJson(const ClassResult& c) {
    using nlohmann::json;
    json criteria = json::array();
    for (std::size_t i = 0; i < c.Criteria.Criteria.size(); ++i) {
        const PlannedCriterion& p = c.Criteria.Criteria[i];
        json j = {{"id", p.Id},
                  {"name", i < c.Start.Criteria.size() ? c.Start.Criteria[i].Name : p.Id},
                  {"points", JsonFloat(c.Criteria.Points[i])},
                  {"metAtStart", bool(c.Criteria.MetAtStart[i])}};
        if (!p.Point.empty()) j["point"] = p.Point;
        if (p.Speed) j["speed"] = JsonFloat(*p.Speed);
        criteria.push_back(j);
    }
    json rows = json::array();
    for (const MarkedHandIn& r : c.Rows) {
        json crit = json::array();
        if (r.Result)
            for (std::size_t i = 0; i < r.Result->Criteria.size(); ++i) {
                const CriterionResult& k = r.Result->Criteria[i];
                crit.push_back(
                    {{"id", k.Id},
                     {"passed", k.Passed},
                     {"measured", std::isfinite(k.Measured) ? json(JsonFloat(k.Measured)) : json(nullptr)},
                     {"measuredText", FigureText(k, k.Measured)},
                     {"unit", k.Unit},
                     {"points", i < r.Points.PerCriterion.size() ? JsonFloat(r.Points.PerCriterion[i]) : 0.0},
                     {"reasons", k.Reasons}});
            }
        json row = {{"file", std::filesystem::path(r.File).filename().string()},
                    {"path", r.File},
                    {"name", r.Read ? json(r.In.Name) : json(nullptr)},
                    {"class", r.Read ? json(r.In.Class) : json(nullptr)},
                    {"id", r.Read && !r.In.Id.empty() ? json(r.In.Id) : json(nullptr)},
                    {"date", r.Read ? json(r.In.Date) : json(nullptr)},
                    {"state", RowState(r)},
                    {"stateText", RowStateText(r)},
                    {"graded", r.Points.Graded},
                    {"gradable", r.Gradable()},
                    {"points", r.Points.Graded ? json(JsonFloat(r.Points.Points)) : json(nullptr)},
                    {"pointsText", r.Points.Graded ? PointsText(r.Points.Points) : std::string("\xE2\x80\x93")},
                    {"total", JsonFloat(c.Criteria.Total)},
                    {"foreign", r.Foreign},
                    {"duplicateOf", r.DuplicateOf},
                    {"notes", RowNotes(r)},
                    {"criteria", crit},
                    {"hints", r.Result ? r.Result->Hints : std::vector<std::string>{}}};
        rows.push_back(row);
    }
    const json doc = {{"exercise",
                       {{"title", c.Title},
                        {"fingerprint", c.Fingerprint},
                        {"totalPoints", JsonFloat(c.Criteria.Total)},
                        {"criteria", criteria}}},
                      {"rows", rows}};
    return doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

namespace {

std::string CsvField(std::string s) {
    // A spreadsheet runs what starts like a formula; an apostrophe keeps it text.
    if (!s.empty() && (s.front() == '=' || s.front() == '+' || s.front() == '-' || s.front() == '@')) s = "'" + s;
    std::string q = "\"";
    for (const char ch : s) q += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return q + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + CsvField(fields[i]);
    return line + "\n";
}

}  // namespace

std::string ClassCsv(const ClassResult& c) {
    std::vector<std::string> head = {Tr("Aufgabe", "Name"),   Tr("Aufgabe", "Klasse"), Tr("Aufgabe", "Kennung"),
                                     Tr("Aufgabe", "Datum"),  Tr("Aufgabe", "Datei"),  Tr("Aufgabe", "Ergebnis"),
                                     Tr("Aufgabe", "Punkte"), Tr("Aufgabe", "von")};
    for (std::size_t i = 0; i < c.Criteria.Criteria.size(); ++i)
        head.push_back(i < c.Start.Criteria.size() ? c.Start.Criteria[i].Name : c.Criteria.Criteria[i].Id);
    head.push_back(Tr("Aufgabe", "Anmerkungen"));
    std::string out = CsvRow(head);
    for (const MarkedHandIn& r : c.Rows) {
        std::vector<std::string> f = {r.Read ? r.In.Name : "",
                                      r.Read ? r.In.Class : "",
                                      r.Read ? r.In.Id : "",
                                      r.Read ? r.In.Date : "",
                                      std::filesystem::path(r.File).filename().string(),
                                      RowStateText(r),
                                      r.Points.Graded ? PointsText(r.Points.Points) : "",
                                      PointsText(c.Criteria.Total)};
        for (std::size_t i = 0; i < c.Criteria.Criteria.size(); ++i) {
            if (!r.Result || i >= r.Result->Criteria.size()) {
                f.push_back("");
                continue;
            }
            const CriterionResult& k = r.Result->Criteria[i];
            f.push_back((k.Passed ? "\xE2\x9C\x93 " : "\xE2\x9C\x97 ") + FigureText(k, k.Measured) +
                        (k.Unit.empty() ? "" : " " + k.Unit));
        }
        std::string notes;
        for (const std::string& n : RowNotes(r)) notes += (notes.empty() ? "" : " ") + n;
        f.push_back(notes);
        out += CsvRow(f);
    }
    return out;
}

}  // namespace exercise
