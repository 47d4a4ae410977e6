#pragma once
// Exchange of projects with other fuzzy tools: fuzzylite's FLL, the FIS files
// of the common toolbox and the control language FCL. Qt-free.

#include "fuzzy/Errors.h"
#include "fuzzy/Project.h"

#include <cstddef>
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

// The project as a text of the format, UTF-8. `source` names where it came
// from (a file name); it becomes the engine's name and appears in the header
// comment. Throws ExportError for a project without input A or output, or
// with a number that is not finite.
std::string Export(Format f, const fuzzy::Project& project, const std::string& source);

// A file that does not fit this engine, or a text no reader understands. Its
// message is German; Line() is the file's line (0: the file as a whole).
class ImportError : public fuzzy::Error {
public:
    using fuzzy::Error::Error;
};

// A foreign file that is not read at all: no regular file, too large, or
// not to be opened. The tools end with exit status 2 for it.
class UnreadableFile : public ImportError {
public:
    using ImportError::ImportError;
};

// What Import returns: the project, and the things read differently from how
// the other tool would, one German sentence each (e.g. another implication
// that is read as the product, with the largest difference it makes).
struct Imported {
    fuzzy::Project project;
    std::vector<std::string> notes;
};

// Reads an engine of the format. Throws ImportError naming the first thing
// in the text that does not fit this engine, with its line.
Imported Import(Format f, std::string_view text);

// No file from another tool is larger than this; anything larger is refused
// before it is read, so that a link to an endless device cannot fill memory.
constexpr std::size_t MaxImportBytes = 4u * 1024u * 1024u;

// The bytes of a file to import, read the way the project reader reads a
// project: a regular file only (never a directory, a pipe or a device, which
// might block or never end), at most MaxImportBytes. Throws UnreadableFile
// with a German sentence naming the file.
std::string ReadImportFile(const std::string& path);

}  // namespace exchange
