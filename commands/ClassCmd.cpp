#include "commands/ClassCmd.h"

#include "exercise/AnswerFields.h"
#include "exercise/Gradebook.h"
#include "exercise/HandIn.h"
#include "exercise/Marking.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "exercise/TeacherCheck.h"
#include "exercise/Variants.h"
#include "fuzzy/AtomicFile.h"
#include "fuzzy/Language.h"
#include "fuzzy/Text.h"
#include "commands/Args.h"
#include "commands/CheckEval.h"
#include "commands/SheetProgram.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <system_error>

namespace fuzzysim {

namespace {

constexpr int ExitNotice = 1;
constexpr int ExitUnusable = 2;

using fuzzy::Fmt;
using fuzzy::Tr;

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The English spellings of the options as the German ones, "-o" as --output.
std::vector<std::string> Spelled(const std::vector<std::string>& args) {
    static const std::map<std::string, std::string> same = {
        {"-o", "--output"}, {"--class", "--klasse"}, {"--no-sheet", "--ohne-blatt"}, {"--solution", "--loesung"}};
    std::vector<std::string> out;
    for (const std::string& a : args) {
        const std::size_t eq = a.find('=');
        const auto it = same.find(a.substr(0, eq));
        out.push_back(it == same.end() ? a : it->second + (eq == std::string::npos ? "" : a.substr(eq)));
    }
    return out;
}

int Unusable(const std::string& message, bool json) {
    std::cerr << ErrorLine(message) << '\n';
    if (json) PrintJsonError(message);
    return ExitUnusable;
}

std::size_t Width(const std::string& s) { return fuzzy::text::Utf8ToCodePoints(s).size(); }

std::string Pad(const std::string& s, std::size_t width) {
    const std::size_t w = Width(s);
    return w >= width ? s : s + std::string(width - w, ' ');
}

// The class's table for a terminal: a column per criterion, numbered, with
// its name and points below the table.
void PrintTable(const exercise::ClassResult& c, std::ostream& out) {
    out << Fmt(Tr("fuzzysim aufgabe", "Aufgabe: %1"), {c.Title}) << '\n';
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> head = {Tr("fuzzysim aufgabe", "Name"), Tr("fuzzysim aufgabe", "Klasse"),
                                     Tr("fuzzysim aufgabe", "Ergebnis"), Tr("fuzzysim aufgabe", "Punkte")};
    for (std::size_t i = 0; i < c.Criteria.Criteria.size(); ++i) head.push_back("K" + std::to_string(i + 1));
    rows.push_back(head);
    for (const exercise::MarkedHandIn& r : c.Rows) {
        std::vector<std::string> row = {
            r.Read ? r.In.Name : std::filesystem::path(r.File).filename().string(), r.Read ? r.In.Class : "",
            exercise::RowStateText(r),
            r.Points.Graded ? exercise::PointsText(r.Points.Points) + "/" + exercise::PointsText(c.Criteria.Total)
                            : "\xE2\x80\x93"};
        if (r.Result)
            for (const exercise::CriterionResult& k : r.Result->Criteria)
                row.push_back((k.Passed ? "\xE2\x9C\x93 " : "\xE2\x9C\x97 ") + exercise::FigureText(k, k.Measured) +
                              (k.Unit.empty() ? "" : " " + k.Unit));
        rows.push_back(row);
    }
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.push_back(0);
            widths[i] = std::max(widths[i], Width(row[i]));
        }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) line += (i ? "  " : "") + Pad(row[i], widths[i]);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << '\n';
    }
    for (std::size_t i = 0; i < c.Criteria.Criteria.size(); ++i)
        out << Fmt(Tr("fuzzysim aufgabe", "K%1: %2 (Punkte: %3)"),
                   {std::to_string(i + 1),
                    i < c.Start.Criteria.size() ? c.Start.Criteria[i].Name : c.Criteria.Criteria[i].Id,
                    exercise::PointsText(c.Criteria.Points[i])})
            << '\n';
    for (const exercise::MarkedHandIn& r : c.Rows)
        for (const std::string& n : exercise::RowNotes(r))
            out << Fmt(Tr("fuzzysim aufgabe", "Anmerkung zu %1: %2"),
                       {std::filesystem::path(r.File).filename().string(), n})
                << '\n';
}

// Where the rows the gradebook file leaves out go: beside it.
std::string LeftFile(const std::string& file) {
    const std::filesystem::path p(file);
    return (p.parent_path() / (p.stem().string() + "-nicht-importiert.csv")).string();
}

// The reference solution beside an exercise: NAME.loesung.fuz or .fuzantwort.
void ReferenceBeside(const std::string& exercisePath, exercise::TeacherCheckInput& in, const exercise::Exercise& e) {
    std::string stem = exercisePath;
    if (EndsWith(stem, ".fuzaufgabe")) stem.resize(stem.size() - 11);
    std::error_code ec;
    if (e.NeedsProject() && std::filesystem::is_regular_file(stem + ".loesung.fuz", ec)) {
        Project p;
        if (LoadForTool(stem + ".loesung.fuz", p) == ExitOk) in.Reference = p;
    }
    if (e.NeedsAnswers() && std::filesystem::is_regular_file(stem + ".loesung.fuzantwort", ec)) {
        try {
            in.ReferenceAnswers = exercise::ReadAnswers(stem + ".loesung.fuzantwort");
        } catch (const fuzzy::Error& err) {
            std::cerr << ErrorLine(stem + ".loesung.fuzantwort: " + err.Describe()) << '\n';
        }
    }
}

}  // namespace

void PrintJsonError(const std::string& message) {
    std::cout << nlohmann::json{{"error", message}}.dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << '\n';
}

int RunPackage(const std::vector<std::string>& args) {
    const Args a(Spelled(args), {"--ohne-blatt"}, {"--output"});
    if (a.Positional().empty()) throw UsageError(Tr("fuzzysim", "Es fehlt die Aufgabe (AUFGABE.fuzaufgabe)."));
    const auto dir = a.Value("--output");
    if (!dir || dir->empty()) throw UsageError(Tr("fuzzysim", "aufgabe paket braucht -o ORDNER."));
    std::error_code ec;
    if (!std::filesystem::is_directory(*dir, ec) && !std::filesystem::create_directory(*dir, ec))
        return Unusable(Fmt(Tr("fuzzysim", "Der Ordner %1 l\xC3\xA4sst sich nicht anlegen."), {*dir}), false);
    std::optional<std::string> werkstatt;
    if (!a.Has("--ohne-blatt")) {
        werkstatt = FindWerkstatt();
        if (!werkstatt)
            return Unusable(Tr("fuzzysim",
                               "Das Sch\xC3\xBClerblatt schreibt das Programm werkstatt; es ist weder neben fuzzysim "
                               "noch im PATH zu finden. Mit --ohne-blatt entsteht das Paket ohne PDF."),
                            false);
    }
    int status = ExitOk;
    std::vector<std::string> stems;
    for (const std::string& file : a.Positional()) {
        std::string copy;
        try {
            copy = exercise::StudentCopy(exercise::ReadBoundedFile(file));
        } catch (const fuzzy::Error& err) {
            std::cerr << ErrorLine(file + ": " + err.Describe()) << '\n';
            status = ExitUnusable;
            continue;
        }
        const std::string stem = exercise::PackageStem(file);
        if (std::find(stems.begin(), stems.end(), stem) != stems.end()) {
            std::cerr << ErrorLine(Fmt(Tr("fuzzysim",
                                          "Zwei Aufgaben hei\xC3\x9F"
                                          "en %1: Eine bleibt drau\xC3\x9F"
                                          "en."),
                                       {stem}))
                      << '\n';
            status = ExitUnusable;
            continue;
        }
        stems.push_back(stem);
        const std::string target = (std::filesystem::path(*dir) / (stem + ".fuzaufgabe")).string();
        try {
            fuzzy::WriteFileAtomic(target, copy, file);
        } catch (const fuzzy::Error& err) {
            std::cerr << ErrorLine(err.what()) << '\n';
            status = std::max(status, ExitNotice);
            continue;
        }
        std::cout << target << '\n';
        if (!werkstatt) continue;
        const std::string pdf = (std::filesystem::path(*dir) / (stem + ".pdf")).string();
        const std::string why = WriteStudentsSheet(*werkstatt, target, pdf);
        if (!why.empty()) {
            std::cerr << ErrorLine(why) << '\n';
            status = std::max(status, ExitNotice);
            continue;
        }
        std::cout << pdf << '\n';
    }
    return status;
}

int RunHandIn(const std::vector<std::string>& args) {
    const Args a(Spelled(args), {}, {"--name", "--klasse", "--id", "--output"});
    const auto& pos = a.Positional();
    if (pos.empty()) throw UsageError(Tr("fuzzysim", "Es fehlt die Aufgabe (AUFGABE.fuzaufgabe)."));
    if (pos.size() > 3)
        throw UsageError(Tr("fuzzysim", "aufgabe abgabe nimmt die Aufgabe, ein Projekt und eine Antwortdatei."));
    exercise::HandIn h;
    h.Name = a.Value("--name").value_or("");
    h.Class = a.Value("--klasse").value_or("");
    h.Id = a.Value("--id").value_or("");
    for (const auto& [field, value] :
         {std::pair{exercise::HandInField::Name, h.Name}, std::pair{exercise::HandInField::Class, h.Class},
          std::pair{exercise::HandInField::Id, h.Id}})
        if (const auto why = exercise::FieldError(field, value)) throw UsageError(*why);
    const auto out = a.Value("--output");
    if (!out || out->empty()) throw UsageError(Tr("fuzzysim", "aufgabe abgabe braucht -o DATEI.fuzabgabe."));
    std::string bytes;
    exercise::Exercise e;
    try {
        bytes = exercise::ReadBoundedFile(pos[0]);
        e = exercise::ParseExercise(bytes);
    } catch (const fuzzy::Error& err) {
        return Unusable(pos[0] + ": " + err.Describe(), false);
    }
    const exercise::Exercise mine = exercise::ForStudent(e, h.Name);
    std::vector<std::string> inputs = {pos[0]};
    std::string answersFile;
    for (std::size_t i = 1; i < pos.size(); ++i) {
        inputs.push_back(pos[i]);
        if (EndsWith(pos[i], ".fuzantwort")) {
            if (h.Given) throw UsageError(Tr("fuzzysim", "Nur eine Antwortdatei (.fuzantwort) bitte."));
            try {
                h.Given = exercise::ReadAnswers(pos[i]);
                answersFile = pos[i];
            } catch (const fuzzy::Error& err) {
                return Unusable(pos[i] + ": " + err.Describe(), false);
            }
        } else {
            if (h.Project) throw UsageError(Tr("fuzzysim", "Nur ein Projekt (.fuz) bitte."));
            Project p;
            if (LoadForTool(pos[i], p) != ExitOk) return ExitUnusable;
            h.Project = p;
        }
    }
    if (!h.Project && mine.NeedsProject())
        throw UsageError(Tr("fuzzysim",
                            "Diese Aufgabe pr\xC3\xBC"
                            "ft ein Projekt: es fehlt PROJEKT.fuz."));
    if (!h.Given && mine.NeedsAnswers())
        throw UsageError(
            Tr("fuzzysim", "Diese Aufgabe fragt nach einer Rechnung von Hand: es fehlt ANTWORTEN.fuzantwort."));
    if (h.Given) try {
            exercise::CheckAnswersFit(mine, h.Project && mine.NeedsProject() ? *h.Project : mine.StartProject(),
                                      *h.Given);
        } catch (const fuzzy::Error& err) {
            return Unusable(answersFile + ": " + err.Describe(), false);
        }
    h.Date = exercise::DateText(exercise::HandInClock());
    h.Title = e.Title.Active();
    h.Fingerprint = exercise::ExerciseFingerprint(bytes);
    try {
        fuzzy::WriteFileAtomic(*out, exercise::HandInText(h), inputs);
    } catch (const exercise::FormatError& err) {
        return Unusable(err.Describe(), false);
    } catch (const fuzzy::Error& err) {
        std::cerr << ErrorLine(err.what()) << '\n';
        return ExitNotice;
    }
    std::cout << Fmt(Tr("fuzzysim aufgabe", "Abgabe von %1 (%2) geschrieben: %3"), {h.Name, h.Class, *out}) << '\n';
    return ExitOk;
}

int RunMark(const std::vector<std::string>& args) {
    const bool json = std::find(args.begin(), args.end(), "--json") != args.end();
    try {
        const Args a(args, {"--csv", "--json"}, {"--moodle", "--threads"});
        if (a.Has("--csv") && a.Has("--json"))
            throw UsageError(Tr("fuzzysim", "Entweder --csv oder --json, nicht beides."));
        const auto& pos = a.Positional();
        if (pos.size() < 2)
            throw UsageError(
                Tr("fuzzysim", "aufgabe auswerten braucht die Aufgabe und Abgaben (Dateien oder Ordner)."));
        const auto threads = a.Number("--threads");
        if (threads && (*threads < 1 || *threads > 256 || *threads != std::floor(*threads)))
            throw UsageError(Tr("fuzzysim", "--threads erwartet eine ganze Zahl von 1 bis 256."));
        const auto moodle = a.Value("--moodle");
        if (moodle && moodle->empty()) throw UsageError(Tr("fuzzysim", "--moodle erwartet einen Dateinamen."));
        std::string bytes;
        exercise::Exercise e;
        std::vector<std::string> files;
        try {
            bytes = exercise::ReadBoundedFile(pos[0]);
            e = exercise::ParseExercise(bytes);
        } catch (const fuzzy::Error& err) {
            return Unusable(pos[0] + ": " + err.Describe(), json);
        }
        try {
            files = exercise::HandInFiles(std::vector<std::string>(pos.begin() + 1, pos.end()));
        } catch (const fuzzy::Error& err) {
            return Unusable(err.Describe(), json);
        }
        exercise::MarkOptions o;
        o.Threads = threads ? static_cast<int>(*threads) : 0;
        const exercise::ClassResult c = exercise::MarkClass(e, bytes, files, o);
        if (json)
            std::cout << exercise::ClassJson(c);
        else if (a.Has("--csv"))
            std::cout << exercise::ClassCsv(c);
        else
            PrintTable(c, std::cout);
        int status = ExitOk;
        for (const exercise::MarkedHandIn& r : c.Rows)
            if (!r.Read || !r.Problem.empty() || r.Foreign || !r.DuplicateOf.empty()) status = ExitNotice;
        if (moodle) {
            const exercise::Gradebook g = exercise::GradebookFiles(c);
            const std::string left = LeftFile(*moodle);
            try {
                fuzzy::WriteFilesAtomic({{*moodle, g.Import}, {left, g.Left}}, pos[0]);
            } catch (const fuzzy::Error& err) {
                std::cerr << ErrorLine(err.what()) << '\n';
                return ExitNotice;
            }
            std::cerr << Fmt(Tr("fuzzysim aufgabe", "F\xC3\xBCr das Notenbuch: %2 (Zeilen: %1, Kennung: %3)."),
                             {std::to_string(g.Imported), *moodle,
                              g.Emails ? Tr("fuzzysim aufgabe", "E-Mail-Adresse")
                                       : Tr("fuzzysim aufgabe", "ID-Nummer")})
                      << '\n';
            if (!g.LeftOut.empty()) {
                std::cerr << Fmt(Tr("fuzzysim aufgabe",
                                    "Nicht darin, sondern in %1 (von Hand eintragen oder die Abgabe kl\xC3\xA4ren):"),
                                 {left})
                          << '\n';
                for (const std::string& l : g.LeftOut) std::cerr << "  - " << l << '\n';
            }
        }
        return status;
    } catch (const UsageError& err) {
        if (!json) throw;
        return Unusable(err.what(), true);
    }
}

int RunVet(const std::vector<std::string>& args) {
    const bool json = std::find(args.begin(), args.end(), "--json") != args.end();
    try {
        const Args a(Spelled(args), {"--json"}, {"--loesung"});
        a.ExpectPositional(1, Tr("fuzzysim", "die Aufgabe (AUFGABE.fuzaufgabe)"));
        const std::string& file = a.Positional()[0];
        exercise::Exercise e;
        try {
            e = exercise::ReadExercise(file);
        } catch (const fuzzy::Error& err) {
            return Unusable(file + ": " + err.Describe(), json);
        }
        exercise::TeacherCheckInput in;
        if (const auto given = a.Value("--loesung")) {
            if (EndsWith(*given, ".fuzantwort")) {
                try {
                    in.ReferenceAnswers = exercise::ReadAnswers(*given);
                } catch (const fuzzy::Error& err) {
                    return Unusable(*given + ": " + err.Describe(), json);
                }
            } else {
                Project p;
                if (LoadForTool(*given, p) != ExitOk)
                    return Unusable(Fmt(Tr("fuzzysim", "%1 ist kein lesbares Projekt."), {*given}), json);
                in.Reference = p;
            }
        } else {
            ReferenceBeside(file, in, e);
        }
        in.Examples = exercise::ShippedProjects();
        const std::vector<exercise::Finding> found = exercise::TeacherCheck(e, in);
        const auto faults =
            std::count_if(found.begin(), found.end(), [](const exercise::Finding& f) { return f.Fault(); });
        if (json) {
            nlohmann::json list = nlohmann::json::array();
            for (const exercise::Finding& f : found)
                list.push_back({{"kind", f.Kind}, {"text", f.Text}, {"line", f.Line}, {"fault", f.Fault()}});
            std::cout << nlohmann::json{{"title", e.Title.Active()}, {"fair", faults == 0}, {"findings", list}}.dump(
                             2, ' ', false, nlohmann::json::error_handler_t::replace)
                      << '\n';
        } else {
            std::cout << Fmt(Tr("fuzzysim aufgabe", "Gegenprobe: %1"), {e.Title.Active()}) << '\n';
            for (const exercise::Finding& f : found) {
                const std::string where =
                    f.Line ? Fmt(Tr("fuzzysim aufgabe", "Zeile %1: "), {std::to_string(f.Line)}) : "";
                std::cout << (f.Fault() ? "  \xE2\x9C\x97 " : "  \xC2\xB7 ") << where << f.Text << '\n';
            }
            std::cout << (faults == 0 ? Tr("fuzzysim aufgabe",
                                           "Ergebnis: nichts gefunden, was die Aufgabe unfair oder nutzlos macht.")
                                      : Fmt(Tr("fuzzysim aufgabe", "Ergebnis: Einw\xC3\xA4nde gefunden (%1)."),
                                            {std::to_string(faults)}))
                      << '\n';
        }
        return faults == 0 ? ExitOk : ExitNotice;
    } catch (const UsageError& err) {
        if (!json) throw;
        return Unusable(err.what(), true);
    }
}

}  // namespace fuzzysim
