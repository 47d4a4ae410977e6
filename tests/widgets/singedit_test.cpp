#include "widgets/SingEdit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    float expected;
};

class SingEditRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SingEditRead, TextGivesNumber) {
    TSingEdit edit;
    edit.setText(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(edit.Number(), GetParam().expected) << "text '" << GetParam().text << "'";
    // Reading never touches the text, valid or not.
    EXPECT_EQ(edit.text(), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SingEditRead,
    ::testing::Values(
        ReadCase{"CommaAsPoint", "1,5", 1.5f}, ReadCase{"CommaAndExponent", "-2,25E1", -22.5f},
        ReadCase{"TwoPoints", "1.5.2", 0.0f}, ReadCase{"TwoCommas", "1,5,2", 0.0f},
        ReadCase{"PointAndComma", "1.5,2", 0.0f}, ReadCase{"LeadingBlanks", "  7", 7.0f},
        ReadCase{"TrailingBlank", "7 ", 0.0f}, ReadCase{"Empty", "", 0.0f}, ReadCase{"OnlyBlanks", "   ", 0.0f},
        ReadCase{"Letters", "abc", 0.0f}, ReadCase{"LonePoint", ".", 0.0f}, ReadCase{"PointAtEnd", "5.", 5.0f},
        ReadCase{"PointAtStart", ".5", 0.5f}, ReadCase{"LowerCaseExponent", "1e3", 1000.0f},
        ReadCase{"ExponentSign", "25E-1", 2.5f}, ReadCase{"PlusSign", "+3", 3.0f}, ReadCase{"OnlySign", "-", 0.0f},
        ReadCase{"SignAfterBlank", " -1.0000", -1.0f}, ReadCase{"ExponentWithoutDigits", "1e", 0.0f},
        ReadCase{"ExponentOnlySign", "1e+", 0.0f}, ReadCase{"BlankAfterSign", "- 1", 0.0f},
        ReadCase{"TwoSigns", "+-1", 0.0f}, ReadCase{"Hexadecimal", "0x10", 0.0f}, ReadCase{"Infinity", "inf", 0.0f},
        ReadCase{"NotANumber", "nan", 0.0f}, ReadCase{"TabBeforeNumber", "\t1", 0.0f},
        ReadCase{"NonAsciiDigit", "\xd9\xa3", 0.0f}, ReadCase{"FormattedText", "  2.0000", 2.0f},
        ReadCase{"FormattedExponent", " 1.2E+0003", 1200.0f}, ReadCase{"SinglePrecisionRounding", "0.1", 0.1f},
        ReadCase{"BeyondSingleRange", "1e39", 0.0f}, ReadCase{"BeyondDoubleRange", "-1e400", 0.0f},
        ReadCase{"LongMantissaNegativeExponent", "123456789012345678901234567890123456789012e-10", 1.2345679e31f},
        ReadCase{"LargestSingle", "3.4028234e38", std::numeric_limits<float>::max()},
        ReadCase{"BelowSingleRangeIsZero", "1e-60", 0.0f},
        ReadCase{"TinyWithLeadingZeros", "0.000000000000000000000000000000000000000000000000001", 0.0f}),
    [](const ::testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

TEST(SingEditRead, OutOfRangeTextIsInvalidButUnderflowIsValid) {
    float v = 1.0f;
    EXPECT_FALSE(TSingEdit::ParseNumber(QStringLiteral("1e39"), v));
    EXPECT_FALSE(TSingEdit::ParseNumber(QStringLiteral("-1e39"), v));
    EXPECT_TRUE(TSingEdit::ParseNumber(QStringLiteral("1e-60"), v));
    EXPECT_EQ(v, 0.0f);
    EXPECT_TRUE(TSingEdit::ParseNumber(QStringLiteral("0.00001e-41"), v));
    EXPECT_EQ(v, 0.0f);
    // The smallest subnormal single is still a value, not zero.
    EXPECT_TRUE(TSingEdit::ParseNumber(QStringLiteral("1.5e-45"), v));
    EXPECT_GT(v, 0.0f);
}

struct WriteCase {
    const char* name;
    float value;
    const char* text;
};

class SingEditWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(SingEditWrite, NumberGivesText) {
    TSingEdit edit;
    edit.setText(QStringLiteral("alt"));
    edit.setNumber(GetParam().value);
    EXPECT_EQ(edit.text().toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, SingEditWrite,
                         ::testing::Values(WriteCase{"Two", 2.0f, "  2.0000"}, WriteCase{"MinusOne", -1.0f, " -1.0000"},
                                           WriteCase{"Hundred", 100.0f, "100.0000"},
                                           WriteCase{"MinusTen", -10.0f, "-10.0000"},
                                           WriteCase{"Zero", 0.0f, "  0.0000"},
                                           WriteCase{"LongerNotCut", -999.5f, "-999.5000"},
                                           WriteCase{"JustBelowThreshold", 999.9f, "999.9000"},
                                           WriteCase{"Threshold", 1000.0f, " 1.0E+0003"},
                                           WriteCase{"NegativeThreshold", -1000.0f, "-1.0E+0003"},
                                           WriteCase{"RoundsToTwoDigits", 1234.5f, " 1.2E+0003"},
                                           WriteCase{"NegativeLarge", -25000.0f, "-2.5E+0004"},
                                           WriteCase{"CarryIntoNextPower", 9999.0f, " 1.0E+0004"},
                                           WriteCase{"LargestSingle", std::numeric_limits<float>::max(), " 3.4E+0038"},
                                           WriteCase{"Infinite", std::numeric_limits<float>::infinity(), " INF"}),
                         [](const ::testing::TestParamInfo<WriteCase>& row) { return std::string(row.param.name); });

TEST(SingEditRoundTrip, ReadsBackTheNearestFourDecimalOrTwoDigitValue) {
    struct Row {
        float written;
        float readBack;
    };
    const Row rows[] = {{1.23456f, 1.2346f}, {-0.00004f, -0.0f},     {123.45678f, 123.4568f},
                        {1234.5f, 1200.0f},  {-98765.0f, -99000.0f}, {0.5f, 0.5f}};
    TSingEdit edit;
    for (const Row& r : rows) {
        edit.setNumber(r.written);
        EXPECT_EQ(edit.Number(), r.readBack) << r.written << " -> '" << edit.text().toStdString() << "'";
    }
}

TEST(SingEditProperty, NumberIsAQtProperty) {
    // A .ui file sets Number through the property system after the text.
    TSingEdit edit;
    edit.setText(QStringLiteral("100.0000"));
    ASSERT_TRUE(edit.setProperty("Number", QVariant::fromValue(-10.0f)));
    EXPECT_EQ(edit.text(), QStringLiteral("-10.0000"));
    EXPECT_EQ(edit.property("Number").toFloat(), -10.0f);
}

}  // namespace
