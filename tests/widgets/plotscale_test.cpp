// The one round step behind the marks of the labs' diagrams and the
// Kennfeld's legend and contour levels.
#include "widgets/PlotScale.h"

#include <gtest/gtest.h>

namespace {

struct StepCase {
    const char* name;
    double raw;
    bool withQuarter;  // {1, 2, 2.5, 5} as the Kennfeld; otherwise {1, 2, 5} as the labs
    double step;
};

class RoundStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(RoundStepTest, GivesTheSmallestRoundStepNotBelowTheRawOne) {
    const StepCase& c = GetParam();
    const double step = c.withQuarter ? widgets::plotscale::RoundStep(c.raw, {1.0, 2.0, 2.5, 5.0})
                                      : widgets::plotscale::RoundStep(c.raw, {1.0, 2.0, 5.0});
    EXPECT_DOUBLE_EQ(step, c.step);
    EXPECT_GE(step, c.raw);
}

INSTANTIATE_TEST_SUITE_P(Steps, RoundStepTest,
                         ::testing::Values(StepCase{"ExactPowerStays", 1.0, false, 1.0},
                                           StepCase{"JustAboveAPowerDoubles", 1.01, false, 2.0},
                                           StepCase{"BetweenTwoAndFiveGivesFive", 3.0, false, 5.0},
                                           StepCase{"AboveFiveGivesTheNextPower", 6.0, false, 10.0},
                                           StepCase{"SmallFractions", 0.023, false, 0.05},
                                           StepCase{"QuarterStepsWhereAllowed", 2.2, true, 2.5},
                                           StepCase{"NoQuarterStepsForTheLabs", 2.2, false, 5.0},
                                           StepCase{"ExactQuarterStays", 250.0, true, 250.0},
                                           StepCase{"LargeValues", 12000.0, true, 20000.0}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
