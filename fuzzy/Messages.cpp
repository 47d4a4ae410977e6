#include "fuzzy/Messages.h"

#include "fuzzy/Language.h"

#include <atomic>
#include <iostream>
#include <mutex>
#include <thread>

namespace fuzzy {

namespace {

// Standard error, one whole line at a time even when workers write at once.
class StderrMessages final : public IMessages {
public:
    void Warning(const std::string& text) override { Line(Fmt(Tr("KernMeldungen", "Warnung: %1"), {text})); }
    void Error(const std::string& text) override { Line(Fmt(Tr("KernMeldungen", "Fehler: %1"), {text})); }

private:
    void Line(const std::string& line) {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::cerr << line << '\n';
    }
    std::mutex mutex_;
};

StderrMessages g_default;
std::atomic<IMessages*> g_sink{&g_default};
// The thread that installed the sink: a program's sink shows message boxes
// or counts errors for the GUI thread and is no place for a worker's text.
std::atomic<std::thread::id> g_owner{std::this_thread::get_id()};

}  // namespace

void SetMessages(IMessages* sink) {
    g_owner.store(std::this_thread::get_id());
    g_sink.store(sink ? sink : &g_default);
}

IMessages& Messages() {
    if (std::this_thread::get_id() != g_owner.load()) return g_default;
    return *g_sink.load();
}

}  // namespace fuzzy
