// Areas, centroids, defuzzification and min/max inference over the rule table.
#include "tests/fuzzy/EngineTest.h"

#include <climits>

using fuzzy::RuleTable;
using fuzzy::TFuzzy;

namespace {

struct TrapezoidCase {
    const char* name;
    float a, b, c, d, h;
    float area;
    float centroid;
};

const TrapezoidCase kTrapezoids[] = {
    {"SymmetricTriangle", 0, 1, 1, 2, 1, 1, 1},
    {"Rectangle", 0, 0, 2, 2, 1, 2, 1},
    {"PointGivesItsPositionAndNoArea", 1, 1, 1, 1, 1, 0, 1},
    {"PointAwayFromZero", 3, 3, 3, 3, 0.5f, 0, 3},
    {"RightAngledFallingTriangle", 0, 0, 0, 3, 1, 1.5f, 1},
    {"RightAngledRisingTriangle", 0, 3, 3, 3, 1, 1.5f, 2},
    {"HalfHeightRechts", 0, 0.5f, 1, 1, 0.5f, 0.375f, 2.75f / 4.5f},
    {"Links", -1, -1, -0.5f, 0, 0.3f, 0.225f, -2.75f / 4.5f},
    // Rising triangle (area 1, centre 2/3), plateau (2, 1.5), falling triangle (3, 3).
    {"AsymmetricTrapezoid", 0, 1, 2, 5, 2, 6, (1 * (2.0f / 3) + 2 * 1.5f + 3 * 3) / 6},
};

class TrapezoidTest : public ::testing::TestWithParam<TrapezoidCase> {};

TEST_P(TrapezoidTest, AreaAndCentroid) {
    const auto& p = GetParam();
    const TFuzzy v = MakeVariable("v", -10, 10, {{"t", p.a, p.b, p.c, p.d, p.h}});
    EXPECT_FLOAT_EQ(v.TermArea(1), p.area);
    EXPECT_FLOAT_EQ(v.TermCentroid(1), p.centroid);
}

INSTANTIATE_TEST_SUITE_P(Terms, TrapezoidTest, ::testing::ValuesIn(kTrapezoids), CaseName());

TFuzzy ExampleOutput(float hLinks, float hRechts) {
    return MakeVariable("Stellwert", -1, 1, {{"links", -1, -1, -0.5f, 0, hLinks}, {"rechts", 0, 0.5f, 1, 1, hRechts}});
}

TEST(Defuzzify, AreaWeightedMeanOfCentroids) {
    // (-0.6111 * 0.225 + 0.6111 * 0.525) / 0.75
    EXPECT_FLOAT_EQ(ExampleOutput(0.3f, 0.7f).Defuzzify(), 0.2444444f);
    EXPECT_FLOAT_EQ(ExampleOutput(0.0f, 0.5f).Defuzzify(), 0.6111111f);
}

TEST(Defuzzify, OverlappingTermsCountEachInFull) {
    // Two identical terms around 0.5 and one around 2.5: a merged area would
    // give 1.5, counting each term gives (0.5 + 0.5 + 2.5) / 3.
    const TFuzzy v = MakeVariable("v", 0, 3, {{"p", 0, 0, 1, 1, 1}, {"q", 0, 0, 1, 1, 1}, {"r", 2, 2, 3, 3, 1}});
    EXPECT_FLOAT_EQ(v.Defuzzify(), 3.5f / 3);
}

struct FallbackCase {
    const char* name;
    TFuzzy variable;
};

FallbackCase Fallback(const char* name, TFuzzy v) {
    v.RangeMin = -7.5f;
    return {name, v};
}

TFuzzy WithTermCount(TFuzzy v, int n) {
    v.TermCount = n;
    return v;
}

const FallbackCase kFallbacks[] = {
    Fallback("AllHeightsZero", ExampleOutput(0, 0)),
    Fallback("NoTerms", MakeVariable("v", 0, 1, {})),
    Fallback("OnlyPointTerms", MakeVariable("v", 0, 1, {{"p", 0.5f, 0.5f, 0.5f, 0.5f, 1}})),
    Fallback("NegativeTermCount", WithTermCount(ExampleOutput(1, 1), -2)),
};

class DefuzzifyFallbackTest : public ::testing::TestWithParam<FallbackCase> {};

TEST_P(DefuzzifyFallbackTest, GivesRangeMin) { EXPECT_EQ(GetParam().variable.Defuzzify(), -7.5f); }

INSTANTIATE_TEST_SUITE_P(Defuzzify, DefuzzifyFallbackTest, ::testing::ValuesIn(kFallbacks), CaseName());

TEST(Defuzzify, TermCountAboveFiveSumsOnlyTheFiveSlots) {
    TFuzzy v = ExampleOutput(0, 0.5f);
    v.TermCount = 40;
    EXPECT_FLOAT_EQ(v.Defuzzify(), 0.6111111f);
}

// Two inputs, each with two terms. At A.Value = 2 the memberships are 0.8 and
// 0.2, at B.Value = 7 they are 0.3 and 0.7.
class TwoInputInference : public EngineTest {
protected:
    TFuzzy A = MakeVariable("A", 0, 10, {{"klein", 0, 0, 0, 10, 1}, {"gross", 0, 10, 10, 10, 1}});
    TFuzzy B = MakeVariable("B", 0, 10, {{"klein", 0, 0, 0, 10, 1}, {"gross", 0, 10, 10, 10, 1}});
    TFuzzy Out = MakeVariable("Out", 0, 3, {{"o1", 0, 0, 1, 1, 1}, {"o2", 1, 1, 2, 2, 1}, {"o3", 2, 2, 3, 3, 1}});
    RuleTable R;

    void SetUp() override {
        EngineTest::SetUp();
        A.Value = 2;
        B.Value = 7;
    }
};

TEST_F(TwoInputInference, MinWithinRuleMaxAcrossRules) {
    R.Set(1, 1, 1);
    R.Set(1, 2, 2);
    R.Set(2, 1, 2);
    R.Set(2, 2, 0);
    fuzzy::Infer(R, A, B, Out);
    EXPECT_FLOAT_EQ(Out.GetParam(1, 5), 0.3f);  // B term 1 with A term 1
    EXPECT_FLOAT_EQ(Out.GetParam(2, 5), 0.7f);  // max(0.2, 0.7)
    EXPECT_EQ(Out.GetParam(3, 5), 0.0f);
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(TwoInputInference, RowIsTermOfBColumnIsTermOfA) {
    R.Set(1, 2, 3);  // A gross (0.2) with B klein (0.3)
    R.Set(2, 1, 2);  // A klein (0.8) with B gross (0.7)
    fuzzy::Infer(R, A, B, Out);
    EXPECT_FLOAT_EQ(Out.GetParam(3, 5), 0.2f);
    EXPECT_FLOAT_EQ(Out.GetParam(2, 5), 0.7f);
    EXPECT_EQ(Out.GetParam(1, 5), 0.0f);
}

TEST_F(TwoInputInference, EveryStepStartsFromZero) {
    R.Set(1, 1, 1);
    fuzzy::Infer(R, A, B, Out);
    ASSERT_FLOAT_EQ(Out.GetParam(1, 5), 0.3f);
    A.Value = 10;  // A klein no longer holds
    fuzzy::Infer(R, A, B, Out);
    EXPECT_EQ(Out.GetParam(1, 5), 0.0f);
    EXPECT_EQ(Out.GetParam(2, 5), 0.0f);
}

TEST_F(TwoInputInference, BDefinedWithoutTermsFiresNothing) {
    R.Entries.fill(1);
    B.TermCount = 0;
    fuzzy::Infer(R, A, B, Out);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(Out.GetParam(k, 5), 0.0f) << k;
    EXPECT_EQ(Out.Defuzzify(), Out.RangeMin);
}

TEST_F(TwoInputInference, InputsOutsideEveryTermGiveRangeMin) {
    R.Entries.fill(2);
    A.Value = -1;
    B.Value = 11;
    Out.RangeMin = 0.25f;
    fuzzy::Infer(R, A, B, Out);
    EXPECT_EQ(Out.Defuzzify(), 0.25f);
}

TEST_F(TwoInputInference, RowsAndColumnsBeyondTermCountsAreNeverRead) {
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 5; ++c) {
            if (r > 2 || c > 2) R.Set(r, c, 3);
        }
    }
    // Slots 3 of A and B would fire fully if they were read.
    A.SetParam(3, 1, -100);
    A.SetParam(3, 4, 100);
    B.SetParam(3, 1, -100);
    B.SetParam(3, 4, 100);
    fuzzy::Infer(R, A, B, Out);
    EXPECT_EQ(Out.GetParam(3, 5), 0.0f);
    EXPECT_TRUE(messages.log.empty());
}

struct EntryCase {
    const char* name;
    std::int32_t entry;
};

const EntryCase kIgnoredEntries[] = {
    {"Zero", 0}, {"MinusOne", -1}, {"MostNegative", INT_MIN}, {"Six", 6}, {"Large", 1000}, {"MostPositive", INT_MAX},
};

class IgnoredRuleEntry : public TwoInputInference, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(IgnoredRuleEntry, ActsAsNoRule) {
    R.Entries.fill(GetParam().entry);
    const TFuzzy before = Out;
    fuzzy::Infer(R, A, B, Out);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(Out.GetParam(k, 5), 0.0f) << k;
    // Slots beyond the output's terms keep what they held.
    for (int k = 4; k <= 5; ++k) EXPECT_EQ(Out.GetParam(k, 5), before.GetParam(k, 5)) << k;
    EXPECT_EQ(Out.Defuzzify(), Out.RangeMin);
}

INSTANTIATE_TEST_SUITE_P(Entries, IgnoredRuleEntry, ::testing::ValuesIn(kIgnoredEntries), CaseName());

TEST_F(TwoInputInference, EntryNamingUnusedOutputSlotDoesNotChangeResult) {
    R.Set(1, 1, 1);
    fuzzy::Infer(R, A, B, Out);
    const float withoutSlot5 = Out.Defuzzify();
    R.Set(2, 1, 5);  // the output has three terms; slot 5 is not summed
    fuzzy::Infer(R, A, B, Out);
    EXPECT_FLOAT_EQ(Out.GetParam(5, 5), 0.7f);
    EXPECT_EQ(Out.Defuzzify(), withoutSlot5);
}

class OneInputInference : public EngineTest {
protected:
    TFuzzy A = MakeVariable("Fehler", -10, 10, {{"negativ", -10, -10, -5, 0, 1}, {"positiv", 0, 5, 10, 10, 1}});
    TFuzzy B;  // not defined
    TFuzzy Out = ExampleOutput(1, 1);
    RuleTable R;
};

TEST_F(OneInputInference, RowOneMapsTermsOfAToOutputTerms) {
    R.Set(1, 1, 2);
    R.Set(1, 2, 1);
    A.Value = -2.5f;
    fuzzy::Infer(R, A, B, Out);
    EXPECT_EQ(Out.GetParam(1, 5), 0.0f);
    EXPECT_FLOAT_EQ(Out.GetParam(2, 5), 0.5f);
    EXPECT_FLOAT_EQ(Out.TermArea(2), 0.375f);
    EXPECT_FLOAT_EQ(Out.Defuzzify(), 0.6111111f);
}

TEST_F(OneInputInference, UndefinedBIsIgnoredEvenWithTermsAndOtherRows) {
    B = MakeVariable("B", 0, 1, {{"b", -100, -100, 100, 100, 1}});
    B.Defined = false;
    R.Set(2, 1, 1);  // would fire links if rows other than 1 were used
    R.Set(1, 1, 2);
    A.Value = -2.5f;
    fuzzy::Infer(R, A, B, Out);
    EXPECT_EQ(Out.GetParam(1, 5), 0.0f);
    EXPECT_FLOAT_EQ(Out.GetParam(2, 5), 0.5f);
}

TEST(RuleTableIndex, RowByRowAndOutsideIgnored) {
    RuleTable R;
    R.Set(2, 3, 4);
    EXPECT_EQ(R.Entries[7], 4);  // row 2 starts at entry 5
    R.Set(0, 1, 9);
    R.Set(6, 1, 9);
    R.Set(1, 0, 9);
    R.Set(1, 6, 9);
    for (std::size_t n = 0; n < R.Entries.size(); ++n) EXPECT_EQ(R.Entries[n], n == 7 ? 4 : 0) << n;
    EXPECT_EQ(R.Get(6, 1), 0);
    EXPECT_EQ(R.Get(2, 3), 4);
}

}  // namespace
