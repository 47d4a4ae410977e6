// The check: what an exercise locks is refused with what changed, each
// criterion measures what the labs measure, the failing starts and runs are
// the ones that fail, and the result does not depend on the threads.
#include "exercise/Check.h"
#include "exercise/Reader.h"
#include "fuzzy/LanguageScope.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Surface.h"
#include "fuzzy/Text.h"
#include "loco/model/LocoVersuch.h"
#include "truck/model/Grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kExamples = FUZZY_SOURCE_DIR "/examples/";

std::string Exercise(const std::string& permissions, const std::string& checks, const std::string& project) {
    return "[aufgabe]\nformat = 1\ntitel.de = Probe\naenderbar = " + permissions + "\n[text.de]\nx\n[projekt]\n" +
           project + "\n" + checks;
}

// The project of a shipped example embedded as an exercise's start.
std::string Embedded(const std::string& file) {
    const fuzzy::Project p = fuzzy::LoadProject(kExamples + file);
    std::string text = fuzzy::text::Cp1252ToUtf8(fuzzy::ProjectText(p)), out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = text.find("\r\n", pos);
        out += "| " + text.substr(pos, end - pos) + "\n";
        pos = end + 2;
    }
    return out;
}

const exercise::CriterionResult* Find(const exercise::CheckResult& r, const std::string& id, float speed = 0.0f) {
    for (const auto& c : r.Criteria)
        if (c.Id == id && (!c.Speed || *c.Speed == speed)) return &c;
    return nullptr;
}

// ---- what may change -------------------------------------------------------

struct ChangeCase {
    const char* name;  // what the student did
    const char* permissions;
    void (*edit)(fuzzy::Project&);
    bool refused;
};

class Locks : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(Locks, RefusedExactlyWhenLocked) {
    const ChangeCase& c = GetParam();
    const exercise::Exercise e =
        exercise::ParseExercise(Exercise(c.permissions, "[abdeckung]\n", Embedded("heizung.fuz")));
    fuzzy::Project p = e.StartProject();
    c.edit(p);
    const exercise::CheckResult r = exercise::Check(e, p, {});
    EXPECT_EQ(r.Overall == exercise::Verdict::Refused, c.refused) << c.name;
    EXPECT_EQ(r.Changes.empty(), !c.refused) << c.name;
    EXPECT_EQ(exercise::ForbiddenChanges(e, p).size(), r.Changes.size()) << c.name;
    if (c.refused) {
        EXPECT_TRUE(r.Criteria.empty()) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Check, Locks,
    ::testing::Values(
        ChangeCase{"rule changed, rules locked", "terme", [](fuzzy::Project& p) { p.Rules.Set(1, 1, 2); }, true},
        ChangeCase{"rule changed, rules free", "regeln", [](fuzzy::Project& p) { p.Rules.Set(1, 1, 2); }, false},
        ChangeCase{"rule beyond the terms changed", "terme", [](fuzzy::Project& p) { p.Rules.Set(5, 5, 1); }, true},
        ChangeCase{"corner moved, terms locked", "regeln",
                   [](fuzzy::Project& p) { p.A.SetParam(2, fuzzy::ParamB, 0.5f); }, true},
        ChangeCase{"height changed, terms locked", "regeln",
                   [](fuzzy::Project& p) { p.Out.SetParam(1, fuzzy::ParamH, 0.5f); }, true},
        ChangeCase{"term removed, terms locked", "regeln", [](fuzzy::Project& p) { p.B.TermCount = 2; }, true},
        ChangeCase{"corner moved, terms free", "terme", [](fuzzy::Project& p) { p.A.SetParam(2, fuzzy::ParamB, 0.5f); },
                   false},
        ChangeCase{"range changed, ranges locked", "regeln, terme", [](fuzzy::Project& p) { p.Out.RangeMax = 120.0f; },
                   true},
        ChangeCase{"range changed, ranges free", "bereiche", [](fuzzy::Project& p) { p.Out.RangeMax = 120.0f; }, false},
        ChangeCase{"input B removed, everything free", "regeln, terme, bereiche",
                   [](fuzzy::Project& p) {
                       p.B.Defined = false;
                       p.B.TermCount = 0;
                   },
                   true},
        ChangeCase{"names changed, nothing free", "nichts",
                   [](fuzzy::Project& p) {
                       p.A.Name = "Abweichung";
                       p.A.SetTermName(1, "kalt");
                   },
                   false},
        ChangeCase{"negative zero for zero, nothing free", "nichts",
                   [](fuzzy::Project& p) { p.A.SetParam(2, fuzzy::ParamB, -0.0f); }, true}),
    [](const ::testing::TestParamInfo<ChangeCase>& i) {
        std::string n = i.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

// ---- the vehicles ----------------------------------------------------------

// The truck's figures are the grid's, as the lab and fuzzysim truck --grid
// have them, and the starts named are exactly the ones that fail.
TEST(Check, TruckFiguresAreTheGridsAndTheStartsNamedFail) {
    const exercise::Exercise e = exercise::ParseExercise(
        Exercise("regeln", "[truck]\ngeschwindigkeiten = -1, -10\nangedockt_min = 164\nstrasse_verlassen_max = 0\n",
                 Embedded("truck.fuz")));
    fuzzy::Project p = e.StartProject();
    // Steering straight on where the truck is far left and turned left: some
    // starts no longer dock, and some leave the road.
    p.Rules.Set(1, 1, 3);
    p.Rules.Set(1, 2, 3);
    p.Rules.Set(2, 1, 3);
    const exercise::CheckResult r = exercise::Check(e, p, {}, {2, nullptr});
    for (const float v : {-1.0f, -10.0f}) {
        const dorvane::GridRun grid = dorvane::RunGrid(fuzzy::Controller(p), v, false);
        const auto* docked = Find(r, "truck.docked", v);
        const auto* road = Find(r, "truck.left_road", v);
        ASSERT_TRUE(docked && road);
        EXPECT_EQ(docked->Measured, grid.Figures.Docked) << v;
        EXPECT_EQ(road->Measured, grid.Figures.LeftRoad()) << v;
        EXPECT_EQ(docked->Passed, grid.Figures.Docked == 164);
        EXPECT_EQ(static_cast<int>(docked->Starts.size()), docked->Passed ? 0 : 164 - grid.Figures.Docked);
        for (const exercise::StartRef& s : docked->Starts) {
            EXPECT_FALSE(grid.Runs[static_cast<std::size_t>(s.Index)].Quality.Good());
            EXPECT_EQ(s.Start.CabX, dorvane::GridStarts()[static_cast<std::size_t>(s.Index)].CabX);
            EXPECT_EQ(s.Speed, v);
        }
        for (const exercise::StartRef& s : road->Starts) {
            const dorvane::Quality& q = grid.Runs[static_cast<std::size_t>(s.Index)].Quality;
            EXPECT_TRUE(q.MustKeepRoad && !q.KeptRoad);
        }
    }
    EXPECT_FALSE(r.Passed());
}

// The same result on one thread and on several.
TEST(Check, ResultDoesNotDependOnThreads) {
    const exercise::Exercise e = exercise::ParseExercise(
        Exercise("regeln", "[truck]\ngeschwindigkeiten = -10\nangedockt_min = 160\n", Embedded("truck.fuz")));
    fuzzy::Project p = e.StartProject();
    p.Rules.Set(2, 2, 3);
    p.Rules.Set(1, 3, 2);
    const exercise::CheckResult one = exercise::Check(e, p, {}, {1, nullptr});
    const exercise::CheckResult four = exercise::Check(e, p, {}, {4, nullptr});
    ASSERT_EQ(one.Criteria.size(), four.Criteria.size());
    for (std::size_t i = 0; i < one.Criteria.size(); ++i) {
        EXPECT_EQ(one.Criteria[i].Measured, four.Criteria[i].Measured);
        ASSERT_EQ(one.Criteria[i].Starts.size(), four.Criteria[i].Starts.size());
        for (std::size_t k = 0; k < one.Criteria[i].Starts.size(); ++k)
            EXPECT_EQ(one.Criteria[i].Starts[k].Index, four.Criteria[i].Starts[k].Index);
    }
}

// The locomotive's figures are those of its runs; every run named fails.
TEST(Check, LocoFiguresAreTheRunsAndTheRunsNamedFail) {
    const exercise::Exercise e = exercise::ParseExercise(
        Exercise("regeln",
                 "[lok]\nmassen = 1, 4\nruhe_bis = 3.4\nueberschwingen_max = 0.1\nvorzeichenwechsel_max = 5\n"
                 "kraft_im_bereich = ja\n",
                 Embedded("lok.fuz")));
    const fuzzy::Project p = e.StartProject();
    const exercise::CheckResult r = exercise::Check(e, p, {});
    double latest = 0.0, most = 0.0;
    int changes = 0;
    const auto runs = e.Loco[0].Runs();
    for (const pemrak::RunOptions& o : runs) {
        fuzzy::Project q = p;
        const pemrak::JudgedRun j = pemrak::RunAndJudge(fuzzy::Controller(q), o);
        latest = std::max(latest, double(j.AtRestFrom.value_or(j.Figures.EndT)));
        most = std::max(most, double(j.Figures.OvershootCm));
        changes = std::max(changes, j.Figures.SignChanges);
    }
    const auto* rest = Find(r, "loco.rest");
    const auto* over = Find(r, "loco.overshoot");
    const auto* sign = Find(r, "loco.sign_changes");
    ASSERT_TRUE(rest && over && sign && Find(r, "loco.force"));
    EXPECT_DOUBLE_EQ(rest->Measured, latest);
    EXPECT_DOUBLE_EQ(over->Measured, most);
    EXPECT_EQ(sign->Measured, changes);
    EXPECT_EQ(rest->Passed, latest <= 3.4);
    EXPECT_EQ(over->Passed, most <= 0.1);
    // lok.fuz goes 0.28 cm past the mark at 4 kg: those runs are named, no others.
    ASSERT_FALSE(over->Runs.empty());
    for (const pemrak::RunOptions& o : over->Runs) EXPECT_EQ(o.Start.Masse, 4.0f);
    EXPECT_EQ(over->Reasons.size(), over->Runs.size());
    EXPECT_TRUE(Find(r, "loco.force")->Passed);
}

// A set cancel flag stops the check; its result is not a pass.
TEST(Check, CancelledIsNoPass) {
    const exercise::Exercise e = exercise::ParseExercise(
        Exercise("regeln", "[truck]\ngeschwindigkeiten = -1\nregeln_max = 25\n", Embedded("truck.fuz")));
    std::atomic<bool> cancel{true};
    const exercise::CheckResult r = exercise::Check(e, e.StartProject(), {}, {2, &cancel});
    EXPECT_TRUE(r.Cancelled);
    EXPECT_FALSE(r.Passed());
}

// ---- rules, coverage, the hand step -----------------------------------------

// Only entries that name an output term, in the rows and columns the inputs
// have, count as rules.
TEST(Check, FilledRulesCountsOnlyWorkingCells) {
    fuzzy::Project p = fuzzy::LoadProject(kExamples + "heizung.fuz");
    EXPECT_EQ(exercise::FilledRules(p), 9);
    p.Rules.Set(4, 1, 1);  // a row input B does not have
    p.Rules.Set(1, 4, 1);  // a column input A does not have
    p.Rules.Set(1, 1, 7);  // no output term 7
    p.Rules.Set(1, 2, -1);
    EXPECT_EQ(exercise::FilledRules(p), 7);
}

// The places without a firing rule are the engine's boxes.
TEST(Check, CoverageNamesTheEnginesBoxes) {
    const exercise::Exercise e = exercise::ParseExercise(Exercise("terme", "[abdeckung]\n", Embedded("heizung.fuz")));
    const exercise::CheckResult r = exercise::Check(e, e.StartProject(), {});
    const auto* c = Find(r, "coverage");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Measured, 2.0);
    EXPECT_EQ(c->Boxes.size(), fuzzy::FindNoRuleRegions(e.StartProject()).Boxes.size());
    EXPECT_FALSE(c->Passed);
}

struct HandCase {
    const char* name;
    void (*answer)(exercise::PointAnswers&, const fuzzy::StepBreakdown&);
    const char* failing;  // the criterion that must fail, "" for none
};

class HandStep : public ::testing::TestWithParam<HandCase> {};

// Each quantity is measured against the engine's own numbers at the point.
TEST_P(HandStep, AgainstTheEngine) {
    const exercise::Exercise e = exercise::ParseExercise(
        Exercise("nichts",
                 "[handrechnung]\na = 2\nb = -0.5\nfragen = zugehoerigkeit, feuerstaerke, hoehen, ausgang\n"
                 "toleranz = 0.01\ntoleranz_ausgang = 0.5\n",
                 Embedded("heizung.fuz")));
    const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(e.StartProject(), 2.0f, -0.5f);
    exercise::PointAnswers a;
    for (int i = 0; i < 5; ++i) {
        a.MembershipA[static_cast<std::size_t>(i)] = s.DegreeA[static_cast<std::size_t>(i)];
        a.MembershipB[static_cast<std::size_t>(i)] = s.DegreeB[static_cast<std::size_t>(i)];
        a.Heights[static_cast<std::size_t>(i)] = s.Activation[static_cast<std::size_t>(i)];
        for (int c = 0; c < 5; ++c)
            a.Firing[static_cast<std::size_t>(i * 5 + c)] =
                s.Strength[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)];
    }
    a.Output = s.Output;
    GetParam().answer(a, s);
    exercise::Answers answers;
    answers.Points["P1"] = a;
    const exercise::CheckResult r = exercise::Check(e, e.StartProject(), answers);
    ASSERT_EQ(r.Criteria.size(), 4u);
    for (const auto& c : r.Criteria) {
        const bool shouldFail = c.Id == GetParam().failing;
        EXPECT_EQ(c.Passed, !shouldFail) << GetParam().name << ": " << c.Id;
        EXPECT_EQ(c.Reasons.empty(), c.Passed) << GetParam().name << ": " << c.Id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Check, HandStep,
    ::testing::Values(
        HandCase{"all right", [](exercise::PointAnswers&, const fuzzy::StepBreakdown&) {}, ""},
        HandCase{"zero degrees left out are not answered",
                 [](exercise::PointAnswers& a, const fuzzy::StepBreakdown&) {
                     a.MembershipA[0].reset();
                     a.MembershipB[2].reset();
                 },
                 "hand.membership"},
        HandCase{"an entry that is no number",
                 [](exercise::PointAnswers& a, const fuzzy::StepBreakdown&) { a.Heights[1] = std::nanf(""); },
                 "hand.heights"},
        HandCase{
            "degree just outside the tolerance",
            [](exercise::PointAnswers& a, const fuzzy::StepBreakdown& s) { a.MembershipA[1] = s.DegreeA[1] + 0.011f; },
            "hand.membership"},
        HandCase{
            "degree within the tolerance",
            [](exercise::PointAnswers& a, const fuzzy::StepBreakdown& s) { a.MembershipB[0] = s.DegreeB[0] - 0.009f; },
            ""},
        HandCase{"maximum taken for a rule",
                 [](exercise::PointAnswers& a, const fuzzy::StepBreakdown&) { a.Firing[0 * 5 + 1] = 0.6f; },
                 "hand.firing"},
        HandCase{"firing rule left out",
                 [](exercise::PointAnswers& a, const fuzzy::StepBreakdown&) { a.Firing[1].reset(); }, "hand.firing"},
        HandCase{"height wrong", [](exercise::PointAnswers& a, const fuzzy::StepBreakdown&) { a.Heights[0] = 0.5f; },
                 "hand.heights"},
        HandCase{"output missing", [](exercise::PointAnswers& a, const fuzzy::StepBreakdown&) { a.Output.reset(); },
                 "hand.output"},
        HandCase{"output off by more than its tolerance",
                 [](exercise::PointAnswers& a, const fuzzy::StepBreakdown& s) { a.Output = s.Output + 0.6f; },
                 "hand.output"}),
    [](const ::testing::TestParamInfo<HandCase>& i) {
        std::string n = i.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

// Hints come after a failure only: the failing check's, then the exercise's.
TEST(Check, HintsOnlyAfterFailure) {
    const exercise::Exercise e = exercise::ParseExercise(
        "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = terme\n[text.de]\nx\n[hinweis.de]\nallgemein\n[projekt]\n" +
        Embedded("heizung.fuz") + "[abdeckung]\nhinweis.de = Luecke\n");
    const exercise::CheckResult fail = exercise::Check(e, e.StartProject(), {});
    EXPECT_EQ(fail.Hints, (std::vector<std::string>{"Luecke", "allgemein"}));
    fuzzy::Project p = e.StartProject();
    p.A.SetParam(3, fuzzy::ParamC, 11.0f);
    p.A.SetParam(3, fuzzy::ParamD, 11.0f);
    p.B.SetParam(3, fuzzy::ParamC, 3.0f);
    p.B.SetParam(3, fuzzy::ParamD, 3.0f);
    const exercise::CheckResult pass = exercise::Check(e, p, {});
    EXPECT_TRUE(pass.Passed());
    EXPECT_TRUE(pass.Hints.empty());
}

// The English edition starts from the English names, with the same numbers.
TEST(Check, EnglishStartHasEnglishNames) {
    const exercise::Exercise e = exercise::ReadExercise(kExamples + "aufgaben/01_regelschritt.fuzaufgabe");
    fuzzy::LanguageScope en(fuzzy::Language::English);
    const fuzzy::Project p = e.StartProject();
    EXPECT_EQ(p.A.Name, "Temperature deviation");
    EXPECT_EQ(p.Rules, e.Start.Rules);
    EXPECT_TRUE(exercise::ForbiddenChanges(e, e.Start).empty());
}

}  // namespace

namespace {

// ---- what the check gives away ------------------------------------------------

struct LeakCase {
    const char* name;
    void (*answer)(exercise::PointAnswers&);
    const char* failing;  // the criterion that fails
    int wrong;            // how many of its answers are wrong or missing
};

class HandLeak : public ::testing::TestWithParam<LeakCase> {};

// A failing hand step says what is wrong, never a number from which the
// engine's value can be read back: not in the measured value, not in the
// line, not in the reasons.
TEST_P(HandLeak, NoNumberGivesTheAnswerAway) {
    const exercise::Exercise e = exercise::ReadExercise(kExamples + "aufgaben/01_regelschritt.fuzaufgabe");
    const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(e.StartProject(), 2.0f, -0.5f);
    exercise::Answers answers;
    exercise::PointAnswers& a = answers.Points["P1"];
    a.Output = s.Output;
    GetParam().answer(a);
    const exercise::CheckResult r = exercise::Check(e, e.StartProject(), answers);
    const auto* c = Find(r, GetParam().failing);
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->Passed);
    EXPECT_EQ(c->Measured, GetParam().wrong);
    EXPECT_EQ(c->Limit, 0.0);
    std::vector<std::string> texts = c->Reasons;
    texts.push_back(exercise::Summary(*c));
    const std::vector<double> secrets = {s.Output, std::fabs(s.Output) + 1.0, s.DegreeA[1], s.DegreeA[2]};
    for (const std::string& t : texts)
        for (const double v : secrets)
            for (const int decimals : {1, 2, 4}) {
                std::string n = fuzzy::FixedText(v, decimals);
                std::replace(n.begin(), n.end(), '.', ',');
                EXPECT_EQ(t.find(n), std::string::npos) << GetParam().name << ": " << t << " holds " << n;
            }
}

INSTANTIATE_TEST_SUITE_P(
    Check, HandLeak,
    ::testing::Values(LeakCase{"output 0", [](exercise::PointAnswers& a) { a.Output = 0.0f; }, "hand.output", 1},
                      LeakCase{"output missing", [](exercise::PointAnswers& a) { a.Output.reset(); }, "hand.output", 1},
                      // Every empty box counts, whether its right value is 0 or not.
                      LeakCase{"memberships all left out", [](exercise::PointAnswers&) {}, "hand.membership", 6}),
    [](const ::testing::TestParamInfo<LeakCase>& i) {
        std::string n = i.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

// A run that never comes to rest has no time of rest: the criterion fails
// without a value that could pass for one.
TEST(Check, NeverAtRestHasNoTime) {
    const exercise::Exercise e = exercise::ReadExercise(kExamples + "aufgaben/03_lok_tabelle.fuzaufgabe");
    fuzzy::Project p = e.StartProject();
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 5; ++col) p.Rules.Set(row, col, p.Out.UsedTerms());
    const exercise::CheckResult r = exercise::Check(e, p, {});
    const auto* rest = Find(r, "loco.rest");
    ASSERT_TRUE(rest);
    EXPECT_FALSE(rest->Passed);
    EXPECT_FALSE(std::isfinite(rest->Measured));
    EXPECT_FALSE(rest->Runs.empty());
}

// A truck that reaches places where no rule fires relies on the output's
// range start there: the runs that do are counted as the lab counts them
// and named, at each speed, whatever else the controller achieves.
TEST(Check, TruckRunsThroughPlacesWithoutARuleFail) {
    const exercise::Exercise e = exercise::ParseExercise(
        Exercise("regeln", "[truck]\ngeschwindigkeiten = -1, -10\nangedockt_min = 0\n", Embedded("truck.fuz")));
    fuzzy::Project p = e.StartProject();
    // The outer ring of the table emptied: the truck far off the line or
    // turned far steers by the range start.
    for (int i = 1; i <= 5; ++i)
        for (const auto& [row, col] : {std::pair{1, i}, std::pair{5, i}, std::pair{i, 1}, std::pair{i, 5}})
            p.Rules.Set(row, col, 0);
    const exercise::CheckResult r = exercise::Check(e, p, {}, {2, nullptr});
    for (const float v : {-1.0f, -10.0f}) {
        fuzzy::Project q = p;
        const dorvane::GridRun grid = dorvane::RunGrid(fuzzy::Controller(q), v, true);
        fuzzy::RuleFiring firing(p);
        std::vector<int> through;
        for (std::size_t i = 0; i < grid.Runs.size(); ++i)
            if (dorvane::WhereNoRuleFires(firing, grid.Runs[i].Result) != dorvane::NoRulePlace::Never)
                through.push_back(static_cast<int>(i));
        ASSERT_FALSE(through.empty()) << v;
        const auto* c = Find(r, "truck.no_rule", v);
        ASSERT_TRUE(c) << v;
        EXPECT_EQ(c->Measured, static_cast<double>(through.size())) << v;
        EXPECT_FALSE(c->Passed);
        ASSERT_EQ(c->Starts.size(), through.size());
        for (std::size_t k = 0; k < through.size(); ++k) EXPECT_EQ(c->Starts[k].Index, through[k]);
    }
    // The full table: a rule fires everywhere, nothing to name.
    const exercise::CheckResult full = exercise::Check(e, e.StartProject(), {}, {2, nullptr});
    EXPECT_TRUE(Find(full, "truck.no_rule", -1.0f)->Passed);
}

// ---- the figures a verdict shows -------------------------------------------

// Exercise 08 at P1: the engine's force is −7.66·10⁻¹⁰ N, which the sheet and
// the inspector show as 0; a tolerance of 0.3 N is the same on both sides.
struct ToleranceCase {
    const char* name;
    float answer;
    bool passes;
};

class AtTheTolerance : public ::testing::TestWithParam<ToleranceCase> {};

TEST_P(AtTheTolerance, SameOnBothSides) {
    const exercise::Exercise e = exercise::ReadExercise(kExamples + "aufgaben/08_sv_kurve.fuzaufgabe");
    exercise::Answers a;
    a.Points["P1"].Output = GetParam().answer;
    const exercise::CheckResult r = exercise::Check(e, e.StartProject(), a, {2, nullptr});
    const auto it = std::find_if(r.Criteria.begin(), r.Criteria.end(), [](const exercise::CriterionResult& c) {
        return c.Id == "hand.output" && c.Point == "P1";
    });
    ASSERT_NE(it, r.Criteria.end());
    EXPECT_EQ(it->Passed, GetParam().passes) << GetParam().answer;
}

INSTANTIATE_TEST_SUITE_P(Check, AtTheTolerance,
                         ::testing::Values(ToleranceCase{"AboveAtTolerance", 0.3f, true},
                                           ToleranceCase{"BelowAtTolerance", -0.3f, true},
                                           ToleranceCase{"AboveBeyond", 0.31f, false},
                                           ToleranceCase{"BelowBeyond", -0.31f, false}),
                         [](const ::testing::TestParamInfo<ToleranceCase>& i) { return std::string(i.param.name); });

// A sheet lists the criteria without running anything: the same ones, with
// the same names and limits, as a check that runs.
TEST(Check, ListsCriteriaWithoutRunning) {
    for (const char* name : {"03_lok_tabelle", "05_truck_12_regeln"}) {
        const exercise::Exercise e = exercise::ReadExercise(kExamples + "aufgaben/" + name + ".fuzaufgabe");
        exercise::CheckOptions list;
        list.Run = false;
        const exercise::CheckResult listed = exercise::Check(e, e.StartProject(), {}, list);
        const exercise::CheckResult run = exercise::Check(e, e.StartProject(), {}, {2, nullptr});
        ASSERT_EQ(listed.Criteria.size(), run.Criteria.size()) << name;
        for (std::size_t i = 0; i < run.Criteria.size(); ++i) {
            EXPECT_EQ(listed.Criteria[i].Name, run.Criteria[i].Name) << name;
            EXPECT_EQ(exercise::LimitText(listed.Criteria[i]), exercise::LimitText(run.Criteria[i])) << name;
        }
    }
}

// A section's hint is about its runs: a table with one rule too many does
// not send the student to look for a start that does not dock.
struct SectionHintCase {
    const char* name;
    int maxRules;     // the solution has 9 rules, and all its starts dock
    bool dropCentre;  // without the cell null/null the truck crawls to the line from some starts
    bool hinted;
};

class SectionHint : public ::testing::TestWithParam<SectionHintCase> {};

TEST_P(SectionHint, OnlyWhenARunFails) {
    exercise::Exercise e = exercise::ReadExercise(kExamples + "aufgaben/05_truck_12_regeln.fuzaufgabe");
    fuzzy::Project p = fuzzy::LoadProject(kExamples + "aufgaben/05_truck_12_regeln.loesung.fuz");
    if (GetParam().dropCentre) p.Rules.Set(2, 2, 0);
    e.Truck[0].MaxRules = GetParam().maxRules;
    const exercise::CheckResult r = exercise::Check(e, p, {}, {2, nullptr});
    ASSERT_FALSE(r.Passed());
    const bool hinted = std::find(r.Hints.begin(), r.Hints.end(), e.Truck[0].Hint.Active()) != r.Hints.end();
    EXPECT_EQ(hinted, GetParam().hinted);
}

INSTANTIATE_TEST_SUITE_P(Check, SectionHint,
                         ::testing::Values(SectionHintCase{"OnlyTheRuleCountFails", 8, false, false},
                                           SectionHintCase{"ARunFails", 12, true, true}),
                         [](const ::testing::TestParamInfo<SectionHintCase>& i) { return std::string(i.param.name); });

// A place without a firing rule narrower than its figures show is named as
// the one value it shows ("A 0"), not as a range from 0 to 0.
TEST(Check, NarrowGapNamedAsOneValue) {
    const exercise::Exercise e = exercise::ParseExercise(Exercise("terme", "[abdeckung]\n", Embedded("heizung.fuz")));
    fuzzy::Project p = e.StartProject();
    p.A.SetParam(2, fuzzy::ParamB, -3.0f);
    p.A.SetParam(2, fuzzy::ParamC, -3.0f);
    p.A.SetParam(2, fuzzy::ParamD, -1.0e-7f);
    p.A.SetParam(3, fuzzy::ParamA, 1.0e-7f);
    const exercise::CheckResult r = exercise::Check(e, p, {}, {2, nullptr});
    const auto* c = Find(r, "coverage");
    ASSERT_TRUE(c);
    ASSERT_FALSE(c->Reasons.empty());
    EXPECT_NE(c->Reasons.front().find("(A 0 / B"), std::string::npos) << c->Reasons.front();
}

}  // namespace
