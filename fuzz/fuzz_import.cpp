// Feeds arbitrary bytes to the three importers (FLL, FIS, FCL). Each either
// refuses with an ImportError or gives a project that then survives the
// whole way round: written as a project file, read back the same, exported
// to every format and imported again, bit for bit.
#include "Exchange.h"
#include "FuzUnits.h"
#include "Messages.h"
#include "ProjectWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

class SilentMessages final : public fuzzy::IMessages {
public:
    void Warning(const std::string&) override { ++count; }
    void Error(const std::string&) override { ++count; }
    int count = 0;
};

void Require(bool ok) {
    if (!ok) std::abort();
}

const exchange::Format kFormats[] = {exchange::Format::Fll, exchange::Format::Fis, exchange::Format::Fcl};

// The project's file bytes: equal bytes are the same project, bit for bit.
std::string Bytes(const fuzzy::Project& p) { return fuzzy::ProjectText(p.A, p.B, p.Out, p.Rules); }

void CheckAccepted(const fuzzy::Project& p) {
    // Whatever import accepts, the writer takes (ProjectText must not throw) ...
    const std::string bytes = Bytes(p);
    // ... and the reader gives it back unchanged and without a message.
    SilentMessages messages;
    fuzzy::SetMessages(&messages);
    fuzzy::Project back;
    fuzzy::LoadProjectBytes(bytes, back.A, back.B, back.Out, back.Rules);
    fuzzy::SetMessages(nullptr);
    Require(messages.count == 0);
    Require(Bytes(back) == bytes);
    // Every export of it imports again as the same project.
    for (exchange::Format f : kFormats) {
        const std::string text = exchange::Export(f, back.A, back.B, back.Out, back.Rules, "fuzz.fuz");
        exchange::Imported again;
        try {
            again = exchange::Import(f, text);
        } catch (const exchange::ImportError&) {
            std::abort();
        }
        Require(Bytes(again.project) == bytes);
        Require(again.notes.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (exchange::Format f : kFormats) {
        exchange::Imported r;
        try {
            r = exchange::Import(f, text);
        } catch (const exchange::ImportError& e) {
            Require(e.what()[0] != '\0' && e.Line() >= 0);
            continue;
        }
        CheckAccepted(r.project);
    }
    return 0;
}
