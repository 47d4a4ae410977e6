#pragma once

#include "AtomicFile.h"
#include "FuzUnits.h"

#include <string>

namespace fuzzy {

// The shortest decimal text of v that the project reader turns back into
// exactly v, bit for bit (negative zero and subnormal numbers included).
// Throws ESaveError for an infinity or NaN, which a project cannot hold.
std::string RealText(float v);

// The bytes of a project file as LoadProject reads them: Windows-1252, CR LF,
// the blocks of A, B and the output (an undefined variable is one empty line),
// then the 25 rule entries. Throws ESaveError for what the format cannot hold:
// a character outside Windows-1252, a line break in a name, an empty name of
// a defined variable or term, more than five terms, a number that is no
// finite number.
std::string ProjectText(const Project& p);

// Writes ProjectText to FileName atomically: into a new file in the same
// folder, which then replaces the old one. On any failure the old file is
// untouched, nothing is left behind and ESaveError tells why.
void SaveProject(const std::string& FileName, const Project& p);

}  // namespace fuzzy
