#pragma once
// Points: what each criterion of an exercise is worth and what a student's
// check earned. The criteria are known from the file alone, in the order the
// check reports them (PlannedCriteria), so that an exercise's points are
// known before anything runs.
//
// A criterion the starting project already meets earns nothing, unless the
// exercise says so (startpunkte): a locomotive that never moves does not
// overshoot, and that is no work of the student's. Such a criterion is worth
// nothing at all, so that full marks stay within reach. Where startpunkte
// lets it count, it counts only for a hand-in that also passes a criterion
// the start fails: the unchanged start earns nothing either way.

#include "exercise/Check.h"
#include "exercise/Exercise.h"

#include <optional>
#include <string>
#include <vector>

namespace exercise {

// One criterion as the file plans it.
struct PlannedCriterion {
    std::string Id;              // as CriterionResult::Id
    int Line = 0;                // of its section
    std::string Point;           // hand steps
    std::optional<float> Speed;  // truck.*: the speed
    double Points = 1.0;         // what passing it is worth, as the file says
    bool EvenAtStart = false;    // earns its points even where the start meets it
};

// Every criterion the check of this exercise reports, in its order
// (coverage, hand steps, truck, locomotive), without running anything.
std::vector<PlannedCriterion> PlannedCriteria(const Exercise& e);
// The sum of their points as the file gives them.
double TotalPoints(const Exercise& e);

// What the criteria are worth for a class: the file's points, but nothing
// for a criterion the starting project meets (unless EvenAtStart).
struct Worth {
    std::vector<PlannedCriterion> Criteria;
    std::vector<double> Points;    // per criterion, as Criteria
    std::vector<bool> MetAtStart;  // per criterion
    double Total = 0.0;
};

// `start` is the check of the exercise's starting project without answers
// (StartCheck).
Worth WorthOf(const Exercise& e, const CheckResult& start);
// That check, on as many threads as `options` say.
CheckResult StartCheck(const Exercise& e, const CheckOptions& options = {});

struct Score {
    bool Graded = false;               // false for a refused or incomplete check: no grade
    double Points = 0.0;               // earned
    double Total = 0.0;                // to be had
    std::vector<double> PerCriterion;  // earned, as the check's criteria
};

// What the check `r` earns. A refused or cancelled check has no grade; a
// result whose criteria do not fit the exercise's (another exercise) neither.
Score ScoreOf(const Worth& w, const CheckResult& r);

// Points as a person reads them: whole where whole, else up to two
// decimals, the active language's decimal sign ("7", "7,5").
std::string PointsText(double v);

}  // namespace exercise
