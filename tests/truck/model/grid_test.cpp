// The truck's grid runs give the figures `fuzzysim truck --grid` printed for
// these projects before the runs moved into the model library.
#include "truck/model/Grid.h"

#include "tests/support/FrozenExamples.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>

namespace {

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
    fuzzy::Project p = FrozenExample(g.file);
    const dorvane::GridRun run = dorvane::RunGrid(fuzzy::Controller(p), g.speed, false);
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
    fuzzy::Project p = FrozenExample("truck.fuz");
    const dorvane::GridRun with = dorvane::RunGrid(fuzzy::Controller(p), -10.0f, true);
    const dorvane::GridRun without = dorvane::RunGrid(fuzzy::Controller(p), -10.0f, false);
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
    fuzzy::Project p = FrozenExample("truck.fuz");
    std::atomic<bool> cancel{true};
    const dorvane::GridRun g = dorvane::RunGrid(fuzzy::Controller(p), -1.0f, true, dorvane::DefaultMaxSteps, &cancel);
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

}  // namespace
