// Import reads what a file means and gives back what the exporter wrote:
// round trips bit for bit, shoulders that hold at the range's end, shapes
// that are trapezoids read as such, and nothing accepted that could not be
// saved or exported again.
#include "tests/fuzzy/EngineTest.h"
#include "exchange/Exchange.h"
#include "tests/exchange/ImportOutcome.h"
#include "fuzzy/Project.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using exchange::Format;

const Format kFormats[] = {Format::Fll, Format::Fis, Format::Fcl};

struct Trip {
    const char* name;
    fuzzy::Project (*make)();
};

fuzzy::Project Base() {
    fuzzy::Project p;
    p.A = MakeVariable("Temperatur", 0, 40, {{"kalt", -10, -10, 10, 20, 1}, {"warm", 10, 20, 50, 50, 1}});
    p.Out = MakeVariable("Ventil", 0, 100, {{"zu", 0, 0, 0, 50, 1}, {"auf", 50, 100, 100, 100, 1}});
    p.Rules.Set(1, 1, 2);
    p.Rules.Set(1, 2, 1);
    return p;
}

// Each of these came back changed or was refused on the way back.
const std::vector<Trip>& Trips() {
    static const std::vector<Trip> table = {
        {"NamesStartingWithADigit",
         [] {
             fuzzy::Project p = Base();
             p.A.Name = "5 Achsen";
             p.A.SetTermName(1, "0 Grad");
             p.Out.SetTermName(2, "100 %");
             return p;
         }},
        {"CornersOutOfOrder",
         [] {
             fuzzy::Project p = Base();
             p.A.SetParam(1, 2, 15);    // b > c
             p.Out.SetParam(1, 4, -5);  // d < c
             return p;
         }},
        {"FeetOnTheRangeEnds",
         [] {
             // c = d = RangeMax: 0 at the end in this engine, and kept so.
             fuzzy::Project p = Base();
             p.A.SetParam(2, 3, 40);
             p.A.SetParam(2, 4, 40);
             return p;
         }},
    };
    return table;
}

class BitForBit : public ::testing::TestWithParam<Trip> {};

TEST_P(BitForBit, ExportThenImportGivesTheProjectBack) {
    const fuzzy::Project p = GetParam().make();
    const std::string want = fuzzy::ProjectText(p);
    for (Format f : kFormats) {
        const std::string text = exchange::Export(f, p, "trip.fuz");
        const ImportOutcome r = TryImport(f, text);
        ASSERT_TRUE(r.ok) << exchange::FormatName(f) << ": " << r.Describe() << "\n" << text;
        EXPECT_EQ(fuzzy::ProjectText(fuzzy::Project{r.A, r.B, r.Out, r.Rules}), want) << exchange::FormatName(f) << "\n"
                                                                                      << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Projects, BitForBit, ::testing::ValuesIn(Trips()),
                         [](const auto& param) { return std::string(param.param.name); });

// ---- refused at import, since the writer or the exporter would refuse it ----------

struct Unsaveable {
    const char* name;
    std::string fll;
    int line;
    const char* message;
};

const std::string kFllOut = "OutputVariable: y\n  range: 0 1\n  term: s Triangle 0 0 1\n";  // 3 lines

const std::vector<Unsaveable>& Unsaveables() {
    static const std::vector<Unsaveable> table = {
        {"InputWithoutTerms", "Engine: t\nInputVariable: a\n  range: 0 1\n" + kFllOut, 2, "keine Terme"},
        {"OutputWithoutTerms",
         "Engine: t\nInputVariable: a\n  range: 0 1\n  term: x Triangle 0 0 1\nOutputVariable: y\n  range: 0 1\n", 5,
         "keine Terme"},
        {"CtrlZInATermName", "Engine: t\nInputVariable: a\n  range: 0 1\n  term: x\x1Ay Triangle 0 0 1\n" + kFllOut, 4,
         "nicht aufnehmen"},
        {"CtrlZInAVariableName", "Engine: t\nInputVariable: a\x1A\n  range: 0 1\n  term: x Triangle 0 0 1\n" + kFllOut,
         2, "nicht aufnehmen"},
    };
    return table;
}

class RefusedAtImport : public ::testing::TestWithParam<Unsaveable> {};

TEST_P(RefusedAtImport, WithTheReason) {
    const ImportOutcome r = TryImport(Format::Fll, GetParam().fll);
    ASSERT_FALSE(r.ok);
    EXPECT_EQ(r.line, GetParam().line) << r.Describe();
    EXPECT_NE(r.message.find(GetParam().message), std::string::npos) << r.Describe();
}

INSTANTIATE_TEST_SUITE_P(Fll, RefusedAtImport, ::testing::ValuesIn(Unsaveables()),
                         [](const auto& param) { return std::string(param.param.name); });

// ---- shoulders and shapes of other tools ----------------------------------------------

struct Shape {
    const char* name;
    Format format;
    std::string text;
    // Memberships of input term 1 the file means at these inputs.
    std::vector<std::pair<float, float>> at;
};

std::string FisWith(const std::string& mf) {
    return "[System]\nName='t'\nType='mamdani'\nNumInputs=1\nNumOutputs=1\nAndMethod='min'\n"
           "[Input1]\nName='a'\nRange=[0 10]\nNumMFs=1\nMF1='x':" +
           mf +
           "\n"
           "[Output1]\nName='y'\nRange=[0 1]\nNumMFs=1\nMF1='s':'trimf',[0 0.5 1]\n[Rules]\n1, 1 (1) : 1\n";
}

std::string FllWith(const std::string& term) {
    return "Engine: t\nInputVariable: a\n  range: 0 10\n  term: x " + term +
           "\nOutputVariable: y\n  range: 0 1\n  term: s Triangle 0 0.5 1\nRuleBlock: r\n  rule: if a is x then y is "
           "s\n";
}

std::string FclWith(const std::string& term, const std::string& comment = "") {
    return "FUNCTION_BLOCK t\n" + comment + "VAR_INPUT\n  a : REAL;\nEND_VAR\nVAR_OUTPUT\n  y : REAL;\nEND_VAR\n" +
           "FUZZIFY a\n  RANGE := (0 .. 10);\n  TERM x := " + term +
           ";\nEND_FUZZIFY\nDEFUZZIFY y\n  TERM s := (0, 0) (0.5, 1) (1, 0);\nEND_DEFUZZIFY\n"
           "RULEBLOCK r\n  RULE 1 : IF a IS x THEN y IS s;\nEND_RULEBLOCK\nEND_FUNCTION_BLOCK\n";
}

// The right shoulders were 0 at the range's end (the output dropped to its
// start there); the shapes were refused although they are trapezoids.
const std::vector<Shape>& Shapes() {
    static const std::vector<Shape> table = {
        {"FisTrapmfToTheEnd", Format::Fis, FisWith("'trapmf',[2 6 10 10]"), {{10, 1}, {4, 0.5f}, {8, 1}, {1, 0}}},
        {"FisTrimfToTheEnd", Format::Fis, FisWith("'trimf',[6 10 10]"), {{10, 1}, {8, 0.5f}, {5, 0}}},
        {"FllRectangleToTheEnd", Format::Fll, FllWith("Rectangle 4 10"), {{10, 1}, {4, 1}, {3.9f, 0}}},
        {"FclPointListOpenToTheRight", Format::Fcl, FclWith("(6, 0) (10, 1)"), {{10, 1}, {8, 0.5f}, {5, 0}}},
        {"FclShoulderInsideTheRange", Format::Fcl, FclWith("(2, 0) (6, 1)"), {{10, 1}, {6, 1}, {4, 0.5f}, {1, 0}}},
        {"FclLeftShoulder", Format::Fcl, FclWith("(0, 1) (4, 0)"), {{0, 1}, {2, 0.5f}, {4, 0}}},
        {"FllRampUp", Format::Fll, FllWith("Ramp 2 6"), {{10, 1}, {4, 0.5f}, {1, 0}}},
        {"FllRampDown", Format::Fll, FllWith("Ramp 6 2"), {{0, 1}, {4, 0.5f}, {7, 0}}},
        {"FclRedundantPoints",
         Format::Fcl,
         FclWith("(0, 0) (1, 0) (2, 0.5) (3, 1) (5, 1) (7, 1) (9, 0) (10, 0)"),
         {{0, 0}, {2, 0.5f}, {3, 1}, {6, 1}, {8, 0.5f}, {9.5f, 0}}},
        {"FclTrian", Format::Fcl, FclWith("TRIAN 2 4 6"), {{4, 1}, {3, 0.5f}, {6, 0}}},
        {"FclTrape", Format::Fcl, FclWith("TRAPE 2 4 6 8"), {{5, 1}, {3, 0.5f}, {8, 0}}},
        {"FclSlashStarComment", Format::Fcl, FclWith("TRAPE 2 4 6 8", "/* ein\nKommentar */\n"), {{5, 1}}},
    };
    return table;
}

class ForeignShape : public ::testing::TestWithParam<Shape> {};

TEST_P(ForeignShape, HasTheMembershipTheFileMeans) {
    const ImportOutcome r = TryImport(GetParam().format, GetParam().text);
    ASSERT_TRUE(r.ok) << r.Describe();
    fuzzy::TFuzzy a = r.A;
    for (const auto& [x, want] : GetParam().at) {
        a.Value = x;
        EXPECT_FLOAT_EQ(a.Membership(1), want) << "at " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Imports, ForeignShape, ::testing::ValuesIn(Shapes()),
                         [](const auto& param) { return std::string(param.param.name); });

// ---- what import says about what it reads otherwise ------------------------------

// Input term x is the input itself (a Ramp from 0 to 1); output term s a
// right triangle, so that cutting it at w instead of scaling it moves the
// centroid from 1/3 to between 0.389 (w = 0.5) and 0.5 (w near 0).
std::string MeasuredFll(const std::string& outputSettings, const std::string& ruleSettings = "") {
    return "Engine: t\nInputVariable: a\n  range: 0 1\n  term: x Ramp 0 1\n"
           "OutputVariable: y\n  range: 0 2\n  term: s Trapezoid 0 0 0 1\n  term: t Triangle 1.5 1.75 2\n" +
           outputSettings + "RuleBlock: r\n" + ruleSettings + "  rule: if a is x then y is s\n";
}

double Figure(const std::string& note) {
    const std::size_t at = note.find(
        "h\xC3\xB6"
        "chstens ");
    return at == std::string::npos ? -1.0 : std::stod(note.substr(at + 10));
}

TEST(ImportNotes, MinimumImplicationStatesTheDifferenceItMakes) {
    const ImportOutcome r = TryImport(Format::Fll, MeasuredFll("", "  implication: Minimum\n"));
    ASSERT_TRUE(r.ok) << r.Describe();
    ASSERT_EQ(r.notes.size(), 1u);
    const double d = Figure(r.notes[0]);
    EXPECT_GT(d, 0.389 - 1.0 / 3.0) << r.notes[0];
    EXPECT_LT(d, 0.5 - 1.0 / 3.0) << r.notes[0];
}

TEST(ImportNotes, MaximumAggregationOfTermsThatNeverOverlapChangesNothing) {
    const ImportOutcome r = TryImport(Format::Fll, MeasuredFll("  aggregation: Maximum\n"));
    ASSERT_TRUE(r.ok) << r.Describe();
    ASSERT_EQ(r.notes.size(), 1u);
    // Zero but for the integration on 4000 cells.
    EXPECT_GE(Figure(r.notes[0]), 0.0) << r.notes[0];
    EXPECT_LT(Figure(r.notes[0]), 1e-6) << r.notes[0];
}

struct Spelling {
    const char* name;
    Format format;
    std::string text;
    bool read;
    const char* says;  // part of the note or the refusal
};

const std::vector<Spelling>& Spellings() {
    static const std::vector<Spelling> table = {
        {"FllDefaultNan", Format::Fll, MeasuredFll("  default: nan\n"), true, "nan"},
        {"FllConjunctionLowerCase", Format::Fll,
         "Engine: t\nInputVariable: a\n  range: 0 1\n  term: x Ramp 0 1\nOutputVariable: y\n  range: 0 1\n"
         "  term: s Triangle 0 0 1\nRuleBlock: r\n  conjunction: minimum\n",
         false, "Gro\xC3\x9F- und Kleinschreibung"},
        {"FisAndMethodCapitalised", Format::Fis,
         "[System]\nName='t'\nType='mamdani'\nAndMethod='Min'\n[Input1]\nName='a'\nRange=[0 1]\n"
         "MF1='x':'trimf',[0 0 1]\n[Output1]\nName='y'\nRange=[0 1]\nMF1='s':'trimf',[0 0 1]\n[Rules]\n1, 1 (1) : 1\n",
         false, "Gro\xC3\x9F- und Kleinschreibung"},
        {"FclUnclosedSlashStar", Format::Fcl, "FUNCTION_BLOCK t\n/* offen\nVAR_INPUT\n", false, "nicht geschlossen"},
    };
    return table;
}

class ForeignSpelling : public ::testing::TestWithParam<Spelling> {};

TEST_P(ForeignSpelling, IsToldPlainly) {
    const Spelling& c = GetParam();
    const ImportOutcome r = TryImport(c.format, c.text);
    ASSERT_EQ(r.ok, c.read) << r.Describe();
    const std::string said = r.ok ? (r.notes.empty() ? "" : r.notes[0]) : r.message;
    EXPECT_NE(said.find(c.says), std::string::npos) << said;
}

INSTANTIATE_TEST_SUITE_P(Imports, ForeignSpelling, ::testing::ValuesIn(Spellings()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
