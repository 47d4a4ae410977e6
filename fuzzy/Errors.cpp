#include "Errors.h"

namespace fuzzy {

std::string Error::Describe() const {
    if (line_ <= 0) return what();
    return "Zeile " + std::to_string(line_) + ": " + what();
}

EInOutError::EInOutError(int code) : std::runtime_error("E/A-Fehler " + std::to_string(code)), code_(code) {}

}  // namespace fuzzy
