#pragma once

// The whole of fuzzysim behind its command line: what its main() runs and
// what the browser page offers as its command line, so that both print the
// same. The page's own calculations come from lab/ and exercise/, not from here.

#include "fuzzy/Project.h"
#include "commands/Args.h"

#include <string>
#include <vector>

namespace fuzzysim {

// What a wrong call prints after its error line: where to read on (the
// terminal), or nothing (the page, which shows the one line).
enum class UsageHint { PointToHelp, None };

// The arguments after the program's name: "--lang" anywhere, "--help", one
// subcommand with its arguments. Prints to std::cout and std::cerr; returns
// the exit status (2 for a wrong call, 1 for any other failure).
int RunCommandLine(std::vector<std::string> args, UsageHint hint = UsageHint::PointToHelp);

// The project as `fuzzysim check --json` prints it.
std::string CheckDocument(const fuzzy::Project& p);

}  // namespace fuzzysim
