#include "fuzzy/Errors.h"

#include "fuzzy/Language.h"

namespace fuzzy {

std::string Error::Describe() const {
    if (line_ <= 0) return what();
    return Fmt(Tr("KernFehler", "Zeile %1: %2"), {std::to_string(line_), what()});
}

EInOutError::EInOutError(int code)
    : Error(Fmt(Tr("KernFehler", "E/A-Fehler %1"), {std::to_string(code)})), code_(code) {}

}  // namespace fuzzy
