// Number syntax of project lines.
#include "fuzzy/Numbers.h"

#include "tests/fuzzy/EngineTest.h"

#include <cfloat>
#include <climits>
#include <string>

namespace {

struct IntCase {
    const char* name;
    const char* text;
    bool ok;
    std::int32_t value;
};

const IntCase kInts[] = {
    {"Zero", "0", true, 0},
    {"Decimal", "42", true, 42},
    {"Negative", "-7", true, -7},
    {"PlusSign", "+7", true, 7},
    {"LeadingBlanks", "   12", true, 12},
    {"LeadingZeros", "007", true, 7},
    {"DollarHex", "$10", true, 16},
    {"LowerXHex", "x1f", true, 31},
    {"UpperXHex", "X1F", true, 31},
    {"ZeroXHex", "0x10", true, 16},
    {"ZeroUpperXHex", "0X10", true, 16},
    {"NegativeZeroXHex", "-0x1F", true, -31},
    {"NegativeDollarHex", "-$10", true, -16},
    {"BlanksBeforeSignedHex", "  -$a", true, -10},
    {"Largest", "2147483647", true, INT_MAX},
    {"Smallest", "-2147483648", true, INT_MIN},
    {"LargestHex", "$7FFFFFFF", true, INT_MAX},
    {"SmallestHex", "-$80000000", true, INT_MIN},
    {"Empty", "", false, 0},
    {"OnlyBlank", " ", false, 0},
    {"TrailingBlank", "12 ", false, 0},
    {"BlankAfterSign", "- 1", false, 0},
    {"DecimalPoint", "1.0", false, 0},
    {"Exponent", "1e3", false, 0},
    {"DecimalComma", "1,5", false, 0},
    {"JustAbovePositiveRange", "2147483648", false, 0},
    {"JustBelowNegativeRange", "-2147483649", false, 0},
    {"HexBeyondRange", "$80000000", false, 0},
    {"HexAllOnes", "$FFFFFFFF", false, 0},
    {"ManyDigits", "99999999999999999999999", false, 0},
    {"PrefixWithoutDigits", "0x", false, 0},
    {"DollarWithoutDigits", "$", false, 0},
    {"SignOnly", "-", false, 0},
    {"DoubleSign", "--1", false, 0},
    {"SignAfterPrefix", "$-1", false, 0},
    {"HexDigitInDecimal", "1a", false, 0},
    {"NonHexDigitInHex", "$1g", false, 0},
    {"TrailingMinus", "1-", false, 0},
};

class IntSyntax : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntSyntax, Parses) {
    const auto& p = GetParam();
    const auto v = fuzzy::ParseProjectInt(p.text);
    ASSERT_EQ(v.has_value(), p.ok) << '"' << p.text << '"';
    if (p.ok) {
        EXPECT_EQ(*v, p.value);
    }
}

INSTANTIATE_TEST_SUITE_P(ProjectInt, IntSyntax, ::testing::ValuesIn(kInts), CaseName());

using fuzzy::RealStatus;

struct RealCase {
    const char* name;
    std::string text;
    RealStatus status;
    float value;
};

const RealCase kReals[] = {
    {"Integer", "3", RealStatus::Ok, 3},
    {"Fraction", "1.5", RealStatus::Ok, 1.5f},
    {"Negative", "-0.5", RealStatus::Ok, -0.5f},
    {"PlusSign", "+2", RealStatus::Ok, 2},
    {"LeadingPoint", ".25", RealStatus::Ok, 0.25f},
    {"TrailingPoint", "5.", RealStatus::Ok, 5},
    {"Exponent", "1e3", RealStatus::Ok, 1000},
    {"UpperExponentNegative", "1E-2", RealStatus::Ok, 0.01f},
    {"ExponentWithPlus", "2.5e+1", RealStatus::Ok, 25},
    {"LeadingBlanks", "  3.75", RealStatus::Ok, 3.75f},
    {"NearLargestSingle", "3.4e38", RealStatus::Ok, 3.4e38f},
    {"TinyRoundsToZero", "1e-50", RealStatus::Ok, 0},
    {"TinyBeyondDouble", "1e-400", RealStatus::Ok, 0},
    {"Empty", "", RealStatus::NotANumber, 0},
    {"DecimalComma", "1,5", RealStatus::NotANumber, 0},
    {"TrailingBlank", "1.5 ", RealStatus::NotANumber, 0},
    {"Letters", "abc", RealStatus::NotANumber, 0},
    {"ExponentWithoutDigits", "1e", RealStatus::NotANumber, 0},
    {"ExponentOnly", "e5", RealStatus::NotANumber, 0},
    {"PointOnly", ".", RealStatus::NotANumber, 0},
    {"TrailingText", "1.5x", RealStatus::NotANumber, 0},
    {"DoubleSign", "--1", RealStatus::NotANumber, 0},
    {"Infinity", "inf", RealStatus::NotANumber, 0},
    {"NaN", "nan", RealStatus::NotANumber, 0},
    {"Hex", "0x10", RealStatus::NotANumber, 0},
    {"BeyondSingle", "1e39", RealStatus::OutOfRange, 0},
    {"NegativeBeyondSingle", "-1e39", RealStatus::OutOfRange, 0},
    {"JustBeyondSingle", "3.5e38", RealStatus::OutOfRange, 0},
    {"BeyondDouble", "1e400", RealStatus::OutOfRange, 0},
    {"HugeExponent", "1e99999999999999999999", RealStatus::OutOfRange, 0},
    {"ManyDigits", "1" + std::string(400, '0'), RealStatus::OutOfRange, 0},
    {"ZeroWithHugeExponent", "0e99999999999", RealStatus::Ok, 0},
};

class RealSyntax : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealSyntax, Parses) {
    const auto& p = GetParam();
    const auto r = fuzzy::ParseProjectReal(p.text);
    EXPECT_EQ(r.status, p.status) << '"' << p.text << '"';
    EXPECT_FLOAT_EQ(r.value, p.value);
}

INSTANTIATE_TEST_SUITE_P(ProjectReal, RealSyntax, ::testing::ValuesIn(kReals), CaseName());

}  // namespace
