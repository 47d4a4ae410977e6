// Export then import gives back the same project, for every format.
#include "exchange/Detail.h"
#include "tests/exchange/Examples.h"
#include "exchange/Exchange.h"
#include "tests/exchange/ImportOutcome.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

using exchange::Format;

// Bit for bit: the same single-precision pattern, so -0 and 0 differ too.
bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

void ExpectSameVariable(const fuzzy::TFuzzy& want, const fuzzy::TFuzzy& got, const std::string& where) {
    ASSERT_EQ(want.Defined, got.Defined) << where;
    if (!want.Defined) return;
    EXPECT_EQ(want.Name, got.Name) << where;
    EXPECT_TRUE(SameBits(want.RangeMin, got.RangeMin)) << where << ": " << want.RangeMin << " / " << got.RangeMin;
    EXPECT_TRUE(SameBits(want.RangeMax, got.RangeMax)) << where << ": " << want.RangeMax << " / " << got.RangeMax;
    ASSERT_EQ(want.TermCount, got.TermCount) << where;
    for (int i = 1; i <= want.TermCount; ++i) {
        EXPECT_EQ(want.GetTermName(i), got.GetTermName(i)) << where << " term " << i;
        EXPECT_EQ(want.GetTermAbbrev(i), got.GetTermAbbrev(i)) << where << " term " << i;
        for (int j = 1; j <= 5; ++j) {
            EXPECT_TRUE(SameBits(want.GetParam(i, j), got.GetParam(i, j)))
                << where << " term " << i << " param " << j << ": " << want.GetParam(i, j) << " / "
                << got.GetParam(i, j);
        }
    }
}

// The rule entries the inference reads; the others cannot travel.
fuzzy::RuleTable UsedRules(const fuzzy::Project& p) {
    fuzzy::RuleTable r;
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    for (int j = 1; j <= rows; ++j) {
        for (int i = 1; i <= p.A.UsedTerms(); ++i) {
            const int k = p.Rules.Get(j, i);
            if (k >= 1 && k <= p.Out.UsedTerms()) r.Set(j, i, k);
        }
    }
    return r;
}

void ExpectRoundTrip(const fuzzy::Project& p, Format f, const std::string& where) {
    const std::string text = exchange::Export(f, p, where + ".fuz");
    const ImportOutcome r = TryImport(f, text);
    ASSERT_TRUE(r.ok) << where << ": " << r.Describe() << "\n" << text;
    ExpectSameVariable(p.A, r.A, where + " A");
    ExpectSameVariable(p.B, r.B, where + " B");
    ExpectSameVariable(p.Out, r.Out, where + " Out");
    EXPECT_EQ(UsedRules(p), r.Rules) << where;
    EXPECT_TRUE(r.notes.empty()) << where << ": " << (r.notes.empty() ? "" : r.notes[0]);
}

class RoundTrip : public ::testing::TestWithParam<Format> {};

TEST_P(RoundTrip, ExamplesComeBackBitForBit) {
    for (const char* name : {"truck", "lok", "heizung", "beispiel", "truck_einachsig"}) {
        ExpectRoundTrip(LoadExample(name), GetParam(), std::string(name) + "." + exchange::FormatName(GetParam()));
    }
}

// Heights of input terms travel in the format; the output's, which the
// activation replaces, travel in the comments; odd names become identifiers
// and come back; an output range narrower than its terms is widened and
// comes back too.
TEST_P(RoundTrip, HeightsOddNamesAndNarrowRangesComeBack) {
    fuzzy::Project p = LoadExample("heizung");
    p.A.SetParam(2, fuzzy::ParamH, 0.6f);
    p.B.SetParam(1, fuzzy::ParamH, 0.25f);
    p.Out.SetParam(3, fuzzy::ParamH, 0.5f);
    p.A.Name =
        "Temperatur (\xC2\xB0"
        "C) \"innen\"";
    p.A.SetTermName(1, "zu kalt");
    p.A.SetTermName(2, "zu-kalt");  // the same identifier as term 1
    p.A.SetTermName(3, "if");       // a keyword of the formats
    p.Out.RangeMin = 10.0f;
    p.Out.RangeMax = 90.0f;
    p.Out.SetParam(1, 1, -0.1f);  // no decimal grid fits
    ExpectRoundTrip(p, GetParam(), std::string("odd.") + exchange::FormatName(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, ::testing::Values(Format::Fll, Format::Fis, Format::Fcl),
                         [](const auto& param) { return std::string(exchange::FormatName(param.param)); });

TEST(ExchangeNames, IdentifiersAreValidAndUnique) {
    std::set<std::string> used;
    EXPECT_EQ(exchange::detail::UniqueIdentifier("negativ gro\xC3\x9F", "t", used), "negativ_gross");
    EXPECT_EQ(exchange::detail::UniqueIdentifier("negativ-gro\xC3\x9F", "t", used), "negativ_gross_2");
    EXPECT_EQ(exchange::detail::UniqueIdentifier("\xC3\x84nderung", "t", used), "Aenderung");
    EXPECT_EQ(exchange::detail::UniqueIdentifier("5 Grad", "t", used), "t_5_Grad");
    EXPECT_EQ(exchange::detail::UniqueIdentifier("then", "t", used), "then_");
    EXPECT_EQ(exchange::detail::UniqueIdentifier("???", "t", used), "t");
}

TEST(ExchangeFormats, FormatFollowsTheSuffix) {
    EXPECT_EQ(exchange::FormatFromPath("a/b.FLL"), Format::Fll);
    EXPECT_EQ(exchange::FormatFromPath("b.fis"), Format::Fis);
    EXPECT_EQ(exchange::FormatFromPath("b.fcl"), Format::Fcl);
    EXPECT_EQ(exchange::FormatFromPath("b.fuz"), std::nullopt);
    EXPECT_EQ(exchange::FormatFromPath("fll"), std::nullopt);
}

TEST(ExchangeExport, ProjectWithoutInputOrOutputIsRefused) {
    fuzzy::Project p = LoadExample("heizung");
    fuzzy::Project noInput = p, noOutput = p;
    noInput.A = fuzzy::TFuzzy();
    noOutput.Out = fuzzy::TFuzzy();
    EXPECT_THROW(exchange::Export(Format::Fll, noInput, "x"), exchange::ExportError);
    EXPECT_THROW(exchange::Export(Format::Fis, noOutput, "x"), exchange::ExportError);
    fuzzy::Project inf = p;
    inf.Out.SetParam(2, 4, std::numeric_limits<float>::infinity());
    EXPECT_THROW(exchange::Export(Format::Fcl, inf, "x"), exchange::ExportError);
}

// A line break in a name or in the source must not leave its comment line.
TEST(ExchangeExport, LineBreaksStayInsideTheComments) {
    fuzzy::Project p = LoadExample("heizung");
    p.A.Name = "Temperatur\nInputVariable: gefaelscht";
    for (Format f : {Format::Fll, Format::Fis, Format::Fcl}) {
        const std::string text = exchange::Export(f, p, "a\nb.fuz");
        const ImportOutcome r = TryImport(f, text);
        ASSERT_TRUE(r.ok) << r.Describe();
        EXPECT_FALSE(r.B.Name == "gefaelscht");
        EXPECT_EQ(r.A.Name, "Temperatur InputVariable: gefaelscht");
    }
}

// The centroid of the other tool samples the output: when the corners sit on
// its grid, the sampling error of the unbounded sum is nothing but rounding.
TEST(ExchangeGrid, AlignedGridMakesSamplingExactForSlopedTerms) {
    const fuzzy::Project truck = LoadExample("truck");
    const auto g = exchange::detail::ChooseGrid(truck.Out, 100);
    EXPECT_TRUE(g.aligned);
    EXPECT_LT(g.bound, 1e-9);
    EXPECT_LE(g.lo, -100.0);
    EXPECT_GE(g.hi, 100.0);
    fuzzy::Project odd = truck;
    odd.Out.SetParam(1, 1, -100.05f);  // 0.05 steps over 200: more than 100 cells
    const auto h = exchange::detail::ChooseGrid(odd.Out, 100);
    EXPECT_FALSE(h.aligned);
    EXPECT_GT(h.bound, 1e-6);
    EXPECT_LT(h.bound, 5.0);
}

}  // namespace

namespace {

// A foreign engine: shoulders, a triangle, a rectangle, another tool's
// settings, rules in any order. Imported, exported and imported again it is
// the same project.
TEST(ExchangeImportExport, ForeignEngineSurvivesExportAndImport) {
    const std::string fcl =
        "FUNCTION_BLOCK tipper\n"
        "VAR_INPUT\n  service : REAL;\n  food : REAL;\nEND_VAR\n"
        "VAR_OUTPUT\n  tip : REAL;\nEND_VAR\n"
        "FUZZIFY service\n  RANGE := (0 .. 10);\n  TERM poor := (0, 1) (4, 0);\n  TERM good := (1, 0) (4, 1) (6, 1) "
        "(9, 0);\n"
        "  TERM excellent := (6, 0) (9, 1);\nEND_FUZZIFY\n"
        "FUZZIFY food\n  RANGE := (0 .. 10);\n  TERM rancid := Triangle 0 0 3;\n  TERM delicious := Rectangle 7 "
        "10;\nEND_FUZZIFY\n"
        "DEFUZZIFY tip\n  RANGE := (0 .. 30);\n  TERM cheap := (0, 0) (5, 1) (10, 0);\n  TERM average := (10, 0) (15, "
        "1) (20, 0);\n"
        "  TERM generous := (20, 0) (25, 1) (30, 0);\n  METHOD : COG;\n  ACCU : MAX;\n  DEFAULT := 0;\nEND_DEFUZZIFY\n"
        "RULEBLOCK No1\n  AND : MIN;\n  ACT : MIN;\n"
        "  RULE 1 : IF service IS poor AND food IS rancid THEN tip IS cheap;\n"
        "  RULE 2 : IF service IS good AND food IS delicious THEN tip IS average;\n"
        "  RULE 3 : IF (service IS excellent AND food IS delicious) OR (service IS good AND food IS rancid) THEN tip "
        "IS generous;\n"
        "END_RULEBLOCK\nEND_FUNCTION_BLOCK\n";
    const ImportOutcome first = TryImport(Format::Fcl, fcl);
    ASSERT_TRUE(first.ok) << first.Describe();
    EXPECT_EQ(first.notes.size(), 2u);  // ACT MIN and ACCU MAX are read otherwise
    // The left shoulder reaches to the range's start; the right one one range
    // width beyond its end, so that it is 1 at the end itself (the right foot
    // of a term is open here).
    EXPECT_EQ(first.A.GetParam(1, 1), 0.0f);
    EXPECT_EQ(first.A.GetParam(1, 3), 0.0f);
    EXPECT_EQ(first.A.GetParam(1, 4), 4.0f);
    EXPECT_EQ(first.A.GetParam(3, 4), 20.0f);
    EXPECT_EQ(first.Rules.Get(1, 1), 1);
    EXPECT_EQ(first.Rules.Get(2, 2), 2);
    EXPECT_EQ(first.Rules.Get(2, 3), 3);
    EXPECT_EQ(first.Rules.Get(1, 2), 3);
    const fuzzy::Project p{first.A, first.B, first.Out, first.Rules};
    for (Format f : {Format::Fll, Format::Fis, Format::Fcl}) {
        ExpectRoundTrip(p, f, std::string("tipper.") + exchange::FormatName(f));
    }
}

}  // namespace
