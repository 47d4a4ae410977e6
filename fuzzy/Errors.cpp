#include "Errors.h"

namespace fuzzy {

EInOutError::EInOutError(int code) : std::runtime_error("E/A-Fehler " + std::to_string(code)), code_(code) {}

}  // namespace fuzzy
