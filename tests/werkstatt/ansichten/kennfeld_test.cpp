// The surface and the step analysis in the engine: the same numbers as a
// control step, the right corners, the right deciding rule.
#include "fuzzy/Surface.h"

#include "tests/werkstatt/ansichten/AnsichtenTest.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using ansichtentest::Engine;
using ansichtentest::Laden;
using fuzzy::Project;

struct FeldFall {
    const char* datei;
    int nx, ny;
};

class KennfeldAgreesWithEngine : public testing::TestWithParam<FeldFall> {};

TEST_P(KennfeldAgreesWithEngine, AtCornersAndSampledPointsBitForBit) {
    const FeldFall f = GetParam();
    const fuzzy::Project p = Laden(f.datei);
    const fuzzy::SurfaceGrid k = fuzzy::ComputeSurface(p, f.nx, f.ny);
    ASSERT_FALSE(k.Empty());
    ASSERT_EQ(k.Nx, f.nx);
    ASSERT_EQ(k.Ny, p.B.Defined ? f.ny : 1);
    // The corners are the ends of the ranges exactly, not nearly.
    EXPECT_EQ(k.A(0), p.A.RangeMin);
    EXPECT_EQ(k.A(k.Nx - 1), p.A.RangeMax);
    if (p.B.Defined) {
        EXPECT_EQ(k.B(0), p.B.RangeMin);
        EXPECT_EQ(k.B(k.Ny - 1), p.B.RangeMax);
    }
    const std::vector<std::pair<int, int>> punkte = {{0, 0},
                                                     {k.Nx - 1, 0},
                                                     {0, k.Ny - 1},
                                                     {k.Nx - 1, k.Ny - 1},
                                                     {k.Nx / 2, k.Ny / 2},
                                                     {k.Nx / 3, (2 * k.Ny) / 3},
                                                     {(3 * k.Nx) / 4, k.Ny / 5},
                                                     {1, k.Ny - 2},
                                                     {k.Nx - 2, 1}};
    for (const auto& [i, j] : punkte) {
        if (j < 0 || j >= k.Ny) continue;
        EXPECT_EQ(k.Value(i, j), Engine(p, k.A(i), k.B(j))) << f.datei << " at (" << i << ", " << j << ")";
    }
    // Every value lies between the reported extremes, which occur.
    bool minDa = false, maxDa = false;
    for (float v : k.Values) {
        EXPECT_GE(v, k.Min);
        EXPECT_LE(v, k.Max);
        minDa |= v == k.Min;
        maxDa |= v == k.Max;
    }
    EXPECT_TRUE(minDa && maxDa);
}

INSTANTIATE_TEST_SUITE_P(Beispiele, KennfeldAgreesWithEngine,
                         testing::Values(FeldFall{"truck.fuz", 200, 200}, FeldFall{"lok.fuz", 201, 150},
                                         FeldFall{"heizung.fuz", 37, 53}, FeldFall{"beispiel.fuz", 201, 201}),
                         [](const testing::TestParamInfo<FeldFall>& i) {
                             std::string n = i.param.datei;
                             return n.substr(0, n.find('.'));
                         });

TEST(Kennfeld, OneInputProjectIsTheCurveOverA) {
    const fuzzy::Project p = Laden("beispiel.fuz");
    ASSERT_FALSE(p.B.Defined);
    const fuzzy::SurfaceGrid k = fuzzy::ComputeSurface(p, 201, 201);
    EXPECT_FALSE(k.TwoInputs);
    EXPECT_EQ(k.Ny, 1);
    EXPECT_EQ(k.Values.size(), 201u);
    // -10 .. 10 in 200 steps: sample 75 is the worked example's -2.5.
    EXPECT_EQ(k.A(75), -2.5f);
    EXPECT_EQ(k.Value(75, 0), Engine(p, -2.5f, 0.0f));
    EXPECT_EQ(k.Value(75, 0), 0.611111104f);
}

TEST(Kennfeld, FieldWithoutInputAOrOutputIsEmpty) {
    fuzzy::Project p = Laden("truck.fuz");
    fuzzy::TFuzzy leer;
    EXPECT_TRUE(fuzzy::ComputeSurface(fuzzy::Project{leer, p.B, p.Out, p.Rules}, 200, 200).Empty());
    EXPECT_TRUE(fuzzy::ComputeSurface(fuzzy::Project{p.A, p.B, leer, p.Rules}, 200, 200).Empty());
}

TEST(Kennfeld, TooFewSamplesStillIncludeBothEnds) {
    const fuzzy::Project p = Laden("truck.fuz");
    const fuzzy::SurfaceGrid k = fuzzy::ComputeSurface(p, 0, 1);
    ASSERT_EQ(k.Nx, 2);
    ASSERT_EQ(k.Ny, 2);
    EXPECT_EQ(k.A(1), p.A.RangeMax);
    EXPECT_EQ(k.Value(1, 1), Engine(p, p.A.RangeMax, p.B.RangeMax));
}

TEST(Kennfeld, RowsSplitAcrossCallsGiveTheSameField) {
    const fuzzy::Project p = Laden("lok.fuz");
    const fuzzy::SurfaceGrid ganz = fuzzy::ComputeSurface(p, 60, 40);
    fuzzy::SurfaceGrid geteilt = fuzzy::PrepareSurface(p, 60, 40);
    fuzzy::FillSurfaceRows(geteilt, p, 25, 99);
    fuzzy::FillSurfaceRows(geteilt, p, -3, 25);
    EXPECT_EQ(geteilt.Values, ganz.Values);
}

// --- the step taken apart ---------------------------------------------------

fuzzy::TFuzzy ZweiTerme(float lo, float hi) {
    fuzzy::TFuzzy v;
    v.Defined = true;
    v.Name = "v";
    v.RangeMin = lo;
    v.RangeMax = hi;
    v.TermCount = 2;
    v.SetTermName(1, "tief");
    v.SetTermName(2, "hoch");
    // Falling and rising ramps over 0..10: at x the degrees are 1 - x/10 and x/10.
    const float p1[5] = {-10, -10, 0, 10, 1};
    const float p2[5] = {0, 10, 20, 20, 1};
    for (int j = 1; j <= 5; ++j) {
        v.SetParam(1, j, p1[j - 1]);
        v.SetParam(2, j, p2[j - 1]);
    }
    return v;
}

struct Stufenfall {
    const char* name;
    float a, b;
    std::array<int, 4> regeln;  // [1,1], [1,2], [2,1], [2,2]
    std::array<std::array<int, 2>, 2> massgeblich;
};

class AuswertungPicksDecidingCell : public testing::TestWithParam<Stufenfall> {};

TEST_P(AuswertungPicksDecidingCell, AndStrengthsMatchInfer) {
    const Stufenfall f = GetParam();
    fuzzy::Project p;
    p.A = ZweiTerme(0, 10);
    p.B = ZweiTerme(0, 10);
    p.Out = ZweiTerme(0, 10);
    p.Rules.Set(1, 1, f.regeln[0]);
    p.Rules.Set(1, 2, f.regeln[1]);
    p.Rules.Set(2, 1, f.regeln[2]);
    p.Rules.Set(2, 2, f.regeln[3]);
    const fuzzy::StepBreakdown e = fuzzy::BreakDownStep(p, f.a, f.b);
    EXPECT_EQ(e.Output, Engine(p, f.a, f.b));
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c)
            EXPECT_EQ(e.Strength[r - 1][c - 1], fuzzy::MinSingle(e.DegreeA[c - 1], e.DegreeB[r - 1]));
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(e.Decisive[k - 1], f.massgeblich[k - 1]) << "output term " << k;
        EXPECT_EQ(e.Activation[k - 1], e.Scaled.GetParam(k, fuzzy::ParamH));
    }
    // The caller's output keeps its heights.
    EXPECT_EQ(p.Out.GetParam(1, fuzzy::ParamH), 1.0f);
}

// Degrees at a = 2: A 0.8 / 0.2; at b = 7: B 0.3 / 0.7 (the inference example).
INSTANTIATE_TEST_SUITE_P(
    Faelle, AuswertungPicksDecidingCell,
    testing::Values(Stufenfall{"StrongestOfSeveralCellsDecides", 2, 7, {1, 2, 2, 0}, {{{1, 1}, {2, 1}}}},
                    Stufenfall{"RowIsTermOfBColumnTermOfA", 2, 7, {0, 1, 0, 2}, {{{1, 2}, {2, 2}}}},
                    Stufenfall{"UnusedTermHasNoCell", 2, 7, {2, 2, 2, 2}, {{{0, 0}, {2, 1}}}},
                    Stufenfall{"TieGoesToFirstCellInInferOrder", 5, 5, {1, 1, 1, 1}, {{{1, 1}, {0, 0}}}},
                    Stufenfall{"NothingFiresNothingMarked", 0, 10, {0, 0, 0, 1}, {{{0, 0}, {0, 0}}}}),
    [](const testing::TestParamInfo<Stufenfall>& i) { return std::string(i.param.name); });

TEST(StepBreakdown, OneInputUsesRowOneWithDegreesOfA) {
    const fuzzy::Project p = Laden("beispiel.fuz");
    const fuzzy::StepBreakdown e = fuzzy::BreakDownStep(p, -2.5f, 99.0f);
    EXPECT_FALSE(e.TwoInputs);
    EXPECT_EQ(e.DegreeA[0], 0.5f);
    EXPECT_EQ(e.DegreeA[1], 0.0f);
    EXPECT_EQ(e.Strength[0][0], 0.5f);
    EXPECT_EQ(e.Strength[1][0], 0.0f);  // rows beyond the first are not read
    EXPECT_EQ(e.Activation[1], 0.5f);
    EXPECT_EQ((e.Decisive[1]), (std::array<int, 2>{1, 1}));
    EXPECT_EQ(e.Output, 0.611111104f);
}

}  // namespace
