#pragma once

#include <string>
#include <vector>

namespace fuzzysim {

// `fuzzysim new leer|truck|lok [-o OUT]`: the Werkstatt's templates as
// project files, through the project writer, to OUT (atomically) or to
// standard output. An existing OUT is never replaced (exit status 2): a new
// project must not cost an old one.
int RunNew(const std::vector<std::string>& args);

}  // namespace fuzzysim
