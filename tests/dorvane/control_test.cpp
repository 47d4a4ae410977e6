// The control loop without a window: placing, the values shown, a run's end,
// the grid, and the quality of the shipped controller.
#include "Control.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace dorvane;

namespace {

TEST(ControlPlace, GivenStartShowsTheRearPointsDistance)
{
    TTruck t;
    PlaceTruck(t, -5.0f, HeadingForAttitude(10.0f), -1.0f);
    EXPECT_FLOAT_EQ(t.CabX, -5.0f);
    EXPECT_FLOAT_EQ(t.CabY, 25.0f);
    EXPECT_NEAR(Attitude(t), 10.0f, 1e-4f);
    EXPECT_NEAR(t.RearX, -3.2635f, 5e-5f);
    EXPECT_FLOAT_EQ(SteeringDegrees(t), 18.0f);
    EXPECT_EQ(t.Speed, -1.0f);
}

TEST(ControlPlace, RandomHeadingCoversAttitudesFromMinus45To45)
{
    TTruck t;
    PlaceTruck(t, -10.0f, RandomHeading(0.0f), -1.0f);
    EXPECT_NEAR(Attitude(t), -45.0f, 1e-4f);
    PlaceTruck(t, -10.0f, RandomHeading(0.99999994f), -1.0f);
    EXPECT_LE(Attitude(t), 45.0f);
    EXPECT_GT(Attitude(t), 44.99f);
}

struct EmptyController {
    fuzzy::TFuzzy a, b, out;
    fuzzy::RuleTable rules;
    Controller c{a, b, out, rules};
};

TEST(ControlRun, WithoutAProjectTheTruckBacksStraightDown)
{
    EmptyController e;
    const RunResult r = RunFuzzy(e.c, {-10.0f, 0.0f}, -1.0f);
    EXPECT_TRUE(r.Arrived);
    EXPECT_NEAR(r.X, -10.0f, 1e-4f);
    EXPECT_NEAR(r.Attitude, 0.0f, 1e-3f);
    // 40 m from rear y 15 down to -25 at 0.1 m per step.
    EXPECT_GE(r.Steps, 400);
    EXPECT_LE(r.Steps, 401);
    EXPECT_FALSE(r.LeftRoad);
}

TEST(ControlRun, ATruckThatNeverArrivesEndsAtTheStepLimit)
{
    EmptyController e;
    const RunResult r = RunFuzzy(e.c, {-10.0f, 0.0f}, 1.0f, 50, true);
    EXPECT_FALSE(r.Arrived);
    EXPECT_EQ(r.Steps, 50);
    EXPECT_EQ(r.Rear.size(), 51u);
    EXPECT_NEAR(r.Rear.back().y, 20.0f, 1e-3f);
}

TEST(ControlRun, ArrivalCountsFromMinus25Inclusive)
{
    TTruck t;
    t.RearY = -25.0f;
    EXPECT_TRUE(Arrived(t));
    t.RearY = std::nextafter(-25.0f, 0.0f);
    EXPECT_FALSE(Arrived(t));
}

TEST(ControlGrid, KeepsTheStartsWhoseRearPointBeginsOnTheRoad)
{
    const auto starts = GridStarts();
    auto has = [&](float x, float att) {
        for (const auto& s : starts)
            if (s.CabX == x && s.Attitude == att)
                return true;
        return false;
    };
    EXPECT_TRUE(has(-20.0f, 0.0f));
    EXPECT_TRUE(has(-12.0f, -45.0f));   // rear at -19.07
    EXPECT_FALSE(has(-14.0f, -45.0f));  // rear at -21.07, beside the road
    EXPECT_FALSE(has(0.0f, 40.0f));     // rear at 6.4
    EXPECT_TRUE(has(-4.0f, 30.0f));     // rear at 1.0
    for (const auto& s : starts)
        EXPECT_TRUE(OnRoad(RearXAtStart(s))) << s.CabX << " " << s.Attitude;
}

}  // namespace
