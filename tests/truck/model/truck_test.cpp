// The truck's kinematics: heading quadrants and their borders, placing,
// straight steps, steps longer than the body, and what Draw hands the plot.
#include "truck/model/Truck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using dorvane::TPointF;
using dorvane::TTruck;

namespace {

constexpr float HalfPi = 1.5707964f;
constexpr float Pi = 3.1415927f;
constexpr float ThreeHalfPi = 4.712389f;
constexpr float TwoPi = 6.2831855f;

TTruck Body(float rearX, float rearY, float cabX, float cabY) {
    TTruck t;
    t.RearX = rearX;
    t.RearY = rearY;
    t.CabX = cabX;
    t.CabY = cabY;
    return t;
}

float BodyLength(const TTruck& t) {
    return static_cast<float>(std::hypot(static_cast<double>(t.CabX) - t.RearX, static_cast<double>(t.CabY) - t.RearY));
}

// The truck of the teaching start: cab (-10, 25), pointing straight up, 10 m long.
TTruck StartTruck(float speed, float steering = 0.0f) {
    TTruck t;
    t.CabX = -10.0f;
    t.CabY = 25.0f;
    t.StartHeading = HalfPi;
    t.Speed = speed;
    t.Place(10.0f);
    t.Steering = steering;
    return t;
}

struct HeadingCase {
    const char* name;
    float rearX, rearY, cabX, cabY;
    float expected;
};

class Heading : public testing::TestWithParam<HeadingCase> {};

TEST_P(Heading, GivesTheAngleOfTheBody) {
    const HeadingCase& c = GetParam();
    EXPECT_FLOAT_EQ(Body(c.rearX, c.rearY, c.cabX, c.cabY).Heading(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Truck, Heading,
    testing::Values(
        HeadingCase{"StraightUp", 0, 0, 0, 10, HalfPi}, HeadingCase{"StraightDown", 0, 10, 0, 0, ThreeHalfPi},
        HeadingCase{"CoincidentPoints", 3, 3, 3, 3, ThreeHalfPi},
        HeadingCase{"DxAtTheVerticalBorderCountsAsVertical", 0, 0, 0.00001f, 10, HalfPi},
        HeadingCase{"NegativeDxAtTheBorderCountsAsVertical", 0, 10, -0.00001f, 0, ThreeHalfPi},
        HeadingCase{"DxJustBeyondTheBorderIsNotVertical", 0, 0, 0.0000101f, 10,
                    static_cast<float>(std::atan(10.0 / 0.0000101f))},
        HeadingCase{"ExactlyRightIsTwoPiNotZero", 0, 0, 10, 0, TwoPi}, HeadingCase{"ExactlyLeftIsPi", 0, 0, -10, 0, Pi},
        HeadingCase{"FirstQuadrant", 0, 0, 1, 1, Pi / 4}, HeadingCase{"SecondQuadrant", 0, 0, -1, 1, 3 * Pi / 4},
        HeadingCase{"ThirdQuadrant", 0, 0, -1, -1, 5 * Pi / 4}, HeadingCase{"FourthQuadrant", 0, 0, 1, -1, 7 * Pi / 4}),
    [](const testing::TestParamInfo<HeadingCase>& i) { return std::string(i.param.name); });

TEST(TruckPlace, PutsTheRearPointBehindTheCab) {
    const TTruck t = StartTruck(-1.0f);
    EXPECT_FLOAT_EQ(t.Length, 10.0f);
    EXPECT_NEAR(t.RearX, -10.0f, 1e-6f);
    EXPECT_FLOAT_EQ(t.RearY, 15.0f);
    EXPECT_FLOAT_EQ(t.Heading(), HalfPi);
}

struct StepCase {
    const char* name;
    float speed;
    float cabY, rearY;
};

class StraightStep : public testing::TestWithParam<StepCase> {};

TEST_P(StraightStep, RearFollowsTheCabByTheSameDistance) {
    const StepCase& c = GetParam();
    TTruck t = StartTruck(c.speed);
    t.Step(0.1f);
    EXPECT_NEAR(t.CabX, -10.0f, 1e-5f);
    EXPECT_FLOAT_EQ(t.CabY, c.cabY);
    EXPECT_NEAR(t.RearX, -10.0f, 1e-5f);
    EXPECT_NEAR(t.RearY, c.rearY, 2e-6f);
}

INSTANTIATE_TEST_SUITE_P(Truck, StraightStep,
                         testing::Values(StepCase{"Backwards", -1.0f, 24.9f, 14.9f},
                                         StepCase{"Forwards", 1.0f, 25.1f, 15.1f},
                                         StepCase{"BackwardsAtTenMetresPerSecond", -10.0f, 24.0f, 14.0f}),
                         [](const testing::TestParamInfo<StepCase>& i) { return std::string(i.param.name); });

TEST(TruckStep, SteeringTurnsTheBodyAndKeepsItsLength) {
    // Backing with the wheel turned left (positive) swings the cab's end to the
    // left, i.e. the body turns clockwise and the heading drops below pi/2.
    TTruck t = StartTruck(-1.0f, 0.31415927f);
    for (int i = 0; i < 50; ++i) t.Step(0.1f);
    EXPECT_LT(t.Heading(), HalfPi);
    EXPECT_LT(t.RearX, -10.0f);
    EXPECT_NEAR(BodyLength(t), 10.0f, 1e-3f);
}

TEST(TruckStep, AStepJustShorterThanTheBodyIsOneMove) {
    TTruck split = StartTruck(-99.0f, 0.5f);
    TTruck single = split;
    split.Step(0.1f);
    single.PredictCab(0.1f);
    single.MoveCab(single.NextCab);
    EXPECT_EQ(split.CabX, single.CabX);
    EXPECT_EQ(split.CabY, single.CabY);
    EXPECT_EQ(split.RearX, single.RearX);
    EXPECT_EQ(split.RearY, single.RearY);
}

struct LongStepCase {
    const char* name;
    float speed;
    float steering;
};

class LongStep : public testing::TestWithParam<LongStepCase> {};

// Unsplit, these steps leave the rear point without a place on the body line
// (no real root) and the truck's coordinates would become NaN.
TEST_P(LongStep, StaysFiniteAndKeepsTheBody) {
    const LongStepCase& c = GetParam();
    TTruck t = StartTruck(c.speed, c.steering);
    for (int i = 0; i < 3; ++i) t.Step(0.1f);
    ASSERT_TRUE(std::isfinite(t.RearX) && std::isfinite(t.RearY) && std::isfinite(t.CabX) && std::isfinite(t.CabY));
    EXPECT_NEAR(BodyLength(t) / 10.0f, 1.0f, 1e-3f);
}

INSTANTIATE_TEST_SUITE_P(Truck, LongStep,
                         testing::Values(LongStepCase{"ExactlyTheBody", -100.0f, 0.3f},
                                         LongStepCase{"LongerBackwardsSteered", -150.0f, 0.6f},
                                         LongStepCase{"LongerForwardsSteered", 400.0f, -1.2f},
                                         LongStepCase{"SteeredAcrossTheBody", -250.0f, 1.5707964f},
                                         LongStepCase{"FarBeyondThePartLimit", -1.0e7f, 0.3f}),
                         [](const testing::TestParamInfo<LongStepCase>& i) { return std::string(i.param.name); });

TEST(TruckStep, ALongStraightStepMovesLikeManyShortOnes) {
    TTruck t = StartTruck(-150.0f);
    t.Step(0.1f);
    EXPECT_NEAR(t.CabX, -10.0f, 1e-4f);
    EXPECT_NEAR(t.CabY, 10.0f, 1e-4f);
    EXPECT_NEAR(t.RearX, -10.0f, 1e-4f);
    EXPECT_NEAR(t.RearY, 0.0f, 1e-4f);
}

TEST(TruckStep, AnEndlessSpeedMovesNothing) {
    for (float speed : {INFINITY, -INFINITY, NAN}) {
        TTruck t = StartTruck(speed, 0.2f);
        const TTruck before = t;
        t.Step(0.1f);
        EXPECT_EQ(t.CabX, before.CabX) << speed;
        EXPECT_EQ(t.CabY, before.CabY) << speed;
        EXPECT_EQ(t.RearX, before.RearX) << speed;
        EXPECT_EQ(t.RearY, before.RearY) << speed;
    }
}

TEST(TruckMoveCab, APointBeyondTheBodyDragsTheRearStraightBehind) {
    TTruck t = StartTruck(-1.0f);
    t.MoveCab({20.0f, 25.0f});  // 30 m to the side of the body line
    EXPECT_FLOAT_EQ(t.CabX, 20.0f);
    EXPECT_NEAR(BodyLength(t), 10.0f, 1e-4f);
    // The rear point lies on the way from the new cab point to where it was.
    const double cross = (static_cast<double>(t.RearX) - 20.0) * (15.0 - 25.0) - (t.RearY - 25.0) * (-10.0 - 20.0);
    EXPECT_NEAR(cross, 0.0, 1e-3);
}

TEST(TruckMoveCab, ABodyWithoutLengthFollowsTheCab) {
    TTruck t;  // all fields 0, never placed
    t.MoveCab({1.0f, 2.0f});
    EXPECT_EQ(t.RearX, 1.0f);
    EXPECT_EQ(t.RearY, 2.0f);
}

struct Stroke {
    bool line;
    float x, y;
};

class RecordingPlot : public fuzzy::IPlot {
public:
    std::vector<Stroke> strokes;
    float x1() const override { return -20.1f; }
    float x2() const override { return 2.0f; }
    float y1() const override { return -25.0f; }
    float y2() const override { return 25.0f; }
    void setX1(float) override {}
    void setX2(float) override {}
    void setY1(float) override {}
    void setY2(float) override {}
    void setStiftart(fuzzy::PenMode) override {}
    void setGraphFarbe(fuzzy::TColor) override {}
    fuzzy::TColor KSFarbe() const override { return {}; }
    void Setx(float) override {}
    int xint() const override { return 0; }
    void Refresh() override {}
    void UpdateScale() override {}
    void DrawAxes() override {}
    void MoveToWorld(float x, float y) override { strokes.push_back({false, x, y}); }
    void LineToWorld(float x, float y) override { strokes.push_back({true, x, y}); }
    void SetFontColour(fuzzy::TColor) override {}
    void TextOut(int, int, const std::string&) override {}
};

TEST(TruckDraw, BodyAndCabStrokeInTheSteeredDirection) {
    TTruck t = Body(1.0f, -29.9f, 1.0f, -19.9f);
    t.Steering = HalfPi;  // the cab stroke points to the left
    RecordingPlot plot;
    t.Draw(plot);
    ASSERT_EQ(plot.strokes.size(), 4u);
    EXPECT_FALSE(plot.strokes[0].line);
    EXPECT_FLOAT_EQ(plot.strokes[0].y, -29.9f);
    EXPECT_TRUE(plot.strokes[1].line);
    EXPECT_FLOAT_EQ(plot.strokes[1].y, -19.9f);
    EXPECT_FALSE(plot.strokes[2].line);
    EXPECT_FLOAT_EQ(plot.strokes[2].x, 1.0f);
    EXPECT_TRUE(plot.strokes[3].line);
    EXPECT_NEAR(plot.strokes[3].x, -1.0f, 1e-5f);
    EXPECT_NEAR(plot.strokes[3].y, -19.9f, 1e-5f);
}

TEST(TruckDraw, NothingOnceTheRearIsWellBelowTheRoad) {
    RecordingPlot plot;
    Body(0.0f, -30.0f, 0.0f, -20.0f).Draw(plot);
    EXPECT_TRUE(plot.strokes.empty());
}

}  // namespace
