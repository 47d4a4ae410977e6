#pragma once

// Which rules of a project take part in the runs the labs show for the
// vehicle: the cells whose two terms are both above 0 at the inputs of some
// step. Score::Reached counts a few cells more (a term between its outer
// corners, at its feet too) to stay cheap inside the search; this is the
// exact set, as the lab's "Warum?" shows the rules firing, for what the tuner
// tells a person about the cells it changed.

#include "tuning/Score.h"

#include <cstdint>

namespace tuning {

// The truck's grid at both TruckSpeeds, or the locomotive's six runs, each
// as its lab makes it: bit (row - 1) * 5 + (column - 1) as Score::Reached.
// Where a membership is no plain number >= 0 (a hostile height), every rule
// may take part, and every cell counts.
std::uint32_t FiredCells(const fuzzy::Project& p, Vehicle v);

}  // namespace tuning
