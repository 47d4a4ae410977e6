#pragma once

// A score together with what each of its runs gave and which rule cells each
// run fired. A run that fired none of the cells in which another project
// differs from this one goes exactly the same way under that project (a cell
// that does not fire adds nothing to the output), so scoring a candidate that
// changes a few cells of the table runs only the runs that fired them and
// takes the others from here. Changed terms change every run.

#include "truck/model/Grid.h"
#include "tuning/Score.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace tuning {

// What a locomotive run gave, as the score counts it.
struct LocoRun {
    bool AtRest = false;  // within 0.5 cm and 0.5 cm/s from RestFrom to the end
    float RestFrom = 0.0f;
    bool ForceWithin = true;  // the force never left the output's range
    float Overshoot = 0.0f;   // cm past the mark
    int SignChanges = 0;      // of the force
    double EndMiss = 0.0;     // |s| + |v| at the end (cm, cm/s)
};

struct Evaluation {
    Score Result;
    // In the order of the runs: the truck's starts at TruckSpeeds[0], then at
    // TruckSpeeds[1]; the locomotive's masses, each at both steps.
    std::vector<std::uint32_t> Fired;
    std::vector<dorvane::StartRun> TruckRuns;
    std::vector<LocoRun> LocoRuns;
};

// Every rule cell.
constexpr std::uint32_t AllCells = (1u << 25) - 1;
// What differs beyond rule cells (terms): every run has to be made again,
// even one in which no cell fired.
constexpr std::uint32_t Everything = ~0u;

// The rule cells whose entries differ between a and b.
std::uint32_t ChangedCells(const fuzzy::RuleTable& a, const fuzzy::RuleTable& b);

// Scores p as Evaluate does. With a parent (the complete evaluation of a
// project that differs from p in the rule cells `changed` only; Everything
// when anything else differs), the runs that fired none of those cells are
// taken from the parent. The score is the same bit for bit either way.
Evaluation EvaluateRuns(const fuzzy::Project& p, Vehicle v, const Score* bound = nullptr,
                        const std::atomic<bool>* cancel = nullptr, const Evaluation* parent = nullptr,
                        std::uint32_t changed = Everything);

// How many runs EvaluateRuns would have to make (for sharing out the work).
int RunsToMake(Vehicle v, const Evaluation* parent, std::uint32_t changed);

}  // namespace tuning
