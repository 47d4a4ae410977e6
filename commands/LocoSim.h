#pragma once

// `fuzzysim loco FILE`: the locomotive under a project's fuzzy control, in
// simulated steps instead of the program's wall-clock pacing.

#include "lab/LocoOptions.h"
#include "commands/Args.h"
#include "loco/model/LocoLauf.h"
#include "loco/model/LocoVersuch.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace fuzzysim {

int RunLoco(const std::vector<std::string>& args);

// The start values and step sizes of a run from the command line's options.
// Throws UsageError for values the model cannot run with.
pemrak::RunOptions LocoOptions(const Args& a);

// The figures of a run, one per line.
void PrintLocoSummary(const pemrak::JudgedRun& v, std::ostream& out);
void PrintLocoSummary(const pemrak::RunOptions& o, const pemrak::RunResult& lauf, std::ostream& out);
// The run as CSV: t in s, s in cm, v in cm/s, force in N; the start state first.
void WriteLocoCsv(const pemrak::RunResult& lauf, std::ostream& out);
// Two diagrams side by side: s over t, and v over s (the program's s-v plot).
void WriteLocoSvg(const pemrak::RunResult& lauf, std::ostream& out);

}  // namespace fuzzysim
