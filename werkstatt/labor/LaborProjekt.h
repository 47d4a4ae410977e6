#pragma once

#include "Score.h"

namespace labor {

// A copy of the project the labs and the tuner work on: the two inputs, the
// output and the rule table, the tuner's own project type. Every background
// run gets its own copy, because inference writes the output's term heights.
using Projekt = tuning::Project;

}  // namespace labor
