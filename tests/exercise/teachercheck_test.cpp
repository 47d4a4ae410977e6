// The teacher's check of an exercise: each thing that makes an exercise
// unfair or useless is found (one row per fault), and the shipped exercises
// show none of them.
#include "exercise/Reader.h"
#include "exercise/TeacherCheck.h"

#include <gtest/gtest.h>

#include "fuzzy/Surface.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <functional>
#include <string>
#include <vector>

namespace {

const std::string kAufgaben = FUZZY_SOURCE_DIR "/examples/aufgaben/";

exercise::Exercise Shipped(const std::string& name) { return exercise::ReadExercise(kAufgaben + name + ".fuzaufgabe"); }

exercise::TeacherCheckInput WithReference(const std::string& file) {
    exercise::TeacherCheckInput in;
    if (file.size() > 11 && file.compare(file.size() - 11, 11, ".fuzantwort") == 0)
        in.ReferenceAnswers = exercise::ReadAnswers(kAufgaben + file);
    else
        in.Reference = fuzzy::LoadProject(kAufgaben + file);
    return in;
}

struct FaultCase {
    const char* name;
    std::function<void(exercise::Exercise&, exercise::TeacherCheckInput&)> make;
    const char* kind;  // the finding expected
};

class Faults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Faults, Found) {
    exercise::Exercise e;
    exercise::TeacherCheckInput in;
    GetParam().make(e, in);
    const std::vector<exercise::Finding> f = exercise::TeacherCheck(e, in, {2, nullptr});
    std::string all;
    for (const auto& x : f) all += x.Kind + ": " + x.Text + "\n";
    EXPECT_TRUE(std::any_of(f.begin(), f.end(), [&](const exercise::Finding& x) { return x.Kind == GetParam().kind; }))
        << GetParam().name << "\n"
        << all;
}

INSTANTIATE_TEST_SUITE_P(TeacherCheck, Faults,
                         ::testing::Values(FaultCase{"reference fails",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput& in) {
                                                         e = Shipped("03_lok_tabelle");
                                                         in = WithReference("03_lok_tabelle.falsch.fuz");
                                                     },
                                                     "reference_fails"},
                                           FaultCase{"no reference",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("04_luecke");
                                                     },
                                                     "no_reference"},
                                           FaultCase{"start passes",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput& in) {
                                                         e = Shipped("04_luecke");
                                                         in = WithReference("04_luecke.loesung.fuz");
                                                         e.Start = *in.Reference;
                                                     },
                                                     "start_passes"},
                                           FaultCase{"a shipped example passes",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput& in) {
                                                         e = Shipped("03_lok_tabelle");
                                                         in = WithReference("03_lok_tabelle.loesung.fuz");
                                                         // The distance's range as the shipped lok.fuz has it.
                                                         e.Start.A.RangeMax = 30.0f;
                                                         in.Examples = exercise::ShippedProjects();
                                                     },
                                                     "example_passes"},
                                           FaultCase{"docking asked of no start",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput& in) {
                                                         e = Shipped("05_truck_12_regeln");
                                                         in = WithReference("05_truck_12_regeln.loesung.fuz");
                                                         e.Truck[0].MinDocked = 0;
                                                     },
                                                     "never_fails"},
                                           FaultCase{"more rules allowed than cells",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("03_lok_tabelle");
                                                         e.Loco[0].MaxRules = 25;
                                                     },
                                                     "never_fails"},
                                           FaultCase{"a force that cannot leave its locked range",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("03_lok_tabelle");
                                                         e.Loco[0].ForceInRange = true;
                                                     },
                                                     "never_fails"},
                                           FaultCase{"more sign changes than steps",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("03_lok_tabelle");
                                                         e.Loco[0].MaxSignChanges = 100000;
                                                     },
                                                     "never_fails"},
                                           FaultCase{"a tolerance that takes any degree",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("01_regelschritt");
                                                         e.Hand[0].Tolerance = 0.5f;
                                                     },
                                                     "never_fails"},
                                           FaultCase{"at rest sooner than the force allows",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("03_lok_tabelle");
                                                         e.Loco[0].Masses = {1000.0f};
                                                         e.Loco[0].RestWithin = 1.0f;
                                                     },
                                                     "always_fails"},
                                           FaultCase{"nothing may change and the start fails",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("04_luecke");
                                                         e.MayChange = {};
                                                     },
                                                     "always_fails"},
                                           FaultCase{"an output no float holds",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("01_regelschritt");
                                                         e.StartEn.reset();
                                                         // Corners at the end of single precision: the centroid overflows.
                                                         const float ends[] = {-3.4e38f, -1.0e38f, 1.0e38f, 3.4e38f};
                                                         for (int i = 1; i <= e.Start.Out.UsedTerms(); ++i)
                                                             for (int j = 1; j <= 4; ++j)
                                                                 e.Start.Out.SetParam(i, j, ends[j - 1]);
                                                         e.Start.Out.RangeMin = -3.4e38f;
                                                         e.Start.Out.RangeMax = 3.4e38f;
                                                     },
                                                     "not_finite"},
                                           FaultCase{"a hint that gives an answer",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("01_regelschritt");
                                                         e.Hint.De = "Der Grad von richtig ist 0,6.";
                                                     },
                                                     "hint_answer"},
                                           FaultCase{"the textbook's min max output fails the tolerance",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("01_regelschritt");
                                                         e.Hand[0].OutputTolerance = 0.01f;
                                                     },
                                                     "method_differs"},
                                           FaultCase{"the textbook's output fails at a point drawn by name",
                                                     [](exercise::Exercise& e, exercise::TeacherCheckInput&) {
                                                         e = Shipped("01_regelschritt");
                                                         e.Hand[0].OutputTolerance = 0.01f;
                                                         e.Hand[0].AChoices = {-9.0f, 2.0f};
                                                     },
                                                     "method_differs"}),
                         [](const ::testing::TestParamInfo<FaultCase>& i) {
                             std::string n = i.param.name;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

// The textbook's output against the area of the clipped terms summed up
// point by point, finely: one row per shape whose centroid a shortcut
// gets wrong.
struct BookCase {
    const char* name;
    float a, b;
};

class Book : public ::testing::TestWithParam<BookCase> {};

double FineCentroid(const fuzzy::Project& p, float a, float b) {
    const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(p, a, b);
    double lo = 1e30, hi = -1e30;
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
        lo = std::min<double>(lo, p.Out.GetParam(k, fuzzy::ParamA));
        hi = std::max<double>(hi, p.Out.GetParam(k, fuzzy::ParamD));
    }
    double area = 0.0, moment = 0.0;
    const int n = 400000;
    for (int i = 0; i < n; ++i) {
        const double y = lo + (hi - lo) * (i + 0.5) / n;
        double m = 0.0;
        for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
            const double ta = p.Out.GetParam(k, fuzzy::ParamA), tb = p.Out.GetParam(k, fuzzy::ParamB),
                         tc = p.Out.GetParam(k, fuzzy::ParamC), td = p.Out.GetParam(k, fuzzy::ParamD);
            const double shape = y < ta || y > td ? 0.0
                                 : y < tb         ? (y - ta) / (tb - ta)
                                 : y <= tc        ? 1.0
                                                  : (td - y) / (td - tc);
            m = std::max(m, std::min(shape, double(s.Activation[static_cast<std::size_t>(k - 1)])));
        }
        area += m;
        moment += m * y;
    }
    return moment / area;
}

TEST_P(Book, MinMaxOutputIsTheCentroidOfTheClippedTerms) {
    const fuzzy::Project p = Shipped("01_regelschritt").StartProject();
    const std::optional<float> book = exercise::MinMaxOutput(p, GetParam().a, GetParam().b);
    ASSERT_TRUE(book.has_value());
    EXPECT_NEAR(*book, FineCentroid(p, GetParam().a, GetParam().b), 0.005);
    EXPECT_GT(std::fabs(*book - fuzzy::BreakDownStep(p, GetParam().a, GetParam().b).Output), 0.01)
        << "the case must tell the two methods apart";
}

INSTANTIATE_TEST_SUITE_P(TeacherCheck, Book,
                         ::testing::Values(BookCase{"FourRulesOfExerciseOne", 2.0f, -0.5f},
                                           BookCase{"OverlappingTermsOfUnequalHeight", -3.0f, 1.5f},
                                           BookCase{"OneOuterTerm", -9.0f, 0.3f}),
                         [](const auto& i) { return std::string(i.param.name); });

// A tolerance wide enough for both methods gives no warning.
TEST(TeacherCheck, NoWarningWhereBothMethodsMeetTheTolerance) {
    exercise::Exercise e = Shipped("01_regelschritt");
    e.Hand[0].OutputTolerance = 1000.0f;
    for (const exercise::Finding& f : exercise::TeacherCheck(e, {}, {2, nullptr}))
        EXPECT_NE(f.Kind, "method_differs") << f.Text;
}

// What a class gets is fair: no shipped exercise shows a fault with its
// reference solution and the shipped examples.
TEST(TeacherCheck, ShippedExercisesAreFair) {
    for (const char* name : {"01_regelschritt", "02_termdiagramm", "03_lok_tabelle", "04_luecke", "05_truck_12_regeln",
                             "06_schnelle_lok", "07_tuner_vergleich", "08_sv_kurve"}) {
        const exercise::Exercise e = Shipped(name);
        const bool answers = e.NeedsAnswers();
        exercise::TeacherCheckInput in =
            WithReference(std::string(name) + (answers ? ".loesung.fuzantwort" : ".loesung.fuz"));
        in.Examples = exercise::ShippedProjects();
        for (const exercise::Finding& f : exercise::TeacherCheck(e, in, {2, nullptr}))
            EXPECT_FALSE(f.Fault()) << name << ": " << f.Kind << ": " << f.Text;
    }
}

}  // namespace
