#pragma once
// Random projects that reach every path of a control step: one or two
// inputs, zero to five terms, corners equal, out of order, at -0, heights
// of 0, -0, above 1 and negative, rules naming no term or one beyond the
// output's.

#include "fuzzy/Project.h"

#include <random>

namespace cprobe {

fuzzy::Project RandomProject(std::mt19937& rng);

// A random input for a variable: mostly within and around its range,
// sometimes a corner, sometimes any float at all.
float RandomInput(std::mt19937& rng, const fuzzy::TFuzzy& v);

}  // namespace cprobe
