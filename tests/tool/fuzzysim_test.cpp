// Runs the built fuzzysim binary on example projects and checks its output
// and exit status.
#include "FuzUnits.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kExample = FUZZY_SOURCE_DIR "/examples/beispiel.fuz";
const std::string kHeizung = FUZZY_SOURCE_DIR "/examples/heizung.fuz";

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> lines;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

class FuzzysimTest : public ::testing::Test {
protected:
    Result Run(const std::vector<std::string>& args, const std::string& input = "") {
        const std::string in = dir.Write("stdin.txt", input);
        const std::string err = (dir.path() / "stderr.txt").string();
        std::string cmd = Quote(FUZZYSIM_BIN);
        for (const auto& a : args) cmd += " " + Quote(a);
        cmd += " <" + Quote(in) + " 2>" + Quote(err);
        Result r;
        FILE* p = ::popen(cmd.c_str(), "r");
        if (!p) return r;
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
        const int raw = ::pclose(p);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream e(err, std::ios::binary);
        r.err.assign(std::istreambuf_iterator<char>(e), std::istreambuf_iterator<char>());
        return r;
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
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"0.611111104", Expected(kExample, 10, 0),
                                                      Expected(kExample, 7.5f, 0)}));
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
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"50", Expected(kHeizung, -10, -2), Expected(kHeizung, 3.5f, 0.25f)}));
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
    EXPECT_TRUE(j["hints"].empty()) << j["hints"];
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
    t.lines[33] = "7";   // rule naming no output term
    t.lines[40] = "1";   // row 2: never read without input B
    t.lines[7] = "20";   // b of A's term 1 beyond c
    const Result r = Run({"check", dir.Write("p.fuz", t.Join()), "--json"});
    ASSERT_EQ(r.status, 0);
    const auto hints = nlohmann::json::parse(r.out)["hints"];
    ASSERT_EQ(hints.size(), 3u) << hints;
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
        EXPECT_NE(r.err.find("Fehler: Beim \xC3\x96" "ffnen der Datei"), std::string::npos) << r.err;
    }
}

TEST_F(FuzzysimTest, UnreadableFileExitsTwo) {
    for (const char* cmd : {"check", "eval"}) {
        const Result r = Run({cmd, (dir.path() / "fehlt.fuz").string()});
        EXPECT_EQ(r.status, 2) << cmd;
        EXPECT_NE(r.err.find("Warnung: Daten konnten nicht gelesen werden!"), std::string::npos) << r.err;
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

// The message of a wrong call must not scroll away above the whole help.
TEST_F(FuzzysimTest, WrongCallPointsToTheHelpInOneLine) {
    const Result r = Run({"loco", kExample, "--mass", "0"});
    EXPECT_EQ(r.status, 2);
    const std::vector<std::string> lines = Lines(r.err);
    ASSERT_EQ(lines.size(), 2u) << r.err;
    EXPECT_EQ(lines[0], "Fehler: Die Masse muss gr\xC3\xB6\xC3\x9F" "er als 0 sein.");
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
