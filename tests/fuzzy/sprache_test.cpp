// The engine's texts in the English edition: the reader's messages, the
// errors of reading, checking and saving, and the hints, each kind in English
// with decimal points, while the German texts stay the other tests' business.
#include "fuzzy/LanguageScope.h"
#include "fuzzy/AtomicFile.h"
#include "tests/fuzzy/EngineTest.h"
#include "fuzzy/Hints.h"
#include "fuzzy/ProjectCheck.h"
#include "fuzzy/Project.h"
#include "fuzzy/Language.h"
#include "fuzzy/Templates.h"
#include "tests/support/TestFiles.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using fuzzy::Project;

// English for the scope of a test, German again after it.
struct English : fuzzy::LanguageScope {
    English() : LanguageScope(fuzzy::Language::English) {}
};

// The evenly spread locomotive project with the usual diagonal table (as the
// hints' tests use); made in English, it names its terms in English.
Project LokMitRegeln() { return EvenLokWithRules(); }

// A: "Fehler" with negativ / positiv meeting at 0, output "Stellwert".
Project Beispiel() {
    Project p;
    p.A = MakeVariable("Fehler", -10, 10, {{"negativ", -10, -10, -5, 0, 1}, {"positiv", 0, 5, 10, 10, 1}});
    p.Out = MakeVariable("Stellwert", -1, 1, {{"links", -1, -1, -0.5f, 0, 1}, {"rechts", 0, 0.5f, 1, 1, 1}});
    p.Rules.Set(1, 1, 2);
    p.Rules.Set(1, 2, 1);
    return p;
}

// The text a failing call throws as fuzzy::Error (Describe), or "" if none.
std::string Thrown(const std::function<void()>& call) {
    try {
        call();
    } catch (const fuzzy::Error& e) {
        return e.Describe();
    }
    return {};
}

// The message with the temporary path shortened to its file name "p.fuz".
std::string Shortened(std::string text, const std::string& path) {
    const auto at = text.find(path);
    if (at != std::string::npos) text.replace(at, path.size(), "p.fuz");
    return text;
}

// ---- one message of each kind --------------------------------------------

struct MessageCase {
    const char* name;
    std::function<std::string()> text;  // run in English
    std::string english;
};

class EnglishMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(EnglishMessages, ComeOutInEnglish) {
    std::string text;
    {
        const English english;
        text = GetParam().text();
    }
    EXPECT_EQ(text, GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, EnglishMessages,
    ::testing::Values(
        MessageCase{"ErrorWithItsLine", [] { return fuzzy::Error("Something broke.", 12).Describe(); },
                    "Line 12: Something broke."},
        MessageCase{"InOutError", [] { return std::string(fuzzy::EInOutError(103).what()); }, "I/O error 103"},
        MessageCase{"CheckExpectedAndFound", [] { return fuzzy::DiagnoseProject("Fehler\r\nabc\r\n").Describe(); },
                    "Line 2: expected the number of terms of input A (a whole number), found: \xE2\x80\x9C"
                    "abc\xE2\x80\x9D."},
        MessageCase{"CheckEndOfFile", [] { return fuzzy::DiagnoseProject("").Describe(); },
                    "Line 4: expected the rule in row 1, column 1 of the rule table (a whole number), found: the "
                    "end of the file."},
        MessageCase{"CheckTooManyTerms", [] { return fuzzy::DiagnoseProject("\r\n\r\nKraft\r\n6\r\n").Describe(); },
                    "Line 4: expected at most 5 terms for the output, found: \xE2\x80\x9C"
                    "6\xE2\x80\x9D."},
        MessageCase{"CheckNumberBeyondSinglePrecision",
                    [] { return fuzzy::DiagnoseProject("Fehler\r\n0\r\n1e39\r\n").Describe(); },
                    "Line 3: expected the start of the range of input A within the limits of single precision, "
                    "found: \xE2\x80\x9C"
                    "1e39\xE2\x80\x9D."},
        MessageCase{"CheckLineReadAsZero",
                    [] {
                        const auto d = fuzzy::DiagnoseProject("Fehler\r\n0\r\n1,5\r\n");
                        return d.zeroReads.empty() ? std::string() : d.zeroReads.front();
                    },
                    "Line 3: \xE2\x80\x9C"
                    "1,5\xE2\x80\x9D is not a number and is read as 0 (the start of the range of input A)."},
        MessageCase{"SaveNoFiniteNumber",
                    [] { return Thrown([] { fuzzy::RealText(std::numeric_limits<float>::quiet_NaN()); }); },
                    "A number that is not finite cannot be saved."},
        MessageCase{"SaveVariableWithoutName",
                    [] {
                        Project p = Beispiel();
                        p.A.Name.clear();
                        return Thrown([&] { fuzzy::ProjectText(p); });
                    },
                    "Input A has no name."},
        MessageCase{"SaveRangeNotFinite",
                    [] {
                        Project p = Beispiel();
                        p.Out.RangeMin = std::numeric_limits<float>::infinity();
                        return Thrown([&] { fuzzy::ProjectText(p); });
                    },
                    "Output: the start of the range is not a finite number."},
        MessageCase{"SaveTermNameTheFormatCannotHold",
                    [] {
                        Project p = Beispiel();
                        p.A.SetTermName(2,
                                        "a\xE2\x86\x92"
                                        "b");
                        return Thrown([&] { fuzzy::ProjectText(p); });
                    },
                    "The name of Input A, term 2 \xE2\x80\x9C"
                    "a\xE2\x86\x92"
                    "b\xE2\x80\x9D contains the character \xE2\x80\x9C\xE2\x86\x92\xE2\x80\x9D, which a fuzzy file "
                    "cannot hold."},
        MessageCase{"SaveIntoMissingFolder",
                    [] {
                        const testfiles::TempDir dir;
                        const std::string target = (dir.path() / "fehlt" / "p.fuz").string();
                        return Shortened(Thrown([&] { fuzzy::WriteFileAtomic(target, "x"); }), target);
                    },
                    "The file \xE2\x80\x9Cp.fuz\xE2\x80\x9D could not be saved: the folder does not exist."},
        MessageCase{"SaveOverTheInput",
                    [] {
                        const testfiles::TempDir dir;
                        const std::string input = dir.Write("p.fuz", "x");
                        return Shortened(Thrown([&] { fuzzy::WriteFileAtomic(input, "y", input); }), input);
                    },
                    "The file \xE2\x80\x9Cp.fuz\xE2\x80\x9D is the input file itself; it is not overwritten."}),
    [](const auto& i) { return std::string(i.param.name); });

// ---- the reader's message boxes ------------------------------------------

class EnglishReader : public EngineTest {};

TEST_F(EnglishReader, FormatErrorAndTermIndexInEnglish) {
    const English english;
    fuzzy::LoadProjectBytes(std::string_view("Fehler\r\nzwei\r\n"));
    fuzzy::TFuzzy v;
    EXPECT_TRUE(v.CheckTermIndex(1));
    const std::vector<RecordedMessage> expected{
        Error("An error occurred while opening the file. Please check whether it is a fuzzy file!"),
        Warning("Term index too high")};
    EXPECT_EQ(messages.log, expected);
}

TEST_F(EnglishReader, MissingFileWarnsAndThrowsInEnglish) {
    const English english;
    const testfiles::TempDir dir;
    std::string what;
    const std::string path = (dir.path() / "fehlt.fuz").string();
    try {
        fuzzy::LoadProject(path);
    } catch (const fuzzy::EInOutError& e) {
        what = e.what();
    }
    EXPECT_EQ(what, "The file \xE2\x80\x9C" + path + "\xE2\x80\x9D does not exist.");
    EXPECT_EQ(messages.log, std::vector<RecordedMessage>{Warning("The data could not be read!")});
}

TEST(EnglishStandardError, WarningWithoutAProgramsSinkIsPrefixedInEnglish) {
    const English english;
    fuzzy::SetMessages(nullptr);
    ::testing::internal::CaptureStderr();
    fuzzy::Messages().Warning("Term index too high");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Warning: Term index too high\n");
}

// ---- hints: each kind of sentence ----------------------------------------

struct HintCase {
    const char* name;
    std::function<std::string()> text;  // run in English
    std::string english;
};

class EnglishHints : public ::testing::TestWithParam<HintCase> {};

TEST_P(EnglishHints, ReadAsEnglishSentences) {
    std::string text;
    {
        const English english;
        text = GetParam().text();
    }
    EXPECT_EQ(text, GetParam().english);
}

// The first hint of that kind on a project changed by `change`.
std::function<std::string()> HintOf(fuzzy::HintKind kind, Project (*make)(), void (*change)(Project&)) {
    return [kind, make, change] {
        Project p = make();
        change(p);
        for (const fuzzy::Hint& h : fuzzy::ProjectHints(p))
            if (h.Kind == kind) return h.Text;
        return std::string();
    };
}

INSTANTIATE_TEST_SUITE_P(
    Hints, EnglishHints,
    ::testing::Values(
        HintCase{"NothingDefined", HintOf(fuzzy::HintKind::NotDefined, [] { return Project{}; }, [](Project&) {}),
                 "Input A is not defined; no rule can take effect."},
        HintCase{"RuleNamesNoTerm", HintOf(fuzzy::HintKind::RuleNamesNoTerm, Beispiel, [](Project& p) { p.Rules.Set(1, 2, 7); }),
                 "Rule A = positiv: The output has no term 7; the rule has no effect."},
        HintCase{"RuleNeverReadWithoutB", HintOf(fuzzy::HintKind::RuleNeverRead, Beispiel, [](Project& p) { p.Rules.Set(2, 1, 1); }),
                 "Rule A = negativ, row 2 (output term 1) is never evaluated: without input B only the first row "
                 "of the table applies."},
        HintCase{"HeightOutside", HintOf(fuzzy::HintKind::HeightOutside, Beispiel, [](Project& p) { p.Out.SetParam(1, 5, 1.5f); }),
                 "Output, term 1 \xE2\x80\x9Clinks\xE2\x80\x9D: The height h is not between 0 and 1."},
        HintCase{"NoRulesYet", HintOf(fuzzy::HintKind::NoRules, Beispiel, [](Project& p) { p.Rules = {}; }),
                 "There is no rule yet; the output always stays at the lower end of its range."},
        HintCase{"GapWithoutRules", HintOf(fuzzy::HintKind::Gap, Beispiel, [](Project& p) { p.Rules = {}; }),
                 "Input A: At Fehler \xE2\x89\x88 0 (exactly: from \xE2\x88\x92"
                 "4.440892e\xE2\x88\x92"
                 "16 to just above 0) no term is greater than 0."},
        HintCase{"OutputTermUnused", HintOf(fuzzy::HintKind::OutputTermUnused, Beispiel,
                                            [](Project& p) { p.Rules.Set(1, 2, 2); }),
                 "Output, term 1 \xE2\x80\x9Clinks\xE2\x80\x9D: No rule uses this term."},
        HintCase{"OutputTooLargeWithPowerOfTen",
                 HintOf(fuzzy::HintKind::TooLarge, LokMitRegeln, [](Project& p) { p.Out.RangeMax = 1e19f; }),
                 "Output: The range or the corners reach beyond \xC2\xB1"
                 "4.6\xC2\xB7"
                 "10\xC2\xB9\xE2\x81\xB8; numbers this large make the centroid overflow in single precision, and "
                 "the result is then not a number."},
        HintCase{"NoRuleAtAFoot", HintOf(fuzzy::HintKind::NoRuleFires, Beispiel, [](Project&) {}),
                 "No rule fires at Fehler \xE2\x89\x88 0 (exactly: from \xE2\x88\x92"
                 "4.440892e\xE2\x88\x92"
                 "16 to just above 0), because no term of Fehler is greater than 0 there: Stellwert falls to "
                 "\xE2\x88\x92"
                 "1 (the start of its range)."},
        HintCase{"HoleInTheTable", HintOf(fuzzy::HintKind::NoRuleFires, LokMitRegeln, [](Project& p) { p.Rules.Set(3, 2, 0); }),
                 "No rule fires at Distance = \xE2\x88\x92"
                 "50 cm and Velocity \xE2\x89\x88 0 cm/s (exactly: from \xE2\x88\x92"
                 "3.5527137e\xE2\x88\x92"
                 "15 to just above 0 cm/s), because there is no working rule for A = negative small, B = zero: "
                 "Force falls to \xE2\x88\x92"
                 "2.5 N (the start of its range)."},
        HintCase{"PointForTheInspector",
                 [] {
                     const Project p = fuzzy::TemplateLoco();
                     return fuzzy::NoRuleAtText(p, 12.5f, -3.0f);
                 },
                 "No rule fires at Distance = 12.5 cm and Velocity = \xE2\x88\x92"
                 "3 cm/s: Force falls to \xE2\x88\x92"
                 "2.5 N (the start of its range)."},
        HintCase{"WholeRangeWithoutATerm",
                 [] {
                     const Project p = LokMitRegeln();
                     fuzzy::NoRuleBox box;
                     box.HasB = true;
                     box.WholeA = true;
                     box.WholeB = true;
                     box.GapA = true;
                     box.GapB = true;
                     return fuzzy::NoRuleText(p, box);
                 },
                 "No rule fires for any input value, because no term of Distance or of Velocity is greater "
                 "than 0 anywhere in the range: Force falls to \xE2\x88\x92"
                 "2.5 N (the start of its range)."},
        HintCase{"ManyCellsAndAGapInPlaces",
                 [] {
                     const Project p = LokMitRegeln();
                     fuzzy::NoRuleBox box;
                     box.HasB = true;
                     box.WholeA = true;
                     box.B = {{-50.0f, true}, {-25.0f, false}};
                     box.PartlyGapB = true;
                     box.Cells = 0x1Fu;  // row 1, all five columns
                     return fuzzy::NoRuleText(p, box);
                 },
                 "No rule fires at Velocity from \xE2\x88\x92"
                 "50 to below \xE2\x88\x92"
                 "25 cm/s, because there, in places, no term of Velocity is greater than 0, and there is no "
                 "working rule for A = negative large, B = negative large; A = negative small, B = negative "
                 "large; A = zero, B = negative large and 2 more cells: Force falls to \xE2\x88\x92"
                 "2.5 N (the start of its range)."}),
    [](const auto& i) { return std::string(i.param.name); });

// ---- numbers in the sentences --------------------------------------------

struct NumberCase {
    const char* name;
    float value;
    const char* english;
};

class EnglishNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(EnglishNumbers, DecimalPointAndTrueMinus) {
    const English english;
    EXPECT_EQ(fuzzy::GermanNumber(GetParam().value), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(Numbers, EnglishNumbers,
                         ::testing::Values(NumberCase{"Negative", -2.5f,
                                                      "\xE2\x88\x92"
                                                      "2.5"},
                                           NumberCase{"Fraction", 0.1f, "0.1"},
                                           NumberCase{"Exponent", -1.5e-30f,
                                                      "\xE2\x88\x92"
                                                      "1.5e\xE2\x88\x92"
                                                      "30"},
                                           NumberCase{"NotANumber", std::numeric_limits<float>::quiet_NaN(),
                                                      "not a number"},
                                           NumberCase{"MinusInfinity", -std::numeric_limits<float>::infinity(),
                                                      "\xE2\x88\x92"
                                                      "infinity"}),
                         [](const auto& i) { return std::string(i.param.name); });

// Switching back gives today's German, byte for byte: no text is kept from
// the English run.
TEST(EnglishThenGerman, GermanAgainAfterTheGuard) {
    {
        const English english;
        EXPECT_EQ(fuzzy::GermanNumber(-2.5f),
                  "\xE2\x88\x92"
                  "2.5");
    }
    EXPECT_EQ(fuzzy::GermanNumber(-2.5f),
              "\xE2\x88\x92"
              "2,5");
    EXPECT_EQ(fuzzy::Error("x", 3).Describe(), "Zeile 3: x");
}

}  // namespace
