// The workshop's Qt-free logic: handle limits, term edits that keep the rules
// in step, templates, hints and where the vehicle programs are looked for.
#include "fuzzy/Hints.h"
#include "fuzzy/Project.h"
#include "werkstatt/kern/Programmsuche.h"
#include "werkstatt/kern/Bearbeitung.h"
#include "fuzzy/Language.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

namespace fs = std::filesystem;
using namespace werkstatt;

namespace {

float Ausgabe(const fuzzy::Project& p, float a, float b) {
    fuzzy::TFuzzy A, B, Aus;
    A.Assign(p.A);
    B.Assign(p.B);
    Aus.Assign(p.Out);
    A.Value = a;
    B.Value = b;
    fuzzy::Infer(p.Rules, A, B, Aus);
    return Aus.Defuzzify();
}

// The Lok template with a rule table that uses every cell.
fuzzy::Project LokMitRegeln() {
    fuzzy::Project p = fuzzy::TemplateLoco();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) p.Rules.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
    return p;
}

}  // namespace

// --- handles -----------------------------------------------------------------

struct GriffFall {
    const char* name;
    int param;
    float wunsch;
    float erwartet;
};

class GriffGrenzen : public testing::TestWithParam<GriffFall> {};

TEST_P(GriffGrenzen, HandleStaysBetweenItsNeighbours) {
    fuzzy::TFuzzy v;
    TermeVerteilen(v, "x", 0.0f, 10.0f, {"t"});
    const float p[5] = {1, 2, 3, 4, 0.5f};
    for (int j = 1; j <= 5; ++j) v.SetParam(1, j, p[j - 1]);
    const GriffFall& f = GetParam();
    EXPECT_EQ(GriffBegrenzen(v, 1, f.param, f.wunsch), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, GriffGrenzen,
    testing::Values(
        GriffFall{"AFreeToTheLeft", fuzzy::ParamA, -5.0f, -5.0f}, GriffFall{"ANotPastB", fuzzy::ParamA, 2.5f, 2.0f},
        GriffFall{"BNotBelowA", fuzzy::ParamB, 0.5f, 1.0f}, GriffFall{"BNotPastC", fuzzy::ParamB, 3.5f, 3.0f},
        GriffFall{"CNotBelowB", fuzzy::ParamC, 1.5f, 2.0f}, GriffFall{"CInside", fuzzy::ParamC, 3.25f, 3.25f},
        GriffFall{"DNotBelowC", fuzzy::ParamD, 2.0f, 3.0f}, GriffFall{"DFreeToTheRight", fuzzy::ParamD, 40.0f, 40.0f},
        GriffFall{"HNotAboveOne", fuzzy::ParamH, 1.5f, 1.0f}, GriffFall{"HNotBelowZero", fuzzy::ParamH, -0.2f, 0.0f},
        GriffFall{"NanKeepsTheValue", fuzzy::ParamB, std::numeric_limits<float>::quiet_NaN(), 2.0f}),
    [](const testing::TestParamInfo<GriffFall>& i) { return std::string(i.param.name); });

TEST(GriffSchritt, KeyStepIsAHundredthOfTheRangeAndNeverZero) {
    fuzzy::TFuzzy v;
    TermeVerteilen(v, "x", -20.0f, 5.0f, {"t"});
    EXPECT_FLOAT_EQ(GriffSchritt(v, fuzzy::ParamB), 0.25f);
    EXPECT_FLOAT_EQ(GriffSchritt(v, fuzzy::ParamH), 0.05f);
    v.RangeMax = v.RangeMin;
    EXPECT_GT(GriffSchritt(v, fuzzy::ParamA), 0.0f);
}

// --- the step grid of handles ---------------------------------------------------

struct SchrittFall {
    const char* name;
    float min, max;
    float schritt;
};

class Schrittweite : public testing::TestWithParam<SchrittFall> {};

TEST_P(Schrittweite, KeyStepIsAReadableHundredthOfTheRange) {
    fuzzy::TFuzzy v;
    TermeVerteilen(v, "x", GetParam().min, GetParam().max, {"t"});
    EXPECT_FLOAT_EQ(GriffSchritt(v, fuzzy::ParamC), GetParam().schritt);
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Schrittweite,
                         testing::Values(SchrittFall{"TwentyGivesAFifth", -10.0f, 10.0f, 0.2f},
                                         SchrittFall{"OddRangeRoundsToFive", 0.0f, 58.4f, 0.5f},
                                         SchrittFall{"OddRangeRoundsToOne", -2.0f, 10.0f, 0.1f},
                                         SchrittFall{"UnitRange", 0.0f, 1.0f, 0.01f},
                                         SchrittFall{"LargeRange", -300.0f, 300.0f, 5.0f}),
                         [](const testing::TestParamInfo<SchrittFall>& i) { return std::string(i.param.name); });

struct RasterFall {
    const char* name;
    float wert;
    double schritt;
    float erwartet;
};

class Raster : public testing::TestWithParam<RasterFall> {};

TEST_P(Raster, ValueLandsOnTheNearestMultipleExactly) {
    EXPECT_EQ(AufRaster(GetParam().wert, GetParam().schritt), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Raster,
                         testing::Values(RasterFall{"SumOfStepsIsTheDecimal", 0.84f + 0.01f, 0.01, 0.85f},
                                         RasterFall{"HundredthsFromRoundingNoise", 0.84999996f, 0.01, 0.85f},
                                         RasterFall{"Fifths", 5.29f, 0.2, 5.2f},
                                         RasterFall{"Negative", -13.7f, 0.25, -13.75f},
                                         RasterFall{"WholeSteps", 7.4f, 2.0, 8.0f},
                                         RasterFall{"InfinityStays", std::numeric_limits<float>::infinity(), 0.1,
                                                    std::numeric_limits<float>::infinity()},
                                         RasterFall{"NoStepNoChange", 0.123f, 0.0, 0.123f}),
                         [](const testing::TestParamInfo<RasterFall>& i) { return std::string(i.param.name); });

// --- a range change that takes the terms along -----------------------------------

struct BereichFall {
    const char* name;
    float alt0, alt1, neu0, neu1;
    bool geht;
};

class BereichMit : public testing::TestWithParam<BereichFall> {};

TEST_P(BereichMit, CornersKeepTheirPlaceInTheRangeHeightsStay) {
    const BereichFall& f = GetParam();
    fuzzy::TFuzzy v;
    TermeVerteilen(v, "x", f.alt0, f.alt1, {"n", "m", "p"});
    v.SetParam(2, fuzzy::ParamH, 0.6f);
    fuzzy::TFuzzy vorher;
    vorher.Assign(v);
    EXPECT_EQ(BereichMitTermen(v, f.neu0, f.neu1), f.geht);
    if (!f.geht) {
        EXPECT_EQ(v.RangeMin, vorher.RangeMin);
        EXPECT_EQ(v.RangeMax, vorher.RangeMax);
        for (int t = 1; t <= 3; ++t)
            for (int p = fuzzy::ParamA; p <= fuzzy::ParamH; ++p) EXPECT_EQ(v.GetParam(t, p), vorher.GetParam(t, p));
        return;
    }
    EXPECT_EQ(v.RangeMin, f.neu0);
    EXPECT_EQ(v.RangeMax, f.neu1);
    const double k = (double(f.neu1) - f.neu0) / (double(f.alt1) - f.alt0);
    for (int t = 1; t <= 3; ++t) {
        for (int p = fuzzy::ParamA; p <= fuzzy::ParamD; ++p) {
            const double relativ = (double(vorher.GetParam(t, p)) - f.alt0) / (double(f.alt1) - f.alt0);
            EXPECT_NEAR(v.GetParam(t, p), f.neu0 + relativ * (double(f.neu1) - f.neu0), 1e-5 * std::max(1.0, k));
        }
        EXPECT_EQ(v.GetParam(t, fuzzy::ParamH), vorher.GetParam(t, fuzzy::ParamH));
    }
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, BereichMit,
                         testing::Values(BereichFall{"Stretch", -10.0f, 10.0f, -50.0f, 50.0f, true},
                                         BereichFall{"Shift", 0.0f, 10.0f, 100.0f, 110.0f, true},
                                         BereichFall{"ShrinkAndShift", -180.0f, 180.0f, -45.0f, 40.0f, true},
                                         BereichFall{"NewRangeWithoutWidth", -10.0f, 10.0f, 5.0f, 5.0f, false},
                                         BereichFall{"NewRangeReversed", -10.0f, 10.0f, 5.0f, -5.0f, false}),
                         [](const testing::TestParamInfo<BereichFall>& i) { return std::string(i.param.name); });

// --- term edits keep what every rule means -----------------------------------

struct TermEdit {
    const char* name;
    Rolle rolle;
    bool tauschen;  // else: remove the term
    int i, j;
};

class RegelnFolgen : public testing::TestWithParam<TermEdit> {};

// Swapping two terms must not change the controller at all; removing a term
// must leave every remaining rule naming the same terms as before.
TEST_P(RegelnFolgen, RulesFollowTheTerms) {
    const TermEdit& e = GetParam();
    const fuzzy::Project vorher = LokMitRegeln();
    fuzzy::Project nachher = vorher;
    if (e.tauschen) {
        ASSERT_TRUE(TermeTauschen(nachher, e.rolle, e.i, e.j));
        for (float a = -100.0f; a <= 100.0f; a += 12.5f)
            for (float b = -60.0f; b <= 60.0f; b += 7.5f)
                // Reordered output terms are summed in another order: a few
                // ulp apart. Reordered input terms give the very same heights.
                if (e.rolle == Rolle::Aus) {
                    ASSERT_NEAR(Ausgabe(vorher, a, b), Ausgabe(nachher, a, b), 1e-5f) << a << ' ' << b;
                } else {
                    ASSERT_EQ(Ausgabe(vorher, a, b), Ausgabe(nachher, a, b)) << a << ' ' << b;
                }
        return;
    }
    ASSERT_TRUE(TermEntfernen(nachher, e.rolle, e.i));
    const fuzzy::TFuzzy& vv = Variable(vorher, e.rolle);
    const fuzzy::TFuzzy& nv = Variable(nachher, e.rolle);
    ASSERT_EQ(nv.TermCount, vv.TermCount - 1);
    auto alt = [&](int k) { return k >= e.i ? k + 1 : k; };  // new index -> old index
    for (int k = 1; k <= nv.TermCount; ++k) EXPECT_EQ(nv.GetTermName(k), vv.GetTermName(alt(k)));
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) {
            const int n = nachher.Rules.Get(r, c);
            switch (e.rolle) {
            case Rolle::A: EXPECT_EQ(n, c <= 4 ? vorher.Rules.Get(r, alt(c)) : 0) << r << ',' << c; break;
            case Rolle::B: EXPECT_EQ(n, r <= 4 ? vorher.Rules.Get(alt(r), c) : 0) << r << ',' << c; break;
            case Rolle::Aus: {
                const int o = vorher.Rules.Get(r, c);
                if (o == e.i) {
                    EXPECT_EQ(n, 0);
                } else {
                    EXPECT_EQ(vorher.Out.GetTermName(o), nachher.Out.GetTermName(n)) << r << ',' << c;
                }
                break;
            }
            }
        }
}

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, RegelnFolgen,
    testing::Values(TermEdit{"SwapInputA", Rolle::A, true, 1, 4}, TermEdit{"SwapInputB", Rolle::B, true, 2, 5},
                    TermEdit{"SwapOutput", Rolle::Aus, true, 1, 3}, TermEdit{"RemoveInputA", Rolle::A, false, 2, 0},
                    TermEdit{"RemoveInputB", Rolle::B, false, 1, 0}, TermEdit{"RemoveOutput", Rolle::Aus, false, 3, 0}),
    [](const testing::TestParamInfo<TermEdit>& i) { return std::string(i.param.name); });

TEST(TermHinzufuegen, AddsUpToFiveTermsInsideTheRange) {
    fuzzy::Project p = fuzzy::TemplateEmpty();
    while (TermHinzufuegen(p, Rolle::A)) {}
    ASSERT_EQ(p.A.TermCount, 5);
    const float a = p.A.GetParam(5, 1), d = p.A.GetParam(5, 4);
    EXPECT_TRUE(a >= p.A.RangeMin && d <= p.A.RangeMax && a < d);
    EXPECT_EQ(p.A.GetTermAbbrev(5), "T5");
}

// --- templates -----------------------------------------------------------------

struct VorlageFall {
    const char* name;
    fuzzy::Project (*machen)();
    const char* a;
    const char* b;  // nullptr: no input B
    const char* aus;
    bool gleichmaessig;  // peaks evenly spread (the empty project); the vehicles' lie where they are needed
};

class Vorlagen : public testing::TestWithParam<VorlageFall> {};

TEST_P(Vorlagen, TemplateIsCompleteOrderedOnTheGridAndSavable) {
    const VorlageFall& f = GetParam();
    const fuzzy::Project p = f.machen();
    EXPECT_EQ(p.A.Name, f.a);
    EXPECT_EQ(p.B.Defined, f.b != nullptr);
    if (f.b) {
        EXPECT_EQ(p.B.Name, f.b);
    }
    EXPECT_EQ(p.Out.Name, f.aus);
    EXPECT_EQ(p.Rules, fuzzy::RuleTable{});
    for (const fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
        if (!v->Defined) continue;
        const int n = v->UsedTerms();
        ASSERT_GE(n, 2);
        const float schritt = (v->RangeMax - v->RangeMin) / static_cast<float>(n - 1);
        float vorige = -HUGE_VALF;
        for (int i = 1; i <= n; ++i) {
            // Peaks from left to right, the first at the range's start and
            // the last at its end or beyond; evenly spread where promised.
            const float spitze = i == 1 ? v->GetParam(i, 3) : v->GetParam(i, 2);
            EXPECT_GT(spitze, vorige) << v->Name << i;
            vorige = spitze;
            if (f.gleichmaessig) {
                EXPECT_NEAR(spitze, v->RangeMin + schritt * static_cast<float>(i - 1), 1e-4f * schritt) << v->Name << i;
            }
            // Every corner where a dragged handle can go back to.
            for (int k = 1; k <= 4; ++k)
                EXPECT_EQ(AufRaster(v->GetParam(i, k), GriffSchritt(*v, k)), v->GetParam(i, k))
                    << v->Name << i << ' ' << k;
        }
        EXPECT_GE(v->GetParam(1, 3), v->RangeMin) << v->Name;
        EXPECT_LE(v->GetParam(n, 2), v->RangeMax) << v->Name;
    }
    // Only the empty rule table is worth a hint: every input value is covered.
    for (const fuzzy::Hint& h : fuzzy::ProjectHints(p)) EXPECT_EQ(h.Kind, fuzzy::HintKind::NoRules) << h.Text;
    // The writer takes the names (°, ß) and the reader gives back the same.
    const fuzzy::Project zurueck = fuzzy::LoadProjectBytes(fuzzy::ProjectText(p));
    EXPECT_TRUE(GleichesProjekt(p, zurueck));
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Vorlagen,
                         testing::Values(VorlageFall{"Leer", fuzzy::TemplateEmpty, "Eingang A", nullptr, "Ausgang",
                                                     true},
                                         VorlageFall{"Truck", fuzzy::TemplateTruck, "Abstand in m", "Lage in \xC2\xB0",
                                                     "Lenkwinkel in \xC2\xB0", false},
                                         VorlageFall{"Lok", fuzzy::TemplateLoco, "Abstand in cm",
                                                     "Geschwindigkeit in cm/s", "Kraft in N", false}),
                         [](const testing::TestParamInfo<VorlageFall>& i) { return std::string(i.param.name); });

TEST(EingangB, SwitchingBackOnRestoresTheTermsOrDefinesThree) {
    fuzzy::Project p = fuzzy::TemplateTruck();
    p.B.Defined = false;
    EingangBEinschalten(p);
    EXPECT_TRUE(GleicheVariable(p.B, fuzzy::TemplateTruck().B));
    fuzzy::Project q = fuzzy::TemplateEmpty();
    q.B.Name = "alt";  // a stale name without terms, as the reader leaves it
    EingangBEinschalten(q);
    EXPECT_TRUE(q.B.Defined);
    EXPECT_EQ(q.B.TermCount, 3);
    EXPECT_EQ(q.B.Name, "Eingang B");
}

// --- names ---------------------------------------------------------------------

struct NameFall {
    const char* name;
    const char* text;
    bool gut;
};

class Namen : public testing::TestWithParam<NameFall> {};

TEST_P(Namen, OnlyNamesTheFileCanHoldPass) { EXPECT_EQ(!NamensFehler(GetParam().text).has_value(), GetParam().gut); }

INSTANTIATE_TEST_SUITE_P(Werkstatt, Namen,
                         testing::Values(NameFall{"Empty", "", false}, NameFall{"LineBreak", "a\nb", false},
                                         NameFall{"CarriageReturn", "a\rb", false},
                                         NameFall{"EndOfText", "a\x1A", false}, NameFall{"Omega", "\xCE\xA9", false},
                                         NameFall{"Degree", "Lage in \xC2\xB0", true},
                                         NameFall{"Euro", "\xE2\x82\xAC", true}, NameFall{"Blank", " ", true}),
                         [](const testing::TestParamInfo<NameFall>& i) { return std::string(i.param.name); });

// The reasons in the English edition; German again after each case.
struct EnglishNameCase {
    const char* name;
    const char* text;
    const char* english;
};

class NamesInEnglish : public testing::TestWithParam<EnglishNameCase> {};

TEST_P(NamesInEnglish, SayWhyInEnglish) {
    fuzzy::SetLanguage(fuzzy::Language::English);
    const std::string why = NamensFehler(GetParam().text).value_or("");
    fuzzy::SetLanguage(fuzzy::Language::German);
    EXPECT_EQ(why, GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, NamesInEnglish,
                         testing::Values(EnglishNameCase{"Empty", "", "The name must not be empty."},
                                         EnglishNameCase{"LineBreak", "a\nb", "The name must fit on one line."},
                                         EnglishNameCase{
                                             "Omega", "\xCE\xA9",
                                             "The name contains the character \xE2\x80\x9C\xCE\xA9\xE2\x80\x9D, "
                                             "which a project file cannot store."}),
                         [](const testing::TestParamInfo<EnglishNameCase>& i) { return std::string(i.param.name); });

// --- where the vehicle programs are --------------------------------------------

class Programmsuche : public testing::Test {
protected:
    void SetUp() override {
        wurzel_ = fs::temp_directory_path() / ("werkstatt_suche_" + std::to_string(::getpid()));
        fs::remove_all(wurzel_);
        fs::create_directories(wurzel_ / "bin");
        fs::create_directories(wurzel_ / "build" / "werkstatt");
        fs::create_directories(wurzel_ / "build" / "truck");
        fs::create_directories(wurzel_ / "build" / "loco");
    }
    void TearDown() override { fs::remove_all(wurzel_); }
    void Datei(const fs::path& p, bool ausfuehrbar) {
        std::ofstream(p) << "#!/bin/sh\n";
        ::chmod(p.c_str(), ausfuehrbar ? 0755 : 0644);
    }
    fs::path wurzel_;
};

TEST_F(Programmsuche, FindsTheProgramBesideTheInstalledWerkstatt) {
    Datei(wurzel_ / "bin" / "dorvane", true);
    const auto gefunden = FindeProgramm((wurzel_ / "bin").string(), Fahrzeugprogramm::Dorvane);
    ASSERT_TRUE(gefunden);
    EXPECT_EQ(fs::path(*gefunden), wurzel_ / "bin" / "dorvane");
    EXPECT_FALSE(FindeProgramm((wurzel_ / "bin").string(), Fahrzeugprogramm::Pemrak));
}

TEST_F(Programmsuche, FindsTheProgramInTheBuildTree) {
    Datei(wurzel_ / "build" / "loco" / "pemrak", true);
    const auto gefunden = FindeProgramm((wurzel_ / "build" / "werkstatt").string(), Fahrzeugprogramm::Pemrak);
    ASSERT_TRUE(gefunden);
    EXPECT_EQ(fs::path(*gefunden), wurzel_ / "build" / "loco" / "pemrak");
}

TEST_F(Programmsuche, IgnoresFilesThatCannotRunAndFolders) {
    Datei(wurzel_ / "bin" / "dorvane", false);
    fs::create_directories(wurzel_ / "build" / "truck" / "dorvane");
    EXPECT_FALSE(FindeProgramm((wurzel_ / "bin").string(), Fahrzeugprogramm::Dorvane));
    EXPECT_FALSE(FindeProgramm((wurzel_ / "build" / "werkstatt").string(), Fahrzeugprogramm::Dorvane));
}
