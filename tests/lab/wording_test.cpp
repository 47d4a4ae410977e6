// The one formatter of the figures people read: decimals, units, the
// language's decimal sign, "–" for a figure that is not there, and the value
// a verdict compares being the one it shows.
#include "lab/Wording.h"

#include "fuzzy/LanguageScope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using fuzzy::Language;
using lab::Quantity;
using lab::Style;

struct NumberCase {
    const char* fault;
    double value;
    int decimals;
    Style style;
    Language language;
    const char* expected;
};

class NumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberTest, WritesTheFigure) {
    const NumberCase& c = GetParam();
    const fuzzy::LanguageScope scope(c.language);
    EXPECT_EQ(lab::Number(c.value, c.decimals, c.style), c.expected);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Lab, NumberTest,
    testing::Values(NumberCase{"GermanWritesAComma", 3.455, 3, Style::Screen, Language::German, "3,455"},
                    NumberCase{"EnglishWritesAPoint", 3.455, 3, Style::Screen, Language::English, "3.455"},
                    NumberCase{"ScreenWritesATrueMinus", -1.25, 2, Style::Screen, Language::German,
                               "\xE2\x88\x92"
                               "1,25"},
                    NumberCase{"ScreenDropsTheSignOfZero", -0.004, 2, Style::Screen, Language::German, "0,00"},
                    NumberCase{"TablesKeepPointAndHyphen", -0.5, 1, Style::Plain, Language::German, "-0.5"},
                    NumberCase{"TablesKeepPrintfsMinusZero", -0.00001, 4, Style::Plain, Language::German, "-0.0000"},
                    NumberCase{"NaNOnScreen", kNaN, 2, Style::Screen, Language::German, "NaN"},
                    NumberCase{"InfinityOnScreen", -kInf, 2, Style::Screen, Language::German,
                               "\xE2\x88\x92\xE2\x88\x9E"},
                    NumberCase{"DecimalsBeyondNine", 1.0, 40, Style::Plain, Language::German, "1.000000000"}),
    [](const testing::TestParamInfo<NumberCase>& i) { return std::string(i.param.fault); });

struct FigureCase {
    const char* fault;
    std::optional<double> value;
    Quantity quantity;
    const char* expected;
};

class FigureTest : public testing::TestWithParam<FigureCase> {};

TEST_P(FigureTest, WritesNumberAndUnit) {
    const fuzzy::LanguageScope scope(Language::German);
    EXPECT_EQ(lab::Figure(GetParam().value, GetParam().quantity), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lab, FigureTest,
                         testing::Values(FigureCase{"NoFigureIsADash", std::nullopt, Quantity::Metres, "\xE2\x80\x93"},
                                         FigureCase{"SecondsWithThreeDecimals", 3.4549, Quantity::Seconds, "3,455 s"},
                                         FigureCase{"DegreeSignAtTheNumber", 12.5, Quantity::Degrees, "12,50\xC2\xB0"},
                                         FigureCase{"CountsWhole", 158.0, Quantity::Count, "158"}),
                         [](const testing::TestParamInfo<FigureCase>& i) { return std::string(i.param.fault); });

// A time summed from single-precision steps lies a little beyond the decimal
// limit it is shown equal to: compared as shown, it is equal.
TEST(AsShown, SumOfFloatStepsEqualsItsLimit) {
    float t = 0.0f;
    for (int i = 0; i < 97; ++i) t += 0.1f;
    ASSERT_NE(double(t), 9.7);
    EXPECT_EQ(lab::AsShown(t, 2), lab::AsShown(9.7f, 2));
    EXPECT_LT(lab::AsShown(9.694, 2), lab::AsShown(9.7, 2));
    EXPECT_TRUE(std::isinf(lab::AsShown(kInf, 2)));
}

}  // namespace
