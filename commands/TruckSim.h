#pragma once

// `fuzzysim truck FILE`: the truck of Dorvane backed down the road under a
// project's fuzzy control, in simulated 0.1 s steps, from one start or from
// the whole teaching grid.

#include "commands/Args.h"
#include "lab/TruckLab.h"
#include "truck/model/Control.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace fuzzysim {

int RunTruck(const std::vector<std::string>& args);

using TruckRun = lab::TruckRun;

// The starts named on the command line: --grid, --start X,LAGE or the default
// (cab at -10, attitude 0). Throws UsageError for a malformed start.
std::vector<dorvane::StartValues> TruckStarts(const Args& a);

// One line per start, then the summary.
void PrintTruckTable(const std::vector<TruckRun>& runs, float speed, std::ostream& out);
void PrintTruckSummary(const std::vector<TruckRun>& runs, float speed, std::ostream& out);
// The trajectories as CSV, one row per start and step.
void WriteTruckCsv(const std::vector<TruckRun>& runs, std::ostream& out);
// The road from above with the rear point's path of every start.
void WriteTruckSvg(const std::vector<TruckRun>& runs, float speed, std::ostream& out);

}  // namespace fuzzysim
