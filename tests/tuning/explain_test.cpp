// What the tuner says about a change: the figure that decides first, by how
// much, and what got worse on the way; and that a better score is always
// better in some figure a person can read.
#include "fuzzy/LanguageScope.h"
#include "tuning/Moves.h"
#include "tuning/Score.h"
#include "fuzzy/Templates.h"
#include "tuning/Tuner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tuning::Score;
using tuning::Vehicle;

Score Loco(int good, int atRest, double latest, double overshoot, int excess = 0) {
    Score s;
    s.Kind = Vehicle::Loco;
    s.Complete = true;
    s.Loco.Runs = 6;
    s.Loco.Good = good;
    s.Loco.AtRest = atRest;
    s.Loco.ExcessSignChanges = excess;
    s.Loco.MostSignChanges = 8 + excess;
    s.Loco.LatestRest = latest;
    s.Loco.MeanRest = latest;
    s.Loco.Overshoot = overshoot;
    return s;
}

Score Truck(int dockedSlow, int dockedFast, double worstX) {
    Score s;
    s.Kind = Vehicle::Truck;
    s.Complete = true;
    for (auto& g : s.Truck.Grid) {
        g.Starts = 164;
        g.Arrived = 164;
        g.WorstX = worstX;
    }
    s.Truck.Grid[0].Docked = dockedSlow;
    s.Truck.Grid[1].Docked = dockedFast;
    return s;
}

struct ExplainCase {
    const char* name;
    Score before, after;
    const char* expected;
};

const ExplainCase kExplain[] = {
    {"MoreGoodRunsButLaterAtRest", Loco(4, 6, 6.6, 0.3), Loco(6, 6, 9.2, 0.3),
     "Besser: gute L\xC3\xA4ufe 6 statt 4 (2 mehr). Daf\xC3\xBCr schlechter: sp\xC3\xA4testens in Ruhe ab 9.200 "
     "statt 6.600 s; im Mittel in Ruhe ab 9.200 statt 6.600 s."},
    {"DecidingFigureFirst", Loco(5, 6, 5.0, 0.6), Loco(6, 6, 5.0, 0.2),
     "Besser: gute L\xC3\xA4ufe 6 statt 5 (1 mehr); \xC3\x9C"
     "berschwingen 0.2000 statt 0.6000 cm."},
    {"OnlyWorse", Loco(6, 6, 4.0, 0.2), Loco(6, 6, 4.5, 0.2),
     "Schlechter: sp\xC3\xA4testens in Ruhe ab 4.500 statt 4.000 s; im Mittel in Ruhe ab 4.500 statt 4.000 s."},
    {"NoRestNoTimeOfRest", Loco(0, 0, 0.0, 0.0), Loco(0, 0, 0.0, 30.4),
     "Schlechter: \xC3\x9C"
     "berschwingen 30.4000 statt 0.0000 cm."},
    {"TruckDockedMoreAtOneSpeed", Truck(161, 164, 0.05), Truck(164, 164, 0.08),
     "Besser: Starts am Ziel bei -1 m/s 164 statt 161 (3 mehr). Daf\xC3\xBCr schlechter: gr\xC3\xB6\xC3\x9F"
     "te |x| am Ende 0.0800 statt 0.0500 m."},
    {"NothingChanged", Truck(164, 164, 0.05), Truck(164, 164, 0.05), ""},
};

class ExplainTest : public ::testing::TestWithParam<ExplainCase> {};

TEST_P(ExplainTest, NamesWhatGotBetterAndWhatGotWorse) {
    EXPECT_EQ(tuning::Explain(GetParam().before, GetParam().after), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Changes, ExplainTest, ::testing::ValuesIn(kExplain),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(ExplainTest, InTheWerkstattsDecimalsAndInEnglish) {
    const auto& c = kExplain[0];
    EXPECT_NE(tuning::Explain(c.before, c.after, tuning::Decimals::Comma).find("9,200 statt 6,600 s"),
              std::string::npos);
    const fuzzy::LanguageScope english(fuzzy::Language::English);
    EXPECT_EQ(tuning::Explain(c.before, c.after),
              "Better: good runs 6 instead of 4 (2 more). Worse on the way: at rest by 9.200 instead of 6.600 s; "
              "at rest on average by 9.200 instead of 6.600 s.");
}

// Every pair of real scores (candidates of a search on both templates): the
// better one is better in some figure the text names.
TEST(ExplainTest, ABetterScoreIsBetterInAFigureShown) {
    for (const Vehicle v : {Vehicle::Loco, Vehicle::Truck}) {
        const fuzzy::Project start = v == Vehicle::Truck ? fuzzy::TemplateTruck() : fuzzy::TemplateLoco();
        tuning::Options o;
        o.Kind = v;
        o.Terms = true;
        o.CandidatesPerRound = v == Vehicle::Truck ? 8 : 24;
        std::vector<Score> scores;
        for (const fuzzy::Project& c : tuning::DrawCandidates(start, start, o, 0)) {
            scores.push_back(tuning::Evaluate(c, v));
            ASSERT_TRUE(scores.back().Complete);
        }
        int pairs = 0;
        for (const Score& a : scores)
            for (const Score& b : scores)
                if (tuning::Better(a, b)) {
                    ++pairs;
                    EXPECT_EQ(tuning::Explain(b, a).rfind("Besser: ", 0), 0u) << tuning::Explain(b, a);
                }
        EXPECT_GT(pairs, 10);
    }
}

}  // namespace
