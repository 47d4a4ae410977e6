#pragma once

#include <string>

namespace fuzzy {

// How the engine shows a modal message. A program installs its own (message
// boxes); without one, messages go to standard error.
class IMessages {
public:
    virtual ~IMessages() = default;
    virtual void Warning(const std::string& text) = 0;  // title "Warnung", button OK
    virtual void Error(const std::string& text) = 0;    // title "Fehler", button OK
};

// Installs the sink (nullptr restores the standard-error default). The caller
// keeps ownership; the sink must outlive its installation.
void SetMessages(IMessages* sink);
IMessages& Messages();

}  // namespace fuzzy
