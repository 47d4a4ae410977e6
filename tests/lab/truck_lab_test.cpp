// The truck's runs as every front end makes them: one verdict per run, the
// same runs from any number of threads, cancelling, and the places where no
// rule fires.
#include "lab/TruckLab.h"

#include "fuzzy/Project.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

fuzzy::Project Load(const std::string& name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/tests/data/" + name);
}

struct VerdictCase {
    const char* fault;
    bool arrived;
    float x;
    bool leftRoad;
    float startRearX;
    int steps;
    lab::TruckVerdict expected;
};

class VerdictTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictTest, JudgesTheRun) {
    const VerdictCase& c = GetParam();
    dorvane::StartRun r;
    r.Result.Arrived = c.arrived;
    r.Result.X = c.x;
    r.Result.LeftRoad = c.leftRoad;
    r.Result.Steps = c.steps;
    r.StartRearX = c.startRearX;
    r.Quality = dorvane::Judge(r.Result, r.StartRearX);
    EXPECT_EQ(lab::Judge(r, -1.0f), c.expected);
    EXPECT_EQ(lab::Docked(c.expected), r.Quality.Good());
}

using V = lab::TruckVerdict;
INSTANTIATE_TEST_SUITE_P(
    Lab, VerdictTest,
    testing::Values(VerdictCase{"Docked", true, 0.05f, false, -5.0f, 400, V::Docked},
                    VerdictCase{"LeavingTheRoadBeatsMissing", false, 3.0f, true, -5.0f, 5000, V::LeftRoad},
                    VerdictCase{"LeavingTheRoadBeatsInexact", true, 0.5f, true, -5.0f, 400, V::LeftRoad},
                    VerdictCase{"OffRoadFromBeyondTheVergeStillDocks", true, 0.0f, true, 1.0f, 400, V::DockedOffRoad},
                    VerdictCase{"CrawlIsNamed", true, 0.0f, false, -5.0f, 2001, V::DockedSlowly},
                    VerdictCase{"UsualTimeIsNoCrawl", true, 0.0f, false, -5.0f, 2000, V::Docked},
                    VerdictCase{"ArrivedBesideTheLine", true, 0.2f, false, -5.0f, 400, V::Inexact},
                    VerdictCase{"NeverArrived", false, 0.0f, false, -5.0f, 5000, V::NotArrived}),
    [](const testing::TestParamInfo<VerdictCase>& i) { return std::string(i.param.fault); });

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(TruckLab, ThreadsGiveTheSameRuns) {
    const fuzzy::Project p = Load("truck.fuz");
    lab::TruckRequest one;
    one.Threads = 1;
    one.Speed = -10.0f;
    lab::TruckRequest four = one;
    four.Threads = 4;
    const lab::TruckSet a = lab::RunTrucks(p, one), b = lab::RunTrucks(p, four);
    ASSERT_EQ(a.Runs.size(), 164u);
    ASSERT_EQ(a.Runs.size(), b.Runs.size());
    for (std::size_t i = 0; i < a.Runs.size(); ++i) {
        EXPECT_EQ(a.Runs[i].Verdict, b.Runs[i].Verdict) << i;
        EXPECT_EQ(a.Runs[i].Run.Result.Steps, b.Runs[i].Run.Result.Steps) << i;
        EXPECT_TRUE(SameBits(a.Runs[i].Run.Result.X, b.Runs[i].Run.Result.X)) << i;
    }
    EXPECT_EQ(a.Figures.Grid.Docked, b.Figures.Grid.Docked);
}

TEST(TruckLab, ASetCancelledBeforeItsStartRunsNothing) {
    std::atomic<bool> cancel{true};
    lab::TruckRequest r;
    r.Cancel = &cancel;
    const lab::TruckSet s = lab::RunTrucks(Load("truck.fuz"), r);
    EXPECT_TRUE(s.Cancelled);
    EXPECT_TRUE(s.Runs.empty());
    EXPECT_EQ(s.Figures.Grid.Starts, 0);
}

TEST(TruckLab, AProjectWithoutOutputRunsNothing) {
    fuzzy::Project p = Load("truck.fuz");
    p.Out.Defined = false;
    EXPECT_FALSE(lab::RunTrucks(p, {}).Defined);
}

// Emptying the table's inner columns leaves places where no rule fires: the runs that
// reach them are counted, at the start or on the way; the shipped one has none.
TEST(TruckLab, CountsRunsThroughPlacesWithoutAFiringRule) {
    fuzzy::Project p = Load("truck.fuz");
    const lab::TruckSet whole = lab::RunTrucks(p, {});
    EXPECT_EQ(whole.Figures.NoRule(), 0);
    for (int row = 1; row <= 5; ++row)
        for (int col = 2; col <= 4; ++col) p.Rules.Set(row, col, 0);
    const lab::TruckSet holed = lab::RunTrucks(p, {});
    EXPECT_GT(holed.Figures.NoRuleAtStart, 0);
    EXPECT_GT(holed.Figures.NoRule(), holed.Figures.NoRuleAtStart);
    EXPECT_EQ(holed.Fallback, p.Out.RangeMin);
}

TEST(TruckLab, DroppedTracksKeepTheVerdicts) {
    lab::TruckRequest r;
    r.KeepTracks = false;
    const lab::TruckSet s = lab::RunTrucks(Load("truck.fuz"), r);
    const lab::TruckSet kept = lab::RunTrucks(Load("truck.fuz"), {});
    ASSERT_EQ(s.Runs.size(), kept.Runs.size());
    for (std::size_t i = 0; i < s.Runs.size(); ++i) {
        EXPECT_TRUE(s.Runs[i].Run.Result.Track.empty());
        EXPECT_EQ(s.Runs[i].Verdict, kept.Runs[i].Verdict);
    }
}

}  // namespace
