// What the tuner's moves may do: monotone tables stay monotone, terms keep
// their meaning (order, side, shoulders, a visible width, the step grid), the
// same seed gives the same project on any number of threads, and the finish
// keeps the score.
#include "tuning/Evaluation.h"
#include "tuning/Finish.h"
#include "tuning/Moves.h"
#include "fuzzy/Project.h"
#include "fuzzy/StepGrid.h"
#include "fuzzy/Templates.h"
#include "tuning/Tuner.h"
#include "tuning/Workers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>

namespace {

using fuzzy::Project;
using tuning::RankedTable;
using tuning::Vehicle;

Project Load(const std::string& name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/tests/data/" + name);
}

tuning::Options Rounds(Vehicle v, bool terms, int rounds, int threads = 1, std::uint64_t seed = 1) {
    tuning::Options o;
    o.Kind = v;
    o.Terms = terms;
    o.MaxRounds = rounds;
    o.Seconds = 0;
    o.Threads = threads;
    o.Seed = seed;
    return o;
}

// --- monotone tables ----------------------------------------------------------------

// A table falling along A where the template's terms run from right to left:
// listed the other way round, the same table in centroid order.
Project Reversed(Project p) {
    fuzzy::TFuzzy a = p.A;
    const int n = p.A.UsedTerms();
    for (int t = 1; t <= n; ++t) {
        a.SetTermName(t, p.A.GetTermName(n + 1 - t));
        for (int k = 1; k <= 5; ++k) a.SetParam(t, k, p.A.GetParam(n + 1 - t, k));
    }
    p.A = a;
    return p;
}

struct TableCase {
    const char* name;
    Project (*project)();
};

const TableCase kTables[] = {
    {"TruckTemplate", fuzzy::TemplateTruck},
    {"LocoTemplate", fuzzy::TemplateLoco},
    {"TermsListedRightToLeft", [] { return Reversed(fuzzy::TemplateTruck()); }},
    {"WithoutInputB",
     [] {
         Project p = fuzzy::TemplateEmpty();
         return p;
     }},
};

class MonotoneTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(MonotoneTest, EvenTablesRiseAlongTheCentroids) {
    Project p = GetParam().project();
    const RankedTable ranks(p);
    for (const double g : {0.5, 1.0, 2.5}) {
        ranks.Even(p.Rules, g, 1.0 / g, 0.0);
        EXPECT_TRUE(ranks.Monotone(p.Rules)) << g;
    }
    // In centroid order, the output's centroid never falls to the right.
    ranks.Even(p.Rules, 1.0, 1.0, 0.0);
    for (int r = 0; r < ranks.Rows(); ++r)
        for (int c = 1; c < ranks.Cols(); ++c) EXPECT_LE(ranks.Get(p.Rules, r, c - 1), ranks.Get(p.Rules, r, c));
}

TEST_P(MonotoneTest, AnyTableMadeMonotoneIsMonotoneAndStaysSo) {
    Project p = GetParam().project();
    const RankedTable ranks(p);
    std::mt19937 rng(11);
    for (int n = 0; n < 50; ++n) {
        for (auto& e : p.Rules.Entries) e = std::uniform_int_distribution<int>(0, p.Out.UsedTerms())(rng);
        ranks.MakeMonotone(p.Rules);
        ASSERT_TRUE(ranks.Monotone(p.Rules)) << n;
        const fuzzy::RuleTable once = p.Rules;
        ranks.MakeMonotone(p.Rules);
        EXPECT_EQ(p.Rules, once) << "a monotone table is left as it is";
    }
}

TEST_P(MonotoneTest, PushesKeepTheOrderAndMoveTheirCell) {
    Project p = GetParam().project();
    const RankedTable ranks(p);
    ranks.Even(p.Rules, 1.0, 1.0, 0.0);
    std::mt19937 rng(5);
    for (int n = 0; n < 200; ++n) {
        const int r = std::uniform_int_distribution<int>(0, ranks.Rows() - 1)(rng);
        const int c = std::uniform_int_distribution<int>(0, ranks.Cols() - 1)(rng);
        const int d = std::uniform_int_distribution<int>(0, 1)(rng) ? 1 : -1;
        const int before = ranks.Get(p.Rules, r, c);
        ranks.Push(p.Rules, r, c, d);
        ASSERT_TRUE(ranks.Monotone(p.Rules)) << n;
        EXPECT_EQ(ranks.Get(p.Rules, r, c), std::clamp(before + d, 1, ranks.Outs()));
    }
}

TEST_P(MonotoneTest, EveryCandidateOfAMonotoneSearchIsMonotone) {
    const Project start = GetParam().project();
    const RankedTable ranks(start);
    tuning::Options o = Rounds(Vehicle::Truck, true, 1);
    Project p = start;
    for (int round = 0; round < 40; ++round) {
        const auto candidates = tuning::DrawCandidates(p, start, o, round);
        for (const Project& c : candidates) ASSERT_TRUE(ranks.Monotone(c.Rules)) << "round " << round;
        p = candidates[static_cast<std::size_t>(round * 7) % candidates.size()];
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, MonotoneTest, ::testing::ValuesIn(kTables),
                         [](const auto& i) { return std::string(i.param.name); });

// A search without the order may leave it; one with it never does, from a
// start that was out of order too.
TEST(MonotoneTest, TunedTableIsMonotoneByDefaultAndFreeOnRequest) {
    const Project start = fuzzy::TemplateLoco();
    const RankedTable ranks(start);
    const auto monotone = tuning::Tune(start, Rounds(Vehicle::Loco, false, 30, 2));
    ASSERT_TRUE(tuning::Better(monotone.BestScore, monotone.Start));
    EXPECT_TRUE(ranks.Monotone(monotone.Best.Rules));
    tuning::Options free = Rounds(Vehicle::Loco, false, 30, 2);
    free.Monotone = false;
    bool someFreeCandidateOutOfOrder = false;
    for (const Project& c : tuning::DrawCandidates(monotone.Best, start, free, 40, &monotone.BestScore))
        someFreeCandidateOutOfOrder = someFreeCandidateOutOfOrder || !ranks.Monotone(c.Rules);
    EXPECT_TRUE(someFreeCandidateOutOfOrder) << "the switch has no effect";
}

// --- terms keep their meaning ---------------------------------------------------------

// Input A of the truck template (-20 .. 20, grid 0.5): shoulders at -8 and
// 8, triangles peaking at -2, 0 and 2.
fuzzy::TFuzzy TruckA() { return fuzzy::TemplateTruck().A; }

// Three terms over 0 .. 10: shoulder to 0, triangle at 5, shoulder from 10.
fuzzy::TFuzzy ThreeTerms() {
    fuzzy::TFuzzy v;
    v.Defined = true;
    v.RangeMin = 0.0f;
    v.RangeMax = 10.0f;
    v.TermCount = 3;
    const float c[3][4] = {{-10, -10, 0, 2}, {2, 5, 5, 8}, {8, 10, 20, 20}};
    for (int t = 1; t <= 3; ++t) {
        for (int k = 1; k <= 4; ++k) v.SetParam(t, k, c[t - 1][k - 1]);
        v.SetParam(t, fuzzy::ParamH, 1.0f);
    }
    return v;
}

// Four terms over 0 .. 10 as a hand-made project may have them: the second
// reaches 0.5 past the right foot of the third, narrower one.
fuzzy::TFuzzy ReachingPast() {
    fuzzy::TFuzzy v = ThreeTerms();
    v.TermCount = 4;
    const float c[4][4] = {{-10, -10, 0, 2}, {1, 3, 4, 6.5f}, {3, 5, 5, 6}, {6, 10, 20, 20}};
    for (int t = 1; t <= 4; ++t) {
        for (int k = 1; k <= 4; ++k) v.SetParam(t, k, c[t - 1][k - 1]);
        v.SetParam(t, fuzzy::ParamH, 1.0f);
    }
    return v;
}

struct MeaningCase {
    const char* name;
    fuzzy::TFuzzy (*start)();
    void (*change)(fuzzy::TFuzzy&);
    bool keeps;
};

void Set(fuzzy::TFuzzy& v, int t, float a, float b, float c, float d) {
    v.SetParam(t, fuzzy::ParamA, a);
    v.SetParam(t, fuzzy::ParamB, b);
    v.SetParam(t, fuzzy::ParamC, c);
    v.SetParam(t, fuzzy::ParamD, d);
}

const MeaningCase kMeaning[] = {
    {"OneGridStepInside", TruckA, [](fuzzy::TFuzzy& v) { v.SetParam(4, fuzzy::ParamD, 7.5f); }, true},
    {"InnerFlankOfAnEndTerm", TruckA, [](fuzzy::TFuzzy& v) { v.SetParam(1, fuzzy::ParamC, -9.0f); }, true},
    {"LongerFlankWithinItsNeighbours", TruckA, [](fuzzy::TFuzzy& v) { v.SetParam(2, fuzzy::ParamA, -19.0f); }, true},
    {"EndTermNoLongerAShoulder", TruckA, [](fuzzy::TFuzzy& v) { v.SetParam(1, fuzzy::ParamB, -20.0f); }, false},
    {"CentroidsSwapped", TruckA, [](fuzzy::TFuzzy& v) { Set(v, 2, -1.5f, 0.5f, 0.5f, 2.5f); }, false},
    {"FootPastItsNeighboursFoot", TruckA, [](fuzzy::TFuzzy& v) { v.SetParam(2, fuzzy::ParamD, 2.5f); }, false},
    {"PositiveTermPeaksLeftOfTheMiddle", TruckA,
     [](fuzzy::TFuzzy& v) {
         v.SetParam(3, fuzzy::ParamB, -1.0f);
         Set(v, 4, -1.0f, -0.5f, 2.0f, 8.0f);
     },
     false},
    {"TermTooNarrowToSee", TruckA, [](fuzzy::TFuzzy& v) { Set(v, 3, -0.25f, 0.0f, 0.0f, 0.25f); }, false},
    {"TermOverAlmostTheWholeRange", ThreeTerms, [](fuzzy::TFuzzy& v) { Set(v, 2, 0.0f, 5.0f, 5.0f, 10.0f); }, false},
    {"InnerCornerBeyondTheRange", TruckA, [](fuzzy::TFuzzy& v) { v.SetParam(4, fuzzy::ParamD, 21.0f); }, false},
    {"NotANumber", TruckA, [](fuzzy::TFuzzy& v) { v.SetParam(3, fuzzy::ParamB, NAN); }, false},
    {"StartsReachPastMayShrink", ReachingPast, [](fuzzy::TFuzzy& v) { v.SetParam(2, fuzzy::ParamD, 6.2f); }, true},
    {"StartsReachPastMayNotGrow", ReachingPast, [](fuzzy::TFuzzy& v) { v.SetParam(2, fuzzy::ParamD, 6.8f); }, false},
    {"StartsReachPastLeavesNoOtherCornerFree", ReachingPast,
     [](fuzzy::TFuzzy& v) { v.SetParam(3, fuzzy::ParamA, 0.5f); }, false},
};

class MeaningTest : public ::testing::TestWithParam<MeaningCase> {};

TEST_P(MeaningTest, IsKeptOnlyByMovesThatLeaveTheTermsTheirMeaning) {
    const fuzzy::TFuzzy start = GetParam().start();
    fuzzy::TFuzzy v = start;
    GetParam().change(v);
    EXPECT_EQ(tuning::KeepsMeaning(v, start, false), GetParam().keeps);
}

INSTANTIATE_TEST_SUITE_P(Changes, MeaningTest, ::testing::ValuesIn(kMeaning),
                         [](const auto& i) { return std::string(i.param.name); });

// Many rounds of moves with terms on both templates: every candidate keeps
// its terms' meaning, and every corner it moved lies on the step grid.
TEST(MeaningTest, EveryCandidateKeepsItsTermsOnTheGrid) {
    for (const Vehicle v : {Vehicle::Truck, Vehicle::Loco}) {
        const Project start = v == Vehicle::Truck ? fuzzy::TemplateTruck() : fuzzy::TemplateLoco();
        const tuning::Options o = Rounds(v, true, 1, 1, 21);
        Project p = start;
        int moved = 0;
        for (int round = 0; round < 60; ++round) {
            const auto candidates = tuning::DrawCandidates(p, start, o, round);
            for (const Project& c : candidates)
                for (int which = 0; which < 3; ++which) {
                    const fuzzy::TFuzzy& x = tuning::Variable(c, which);
                    const fuzzy::TFuzzy& x0 = tuning::Variable(start, which);
                    ASSERT_TRUE(tuning::KeepsMeaning(x, x0, which == 2)) << x.Name << " round " << round;
                    for (int t = 1; t <= x.UsedTerms(); ++t)
                        for (int k = 1; k <= 4; ++k)
                            if (x.GetParam(t, k) != x0.GetParam(t, k)) {
                                ++moved;
                                ASSERT_TRUE(fuzzy::IsOnStepGrid(x.GetParam(t, k), fuzzy::CornerStep(x0)))
                                    << x.Name << " term " << t << " corner " << k << ": " << x.GetParam(t, k);
                            }
                }
            p = candidates[static_cast<std::size_t>(round * 5 + 1) % candidates.size()];
        }
        EXPECT_GT(moved, 100) << "the terms hardly moved";
    }
}

// --- the same project on any number of threads ---------------------------------------

Project TruckEven() {
    Project p = fuzzy::TemplateTruck();
    RankedTable(p).Even(p.Rules, 1.0, 1.0, 0.0);
    return p;
}

struct ThreadsCase {
    const char* name;
    Project (*start)();
    Vehicle vehicle;
    bool terms, monotone;
    int rounds, perRound;
    bool restart;  // the search must have climbed on from elsewhere
};

const ThreadsCase kThreads[] = {
    {"TruckRules", TruckEven, Vehicle::Truck, false, true, 2, 6, false},
    {"TruckTerms", TruckEven, Vehicle::Truck, true, true, 2, 6, false},
    {"LocoTermsPastRestarts", fuzzy::TemplateLoco, Vehicle::Loco, true, true, 30, 12, true},
    {"LocoFreeRules", fuzzy::TemplateLoco, Vehicle::Loco, false, false, 20, 12, false},
};

class ThreadsTest : public ::testing::TestWithParam<ThreadsCase> {};

TEST_P(ThreadsTest, SameSeedSameBytesOnOneTwoAndThreeThreads) {
    const ThreadsCase& c = GetParam();
    const Project start = c.start();
    std::string first;
    std::array<double, 8> keys{};
    for (const int threads : {1, 2, 3}) {
        tuning::Options o = Rounds(c.vehicle, c.terms, c.rounds, threads, 4);
        o.Monotone = c.monotone;
        o.CandidatesPerRound = c.perRound;
        o.RestartAfter = 5;
        const tuning::Result r = tuning::Tune(start, o);
        EXPECT_EQ(r.Rounds, c.rounds);
        if (c.restart) {
            EXPECT_GT(r.Restarts, 0);
        }
        const std::string bytes = fuzzy::ProjectText(r.Best);
        if (threads == 1) {
            first = bytes;
            keys = r.BestScore.Keys;
            EXPECT_TRUE(tuning::Better(r.BestScore, r.Start));
        } else {
            EXPECT_EQ(bytes, first) << threads << " threads";
            EXPECT_EQ(r.BestScore.Keys, keys) << threads << " threads";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Searches, ThreadsTest, ::testing::ValuesIn(kThreads),
                         [](const auto& i) { return std::string(i.param.name); });

// --- the finish -------------------------------------------------------------------------

bool AllOnGrid(const Project& p) {
    for (int which = 0; which < 3; ++which) {
        const fuzzy::TFuzzy& v = tuning::Variable(p, which);
        for (int t = 1; t <= v.UsedTerms(); ++t)
            for (int k = 1; k <= 4; ++k)
                if (!fuzzy::IsOnStepGrid(v.GetParam(t, k), fuzzy::CornerStep(v))) return false;
    }
    return true;
}

// The shipped locomotive's corners lie off the editor's grid (0.3, 3.8, ...):
// a search with terms hands them out on it, and no worse for it.
TEST(FinishTest, GridRoundingKeepsTheScore) {
    Project start = Load("lok.fuz");
    start.Rules = fuzzy::RuleTable{};
    ASSERT_FALSE(AllOnGrid(start));
    const tuning::Result r = tuning::Tune(start, Rounds(Vehicle::Loco, true, 15, 2));
    ASSERT_TRUE(tuning::Better(r.BestScore, r.Start));
    EXPECT_FALSE(tuning::Better(r.Searched, r.BestScore)) << "rounding cost score";
    EXPECT_EQ(tuning::Evaluate(r.Best, Vehicle::Loco).Keys, r.BestScore.Keys);
    if (r.OffGrid == 0) {
        EXPECT_TRUE(AllOnGrid(r.Best));
    }
}

// Rounding that would cost score is not done: corner by corner, the ones that
// must stay are counted.
TEST(FinishTest, RoundingThatCostsScoreIsLeftAndCounted) {
    tuning::Finishing f;
    f.Kind = Vehicle::Loco;
    f.Best = Load("lok.fuz");
    f.Eval = tuning::EvaluateRuns(f.Best, Vehicle::Loco);
    const tuning::Score before = f.Eval.Result;
    tuning::PutOnGrid(f);
    EXPECT_FALSE(tuning::Better(before, f.Eval.Result));
    int off = 0;
    for (int which = 0; which < 3; ++which) {
        const fuzzy::TFuzzy& v = tuning::Variable(f.Best, which);
        for (int t = 1; t <= v.UsedTerms(); ++t)
            for (int k = 1; k <= 4; ++k) off += !fuzzy::IsOnStepGrid(v.GetParam(t, k), fuzzy::CornerStep(v));
    }
    EXPECT_EQ(off, f.OffGrid);
}

// An output end term drawn inwards goes back out when the score allows it,
// and stays where the score needs it.
TEST(FinishTest, OutputEndTermsGoBackOutWhereTheScoreAllows) {
    const Project start = [] {
        Project p = fuzzy::TemplateTruck();
        RankedTable(p).Even(p.Rules, 2.5, 2.0, 0.0);
        return p;
    }();
    Project inwards = start;
    inwards.Out.SetParam(5, fuzzy::ParamA, 30.0f);  // "links stark" wider, its centroid further in
    tuning::Finishing f;
    f.Kind = Vehicle::Truck;
    f.Best = inwards;
    f.Eval = tuning::EvaluateRuns(inwards, Vehicle::Truck);
    const tuning::Score atStart = tuning::Evaluate(start, Vehicle::Truck);
    tuning::OutputEndsOut(f, start);
    const bool restored = f.Best.Out.GetParam(5, fuzzy::ParamA) == start.Out.GetParam(5, fuzzy::ParamA);
    EXPECT_EQ(restored, !tuning::Better(tuning::Evaluate(inwards, Vehicle::Truck), atStart));
    EXPECT_EQ(f.Best.Out.GetParam(1, fuzzy::ParamD), start.Out.GetParam(1, fuzzy::ParamD));
}

// Without the order, a reached cell the search leaves empty gets a rule.
TEST(FinishTest, NoReachedCellStaysEmpty) {
    Project start = Load("lok.fuz");
    const tuning::Score s0 = tuning::Evaluate(start, Vehicle::Loco);
    start.Rules.Set(3, 3, 0);  // "langsam heran" at "nah": every run passes it
    ASSERT_NE(s0.Reached & tuning::CellBit(3, 3), 0u);
    tuning::Options o = Rounds(Vehicle::Loco, false, 10, 2);
    o.Monotone = false;
    const tuning::Result r = tuning::Tune(start, o);
    ASSERT_TRUE(tuning::Better(r.BestScore, r.Start));
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 5; ++col)
            if ((r.BestScore.Reached & tuning::CellBit(row, col)) != 0) {
                EXPECT_TRUE(tuning::HasRule(r.Best, row, col)) << row << ' ' << col;
            }
}

// --- the threads ------------------------------------------------------------------------

TEST(WorkersTest, EveryItemOnceInTheGivenOrderBatchAfterBatch) {
    tuning::Workers w(3);
    EXPECT_EQ(w.Count(), 3);
    for (int batch = 0; batch < 50; ++batch) {
        std::vector<std::atomic<int>> seen(17);
        std::vector<std::size_t> order(17);
        std::iota(order.rbegin(), order.rend(), std::size_t{0});
        w.Run(order.size(), batch % 2 ? order : std::vector<std::size_t>{}, [&](std::size_t i) { ++seen[i]; });
        for (std::size_t i = 0; i < seen.size(); ++i) ASSERT_EQ(seen[i].load(), 1) << batch << ' ' << i;
    }
}

TEST(WorkersTest, AnExceptionReachesTheCallerAndTheThreadsGoOn) {
    tuning::Workers w(2);
    EXPECT_THROW(w.Run(8, {},
                       [](std::size_t i) {
                           if (i == 3) throw std::runtime_error("drei");
                       }),
                 std::runtime_error);
    std::atomic<int> n{0};
    w.Run(8, {}, [&](std::size_t) { ++n; });
    EXPECT_EQ(n.load(), 8);
}

// --- the step grid ------------------------------------------------------------------------

struct GridCase {
    const char* name;
    float min, max, value;
    float step, onGrid;
};

const GridCase kGrid[] = {
    {"TruckDistance", -20.0f, 20.0f, 3.3f, 0.5f, 3.5f},   {"TruckSteering", -100.0f, 100.0f, -51.0f, 2.0f, -52.0f},
    {"LocoDistance", -5.0f, 30.0f, 0.3f, 0.25f, 0.25f},   {"LocoForce", -2.5f, 2.5f, 1.26f, 0.05f, 1.25f},
    {"NeverMinusZero", -2.5f, 2.5f, -0.01f, 0.05f, 0.0f},
};

class StepGridTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(StepGridTest, CornersSnapToTheEditorsGrid) {
    const GridCase& c = GetParam();
    fuzzy::TFuzzy v;
    v.RangeMin = c.min;
    v.RangeMax = c.max;
    EXPECT_EQ(fuzzy::CornerStep(v), c.step);
    const float g = fuzzy::OnStepGrid(c.value, fuzzy::CornerStep(v));
    EXPECT_EQ(g, c.onGrid);
    EXPECT_FALSE(std::signbit(g) && g == 0.0f);
    EXPECT_TRUE(fuzzy::IsOnStepGrid(g, fuzzy::CornerStep(v)));
    EXPECT_EQ(fuzzy::IsOnStepGrid(c.value, fuzzy::CornerStep(v)), c.value == c.onGrid);
}

INSTANTIATE_TEST_SUITE_P(Ranges, StepGridTest, ::testing::ValuesIn(kGrid),
                         [](const auto& i) { return std::string(i.param.name); });

}  // namespace
