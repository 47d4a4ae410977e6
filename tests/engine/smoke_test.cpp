#include "FuzUnits.h"

#include <gtest/gtest.h>

TEST(WorkedExample, OneInputControlStepGivesCentroidOfHalfRechts) {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable R;
    fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/beispiel.fuz", A, B, Out, R);
    ASSERT_TRUE(A.Defined);
    EXPECT_FALSE(B.Defined);
    A.Value = -2.5f;
    fuzzy::Infer(R, A, B, Out);
    EXPECT_FLOAT_EQ(Out.GetParam(2, 5), 0.5f);
    EXPECT_FLOAT_EQ(Out.Defuzzify(), 0.6111111f);
}
