// The fuzzy variable: membership, abbreviations, index checks, Clear, Assign.
#include "tests/fuzzy/EngineTest.h"

#include <cmath>

using fuzzy::TFuzzy;

namespace {

struct MembershipCase {
    const char* name;
    float a, b, c, d, h;
    float x;
    float expected;
};

const MembershipCase kMembership[] = {
    {"LeftOfFoot", 0, 1, 2, 3, 1, -1, 0},
    {"AtLeftFootIsClosedButZero", 0, 1, 2, 3, 1, 0, 0},
    {"MiddleOfRisingFlank", 0, 1, 2, 3, 1, 0.5f, 0.5f},
    {"StartOfPlateau", 0, 1, 2, 3, 1, 1, 1},
    {"InsidePlateau", 0, 1, 2, 3, 1, 1.5f, 1},
    {"EndOfPlateau", 0, 1, 2, 3, 1, 2, 1},
    {"MiddleOfFallingFlank", 0, 1, 2, 3, 1, 2.5f, 0.5f},
    {"AtRightFootIsOpen", 0, 1, 2, 3, 1, 3, 0},
    {"RightOfFoot", 0, 1, 2, 3, 1, 4, 0},
    {"RisingFlankScaledByHeight", 0, 1, 2, 3, 0.6f, 0.5f, 0.3f},
    {"PlateauIsHeight", 0, 1, 2, 3, 0.6f, 1.5f, 0.6f},
    {"VerticalLeftFlankAtFootIsHeight", 0, 0, 2, 3, 0.7f, 0, 0.7f},
    {"VerticalRightFlankAtFootIsZero", 0, 1, 2, 2, 1, 2, 0},
    {"VerticalRightFlankJustBeforeIsHeight", 0, 1, 2, 2, 1, 1.999f, 1},
    {"PointTermAtItsPosition", 1, 1, 1, 1, 1, 1, 0},
    {"PointTermBeside", 1, 1, 1, 1, 1, 0.5f, 0},
    {"RectangleInside", -1, -1, 1, 1, 0.25f, 0, 0.25f},
    {"TriangleApex", 0, 1, 1, 2, 1, 1, 1},
    {"TriangleQuarter", 0, 1, 1, 2, 1, 1.75f, 0.25f},
    {"NegativeAxis", -10, -10, -5, 0, 1, -2.5f, 0.5f},
};

class MembershipTest : public EngineTest, public ::testing::WithParamInterface<MembershipCase> {};

TEST_P(MembershipTest, DegreeOfValueInTrapezoid) {
    const auto& p = GetParam();
    TFuzzy v = MakeVariable("v", -10, 10, {{"t", p.a, p.b, p.c, p.d, p.h}});
    v.Value = p.x;
    EXPECT_FLOAT_EQ(v.Membership(1), p.expected);
    EXPECT_TRUE(messages.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Flanks, MembershipTest, ::testing::ValuesIn(kMembership), CaseName());

TEST_F(EngineTest, MembershipOfFallingFlankIsPositiveJustBeforeRightFoot) {
    TFuzzy v = MakeVariable("v", 0, 3, {{"t", 0, 1, 2, 3, 1}});
    v.Value = std::nextafter(3.0f, 0.0f);
    EXPECT_GT(v.Membership(1), 0.0f);
}

TEST_F(EngineTest, MembershipOfTermAboveTermCountWarnsAndGivesZero) {
    TFuzzy v = MakeVariable("v", 0, 3, {{"t", 0, 1, 2, 3, 1}});
    v.SetParam(2, 1, -5);  // slot 2 holds a term that covers Value, but is not in use
    v.SetParam(2, 4, 5);
    v.Value = 1;
    EXPECT_EQ(v.Membership(2), 0.0f);
    EXPECT_EQ(messages.log, std::vector<RecordedMessage>{Warning("Termindex zu hoch")});
}

TEST_F(EngineTest, CheckTermIndexHasNoLowerBound) {
    TFuzzy v = MakeVariable("v", 0, 1, {{"a", 0, 0, 1, 1, 1}, {"b", 0, 0, 1, 1, 1}});
    EXPECT_FALSE(v.CheckTermIndex(0));
    EXPECT_FALSE(v.CheckTermIndex(-3));
    EXPECT_FALSE(v.CheckTermIndex(2));
    EXPECT_TRUE(messages.log.empty());
    EXPECT_TRUE(v.CheckTermIndex(3));
    EXPECT_EQ(messages.log, std::vector<RecordedMessage>{Warning("Termindex zu hoch")});
}

TEST_F(EngineTest, MembershipOutsideStorageNeitherWarnsNorReadsBeyondSlots) {
    TFuzzy v = MakeVariable("v", 0, 1, {{"a", 0, 0, 1, 1, 1}});
    v.TermCount = 9;  // a caller's bad count: slots 6 to 9 do not exist
    v.Value = 0.5f;
    EXPECT_EQ(v.Membership(7), 0.0f);
    EXPECT_EQ(v.Membership(0), 0.0f);
    EXPECT_TRUE(messages.log.empty());
}

struct AbbrevCase {
    const char* name;
    const char* input;
    const char* expected;
};

const AbbrevCase kAbbrev[] = {
    {"TwoWords", "negativ gross", "NG"},
    {"OneWord", "null", "NU"},
    {"OneWordLonger", "positiv", "PO"},
    {"SingleCharacter", "z", "Z"},
    {"SecondWordInitial", "sehr klein", "SK"},
    {"TrailingBlankIsNoWord", "links ", "LI"},
    {"SharpSStaysSecondLetter", "gro\xC3\x9F", "GR"},
    {"UmlautIsNotUpperCased",
     "\xC3\xBC"
     "ber null",
     "\xC3\xBC"
     "N"},
    {"UmlautAfterBlank",
     "x \xC3\xA4"
     "u\xC3\x9F"
     "erst",
     "X\xC3\xA4"},
    {"UmlautAsSecondCharacter", "\xC3\xBC\xC3\xBC", "\xC3\xBC\xC3\xBC"},
    {"SingleUmlaut", "\xC3\xB6", "\xC3\xB6"},
    {"EuroSign",
     "\xE2\x82\xAC"
     "uro",
     "\xE2\x82\xAC"
     "U"},
    {"LeadingBlankDoesNotCount", " x", " X"},
    {"LeadingBlankIsNoWordBreak", " a b", " B"},
    {"FirstOfTwoBlanksFollowedByBlank", "a  b", "A "},
    {"DigitsStay", "1a", "1A"},
    {"AlreadyUpper", "NULL", "NU"},
    {"SingleBlank", " ", " "},
};

class AbbrevTest : public ::testing::TestWithParam<AbbrevCase> {};

TEST_P(AbbrevTest, MakesOneOrTwoCharacters) { EXPECT_EQ(TFuzzy::MakeAbbrev(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(MakeAbbrev, AbbrevTest, ::testing::ValuesIn(kAbbrev), CaseName());

TEST(AbbrevOfInvalidText, StaysValidUtf8) {
    // A lone continuation byte and an overlong '/' both become U+FFFD.
    EXPECT_EQ(TFuzzy::MakeAbbrev("\x80x"), "\xEF\xBF\xBDX");
    EXPECT_EQ(TFuzzy::MakeAbbrev("a\xC0\xAF"), "A\xEF\xBF\xBD");
}

TEST(TermSlots, SetTermNameMakesAbbreviation) {
    TFuzzy v;
    v.SetTermName(3, "sehr klein");
    EXPECT_EQ(v.GetTermName(3), "sehr klein");
    EXPECT_EQ(v.GetTermAbbrev(3), "SK");
}

TEST(TermSlots, IndicesOutsideOneToFiveReadEmptyAndWriteNothing) {
    TFuzzy v = MakeVariable("v", 0, 1, {{"a", 1, 2, 3, 4, 0.5f}, {"b", 5, 6, 7, 8, 0.25f}});
    const TFuzzy before = v;
    v.SetTermName(0, "x");
    v.SetTermName(6, "x");
    v.SetParam(0, 1, 99);
    v.SetParam(6, 1, 99);
    v.SetParam(1, 0, 99);
    v.SetParam(1, 6, 99);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(v.GetTermName(i), before.GetTermName(i));
        EXPECT_EQ(v.GetTermAbbrev(i), before.GetTermAbbrev(i));
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(v.GetParam(i, j), before.GetParam(i, j)) << i << "," << j;
    }
    EXPECT_EQ(v.GetTermName(6), "");
    EXPECT_EQ(v.GetTermAbbrev(-1), "");
    EXPECT_EQ(v.GetParam(6, 1), 0.0f);
    EXPECT_EQ(v.GetParam(1, 6), 0.0f);
}

TEST(NewVariable, IsAllZero) {
    const TFuzzy v;
    EXPECT_FALSE(v.Defined);
    EXPECT_EQ(v.TermCount, 0);
    EXPECT_EQ(v.Name, "");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(v.GetParam(i, 5), 0.0f) << "height of a new slot " << i;
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(v.GetColour(i), fuzzy::colours::Black) << i;
}

TEST(Clear, ResetsTermsButKeepsNameAbbreviationsRangeValueAndColours) {
    TFuzzy v = MakeVariable("Abstand", -5, 7, {{"nah", 1, 2, 3, 4, 0.5f}, {"fern", 2, 3, 4, 5, 0.7f}});
    v.Value = 3.5f;
    v.InitColours();
    v.Clear();
    EXPECT_EQ(v.TermCount, 0);
    EXPECT_FALSE(v.Defined);
    EXPECT_EQ(v.Name, "Abstand");
    EXPECT_EQ(v.GetTermAbbrev(1), "NA");
    EXPECT_EQ(v.GetTermAbbrev(2), "FE");
    EXPECT_EQ(v.Value, 3.5f);
    EXPECT_EQ(v.RangeMin, -5.0f);
    EXPECT_EQ(v.RangeMax, 7.0f);
    EXPECT_TRUE(v.GetColour(2) == fuzzy::colours::Red);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(v.GetTermName(i), "") << i;
        for (int j = 1; j <= 4; ++j) EXPECT_EQ(v.GetParam(i, j), 0.0f) << i << "," << j;
        EXPECT_EQ(v.GetParam(i, 5), 1.0f) << i;
    }
}

TEST(Assign, CopiesAllFiveSlotsButNotValueOrColours) {
    TFuzzy src = MakeVariable("Quelle", -1, 1, {{"eins", 1, 2, 3, 4, 0.5f}, {"zwei", 2, 3, 4, 5, 0.6f}});
    src.SetTermName(4, "unbenutzt");  // beyond TermCount, still copied
    src.SetParam(4, 3, 42);
    src.Value = 0.75f;
    src.InitColours();

    TFuzzy dst;
    dst.Value = -2;
    dst.Assign(src);

    EXPECT_EQ(dst.Name, "Quelle");
    EXPECT_TRUE(dst.Defined);
    EXPECT_EQ(dst.TermCount, 2);
    EXPECT_EQ(dst.RangeMin, -1.0f);
    EXPECT_EQ(dst.RangeMax, 1.0f);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(dst.GetTermName(i), src.GetTermName(i)) << i;
        EXPECT_EQ(dst.GetTermAbbrev(i), src.GetTermAbbrev(i)) << i;
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(dst.GetParam(i, j), src.GetParam(i, j)) << i << "," << j;
    }
    EXPECT_EQ(dst.GetTermAbbrev(4), "UN");
    EXPECT_EQ(dst.Value, -2.0f);
    EXPECT_TRUE(dst.GetColour(1) == fuzzy::colours::Black);
}

}  // namespace
