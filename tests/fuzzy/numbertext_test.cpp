// Numbers as text and back: the same characters as the standard library's
// to_chars/from_chars wrote and read before, on every platform.
#include "fuzzy/Numbers.h"

#include "tests/fuzzy/EngineTest.h"

#include <array>
#include <clocale>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

using fuzzy::NumberForm;

struct FloatCase {
    const char* name;
    float value;
    NumberForm form;
    const char* text;
};

const FloatCase kFloats[] = {
    {"ShortestFraction", 0.1f, NumberForm::Plain, "0.1"},
    {"NegativeFraction", -2.5f, NumberForm::Plain, "-2.5"},
    {"PlainPrefersShorterExponent", 100000.0f, NumberForm::Plain, "1e+05"},
    {"PlainKeepsDigitsWhenShorter", 123456.0f, NumberForm::Plain, "123456"},
    {"PlainSmallExponent", 1e-5f, NumberForm::Plain, "1e-05"},
    {"NegativeZeroKeepsSign", -0.0f, NumberForm::Plain, "-0"},
    {"LargestSingle", FLT_MAX, NumberForm::Plain, "3.4028235e+38"},
    {"SmallestSubnormal", std::numeric_limits<float>::denorm_min(), NumberForm::Plain, "1e-45"},
    {"FixedWholeNumber", 1e10f, NumberForm::Fixed, "10000000000"},
    {"FixedWholeNumberWithAllItsDigits", 1e11f, NumberForm::Fixed, "99999997952"},
    {"FixedShortFraction", 0.055f, NumberForm::Fixed, "0.055"},
    {"FixedSmallFraction", 1e-5f, NumberForm::Fixed, "0.00001"},
    {"FixedZero", 0.0f, NumberForm::Fixed, "0"},
    {"ScientificSmall", 3e-7f, NumberForm::Scientific, "3e-07"},
    {"ScientificOneDigitExponent", 1.5f, NumberForm::Scientific, "1.5e+00"},
    {"ScientificThreeDigitExponent", 1e-40f, NumberForm::Scientific, "1e-40"},
    {"ScientificZero", 0.0f, NumberForm::Scientific, "0e+00"},
    {"Infinity", std::numeric_limits<float>::infinity(), NumberForm::Plain, "inf"},
    {"NegativeInfinity", -std::numeric_limits<float>::infinity(), NumberForm::Fixed, "-inf"},
};

class FloatText : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FloatText, IsTheExpectedText) {
    const auto& c = GetParam();
    EXPECT_EQ(fuzzy::NumberText(c.value, c.form), c.text);
}

INSTANTIATE_TEST_SUITE_P(NumberText, FloatText, ::testing::ValuesIn(kFloats), CaseName());

// A computed value as a person reads it: zero up to rounding at the scale of
// its variable's range reads 0, and nothing else changes.
struct ReadableCase {
    const char* name;
    float value, rangeMin, rangeMax;
    float shown;
};

const ReadableCase kReadable[] = {
    // The locomotive's force at 60 cm and -70 cm/s: a centroid that cancels.
    {"CentroidThatCancelsIsZero", -7.66345321e-10f, -2.5f, 2.5f, 0.0f},
    {"NegativeZeroLosesItsSign", -0.0f, -2.5f, 2.5f, 0.0f},
    {"EightFloatStepsAtTheScaleAreZero", 2.0f * 9.5e-7f, -2.0f, 2.0f, 0.0f},
    {"SmallValueAboveTheRoundingStays", 1e-5f, -2.5f, 2.5f, 1e-5f},
    {"ScaleIsTheLargerBound", -5e-5f, 0.0f, 100.0f, 0.0f},
    {"NarrowRangeKeepsSmallValues", 3e-9f, -0.001f, 0.001f, 3e-9f},
    {"OrdinaryValueStays", 0.611111104f, -10.0f, 10.0f, 0.611111104f},
    {"RangeWithoutWidthOnlyDropsTheSign", -1e-30f, 0.0f, 0.0f, -1e-30f},
    {"InfiniteRangeChangesNothing", -1e-10f, -std::numeric_limits<float>::infinity(), 1.0f, -1e-10f},
};

class ReadableValue : public ::testing::TestWithParam<ReadableCase> {};

TEST_P(ReadableValue, IsZeroOnlyWithinRounding) {
    const auto& c = GetParam();
    const float v = fuzzy::ZeroBelowRounding(c.value, c.rangeMin, c.rangeMax);
    EXPECT_EQ(v, c.shown);
    EXPECT_EQ(std::signbit(v), std::signbit(c.shown));
}

TEST(ReadableValue, NotANumberStaysOne) {
    EXPECT_TRUE(std::isnan(fuzzy::ZeroBelowRounding(std::nanf(""), -1.0f, 1.0f)));
}

INSTANTIATE_TEST_SUITE_P(ZeroBelowRounding, ReadableValue, ::testing::ValuesIn(kReadable), CaseName());

struct DoubleCase {
    const char* name;
    double value;
    int precision;  // < 0: NumberText, else GeneralText
    const char* text;
};

const DoubleCase kDoubles[] = {
    {"DoubleShortest", 0.1, -1, "0.1"},
    {"DoubleLargeExponent", 1e21, -1, "1e+21"},
    {"DoubleSmallestSubnormal", 5e-324, -1, "5e-324"},
    {"GeneralNineDigitsOfSingle", double(0.1f), 9, "0.100000001"},
    {"GeneralDropsTrailingZeros", 0.5, 9, "0.5"},
    {"GeneralTwoDigitsExponent", 1.5e-5, 2, "1.5e-05"},
    {"GeneralWholeNumber", 100.0, 9, "100"},
};

class DoubleText : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleText, IsTheExpectedText) {
    const auto& c = GetParam();
    EXPECT_EQ(c.precision < 0 ? fuzzy::NumberText(c.value) : fuzzy::GeneralText(c.value, c.precision), c.text);
}

INSTANTIATE_TEST_SUITE_P(NumberText, DoubleText, ::testing::ValuesIn(kDoubles), CaseName());

struct FixedCase {
    const char* name;
    double value;
    int decimals;
    const char* text;
};

const FixedCase kFixed[] = {
    {"RoundsHalfToEvenDown", 2.5, 0, "2"},      {"RoundsHalfToEvenUp", 3.5, 0, "4"},
    {"RoundsTheBinaryValue", 0.125, 2, "0.12"}, {"KeepsSignOfSmallNegative", -0.0001, 2, "-0.00"},
    {"PadsDecimals", 1.0, 3, "1.000"},          {"NoLocaleComma", 1234.5, 1, "1234.5"},
};

class FixedDecimals : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedDecimals, AsPrintfInTheCLocale) {
    const auto& c = GetParam();
    EXPECT_EQ(fuzzy::FixedText(c.value, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(FixedText, FixedDecimals, ::testing::ValuesIn(kFixed), CaseName());

struct ReadCase {
    const char* name;
    const char* text;
    std::errc ec;
    double value;  // when ec is ok; otherwise the value stays as it was
    std::size_t used;
};

constexpr double kUntouched = 7.0;

const ReadCase kReads[] = {
    {"Plain", "1.5", std::errc(), 1.5, 3},
    {"Exponent", "25e-1", std::errc(), 2.5, 5},
    {"StopsBeforeBareExponent", "1e", std::errc(), 1.0, 1},
    {"TrailingPoint", "5.", std::errc(), 5.0, 2},
    {"NegativeZero", "-0", std::errc(), -0.0, 2},
    {"ZeroWithHugeExponent", "0e-999", std::errc(), 0.0, 6},
    {"SmallestSubnormalReads", "4.9e-324", std::errc(), 4.9e-324, 8},
    {"OverflowIsOutOfRange", "1e400", std::errc::result_out_of_range, kUntouched, 5},
    {"UnderflowToZeroIsOutOfRange", "2e-324", std::errc::result_out_of_range, kUntouched, 6},
    {"NegativeUnderflowIsOutOfRange", "-1e-400", std::errc::result_out_of_range, kUntouched, 7},
    {"JustAboveLargestDoubleIsOutOfRange", "1.7976931348623159e308", std::errc::result_out_of_range, kUntouched, 22},
    {"InfinityByName", "inf", std::errc(), std::numeric_limits<double>::infinity(), 3},
    {"LeadingPlusIsNoNumber", "+1", std::errc::invalid_argument, kUntouched, 0},
    {"LettersAreNoNumber", "abc", std::errc::invalid_argument, kUntouched, 0},
};

class ReadDouble : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadDouble, AsFromChars) {
    const auto& c = GetParam();
    double v = kUntouched;
    const auto r = fuzzy::ReadNumber(c.text, c.text + std::strlen(c.text), v);
    EXPECT_EQ(r.ec, c.ec);
    if (c.ec != std::errc::invalid_argument) {
        EXPECT_EQ(static_cast<std::size_t>(r.ptr - c.text), c.used);
    }
    EXPECT_EQ(v, c.value);
    EXPECT_EQ(std::signbit(v), std::signbit(c.value));
}

INSTANTIATE_TEST_SUITE_P(ReadNumber, ReadDouble, ::testing::ValuesIn(kReads), CaseName());

struct ReadFloatCase {
    const char* name;
    const char* text;
    std::errc ec;
    float value;
};

const ReadFloatCase kFloatReads[] = {
    {"SingleRoundsCorrectly", "0.1", std::errc(), 0.1f},
    {"SingleSubnormal", "1e-45", std::errc(), std::numeric_limits<float>::denorm_min()},
    {"SingleUnderflowIsOutOfRange", "7e-46", std::errc::result_out_of_range, 7.0f},
    {"SingleOverflowIsOutOfRange", "3.4028236e38", std::errc::result_out_of_range, 7.0f},
    {"LargestSingle", "3.4028235e38", std::errc(), FLT_MAX},
};

class ReadFloat : public ::testing::TestWithParam<ReadFloatCase> {};

TEST_P(ReadFloat, AsFromChars) {
    const auto& c = GetParam();
    float v = 7.0f;
    const auto r = fuzzy::ReadNumber(c.text, c.text + std::strlen(c.text), v);
    EXPECT_EQ(r.ec, c.ec);
    EXPECT_EQ(v, c.value);
}

INSTANTIATE_TEST_SUITE_P(ReadNumber, ReadFloat, ::testing::ValuesIn(kFloatReads), CaseName());

#if defined(__GLIBCXX__) && defined(__cpp_lib_to_chars)
// Where the standard library has the floating to_chars, the texts written
// before (and so every file and output) must not change by one character.
template <typename T>
std::string Std(T v, int form) {
    std::array<char, 400> b{};
    const auto r = form == 0   ? std::to_chars(b.data(), b.data() + b.size(), v)
                   : form == 1 ? std::to_chars(b.data(), b.data() + b.size(), v, std::chars_format::fixed)
                               : std::to_chars(b.data(), b.data() + b.size(), v, std::chars_format::scientific);
    return std::string(b.data(), r.ptr);
}

template <typename T, typename Bits>
void CompareRandom(int count) {
    std::mt19937_64 rng(20261208);
    int differences = 0;
    for (int i = 0; i < count && differences < 10; ++i) {
        // Random bit patterns cover every exponent; numbers a person types, the usual ones.
        T v{};
        if (i % 2 == 0) {
            const Bits bits = static_cast<Bits>(rng());
            std::memcpy(&v, &bits, sizeof v);
        } else {
            v = static_cast<T>(static_cast<double>(static_cast<std::int64_t>(rng() % 2000001) - 1000000) /
                               std::pow(10.0, static_cast<double>(rng() % 8)));
        }
        if (!std::isfinite(v)) continue;
        for (int form = 0; form < 3; ++form) {
            const std::string expected = Std(v, form);
            const std::string actual = fuzzy::NumberText(v, static_cast<NumberForm>(form));
            if (expected != actual) ++differences;
            EXPECT_EQ(actual, expected) << "form " << form;
            T back{}, stdBack{};
            const auto r = fuzzy::ReadNumber(expected.data(), expected.data() + expected.size(), back);
            const auto s = std::from_chars(expected.data(), expected.data() + expected.size(), stdBack);
            EXPECT_EQ(r.ec, s.ec) << expected;
            EXPECT_EQ(std::memcmp(&back, &stdBack, sizeof back), 0) << expected;
        }
    }
}

TEST(NumberTextAgainstStandardLibrary, FloatsAsBefore) { CompareRandom<float, std::uint32_t>(100000); }
TEST(NumberTextAgainstStandardLibrary, DoublesAsBefore) { CompareRandom<double, std::uint64_t>(50000); }
#endif

}  // namespace

// The C export's constants: "%a" and exact "%.120e" as the standard library
// writes them in the C locale, also while a locale with a decimal comma is set.
TEST(HexAndExactText, AsTheStandardLibraryUnderAnyLocale) {
    const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    std::mt19937_64 rng(20261208);
    for (int i = 0; i < 20000; ++i) {
        double v = 0.0;
        const std::uint64_t bits =
            i < 4 ? static_cast<std::uint64_t>(i % 2) << 63 | static_cast<std::uint64_t>(i / 2) : rng();
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v)) continue;
        std::array<char, 400> b{};
        std::string hex(b.data(), std::to_chars(b.data(), b.data() + b.size(), v, std::chars_format::hex).ptr);
        hex.insert(hex[0] == '-' ? 1 : 0, "0x");
        ASSERT_EQ(fuzzy::HexText(v), hex);
        const std::string exact(
            b.data(), std::to_chars(b.data(), b.data() + b.size(), v, std::chars_format::scientific, 120).ptr);
        ASSERT_EQ(fuzzy::ScientificText(v, 120), exact);
    }
    std::setlocale(LC_ALL, "C");
    if (!comma) GTEST_SKIP() << "de_DE.UTF-8 fehlt: nur im C-Locale geprüft";
}
