// Projects whose numbers are legal in the format but too large for the
// centroid in single precision: the hints name them, and the bound they use
// is the one below which no activation can make the result a NaN.
#include "tests/fuzzy/EngineTest.h"
#include "fuzzy/Hints.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

namespace {

using fuzzy::HintKind;
using fuzzy::HintPage;
using fuzzy::Project;

// Five output terms spread over -m .. m, the widest and most lopsided the
// bound allows: each term reaches from one end of the range to the other.
Project Spread(float m) {
    Project p;
    p.A = MakeVariable("a", 0, 1, {{"x", 0, 0, 1, 1, 1}});
    p.Out = MakeVariable("y", -m, m,
                         {{"t1", -m, -m, -m, m, 1},
                          {"t2", -m, m, m, m, 1},
                          {"t3", -m, -m, m, m, 1},
                          {"t4", m, m, m, m, 1},
                          {"t5", -m, -m, -m, -m, 1}});
    return p;
}

bool HasTooLarge(const Project& p, HintPage page) {
    for (const fuzzy::Hint& h : fuzzy::ProjectHints(p)) {
        if (h.Kind == HintKind::TooLarge && h.Place.Page == page) return true;
    }
    return false;
}

// Every pattern of activations 0, 1/3, 1 on the five terms.
bool AllCentroidsFinite(Project p) {
    const float levels[] = {0.0f, 1.0f / 3.0f, 1.0f};
    for (int code = 0; code < 243; ++code) {
        int c = code;
        for (int k = 1; k <= 5; ++k, c /= 3) p.Out.SetParam(k, fuzzy::ParamH, levels[c % 3]);
        if (!std::isfinite(p.Out.Defuzzify())) return false;
    }
    return true;
}

struct Size {
    const char* name;
    float m;
    bool hint;
};

// Main flagged none of these: the Werkstatt showed "= -nan" beside "all well".
const std::vector<Size>& Sizes() {
    static const std::vector<Size> table = {
        {"Ordinary", 100.0f, false},
        {"AtTheBound", fuzzy::LargestOutputNumber(), false},
        {"JustAbove", std::nextafter(fuzzy::LargestOutputNumber(), FLT_MAX), true},
        {"NearTheLargestSingle", 1e38f, true},
    };
    return table;
}

class OutputSize : public ::testing::TestWithParam<Size> {};

TEST_P(OutputSize, IsFlaggedExactlyAboveTheBound) {
    const Project p = Spread(GetParam().m);
    EXPECT_EQ(HasTooLarge(p, HintPage::Output), GetParam().hint);
    // Up to the bound every result is a number; that is what the bound is for.
    if (!GetParam().hint) {
        EXPECT_TRUE(AllCentroidsFinite(p));
    }
}

INSTANTIATE_TEST_SUITE_P(Hints, OutputSize, ::testing::ValuesIn(Sizes()),
                         [](const auto& param) { return std::string(param.param.name); });

// The bound is not needlessly tight: a few times beyond it, results overflow.
TEST(OutputSizeBound, ResultsOverflowNotFarBeyondIt) {
    EXPECT_FALSE(AllCentroidsFinite(Spread(8.0f * fuzzy::LargestOutputNumber())));
}

TEST(OutputSizeBound, AnInputRangeWiderThanSinglePrecisionIsFlagged) {
    Project p = Spread(1.0f);
    p.A.RangeMin = -3e38f;
    p.A.RangeMax = 3e38f;
    EXPECT_TRUE(HasTooLarge(p, HintPage::InputA));
    p.A.RangeMin = 0.0f;
    EXPECT_FALSE(HasTooLarge(p, HintPage::InputA));
}

}  // namespace
