// The locomotive's runs with their figures: the values `fuzzysim loco`
// printed for the shipped project before the runs moved into the model library.
#include "loco/model/LocoVersuch.h"

#include "tests/support/FrozenExamples.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace {

struct LocoCase {
    const char* name;
    float masse, dt;
    float inRuheAb, genauAb, ueberschwingen;
    int wechsel, schritte;
};

// fuzzysim loco lok.fuz --mass M --dt DT, as printed.
const LocoCase kLocoCases[] = {
    {"OneKiloShortSteps", 1.0f, 0.055f, 6.535f, 6.535f, 0.0f, 12, 1090},
    {"OneKiloLongSteps", 1.0f, 0.1f, 6.700f, 6.700f, 0.0f, 10, 600},
    {"TwoKiloShortSteps", 2.0f, 0.055f, 6.315f, 6.315f, 0.0f, 16, 1090},
    {"TwoKiloLongSteps", 2.0f, 0.1f, 6.400f, 6.400f, 0.0f, 14, 600},
    {"FourKiloShortStepsOvershoots", 4.0f, 0.055f, 5.875f, 6.205f, 0.5400f, 14, 1090},
    {"FourKiloLongStepsOvershoots", 4.0f, 0.1f, 5.900f, 5.900f, 0.4052f, 14, 600},
};

class LocoFiguresTest : public ::testing::TestWithParam<LocoCase> {};

TEST_P(LocoFiguresTest, FiguresAreThoseFuzzysimPrinted) {
    const LocoCase& c = GetParam();
    fuzzy::Project p = FrozenExample("lok.fuz");
    pemrak::RunOptions o;
    o.Start.Masse = c.masse;
    o.Dt = c.dt;
    const pemrak::JudgedRun v = pemrak::RunAndJudge(fuzzy::Controller(p), o);
    ASSERT_TRUE(v.AtRestFrom.has_value());
    ASSERT_TRUE(v.ExactFrom.has_value());
    EXPECT_NEAR(*v.AtRestFrom, c.inRuheAb, 0.0005f);
    EXPECT_NEAR(*v.ExactFrom, c.genauAb, 0.0005f);
    EXPECT_NEAR(v.Figures.OvershootCm, c.ueberschwingen, 0.00005f);
    EXPECT_EQ(v.Figures.SignChanges, c.wechsel);
    EXPECT_EQ(v.Figures.Steps, c.schritte);
    EXPECT_EQ(v.Run.Track.size(), static_cast<std::size_t>(c.schritte) + 1);
    EXPECT_EQ(v.Options.Start.Masse, c.masse);
}

INSTANTIATE_TEST_SUITE_P(Shipped, LocoFiguresTest, ::testing::ValuesIn(kLocoCases),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(VersuchsreiheTest, EveryMassWithEveryStepMassesOutside) {
    fuzzy::Project p = FrozenExample("lok.fuz");
    pemrak::RunOptions basis;
    basis.Start.Reibung = 2.5f;
    basis.Start.AbstandCm = 80.0f;
    basis.MaxTime = 5.0f;
    const auto reihe = pemrak::RunSeries(fuzzy::Controller(p), basis, pemrak::LabMasses(), pemrak::LabSteps());
    ASSERT_EQ(reihe.size(), 6u);
    const float massen[] = {1, 1, 2, 2, 4, 4};
    const float schritte[] = {0.055f, 0.1f, 0.055f, 0.1f, 0.055f, 0.1f};
    for (std::size_t i = 0; i < reihe.size(); ++i) {
        EXPECT_EQ(reihe[i].Options.Start.Masse, massen[i]) << i;
        EXPECT_EQ(reihe[i].Options.Dt, schritte[i]) << i;
        // friction, distance and time limit come from the basis
        EXPECT_EQ(reihe[i].Options.Start.Reibung, 2.5f);
        EXPECT_FLOAT_EQ(reihe[i].Run.Track.front().sCm, 80.0f);
        EXPECT_LT(reihe[i].Figures.EndT, 5.2f);
    }
}

TEST(VersuchsreiheTest, ASetCancelFlagMakesNoFurtherRun) {
    fuzzy::Project p = FrozenExample("lok.fuz");
    std::atomic<bool> cancel{true};
    EXPECT_TRUE(pemrak::RunSeries(fuzzy::Controller(p), {}, pemrak::LabMasses(), pemrak::LabSteps(), &cancel).empty());
}

}  // namespace
