#include "commands/ExerciseCmd.h"

#include "exercise/AnswerFields.h"
#include "exercise/Check.h"
#include "exercise/HandIn.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "exercise/Variants.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Language.h"
#include "commands/Args.h"
#include "commands/CheckEval.h"
#include "commands/ClassCmd.h"
#include "commands/Format.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace fuzzysim {

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUnusable = 2;

// The double nearest to the shortest text of the float: 0.1f as 0.1.
double JsonFloat(float v) {
    if (!std::isfinite(v)) return 0.0;
    const std::string text = fuzzy::NumberText(v);
    double d = 0.0;
    fuzzy::ReadNumber(text.data(), text.data() + text.size(), d);
    return d;
}

// Measured values are doubles from float figures: rounded to what a float holds.
double JsonMeasure(double v) { return std::isfinite(v) ? JsonFloat(static_cast<float>(v)) : 0.0; }

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

nlohmann::json Interval(const fuzzy::Interval& i) {
    return {{"low", JsonFloat(i.Low.Value)},
            {"lowIncluded", i.Low.Included},
            {"high", JsonFloat(i.High.Value)},
            {"highIncluded", i.High.Included}};
}

int Check(const std::vector<std::string>& args) {
    const bool json = std::find(args.begin(), args.end(), "--json") != args.end();
    // Under --json every error is a document too: whoever reads it reads JSON.
    const auto unusable = [json](const std::string& message) {
        std::cerr << ErrorLine(message) << '\n';
        if (json) PrintJsonError(message);
        return ExitUnusable;
    };
    try {
        const Args a(args, {"--json"}, {"--name"});
        const auto& pos = a.Positional();
        if (pos.empty()) throw UsageError(fuzzy::Tr("fuzzysim", "Es fehlt die Aufgabe (AUFGABE.fuzaufgabe)."));
        if (pos.size() > 3)
            throw UsageError(
                fuzzy::Tr("fuzzysim", "aufgabe check nimmt die Aufgabe, ein Projekt und eine Antwortdatei."));
        exercise::Exercise e;
        std::string bytes;
        try {
            bytes = exercise::ReadBoundedFile(pos[0]);
            e = exercise::ParseExercise(bytes);
        } catch (const fuzzy::Error& err) {
            return unusable(pos[0] + ": " + err.Describe());
        }
        std::optional<Project> project;
        std::optional<exercise::Answers> answers;
        std::string answersFile;
        std::string name = a.Value("--name").value_or("");
        for (std::size_t i = 1; i < pos.size(); ++i) {
            const std::string& file = pos[i];
            if (EndsWith(file, ".fuzabgabe")) {
                // A hand-in brings its project, its answers and the name its numbers are drawn by.
                if (project || answers || pos.size() > 2)
                    throw UsageError(
                        fuzzy::Tr("fuzzysim", "Eine Abgabe (.fuzabgabe) steht allein hinter der Aufgabe."));
                try {
                    const exercise::HandIn h = exercise::ReadHandIn(file);
                    project = h.Project;
                    answers = h.Given;
                    answersFile = file;
                    if (name.empty()) name = h.Name;
                    if (h.Fingerprint != exercise::ExerciseFingerprint(bytes))
                        std::cerr << fuzzy::Fmt(
                                         fuzzy::Tr("fuzzysim", "Warnung: %1"),
                                         {fuzzy::Fmt(fuzzy::Tr("fuzzysim",
                                                               "%1 ist eine Abgabe zu einer anderen Aufgabe oder "
                                                               "Fassung (\xE2\x80\x9E%2\xE2\x80\x9C)."),
                                                     {file, h.Title})})
                                  << '\n';
                } catch (const fuzzy::Error& err) {
                    return unusable(file + ": " + err.Describe());
                }
            } else if (EndsWith(file, ".fuzantwort")) {
                if (answers) throw UsageError(fuzzy::Tr("fuzzysim", "Nur eine Antwortdatei (.fuzantwort) bitte."));
                try {
                    answers = exercise::ReadAnswers(file);
                    answersFile = file;
                } catch (const fuzzy::Error& err) {
                    return unusable(file + ": " + err.Describe());
                }
            } else {
                if (project) throw UsageError(fuzzy::Tr("fuzzysim", "Nur ein Projekt (.fuz) bitte."));
                Project p;
                const int loaded = LoadForTool(file, p);
                if (loaded == ExitFormatError) {
                    // The line where the file stops fitting, as `fuzzysim check` names it.
                    const fuzzy::ProjectDiagnosis diag = Diagnose(file);
                    if (!diag.ok) std::cerr << ErrorLine(file + ": " + diag.Describe()) << '\n';
                }
                if (loaded != ExitOk) {
                    // The reader has said why on standard error.
                    if (json)
                        PrintJsonError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "%1 ist kein lesbares Projekt."), {file}));
                    return ExitUnusable;
                }
                project = p;
            }
        }
        if (e.NeedsName() && name.empty())
            throw UsageError(fuzzy::Tr("fuzzysim",
                                       "Diese Aufgabe rechnet mit Zahlen nach dem Namen: es fehlt --name NAME (oder "
                                       "eine Abgabe)."));
        e = exercise::ForStudent(e, name);
        if (!project && e.NeedsProject())
            throw UsageError(fuzzy::Tr("fuzzysim",
                                       "Diese Aufgabe pr\xC3\xBC"
                                       "ft ein Projekt: es fehlt PROJEKT.fuz."));
        if (!answers && e.NeedsAnswers())
            throw UsageError(fuzzy::Tr("fuzzysim",
                                       "Diese Aufgabe fragt nach einer Rechnung von Hand: es fehlt "
                                       "ANTWORTEN.fuzantwort."));
        const Project student = project && e.NeedsProject() ? *project : e.StartProject();
        if (answers) try {
                exercise::CheckAnswersFit(e, student, *answers);
            } catch (const fuzzy::Error& err) {
                return unusable(answersFile + ": " + err.Describe());
            }
        const exercise::CheckResult r = exercise::Check(e, student, answers.value_or(exercise::Answers{}));
        if (json)
            PrintExerciseJson(e, r, std::cout);
        else
            PrintExerciseText(e, r, std::cout);
        return r.Passed() ? ExitOk : ExitFailed;
    } catch (const UsageError& err) {
        if (!json) throw;
        return unusable(err.what());
    }
}

int Start(const std::vector<std::string>& args) {
    std::vector<std::string> named(args);
    for (std::string& x : named)
        if (x == "-o") x = "--output";
    const Args a(named, {}, {"--output"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Aufgabe (AUFGABE.fuzaufgabe)"));
    exercise::Exercise e;
    try {
        e = exercise::ReadExercise(a.Positional()[0]);
    } catch (const fuzzy::Error& err) {
        std::cerr << ErrorLine(a.Positional()[0] + ": " + err.Describe()) << '\n';
        return ExitUnusable;
    }
    return WriteNewProject(e.StartProject(), a.Value("--output"),
                           fuzzy::Tr("fuzzysim",
                                     "%1 gibt es schon; fuzzysim aufgabe start \xC3\xBC"
                                     "berschreibt keine Datei."));
}

}  // namespace

void PrintExerciseJson(const exercise::Exercise& e, const exercise::CheckResult& r, std::ostream& out) {
    using nlohmann::json;
    json criteria = json::array();
    for (const exercise::CriterionResult& c : r.Criteria) {
        json j = {{"id", c.Id},
                  {"name", c.Name},
                  // No value (a run that never rests): null, never a number that looks like a pass.
                  {"measured", std::isfinite(c.Measured) ? json(JsonMeasure(c.Measured)) : json(nullptr)},
                  {"limit", JsonMeasure(c.Limit)},
                  {"measuredText", exercise::FigureText(c, c.Measured)},
                  {"limitText", exercise::FigureText(c, c.Limit)},
                  {"compare", c.Direction == exercise::Compare::AtLeast ? ">=" : "<="},
                  {"unit", c.Unit},
                  {"passed", c.Passed},
                  {"reasons", c.Reasons}};
        if (!c.Point.empty()) j["point"] = c.Point;
        if (c.Speed) j["speed"] = JsonFloat(*c.Speed);
        if (!c.Starts.empty()) {
            json s = json::array();
            for (const exercise::StartRef& st : c.Starts)
                s.push_back({{"speed", JsonFloat(st.Speed)},
                             {"index", st.Index},
                             {"x", JsonFloat(st.Start.CabX)},
                             {"attitude", JsonFloat(st.Start.Attitude)}});
            j["starts"] = s;
        }
        if (!c.Runs.empty()) {
            json s = json::array();
            for (const pemrak::RunOptions& o : c.Runs)
                s.push_back({{"mass", JsonFloat(o.Start.Masse)},
                             {"step", JsonFloat(o.Dt)},
                             {"friction", JsonFloat(o.Start.Reibung)},
                             {"distance", JsonFloat(o.Start.AbstandCm)}});
            j["runs"] = s;
        }
        if (!c.Boxes.empty()) {
            json s = json::array();
            for (const fuzzy::NoRuleBox& b : c.Boxes) {
                json box = {{"a", Interval(b.A)}};
                if (b.HasB) box["b"] = Interval(b.B);
                s.push_back(box);
            }
            j["boxes"] = s;
        }
        criteria.push_back(j);
    }
    const char* verdict = r.Overall == exercise::Verdict::Passed   ? "passed"
                          : r.Overall == exercise::Verdict::Failed ? "failed"
                                                                   : "refused";
    const json doc = {
        {"title", e.Title.Active()}, {"verdict", verdict},   {"passed", r.Passed()}, {"teacherMarks", r.TeacherMarks},
        {"changes", r.Changes},      {"criteria", criteria}, {"hints", r.Hints}};
    out << doc.dump(2) << '\n';
}

void PrintExerciseText(const exercise::Exercise& e, const exercise::CheckResult& r, std::ostream& out) {
    out << fuzzy::Fmt(fuzzy::Tr("fuzzysim aufgabe", "Aufgabe: %1"), {e.Title.Active()}) << '\n';
    if (!r.Changes.empty()) {
        out << fuzzy::Tr("fuzzysim aufgabe", "Ge\xC3\xA4ndert, was die Aufgabe nicht erlaubt:") << '\n';
        for (const std::string& c : r.Changes) out << "  - " << c << '\n';
    }
    for (const exercise::CriterionResult& c : r.Criteria) {
        out << (c.Passed ? "  \xE2\x9C\x93 " : "  \xE2\x9C\x97 ") << exercise::Summary(c) << '\n';
        for (const std::string& why : c.Reasons) out << "      " << why << '\n';
    }
    for (const std::string& h : r.Hints) out << fuzzy::Fmt(fuzzy::Tr("fuzzysim aufgabe", "Hinweis: %1"), {h}) << '\n';
    if (r.TeacherMarks)
        out << fuzzy::Tr("fuzzysim aufgabe", "Den schriftlichen oder gezeichneten Teil bewertet die Lehrkraft.")
            << '\n';
    out << fuzzy::Fmt(fuzzy::Tr("fuzzysim aufgabe", "Ergebnis: %1"), {exercise::VerdictText(r.Overall)}) << '\n';
}

int RunExercise(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError(
            fuzzy::Tr("fuzzysim", "aufgabe erwartet check, start, paket, abgabe, auswerten oder gegenprobe."));
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const std::string& what = args[0];
    if (what == "check") return Check(rest);
    if (what == "start") return Start(rest);
    // The classroom's commands, each also under its English name.
    if (what == "paket" || what == "package") return RunPackage(rest);
    if (what == "abgabe" || what == "handin") return RunHandIn(rest);
    if (what == "auswerten" || what == "mark") return RunMark(rest);
    if (what == "gegenprobe" || what == "vet") return RunVet(rest);
    throw UsageError(fuzzy::Fmt(
        fuzzy::Tr("fuzzysim", "aufgabe kennt %1 nicht (check, start, paket, abgabe, auswerten oder gegenprobe)."),
        {what}));
}

}  // namespace fuzzysim
