// Import refuses what does not fit this engine, naming the line and the thing.
#include "exchange/Exchange.h"
#include "tests/exchange/ImportOutcome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using exchange::Format;

struct Refusal {
    const char* name;
    Format format;
    std::string text;
    int line;
    const char* message;  // a part of the German message
};

std::string FllInput(const std::string& name, const std::string& terms) {
    return "InputVariable: " + name + "\n  range: 0 10\n" + terms;
}
const std::string kTwoTerms = "  term: lo Trapezoid 0 0 2 5\n  term: hi Triangle 4 8 10\n";
const std::string kFllOut =
    "OutputVariable: y\n  range: 0 1\n  term: s Rectangle 0 0.5\n  term: b Trapezoid 0.5 0.6 1 1\n";
std::string Fll(const std::string& inputs, const std::string& rules, const std::string& block = "") {
    return "Engine: t\n" + inputs + kFllOut + "RuleBlock: r\n  conjunction: Minimum\n" + block + rules;
}
const std::string kAB = FllInput("a", kTwoTerms) + FllInput("b", kTwoTerms);  // lines 2-5 and 6-9

std::string FisHead(int inputs, const std::string& andMethod = "min") {
    return "[System]\nName='t'\nType='mamdani'\nNumInputs=" + std::to_string(inputs) + "\nNumOutputs=1\nAndMethod='" +
           andMethod + "'\n";  // lines 1-6
}
std::string FisVar(const std::string& section, const std::string& mfs) {
    return "[" + section + "]\nName='v'\nRange=[0 10]\nNumMFs=2\n" + mfs;
}
const std::string kFisMfs = "MF1='lo':'trapmf',[0 0 2 5]\nMF2='hi':'trimf',[4 8 10]\n";
std::string Fis2(const std::string& rules, const std::string& andMethod = "min") {
    // [Input1] on line 7, [Input2] on 13, [Output1] on 19, [Rules] on 25.
    return FisHead(2, andMethod) + FisVar("Input1", kFisMfs) + FisVar("Input2", kFisMfs) + FisVar("Output1", kFisMfs) +
           "[Rules]\n" + rules;
}

std::string Fcl(
    const std::string& rules, const std::string& ruleSettings = "  AND : MIN;\n",
    const std::string& aTerms = "  TERM lo := (0, 0) (0, 1) (2, 1) (5, 0);\n  TERM hi := (4, 0) (8, 1) (10, 0);\n") {
    return "FUNCTION_BLOCK t\n"                              // 1
           "VAR_INPUT\n  a : REAL;\n  b : REAL;\nEND_VAR\n"  // 2-5
           "VAR_OUTPUT\n  y : REAL;\nEND_VAR\n"              // 6-8
           "FUZZIFY a\n" +
           aTerms +
           "END_FUZZIFY\n"                                                                        // 9-12
           "FUZZIFY b\n  TERM lo := (0, 1) (5, 0);\n  TERM hi := (5, 0) (10, 1);\nEND_FUZZIFY\n"  // 13-16
           "DEFUZZIFY y\n  TERM s := (0, 0) (0.5, 1) (1, 0);\n  METHOD : COG;\nEND_DEFUZZIFY\n"   // 17-20
           "RULEBLOCK r\n" +
           ruleSettings + rules + "END_RULEBLOCK\nEND_FUNCTION_BLOCK\n";
}

const std::vector<Refusal>& Refusals() {
    static const std::vector<Refusal> table = {
        {"FllThreeInputs", Format::Fll, Fll(kAB + FllInput("c", kTwoTerms), ""), 10, "dritter Eingang"},
        {"FllTwoOutputs", Format::Fll, "Engine: t\n" + kAB + kFllOut + "OutputVariable: z\n  range: 0 1\n", 14,
         "zweiter Ausgang"},
        {"FllSixthTerm", Format::Fll,
         Fll(FllInput("a", kTwoTerms + kTwoTerms + "  term: f1 Triangle 0 1 2\n  term: f2 Triangle 0 1 2\n"), ""), 9,
         "sechster Term"},
        {"FllGaussianTerm", Format::Fll, Fll(FllInput("a", "  term: g Gaussian 5 1\n"), ""), 4, "Gaussian"},
        {"FllMaximumAsAnd", Format::Fll, Fll(kAB, "", "  conjunction: Maximum\n"), 16, "Minimum"},
        {"FllOrOfSingleConditions", Format::Fll, Fll(kAB, "  rule: if a is lo or b is hi then y is s\n"), 16,
         "einzelner Bedingungen"},
        {"FllOrInsideAnd", Format::Fll, Fll(kAB, "  rule: if a is lo and (b is hi or b is lo) then y is s\n"), 16,
         "innerhalb"},
        {"FllTwoOutputTerms", Format::Fll, Fll(kAB, "  rule: if a is lo and b is hi then y is s and y is b\n"), 16,
         "zwei Ausgangsterme"},
        {"FllHedge", Format::Fll, Fll(kAB, "  rule: if a is very lo and b is hi then y is s\n"), 16, "Modifizierer"},
        {"FllNot", Format::Fll, Fll(kAB, "  rule: if a is not lo and b is hi then y is s\n"), 16, "Verneinung"},
        {"FllWeight", Format::Fll, Fll(kAB, "  rule: if a is lo and b is hi then y is s with 0.5\n"), 16, "Gewicht"},
        {"FllRuleMissingAnInput", Format::Fll, Fll(kAB, "  rule: if a is lo then y is s\n"), 16, "nicht jeden Eingang"},
        {"FllUnknownTerm", Format::Fll, Fll(kAB, "  rule: if a is lo and b is mid then y is s\n"), 16, "mid"},
        {"FllCellWithTwoOutputTerms", Format::Fll,
         Fll(kAB, "  rule: if a is lo and b is hi then y is s\n  rule: if a is lo and b is hi then y is b\n"), 17,
         "Zeile 16"},
        {"FisThreeInputs", Format::Fis,
         FisHead(3) + FisVar("Input1", kFisMfs) + FisVar("Input2", kFisMfs) + FisVar("Input3", kFisMfs) +
             FisVar("Output1", kFisMfs),
         19, "dritter Eingang"},
        {"FisTwoOutputs", Format::Fis,
         FisHead(1) + FisVar("Input1", kFisMfs) + FisVar("Output1", kFisMfs) + FisVar("Output2", kFisMfs), 19,
         "zweiter Ausgang"},
        {"FisGaussianTerm", Format::Fis,
         FisHead(1) + FisVar("Input1", "MF1='g':'gaussmf',[1 5]\n") + FisVar("Output1", kFisMfs), 11, "gaussmf"},
        {"FisProductAsAnd", Format::Fis, Fis2("", "prod"), 6, "Minimum"},
        {"FisOrRule", Format::Fis, Fis2("1 2, 1 (1) : 2\n"), 26, "einzelner Bedingungen"},
        {"FisNot", Format::Fis, Fis2("-1 2, 1 (1) : 1\n"), 26, "Verneinung"},
        {"FisWeight", Format::Fis, Fis2("1 2, 1 (0.5) : 1\n"), 26, "Gewicht"},
        {"FisRuleMissingAnInput", Format::Fis, Fis2("1 0, 1 (1) : 1\n"), 26, "nicht jeden Eingang"},
        {"FisHedge", Format::Fis, Fis2("1.2 2, 1 (1) : 1\n"), 26, "Modifizierer"},
        {"FclMaximumAsAnd", Format::Fcl, Fcl("", "  AND : MAX;\n"), 22, "Minimum"},
        {"FclOrOfSingleConditions", Format::Fcl, Fcl("  RULE 1 : IF a IS lo OR b IS hi THEN y IS s;\n"), 23,
         "einzelner Bedingungen"},
        {"FclNot", Format::Fcl, Fcl("  RULE 1 : IF a IS NOT lo AND b IS hi THEN y IS s;\n"), 23, "Verneinung"},
        {"FclHedge", Format::Fcl, Fcl("  RULE 1 : IF a IS very lo AND b IS hi THEN y IS s;\n"), 23, "Modifizierer"},
        {"FclWeight", Format::Fcl, Fcl("  RULE 1 : IF a IS lo AND b IS hi THEN y IS s WITH 0.7;\n"), 23, "Gewicht"},
        {"FclSingletonTerm", Format::Fcl,
         Fcl("", "  AND : MIN;\n", "  TERM lo := 3;\n  TERM hi := (4, 0) (8, 1) (10, 0);\n"), 10, "Singleton"},
        {"FclPointListNoTrapezoid", Format::Fcl,
         Fcl("", "  AND : MIN;\n",
             "  TERM lo := (0, 0) (1, 1) (2, 0.5) (3, 1) (4, 0);\n  TERM hi := (4, 0) (8, 1) (10, 0);\n"),
         10, "Punktliste"},
    };
    return table;
}

class Refuse : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refuse, NamesTheLineAndTheConstruct) {
    const Refusal& c = GetParam();
    const ImportOutcome r = TryImport(c.format, c.text);
    ASSERT_FALSE(r.ok) << c.text;
    EXPECT_EQ(r.line, c.line) << r.Describe();
    EXPECT_NE(r.message.find(c.message), std::string::npos) << r.Describe();
    EXPECT_EQ(r.Describe().rfind("Zeile " + std::to_string(c.line) + ": ", 0), 0u) << r.Describe();
}

INSTANTIATE_TEST_SUITE_P(Constructs, Refuse, ::testing::ValuesIn(Refusals()),
                         [](const auto& param) { return std::string(param.param.name); });

// The same files without the offending construct are read, so the table's
// refusals come from the construct and not from the frame around it.
TEST(ImportFrames, FramesWithoutTheConstructAreRead) {
    const auto fll =
        TryImport(Format::Fll, Fll(kAB, "  rule: if (a is lo and b is hi) or (a is hi and b is lo) then y is b\n"));
    ASSERT_TRUE(fll.ok) << fll.Describe();
    EXPECT_EQ(fll.Rules.Get(2, 1), 2);
    EXPECT_EQ(fll.Rules.Get(1, 2), 2);
    EXPECT_EQ(fll.A.GetParam(2, 2), 8.0f);  // a triangle's peak is a plateau of width 0
    EXPECT_EQ(fll.A.GetParam(2, 3), 8.0f);
    EXPECT_EQ(fll.Out.GetParam(1, 1), 0.0f);  // a rectangle's corners
    EXPECT_EQ(fll.Out.GetParam(1, 2), 0.0f);
    EXPECT_EQ(fll.Out.GetParam(1, 4), 0.5f);

    const auto fis = TryImport(Format::Fis, Fis2("1 2, 1 (1) : 1\n"));
    ASSERT_TRUE(fis.ok) << fis.Describe();
    EXPECT_EQ(fis.Rules.Get(2, 1), 1);

    const auto fcl = TryImport(Format::Fcl, Fcl("  RULE 1 : IF a IS lo AND b IS hi THEN y IS s;\n"));
    ASSERT_TRUE(fcl.ok) << fcl.Describe();
    EXPECT_EQ(fcl.Rules.Get(2, 1), 1);
    // Shoulders open to one side reach to the start of the range (here the
    // terms' span) and one range width beyond its end, where the foot is open.
    EXPECT_EQ(fcl.B.GetParam(1, 1), 0.0f);
    EXPECT_EQ(fcl.B.GetParam(1, 3), 0.0f);
    EXPECT_EQ(fcl.B.GetParam(1, 4), 5.0f);
    EXPECT_EQ(fcl.B.GetParam(2, 2), 10.0f);
    EXPECT_EQ(fcl.B.GetParam(2, 4), 20.0f);
}

TEST(ImportFrames, ForeignSettingsAreReadWithANote) {
    const auto r = TryImport(Format::Fll, Fll(kAB, "", "  implication: Minimum\n"));
    ASSERT_TRUE(r.ok) << r.Describe();
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_NE(r.notes[0].find("Produkt"), std::string::npos);

    std::string other = Fll(kAB, "");
    other.replace(other.find("  range: 0 1\n"), 13, "  range: 0 1\n  default: 0.5\n");
    const auto d = TryImport(Format::Fll, other);
    ASSERT_TRUE(d.ok) << d.Describe();
    ASSERT_EQ(d.notes.size(), 1u);
    EXPECT_NE(d.notes[0].find("Vorgabewert 0.5"), std::string::npos) << d.notes[0];
}

TEST(ImportFrames, ByteOrderMarkAndWindows1252AreRead) {
    const std::string fis = Fis2("1 2, 1 (1) : 1\n");
    std::string latin = fis;
    latin.replace(latin.find("Name='v'"), 8, "Name='\xC4nderung'");  // Ä in Windows-1252
    const auto r = TryImport(Format::Fis, "\xEF\xBB\xBF" + latin);
    ASSERT_TRUE(r.ok) << r.Describe();
    EXPECT_EQ(r.A.Name, "\xC3\x84nderung");
}

TEST(ImportFrames, EmptyTextIsNoEngine) {
    for (Format f : {Format::Fll, Format::Fis, Format::Fcl}) {
        const auto r = TryImport(f, "");
        EXPECT_FALSE(r.ok) << exchange::FormatName(f);
        EXPECT_FALSE(r.message.empty());
    }
}

}  // namespace
