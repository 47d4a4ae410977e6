#pragma once
// The property the importers' fuzzer checks on every input, shared with the
// test that runs it over the seed corpus: each format either refuses the text
// with an ImportError or gives a project that the writer takes, the reader
// gives back unchanged, and that every export imports again bit for bit
// without a note.

#include "exchange/Exchange.h"
#include "fuzzy/Messages.h"
#include "fuzzy/Project.h"

#include <string>
#include <string_view>

namespace importfuzz {

class SilentMessages final : public fuzzy::IMessages {
public:
    void Warning(const std::string&) override { ++count; }
    void Error(const std::string&) override { ++count; }
    int count = 0;
};

// The project's file bytes: equal bytes are the same project, bit for bit.
inline std::string Bytes(const fuzzy::Project& p) { return fuzzy::ProjectText(p); }

// Empty when the property holds, else what broke it.
inline std::string RoundTripFault(std::string_view text) {
    const exchange::Format formats[] = {exchange::Format::Fll, exchange::Format::Fis, exchange::Format::Fcl};
    for (exchange::Format f : formats) {
        const std::string where = exchange::FormatName(f);
        exchange::Imported r;
        try {
            r = exchange::Import(f, text);
        } catch (const exchange::ImportError& e) {
            if (e.what()[0] == '\0' || e.Line() < 0) return where + ": refusal without a message or with a bad line";
            continue;
        }
        std::string bytes;
        try {
            bytes = Bytes(r.project);
        } catch (const fuzzy::Error& e) {
            return where + ": the writer refuses an imported project: " + e.what();
        }
        SilentMessages messages;
        fuzzy::SetMessages(&messages);
        fuzzy::Project back;
        back = fuzzy::LoadProjectBytes(bytes);
        fuzzy::SetMessages(nullptr);
        if (messages.count != 0) return where + ": the reader complains about the written project";
        if (Bytes(back) != bytes) return where + ": the written project reads back otherwise";
        for (exchange::Format g : formats) {
            const std::string to = where + " -> " + exchange::FormatName(g);
            std::string exported;
            try {
                exported = exchange::Export(g, back, "fuzz.fuz");
            } catch (const fuzzy::Error& e) {
                return to + ": the export refuses an imported project: " + e.what();
            }
            try {
                const exchange::Imported again = exchange::Import(g, exported);
                if (Bytes(again.project) != bytes) return to + ": export then import changes the project";
                if (!again.notes.empty()) return to + ": the export imports with a note: " + again.notes[0];
            } catch (const exchange::ImportError& e) {
                return to + ": the export is refused: " + e.Describe();
            }
        }
    }
    return {};
}

}  // namespace importfuzz
