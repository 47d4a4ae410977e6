#pragma once

#include "fuzzy/AtomicFile.h"
#include "fuzzy/FuzUnits.h"

#include <string>
#include <string_view>

namespace fuzzy {

// A whole project as a file holds it: the two inputs, the output and the
// rules. The one type every layer passes on: reader and writer, the
// Kennfeld, the tuner, the runs, the labs, the views and the Werkstatt's
// undo history. Inference writes the output's heights and the inputs' values,
// so whoever evaluates works on a copy of its own.
struct Project {
    TFuzzy A, B, Out;
    RuleTable Rules;
};

// Reads a project file into a project of its own: LoadProject's reading,
// with the same messages and errors, except that a file that cannot be
// opened says why (it does not exist, no permission) as an EUnreadableFile
// with the code 103, where Dorvane's and Pemrak's LoadProject gives the bare
// I/O error.
Project LoadProject(const std::string& FileName);

// The same reading on the raw bytes of a project file (Windows-1252 text),
// into a project of its own or into one that held a project before (what a
// reload keeps and what it clears is the same as LoadProject's).
Project LoadProjectBytes(std::string_view bytes);
void LoadProjectBytes(std::string_view bytes, Project& p);

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
