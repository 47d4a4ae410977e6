#pragma once

// `fuzzysim tune FILE --vehicle truck|loco -o OUT`: searches a better rule
// table (and with --terms better term corners) for the truck grid or the
// locomotive runs and writes the result as an ordinary project.

#include "tuning/Score.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace fuzzysim {

int RunTune(const std::vector<std::string>& args);

// Before and after, side by side in one block of lines.
void PrintBeforeAfter(const tuning::Score& before, const tuning::Score& after, std::ostream& out);

}  // namespace fuzzysim
