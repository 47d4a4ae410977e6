#pragma once

#include <optional>
#include <string>

namespace fuzzysim {

// `fuzzysim export FILE --to c [-o OUT.c] [--name NAME]`: the controller as
// C source. With OUT.c, the source and its header OUT.h side by side, both
// written whole or not at all; without, one self-contained source on
// standard output. Refuses a name that is no C identifier (usage error) and
// an output that would overwrite the project itself.
int RunExportC(const std::string& file, const std::optional<std::string>& output,
               const std::optional<std::string>& name);

// Whether a path ends in ".c" (any case): the format such an output names.
bool IsCSourcePath(const std::string& path);

}  // namespace fuzzysim
