// The tuner's scoring: runs taken over from the parent give the same score as
// running them all, the tuner's locomotive runs are the lab's, and a run that
// never comes to rest is never scored as one that does.
#include "tuning/Evaluation.h"
#include "lab/TruckLab.h"
#include "loco/model/LocoVersuch.h"
#include "tuning/Moves.h"
#include "tuning/Score.h"
#include "fuzzy/Templates.h"
#include "tuning/Tuner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using fuzzy::Project;
using tuning::Evaluation;
using tuning::Score;
using tuning::Vehicle;

Project Load(const std::string& name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/tests/data/" + name);
}

// A template with a rising table, as the tuner's first seed makes it.
Project Even(Project p) {
    tuning::RankedTable(p).Even(p.Rules, 1.0, 1.0, 0.0);
    return p;
}

Project TruckEven() { return Even(fuzzy::TemplateTruck()); }
Project LocoEven() { return Even(fuzzy::TemplateLoco()); }

// --- the templates can succeed ---------------------------------------------------

// With the truck template's terms and its steering range of +-100 degrees,
// every start of the grid can dock at both speeds: a plain rising table does.
TEST(TemplateTest, TruckTemplateDocksEveryStartAtBothSpeeds) {
    Project p = fuzzy::TemplateTruck();
    tuning::RankedTable(p).Even(p.Rules, 1.5, 1.0, 0.0);
    const Score s = tuning::Evaluate(p, Vehicle::Truck);
    ASSERT_TRUE(s.Complete);
    EXPECT_EQ(s.Truck.Grid[0].Docked, 164);
    EXPECT_EQ(s.Truck.Grid[1].Docked, 164);
    EXPECT_EQ(s.Truck.LeftRoad(), 0);
}

// --- runs taken from the parent ---------------------------------------------------

struct ReuseCase {
    const char* name;
    Project (*start)();
    Vehicle vehicle;
    int row, col, entry;  // the changed cell and what it says now (row 0: nothing changes,
                          // row -1: the first cell no run fires)
    bool someTaken;       // some run does not fire the cell
};

const ReuseCase kReuse[] = {
    {"TruckCornerCell", TruckEven, Vehicle::Truck, 1, 5, 5, true},
    {"TruckMiddleCellEveryRunPasses", TruckEven, Vehicle::Truck, 3, 3, 2, false},
    {"TruckCellEmptied", [] { return Load("truck.fuz"); }, Vehicle::Truck, 2, 4, 0, true},
    {"LocoCellEveryRunFires", LocoEven, Vehicle::Loco, 4, 2, 1, false},
    {"LocoCellNoRunFires", LocoEven, Vehicle::Loco, -1, 0, 1, true},
    {"LocoShippedCellNoRunFires", [] { return Load("lok.fuz"); }, Vehicle::Loco, -1, 0, 4, true},
    {"NothingChanged", TruckEven, Vehicle::Truck, 0, 0, 0, true},
};

class ReuseTest : public ::testing::TestWithParam<ReuseCase> {};

TEST_P(ReuseTest, RunsTakenFromTheParentGiveTheScoreOfAllRuns) {
    const ReuseCase& c = GetParam();
    const Project parent = c.start();
    const Evaluation before = tuning::EvaluateRuns(parent, c.vehicle);
    ASSERT_TRUE(before.Result.Complete);
    Project child = parent;
    if (c.row > 0) child.Rules.Set(c.row, c.col, c.entry);
    if (c.row < 0) {
        int k = 0;
        while (k < 25 && (before.Result.Reached >> k & 1u) != 0) ++k;
        ASSERT_LT(k, 25) << "every cell fired";
        child.Rules.Set(k / 5 + 1, k % 5 + 1,
                        c.entry == parent.Rules.Get(k / 5 + 1, k % 5 + 1) ? c.entry + 1 : c.entry);
    }
    const std::uint32_t changed = tuning::ChangedCells(parent.Rules, child.Rules);
    const Evaluation reused = tuning::EvaluateRuns(child, c.vehicle, nullptr, nullptr, &before, changed);
    const Evaluation full = tuning::EvaluateRuns(child, c.vehicle);
    ASSERT_TRUE(full.Result.Complete);
    EXPECT_EQ(reused.Result.Keys, full.Result.Keys);
    EXPECT_EQ(reused.Result.Reached, full.Result.Reached);
    EXPECT_EQ(reused.Fired, full.Fired);
    // The case takes over the runs it means to.
    const int runs = static_cast<int>(full.Fired.size());
    const int toMake = tuning::RunsToMake(c.vehicle, &before, changed);
    if (c.someTaken) {
        EXPECT_LT(toMake, runs);
    } else {
        EXPECT_EQ(toMake, runs);
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, ReuseTest, ::testing::ValuesIn(kReuse),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(ReuseTest, ChangedTermsMakeEveryRunAgain) {
    const Project p = TruckEven();
    const Evaluation e = tuning::EvaluateRuns(p, Vehicle::Truck);
    EXPECT_EQ(tuning::RunsToMake(Vehicle::Truck, &e, tuning::Everything), static_cast<int>(e.Fired.size()));
    EXPECT_EQ(tuning::RunsToMake(Vehicle::Truck, nullptr, 0), static_cast<int>(e.Fired.size()));
}

// --- the tuner's locomotive runs are the lab's -----------------------------------

struct LabCase {
    const char* name;
    Project (*project)();
};

Project Standing();
Project RunningOut();

// Input term heights so large that every step's force is no number: the
// lab ends each run at its first step.
Project NoNumber(Project p) {
    for (int t = 1; t <= p.A.UsedTerms(); ++t) p.A.SetParam(t, fuzzy::ParamH, 3.4e38f);
    for (int t = 1; t <= p.B.UsedTerms(); ++t) p.B.SetParam(t, fuzzy::ParamH, 3.4e38f);
    return p;
}

const LabCase kLab[] = {
    {"Shipped", [] { return Load("lok.fuz"); }},
    {"ForceNoNumber", [] { return NoNumber(Load("lok.fuz")); }},
    {"Template", [] { return fuzzy::TemplateLoco(); }},
    {"EvenTemplate", LocoEven},
    {"StandsStill", Standing},
    {"RunsOut", RunningOut},
};

class LabRunsTest : public ::testing::TestWithParam<LabCase> {};

TEST_P(LabRunsTest, FiguresAreThoseOfTheLabsRuns) {
    Project p = GetParam().project();
    const Score s = tuning::Evaluate(p, Vehicle::Loco);
    ASSERT_TRUE(s.Complete);
    const fuzzy::Controller regler(p);
    const auto runs = pemrak::RunSeries(regler, pemrak::RunOptions{}, pemrak::LabMasses(), pemrak::LabSteps());
    int atRest = 0, mostChanges = 0;
    double latest = 0.0, overshoot = 0.0;
    for (const pemrak::JudgedRun& v : runs) {
        atRest += v.ExactFrom.has_value();
        if (v.ExactFrom) latest = std::max(latest, double(*v.ExactFrom));
        overshoot = std::max(overshoot, double(v.Figures.OvershootCm));
        mostChanges = std::max(mostChanges, v.Figures.SignChanges);
    }
    EXPECT_EQ(s.Loco.Runs, static_cast<int>(runs.size()));
    EXPECT_EQ(s.Loco.AtRest, atRest);
    EXPECT_EQ(s.Loco.LatestRest, latest);
    EXPECT_EQ(s.Loco.Overshoot, overshoot);
    EXPECT_EQ(s.Loco.MostSignChanges, mostChanges);
}

INSTANTIATE_TEST_SUITE_P(Projects, LabRunsTest, ::testing::ValuesIn(kLab),
                         [](const auto& i) { return std::string(i.param.name); });

// --- the tuner's truck runs are the lab's ----------------------------------------

// The tuner drives its own fast loop (it gives up on a truck that is lost);
// what it ranks by, the docked starts and those that leave the road, is what
// lab's verdicts count on the shipped controllers and the templates.
const LabCase kTruckLab[] = {
    {"Shipped", [] { return Load("truck.fuz"); }},
    {"OneInput", [] { return Load("truck_einachsig.fuz"); }},
    {"Template", [] { return fuzzy::TemplateTruck(); }},
    {"EvenTemplate", TruckEven},
};

class TruckLabRunsTest : public ::testing::TestWithParam<LabCase> {};

TEST_P(TruckLabRunsTest, DockedAndLeftRoadAreTheLabsVerdicts) {
    const Project p = GetParam().project();
    const Score s = tuning::Evaluate(p, Vehicle::Truck);
    ASSERT_TRUE(s.Complete);
    for (std::size_t g = 0; g < tuning::TruckSpeeds.size(); ++g) {
        lab::TruckRequest r;
        r.Speed = tuning::TruckSpeeds[g];
        r.KeepTracks = false;
        const lab::TruckSet set = lab::RunTrucks(p, r);
        int docked = 0, left = 0;
        for (const lab::TruckRun& t : set.Runs) {
            docked += lab::Docked(t.Verdict);
            left += t.Verdict == lab::TruckVerdict::LeftRoad;
        }
        EXPECT_EQ(s.Truck.Grid[g].Docked, docked) << r.Speed;
        EXPECT_EQ(s.Truck.Grid[g].LeftRoad(), left) << r.Speed;
    }
}

INSTANTIATE_TEST_SUITE_P(Projects, TruckLabRunsTest, ::testing::ValuesIn(kTruckLab),
                         [](const auto& i) { return std::string(i.param.name); });

// A steering angle or force that is no number ends the scored run there, as
// in the labs: no such run arrives, docks or comes to rest, and every one is
// counted as aborted (a truck driven on with a steering angle of NaN would
// "arrive", its position being no number).
TEST(NoNumberTest, RunsEndAbortedAndCountForNothing) {
    const Score truck = tuning::Evaluate(NoNumber(Load("truck.fuz")), Vehicle::Truck);
    ASSERT_TRUE(truck.Complete);
    for (const auto& g : truck.Truck.Grid) {
        EXPECT_EQ(g.Aborted, g.Starts);
        EXPECT_EQ(g.Arrived, 0);
        EXPECT_EQ(g.Docked, 0);
    }
    const Score loco = tuning::Evaluate(NoNumber(Load("lok.fuz")), Vehicle::Loco);
    ASSERT_TRUE(loco.Complete);
    EXPECT_EQ(loco.Loco.AtRest, 0);
    EXPECT_EQ(loco.Loco.Good, 0);
    EXPECT_TRUE(tuning::Better(tuning::Evaluate(Load("lok.fuz"), Vehicle::Loco), loco));
}

// --- a run that never comes to rest ------------------------------------------------

// One term per input over everything, one output term around 0 N, one rule:
// the locomotive stands at 100 cm for the whole run.
Project Standing() {
    Project p = fuzzy::TemplateLoco();
    for (fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) v->TermCount = 1;
    p.A.SetParam(1, fuzzy::ParamA, -1000.0f);
    p.A.SetParam(1, fuzzy::ParamB, -1000.0f);
    p.A.SetParam(1, fuzzy::ParamC, 1000.0f);
    p.A.SetParam(1, fuzzy::ParamD, 1000.0f);
    p.B.SetParam(1, fuzzy::ParamA, -1000.0f);
    p.B.SetParam(1, fuzzy::ParamB, -1000.0f);
    p.B.SetParam(1, fuzzy::ParamC, 1000.0f);
    p.B.SetParam(1, fuzzy::ParamD, 1000.0f);
    p.Out.SetParam(1, fuzzy::ParamA, -0.1f);
    p.Out.SetParam(1, fuzzy::ParamB, 0.0f);
    p.Out.SetParam(1, fuzzy::ParamC, 0.0f);
    p.Out.SetParam(1, fuzzy::ParamD, 0.1f);
    p.Rules = fuzzy::RuleTable{};
    p.Rules.Set(1, 1, 1);
    return p;
}

// The same with the output term at full force towards the mark: the
// locomotive runs past the mark and out after a few seconds.
Project RunningOut() {
    Project p = Standing();
    p.Out.SetParam(1, fuzzy::ParamA, 2.4f);
    p.Out.SetParam(1, fuzzy::ParamB, 2.5f);
    p.Out.SetParam(1, fuzzy::ParamC, 2.5f);
    p.Out.SetParam(1, fuzzy::ParamD, 2.5f);
    return p;
}

// Full force until close to the mark, then a gentle push: every run comes to
// rest, late.
Project RestingLate() {
    Project p = LocoEven();
    return p;
}

TEST(NeverAtRest, IsNotScoredAsResting) {
    for (const Project& p : {Standing(), RunningOut()}) {
        const Score s = tuning::Evaluate(p, Vehicle::Loco);
        ASSERT_TRUE(s.Complete);
        EXPECT_EQ(s.Loco.AtRest, 0);
        EXPECT_EQ(s.Loco.Good, 0);
        EXPECT_EQ(s.Loco.LatestRest, 0.0) << "a run never at rest has no time of rest";
        EXPECT_NE(tuning::Describe(s).find("kein Lauf kommt zur Ruhe"), std::string::npos) << tuning::Describe(s);
    }
}

// Running out early used to count as coming to rest at its end, and so beat
// standing still: now the overshoot decides between the two.
TEST(NeverAtRest, RunningOutEarlyIsNotBetterThanStandingStill) {
    const Score standing = tuning::Evaluate(Standing(), Vehicle::Loco);
    const Score out = tuning::Evaluate(RunningOut(), Vehicle::Loco);
    ASSERT_GT(out.Loco.Overshoot, 25.0);
    EXPECT_TRUE(tuning::Better(standing, out));
    EXPECT_FALSE(tuning::Better(out, standing));
}

TEST(NeverAtRest, AnyRunAtRestBeatsNone) {
    const Score late = tuning::Evaluate(RestingLate(), Vehicle::Loco);
    ASSERT_GT(late.Loco.AtRest, 0);
    for (const Project& p : {Standing(), RunningOut()})
        EXPECT_TRUE(tuning::Better(late, tuning::Evaluate(p, Vehicle::Loco)));
}

// The reproduction of the fault: from the standing project, a short search
// with terms reports an improvement only where a figure got better.
TEST(NeverAtRest, TuningTheStandingProjectNeverCallsAWorseOneBetter) {
    tuning::Options o;
    o.Kind = Vehicle::Loco;
    o.Terms = true;
    o.MaxRounds = 3;
    o.Seconds = 0;
    o.Seed = 1;
    o.Threads = 2;
    const tuning::Result r = tuning::Tune(Standing(), o);
    if (r.Improvements == 0) {
        EXPECT_FALSE(tuning::Better(r.BestScore, r.Start));
        return;
    }
    const std::string why = tuning::Explain(r.Start, r.BestScore);
    EXPECT_EQ(why.rfind("Besser: ", 0), 0u) << why;
    EXPECT_GE(r.BestScore.Loco.AtRest, r.Start.Loco.AtRest);
    EXPECT_FALSE(r.BestScore.Loco.AtRest == 0 && r.BestScore.Loco.Overshoot > r.Start.Loco.Overshoot) << why;
}

}  // namespace
