// Every shipped exercise: its reference solution passes and its typical
// wrong attempt fails (within what the exercise lets change, so that it is
// judged and not refused), in German and in English alike; no shipped truck
// controller lets a run loop round; and the English example projects carry
// the German ones' numbers.
#include "exercise/Check.h"
#include "exercise/Reader.h"
#include "fuzzy/LanguageScope.h"
#include "fuzzy/NoRuleRegions.h"
#include "truck/model/Grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::string kDir = FUZZY_SOURCE_DIR "/examples/aufgaben/";

struct Shipped {
    const char* name;
    const char* solution;  // the file beside the exercise (.fuz or .fuzantwort)
    const char* wrong;
    const char* wrongFails;  // a criterion the wrong attempt fails
};

exercise::CheckResult Judge(const exercise::Exercise& e, const std::string& file) {
    const bool answers = file.size() > 11 && file.compare(file.size() - 11, 11, ".fuzantwort") == 0;
    const fuzzy::Project p = answers ? e.StartProject() : fuzzy::LoadProject(kDir + file);
    return exercise::Check(e, p, answers ? exercise::ReadAnswers(kDir + file) : exercise::Answers{}, {2, nullptr});
}

class ShippedExercise : public ::testing::TestWithParam<Shipped> {};

TEST_P(ShippedExercise, SolutionPassesWrongAttemptFails) {
    const Shipped& s = GetParam();
    const exercise::Exercise e = exercise::ReadExercise(kDir + s.name + std::string(".fuzaufgabe"));
    EXPECT_FALSE(e.Title.En.empty());
    EXPECT_FALSE(e.Task.En.empty());
    EXPECT_FALSE(e.TeacherNote.De.empty());
    // Where nothing may change, no hint on a place without a firing rule
    // distracts from the task.
    if (e.MayChange.Nothing()) {
        EXPECT_TRUE(fuzzy::FindNoRuleRegions(e.StartProject()).Boxes.empty()) << s.name;
    }
    for (const fuzzy::Language l : {fuzzy::Language::German, fuzzy::Language::English}) {
        fuzzy::LanguageScope scope(l);
        const exercise::CheckResult good = Judge(e, s.solution);
        EXPECT_TRUE(good.Passed()) << s.name;
        for (const auto& c : good.Criteria) EXPECT_TRUE(c.Passed) << s.name << ": " << c.Id;
        const exercise::CheckResult bad = Judge(e, s.wrong);
        EXPECT_EQ(bad.Overall, exercise::Verdict::Failed) << s.name;
        bool named = false;
        for (const auto& c : bad.Criteria) named = named || (!c.Passed && c.Id == s.wrongFails);
        EXPECT_TRUE(named) << s.name << " should fail " << s.wrongFails;
        EXPECT_FALSE(bad.Hints.empty()) << s.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ShippedExercise,
    ::testing::Values(
        Shipped{"01_regelschritt", "01_regelschritt.loesung.fuzantwort", "01_regelschritt.falsch.fuzantwort",
                "hand.firing"},
        Shipped{"02_termdiagramm", "02_termdiagramm.loesung.fuzantwort", "02_termdiagramm.falsch.fuzantwort",
                "hand.membership"},
        Shipped{"03_lok_tabelle", "03_lok_tabelle.loesung.fuz", "03_lok_tabelle.falsch.fuz", "loco.overshoot"},
        Shipped{"04_luecke", "04_luecke.loesung.fuz", "04_luecke.falsch.fuz", "coverage"},
        Shipped{"05_truck_12_regeln", "05_truck_12_regeln.loesung.fuz", "05_truck_12_regeln.falsch.fuz", "coverage"},
        Shipped{"06_schnelle_lok", "06_schnelle_lok.loesung.fuz", "06_schnelle_lok.falsch.fuz", "loco.overshoot"},
        Shipped{"07_tuner_vergleich", "07_tuner_vergleich.loesung.fuz", "07_tuner_vergleich.falsch.fuz", "loco.rest"},
        Shipped{"08_sv_kurve", "08_sv_kurve.loesung.fuzantwort", "08_sv_kurve.falsch.fuzantwort", "hand.output"}),
    [](const ::testing::TestParamInfo<Shipped>& i) { return std::string(i.param.name).substr(3); });

// The largest angle the body turned away from straight down the road in a
// run, followed step by step from the start. A run records its attitude in
// (-90, 270]; a step across that seam is a small turn, not a jump of 360.
double LargestTurn(const dorvane::RunResult& r) {
    double last = r.Track.front().Attitude;
    double turned = last;
    double largest = std::fabs(turned);
    for (const dorvane::TrackPoint& p : r.Track) {
        turned += std::remainder(static_cast<double>(p.Attitude) - last, 360.0);
        last = p.Attitude;
        largest = std::max(largest, std::fabs(turned));
    }
    return largest;
}

struct ShownTruck {
    const char* name;
    const char* file;      // below examples/
    const char* exercise;  // its speeds; nullptr: the grid's -1 and -10 m/s
};

class ShownTruckRuns : public ::testing::TestWithParam<ShownTruck> {};

// A truck controller a teacher shows never lets a run loop round. A loop
// starts where the body stands across the road (a turn of 90 degrees either
// way): from there on the rear point, which moves along the body, no longer
// heads for the dock. So every run of the grid at the speeds of its exercise
// stays below that turn.
TEST_P(ShownTruckRuns, NoRunTurnsAcrossTheRoad) {
    const ShownTruck& s = GetParam();
    std::vector<float> speeds{-1.0f, -10.0f};
    if (s.exercise) {
        const exercise::Exercise e = exercise::ReadExercise(kDir + s.exercise);
        ASSERT_EQ(e.Truck.size(), 1u);
        speeds = e.Truck.front().Speeds;
    }
    fuzzy::Project p = fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/" + std::string(s.file));
    const fuzzy::Controller c(p);
    for (const float v : speeds) {
        int loops = 0;
        double largest = 0.0;
        for (const dorvane::StartRun& run : dorvane::RunGrid(c, v).Runs) {
            const double turn = LargestTurn(run.Result);
            largest = std::max(largest, turn);
            if (turn >= 90.0) ++loops;
        }
        EXPECT_EQ(loops, 0) << s.file << " at " << v << " m/s, largest turn " << largest << " degrees";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShownTruckRuns,
                         ::testing::Values(ShownTruck{"truck_12_regeln", "aufgaben/05_truck_12_regeln.loesung.fuz",
                                                      "05_truck_12_regeln.fuzaufgabe"},
                                           ShownTruck{"truck", "truck.fuz", nullptr},
                                           ShownTruck{"truck_einachsig", "truck_einachsig.fuz", nullptr}),
                         [](const ::testing::TestParamInfo<ShownTruck>& i) { return std::string(i.param.name); });

bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

class EnglishExample : public ::testing::TestWithParam<const char*> {};

// examples/en holds each example with English names and the same numbers.
TEST_P(EnglishExample, SameNumbersOtherNames) {
    const fuzzy::Project de = fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/" + std::string(GetParam()));
    const fuzzy::Project en = fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/en/" + std::string(GetParam()));
    EXPECT_EQ(de.Rules, en.Rules);
    const fuzzy::TFuzzy* vd[] = {&de.A, &de.B, &de.Out};
    const fuzzy::TFuzzy* ve[] = {&en.A, &en.B, &en.Out};
    for (int v = 0; v < 3; ++v) {
        ASSERT_EQ(vd[v]->Defined, ve[v]->Defined);
        if (!vd[v]->Defined) continue;
        EXPECT_NE(vd[v]->Name, ve[v]->Name);
        ASSERT_EQ(vd[v]->TermCount, ve[v]->TermCount);
        EXPECT_TRUE(SameBits(vd[v]->RangeMin, ve[v]->RangeMin) && SameBits(vd[v]->RangeMax, ve[v]->RangeMax));
        for (int i = 1; i <= vd[v]->UsedTerms(); ++i)
            for (int j = 1; j <= 5; ++j) EXPECT_TRUE(SameBits(vd[v]->GetParam(i, j), ve[v]->GetParam(i, j)));
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, EnglishExample,
                         ::testing::Values("beispiel.fuz", "heizung.fuz", "lok.fuz", "truck.fuz",
                                           "truck_einachsig.fuz"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                             std::string n = i.param;
                             return n.substr(0, n.find('.'));
                         });

}  // namespace
