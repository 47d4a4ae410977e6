// The shared closed-loop runs: the truck grid and the locomotive's runs give
// the figures `fuzzysim truck --grid` and `fuzzysim loco` printed for these
// projects before the runs moved into the model libraries.
#include "Grid.h"
#include "LocoVersuch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>

namespace {

struct Loaded {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable Rules;
    explicit Loaded(const std::string& name) {
        fuzzy::LoadProject(std::string(FUZZY_TEST_DATA) + "/" + name, A, B, Out, Rules);
    }
    dorvane::Controller Truck() { return {A, B, Out, Rules}; }
    pemrak::FuzzyRegler Lok() { return {A, B, Out, Rules}; }
};

struct GridCase {
    const char* name;
    const char* file;
    float speed;
    int arrived, docked, mustKeepRoad, keptRoad;
    double worstX, worstAttitude;  // as printed: 4 and 3 decimals
    int mostSteps;
};

const GridCase kGridCases[] = {
    {"TruckAtMinus1", "truck.fuz", -1.0f, 164, 164, 155, 155, 0.0011, 0.078, 684},
    {"TruckAtMinus10", "truck.fuz", -10.0f, 164, 164, 155, 155, 0.0030, 0.043, 71},
    {"TruckForwardsNeverDocks", "truck.fuz", 1.0f, 157, 0, 155, 148, 57.4531, 180.166, 5000},
    {"OneInputLeavesTheRoad", "truck_einachsig.fuz", -1.0f, 164, 1, 155, 57, 35.6412, 41.604, 578},
};

class GridFiguresTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridFiguresTest, FiguresAreThoseFuzzysimPrinted) {
    const GridCase& g = GetParam();
    Loaded p(g.file);
    const dorvane::GridRun run = dorvane::RunGrid(p.Truck(), g.speed, false);
    const dorvane::GridFigures& f = run.Figures;
    EXPECT_FALSE(run.Cancelled);
    EXPECT_EQ(run.Speed, g.speed);
    EXPECT_EQ(f.Starts, 164);
    EXPECT_EQ(f.Arrived, g.arrived);
    EXPECT_EQ(f.Docked, g.docked);
    EXPECT_EQ(f.MustKeepRoad, g.mustKeepRoad);
    EXPECT_EQ(f.KeptRoad, g.keptRoad);
    EXPECT_EQ(f.LeftRoad(), g.mustKeepRoad - g.keptRoad);
    EXPECT_NEAR(f.WorstX, g.worstX, 0.00005);
    EXPECT_NEAR(f.WorstAttitude, g.worstAttitude, 0.0005);
    EXPECT_EQ(f.MostSteps, g.mostSteps);
    EXPECT_EQ(f.AllDocked(), g.docked == 164);
}

INSTANTIATE_TEST_SUITE_P(Shipped, GridFiguresTest, ::testing::ValuesIn(kGridCases),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(GridRunTest, TrajectoriesHoldEveryStepAndDoNotChangeTheFigures) {
    Loaded p("truck.fuz");
    const dorvane::GridRun with = dorvane::RunGrid(p.Truck(), -10.0f, true);
    const dorvane::GridRun without = dorvane::RunGrid(p.Truck(), -10.0f, false);
    ASSERT_EQ(with.Runs.size(), without.Runs.size());
    for (std::size_t i = 0; i < with.Runs.size(); ++i) {
        const auto& r = with.Runs[i].Result;
        ASSERT_EQ(r.Track.size(), static_cast<std::size_t>(r.Steps) + 1) << i;
        EXPECT_TRUE(without.Runs[i].Result.Track.empty());
        // The last point is where the run ended, the first where it started.
        EXPECT_EQ(r.Track.back().RearX, r.X);
        EXPECT_EQ(r.Track.front().RearX, with.Runs[i].StartRearX);
        EXPECT_EQ(r.X, without.Runs[i].Result.X);
    }
    EXPECT_EQ(with.Figures.Docked, without.Figures.Docked);
    EXPECT_EQ(with.Figures.WorstX, without.Figures.WorstX);
}

TEST(GridRunTest, ASetCancelFlagRunsNoFurtherStart) {
    Loaded p("truck.fuz");
    std::atomic<bool> cancel{true};
    const dorvane::GridRun g = dorvane::RunGrid(p.Truck(), -1.0f, true, dorvane::DefaultMaxSteps, &cancel);
    EXPECT_TRUE(g.Cancelled);
    EXPECT_TRUE(g.Runs.empty());
    EXPECT_EQ(g.Figures.Starts, 0);
}

TEST(GridRunTest, FiguresCountOnlyArrivedRunsForTheWorstEnd) {
    std::vector<dorvane::StartRun> runs(2);
    runs[0].Result.Arrived = true;
    runs[0].Result.X = -0.5f;
    runs[0].Result.Attitude = 3.0f;
    runs[1].Result.Arrived = false;  // ends far away: not an end position
    runs[1].Result.X = 40.0f;
    runs[1].Result.Attitude = -170.0f;
    runs[1].Result.Steps = 9;
    runs[1].Quality.MustKeepRoad = true;
    runs[1].Quality.KeptRoad = false;
    const dorvane::GridFigures f = dorvane::Figures(runs);
    EXPECT_EQ(f.Arrived, 1);
    EXPECT_DOUBLE_EQ(f.WorstX, 0.5);
    EXPECT_DOUBLE_EQ(f.WorstAttitude, 3.0);
    EXPECT_EQ(f.LeftRoad(), 1);
    EXPECT_EQ(f.MostSteps, 9);
    EXPECT_EQ(f.Docked, 0);
}

struct LocoCase {
    const char* name;
    float masse, dt;
    float inRuheAb, genauAb, ueberschwingen;
    int wechsel, schritte;
};

// fuzzysim loco lok.fuz --mass M --dt DT, as printed.
const LocoCase kLocoCases[] = {
    {"OneKiloShortSteps", 1.0f, 0.055f, 6.535f, 6.535f, 0.0f, 12, 1091},
    {"OneKiloLongSteps", 1.0f, 0.1f, 6.700f, 6.700f, 0.0f, 10, 601},
    {"TwoKiloShortSteps", 2.0f, 0.055f, 6.315f, 6.315f, 0.0f, 16, 1091},
    {"TwoKiloLongSteps", 2.0f, 0.1f, 6.400f, 6.400f, 0.0f, 14, 601},
    {"FourKiloShortStepsOvershoots", 4.0f, 0.055f, 5.875f, 6.205f, 0.5400f, 14, 1091},
    {"FourKiloLongStepsOvershoots", 4.0f, 0.1f, 5.900f, 5.900f, 0.4052f, 14, 601},
};

class LocoFiguresTest : public ::testing::TestWithParam<LocoCase> {};

TEST_P(LocoFiguresTest, FiguresAreThoseFuzzysimPrinted) {
    const LocoCase& c = GetParam();
    Loaded p("lok.fuz");
    pemrak::LaufOptionen o;
    o.Start.Masse = c.masse;
    o.Dt = c.dt;
    const pemrak::Versuch v = pemrak::Fahre(p.Lok(), o);
    ASSERT_TRUE(v.InRuheAb.has_value());
    ASSERT_TRUE(v.GenauAb.has_value());
    EXPECT_NEAR(*v.InRuheAb, c.inRuheAb, 0.0005f);
    EXPECT_NEAR(*v.GenauAb, c.genauAb, 0.0005f);
    EXPECT_NEAR(v.Zahlen.UeberschwingenCm, c.ueberschwingen, 0.00005f);
    EXPECT_EQ(v.Zahlen.Vorzeichenwechsel, c.wechsel);
    EXPECT_EQ(v.Zahlen.Schritte, c.schritte);
    EXPECT_EQ(v.Fahrt.Verlauf.size(), static_cast<std::size_t>(c.schritte) + 1);
    EXPECT_EQ(v.Optionen.Start.Masse, c.masse);
}

INSTANTIATE_TEST_SUITE_P(Shipped, LocoFiguresTest, ::testing::ValuesIn(kLocoCases),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(VersuchsreiheTest, EveryMassWithEveryStepMassesOutside) {
    Loaded p("lok.fuz");
    pemrak::LaufOptionen basis;
    basis.Start.Reibung = 2.5f;
    basis.Start.AbstandCm = 80.0f;
    basis.MaxZeit = 5.0f;
    const auto reihe = pemrak::Versuchsreihe(p.Lok(), basis, pemrak::LaborMassen(), pemrak::LaborSchritte());
    ASSERT_EQ(reihe.size(), 6u);
    const float massen[] = {1, 1, 2, 2, 4, 4};
    const float schritte[] = {0.055f, 0.1f, 0.055f, 0.1f, 0.055f, 0.1f};
    for (std::size_t i = 0; i < reihe.size(); ++i) {
        EXPECT_EQ(reihe[i].Optionen.Start.Masse, massen[i]) << i;
        EXPECT_EQ(reihe[i].Optionen.Dt, schritte[i]) << i;
        // friction, distance and time limit come from the basis
        EXPECT_EQ(reihe[i].Optionen.Start.Reibung, 2.5f);
        EXPECT_FLOAT_EQ(reihe[i].Fahrt.Verlauf.front().sCm, 80.0f);
        EXPECT_LT(reihe[i].Zahlen.EndeT, 5.2f);
    }
}

TEST(VersuchsreiheTest, ASetCancelFlagMakesNoFurtherRun) {
    Loaded p("lok.fuz");
    std::atomic<bool> cancel{true};
    EXPECT_TRUE(pemrak::Versuchsreihe(p.Lok(), {}, pemrak::LaborMassen(), pemrak::LaborSchritte(), &cancel).empty());
}

}  // namespace
