// The tuner: its score's order, determinism for a seed on any number of
// threads, never worse than the start, cancelling, term corners kept in order.
#include "fuzzy/LanguageScope.h"
#include "fuzzy/NoRuleRegions.h"
#include "tuning/Score.h"
#include "fuzzy/Language.h"
#include "fuzzy/Templates.h"
#include "tuning/Tuner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

using fuzzy::Project;
using tuning::Options;
using tuning::Score;
using tuning::Vehicle;

Project Load(const std::string& name) {
    Project p = fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/tests/data/" + name);
    return p;
}

Project Cleared(Project p) {
    p.Rules = fuzzy::RuleTable{};
    return p;
}

bool SameProject(const Project& a, const Project& b) {
    if (a.Rules != b.Rules) return false;
    for (const auto* pair : {&a.A, &a.B, &a.Out}) {
        const fuzzy::TFuzzy& x = *pair;
        const fuzzy::TFuzzy& y = pair == &a.A ? b.A : pair == &a.B ? b.B : b.Out;
        for (int t = 1; t <= fuzzy::MaxTerms; ++t)
            for (int k = 1; k <= 4; ++k)
                if (x.GetParam(t, k) != y.GetParam(t, k)) return false;
    }
    return true;
}

Score Keys(std::array<double, 8> keys, bool complete = true) {
    Score s;
    s.Complete = complete;
    s.Keys = keys;
    return s;
}

struct OrderCase {
    const char* name;
    Score a, b;
    bool aBetter, bBetter;
};

const OrderCase kOrderCases[] = {
    {"MoreDockedWinsOverEverythingAfter", Keys({-300, 5, 9, 0}), Keys({-299, 0, 0, 0}), true, false},
    {"FewerOffRoadWinsAtEqualDocked", Keys({-300, 1, 9, 0}), Keys({-300, 2, 0, 0}), true, false},
    {"SmallerWorstEndWinsAtEqualCounts", Keys({-300, 1, 0.5, 0}), Keys({-300, 1, 0.7, -9}), true, false},
    {"LastKeyDecidesATie", Keys({-3, 1, 2, -5}), Keys({-3, 1, 2, -4}), true, false},
    {"EqualIsNotBetter", Keys({-3, 1, 2, 4}), Keys({-3, 1, 2, 4}), false, false},
    {"IncompleteLosesToAnyComplete", Keys({0, 99, 99, 99}), Keys({-328, 0, 0, 0}, false), true, false},
    {"TwoIncompleteAreEqual", Keys({-1, 0, 0, 0}, false), Keys({-2, 0, 0, 0}, false), false, false},
    {"NotANumberLoses", Keys({-3, 1, 5, 0}), Keys({-3, 1, NAN, 0}), true, false},
};

class ScoreOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ScoreOrderTest, ComparesKeyByKey) {
    const OrderCase& c = GetParam();
    EXPECT_EQ(tuning::Better(c.a, c.b), c.aBetter);
    EXPECT_EQ(tuning::Better(c.b, c.a), c.bBetter);
}

INSTANTIATE_TEST_SUITE_P(Keys, ScoreOrderTest, ::testing::ValuesIn(kOrderCases),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(ScoreTest, ShippedTruckDocksEverywhereAndPrintsItsFigures) {
    const Score s = tuning::Evaluate(Load("truck.fuz"), Vehicle::Truck);
    ASSERT_TRUE(s.Complete);
    EXPECT_EQ(s.Truck.Docked(), 328);
    EXPECT_EQ(s.Truck.LeftRoad(), 0);
    EXPECT_EQ(s.Keys[0], 0) << "no place without a firing rule";
    EXPECT_EQ(s.Keys[1], -328);
    const std::string text = tuning::Describe(s);
    EXPECT_NE(text.find("164 von 164 bei -1 m/s, 164 von 164 bei -10 m/s"), std::string::npos) << text;
}

TEST(ScoreTest, ShippedLocoComesToRestInAllSixRuns) {
    const Score s = tuning::Evaluate(Load("lok.fuz"), Vehicle::Loco);
    ASSERT_TRUE(s.Complete);
    EXPECT_EQ(s.Loco.Runs, 6);
    EXPECT_EQ(s.Loco.AtRest, 6);
    EXPECT_NEAR(s.Loco.LatestRest, 6.700, 0.0005);  // 1 kg at 0.1 s
    EXPECT_NEAR(s.Loco.Overshoot, 0.54, 0.00005);   // 4 kg at 0.055 s
    EXPECT_NE(tuning::Describe(s).find("6 von 6"), std::string::npos);
}

TEST(ScoreTest, HopelessAgainstTheBoundStopsIncomplete) {
    const Score best = tuning::Evaluate(Load("truck.fuz"), Vehicle::Truck);
    const Project empty = Cleared(Load("truck.fuz"));
    EXPECT_FALSE(tuning::Evaluate(empty, Vehicle::Truck, &best).Complete);
    const Score full = tuning::Evaluate(empty, Vehicle::Truck);
    EXPECT_TRUE(full.Complete);
    EXPECT_EQ(full.Truck.Docked(), 0);
}

TEST(ScoreTest, ASetCancelFlagLeavesTheScoreIncomplete) {
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(tuning::Evaluate(Load("lok.fuz"), Vehicle::Loco, nullptr, &cancel).Complete);
}

struct UnsuitableCase {
    const char* name;
    Vehicle vehicle;
    void (*spoil)(Project&);
};

const UnsuitableCase kUnsuitable[] = {
    {"TruckWithoutInputA", Vehicle::Truck, [](Project& p) { p.A.Defined = false; }},
    {"TruckWithoutOutput", Vehicle::Truck, [](Project& p) { p.Out.Defined = false; }},
    {"LocoWithoutInputB", Vehicle::Loco, [](Project& p) { p.B.Defined = false; }},
};

class UnsuitableTest : public ::testing::TestWithParam<UnsuitableCase> {};

TEST_P(UnsuitableTest, IsRefusedWithAGermanMessage) {
    Project p = Load("lok.fuz");
    GetParam().spoil(p);
    ASSERT_TRUE(tuning::Unsuitable(p, GetParam().vehicle).has_value());
    Options o;
    o.Kind = GetParam().vehicle;
    o.MaxRounds = 1;
    EXPECT_THROW(tuning::Tune(p, o), fuzzy::Error);
}

INSTANTIATE_TEST_SUITE_P(Projects, UnsuitableTest, ::testing::ValuesIn(kUnsuitable),
                         [](const auto& i) { return std::string(i.param.name); });

Options LocoRounds(int rounds, int threads, std::uint64_t seed, bool terms) {
    Options o;
    o.Kind = Vehicle::Loco;
    o.MaxRounds = rounds;
    o.Seconds = 0;
    o.Threads = threads;
    o.Seed = seed;
    o.Terms = terms;
    return o;
}

TEST(TunerTest, SameSeedGivesTheSameProjectOnAnyNumberOfThreads) {
    const Project start = Cleared(Load("lok.fuz"));
    const auto one = tuning::Tune(start, LocoRounds(4, 1, 7, true));
    const auto three = tuning::Tune(start, LocoRounds(4, 3, 7, true));
    const auto again = tuning::Tune(start, LocoRounds(4, 3, 7, true));
    EXPECT_TRUE(SameProject(one.Best, three.Best));
    EXPECT_TRUE(SameProject(three.Best, again.Best));
    EXPECT_EQ(one.BestScore.Keys, three.BestScore.Keys);
    EXPECT_EQ(one.Rounds, 4);
    EXPECT_EQ(one.Evaluations, 4L * Options{}.CandidatesPerRound);
}

TEST(TunerTest, AnotherSeedDrawsOtherCandidates) {
    const Project start = Load("lok.fuz");
    const auto a = tuning::DrawCandidates(start, start, LocoRounds(1, 1, 1, true), 0);
    const auto b = tuning::DrawCandidates(start, start, LocoRounds(1, 1, 2, true), 0);
    const auto a1 = tuning::DrawCandidates(start, start, LocoRounds(1, 1, 1, true), 1);
    ASSERT_EQ(a.size(), b.size());
    int differ = 0, differRound = 0, changed = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        differ += !SameProject(a[i], b[i]);
        differRound += !SameProject(a[i], a1[i]);
        changed += !SameProject(a[i], start);
    }
    EXPECT_GT(differ, static_cast<int>(a.size()) / 2);
    EXPECT_GT(differRound, static_cast<int>(a.size()) / 2);
    EXPECT_GT(changed, static_cast<int>(a.size()) / 2);
}

// Scores the returned project afresh: it must be what the tuner says, and
// not worse than the start.
struct NotWorseCase {
    const char* name;
    const char* file;
    Vehicle vehicle;
    bool cleared;
    int rounds;
};

const NotWorseCase kNotWorse[] = {
    {"PerfectTruckStaysPerfect", "truck.fuz", Vehicle::Truck, false, 1},
    {"ShippedLoco", "lok.fuz", Vehicle::Loco, false, 6},
    {"ClearedLoco", "lok.fuz", Vehicle::Loco, true, 6},
};

class NotWorseTest : public ::testing::TestWithParam<NotWorseCase> {};

TEST_P(NotWorseTest, ResultScoresAsReportedAndNotWorseThanTheStart) {
    const NotWorseCase& c = GetParam();
    Project start = Load(c.file);
    if (c.cleared) start = Cleared(start);
    Options o = LocoRounds(c.rounds, 2, 3, true);
    o.Kind = c.vehicle;
    const auto r = tuning::Tune(start, o);
    EXPECT_FALSE(r.Cancelled);
    EXPECT_FALSE(tuning::Better(r.Start, r.BestScore));
    const Score again = tuning::Evaluate(r.Best, c.vehicle);
    EXPECT_EQ(again.Keys, r.BestScore.Keys);
    const Score before = tuning::Evaluate(start, c.vehicle);
    EXPECT_EQ(before.Keys, r.Start.Keys);
}

INSTANTIATE_TEST_SUITE_P(Starts, NotWorseTest, ::testing::ValuesIn(kNotWorse),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(TunerTest, AClearedTableGetsBetter) {
    const auto r = tuning::Tune(Cleared(Load("lok.fuz")), LocoRounds(6, 2, 1, false));
    EXPECT_TRUE(tuning::Better(r.BestScore, r.Start));
    EXPECT_GT(r.Improvements, 0);
}

TEST(TunerTest, CancelKeepsTheBestOfTheRoundsDone) {
    std::atomic<bool> cancel{false};
    Project seen;
    std::vector<double> seenKeys;
    const auto r =
        tuning::Tune(Cleared(Load("lok.fuz")), LocoRounds(1000, 2, 5, false), &cancel, [&](const tuning::Progress& p) {
            if (p.Round == 3) {
                seen = *p.BestProject;
                seenKeys.assign(p.Best->Keys.begin(), p.Best->Keys.end());
                cancel = true;
            }
        });
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(r.Rounds, 3);
    EXPECT_TRUE(SameProject(r.Best, seen));
    EXPECT_EQ(std::vector<double>(r.BestScore.Keys.begin(), r.BestScore.Keys.end()), seenKeys);
    EXPECT_FALSE(tuning::Better(r.Start, r.BestScore));
}

TEST(TunerTest, TimeLimitEndsTheRunWithoutAHalfRound) {
    Options o = LocoRounds(0, 2, 1, false);
    o.Seconds = 0.3;
    const auto r = tuning::Tune(Load("lok.fuz"), o);
    EXPECT_FALSE(r.Cancelled);
    EXPECT_EQ(r.Evaluations, static_cast<long>(r.Rounds) * o.CandidatesPerRound);
    EXPECT_LT(r.Seconds, 30.0);
}

TEST(TunerTest, TermCornersStayInOrderAndInTheirRange) {
    const Project start = Load("lok.fuz");
    const auto r = tuning::Tune(start, LocoRounds(8, 2, 11, true));
    for (const auto* v : {&r.Best.A, &r.Best.B, &r.Best.Out}) {
        const fuzzy::TFuzzy& s0 = v == &r.Best.A ? start.A : v == &r.Best.B ? start.B : start.Out;
        for (int t = 1; t <= v->UsedTerms(); ++t) {
            SCOPED_TRACE(v->Name + " term " + std::to_string(t));
            for (int k = 1; k < 4; ++k) EXPECT_LE(v->GetParam(t, k), v->GetParam(t, k + 1));
            EXPECT_GE(v->GetParam(t, 1), std::min(s0.RangeMin, s0.GetParam(t, 1)));
            EXPECT_LE(v->GetParam(t, 4), std::max(s0.RangeMax, s0.GetParam(t, 4)));
            EXPECT_EQ(v->GetParam(t, 5), s0.GetParam(t, 5));
        }
    }
    // Without --terms the corners are left alone.
    const auto rulesOnly = tuning::Tune(start, LocoRounds(3, 2, 11, false));
    Project sameCorners = rulesOnly.Best;
    sameCorners.Rules = start.Rules;
    EXPECT_TRUE(SameProject(sameCorners, start));
}

// --- what a good locomotive run is ------------------------------------------------

TEST(ScoreTest, OvershootBeyondHalfACentimetreIsNoGoodRun) {
    const Score s = tuning::Evaluate(Load("lok.fuz"), Vehicle::Loco);
    ASSERT_TRUE(s.Complete);
    EXPECT_EQ(s.Loco.AtRest, 6);
    EXPECT_EQ(s.Loco.Good, 5) << "4 kg at 0.055 s goes 0.54 cm past the mark";
    EXPECT_EQ(s.Keys[1], -5);
}

TEST(ScoreTest, ForceOutsideTheOutputRangeIsNoGoodRun) {
    Project p = Load("lok.fuz");
    p.Out.RangeMax = 0.5f;  // the terms still reach 2.5 N
    const Score s = tuning::Evaluate(p, Vehicle::Loco);
    ASSERT_TRUE(s.Complete);
    EXPECT_EQ(s.Loco.ForceOutside, 6);
    EXPECT_EQ(s.Loco.Good, 0);
    EXPECT_EQ(s.Loco.AtRest, 6);
}

// A place where no rule fires outweighs every run: the worst hole-free table
// (full force backwards everywhere) beats the shipped one with a hole.
TEST(ScoreTest, PlaceWithoutAFiringRuleComesFirst) {
    Project holey = Load("lok.fuz");
    Project bad = holey;
    bad.Rules.Entries.fill(1);
    const fuzzy::NoRuleRegions none = fuzzy::FindNoRuleRegions(bad);
    ASSERT_TRUE(none.Empty());
    for (int c = 1; c <= 5 && fuzzy::FindNoRuleRegions(holey).Empty(); ++c) holey.Rules.Set(3, c, 0);
    const Score withHole = tuning::Evaluate(holey, Vehicle::Loco);
    const Score worse = tuning::Evaluate(bad, Vehicle::Loco);
    ASSERT_GT(withHole.NoRulePieces, 0);
    EXPECT_EQ(worse.Loco.Good, 0);
    EXPECT_TRUE(tuning::Better(worse, withHole));
    // Measured against the hole-free one, the holey table is not even run.
    EXPECT_FALSE(tuning::Evaluate(holey, Vehicle::Loco, &worse).Complete);
}

TEST(ScoreTest, NoArrivalShowsNoEndPosition) {
    const Score s = tuning::Evaluate(Cleared(Load("truck.fuz")), Vehicle::Truck);
    ASSERT_TRUE(s.Complete);
    ASSERT_EQ(s.Truck.Arrived(), 0);
    const std::string text = tuning::Describe(s);
    EXPECT_NE(text.find("kein Lauf angekommen"), std::string::npos) << text;
    EXPECT_EQ(text.find("0.0000 m"), std::string::npos) << text;
}

// The Werkstatt shows the figures with German decimal commas; the
// command-line tool keeps its points. Every decimal of the text follows the
// choice, the fixed ones ("0.5 cm") as well as the measured ones.
struct DecimalsCase {
    const char* name;
    const char* file;
    Vehicle vehicle;
    const char* pointText;  // a piece of the text with points
    const char* commaText;  // the same piece with commas
};

bool HasDecimal(const std::string& t, char sign) {
    for (std::size_t i = 1; i + 1 < t.size(); ++i)
        if (t[i] == sign && std::isdigit(static_cast<unsigned char>(t[i - 1])) &&
            std::isdigit(static_cast<unsigned char>(t[i + 1])))
            return true;
    return false;
}

class ScoreDecimals : public ::testing::TestWithParam<DecimalsCase> {};

TEST_P(ScoreDecimals, FollowTheChosenSign) {
    const DecimalsCase& c = GetParam();
    const Score s = tuning::Evaluate(Load(c.file), c.vehicle);
    ASSERT_TRUE(s.Complete);
    const std::string point = tuning::Describe(s, tuning::Decimals::Point);
    const std::string comma = tuning::Describe(s, tuning::Decimals::Comma);
    EXPECT_NE(point.find(c.pointText), std::string::npos) << point;
    EXPECT_NE(comma.find(c.commaText), std::string::npos) << comma;
    EXPECT_FALSE(HasDecimal(comma, '.')) << comma;
    EXPECT_FALSE(HasDecimal(tuning::OneLine(s, tuning::Decimals::Comma), '.')) << tuning::OneLine(s);
    EXPECT_FALSE(HasDecimal(point, ',')) << point;
}

INSTANTIATE_TEST_SUITE_P(Score, ScoreDecimals,
                         ::testing::Values(DecimalsCase{"Loco", "lok.fuz", Vehicle::Loco, "t = 6.700 s", "t = 6,700 s"},
                                           DecimalsCase{"Truck", "truck.fuz", Vehicle::Truck, "0.", "0,"}),
                         [](const auto& i) { return std::string(i.param.name); });

// The cells the runs fire include the one deciding at the start (100 cm, at
// rest) and leave out what no run gets near.
TEST(ScoreTest, ReachedCellsAreThoseTheRunsFire) {
    Project p = Load("lok.fuz");
    const Score s = tuning::Evaluate(p, Vehicle::Loco);
    p.A.Value = 100.0f;
    p.B.Value = 0.0f;
    std::array<float, fuzzy::MaxTerms> ma{}, mb{};
    p.A.Memberships(ma);
    p.B.Memberships(mb);
    int checked = 0;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            if (ma[c - 1] > 0 && mb[r - 1] > 0) {
                EXPECT_NE(s.Reached & (1u << ((r - 1) * 5 + (c - 1))), 0u) << r << ' ' << c;
                ++checked;
            }
    EXPECT_GT(checked, 0);
    EXPECT_NE(s.Reached, (1u << 25) - 1) << "every cell reached: the runs would test the whole table";
}

// --- what the search may change -----------------------------------------------------

std::uint32_t Differing(const fuzzy::RuleTable& a, const fuzzy::RuleTable& b) {
    std::uint32_t m = 0;
    for (std::size_t k = 0; k < a.Entries.size(); ++k)
        if (a.Entries[k] != b.Entries[k]) m |= 1u << k;
    return m;
}

// Without the order, a search leaves the cells no run reaches as they are.
TEST(TunerTest, OnlyCellsTheRunsReachedChange) {
    const Project start = Load("lok.fuz");
    Score s = tuning::Evaluate(start, Vehicle::Loco);
    ASSERT_EQ(s.NoRulePieces, 0);
    s.Reached = (1u << 0) | (1u << 6) | (1u << 12) | (1u << 18) | (1u << 24);  // the diagonal
    Options free = LocoRounds(1, 1, 9, false);
    free.Monotone = false;
    std::uint32_t changed = 0;
    for (int round = 0; round < 20; ++round)
        for (const Project& c : tuning::DrawCandidates(start, start, free, round, &s))
            changed |= Differing(c.Rules, start.Rules);
    EXPECT_NE(changed, 0u);
    EXPECT_EQ(changed & ~s.Reached, 0u);
}

// Without the order, holes in a table are filled from what the runs reached.
TEST(TunerTest, UnreachedHolesTakeWhatTheirNeighboursSay) {
    Project start = fuzzy::TemplateLoco();
    start.Rules.Set(3, 3, 2);  // a table that is not empty: no seeds
    Score s = tuning::Evaluate(start, Vehicle::Loco);
    ASSERT_GT(s.NoRulePieces, 0);
    s.Reached = 1u << 12;  // only the middle cell
    Options free = LocoRounds(1, 1, 4, false);
    free.Monotone = false;
    const auto candidates = tuning::DrawCandidates(start, start, free, 0, &s);
    const Project& filled = candidates[0];
    EXPECT_TRUE(fuzzy::FindNoRuleRegions(filled).Empty());
    // The one reached cell got a drawn term (and may have changed again
    // since); every other cell followed it, none was drawn on its own.
    const std::int32_t v = filled.Rules.Get(1, 1);
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            if (r != 3 || c != 3) {
                EXPECT_EQ(filled.Rules.Get(r, c), v) << r << ' ' << c;
            }
}

// Two output terms alike: whatever the table says, the force is the same, so
// the search walks over equal scores and finds nothing better.
TEST(TunerTest, NothingBetterGivesTheStartUnchanged) {
    Project start = Load("lok.fuz");
    for (int t = 1; t <= start.Out.UsedTerms(); ++t)
        for (int k = 1; k <= 4; ++k) start.Out.SetParam(t, k, start.Out.GetParam(3, k));
    const Score s0 = tuning::Evaluate(start, Vehicle::Loco);
    // Some candidate of the first round differs and scores as well: a search
    // that kept it would hand back a changed table.
    bool equalButChanged = false;
    for (const Project& c : tuning::DrawCandidates(start, start, LocoRounds(1, 1, 2, false), 0, &s0))
        equalButChanged =
            equalButChanged || (c.Rules != start.Rules && !tuning::Better(s0, tuning::Evaluate(c, Vehicle::Loco)));
    ASSERT_TRUE(equalButChanged);
    const auto r = tuning::Tune(start, LocoRounds(3, 2, 2, false));
    EXPECT_EQ(r.Improvements, 0);
    EXPECT_FALSE(tuning::Better(r.BestScore, r.Start));
    EXPECT_EQ(r.Best.Rules, start.Rules);
    EXPECT_TRUE(SameProject(r.Best, start));
}

// The template's terms under many rounds of corner moves: inside their
// ranges, a <= b <= c <= d, in their order and on their side of the middle.
TEST(TunerTest, EveryCandidateKeepsItsTermsInRangeOrderAndSide) {
    Project start = fuzzy::TemplateLoco();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) start.Rules.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
    Options o = LocoRounds(1, 1, 21, true);
    Project p = start;
    for (int round = 0; round < 60; ++round) {
        auto candidates = tuning::DrawCandidates(p, start, o, round);
        p = candidates[static_cast<std::size_t>(round) % candidates.size()];  // walk on, as a search would
        for (int which = 0; which < 3; ++which) {
            const fuzzy::TFuzzy& v = which == 0 ? p.A : which == 1 ? p.B : p.Out;
            const fuzzy::TFuzzy& v0 = which == 0 ? start.A : which == 1 ? start.B : start.Out;
            const float mid = (v.RangeMin + v.RangeMax) / 2;
            for (int t = 1; t <= v.UsedTerms(); ++t) {
                SCOPED_TRACE(v.Name + " term " + std::to_string(t) + " round " + std::to_string(round));
                for (int k = 1; k < 4; ++k) ASSERT_LE(v.GetParam(t, k), v.GetParam(t, k + 1));
                const float lo = which == 2 ? v.RangeMin : std::min(v.RangeMin, v0.GetParam(t, 1));
                const float hi = which == 2 ? v.RangeMax : std::max(v.RangeMax, v0.GetParam(t, 4));
                ASSERT_GE(v.GetParam(t, 1), lo);
                ASSERT_LE(v.GetParam(t, 4), hi);
                if (t > 1) {
                    ASSERT_LT(v.TermCentroid(t - 1), v.TermCentroid(t));
                }
                if (v0.TermCentroid(t) < mid) {
                    ASSERT_LT(v.TermCentroid(t), mid);
                }
                if (v0.TermCentroid(t) > mid) {
                    ASSERT_GT(v.TermCentroid(t), mid);
                }
            }
        }
    }
}

TEST(TunerTest, TermsTunedLeaveNoPlaceWithoutARule) {
    Project start = fuzzy::TemplateLoco();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) start.Rules.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
    const auto r = tuning::Tune(start, LocoRounds(10, 2, 5, true));
    EXPECT_TRUE(fuzzy::FindNoRuleRegions(r.Best).Empty());
    EXPECT_EQ(r.BestScore.NoRulePieces, 0);
}

// ---- the figures in the English edition ------------------------------------

// English for the scope of a test, German again after it.
struct English : fuzzy::LanguageScope {
    English() : LanguageScope(fuzzy::Language::English) {}
};

Score TruckScore() {
    Score s;
    s.Kind = Vehicle::Truck;
    s.Complete = true;
    for (auto& g : s.Truck.Grid) {
        g.Starts = 164;
        g.Docked = 160;
        g.Arrived = 162;
        g.MustKeepRoad = 10;
        g.KeptRoad = 9;
    }
    s.Truck.Grid[0].WorstX = 0.125;
    s.Truck.Grid[1].WorstAttitude = 2.5;
    s.NoRulePieces = 3;
    return s;
}

Score LocoScore() {
    Score s;
    s.Kind = Vehicle::Loco;
    s.Complete = true;
    s.Loco.Runs = 6;
    s.Loco.AtRest = 5;
    s.Loco.Good = 4;
    s.Loco.MostSignChanges = 11;
    s.Loco.ExcessSignChanges = 3;
    s.Loco.LatestRest = 6.7;
    s.Loco.MeanRest = 5.9;
    s.Loco.Overshoot = 0.54;
    s.Loco.EndMiss = 1.25;
    return s;
}

struct EnglishScoreCase {
    const char* name;
    Score (*score)();
    tuning::Decimals decimals;
    bool oneLine;
    const char* english;
};

class EnglishScores : public ::testing::TestWithParam<EnglishScoreCase> {};

// The Werkstatt's "comma" is the language's decimal sign: a point in English.
TEST_P(EnglishScores, FiguresInEnglishWithDecimalPoints) {
    const EnglishScoreCase& c = GetParam();
    std::string text;
    {
        const English english;
        text = c.oneLine ? tuning::OneLine(c.score(), c.decimals) : tuning::Describe(c.score(), c.decimals);
    }
    EXPECT_EQ(text, c.english);
}

INSTANTIATE_TEST_SUITE_P(
    Score, EnglishScores,
    ::testing::Values(
        EnglishScoreCase{
            "Truck", TruckScore, tuning::Decimals::Comma, false,
            "docked:            160 of 164 at -1 m/s, 160 of 164 at -10 m/s\n"
            "left the road:     2 starts (rear x <= 0 at the start)\n"
            "arrived:           324 of 328\n"
            "largest |x| at the end: 0.1250 m, largest |angle| at the end: 2.500 degrees\n"
            "no rule:           3 regions of the inputs, where the output drops to the start of its range"},
        EnglishScoreCase{"Loco", LocoScore, tuning::Decimals::Comma, false,
                         "good:              4 of 6 runs (at rest, at most 0.5 cm past the mark, force within the "
                         "output range)\n"
                         "at rest:           5 of 6 runs (|s| < 0.5 cm, |v| < 0.5 cm/s; 1, 2, 4 kg; steps 0.055 s and "
                         "0.1 s)\n"
                         "force reversals:   at most 11 sign changes in one run (3 above 8 per run)\n"
                         "at rest by:        t = 6.700 s (of the runs at rest; never at rest: 1)\n"
                         "on average by:     t = 5.900 s\n"
                         "overshoot:         0.5400 cm past the mark\n"
                         "at the end:        1.2500 from rest (|s| in cm and |v| in cm/s, summed over the runs)\n"
                         "no rule:           nowhere in the input ranges"},
        EnglishScoreCase{"TruckLine", TruckScore, tuning::Decimals::Point, true,
                         "docked 320 of 328, left the road 2, 3 pieces without a rule"},
        EnglishScoreCase{"LocoLine", LocoScore, tuning::Decimals::Comma, true,
                         "good 4 of 6, at rest 5, at rest by 6.700 s"},
        EnglishScoreCase{"Incomplete", [] { return Score{}; }, tuning::Decimals::Comma, false, "not fully scored"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(EnglishScores, UnsuitableProjectSaysWhyInEnglish) {
    const English english;
    EXPECT_EQ(tuning::Unsuitable(Project{}, Vehicle::Truck).value_or(""),
              "Input A and/or the output not defined (yet)!");
    EXPECT_EQ(tuning::Unsuitable(Project{}, Vehicle::Loco).value_or(""),
              "No (suitable) fuzzy project loaded (input A, input B and the output must be defined).");
}

}  // namespace
