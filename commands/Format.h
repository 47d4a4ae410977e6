#pragma once

#include "commands/CheckEval.h"

#include <optional>
#include <string>
#include <vector>

namespace fuzzysim {

// `fuzzysim format IN [-o OUT]`: reads a project and writes it back through
// the project writer, to OUT (atomically) or to standard output. A file with
// a format error is not written (exit status 1), an unreadable one exits 2,
// a failed write exits 1 with the writer's message.
int RunFormat(const std::vector<std::string>& args);

// Writes p through the project writer to the file (atomically) or, without
// one, to standard output. A failed write exits 1 with the writer's message.
int WriteProject(const Project& p, const std::optional<std::string>& file);

// WriteProject for the commands that make a new project: an empty -o is a
// usage error, and an existing file (of any kind) is never replaced: exit
// status 2 with `exists`, whose %1 is the file.
int WriteNewProject(const Project& p, const std::optional<std::string>& file, const char* exists);

}  // namespace fuzzysim
