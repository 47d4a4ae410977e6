#pragma once

#include "fuzzy/Hints.h"
#include "fuzzy/Project.h"
#include "fuzzy/ProjectCheck.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace fuzzysim {

// Exit statuses shared by the subcommands.
enum ExitCode : int { ExitOk = 0, ExitFormatError = 1, ExitUnreadable = 2, ExitUsage = 2 };

// The three variables and the rule table of one project file.
using Project = fuzzy::Project;

// Loads FILE the way the programs do, with the engine's messages on standard
// error ("Fehler: ...", "Warnung: ..."), and with warnZeroReads a warning for
// each line that is no number and reads as 0. Returns ExitOk,
// ExitFormatError or ExitUnreadable.
int LoadForTool(const std::string& file, Project& p, bool warnZeroReads = true);
// Where FILE stops fitting the format, and which real lines read as 0.
fuzzy::ProjectDiagnosis Diagnose(const std::string& file);

// `fuzzysim check FILE [--json]`
int RunCheck(const std::vector<std::string>& args);
// `fuzzysim eval FILE [--heights]`
int RunEval(const std::vector<std::string>& args);

// The bodies of the two subcommands on given streams.
void PrintSummary(const std::string& file, const Project& p, std::ostream& out);
// The document holds "variables", "rules", "hints" (the sentences),
// "hintDetails" (kind, text, page, terms, cells of each) and "noRuleRegions"
// (the boxes where no rule fires). With a diagnosis, "formatError" ({line, expected, found} or null) and
// "zeroReads" join the document.
void PrintJson(const Project& p, std::ostream& out, const fuzzy::ProjectDiagnosis* diag = nullptr);
// Why the project's output is no finite number (fuzzy/Hints.h).
using fuzzy::NotFiniteCause;

// Evaluates one case per line of `in`; returns the number of malformed lines
// (a line whose result is no finite number counts as one, told on `err`).
int EvalLines(Project& p, bool heights, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace fuzzysim
