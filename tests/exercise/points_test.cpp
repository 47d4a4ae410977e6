// Points and numbers by name: the keys that give points are read or refused
// with their line, the planned criteria are exactly the check's, a criterion
// the start meets earns nothing (and with startpunkte only beside real work),
// and a name always draws the same point.
#include "exercise/Check.h"
#include "exercise/Points.h"
#include "exercise/Reader.h"
#include "exercise/Variants.h"
#include "fuzzy/Text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::string kAufgaben = FUZZY_SOURCE_DIR "/examples/aufgaben/";

std::string Heating() {
    const fuzzy::Project p = fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/heizung.fuz");
    std::string text = fuzzy::text::Cp1252ToUtf8(fuzzy::ProjectText(p)), out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = text.find("\r\n", pos);
        out += "| " + text.substr(pos, end - pos) + "\n";
        pos = end + 2;
    }
    return out;
}

std::string WithChecks(const std::string& checks, const std::string& head = "") {
    return "[aufgabe]\nformat = 1\ntitel.de = Probe\naenderbar = regeln\n" + head + "[text.de]\nx\n[projekt]\n" +
           Heating() + checks;
}

struct KeyCase {
    const char* name;
    const char* checks;
    int line;  // of the refusal, 0: read
};

class PointsKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PointsKeys, ReadOrRefusedWithTheLine) {
    const std::string text = WithChecks(GetParam().checks);
    if (GetParam().line == 0) {
        EXPECT_NO_THROW(exercise::ParseExercise(text)) << GetParam().name;
        return;
    }
    try {
        exercise::ParseExercise(text);
        ADD_FAILURE() << GetParam().name << " was read";
    } catch (const exercise::FormatError& e) {
        // The checks start after the 7 head lines and the 91 project lines.
        EXPECT_EQ(e.Line(), GetParam().line) << GetParam().name << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reader, PointsKeys,
    ::testing::Values(
        KeyCase{"coverage points", "[abdeckung]\npunkte = 2.5\n", 0},
        KeyCase{"hand points per quantity",
                "[handrechnung]\na = 2\nb = 0\nfragen = ausgang\ntoleranz = 0.1\npunkte.ausgang = 3\n", 0},
        KeyCase{"points for a quantity not asked",
                "[handrechnung]\na = 2\nb = 0\nfragen = ausgang\ntoleranz = 0.1\npunkte.hoehen = 3\n", 99},
        KeyCase{"points for an unknown criterion", "[abdeckung]\npunkte.abdeckung = 1\n", 100},
        KeyCase{"negative points", "[abdeckung]\npunkte = -1\n", 100},
        KeyCase{"more than a gradebook takes",
                "[abdeckung]\npunkte = 60\n[handrechnung]\na = 2\nb = 0\nfragen = ausgang\ntoleranz = 0.1\n"
                "punkte.ausgang = 41\n",
                1},
        KeyCase{"startpunkte names a criterion of the section",
                "[handrechnung]\na = 2\nb = 0\nfragen = ausgang\ntoleranz = 0.1\nstartpunkte = ausgang\n", 0},
        KeyCase{"startpunkte names no criterion",
                "[handrechnung]\na = 2\nb = 0\nfragen = ausgang\ntoleranz = 0.1\nstartpunkte = ruhe_bis\n", 104},
        KeyCase{"values by name",
                "[handrechnung]\na = 1, 2, 3\nb = 0\nvariante = name\nfragen = ausgang\ntoleranz = 0.1\n", 0},
        KeyCase{"a list without variante", "[handrechnung]\na = 1, 2\nb = 0\nfragen = ausgang\ntoleranz = 0.1\n", 100},
        KeyCase{"variante without a list",
                "[handrechnung]\na = 1\nb = 0\nvariante = name\nfragen = ausgang\ntoleranz = 0.1\n", 99},
        KeyCase{"variante of another kind",
                "[handrechnung]\na = 1, 2\nb = 0\nvariante = zufall\nfragen = ausgang\ntoleranz = 0.1\n", 102}),
    [](const ::testing::TestParamInfo<KeyCase>& i) {
        std::string n = i.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

// Every shipped exercise: the criteria planned from the file are the check's,
// one for one, so that points meet their criterion.
TEST(Points, PlannedCriteriaAreTheChecks) {
    for (const char* name : {"01_regelschritt", "02_termdiagramm", "03_lok_tabelle", "04_luecke", "05_truck_12_regeln",
                             "06_schnelle_lok", "07_tuner_vergleich", "08_sv_kurve"}) {
        const exercise::Exercise e = exercise::ReadExercise(kAufgaben + name + ".fuzaufgabe");
        const exercise::CheckResult r = exercise::StartCheck(e, {2, nullptr});
        const std::vector<exercise::PlannedCriterion> plan = exercise::PlannedCriteria(e);
        ASSERT_EQ(plan.size(), r.Criteria.size()) << name;
        for (std::size_t i = 0; i < plan.size(); ++i) {
            EXPECT_EQ(plan[i].Id, r.Criteria[i].Id) << name;
            EXPECT_EQ(plan[i].Line, r.Criteria[i].Line) << name;
            EXPECT_EQ(plan[i].Speed, r.Criteria[i].Speed) << name;
        }
    }
}

struct ScoreCase {
    const char* name;
    const char* file;  // a project beside the exercise, "" for the start
    double points;
    double total;
};

class Scores : public ::testing::TestWithParam<ScoreCase> {};

// Exercise 03: the empty table neither moves nor overshoots; overshoot
// counts (startpunkte) only beside a run that comes to rest.
TEST_P(Scores, StartEarnsNothing) {
    const exercise::Exercise e = exercise::ReadExercise(kAufgaben + "03_lok_tabelle.fuzaufgabe");
    const exercise::Worth w = exercise::WorthOf(e, exercise::StartCheck(e, {2, nullptr}));
    const fuzzy::Project p = *GetParam().file ? fuzzy::LoadProject(kAufgaben + GetParam().file) : e.StartProject();
    const exercise::Score s = exercise::ScoreOf(w, exercise::Check(e, p, {}, {2, nullptr}));
    EXPECT_TRUE(s.Graded);
    EXPECT_DOUBLE_EQ(s.Points, GetParam().points) << GetParam().name;
    EXPECT_DOUBLE_EQ(s.Total, GetParam().total) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Points, Scores,
                         ::testing::Values(ScoreCase{"start", "", 0.0, 3.0},
                                           ScoreCase{"solution", "03_lok_tabelle.loesung.fuz", 3.0, 3.0},
                                           // Brakes too late: rests in time, but overshoots.
                                           ScoreCase{"wrong attempt", "03_lok_tabelle.falsch.fuz", 2.0, 3.0}),
                         [](const ::testing::TestParamInfo<ScoreCase>& i) {
                             return std::string(i.param.name) == "wrong attempt" ? std::string("wrong")
                                                                                 : std::string(i.param.name);
                         });

TEST(Points, RefusedHasNoGrade) {
    const exercise::Exercise e = exercise::ReadExercise(kAufgaben + "03_lok_tabelle.fuzaufgabe");
    const exercise::Worth w = exercise::WorthOf(e, exercise::StartCheck(e, {2, nullptr}));
    // The shipped lok.fuz has another range of the distance: refused, not marked 0.
    const exercise::CheckResult r = exercise::Check(e, fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/lok.fuz"), {});
    ASSERT_EQ(r.Overall, exercise::Verdict::Refused);
    EXPECT_FALSE(exercise::ScoreOf(w, r).Graded);
}

// ---- numbers by name -------------------------------------------------------------

TEST(Variants, SameNameSameNumbersAndNamesSpread) {
    const exercise::Exercise e = exercise::ParseExercise(WithChecks(
        "[handrechnung]\na = 1, 1.5, 2, 2.5, 3, 3.5\nb = -1, -0.5, 0, 0.5, 1\nvariante = name\nfragen = ausgang\n"
        "toleranz = 0.1\n"));
    EXPECT_TRUE(e.NeedsName());
    const exercise::Exercise anna = exercise::ForStudent(e, "Anna Berg");
    EXPECT_FALSE(anna.NeedsName());
    for (const char* same : {"anna berg", "  Anna   Berg ", "ANNA BERG"}) {
        const exercise::Exercise again = exercise::ForStudent(e, same);
        EXPECT_EQ(again.Hand[0].A, anna.Hand[0].A) << same;
        EXPECT_EQ(again.Hand[0].B, anna.Hand[0].B) << same;
    }
    std::set<std::pair<float, float>> points;
    for (int i = 0; i < 30; ++i) {
        const exercise::Exercise s = exercise::ForStudent(e, "Schüler " + std::to_string(i));
        points.insert({s.Hand[0].A, *s.Hand[0].B});
    }
    // 30 names on 30 points: most get their own.
    EXPECT_GE(points.size(), 15u);
    // No name changes a step that does not draw.
    const exercise::Exercise fixed =
        exercise::ParseExercise(WithChecks("[handrechnung]\na = 2\nb = 0\nfragen = ausgang\ntoleranz = 0.1\n"));
    EXPECT_EQ(exercise::ForStudent(fixed, "Anna").Hand[0].A, 2.0f);
}

}  // namespace
