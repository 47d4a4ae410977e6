// Files made to break the importers: each is refused with its line and a
// German reason, or read as what it means, and never crashes or wraps.
#include "exchange/Detail.h"
#include "tests/fuzzy/EngineTest.h"
#include "exchange/Exchange.h"
#include "tests/exchange/ImportOutcome.h"
#include "tests/support/TestFiles.h"
#include "fuzzy/Text.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using exchange::Format;

std::string Repeat(const std::string& s, int n) {
    std::string r;
    r.reserve(s.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

// A condition wrapped in `depth` parentheses.
std::string Nested(int depth, const std::string& cond) { return Repeat("(", depth) + cond + Repeat(")", depth); }

std::string FllWithRule(const std::string& rule) {
    return "Engine: t\n"
           "InputVariable: a\n  range: 0 10\n  term: lo Triangle 0 0 10\n  term: hi Triangle 0 10 10\n"  // 2-5
           "OutputVariable: y\n  range: 0 1\n  term: s Triangle 0 0 1\n  term: b Triangle 0 1 1\n"       // 6-9
           "RuleBlock: r\n  conjunction: Minimum\n"                                                      // 10-11
           "  rule: " +
           rule + "\n";  // 12
}

std::string FclWithRule(const std::string& rule) {
    return "FUNCTION_BLOCK t\n"                                                                       // 1
           "VAR_INPUT\n  a : REAL;\nEND_VAR\n"                                                        // 2-4
           "VAR_OUTPUT\n  y : REAL;\nEND_VAR\n"                                                       // 5-7
           "FUZZIFY a\n  TERM lo := (0, 0) (5, 1) (10, 0);\nEND_FUZZIFY\n"                            // 8-10
           "DEFUZZIFY y\n  TERM s := (0, 0) (0.5, 1) (1, 0);\n  RANGE := (0 .. 1);\nEND_DEFUZZIFY\n"  // 11-14
           "RULEBLOCK r\n  AND : MIN;\n  RULE 1 : " +                                                 // 15-17
           rule +
           ";\nEND_RULEBLOCK\nEND_FUNCTION_BLOCK\n";
}

// [Input1] on line 7, [Input2] on 13, [Output1] on 19, [Rules] on 25; two terms each.
std::string FisWithRule(const std::string& rule) {
    const std::string mfs = "MF1='lo':'trapmf',[0 0 2 5]\nMF2='hi':'trimf',[4 8 10]\n";
    auto var = [&mfs](const std::string& section) {
        return "[" + section + "]\nName='v'\nRange=[0 10]\nNumMFs=2\n" + mfs;
    };
    return "[System]\nName='t'\nType='mamdani'\nNumInputs=2\nNumOutputs=1\nAndMethod='min'\n" + var("Input1") +
           var("Input2") + var("Output1") + "[Rules]\n" + rule + "\n";
}

struct Hostile {
    const char* name;
    Format format;
    std::string text;
    int line;             // of the refusal
    const char* message;  // a part of it
};

// Nesting: each parenthesis was a level of recursion, so a long enough rule
// ended the process instead of being refused. Numbers: rule numbers were cast
// to int before any check, so 4294967297 named term 1 and 1e300 was undefined.
const std::vector<Hostile>& HostileTexts() {
    static const std::vector<Hostile> table = {
        {"FllNestedBeyondTheStack", Format::Fll, FllWithRule("if " + Nested(200000, "a is lo") + " then y is s"), 12,
         "Klammerebenen"},
        {"FllNested65", Format::Fll, FllWithRule("if " + Nested(65, "a is lo") + " then y is s"), 12, "64"},
        {"FclNestedBeyondTheStack", Format::Fcl, FclWithRule("IF " + Nested(200000, "a IS lo") + " THEN y IS s"), 17,
         "Klammerebenen"},
        {"FisInputTermThatWrapsToOne", Format::Fis, FisWithRule("4294967297 1, 1 (1) : 1"), 26, "4294967297"},
        {"FisOutputTermThatWrapsToOne", Format::Fis, FisWithRule("1 1, 4294967297 (1) : 1"), 26, "4294967297"},
        {"FisInputTermBeyondInt", Format::Fis, FisWithRule("1e300 1, 1 (1) : 1"), 26, "1e+300"},
        {"FisOutputTermBeyondInt", Format::Fis, FisWithRule("1 2, 1e300 (1) : 1"), 26, "1e+300"},
        {"FisTermOneAfterTheLast", Format::Fis, FisWithRule("3 1, 1 (1) : 1"), 26, "nur 2 Terme"},
    };
    return table;
}

class HostileText : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileText, IsRefusedWithItsLine) {
    const Hostile& c = GetParam();
    const ImportOutcome r = TryImport(c.format, c.text);
    ASSERT_FALSE(r.ok);
    EXPECT_EQ(r.line, c.line) << r.Describe();
    EXPECT_NE(r.message.find(c.message), std::string::npos) << r.Describe();
}

INSTANTIATE_TEST_SUITE_P(Imports, HostileText, ::testing::ValuesIn(HostileTexts()),
                         [](const auto& param) { return std::string(param.param.name); });

// The bound is a limit and not a refusal of parentheses: 64 levels still read.
TEST(HostileNesting, SixtyFourLevelsAreRead) {
    EXPECT_TRUE(TryImport(Format::Fll, FllWithRule("if " + Nested(64, "a is lo") + " then y is s")).ok);
    EXPECT_TRUE(TryImport(Format::Fcl, FclWithRule("IF " + Nested(64, "a IS lo") + " THEN y IS s")).ok);
}

// ---- files that are no files ----------------------------------------------------

struct SpecialFile {
    const char* name;
    std::string (*make)(const testfiles::TempDir& dir);
    const char* message;
};

const std::vector<SpecialFile>& SpecialFiles() {
    static const std::vector<SpecialFile> table = {
        // A pipe without a writer blocked the reader for ever.
        {"Fifo",
         [](const testfiles::TempDir& d) {
             const std::string p = (d.path() / "pipe.fll").string();
             ::mkfifo(p.c_str(), 0600);
             return p;
         },
         "keine gew\xC3\xB6hnliche Datei"},
        // A link to an endless device was read until the memory ran out.
        {"LinkToDevZero",
         [](const testfiles::TempDir& d) {
             const auto p = d.path() / "zero.fll";
             std::filesystem::create_symlink("/dev/zero", p);
             return p.string();
         },
         "keine gew\xC3\xB6hnliche Datei"},
        {"Directory",
         [](const testfiles::TempDir& d) {
             const auto p = d.path() / "ordner.fll";
             std::filesystem::create_directory(p);
             return p.string();
         },
         "ist ein Ordner"},
        {"LargerThanTheLimit",
         [](const testfiles::TempDir& d) {
             return d.Write("gross.fll", "# " + std::string(exchange::MaxImportBytes, 'x') + "\n");
         },
         "4 MB"},
        {"Missing", [](const testfiles::TempDir& d) { return (d.path() / "fehlt.fll").string(); }, "gibt es nicht"},
    };
    return table;
}

class Special : public ::testing::TestWithParam<SpecialFile> {};

TEST_P(Special, IsNotRead) {
    testfiles::TempDir dir;
    const std::string path = GetParam().make(dir);
    try {
        exchange::ReadImportFile(path);
        ADD_FAILURE() << "read";
    } catch (const exchange::UnreadableFile& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(std::filesystem::path(path).filename().string()), std::string::npos)
            << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, Special, ::testing::ValuesIn(SpecialFiles()),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(SpecialFiles, AFileAtTheLimitIsReadWhole) {
    testfiles::TempDir dir;
    const std::string bytes(exchange::MaxImportBytes, '#');
    EXPECT_EQ(exchange::ReadImportFile(dir.Write("genau.fll", bytes)), bytes);
}

// ---- the export's sampling grid --------------------------------------------------

struct GridCase {
    const char* name;
    float hi;      // the output's range is 0 .. hi
    float corner;  // where the first term ends and the second begins
};

// Main computed the aligned grid in 64-bit integers without a check: 0 .. 1e15
// with a corner at 1e-6 wrapped into a wrong grid that called itself exact,
// and 0 .. 2000 asked the other tool for 2,000,000,000 cells.
const std::vector<GridCase>& GridCases() {
    static const std::vector<GridCase> table = {
        {"Ordinary", 1.0f, 0.25f},
        {"WrapsSixtyFourBits", 1e15f, 0.000001f},
        {"TwoBillionCells", 2000.0f, 0.000001f},
        {"ManyCellsButFew", 10.0f, 0.0001f},
    };
    return table;
}

class ExportGrid : public ::testing::TestWithParam<GridCase> {};

TEST_P(ExportGrid, IsCappedAndAlignedOnlyWhereItSaysSo) {
    const GridCase& c = GetParam();
    fuzzy::Project p;
    p.A = MakeVariable("a", 0, 1, {{"x", 0, 0, 1, 1, 1}});
    p.Out = MakeVariable("y", 0, c.hi, {{"u", 0, 0, 0, c.corner, 1}, {"v", 0, c.corner, c.hi, c.hi, 1}});
    p.Rules.Set(1, 1, 1);
    const auto g = exchange::detail::ChooseGrid(p.Out, 0);
    EXPECT_GE(g.resolution, 1);
    EXPECT_LE(g.resolution, 100000);
    if (g.aligned) {
        // Every corner on a cell boundary of the grid the file names.
        const double dx = (g.hi - g.lo) / g.resolution;
        for (double x : {0.0, double(c.corner), double(c.hi)}) {
            const double k = (x - g.lo) / dx;
            EXPECT_NEAR(k, std::round(k), 1e-6) << x;
        }
    }
    const std::string fll = exchange::Export(exchange::Format::Fll, p, "grid.fuz");
    EXPECT_EQ(fll.find("Abtastung ist exakt") != std::string::npos, g.aligned && g.bound <= 1e-9 * (g.hi - g.lo))
        << fll;
    if (!g.aligned) {
        EXPECT_NE(fll.find("nicht exakt"), std::string::npos) << fll;
    }
    EXPECT_NE(fll.find("defuzzifier: Centroid " + std::to_string(g.resolution)), std::string::npos) << fll;
}

INSTANTIATE_TEST_SUITE_P(Exports, ExportGrid, ::testing::ValuesIn(GridCases()),
                         [](const auto& param) { return std::string(param.param.name); });

// ---- the text's encoding ---------------------------------------------------------

// The check decides between UTF-8 and Windows-1252; it must agree with the
// decoder on every byte sequence, or a name would be read in the wrong code page.
TEST(Encoding, Utf8CheckAgreesWithTheDecoder) {
    std::vector<std::string> texts = {
        "",         "abc",          "\xC3\xA4",          "\xC3", "\xE2\x80\x9E", "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xC0\xAF", "\xEF\xBF\xBD", "\xF0\x9F\x98\x80x", "\x80", "\xFF"};
    // Every sequence of up to three bytes from a set that covers each lead and follow class.
    const unsigned char bytes[] = {0x00, 0x41, 0x7F, 0x80, 0x9F, 0xBF, 0xC0, 0xC2, 0xDF,
                                   0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xF8, 0xFF};
    for (unsigned char x : bytes) {
        texts.emplace_back(1, static_cast<char>(x));
        for (unsigned char y : bytes) {
            texts.push_back(std::string{static_cast<char>(x), static_cast<char>(y)});
            for (unsigned char z : bytes)
                texts.push_back(std::string{static_cast<char>(x), static_cast<char>(y), static_cast<char>(z)});
        }
    }
    for (const std::string& t : texts) {
        const bool roundTrip = fuzzy::text::CodePointsToUtf8(fuzzy::text::Utf8ToCodePoints(t)) == t;
        EXPECT_EQ(exchange::detail::ValidUtf8(t), roundTrip) << testing::PrintToString(t);
    }
}

// ---- the first thing that does not fit, in file order ------------------------------

struct TwoFaults {
    const char* name;
    Format format;
    std::string text;
    int line;  // of the earlier fault
    const char* message;
};

const std::string kGaussA = "Engine: t\nInputVariable: a\n  range: 0 1\n  term: g Gaussian 0.5 0.1\n";  // 1-4

// Main reported the later fault of each: checks ran by kind, rules were read
// (and refused) before terms were looked at, the file as a whole came first.
const std::vector<TwoFaults>& TwoFaultFiles() {
    static const std::vector<TwoFaults> table = {
        {"FllTermBeforeAThirdInput", Format::Fll,
         kGaussA + "InputVariable: b\n  term: x Triangle 0 0 1\nInputVariable: c\n  term: x Triangle 0 0 1\n", 4,
         "Gaussian"},
        {"FllTermBeforeABadRule", Format::Fll,
         kGaussA + "OutputVariable: y\n  range: 0 1\n  term: s Triangle 0 0 1\nRuleBlock: r\n  rule: if a is\n", 4,
         "Gaussian"},
        {"FllTermBeforeAMissingOutput", Format::Fll, kGaussA, 4, "Gaussian"},
        {"FisTermBeforeABadRule", Format::Fis,
         "[System]\nName='t'\nType='mamdani'\nAndMethod='min'\n[Input1]\nName='a'\nRange=[0 1]\n"
         "MF1='g':'gaussmf',[0.1 0.5]\n[Output1]\nName='y'\nRange=[0 1]\nMF1='s':'trimf',[0 0 1]\n[Rules]\n"
         "1, 1 (0.5) : 1\n",
         8, "gaussmf"},
        {"FclTermBeforeAWeight", Format::Fcl,
         "FUNCTION_BLOCK t\nVAR_INPUT\n  a : REAL;\nEND_VAR\nVAR_OUTPUT\n  y : REAL;\nEND_VAR\n"
         "FUZZIFY a\n  TERM x := 3;\nEND_FUZZIFY\nDEFUZZIFY y\n  TERM s := (0, 0) (0.5, 1) (1, 0);\nEND_DEFUZZIFY\n"
         "RULEBLOCK r\n  RULE 1 : IF a IS x THEN y IS s WITH 0.5;\nEND_RULEBLOCK\nEND_FUNCTION_BLOCK\n",
         9, "Singleton"},
    };
    return table;
}

class FileOrder : public ::testing::TestWithParam<TwoFaults> {};

TEST_P(FileOrder, TheRefusalNamesTheEarlierFault) {
    const ImportOutcome r = TryImport(GetParam().format, GetParam().text);
    ASSERT_FALSE(r.ok);
    EXPECT_EQ(r.line, GetParam().line) << r.Describe();
    EXPECT_NE(r.message.find(GetParam().message), std::string::npos) << r.Describe();
}

INSTANTIATE_TEST_SUITE_P(Imports, FileOrder, ::testing::ValuesIn(TwoFaultFiles()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
