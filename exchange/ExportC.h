#pragma once
// The controller of a project as C99 source for microcontrollers and any
// other C target: one function NAME_step(a, b) over constant tables, which
// on targets with IEEE-754 float and double gives the engine's result bit for
// bit. Qt-free.

#include "exchange/Exchange.h"

#include <string>
#include <string_view>

namespace exchange {

struct CExportOptions {
    // Prefix of every name the code defines: NAME_step, NAME_A_MIN, ...
    // A C identifier (see IsCName); "fuzzy" unless chosen.
    std::string name = "fuzzy";
    // Where the project came from (a file name), for the comment at the top.
    std::string quelle;
    // The header's file name as the source includes it ("regler.h"). Empty:
    // the header's declarations go into the source itself, which then stands
    // alone (what `fuzzysim export --to c` prints without -o).
    std::string headerName;
    // The date in the comment, "YYYY-MM-DD"; empty: today.
    std::string date;
};

struct CExport {
    std::string header;  // NAME's declarations and range macros
    std::string source;  // the tables and NAME_step
};

// Whether `name` can prefix the generated names: a lower-case ASCII letter,
// then up to 23 lower-case letters, digits or '_' (so that NAME_step and its
// kin stay within the 31 significant characters C guarantees). The macros and
// the include guard are the name in upper case (FUZZY_A_MIN); with lower case
// only, no two names share them.
bool IsCName(std::string_view name);

// Whether a header's file name can stand between the quotes of #include:
// UTF-8 without control characters or line breaks, without '"', '\', '\'',
// '/' and "??". Nothing of a file name ever becomes code.
bool IsCHeaderName(std::string_view name);

// The C export of a project. Throws ExportError for a project without input A
// or output terms, with a number that is not finite, with an output term whose
// centroid is no number, for a name that IsCName refuses, a header name that
// IsCHeaderName refuses, or a SOURCE_DATE_EPOCH that is no number of seconds.
CExport ExportC(const fuzzy::Project& p, const CExportOptions& options);

// The header's path beside a source path that ends in ".c" (any case): the
// same path ending in ".h". Empty when the path does not end in ".c".
std::string CHeaderPath(const std::string& sourcePath);

// Writes the export, the header to CHeaderPath(sourcePath) and the source,
// as one change through the atomic writer: both files or neither. Refuses
// (before writing anything) a target that is the project file itself under
// any name, a folder or another file that is neither regular nor a device or
// pipe. Throws fuzzy::ESaveError with a German message.
void WriteCExport(const CExport& e, const std::string& sourcePath, const std::string& projectPath);

// Where double is only single precision (avr-gcc on 8-bit AVR: double is
// float), the same code rounds every step to single precision. This is a
// bound of |that result - the exact result| at one input pair; 0 where no
// rule fires (both give RangeMin), +infinity where the activations are too
// weak for a bound. How it is derived: see the README's "C export".
double SinglePrecisionBound(const fuzzy::Project& p, float a, float b);

}  // namespace exchange
