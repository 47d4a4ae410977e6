// Runs the built fuzzysim binary on example projects and checks its output
// and exit status.
#include "tests/tools/fuzzysim/ShellLauf.h"
#include "fuzzy/Project.h"
#include "fuzzy/Templates.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kExample = FUZZY_SOURCE_DIR "/examples/beispiel.fuz";
const std::string kHeizung = FUZZY_SOURCE_DIR "/examples/heizung.fuz";
const std::string kLok = FUZZY_SOURCE_DIR "/examples/lok.fuz";

using shelllauf::Lines;
using shelllauf::Quote;
using shelllauf::Result;

class FuzzysimTest : public ::testing::Test {
protected:
    Result Run(const std::vector<std::string>& args, const std::string& input = "") {
        const std::string in = dir.Write("stdin.txt", input);
        const std::string err = (dir.path() / "stderr.txt").string();
        std::string cmd = Quote(FUZZYSIM_BIN);
        for (const auto& a : args) cmd += " " + Quote(a);
        cmd += " <" + Quote(in);
        return shelllauf::Capture(cmd, err);
    }

    // The crisp output of one control step, computed in this process with the
    // engine, printed as the tool prints it.
    static std::string Expected(const std::string& file, float a, float b) {
        fuzzy::TFuzzy A, B, Out;
        fuzzy::RuleTable R;
        fuzzy::LoadProject(file, A, B, Out, R);
        A.Value = a;
        B.Value = b;
        fuzzy::Infer(R, A, B, Out);
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(Out.Defuzzify()));
        return buf;
    }

    testfiles::TempDir dir;
};

TEST_F(FuzzysimTest, EvalWorkedExample) {
    const Result r = Run({"eval", kExample}, "-2.5\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0.611111104\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(FuzzysimTest, EvalOneLinePerCaseAndReportsBadLinesByNumber) {
    const Result r = Run({"eval", kExample}, "-2.5\r\n\n# Kommentar\nabc\n5 3\n10\n7,5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Lines(r.out),
              (std::vector<std::string>{"0.611111104", Expected(kExample, 10, 0), Expected(kExample, 7.5f, 0)}));
    // At 10, A is outside both terms (right foot open): the output's RangeMin.
    EXPECT_EQ(Lines(r.out)[1], "-1");
    const auto err = Lines(r.err);
    ASSERT_EQ(err.size(), 2u) << r.err;
    EXPECT_NE(err[0].find("Zeile 4"), std::string::npos) << err[0];
    EXPECT_NE(err[0].find("abc"), std::string::npos) << err[0];
    EXPECT_NE(err[1].find("Zeile 5"), std::string::npos) << err[1];
}

TEST_F(FuzzysimTest, EvalHeightsShowsActivationsAndUnusedSlots) {
    const Result r = Run({"eval", kExample, "--heights"}, "-2.5\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0.611111104 0 0.5 - - -\n");
}

TEST_F(FuzzysimTest, EvalTwoInputs) {
    const Result r = Run({"eval", kHeizung}, "0 0\n-10 -2\n3.5 0.25\n4\n");
    EXPECT_EQ(r.status, 1);
    // Both inputs in their middle terms: only "mittel" (20, 40, 60, 80) fires.
    EXPECT_EQ(Lines(r.out),
              (std::vector<std::string>{"50", Expected(kHeizung, -10, -2), Expected(kHeizung, 3.5f, 0.25f)}));
    EXPECT_NE(r.err.find("Zeile 4"), std::string::npos) << r.err;
}

TEST_F(FuzzysimTest, EvalRefusesNumberBeyondSingleRange) {
    const Result r = Run({"eval", kExample}, "1e39\n-2.5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "0.611111104\n");
    EXPECT_NE(r.err.find("Zeile 1"), std::string::npos);
}

TEST_F(FuzzysimTest, CheckSummary) {
    const Result r = Run({"check", kExample});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* part : {"\"Fehler\"", "NE", "PO", "\"Stellwert\"", "LI", "RE", "Eingang B: nicht definiert"}) {
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
    }
    // Row 1 of the grid: negativ -> rechts, positiv -> links.
    EXPECT_NE(r.out.find("  -    RE   LI   .    .    ."), std::string::npos) << r.out;
}

TEST_F(FuzzysimTest, CheckJson) {
    const Result r = Run({"check", kHeizung, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["variables"].size(), 3u);
    const auto& b = j["variables"][1];
    EXPECT_EQ(b["name"], "\xC3\x84nderung");
    EXPECT_EQ(b["defined"], true);
    EXPECT_EQ(b["termCount"], 3);
    EXPECT_EQ(b["rangeMin"], -2.0);
    EXPECT_EQ(b["terms"][2]["name"], "steigend");
    EXPECT_EQ(b["terms"][2]["abbrev"], "ST");
    EXPECT_EQ(b["terms"][0]["c"], -1.0);
    EXPECT_EQ(j["rules"].size(), 5u);
    EXPECT_EQ(j["rules"][1], nlohmann::json({3, 2, 1, 0, 0}));
    // Its outer terms end at the range ends: there, and only there, no rule fires.
    const nlohmann::json regions = j["noRuleRegions"];
    ASSERT_EQ(regions.size(), 2u) << regions;
    EXPECT_EQ(regions[0]["A"],
              nlohmann::json({{"low", -10.0}, {"lowIncluded", true}, {"high", 10.0}, {"highIncluded", true}}));
    EXPECT_EQ(regions[0]["B"],
              nlohmann::json({{"low", 2.0}, {"lowIncluded", true}, {"high", 2.0}, {"highIncluded", true}}));
    EXPECT_EQ(regions[0]["cells"], nlohmann::json::array());
    EXPECT_EQ(regions[1]["A"]["low"], 10.0);
    EXPECT_EQ(regions[1]["B"]["low"], -2.0);
    EXPECT_EQ(regions[1]["B"]["high"], 2.0);
    ASSERT_EQ(j["hints"].size(), 2u) << j["hints"];
    EXPECT_EQ(j["hints"][0],
              "Bei \xC3\x84nderung = 2 feuert keine Regel, denn dort ist kein Term von \xC3\x84nderung "
              "gr\xC3\xB6\xC3\x9F"
              "er als 0: Heizleistung f\xC3\xA4llt auf 0 (Bereichsanfang).");
    EXPECT_EQ(j["hintDetails"][0]["kind"], "noRuleFires");
    EXPECT_EQ(j["hintDetails"][0]["page"], "B");
    EXPECT_EQ(j["hintDetails"][0]["terms"], nlohmann::json({3}));
}

// A project without holes has an empty list, not a missing field.
TEST_F(FuzzysimTest, CheckJsonWithoutHolesHasAnEmptyRegionList) {
    testfiles::ProjectText t = testfiles::WorkedExample();
    t.lines[6] = "-20";  // negativ: a
    t.lines[7] = "-20";  // negativ: b
    t.lines[9] = "5";    // negativ: d
    t.lines[11] = "-5";  // positiv: a
    t.lines[13] = "20";  // positiv: c
    t.lines[14] = "20";  // positiv: d
    const Result r = Run({"check", dir.Write("voll.fuz", t.Join()), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    ASSERT_TRUE(j.contains("noRuleRegions"));
    EXPECT_EQ(j["noRuleRegions"], nlohmann::json::array());
    EXPECT_TRUE(j["hints"].empty()) << j["hints"];
    const Result text = Run({"check", dir.Write("voll.fuz", t.Join())});
    EXPECT_NE(text.out.find("Keine Regel feuert: nirgends"), std::string::npos) << text.out;
}

TEST_F(FuzzysimTest, CheckTextListsTheRegionsWithTheirEnds) {
    const Result r = Run({"check", kExample});
    EXPECT_NE(r.out.find("Keine Regel feuert (der Ausgang f\xC3\xA4llt dort auf -1):\n"
                         "  A in [-4.440892e-16, 3e-45]\n"
                         "  A = 10\n"),
              std::string::npos)
        << r.out;
}

// `new` writes the Werkstatt's templates through the project writer, to a
// file or to standard output, and never over an existing file.
TEST_F(FuzzysimTest, NewWritesEachTemplateAsTheWriterDoes) {
    for (const char* name : {"leer", "truck", "lok"}) {
        SCOPED_TRACE(name);
        const auto t = fuzzy::TemplateNamed(name);
        const std::string expected = fuzzy::ProjectText(*t);
        const std::string file = (dir.path() / (std::string(name) + ".fuz")).string();
        const Result r = Run({"new", name, "-o", file});
        ASSERT_EQ(r.status, 0) << r.err;
        std::ifstream in(file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);
        EXPECT_EQ(Run({"new", name}).out, expected);
        // The file reads back with no format error and every input covered.
        const Result check = Run({"check", file, "--json"});
        EXPECT_EQ(check.status, 0) << check.err;
        const auto regions = nlohmann::json::parse(check.out)["noRuleRegions"];
        ASSERT_EQ(regions.size(), 1u) << "without rules, all of it";
    }
}

TEST_F(FuzzysimTest, NewLeavesAnExistingFileAlone) {
    const std::string file = dir.Write("alt.fuz", "mein Projekt");
    const Result r = Run({"new", "lok", "-o", file});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("gibt es schon"), std::string::npos) << r.err;
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mein Projekt");
    const Result unknown = Run({"new", "bus"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("Unbekannte Vorlage"), std::string::npos) << unknown.err;
}

TEST_F(FuzzysimTest, CheckJsonOfUndefinedInputAndShortestNumbers) {
    const Result r = Run({"check", kExample, "--json"});
    ASSERT_EQ(r.status, 0);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["variables"][1]["defined"], false);
    EXPECT_TRUE(j["variables"][1]["terms"].empty());
    EXPECT_EQ(j["variables"][2]["terms"][0]["c"], -0.5);
    EXPECT_EQ(j["rules"][0], nlohmann::json({2, 1, 0, 0, 0}));
}

TEST_F(FuzzysimTest, CheckHintsOnSuspiciousContents) {
    testfiles::ProjectText t = testfiles::WorkedExample();
    t.lines[33] = "7";  // rule naming no output term
    t.lines[40] = "1";  // row 2: never read without input B
    t.lines[7] = "20";  // b of A's term 1 beyond c
    const Result r = Run({"check", dir.Write("p.fuz", t.Join()), "--json"});
    ASSERT_EQ(r.status, 0);
    const auto doc = nlohmann::json::parse(r.out);
    const auto hints = doc["hints"];
    std::vector<std::string> kinds;
    for (const auto& d : doc["hintDetails"]) kinds.push_back(d["kind"]);
    EXPECT_EQ(kinds, (std::vector<std::string>{"cornersOutOfOrder", "ruleNamesNoTerm", "ruleNeverRead",
                                               "outputTermUnused", "noRuleFires", "noRuleFires"}))
        << hints;
    EXPECT_NE(hints.dump().find("keinen Term 7"), std::string::npos) << hints;
    EXPECT_NE(hints.dump().find("nie ausgewertet"), std::string::npos) << hints;
    EXPECT_NE(hints.dump().find("Ecken"), std::string::npos) << hints;
}

TEST_F(FuzzysimTest, FormatErrorExitsOne) {
    testfiles::ProjectText t = testfiles::WorkedExample();
    t.lines[1] = "2 ";
    const std::string file = dir.Write("kaputt.fuz", t.Join());
    for (const char* cmd : {"check", "eval"}) {
        const Result r = Run({cmd, file}, "1\n");
        EXPECT_EQ(r.status, 1) << cmd;
        EXPECT_NE(r.err.find("Fehler: Beim \xC3\x96"
                             "ffnen der Datei"),
                  std::string::npos)
            << r.err;
    }
}

TEST_F(FuzzysimTest, UnreadableFileExitsTwo) {
    for (const char* cmd : {"check", "eval"}) {
        const Result r = Run({cmd, (dir.path() / "fehlt.fuz").string()});
        EXPECT_EQ(r.status, 2) << cmd;
        // Why, not the I/O error's number.
        EXPECT_NE(r.err.find("fehlt.fuz\xE2\x80\x9C gibt es nicht."), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("103"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

class Usage : public FuzzysimTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(Usage, WrongCallExitsTwoWithItsErrorOnStderr) {
    const Result r = Run(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("Fehler: ", 0), 0u) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, Usage,
                         ::testing::Values(UsageCase{"NoArguments", {}}, UsageCase{"UnknownCommand", {"fahren"}},
                                           UsageCase{"MissingFile", {"check"}},
                                           UsageCase{"TwoFiles", {"check", kExample, kExample}},
                                           UsageCase{"UnknownOption", {"eval", kExample, "--json"}},
                                           UsageCase{"BadOptionValue", {"loco", kExample, "--mass", "0"}}),
                         [](const ::testing::TestParamInfo<UsageCase>& row) { return std::string(row.param.name); });

// The figures the manual page (FILES) quotes for the shipped locomotive controller, as the
// tool reports them: at rest within 0.5 cm and 0.5 cm/s by the given time and
// never more than 0.5 cm past the mark, from 100 cm with friction 3.
struct LokCase {
    const char* mass;
    const char* dt;
    double restBy;  // s
};

// The number right after `label` (and blanks) on the line that starts with
// it; -1 when there is no such line or no number follows ("nie").
double NumberAfter(const std::string& out, const std::string& label) {
    for (const std::string& line : Lines(out)) {
        if (line.rfind(label, 0) != 0) continue;
        const std::size_t at = line.find_first_not_of(' ', label.size());
        if (at == std::string::npos || line[at] < '0' || line[at] > '9') return -1.0;
        return std::stod(line.substr(at));
    }
    return -1.0;
}

TEST_F(FuzzysimTest, LocoReportsTheShippedControllerAtRestInTimeWithoutPassingTheMark) {
    const LokCase cases[] = {{"1", "0.055", 4.5}, {"1", "0.1", 4.5},   {"2", "0.055", 3.5},
                             {"2", "0.1", 3.5},   {"4", "0.055", 4.5}, {"4", "0.1", 4.5}};
    for (const LokCase& c : cases) {
        SCOPED_TRACE(std::string(c.mass) + " kg, dt " + c.dt);
        const Result r = Run({"loco", kLok, "--mass", c.mass, "--friction", "3", "--distance", "100", "--dt", c.dt});
        ASSERT_EQ(r.status, 0) << r.err;
        const double rest = NumberAfter(r.out, "genau ab:        t =");
        EXPECT_GE(rest, 0.0) << r.out;
        EXPECT_LE(rest, c.restBy) << r.out;
        const double past = NumberAfter(r.out,
                                        "\xC3\x9C"
                                        "berschwingen:");
        EXPECT_GE(past, 0.0) << r.out;
        EXPECT_LE(past, 0.5) << r.out;
    }
}

// The message of a wrong call must not scroll away above the whole help.
TEST_F(FuzzysimTest, WrongCallPointsToTheHelpInOneLine) {
    const Result r = Run({"loco", kExample, "--mass", "0"});
    EXPECT_EQ(r.status, 2);
    const std::vector<std::string> lines = Lines(r.err);
    ASSERT_EQ(lines.size(), 2u) << r.err;
    EXPECT_EQ(lines[0],
              "Fehler: Die Masse muss gr\xC3\xB6\xC3\x9F"
              "er als 0 sein.");
    EXPECT_NE(lines[1].find("fuzzysim --help"), std::string::npos) << r.err;
}

TEST_F(FuzzysimTest, NoCommandShowsTheWholeHelp) {
    const Result r = Run({});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Aufruf: fuzzysim BEFEHL"), std::string::npos) << r.err;
}

TEST_F(FuzzysimTest, StartDistanceThatIsZeroInMetresIsRefused) {
    const Result r = Run({"loco", FUZZY_SOURCE_DIR "/examples/lok.fuz", "--distance", "1e-45"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Der Abstand darf nicht 0 sein."), std::string::npos) << r.err;
}

// On a terminal, eval tells what it waits for; in a pipe it stays silent.
TEST_F(FuzzysimTest, EvalOnATerminalShowsWhatToType) {
    int master = -1;
    const pid_t pid = ::forkpty(&master, nullptr, nullptr, nullptr);
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::execl(FUZZYSIM_BIN, FUZZYSIM_BIN, "eval", kExample.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const std::string typed = "-2.5\n\x04";
    ASSERT_EQ(::write(master, typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));
    std::string seen;
    char buf[512];
    for (ssize_t n; (n = ::read(master, buf, sizeof buf)) > 0;) seen.append(buf, static_cast<std::size_t>(n));
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    ::close(master);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << seen;
    EXPECT_NE(seen.find("Eingaben: A [B] je Zeile, Ende mit Strg+D"), std::string::npos) << seen;
    EXPECT_NE(seen.find("0.611111104"), std::string::npos) << seen;

    const Result piped = Run({"eval", kExample}, "-2.5\n");
    EXPECT_EQ(piped.err, "");
}

TEST_F(FuzzysimTest, HelpListsSubcommands) {
    const Result r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("check DATEI"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("eval DATEI"), std::string::npos) << r.out;
}

}  // namespace

namespace {

std::string Datei(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::string WriterText(const std::string& file) { return fuzzy::ProjectText(fuzzy::LoadProject(file)); }

class Format : public FuzzysimTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(Format, WritesTheWritersBytesToStdoutAndToOutput) {
    const std::string file = std::string(FUZZY_SOURCE_DIR "/examples/") + GetParam();
    const Result r = Run({"format", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, WriterText(file));
    const std::string ziel = (dir.path() / "neu.fuz").string();
    for (const char* option : {"-o", "--output"}) {
        const Result w = Run({"format", file, option, ziel});
        EXPECT_EQ(w.status, 0) << w.err;
        EXPECT_EQ(w.out, "");
        EXPECT_EQ(Datei(ziel), r.out);
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, Format, ::testing::Values("beispiel.fuz", "heizung.fuz", "truck.fuz", "lok.fuz"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                             std::string s = i.param;
                             return s.substr(0, s.find('.'));
                         });

TEST_F(FuzzysimTest, FormatOfABrokenFileWritesNothing) {
    testfiles::ProjectText t = testfiles::WorkedExample();
    t.lines[1] = "2 ";
    const std::string file = dir.Write("kaputt.fuz", t.Join());
    const std::string ziel = dir.Write("alt.fuz", "alt");
    const Result r = Run({"format", file, "-o", ziel});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Datei(ziel), "alt");
    EXPECT_EQ(Run({"format", file}).out, "");
    EXPECT_EQ(Run({"format", (dir.path() / "fehlt.fuz").string()}).status, 2);
}

}  // namespace

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct BrokenCase {
    const char* name;
    int line;           // 0-based index of the worked example's line to replace
    const char* text;   // its new text; nullptr cuts the file there
    const char* where;  // "Zeile N: erwartet wird ..."
};

class CheckPosition : public FuzzysimTest, public ::testing::WithParamInterface<BrokenCase> {};

// The worked example: A on lines 1-16, B undefined on 17, the output on 18-33,
// the rules on 34-58.
TEST_P(CheckPosition, NamesTheLineAndWhatWasExpected) {
    const BrokenCase& c = GetParam();
    testfiles::ProjectText t = testfiles::WorkedExample();
    if (c.text) {
        t.lines[static_cast<std::size_t>(c.line)] = c.text;
    } else {
        t.lines.resize(static_cast<std::size_t>(c.line));
    }
    const std::string file = dir.Write("kaputt.fuz", t.Join());
    const Result r = Run({"check", file});
    EXPECT_EQ(r.status, 1);
    // The engine's own message stays, the position follows it.
    EXPECT_NE(r.err.find("Fehler: Beim \xC3\x96"
                         "ffnen der Datei"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(file + ": " + c.where), std::string::npos) << r.err;
    const Result j = Run({"check", file, "--json"});
    const auto doc = nlohmann::json::parse(j.out);
    EXPECT_EQ(doc["formatError"]["line"], std::stoi(std::string(c.where).substr(6))) << j.out;
}

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, CheckPosition,
    ::testing::Values(
        BrokenCase{"TermCountWithTrailingBlank", 1, "2 ",
                   "Zeile 2: erwartet wird die Zahl der Terme von Eingang A (eine ganze Zahl), gefunden: \xE2\x80\x9E"
                   "2 \xE2\x80\x9C."},
        BrokenCase{"EmptyTermName", 5, "",
                   "Zeile 6: erwartet wird der Name von Term 2 von Eingang A, gefunden: eine leere Zeile."},
        BrokenCase{"RealBeyondSingle", 10, "1e39",
                   "Zeile 11: erwartet wird der Wert h von Term 1 von Eingang A im Zahlenbereich"},
        BrokenCase{"SixOutputTerms", 18, "6",
                   "Zeile 19: erwartet wird h\xC3\xB6"
                   "chstens 5 Terme f\xC3\xBCr Ausgang"},
        BrokenCase{"RuleTableCutShort", 40, nullptr,
                   "Zeile 41: erwartet wird die Regel in Zeile 2, Spalte 3 der Regeltabelle (eine ganze Zahl), "
                   "gefunden: das Dateiende."}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(FuzzysimTest, CheckListsRealLinesThatReadAsZero) {
    testfiles::ProjectText t = testfiles::WorkedExample();
    t.lines[8] = "-5,5";
    const Result r = Run({"check", dir.Write("komma.fuz", t.Join())});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(
                  "Zeile 9: \xE2\x80\x9E-5,5\xE2\x80\x9C ist keine Zahl und wird als 0 gelesen (der Wert c von Term 1"),
              std::string::npos)
        << r.out;
}

// Every other command warns of the line on standard error: format would
// otherwise write the 0 into the file in silence.
TEST_F(FuzzysimTest, OtherCommandsWarnOfRealLinesThatReadAsZero) {
    testfiles::ProjectText t = testfiles::WorkedExample();
    t.lines[8] = "nan";
    const std::string file = dir.Write("nan.fuz", t.Join());
    const std::vector<std::vector<std::string>> calls{
        {"format", file}, {"eval", file}, {"export", file, "--to", "fll"}, {"check", file, "--json"}};
    for (const auto& call : calls) {
        const Result r = Run(call, "1\n");
        EXPECT_EQ(r.status, 0) << call[0] << r.err;
        const bool warned = r.err.find("Warnung: " + file + ": Zeile 9: ") != std::string::npos;
        EXPECT_EQ(warned, call[0] != "check") << call[0] << ": " << r.err;
    }
}

// Export then import through the command line gives back the very bytes of
// the example projects (their numbers are already in shortest form).
TEST_F(FuzzysimTest, ExportThenImportGivesBackTheFile) {
    for (const char* ex : {"truck", "heizung", "beispiel"}) {
        const std::string project = std::string(FUZZY_SOURCE_DIR) + "/examples/" + ex + ".fuz";
        for (const char* fmt : {"fll", "fis", "fcl"}) {
            const std::string exported = (dir.path() / (std::string("p.") + fmt)).string();
            const std::string back = (dir.path() / "p.fuz").string();
            ASSERT_EQ(Run({"export", project, "--to", fmt, "-o", exported}).status, 0) << ex << fmt;
            const Result r = Run({"import", exported, "-o", back});
            ASSERT_EQ(r.status, 0) << ex << fmt << r.err;
            EXPECT_EQ(ReadAll(back), ReadAll(project)) << ex << " via " << fmt;
        }
    }
}

TEST_F(FuzzysimTest, ExportTakesTheFormatFromTheOutputOrStdout) {
    const Result toFile = Run({"export", kHeizung, "-o", (dir.path() / "h.fcl").string()});
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_NE(ReadAll((dir.path() / "h.fcl").string()).find("FUNCTION_BLOCK heizung"), std::string::npos);
    const Result toStdout = Run({"export", kHeizung, "--to", "fis"});
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_NE(toStdout.out.find("[System]"), std::string::npos);
    EXPECT_EQ(Run({"export", kHeizung}).status, 2);
    EXPECT_EQ(Run({"export", kHeizung, "--to", "xml"}).status, 2);
}

TEST_F(FuzzysimTest, FailedImportWritesNothing) {
    const std::string fll = dir.Write("drei.fll",
                                      "Engine: t\nInputVariable: a\nInputVariable: b\nInputVariable: c\n"
                                      "OutputVariable: y\n");
    const std::string fresh = (dir.path() / "neu.fuz").string();
    Result r = Run({"import", fll, "-o", fresh});
    EXPECT_EQ(r.status, 1);
    // The first thing in the file that does not fit: input a has no terms.
    EXPECT_NE(r.err.find("drei.fll: Zeile 2: Die Variable \xE2\x80\x9E"
                         "a\xE2\x80\x9C hat keine Terme"),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_EQ(r.out, "");

    const std::string old = dir.Write("alt.fuz", "bleibt");
    r = Run({"import", fll, "-o", old});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(ReadAll(old), "bleibt");
    EXPECT_EQ(Run({"import", dir.Write("x.txt", "")}).status, 2);
}

}  // namespace
