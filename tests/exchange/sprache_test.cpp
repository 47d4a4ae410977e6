// The English edition of the exchange: refusals and notes of each reader in
// English when English is chosen, the German ones unchanged, and an export
// whose English comments change nothing that is read back.
#include "fuzzy/LanguageScope.h"
#include "tests/exchange/Examples.h"
#include "exchange/Exchange.h"
#include "tests/exchange/ImportOutcome.h"
#include "fuzzy/Project.h"
#include "fuzzy/Language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using exchange::Format;

// English for the scope of a test, German again after it.
struct English : fuzzy::LanguageScope {
    English() : LanguageScope(fuzzy::Language::English) {}
};

const std::string kFllOne =
    "Engine: t\n"
    "InputVariable: a\n  range: 0 10\n  term: lo Trapezoid 0 0 2 5\n  term: hi Triangle 4 8 10\n";  // lines 1-5
const std::string kFllOut =
    "OutputVariable: y\n  range: 0 1\n  term: s Rectangle 0 0.5\n  term: b Trapezoid 0.5 0.6 1 1\n";  // 4 lines
std::string Fll(const std::string& inputs, const std::string& outputSettings, const std::string& rules) {
    return inputs + kFllOut + outputSettings + "RuleBlock: r\n  conjunction: Minimum\n" + rules;
}
const std::string kFllRules = "  rule: if a is lo then y is s\n  rule: if a is hi then y is b\n";

std::string Fis(const std::string& system, const std::string& rules) {
    return "[System]\nName='t'\nType='mamdani'\n" + system +
           "[Input1]\nName='v'\nRange=[0 10]\nMF1='lo':'trapmf',[0 0 2 5]\nMF2='hi':'trimf',[4 8 10]\n"
           "[Output1]\nName='y'\nRange=[0 1]\nMF1='s':'trimf',[0 0.25 0.5]\nMF2='b':'trimf',[0.5 0.75 1]\n"
           "[Rules]\n" +
           rules;
}

std::string Fcl(const std::string& defuzzify, const std::string& ruleblock) {
    return "FUNCTION_BLOCK t\nVAR_INPUT\n  a : REAL;\nEND_VAR\nVAR_OUTPUT\n  y : REAL;\nEND_VAR\n"
           "FUZZIFY a\n  TERM lo := (0, 1) (5, 0);\n  TERM hi := (5, 0) (10, 1);\nEND_FUZZIFY\n"
           "DEFUZZIFY y\n  TERM s := (0, 0) (0.5, 1) (1, 0);\n  TERM b := (0.5, 0) (1, 1);\n" +
           defuzzify + "END_DEFUZZIFY\nRULEBLOCK r\n" + ruleblock +
           "  RULE 1 : IF a IS lo THEN y IS s;\nEND_RULEBLOCK\nEND_FUNCTION_BLOCK\n";
}

// ---- refusals ------------------------------------------------------------------

struct Refusal {
    const char* name;
    Format format;
    std::string text;
    int line;
    const char* german;
    const char* english;
};

const std::vector<Refusal>& Refusals() {
    static const std::vector<Refusal> table = {
        {"FllNoEngine", Format::Fll, "", 0, "Das ist keine FLL-Datei: „Engine:“ fehlt.",
         "This is not an FLL file: “Engine:” is missing."},
        {"FllForeignKey", Format::Fll, "foo: bar\n", 1, "Erwartet wird „Engine:“, gefunden: „foo“.",
         "Expected “Engine:”, found: “foo”."},
        {"FllRampWithoutWidth", Format::Fll, "Engine: t\nInputVariable: a\n  range: 0 1\n  term: r Ramp 1 1\n", 4,
         "Der Term „r“ (Ramp) hat Anfang und Ende am selben Punkt.",
         "The term “r” (Ramp) has its start and end at the same point."},
        {"FllRuleWithoutThen", Format::Fll, Fll(kFllOne, "", "  rule: if a is lo) then y is s\n"), 12,
         "Nach der Bedingung wird „then“ erwartet, gefunden: „)“.", "Expected “then” after the condition, found: “)”."},
        {"FllRuleEndingEarly", Format::Fll, Fll(kFllOne, "", "  rule: if a is lo\n"), 12,
         "Nach der Bedingung wird „then“ erwartet.", "Expected “then” after the condition."},
        {"FllRuleWithoutIs", Format::Fll, Fll(kFllOne, "", "  rule: if a lo then y is s\n"), 12,
         "Nach „a“ wird „is“ erwartet, gefunden: „lo“.", "Expected “is” after “a”, found: “lo”."},
        {"FllThirdInput", Format::Fll,
         Fll(kFllOne + "InputVariable: b\n  range: 0 1\n  term: t Triangle 0 0.5 1\n" +
                 "InputVariable: c\n  range: 0 1\n  term: t Triangle 0 0.5 1\n",
             "", ""),
         9, "Ein dritter Eingang („c“) passt nicht: dieses Programm hat höchstens zwei Eingänge.",
         "A third input (“c”) does not fit: this program has at most two inputs."},
        {"FllTermWithTooFewNumbers", Format::Fll, Fll("Engine: t\nInputVariable: a\n  term: t Triangle 0 1\n", "", ""),
         3, "Der Term „t“ (Triangle) braucht 3 Zahlen (a, b, c) und wahlweise eine Höhe, gefunden: 2.",
         "The term “t” (Triangle) needs 3 numbers (a, b, c) and optionally a height, found: 2."},
        {"FisForeignType", Format::Fis, "[System]\nType='sugeno'\n", 2,
         "Der Typ „sugeno“ passt nicht: dieses Programm rechnet wie ein Mamdani-System.",
         "The type “sugeno” does not fit: this program computes like a Mamdani system."},
        {"FisUnknownSection", Format::Fis, "[Foo]\n", 1, "Unbekannter Abschnitt „[Foo]“.", "Unknown section “[Foo]”."},
        {"FisTermNumberBeyond", Format::Fis, Fis("", "3, 1 (1) : 1\n"), 15,
         "Die Regel nennt Term 3 von „v“, der nur 2 Terme hat.",
         "The rule names term 3 of “v”, which has only 2 terms."},
        {"FisRangeWithAWord", Format::Fis, "[System]\nType='mamdani'\n[Input1]\nRange=[0 x]\n", 4,
         "In den Bereich ist „x“ keine Zahl.", "In the range, “x” is not a number."},
        {"FisNoSystem", Format::Fis, "% nur ein Kommentar\n", 0,
         "Das ist keine FIS-Datei: der Abschnitt „[System]“ fehlt.",
         "This is not an FIS file: the section “[System]” is missing."},
        {"FclOpenComment", Format::Fcl, "FUNCTION_BLOCK t\n(* offen\n", 2, "Ein Kommentar „(*“ wird nicht geschlossen.",
         "A comment “(*” is not closed."},
        {"FclUndeclaredVariable", Format::Fcl, "FUNCTION_BLOCK t\nVAR_INPUT\n  a : REAL;\nEND_VAR\nFUZZIFY b\n", 5,
         "„b“ ist nicht als VAR_INPUT erklärt.", "“b” is not declared as VAR_INPUT."},
        {"FclEndOfFile", Format::Fcl, "FUNCTION_BLOCK t\nFUZZIFY\n", 2,
         "Erwartet wird ein Variablenname, gefunden: „Dateiende“.", "Expected a variable name, found: “end of file”."},
        {"FclRangeEnd", Format::Fcl,
         "FUNCTION_BLOCK t\nVAR_INPUT\n  a : REAL;\nEND_VAR\nFUZZIFY a\n  RANGE := (0 .. x);\n", 6,
         "Erwartet wird das Bereichsende, gefunden: „x“.", "Expected the end of the range, found: “x”."},
    };
    return table;
}

class EnglishRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(EnglishRefusal, NamesTheSameLineInEachLanguage) {
    const Refusal& r = GetParam();
    const ImportOutcome de = TryImport(r.format, r.text);
    ASSERT_FALSE(de.ok);
    EXPECT_EQ(de.message, r.german);
    EXPECT_EQ(de.line, r.line);
    ImportOutcome en;
    {
        const English english;
        en = TryImport(r.format, r.text);
    }
    ASSERT_FALSE(en.ok);
    EXPECT_EQ(en.message, r.english);
    EXPECT_EQ(en.line, r.line);
    // Back in German the same file gets the German message again.
    EXPECT_EQ(TryImport(r.format, r.text).message, r.german);
}

INSTANTIATE_TEST_SUITE_P(Readers, EnglishRefusal, ::testing::ValuesIn(Refusals()),
                         [](const auto& param) { return std::string(param.param.name); });

// ---- notes ---------------------------------------------------------------------

struct Note {
    const char* name;
    Format format;
    std::string text;
    const char* german;   // the note, or its beginning where a measured figure follows
    const char* english;  // the same in English
    bool figure;          // a measured difference ends the note
};

const std::vector<Note>& Notes() {
    static const std::vector<Note> table = {
        {"FllDefaultNaN", Format::Fll, Fll(kFllOne, "  default: nan\n", kFllRules),
         "Feuert keine Regel, liefert „y“ hier den Bereichsanfang, nicht „nan“ (keine Zahl) wie in der Datei.",
         "If no rule fires, “y” gives the start of the range here, not “nan” (not a number) as in the file.", false},
        {"FllDefuzzifier", Format::Fll, Fll(kFllOne, "  defuzzifier: Bisector\n", kFllRules),
         "Der Ausgang wird hier mit dem Schwerpunkt berechnet, nicht mit „Bisector“.",
         "The output is computed here with the centroid, not with “Bisector”.", false},
        {"FllMinimumImplication", Format::Fll, Fll(kFllOne, "", "  implication: Minimum\n" + kFllRules),
         "Die Implikation „Minimum“ wird hier als Produkt gerechnet; der Ausgang weicht dadurch auf 41 Eingaben um "
         "höchstens ",
         "The implication “Minimum” is computed as the product here; on 41 inputs, this changes the output by at "
         "most ",
         true},
        {"FisDefuzzMethod", Format::Fis, Fis("DefuzzMethod='mom'\n", "1, 1 (1) : 1\n2, 2 (1) : 1\n"),
         "Der Ausgang wird hier mit dem Schwerpunkt berechnet, nicht mit „mom“.",
         "The output is computed here with the centroid, not with “mom”.", false},
        {"FclAccumulation", Format::Fcl, Fcl("  ACCU : BSUM;\n", ""),
         "Die Terme des Ausgangs werden hier summiert, nicht mit „BSUM“ zusammengefasst.",
         "The output's terms are summed here, not combined with “BSUM”.", false},
        {"FclMaximumAccumulation", Format::Fcl, Fcl("", "  ACCU : MAX;\n"),
         "Die Terme des Ausgangs werden hier summiert, nicht mit „MAX“ zusammengefasst; der Ausgang weicht dadurch "
         "auf 41 Eingaben um höchstens ",
         "The output's terms are summed here, not combined with “MAX”; on 41 inputs, this changes the output by at "
         "most ",
         true},
    };
    return table;
}

// The note that begins with `start`, or "" when there is none.
std::string NoteStarting(const std::vector<std::string>& notes, const std::string& start) {
    for (const std::string& n : notes) {
        if (n.compare(0, start.size(), start) == 0) return n;
    }
    return {};
}

class EnglishNote : public ::testing::TestWithParam<Note> {};

TEST_P(EnglishNote, SaysTheSameInEachLanguage) {
    const Note& n = GetParam();
    const ImportOutcome de = TryImport(n.format, n.text);
    ASSERT_TRUE(de.ok) << de.Describe();
    ImportOutcome en;
    {
        const English english;
        en = TryImport(n.format, n.text);
    }
    ASSERT_TRUE(en.ok) << en.Describe();
    ASSERT_EQ(en.notes.size(), de.notes.size());
    const std::string g = NoteStarting(de.notes, n.german), e = NoteStarting(en.notes, n.english);
    ASSERT_FALSE(g.empty()) << ::testing::PrintToString(de.notes);
    ASSERT_FALSE(e.empty()) << ::testing::PrintToString(en.notes);
    if (n.figure) {
        // The same measured figure in both, then the end of each sentence.
        const std::string figureDe = g.substr(std::string(n.german).size());
        const std::string figureEn = e.substr(std::string(n.english).size());
        ASSERT_GT(figureEn.size(), 1u) << e;
        EXPECT_EQ(figureDe, figureEn.substr(0, figureEn.size() - 1) + " ab.") << g << "\n" << e;
        EXPECT_EQ(figureEn.back(), '.') << e;
    } else {
        EXPECT_EQ(g, n.german);
        EXPECT_EQ(e, n.english);
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, EnglishNote, ::testing::ValuesIn(Notes()),
                         [](const auto& param) { return std::string(param.param.name); });

// ---- files that are not read ---------------------------------------------------------

TEST(EnglishUnreadable, AFolderAndAMissingFileAreNamedInEnglish) {
    const std::string folder = ::testing::TempDir();
    const std::string missing = folder + "/gibt-es-nicht.fll";
    const English english;
    try {
        (void)exchange::ReadImportFile(folder);
        ADD_FAILURE() << "a folder was read";
    } catch (const exchange::UnreadableFile& e) {
        EXPECT_EQ(std::string(e.what()), "The file “" + folder + "” is a folder.");
    }
    try {
        (void)exchange::ReadImportFile(missing);
        ADD_FAILURE() << "a missing file was read";
    } catch (const exchange::UnreadableFile& e) {
        EXPECT_EQ(std::string(e.what()), "The file “" + missing + "” does not exist.");
    }
}

// ---- export ---------------------------------------------------------------------------

const Format kFormats[] = {Format::Fll, Format::Fis, Format::Fcl};
const char* const kExamples[] = {"beispiel", "heizung", "lok", "truck", "truck_einachsig"};

const char* Marker(Format f) {
    switch (f) {
    case Format::Fll: return "#";
    case Format::Fis: return "%";
    case Format::Fcl: return "//";
    }
    return "";
}

// The lines of a text without the comments a person reads; the lines the
// import reads back ("fuzzysim: ...") stay.
std::vector<std::string> WithoutProse(const std::string& text, Format f) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    const std::string marker = Marker(f);
    for (std::string line; std::getline(in, line);) {
        const bool comment = line.compare(0, marker.size(), marker) == 0;
        if (!comment || line.find(marker + " fuzzysim: ") == 0) lines.push_back(line);
    }
    return lines;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

class EnglishExport : public ::testing::TestWithParam<Format> {};

TEST_P(EnglishExport, ReadsBackBitForBitAsTheGermanOne) {
    const Format f = GetParam();
    for (const char* name : kExamples) {
        const fuzzy::Project p = LoadExample(name);
        const std::string quelle = std::string(name) + ".fuz";
        const std::string de = exchange::Export(f, p, quelle);
        std::string en;
        {
            const English english;
            en = exchange::Export(f, p, quelle);
        }
        EXPECT_EQ(FirstLine(en), std::string(Marker(f)) + " Fuzzy project “" + quelle + "” as " +
                                     (f == Format::Fcl   ? "FCL (IEC 61131-7)"
                                      : f == Format::Fll ? "FLL"
                                                         : "FIS") +
                                     ", written by fuzzysim.")
            << name;
        // Only the prose differs; keywords, names, numbers and the lines read back do not.
        EXPECT_EQ(WithoutProse(en, f), WithoutProse(de, f)) << name;
        const ImportOutcome fromDe = TryImport(f, de), fromEn = TryImport(f, en);
        ASSERT_TRUE(fromDe.ok) << name << ": " << fromDe.Describe();
        ASSERT_TRUE(fromEn.ok) << name << ": " << fromEn.Describe();
        EXPECT_EQ(fuzzy::ProjectText(fuzzy::Project{fromEn.A, fromEn.B, fromEn.Out, fromEn.Rules}),
                  fuzzy::ProjectText(fuzzy::Project{fromDe.A, fromDe.B, fromDe.Out, fromDe.Rules}))
            << name;
        EXPECT_EQ(fromEn.notes, fromDe.notes) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, EnglishExport, ::testing::ValuesIn(kFormats),
                         [](const auto& param) { return std::string(exchange::FormatName(param.param)); });

// The English paragraphs are other lines than the German ones; a line break
// in the source's name must stay inside its comment in them too.
TEST(EnglishExportComments, KeepALineBreakOfTheSourceInside) {
    const fuzzy::Project p = LoadExample("heizung");
    for (Format f : kFormats) {
        std::string text;
        {
            const English english;
            text = exchange::Export(f, p, "a\nInputVariable: b.fuz");
        }
        const ImportOutcome r = TryImport(f, text);
        ASSERT_TRUE(r.ok) << r.Describe() << "\n" << text;
        EXPECT_EQ(fuzzy::ProjectText(fuzzy::Project{r.A, r.B, r.Out, r.Rules}), fuzzy::ProjectText(p));
    }
}

TEST(EnglishExportRefusal, AProjectWithoutInputIsRefusedInEnglish) {
    const fuzzy::Project p;
    const English english;
    try {
        (void)exchange::Export(Format::Fll, p, "leer.fuz");
        ADD_FAILURE() << "an empty project was exported";
    } catch (const exchange::ExportError& e) {
        EXPECT_EQ(std::string(e.what()), "The project has no input A with terms; it cannot be exported.");
    }
}

}  // namespace
