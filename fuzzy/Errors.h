#pragma once

#include <stdexcept>
#include <string>

namespace fuzzy {

// The one way the Qt-free code reports that it cannot do what was asked:
// a sentence for the user in the active language, and where it concerns a
// line of a file, that line (counted from 1; 0 when it concerns no line or
// the file as a whole). Every layer above the engine throws it (or a kind of it) and
// every front end catches it and shows Describe().
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message, int line = 0) : std::runtime_error(message), line_(line) {}
    int Line() const noexcept { return line_; }
    // "Zeile 12: <message>", or the message alone when there is no line.
    std::string Describe() const;

private:
    int line_;
};

// An input/output error with its run-time error code, e.g. 103 = file not open.
// Its message is "E/A-Fehler <code>" (English: "I/O error <code>").
class EInOutError : public Error {
public:
    explicit EInOutError(int code);
    int ErrorCode() const noexcept { return code_; }

protected:
    EInOutError(int code, const std::string& message) : Error(message), code_(code) {}

private:
    int code_;
};

// A file that is not read at all, and why, as the importers say it: a device
// or a pipe, a folder, a file far too large. An EInOutError with its code for
// those who handle the I/O error; what() is the sentence in the active
// language, naming the file.
class EUnreadableFile : public EInOutError {
public:
    EUnreadableFile(int code, const std::string& message) : EInOutError(code, message) {}
};

}  // namespace fuzzy
