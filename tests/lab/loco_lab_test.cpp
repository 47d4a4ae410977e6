// The locomotive's runs as every front end makes them: the model's own runs
// from any number of threads, refusals in words, and where no rule fires.
#include "lab/LocoLab.h"
#include "lab/LocoOptions.h"

#include "fuzzy/Project.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

fuzzy::Project Load(const std::string& name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/tests/data/" + name);
}

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(LocoLab, ThreadsGiveTheModelsOwnRuns) {
    const fuzzy::Project p = Load("lok.fuz");
    lab::LocoRequest r;
    r.Masses = pemrak::LabMasses();
    r.Steps = pemrak::LabSteps();
    r.Threads = 3;
    const lab::LocoSet s = lab::RunLocos(p, r);
    ASSERT_FALSE(s.Error);
    fuzzy::Project copy = p;
    const std::vector<pemrak::JudgedRun> serial = pemrak::RunSeries(fuzzy::Controller(copy), r.Base, r.Masses, r.Steps);
    ASSERT_EQ(s.Runs.size(), serial.size());
    for (std::size_t i = 0; i < serial.size(); ++i) {
        EXPECT_EQ(s.Runs[i].Figures.Steps, serial[i].Figures.Steps) << i;
        EXPECT_TRUE(SameBits(s.Runs[i].Figures.EndSCm, serial[i].Figures.EndSCm)) << i;
        EXPECT_EQ(s.Runs[i].AtRestFrom, serial[i].AtRestFrom) << i;
    }
}

TEST(LocoLab, RefusesInWordsWhatItCannotRun) {
    fuzzy::Project p = Load("lok.fuz");
    lab::LocoRequest r;
    r.Masses = {2.0f, 0.0f};
    EXPECT_TRUE(lab::RunLocos(p, r).Error);
    p.B.Defined = false;
    EXPECT_TRUE(lab::RunLocos(p, {}).Error);
}

// Without the rules of the inner columns no rule fires near the mark: a run
// gets there, and the earliest such moment is named.
TEST(LocoLab, NamesTheFirstPlaceWithoutAFiringRule) {
    fuzzy::Project p = Load("lok.fuz");
    lab::LocoRequest r;
    r.Masses = pemrak::LabMasses();
    EXPECT_FALSE(lab::RunLocos(p, r).NoRuleOnTheWay);
    for (int row = 1; row <= 5; ++row)
        for (int col = 2; col <= 4; ++col) p.Rules.Set(row, col, 0);
    const lab::LocoSet s = lab::RunLocos(p, r);
    ASSERT_FALSE(s.NoRuleAtStart);
    ASSERT_TRUE(s.NoRuleOnTheWay);
    EXPECT_GT(s.NoRuleOnTheWay->T, 0.0f);
}

// `zeit` is the longest a run lasts: a run that does not end by itself stops
// at the last step that ends within it, not one step beyond.
struct TimeCase {
    const char* fault;
    float dt, maxTime;
};

class RunTimeTest : public testing::TestWithParam<TimeCase> {};

TEST_P(RunTimeTest, EndsWithinTheTimeLimit) {
    lab::LocoRequest r;
    r.Base.Dt = GetParam().dt;
    r.Base.MaxTime = GetParam().maxTime;
    const lab::LocoSet s = lab::RunLocos(Load("lok.fuz"), r);
    ASSERT_FALSE(s.Error);
    const pemrak::RunFigures& f = s.Runs.front().Figures;
    ASSERT_FALSE(f.RanOut);
    EXPECT_LE(f.EndT, GetParam().maxTime * (1.0f + 1.0e-6f));
    EXPECT_GT(f.EndT + GetParam().dt, GetParam().maxTime);
}

INSTANTIATE_TEST_SUITE_P(Lab, RunTimeTest,
                         testing::Values(TimeCase{"StepsThatMissTheLimit", 0.055f, 60.0f},
                                         TimeCase{"StepsThatMeetTheLimit", 0.1f, 60.0f},
                                         TimeCase{"ShortRun", 0.03f, 10.0f}),
                         [](const testing::TestParamInfo<TimeCase>& i) { return std::string(i.param.fault); });

struct OptionCase {
    const char* fault;
    std::map<std::string, std::string> given;
    bool refused;
};

class LocoOptionsTest : public testing::TestWithParam<OptionCase> {};

TEST_P(LocoOptionsTest, ReadsOrRefuses) {
    const auto& given = GetParam().given;
    const auto lookup = [&given](std::string_view o) -> std::optional<std::string> {
        const auto it = given.find(std::string(o));
        return it == given.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    if (GetParam().refused)
        EXPECT_THROW(lab::LocoOptions(lookup), lab::OptionError);
    else
        EXPECT_EQ(lab::LocoOptions(lookup).Start.Masse, given.count("--mass") ? 4.5f : 2.0f);
}

INSTANTIATE_TEST_SUITE_P(Lab, LocoOptionsTest,
                         testing::Values(OptionCase{"Fallbacks", {}, false},
                                         OptionCase{"CommaAsDecimalSign", {{"--mass", "4,5"}}, false},
                                         OptionCase{"NotANumber", {{"--mass", "vier"}}, true},
                                         OptionCase{"DistanceZero", {{"--distance", "0"}}, true},
                                         OptionCase{"TooManySteps", {{"--dt", "0.00001"}, {"--time", "3600"}}, true}),
                         [](const testing::TestParamInfo<OptionCase>& i) { return std::string(i.param.fault); });

}  // namespace
