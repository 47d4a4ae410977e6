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

// Installs the sink (nullptr restores the standard-error default) for the
// calling thread, usually the GUI thread. The caller keeps ownership; the
// sink must outlive its installation.
void SetMessages(IMessages* sink);
// The sink for the calling thread: the installed one on the thread that
// installed it; on every other thread (the workers of the labs, the
// Kennfeld and the tuner) standard error, a line at a time, so that no
// worker ever reaches a message box or a GUI thread's counter.
IMessages& Messages();

}  // namespace fuzzy
