#pragma once
// Judging a student's work by an exercise: first whether only what the
// exercise allows was changed, then every check of the file, each with its
// measured value, its limit, pass or fail, the reasons in words and where it
// failed (the truck's starts, the locomotive's runs, the boxes without a
// firing rule), so that a window can open them in its lab.
//
// Threads: Check may run on any thread and on several at once; it works on
// copies of what it is given and shares out the truck's starts and the
// locomotive's runs with fuzzy::ParallelFor. Its texts are in the language
// active when it runs.

#include "exercise/Exercise.h"
#include "fuzzy/NoRuleRegions.h"
#include "loco/model/LocoLauf.h"
#include "truck/model/Control.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace exercise {

enum class Compare { AtLeast, AtMost };

// A truck start of the grid that did not do what was asked.
struct StartRef {
    float Speed = 0.0f;          // m/s
    int Index = 0;               // in dorvane::GridStarts()
    dorvane::StartValues Start;  // cab x in m, attitude in degrees
};

struct CriterionResult {
    // What was checked, the same in every language: "coverage", "hand.membership", "hand.firing", "hand.heights",
    // "hand.output", "truck.docked", "truck.left_road", "truck.no_rule", "rules",
    // "loco.rest", "loco.overshoot", "loco.force", "loco.sign_changes".
    std::string Id;
    std::string Name;            // in the active language
    std::string Point;           // hand checks: the point's name
    std::optional<float> Speed;  // truck.*: the speed, m/s
    // Hand steps: how many answers are wrong, not numbers or not given (an
    // empty box is not answered, whatever the right value), never by how much
    // (that would give the right value away). loco.rest: infinity when a
    // run never comes to rest.
    double Measured = 0.0;
    double Limit = 0.0;
    Compare Direction = Compare::AtMost;
    std::string Unit;  // "", "s", "cm"
    bool Passed = false;
    std::vector<std::string> Reasons;      // in words, in the active language; empty when passed
    std::vector<StartRef> Starts;          // truck: the starts that fail it
    std::vector<pemrak::RunOptions> Runs;  // locomotive: the runs that fail it
    // The point of each failing run's track that its reason names (the
    // largest overshoot, the first force beyond the range, …); 0 where the
    // run could not be made.
    std::vector<int> RunPoints;
    std::vector<fuzzy::NoRuleBox> Boxes;  // coverage: where no rule fires
    int Line = 0;                         // of the section in the exercise file
};

enum class Verdict {
    Passed,   // every check passed
    Failed,   // some check failed
    Refused,  // the project changed what the exercise does not allow: not judged
};

struct CheckResult {
    Verdict Overall = Verdict::Failed;
    // What changed that the exercise does not allow (Refused), in words.
    std::vector<std::string> Changes;
    // Every check in the order coverage, hand steps, truck, locomotive (with
    // Refused: none).
    std::vector<CriterionResult> Criteria;
    // After a failed check: the hints of the checks that failed, then the
    // exercise's own, in the active language.
    std::vector<std::string> Hints;
    // Part of the exercise is marked by the teacher (Marking Teacher or Both).
    bool TeacherMarks = false;
    // Stopped by the cancel flag: the result is incomplete and says nothing.
    bool Cancelled = false;

    bool Passed() const { return Overall == Verdict::Passed && !Cancelled; }
};

struct CheckOptions {
    int Threads = 0;                            // 0: one per core
    const std::atomic<bool>* Cancel = nullptr;  // read before each run
    // false: nothing is run, the criteria come with their names and limits
    // only (their figures say nothing): for a sheet that lists them.
    bool Run = true;
};

// What differs from the starting project in the parts the exercise locks,
// one sentence each in the active language (empty: nothing forbidden changed).
std::vector<std::string> ForbiddenChanges(const Exercise& e, const fuzzy::Project& student);

// Judges the student's project and answers. Where the exercise needs no
// project (NeedsProject false), pass its StartProject().
CheckResult Check(const Exercise& e, const fuzzy::Project& student, const Answers& answers,
                  const CheckOptions& options = {});

// Filled rule cells: entries that name an output term, in the rows and
// columns of the terms the inputs have.
int FilledRules(const fuzzy::Project& p);

// A measured value or limit of the criterion as Summary writes it (without
// the unit): counts whole, times and distances to a hundredth, deviations of
// a hand calculation as they are; the active language's decimal sign.
std::string FigureText(const CriterionResult& c, double v);
// The measured value and the limit with their unit, as Summary writes them:
// "3,50 s", "mindestens 150 …" ("kommt nicht zur Ruhe" for a run that never rests).
std::string MeasuredText(const CriterionResult& c);
std::string LimitText(const CriterionResult& c);
// One line per criterion for a person: "Angedockt bei −1 m/s: 158 (mindestens 150)".
std::string Summary(const CriterionResult& c);
// "bestanden", "nicht bestanden", "abgelehnt" in the active language.
std::string VerdictText(Verdict v);

}  // namespace exercise
