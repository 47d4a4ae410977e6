#include "Messages.h"

#include <iostream>

namespace fuzzy {

namespace {

class StderrMessages final : public IMessages {
public:
    void Warning(const std::string& text) override { std::cerr << "Warnung: " << text << '\n'; }
    void Error(const std::string& text) override { std::cerr << "Fehler: " << text << '\n'; }
};

StderrMessages g_default;
IMessages* g_sink = &g_default;

}  // namespace

void SetMessages(IMessages* sink) { g_sink = sink ? sink : &g_default; }

IMessages& Messages() { return *g_sink; }

}  // namespace fuzzy
