#pragma once
// Exchange of projects with other fuzzy tools: fuzzylite's FLL, the FIS files
// of the common toolbox and the control language FCL. Qt-free.

#include "Errors.h"
#include "FuzUnits.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

enum class Format { Fll, Fis, Fcl };

// The format named by a file's suffix (.fll, .fis, .fcl, any case), or nullopt.
std::optional<Format> FormatFromPath(std::string_view path);
// The format named by a word ("fll", "fis", "fcl", any case), or nullopt.
std::optional<Format> FormatFromName(std::string_view name);
// "fll", "fis" or "fcl".
const char* FormatName(Format f);

// A project that cannot be written in another format (no input A, no output,
// no terms). Its message is German.
class ExportError : public fuzzy::Error {
public:
    using fuzzy::Error::Error;
};

// The project as a text of the format, UTF-8. `quelle` names where it came
// from (a file name); it becomes the engine's name and appears in the header
// comment. Throws ExportError for a project without input A or output.
std::string Export(Format f, const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B, const fuzzy::TFuzzy& Out,
                   const fuzzy::RuleTable& Rules, const std::string& quelle);

// What Import returns: the project, or the first thing in the text that does
// not fit this engine, with its line (counted from 1; 0 when it concerns the
// text as a whole).
struct ImportResult {
    bool ok = false;
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable Rules;
    // Things read differently from how the other tool would, one German
    // sentence each (e.g. another implication that is read as the product).
    std::vector<std::string> notes;
    int line = 0;
    std::string message;  // German, when !ok

    // "Zeile 12: ..." or the message alone when the line is 0.
    std::string Describe() const;
};

ImportResult Import(Format f, std::string_view text);

}  // namespace exchange
