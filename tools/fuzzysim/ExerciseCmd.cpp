#include "tools/fuzzysim/ExerciseCmd.h"

#include "exercise/AnswerFields.h"
#include "exercise/Check.h"
#include "exercise/Reader.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Language.h"
#include "tools/fuzzysim/Args.h"
#include "tools/fuzzysim/CheckEval.h"
#include "tools/fuzzysim/Format.h"

#include <nlohmann/json.hpp>

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
    const Args a(args, {"--json"});
    const auto& pos = a.Positional();
    if (pos.empty()) throw UsageError(fuzzy::Tr("fuzzysim", "Es fehlt die Aufgabe (AUFGABE.fuzaufgabe)."));
    if (pos.size() > 3)
        throw UsageError(fuzzy::Tr("fuzzysim", "aufgabe check nimmt die Aufgabe, ein Projekt und eine Antwortdatei."));
    exercise::Exercise e;
    try {
        e = exercise::ReadExercise(pos[0]);
    } catch (const fuzzy::Error& err) {
        std::cerr << ErrorLine(pos[0] + ": " + err.Describe()) << '\n';
        return ExitUnusable;
    }
    std::optional<Project> project;
    std::optional<exercise::Answers> answers;
    std::string answersFile;
    for (std::size_t i = 1; i < pos.size(); ++i) {
        const std::string& file = pos[i];
        if (EndsWith(file, ".fuzantwort")) {
            if (answers) throw UsageError(fuzzy::Tr("fuzzysim", "Nur eine Antwortdatei (.fuzantwort) bitte."));
            try {
                answers = exercise::ReadAnswers(file);
                answersFile = file;
            } catch (const fuzzy::Error& err) {
                std::cerr << ErrorLine(file + ": " + err.Describe()) << '\n';
                return ExitUnusable;
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
            if (loaded != ExitOk) return ExitUnusable;
            project = p;
        }
    }
    if (!project && e.NeedsProject())
        throw UsageError(fuzzy::Tr("fuzzysim",
                                   "Diese Aufgabe pr\xC3\xBC"
                                   "ft ein Projekt: es fehlt PROJEKT.fuz."));
    if (!answers && e.NeedsAnswers())
        throw UsageError(fuzzy::Tr("fuzzysim",
                                   "Diese Aufgabe fragt nach einer Rechnung von Hand: es fehlt "
                                   "ANTWORTEN.fuzantwort."));
    const Project student = project ? *project : e.StartProject();
    if (answers) try {
            exercise::CheckAnswersFit(e, student, *answers);
        } catch (const fuzzy::Error& err) {
            std::cerr << ErrorLine(answersFile + ": " + err.Describe()) << '\n';
            return ExitUnusable;
        }
    const exercise::CheckResult r = exercise::Check(e, student, answers.value_or(exercise::Answers{}));
    if (a.Has("--json"))
        PrintExerciseJson(e, r, std::cout);
    else
        PrintExerciseText(e, r, std::cout);
    return r.Passed() ? ExitOk : ExitFailed;
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
    if (args.empty()) throw UsageError(fuzzy::Tr("fuzzysim", "aufgabe erwartet check oder start."));
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "check") return Check(rest);
    if (args[0] == "start") return Start(rest);
    throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "aufgabe kennt %1 nicht (check oder start)."), {args[0]}));
}

}  // namespace fuzzysim
