#pragma once

#include <string>
#include <vector>

namespace fuzzysim {

// `fuzzysim export FILE --to fll|fis|fcl [-o OUT]`: the project in another
// tool's format, to OUT or standard output.
int RunExport(const std::vector<std::string>& args);

// `fuzzysim import FILE.fll|.fis|.fcl [-o OUT.fuz]`: such an engine as a
// project file, to OUT or standard output. Nothing is written when the engine
// does not fit.
int RunImport(const std::vector<std::string>& args);

}  // namespace fuzzysim
