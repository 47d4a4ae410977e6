// Feeds arbitrary bytes to the project reader, then runs one control step on
// whatever was loaded and checks what must hold after any load.
#include "fuzzy/Messages.h"
#include "fuzzy/Project.h"
#include "fuzzy/Text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

class SilentMessages final : public fuzzy::IMessages {
public:
    void Warning(const std::string&) override { ++warnings; }
    void Error(const std::string&) override { ++errors; }
    int warnings = 0;
    int errors = 0;
};

void Require(bool ok) {
    if (!ok) std::abort();
}

bool ValidAbbrev(const std::string& abbrev) {
    const std::u32string cps = fuzzy::text::Utf8ToCodePoints(abbrev);
    return cps.size() <= 2 && fuzzy::text::CodePointsToUtf8(cps) == abbrev;
}

void CheckVariable(const fuzzy::TFuzzy& v, bool failed) {
    Require(v.TermCount <= fuzzy::MaxTerms);
    if (failed) Require(!v.Defined && v.TermCount == 0 && v.Name.empty());
    if (!v.Defined) Require(v.TermCount == 0);
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        Require(!v.GetTermName(i).empty());
        Require(ValidAbbrev(v.GetTermAbbrev(i)));
        Require(std::isfinite(v.GetParam(i, fuzzy::ParamH)));
    }
}

bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

// What a file defines of a variable, compared bit for bit.
bool SameVariable(const fuzzy::TFuzzy& x, const fuzzy::TFuzzy& y) {
    if (x.Defined != y.Defined) return false;
    if (!x.Defined) return true;
    if (x.Name != y.Name || x.TermCount != y.TermCount || !SameBits(x.RangeMin, y.RangeMin) ||
        !SameBits(x.RangeMax, y.RangeMax))
        return false;
    for (int i = 1; i <= x.UsedTerms(); ++i) {
        if (x.GetTermName(i) != y.GetTermName(i) || x.GetTermAbbrev(i) != y.GetTermAbbrev(i)) return false;
        for (int j = 1; j <= 5; ++j)
            if (!SameBits(x.GetParam(i, j), y.GetParam(i, j))) return false;
    }
    return true;
}

// Whatever the reader accepts, the writer writes, and it reads back the same.
void CheckRoundTrip(const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B, const fuzzy::TFuzzy& Out,
                    const fuzzy::RuleTable& Rules) {
    const std::string bytes = fuzzy::ProjectText(fuzzy::Project{A, B, Out, Rules});  // must not throw
    SilentMessages messages;
    fuzzy::SetMessages(&messages);
    const fuzzy::Project back = fuzzy::LoadProjectBytes(bytes);
    Require(messages.warnings == 0 && messages.errors == 0);
    Require(SameVariable(A, back.A) && SameVariable(B, back.B) && SameVariable(Out, back.Out) && Rules == back.Rules);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentMessages messages;
    fuzzy::SetMessages(&messages);

    fuzzy::Project p;
    // A previous project, so that what a load keeps or clears is exercised too.
    p.B.Defined = true;
    p.B.Name = "alt";
    p.Rules.Entries.fill(7);

    fuzzy::LoadProjectBytes(std::string_view(reinterpret_cast<const char*>(data), size), p);
    const fuzzy::TFuzzy& A = p.A;
    const fuzzy::TFuzzy& B = p.B;
    const fuzzy::TFuzzy& Out = p.Out;
    const fuzzy::RuleTable& Rules = p.Rules;
    const bool failed = messages.errors > 0;
    Require(messages.warnings == 0 && messages.errors <= 1);
    CheckVariable(A, failed);
    CheckVariable(B, failed);
    CheckVariable(Out, failed);
    if (failed) {
        for (auto e : Rules.Entries) Require(e == 0);
    }

    if (!failed) CheckRoundTrip(A, B, Out, Rules);
    fuzzy::SetMessages(&messages);

    // One control step at a few points of the inputs' ranges, on a copy of
    // its own, as every evaluation works.
    fuzzy::Project q = p;
    for (float t : {0.0f, 0.25f, 0.5f, 1.0f}) {
        q.A.Value = A.RangeMin + (A.RangeMax - A.RangeMin) * t;
        q.B.Value = B.RangeMax - (B.RangeMax - B.RangeMin) * t;
        fuzzy::Infer(q.Rules, q.A, q.B, q.Out);
        (void)q.Out.Defuzzify();
    }
    // Inference never asks for a term beyond TermCount.
    Require(messages.warnings == 0);

    fuzzy::SetMessages(nullptr);
    return 0;
}
