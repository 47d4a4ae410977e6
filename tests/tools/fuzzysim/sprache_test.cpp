// fuzzysim in English and German: how the language is chosen (the locale
// variables, --lang before or after the command), that English comes out in
// messages, help and text output, and that what scripts read does not change
// with the language.
#include "tests/tools/fuzzysim/ShellLauf.h"
#include "commands/Args.h"
#include "commands/LocoSim.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kExample = FUZZY_SOURCE_DIR "/examples/beispiel.fuz";
const std::string kHeizung = FUZZY_SOURCE_DIR "/examples/heizung.fuz";
const std::string kTruck = FUZZY_SOURCE_DIR "/examples/truck.fuz";
const std::string kLok = FUZZY_SOURCE_DIR "/examples/lok.fuz";

// English without an installed English locale: this is what the test
// machines have, and the choice must not depend on setlocale.
const std::vector<std::string> kEnglish = {"LANG=en_US.UTF-8"};
const std::vector<std::string> kGerman = {"LANG=C"};

using shelllauf::Lines;
using shelllauf::Quote;
using shelllauf::Result;

// fuzzysim with exactly the given language variables (the test's own are
// removed first) in the folder dir.
Result RunIn(const testfiles::TempDir& dir, const std::vector<std::string>& env, const std::vector<std::string>& args,
             const std::string& input = "") {
    const std::string in = dir.Write("stdin.txt", input);
    const std::string err = (dir.path() / "stderr.txt").string();
    std::string cmd = "cd " + Quote(dir.path().string()) + " && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG";
    for (const auto& e : env) cmd += " " + Quote(e);
    cmd += " " + Quote(FUZZYSIM_BIN);
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " <" + Quote(in);
    return shelllauf::Capture(cmd, err);
}

// The other tests of the tool expect today's German from the binary, also
// when they are started by hand from an English desktop rather than by ctest.
class GermanForTheChildren : public ::testing::Environment {
public:
    void SetUp() override {
        for (const char* name : {"LANGUAGE", "LC_MESSAGES", "LANG"}) ::unsetenv(name);
        ::setenv("LC_ALL", "C.UTF-8", 1);
    }
};

[[maybe_unused]] ::testing::Environment* const kGermanForTheChildren =
    ::testing::AddGlobalTestEnvironment(new GermanForTheChildren);

// --- Which language: the variables as gettext reads them, then --lang -----

struct Choice {
    const char* name;
    std::vector<std::string> env;
    std::vector<std::string> args;  // before and after "check" (without a file)
    bool english;
};

std::vector<Choice> Choices() {
    return {
        {"CLocaleIsGerman", {"LC_ALL=C.UTF-8"}, {"check"}, false},
        {"LangCIsGerman", {"LANG=C"}, {"check"}, false},
        {"PosixIgnoresTheLanguageList", {"LANG=POSIX", "LANGUAGE=en"}, {"check"}, false},
        {"GermanLocale", {"LANG=de_DE.UTF-8"}, {"check"}, false},
        {"EnglishLocaleThatIsNotInstalled", {"LANG=en_US.UTF-8"}, {"check"}, true},
        {"OtherLanguageIsGerman", {"LANG=fr_FR.UTF-8"}, {"check"}, false},
        {"LanguageListBeforeTheLocale", {"LANG=de_DE.UTF-8", "LANGUAGE=fr:en:de"}, {"check"}, true},
        {"LcAllBeforeLang", {"LC_ALL=de_AT.UTF-8", "LANG=en_GB.UTF-8"}, {"check"}, false},
        {"LcMessagesBeforeLang", {"LC_MESSAGES=en_GB.UTF-8", "LANG=de_DE.UTF-8"}, {"check"}, true},
        {"OptionBeforeTheCommand", {"LC_ALL=C.UTF-8"}, {"--lang", "en", "check"}, true},
        {"OptionAfterTheCommand", {"LC_ALL=C.UTF-8"}, {"check", "--lang=en"}, true},
        {"OptionOverEnglishLocale", {"LANG=en_US.UTF-8"}, {"--lang", "de", "check"}, false},
        {"LastOptionCounts", {"LANG=C"}, {"--lang", "en", "check", "--lang", "de"}, false},
    };
}

class LanguageChoice : public ::testing::TestWithParam<Choice> {};

TEST_P(LanguageChoice, DecidesTheLanguageOfTheMessages) {
    const testfiles::TempDir dir;
    const Result r = RunIn(dir, GetParam().env, GetParam().args);
    EXPECT_EQ(r.status, 2);
    ASSERT_FALSE(Lines(r.err).empty());
    EXPECT_EQ(Lines(r.err)[0], GetParam().english ? "Error: Missing: the project file (FILE)"
                                                  : "Fehler: Es fehlt: die Projektdatei (DATEI)");
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, LanguageChoice, ::testing::ValuesIn(Choices()),
                         [](const auto& param) { return std::string(param.param.name); });

// --- Option errors in English ----------------------------------------------

struct WrongCall {
    const char* name;
    std::vector<std::string> args;
    const char* message;  // the first line on standard error
};

std::vector<WrongCall> WrongCalls() {
    return {
        {"UnknownCommand", {"frobnicate"}, "Error: Unknown command: frobnicate"},
        {"LangWithoutValue", {"check", "--lang"}, "Error: --lang expects de or en."},
        {"LangOfNoLanguage", {"--lang", "fr", "check"}, "Error: --lang expects de or en, found: fr"},
        {"UnknownOption", {"check", kExample, "--bogus"}, "Error: Unknown option: --bogus"},
        {"OptionWithoutValue", {"truck", kExample, "--speed"}, "Error: The option --speed needs a value."},
        {"ValueNoNumber", {"truck", kExample, "--speed", "abc"}, "Error: The value of --speed is not a number: abc"},
        {"SpeedOutOfRange",
         {"truck", kExample, "--speed", "500"},
         "Error: --speed expects a speed in m/s from -100 to 100, not 0, e.g. --speed -10"},
        {"StartAndGrid",
         {"truck", kExample, "--start", "1,2", "--grid"},
         "Error: --start and --grid exclude each other."},
        {"LocoTimeOutOfRange",
         {"loco", kLok, "--time", "5000"},
         "Error: --time expects a duration in s from 0.001 to 3600, found: 5000."},
        {"LocoZeroDistanceRange",
         {"loco", kLok, "--distance", "20000"},
         "Error: --distance expects a distance in cm from -10000 to 10000, not 0, found: 20000."},
        {"FileMissing", {"eval"}, "Error: Missing: the project file (FILE)"},
        {"TooManyArguments", {"eval", kExample, "x"}, "Error: Too many arguments: x"},
        {"TuneWithoutVehicle", {"tune", kExample, "-o", "x.fuz"}, "Error: Missing: --vehicle truck or --vehicle loco"},
        {"TuneRoundsNotWhole",
         {"tune", kExample, "--vehicle", "truck", "--rounds", "1.5", "-o", "x.fuz"},
         "Error: --rounds expects a whole number from 1 to 1000000."},
        {"UnknownTemplate", {"new", "gross"}, "Error: Unknown template: gross (there are empty, truck and loco)."},
        {"UnknownFormat", {"export", kExample, "--to", "xyz"}, "Error: Unknown format: xyz (fll, fis, fcl or c)"},
        {"ImportWithoutExtension",
         {"import", "regler.txt"},
         "Error: The format follows from the file name extension: .fll, .fis or .fcl (regler.txt)."},
    };
}

class EnglishWrongCall : public ::testing::TestWithParam<WrongCall> {};

TEST_P(EnglishWrongCall, NamesTheFaultAndWhereToLook) {
    const testfiles::TempDir dir;
    const Result r = RunIn(dir, kEnglish, GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    const auto lines = Lines(r.err);
    ASSERT_EQ(lines.size(), 2u) << r.err;
    EXPECT_EQ(lines[0], GetParam().message);
    EXPECT_EQ(lines[1], "All commands and options: fuzzysim --help");
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, EnglishWrongCall, ::testing::ValuesIn(WrongCalls()),
                         [](const auto& param) { return std::string(param.param.name); });

// --- Help ------------------------------------------------------------------

// No line of the English help is a German one: a summary or synopsis left
// out of the catalogue would stand there in German.
TEST(FuzzysimHelp, NoLineOfTheEnglishHelpIsGerman) {
    const testfiles::TempDir dir;
    const Result de = RunIn(dir, kGerman, {"--help"});
    const Result en = RunIn(dir, kEnglish, {"--help"});
    ASSERT_EQ(de.status, 0);
    ASSERT_EQ(en.status, 0);
    std::set<std::string> german;
    for (const auto& l : Lines(de.out))
        if (!l.empty()) german.insert(l);
    for (const auto& l : Lines(en.out)) EXPECT_EQ(german.count(l), 0u) << l;
    EXPECT_NE(en.out.find("Usage: fuzzysim COMMAND [ARGUMENTS]"), std::string::npos) << en.out;
    EXPECT_NE(en.out.find("--lang de|en"), std::string::npos) << en.out;
    EXPECT_NE(de.out.find("--lang de|en"), std::string::npos) << de.out;
}

class SubcommandHelp : public ::testing::TestWithParam<const char*> {};

TEST_P(SubcommandHelp, IsEnglishAfterTheCommandNameToo) {
    const testfiles::TempDir dir;
    const std::string command = GetParam();
    const Result de = RunIn(dir, kGerman, {command, "--help"});
    const Result en = RunIn(dir, {"LC_ALL=C.UTF-8"}, {command, "--help", "--lang", "en"});
    ASSERT_EQ(en.status, 0) << en.err;
    const auto deLines = Lines(de.out), enLines = Lines(en.out);
    ASSERT_EQ(enLines.size(), 2u) << en.out;
    ASSERT_EQ(deLines.size(), 2u) << de.out;
    EXPECT_EQ(enLines[0].rfind("Usage: fuzzysim " + command + " ", 0), 0u) << enLines[0];
    EXPECT_EQ(deLines[0].rfind("Aufruf: fuzzysim " + command + " ", 0), 0u) << deLines[0];
    EXPECT_NE(enLines[1], deLines[1]);
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, SubcommandHelp,
                         ::testing::Values("check", "eval", "export", "format", "import", "loco", "new", "truck",
                                           "tune"));

// The English help states the ranges the loco options are checked against.
TEST(FuzzysimHelp, EnglishLocoHelpStatesEveryRange) {
    const testfiles::TempDir dir;
    const Result r = RunIn(dir, kEnglish, {"loco", "--help"});
    ASSERT_EQ(r.status, 0);
    for (const lab::LocoRange& range : lab::LocoRanges()) {
        const std::size_t at = r.out.find(std::string(range.Option) + " ");
        ASSERT_NE(at, std::string::npos) << range.Option << "\n" << r.out;
        const std::string expected = fuzzysim::Short(range.Lo) + " to " + fuzzysim::Short(range.Hi);
        EXPECT_NE(r.out.find(expected, at), std::string::npos) << range.Option << "\n" << r.out;
    }
}

// --- Output ----------------------------------------------------------------

struct Text {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    bool onStderr;
    std::string expected;  // a part of the output
};

std::vector<Text> Texts() {
    return {
        {"CheckUndefinedInput", {"check", kExample}, "", false, "Input B: not defined\n"},
        {"CheckRange", {"check", kExample}, "", false, "  Range: "},
        {"CheckRuleGrid",
         {"check", kExample},
         "",
         false,
         "Rules (row = term of input B, column = term of input A; without input B only row 1 applies):\n"},
        {"CheckNoRuleRegions",
         {"check", kExample},
         "",
         false,
         "\nWhere no rule fires (the output falls to -1 there):\n"},
        {"EvalNoNumber", {"eval", kExample}, "abc\n", true, "Error: Line 1: \"abc\" is not a number.\n"},
        {"EvalOneNumberForTwoInputs",
         {"eval", kHeizung},
         "1\n",
         true,
         "Error: Line 1: two numbers expected (A B), found: 1.\n"},
        {"TruckSummary", {"truck", kTruck}, "", false, "\nSummary at v = -1 m/s:\n"},
        {"TruckVerdict", {"truck", kTruck}, "", false, "  good\n"},
        {"LocoFigures", {"loco", kLok}, "", false, "Locomotive:      mass 2 kg, friction 3 N*s/m, distance 100 cm\n"},
        {"LocoSvgTitle", {"loco", kLok, "--svg", "bild.svg", "--csv"}, "", true, "Target band:     reached"},
    };
}

class EnglishText : public ::testing::TestWithParam<Text> {};

TEST_P(EnglishText, ComesOut) {
    const testfiles::TempDir dir;
    const Result r = RunIn(dir, kEnglish, GetParam().args, GetParam().input);
    const std::string& text = GetParam().onStderr ? r.err : r.out;
    EXPECT_NE(text.find(GetParam().expected), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, EnglishText, ::testing::ValuesIn(Texts()),
                         [](const auto& param) { return std::string(param.param.name); });

// The columns of the truck's table and the loco's figures stand where the
// numbers below them stand, in both languages.
TEST(FuzzysimLayout, TruckTableHeadsStandOverTheirColumns) {
    for (const auto& env : {kGerman, kEnglish}) {
        const testfiles::TempDir dir;
        const Result r = RunIn(dir, env, {"truck", kTruck, "--start", "-10,20"});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto lines = Lines(r.out);
        ASSERT_GE(lines.size(), 4u) << r.out;
        const std::string& head = lines[2];
        const std::string& row = lines[3];
        EXPECT_EQ(head.find(" |"), row.find(" |")) << head << "\n" << row;
        // The verdict starts after the last number and two blanks.
        const std::size_t verdict = row.find_first_not_of(' ', row.rfind(' ', row.find_last_not_of(' ')));
        const std::size_t lastNumber = row.find_last_of("0123456789");
        ASSERT_NE(lastNumber, std::string::npos) << row;
        EXPECT_EQ(head.find_last_of(' ') + 1, lastNumber + 3) << head << "\n" << row;
        EXPECT_GE(verdict, lastNumber + 3);
    }
}

TEST(FuzzysimLayout, LocoFiguresStartInOneColumn) {
    for (const auto& env : {kGerman, kEnglish}) {
        const testfiles::TempDir dir;
        const Result r = RunIn(dir, env, {"loco", kLok});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto lines = Lines(r.out);
        ASSERT_GE(lines.size(), 10u) << r.out;
        for (const auto& line : lines) {
            // One character per column: "Ü" is two bytes.
            std::string l;
            for (const char c : line)
                if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) l += (c & 0x80) != 0 ? '?' : c;
            // "label:" then blanks up to column 17; the label may hold a blank.
            ASSERT_GT(l.size(), 17u) << l;
            EXPECT_EQ(l[16], ' ') << l;
            EXPECT_NE(l[17], ' ') << l;
            EXPECT_EQ(l[l.find_last_not_of(' ', 16)], ':') << l;
        }
    }
}

// What scripts read is the same in both languages: numbers, CSV, the
// project text and the exit status.
struct Machine {
    const char* name;
    std::vector<std::string> args;
    std::string input;
};

std::vector<Machine> MachineOutputs() {
    return {
        {"Eval", {"eval", kHeizung}, "0 0\n-10 20\n25.5 -3\nabc\n"},
        {"EvalHeights", {"eval", kExample, "--heights"}, "-2.5\n1e39\n"},
        {"TruckCsv", {"truck", kTruck, "--start", "5,-30", "--csv"}, ""},
        {"LocoCsv", {"loco", kLok, "--time", "5", "--csv"}, ""},
        {"Format", {"format", kHeizung}, ""},
        {"FormatOfAMissingFile", {"format", "fehlt.fuz"}, ""},
    };
}

class SameInBothLanguages : public ::testing::TestWithParam<Machine> {};

TEST_P(SameInBothLanguages, StandardOutputAndStatus) {
    const testfiles::TempDir dir;
    const Result de = RunIn(dir, kGerman, GetParam().args, GetParam().input);
    const Result en = RunIn(dir, kEnglish, GetParam().args, GetParam().input);
    EXPECT_EQ(de.status, en.status);
    EXPECT_EQ(de.out, en.out);
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, SameInBothLanguages, ::testing::ValuesIn(MachineOutputs()),
                         [](const auto& param) { return std::string(param.param.name); });

// A template is a first project: its names follow the language, its numbers
// and its shape do not.
TEST(FuzzysimNew, NamesTheTemplateInTheLanguageAndKeepsItsNumbers) {
    const testfiles::TempDir dir;
    const Result de = RunIn(dir, kGerman, {"new", "truck"}, "");
    const Result en = RunIn(dir, kEnglish, {"new", "truck"}, "");
    ASSERT_EQ(de.status, 0);
    ASSERT_EQ(en.status, 0);
    EXPECT_NE(de.out.find("negativ klein"), std::string::npos);
    EXPECT_NE(en.out.find("Distance in m"), std::string::npos);
    EXPECT_NE(en.out.find("negative large"), std::string::npos);
    EXPECT_EQ(en.out.find("negativ "), std::string::npos);
    // Line for line the same but for the names: the numbers stay.
    auto zahlen = [](const std::string& text) {
        std::string out;
        for (const char c : text)
            if ((c >= '0' && c <= '9') || c == '-' || c == '.' || c == '\n') out += c;
        return out;
    };
    EXPECT_EQ(zahlen(de.out), zahlen(en.out));
}

// The sentences in the document follow the language; keys, names, numbers
// and the kinds of hints do not.
nlohmann::json WithoutSentences(nlohmann::json j, const std::string& key = "") {
    if (j.is_object()) {
        for (auto& [k, v] : j.items()) v = WithoutSentences(v, k);
    } else if (j.is_array()) {
        for (auto& v : j) v = WithoutSentences(v, key);
    } else if (j.is_string() &&
               (key == "hints" || key == "text" || key == "zeroReads" || key == "expected" || key == "found")) {
        j = "";
    }
    return j;
}

TEST(FuzzysimJson, KeysAndValuesAreTheSameInEnglish) {
    const testfiles::TempDir dir;
    for (const std::string& file : {kExample, kHeizung, kTruck}) {
        const Result de = RunIn(dir, kGerman, {"check", file, "--json"});
        const Result en = RunIn(dir, kEnglish, {"check", file, "--json"});
        ASSERT_EQ(de.status, 0) << de.err;
        ASSERT_EQ(en.status, 0) << en.err;
        EXPECT_EQ(WithoutSentences(nlohmann::json::parse(de.out)), WithoutSentences(nlohmann::json::parse(en.out)))
            << file;
    }
}

// --- The option itself, in the process -------------------------------------

struct Taken {
    const char* name;
    std::vector<std::string> args;
    std::optional<fuzzy::Language> language;
    std::vector<std::string> left;  // what the subcommand sees
};

std::vector<Taken> TakenCases() {
    using fuzzy::Language;
    return {
        {"None", {"check", "a.fuz"}, std::nullopt, {"check", "a.fuz"}},
        {"Before", {"--lang", "en", "check", "a.fuz"}, Language::English, {"check", "a.fuz"}},
        {"AfterWithEquals", {"check", "--lang=de", "a.fuz"}, Language::German, {"check", "a.fuz"}},
        {"LastCounts", {"--lang", "de", "eval", "--lang", "en"}, Language::English, {"eval"}},
        {"OtherOptionStays", {"check", "--language", "en"}, std::nullopt, {"check", "--language", "en"}},
    };
}

class TakeLanguage : public ::testing::TestWithParam<Taken> {};

TEST_P(TakeLanguage, RemovesTheOptionAndNamesTheLanguage) {
    std::vector<std::string> args = GetParam().args;
    EXPECT_EQ(fuzzysim::TakeLanguage(args), GetParam().language);
    EXPECT_EQ(args, GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, TakeLanguage, ::testing::ValuesIn(TakenCases()),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(TakeLanguageRefuses, MissingOrUnknownValue) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--lang"}, {"check", "--lang"}, {"--lang", "fr", "check"}, {"--lang="}, {"--lang=EN"}}) {
        std::vector<std::string> copy = args;
        EXPECT_THROW(fuzzysim::TakeLanguage(copy), fuzzysim::UsageError) << args.back();
    }
}

// --- English spellings: each gives exactly what its German one gives ------

const std::string kAufgaben = FUZZY_SOURCE_DIR "/examples/aufgaben/";

struct Spelling {
    const char* name;
    std::vector<std::string> english;
    std::vector<std::string> german;
};

std::vector<Spelling> Spellings() {
    const std::string ex01 = kAufgaben + "01_regelschritt.fuzaufgabe";
    const std::string ex03 = kAufgaben + "03_lok_tabelle.fuzaufgabe";
    const std::string wrong03 = kAufgaben + "03_lok_tabelle.falsch.fuz";
    const std::string answers01 = kAufgaben + "01_regelschritt.loesung.fuzantwort";
    return {
        {"ExerciseCheck", {"exercise", "check", ex03, wrong03}, {"aufgabe", "check", ex03, wrong03}},
        {"ExerciseStart", {"exercise", "start", ex01}, {"aufgabe", "start", ex01}},
        {"ExerciseVetSolution",
         {"exercise", "vet", ex03, "--solution", wrong03},
         {"aufgabe", "gegenprobe", ex03, "--loesung", wrong03}},
        {"ExerciseHandInClass",
         {"exercise", "handin", ex01, answers01, "--name", "Ada", "--class", "7b", "-o", "out.fuzabgabe"},
         {"aufgabe", "abgabe", ex01, answers01, "--name", "Ada", "--klasse", "7b", "-o", "out.fuzabgabe"}},
        {"ExerciseWithoutCommand", {"exercise"}, {"aufgabe"}},
        {"ExerciseUnknownCommand", {"exercise", "pruefen", ex01}, {"aufgabe", "pruefen", ex01}},
        {"ExerciseHelp", {"exercise", "--help"}, {"aufgabe", "--help"}},
        {"NewEmpty", {"new", "empty"}, {"new", "leer"}},
        {"NewLoco", {"new", "loco", "-o", "out.fuz"}, {"new", "lok", "-o", "out.fuz"}},
    };
}

class EnglishSpelling : public ::testing::TestWithParam<Spelling> {};

TEST_P(EnglishSpelling, GivesWhatTheGermanOneGives) {
    const Spelling& s = GetParam();
    const std::vector<std::string> env = {"LANG=en_US.UTF-8", "SOURCE_DATE_EPOCH=1741944600"};
    testfiles::TempDir enDir, deDir;
    const Result en = RunIn(enDir, env, s.english);
    const Result de = RunIn(deDir, env, s.german);
    EXPECT_EQ(en.status, de.status);
    EXPECT_EQ(en.out, de.out);
    EXPECT_EQ(en.err, de.err);
    // Something came out: text, or the file the call writes.
    EXPECT_FALSE(en.out.empty() && en.err.empty() && !std::filesystem::exists(enDir.path() / "out.fuz") &&
                 !std::filesystem::exists(enDir.path() / "out.fuzabgabe"));
    for (const char* file : {"out.fuzabgabe", "out.fuz"}) {
        std::ifstream e(enDir.path() / file, std::ios::binary), d(deDir.path() / file, std::ios::binary);
        ASSERT_EQ(bool(e), bool(d)) << file;
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(e), {}),
                  std::string(std::istreambuf_iterator<char>(d), {}))
            << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, EnglishSpelling, ::testing::ValuesIn(Spellings()),
                         [](const auto& param) { return std::string(param.param.name); });

// The English help names the English spellings, the German one the German.
struct HelpSpelling {
    const char* name;
    std::vector<std::string> env;
    std::vector<std::string> named;
};

class HelpNamesSpelling : public ::testing::TestWithParam<HelpSpelling> {};

TEST_P(HelpNamesSpelling, OfItsLanguage) {
    testfiles::TempDir dir;
    const Result r = RunIn(dir, GetParam().env, {"--help"});
    ASSERT_EQ(r.status, 0);
    for (const std::string& word : GetParam().named) EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

INSTANTIATE_TEST_SUITE_P(
    Fuzzysim, HelpNamesSpelling,
    ::testing::Values(HelpSpelling{"English", kEnglish, {"\n  exercise check ", "empty|truck|loco"}},
                      HelpSpelling{"German", kGerman, {"\n  aufgabe check ", "leer|truck|lok"}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
