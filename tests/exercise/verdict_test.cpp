// A verdict never contradicts the figures it shows, its reasons show their
// figures as the criterion does, and a truck that crawls to the line is not
// counted as docked.
#include "exercise/Check.h"
#include "exercise/Reader.h"
#include "lab/TruckLab.h"
#include "lab/Wording.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kExercises = FUZZY_SOURCE_DIR "/examples/aufgaben/";

const exercise::CriterionResult& Find(const exercise::CheckResult& r, const std::string& id) {
    for (const auto& c : r.Criteria)
        if (c.Id == id) return c;
    throw std::runtime_error("no criterion " + id);
}

struct ShownCase {
    const char* fault;
    const char* exercise;
    const char* attempt;
    const char* id;
    double offset;  // the limit: the measured figure as shown, moved by this
    bool passes;
};

class ShownTest : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownTest, VerdictAgreesWithTheFiguresShown) {
    const ShownCase& c = GetParam();
    exercise::Exercise e = exercise::ReadExercise(kExercises + c.exercise);
    const fuzzy::Project p = fuzzy::LoadProject(kExercises + c.attempt);
    const double measured = Find(exercise::Check(e, p, {}), c.id).Measured;
    const float limit = static_cast<float>(lab::AsShown(measured, 2) + c.offset);
    if (std::string(c.id) == "loco.rest")
        e.Loco[0].RestWithin = limit;
    else
        e.Loco[0].MaxOvershootCm = limit;
    const exercise::CheckResult result = exercise::Check(e, p, {});
    const exercise::CriterionResult& r = Find(result, c.id);
    EXPECT_EQ(r.Passed, c.passes) << exercise::Summary(r);
    // A failure names the worst run with the figure the summary shows.
    if (!r.Passed) {
        const std::string figure = exercise::FigureText(r, r.Measured);
        bool named = false;
        for (const std::string& why : r.Reasons) named = named || why.find(figure) != std::string::npos;
        EXPECT_TRUE(named) << figure << " in " << r.Reasons.front();
    }
}

INSTANTIATE_TEST_SUITE_P(Exercise, ShownTest,
                         testing::Values(ShownCase{"RestTimeEqualAsShownPasses", "03_lok_tabelle.fuzaufgabe",
                                                   "03_lok_tabelle.falsch.fuz", "loco.rest", 0.0, true},
                                         ShownCase{"RestTimeAHundredthLateFails", "03_lok_tabelle.fuzaufgabe",
                                                   "03_lok_tabelle.falsch.fuz", "loco.rest", -0.01, false},
                                         ShownCase{"OvershootEqualAsShownPasses", "06_schnelle_lok.fuzaufgabe",
                                                   "06_schnelle_lok.loesung.fuz", "loco.overshoot", 0.0, true},
                                         ShownCase{"OvershootAHundredthBeyondFails", "06_schnelle_lok.fuzaufgabe",
                                                   "06_schnelle_lok.loesung.fuz", "loco.overshoot", -0.01, false}),
                         [](const testing::TestParamInfo<ShownCase>& i) { return std::string(i.param.fault); });

// Exercise 05's solution without its centre rule: from (-20 m, 40°) the truck
// reaches the line only by crawling, the steering pinned near a stop.
struct CrawlCase {
    const char* fault;
    std::optional<float> maxDockSeconds;
    bool counted;
};

class CrawlTest : public testing::TestWithParam<CrawlCase> {};

TEST_P(CrawlTest, CountsAsDockedOnlyInTime) {
    exercise::Exercise e = exercise::ReadExercise(kExercises + "05_truck_12_regeln.fuzaufgabe");
    fuzzy::Project p = fuzzy::LoadProject(kExercises + "05_truck_12_regeln.loesung.fuz");
    p.Rules.Set(2, 2, 0);  // the cell null/null
    exercise::TruckCheck& t = e.Truck[0];
    t.Speeds = {-1.0f};
    t.MinDocked = 164;
    t.MaxDockSeconds = GetParam().maxDockSeconds;
    std::size_t crawl = 0;
    while (!(dorvane::GridStarts()[crawl].CabX == -20.0f && dorvane::GridStarts()[crawl].Attitude == 40.0f)) ++crawl;
    lab::TruckRequest only;
    only.Starts = {dorvane::GridStarts()[crawl]};
    ASSERT_EQ(lab::RunTrucks(p, only).Runs.front().Verdict, lab::TruckVerdict::DockedSlowly);

    const exercise::CheckResult result = exercise::Check(e, p, {});
    const exercise::CriterionResult& docked = Find(result, "truck.docked");
    bool named = false;
    for (const exercise::StartRef& s : docked.Starts) named = named || s.Index == static_cast<int>(crawl);
    EXPECT_EQ(named, !GetParam().counted);
}

INSTANTIATE_TEST_SUITE_P(Exercise, CrawlTest,
                         testing::Values(CrawlCase{"CrawlIsNoDocking", std::nullopt, false},
                                         CrawlCase{"ALongLimitCountsTheCrawl", 400.0f, true},
                                         CrawlCase{"AShortLimitCountsNoRunAtAll", 5.0f, false}),
                         [](const testing::TestParamInfo<CrawlCase>& i) { return std::string(i.param.fault); });

}  // namespace
