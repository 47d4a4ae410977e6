// The hints both fuzzysim and the Werkstatt list: each kind at its place, the
// wording by term names, and the sentences for regions where no rule fires.
#include "tests/fuzzy/EngineTest.h"
#include "fuzzy/Hints.h"
#include "fuzzy/Templates.h"

#include <algorithm>
#include <string>

namespace {

using fuzzy::Hint;
using fuzzy::HintKind;
using fuzzy::HintPage;
using fuzzy::HintPlace;
using fuzzy::Project;

// The worked example: A "Fehler" with negativ / positiv, no B, output
// "Stellwert" with links / rechts, rules negativ -> rechts, positiv -> links.
Project Beispiel() {
    Project p;
    p.A = MakeVariable("Fehler", -10, 10, {{"negativ", -10, -10, -5, 0, 1}, {"positiv", 0, 5, 10, 10, 1}});
    p.Out = MakeVariable("Stellwert", -1, 1, {{"links", -1, -1, -0.5f, 0, 1}, {"rechts", 0, 0.5f, 1, 1, 1}});
    p.Rules.Set(1, 1, 2);
    p.Rules.Set(1, 2, 1);
    return p;
}

// The same with its two terms overlapping and reaching beyond the range:
// nothing to point out.
Project BeispielOhneLuecke() {
    Project p = Beispiel();
    p.A.SetParam(1, 1, -20);
    p.A.SetParam(1, 2, -20);
    p.A.SetParam(1, 4, 5);
    p.A.SetParam(2, 1, -5);
    p.A.SetParam(2, 3, 20);
    p.A.SetParam(2, 4, 20);
    return p;
}

// The evenly spread locomotive project with the usual diagonal table.
Project LokMitRegeln() { return EvenLokWithRules(); }

std::vector<std::string> Texts(const Project& p) {
    std::vector<std::string> t;
    for (const Hint& h : fuzzy::ProjectHints(p)) t.push_back(h.Text);
    return t;
}

std::uint8_t Terms(std::initializer_list<int> i) {
    std::uint8_t m = 0;
    for (int t : i) m |= static_cast<std::uint8_t>(1u << (t - 1));
    return m;
}

std::uint32_t Cell(int row, int column) { return 1u << ((row - 1) * 5 + (column - 1)); }

struct HintCase {
    const char* name;
    void (*change)(Project&);
    HintKind kind;
    HintPlace place;
};

class HintPlaces : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintPlaces, HintNamesTheRightPlace) {
    Project p = BeispielOhneLuecke();
    GetParam().change(p);
    const auto hints = fuzzy::ProjectHints(p);
    const auto hit = std::find_if(hints.begin(), hints.end(), [](const Hint& h) {
        return h.Kind == GetParam().kind && h.Place == GetParam().place;
    });
    EXPECT_NE(hit, hints.end()) << ::testing::PrintToString(Texts(p));
    for (const Hint& h : hints) EXPECT_FALSE(h.Text.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HintPlaces,
    ::testing::Values(
        HintCase{"CornersOutOfOrder",
                 [](Project& p) { p.A.SetParam(1, 2, -4.0f); },
                 HintKind::CornersOutOfOrder,
                 {HintPage::InputA, Terms({1})}},
        HintCase{"HeightAboveOne",
                 [](Project& p) { p.Out.SetParam(2, 5, 1.5f); },
                 HintKind::HeightOutside,
                 {HintPage::Output, Terms({2})}},
        HintCase{"GapBetweenTermsWithRulesIsWhereNoRuleFires",
                 [](Project& p) {
                     p.A.SetParam(2, 1, 6.0f);
                     p.A.SetParam(2, 2, 8.0f);
                 },
                 HintKind::NoRuleFires,
                 {HintPage::InputA, Terms({1, 2})}},
        HintCase{"GapAtTheEndWithRulesIsWhereNoRuleFires",
                 [](Project& p) { p.A.RangeMax = 30.0f; },
                 HintKind::NoRuleFires,
                 {HintPage::InputA, Terms({2})}},
        HintCase{"GapWithoutRules",
                 [](Project& p) {
                     p.A.SetParam(2, 1, 6.0f);
                     p.A.SetParam(2, 2, 8.0f);
                     p.Rules = {};
                 },
                 HintKind::Gap,
                 {HintPage::InputA, Terms({1, 2})}},
        HintCase{"TermOutsideItsRange",
                 [](Project& p) {
                     for (int j = 1; j <= 4; ++j) p.Out.SetParam(1, j, 5.0f + static_cast<float>(j));
                 },
                 HintKind::TermOutsideRange,
                 {HintPage::Output, Terms({1})}},
        HintCase{
            "RangeReversed", [](Project& p) { p.A.RangeMin = 20.0f; }, HintKind::RangeReversed, {HintPage::InputA}},
        HintCase{"EntryNamesNoTerm",
                 [](Project& p) { p.Rules.Set(1, 2, 4); },
                 HintKind::RuleNamesNoTerm,
                 {HintPage::Rules, 0, Cell(1, 2)}},
        HintCase{"RowUnusedWithoutB",
                 [](Project& p) { p.Rules.Set(2, 1, 1); },
                 HintKind::RuleNeverRead,
                 {HintPage::Rules, 0, Cell(2, 1)}},
        HintCase{"ColumnBeyondTheTerms",
                 [](Project& p) { p.Rules.Set(1, 3, 1); },
                 HintKind::RuleNeverRead,
                 {HintPage::Rules, 0, Cell(1, 3)}},
        HintCase{"InputTermNeverAboveZero",
                 [](Project& p) { p.A.SetParam(1, 5, 0.0f); },
                 HintKind::RuleCannotFire,
                 {HintPage::Rules, 0, Cell(1, 1)}},
        HintCase{"OutputTermUnused",
                 [](Project& p) { p.Rules.Set(1, 2, 2); },
                 HintKind::OutputTermUnused,
                 {HintPage::Output, Terms({1})}},
        HintCase{"NoRulesAtAll", [](Project& p) { p.Rules = {}; }, HintKind::NoRules, {HintPage::Rules}},
        HintCase{"EmptyCellIsWhereNoRuleFires",
                 [](Project& p) { p.Rules.Set(1, 2, 0); },
                 HintKind::NoRuleFires,
                 {HintPage::Rules, 0, Cell(1, 2)}},
        HintCase{
            "OutputUndefined", [](Project& p) { p.Out.Defined = false; }, HintKind::NotDefined, {HintPage::Output}}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Hints, ProjectWithoutFlawsHasNone) {
    for (const std::string& t : Texts(BeispielOhneLuecke())) ADD_FAILURE() << t;
    for (const std::string& t : Texts(LokMitRegeln())) ADD_FAILURE() << t;
}

// Terms that meet at their feet leave the foot uncovered (and a hair around
// it, where both flanks round to 0), and a falling end term leaves the
// range's end uncovered: there the output is the range start.
TEST(Hints, WorkedExampleFallsToRangeStartAtBothFeet) {
    const std::vector<std::string> expected{
        "Bei Fehler \xE2\x89\x88 0 (genau: von \xE2\x88\x92"
        "4,440892e\xE2\x88\x92"
        "16 bis knapp \xC3\xBC"
        "ber 0) "
        "feuert keine Regel, denn dort ist kein Term von Fehler gr\xC3\xB6\xC3\x9F"
        "er als 0: "
        "Stellwert f\xC3\xA4llt auf \xE2\x88\x92"
        "1 (Bereichsanfang).",
        "Bei Fehler = 10 feuert keine Regel, denn dort ist kein Term von Fehler gr\xC3\xB6\xC3\x9F"
        "er als 0: "
        "Stellwert f\xC3\xA4llt auf \xE2\x88\x92"
        "1 (Bereichsanfang)."};
    EXPECT_EQ(Texts(Beispiel()), expected);
}

// The dead point of the old Lok template, in the words a teacher reads.
TEST(Hints, DeadPointIsNamedWithUnitAndEffect) {
    Project p = LokMitRegeln();
    p.A.SetParam(5, 3, 100);
    p.A.SetParam(5, 4, 100);
    const auto hints = fuzzy::ProjectHints(p);
    ASSERT_EQ(hints.size(), 1u) << ::testing::PrintToString(Texts(p));
    EXPECT_EQ(hints[0].Text,
              "Bei Abstand = 100 cm feuert keine Regel, denn dort ist kein Term von Abstand gr\xC3\xB6\xC3\x9F"
              "er als 0: "
              "Kraft f\xC3\xA4llt auf \xE2\x88\x92"
              "2,5 N (Bereichsanfang).");
    ASSERT_TRUE(hints[0].Region.has_value());
    EXPECT_TRUE(hints[0].Region->Contains(100.0f, -42.0f));
    EXPECT_EQ(hints[0].Place, (HintPlace{HintPage::InputA, Terms({4, 5})}));
}

TEST(Hints, HoleInTheTableNamesItsCellsByTermNames) {
    Project p = LokMitRegeln();
    p.Rules.Set(3, 2, 0);  // B null, A negativ klein
    const auto hints = fuzzy::ProjectHints(p);
    ASSERT_EQ(hints.size(), 1u) << ::testing::PrintToString(Texts(p));
    EXPECT_EQ(hints[0].Text,
              "Bei Abstand = \xE2\x88\x92"
              "50 cm und Geschwindigkeit \xE2\x89\x88 0 cm/s (genau: von \xE2\x88\x92"
              "3,5527137e\xE2\x88\x92"
              "15 bis knapp \xC3\xBC"
              "ber 0 cm/s) feuert keine Regel, denn f\xC3\xBCr "
              "A = negativ klein, B = null gibt es keine wirksame Regel: Kraft f\xC3\xA4llt auf \xE2\x88\x92"
              "2,5 N (Bereichsanfang).");
    EXPECT_EQ(hints[0].Place, (HintPlace{HintPage::Rules, 0, Cell(3, 2)}));
    EXPECT_EQ(hints[0].Place.FirstRow(), 3);
    EXPECT_EQ(hints[0].Place.FirstColumn(), 2);
}

TEST(Hints, RuleHintsSpeakOfTermNamesNotNumbers) {
    Project p = BeispielOhneLuecke();
    p.Rules.Set(1, 2, 7);
    const auto texts = Texts(p);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], "Regel A = positiv: Der Ausgang hat keinen Term 7; die Regel wirkt nicht.");
}

TEST(Hints, PointSentenceForTheInspector) {
    const Project p = fuzzy::TemplateLoco();
    EXPECT_EQ(fuzzy::NoRuleAtText(p, 12.5f, -3.0f),
              "Bei Abstand = 12,5 cm und Geschwindigkeit = \xE2\x88\x92"
              "3 cm/s feuert keine Regel: Kraft f\xC3\xA4llt auf "
              "\xE2\x88\x92"
              "2,5 N (Bereichsanfang).");
}

// An end closer to 0 than any normal float is what rounding leaves of two
// flanks meeting at 0: a reader sees "knapp über 0", never 3,5e−44.
struct TinyEndCase {
    const char* name;
    fuzzy::Interval b;
    const char* side;  // the words between "Bei " and " feuert keine Regel"
};

class TinyEnds : public ::testing::TestWithParam<TinyEndCase> {};

TEST_P(TinyEnds, ReadAsJustBesideZero) {
    const Project p = LokMitRegeln();
    fuzzy::NoRuleBox box;
    box.HasB = true;
    box.WholeA = true;
    box.A = {{p.A.RangeMin, true}, {p.A.RangeMax, true}};
    box.B = GetParam().b;
    const std::string text = fuzzy::NoRuleText(p, box);
    const std::string expected = std::string("Bei ") + GetParam().side + " feuert keine Regel";
    EXPECT_EQ(text.substr(0, expected.size()), expected) << text;
}

INSTANTIATE_TEST_SUITE_P(Hints, TinyEnds,
                         ::testing::Values(TinyEndCase{"UpperEndAboveZero",
                                                       {{-50.0f, true}, {3.5e-44f, false}},
                                                       "Geschwindigkeit von \xE2\x88\x92"
                                                       "50 bis knapp \xC3\xBC"
                                                       "ber 0 cm/s"},
                                           TinyEndCase{"LowerEndBelowZero",
                                                       {{-3.5e-44f, false}, {20.0f, true}},
                                                       "Geschwindigkeit von knapp unter 0 bis 20 cm/s"},
                                           TinyEndCase{"RoundingStretchAroundZero",
                                                       {{-3.5527137e-15f, true}, {3.5e-44f, false}},
                                                       "Geschwindigkeit \xE2\x89\x88 0 cm/s (genau: von \xE2\x88\x92"
                                                       "3,5527137e\xE2\x88\x92"
                                                       "15 bis knapp \xC3\xBC"
                                                       "ber 0 cm/s)"},
                                           TinyEndCase{"BothEndsTiny",
                                                       {{1.4e-45f, true}, {3.5e-44f, false}},
                                                       "Geschwindigkeit \xE2\x89\x88 0 cm/s"}),
                         [](const auto& i) { return std::string(i.param.name); });

struct NumberCase {
    float value;
    const char* text;
};

class GermanNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(GermanNumbers, ExactAndInGermanStyle) { EXPECT_EQ(fuzzy::GermanNumber(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Numbers, GermanNumbers,
                         ::testing::Values(NumberCase{100.0f, "100"},
                                           NumberCase{-2.5f,
                                                      "\xE2\x88\x92"
                                                      "2,5"},
                                           NumberCase{0.1f, "0,1"}, NumberCase{100000.0f, "100000"},
                                           NumberCase{1e-30f,
                                                      "1e\xE2\x88\x92"
                                                      "30"},
                                           NumberCase{3e20f, "3e20"}, NumberCase{0.0f, "0"},
                                           NumberCase{16777217.0f, "16777216"}));

}  // namespace
