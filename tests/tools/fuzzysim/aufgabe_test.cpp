// fuzzysim aufgabe: its exit status for a pass, a fail, a refusal and every
// kind of unusable input, the shape of --json, and the starting project.
#include "exercise/Reader.h"
#include "fuzzy/Project.h"
#include "tests/support/TestFiles.h"
#include "tests/tools/fuzzysim/ShellLauf.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using shelllauf::Quote;
using shelllauf::Result;

const std::string kDir = FUZZY_SOURCE_DIR "/examples/aufgaben/";

Result Fuzzysim(const std::vector<std::string>& args, const testfiles::TempDir& dir) {
    const std::string err = (dir.path() / "stderr.txt").string();
    std::string cmd = Quote(FUZZYSIM_BIN);
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " </dev/null";
    return shelllauf::Capture(cmd, err);
}

struct Call {
    const char* name;  // what the caller relies on
    std::vector<std::string> args;
    int status;
};

class AufgabeExit : public ::testing::TestWithParam<Call> {};

TEST_P(AufgabeExit, Status) {
    testfiles::TempDir dir;
    std::vector<std::string> args;
    for (std::string a : GetParam().args) {
        if (a.rfind("@", 0) == 0) a = kDir + a.substr(1);
        if (a.rfind("%", 0) == 0)
            a = dir.Write(a.substr(1), "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = alles\n");
        // Answers for exercise 01 that do not fit it: a point, a term, a rule it does not have.
        if (a.rfind("&", 0) == 0)
            a = dir.Write(a.substr(1) + ".fuzantwort", "[antworten]\nformat = 1\n[P1]\nausgang = 52\n" +
                                                           std::string(a == "&p2"        ? "[P2]\nausgang = 0\n"
                                                                       : a == "&term4"   ? "zugehoerigkeit.a.4 = 0\n"
                                                                       : a == "&regel44" ? "feuerstaerke.4.4 = 0\n"
                                                                                         : ""));
        args.push_back(a);
    }
    const Result r = Fuzzysim(args, dir);
    EXPECT_EQ(r.status, GetParam().status) << GetParam().name << "\n" << r.out << r.err;
    if (GetParam().status == 2) {
        EXPECT_FALSE(r.err.empty()) << GetParam().name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tool, AufgabeExit,
    ::testing::Values(
        Call{"solution passes", {"aufgabe", "check", "@06_schnelle_lok.fuzaufgabe", "@06_schnelle_lok.loesung.fuz"}, 0},
        Call{"wrong attempt fails",
             {"aufgabe", "check", "@06_schnelle_lok.fuzaufgabe", "@06_schnelle_lok.falsch.fuz"},
             1},
        Call{"answers pass",
             {"aufgabe", "check", "@01_regelschritt.fuzaufgabe", "@01_regelschritt.loesung.fuzantwort"},
             0},
        Call{"wrong answers fail",
             {"aufgabe", "check", "@01_regelschritt.fuzaufgabe", "@01_regelschritt.falsch.fuzantwort", "--json"},
             1},
        Call{"locked part changed is refused",
             {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe", "@05_truck_12_regeln.loesung.fuz"},
             1},
        Call{"answers to a point the exercise does not have",
             {"aufgabe", "check", "@01_regelschritt.fuzaufgabe", "&p2"},
             2},
        Call{"answers to a term the project does not have",
             {"aufgabe", "check", "@01_regelschritt.fuzaufgabe", "&term4"},
             2},
        Call{"answers to a rule the project does not have",
             {"aufgabe", "check", "@01_regelschritt.fuzaufgabe", "&regel44"},
             2},
        Call{"answers to an exercise without a hand step",
             {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe", "@03_lok_tabelle.loesung.fuz", "&passt"},
             2},
        Call{"answers that fit are judged", {"aufgabe", "check", "@01_regelschritt.fuzaufgabe", "&passt"}, 1},
        Call{"missing exercise", {"aufgabe", "check", "@gibt_es_nicht.fuzaufgabe", "@03_lok_tabelle.loesung.fuz"}, 2},
        Call{"exercise with a format error",
             {"aufgabe", "check", "%kaputt.fuzaufgabe", "@03_lok_tabelle.loesung.fuz"},
             2},
        Call{"project as exercise",
             {"aufgabe", "check", "@03_lok_tabelle.loesung.fuz", "@03_lok_tabelle.loesung.fuz"},
             2},
        Call{"project missing", {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe"}, 2},
        Call{"answers missing", {"aufgabe", "check", "@01_regelschritt.fuzaufgabe"}, 2},
        Call{"project unreadable", {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe", "@fehlt.fuz"}, 2},
        Call{"exercise given as project",
             {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe", "@03_lok_tabelle.fuzaufgabe"},
             2},
        Call{"project given as answers", {"aufgabe", "check", "@01_regelschritt.fuzaufgabe", "%antwort.fuzantwort"}, 2},
        Call{"two projects",
             {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe", "@03_lok_tabelle.loesung.fuz",
              "@03_lok_tabelle.falsch.fuz"},
             2},
        Call{"unknown option", {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe", "--csv"}, 2},
        Call{"unknown action", {"aufgabe", "pruefe", "@03_lok_tabelle.fuzaufgabe"}, 2},
        Call{"no action", {"aufgabe"}, 2}),
    [](const ::testing::TestParamInfo<Call>& i) {
        std::string n = i.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

// A student's project that stops fitting the format is refused with the
// line where it does, as `fuzzysim check` names it.
TEST(AufgabeCheck, BrokenProjectNamesItsLine) {
    testfiles::TempDir dir;
    std::ifstream in(kDir + "03_lok_tabelle.loesung.fuz", std::ios::binary);
    std::string bytes(300, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const std::string file = dir.Write("kaputt.fuz", bytes);
    const Result r = Fuzzysim({"aufgabe", "check", kDir + "03_lok_tabelle.fuzaufgabe", file}, dir);
    const Result check = Fuzzysim({"check", file}, dir);
    EXPECT_EQ(r.status, 2);
    const std::size_t at = check.err.find(file + ": Zeile ");
    ASSERT_NE(at, std::string::npos) << check.err;
    EXPECT_NE(r.err.find(check.err.substr(at, check.err.find('\n', at) - at)), std::string::npos) << r.err;
}

// Every criterion with its measured value and limit; failing ones name
// their starts or runs; the verdict agrees with the exit status.
TEST(AufgabeJson, EveryCriterionWithValueAndLimit) {
    testfiles::TempDir dir;
    for (const char* n : {"05_truck_12_regeln", "06_schnelle_lok"}) {
        const Result r =
            Fuzzysim({"aufgabe", "check", kDir + n + ".fuzaufgabe", kDir + n + ".falsch.fuz", "--json"}, dir);
        ASSERT_EQ(r.status, 1) << r.err;
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_EQ(j["verdict"], "failed");
        EXPECT_EQ(j["passed"], false);
        EXPECT_TRUE(j["changes"].empty());
        EXPECT_FALSE(j["hints"].empty());
        ASSERT_FALSE(j["criteria"].empty());
        for (const auto& c : j["criteria"]) {
            EXPECT_TRUE(c["id"].is_string() && c["name"].is_string() && c["unit"].is_string());
            EXPECT_TRUE(c["limit"].is_number());
            EXPECT_TRUE(c["compare"] == ">=" || c["compare"] == "<=");
            if (c["measured"].is_null()) {
                // Only a run that never rests has no value, and it fails.
                EXPECT_EQ(c["id"], "loco.rest");
                EXPECT_FALSE(c["passed"].get<bool>());
                continue;
            }
            ASSERT_TRUE(c["measured"].is_number()) << c["id"];
            const double m = c["measured"], l = c["limit"];
            EXPECT_EQ(c["passed"].get<bool>(), c["compare"] == ">=" ? m >= l : m <= l) << c["id"];
            EXPECT_EQ(c["reasons"].empty(), c["passed"].get<bool>()) << c["id"];
            if (c["id"] == "truck.docked" || c["id"] == "truck.left_road") {
                EXPECT_TRUE(c["speed"].is_number());
            }
            if (!c["passed"].get<bool>() && c["id"].get<std::string>().rfind("loco.", 0) == 0) {
                ASSERT_TRUE(c["runs"].is_array());
                for (const auto& run : c["runs"]) {
                    EXPECT_TRUE(run["mass"].is_number() && run["step"].is_number());
                    EXPECT_TRUE(run["friction"].is_number() && run["distance"].is_number());
                }
            }
            if (c["id"] == "coverage" && !c["passed"].get<bool>()) {
                EXPECT_EQ(c["boxes"].size(), c["measured"].get<std::size_t>());
            }
        }
    }
    // A refusal lists what changed and judges nothing.
    const Result r = Fuzzysim(
        {"aufgabe", "check", kDir + "03_lok_tabelle.fuzaufgabe", kDir + "05_truck_12_regeln.loesung.fuz", "--json"},
        dir);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["verdict"], "refused");
    EXPECT_FALSE(j["changes"].empty());
    EXPECT_TRUE(j["criteria"].empty());
}

// The failing truck starts are named with their place in the grid.
TEST(AufgabeJson, FailingStartsHaveTheirPlace) {
    testfiles::TempDir dir;
    // The locomotive's table on the truck task's terms: it docks almost nothing.
    const std::string bad =
        dir.Write("x.fuzaufgabe",
                  "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n"
                  "[projekt]\nvorlage = truck\n[truck]\ngeschwindigkeiten = -10\nangedockt_min = 150\n");
    const Result r = Fuzzysim({"aufgabe", "check", bad, kDir + "../truck.fuz", "--json"}, dir);
    // truck.fuz's terms are not the template's: a refusal, not a run.
    EXPECT_EQ(nlohmann::json::parse(r.out)["verdict"], "refused");
    const Result s = Fuzzysim({"--lang", "de", "new", "truck", "-o", (dir.path() / "t.fuz").string()}, dir);
    ASSERT_EQ(s.status, 0) << s.err;
    const Result t = Fuzzysim({"aufgabe", "check", bad, (dir.path() / "t.fuz").string(), "--json"}, dir);
    EXPECT_EQ(t.status, 1);
    const auto j = nlohmann::json::parse(t.out);
    const auto& c = j["criteria"][0];
    EXPECT_EQ(c["id"], "truck.docked");
    ASSERT_EQ(c["starts"].size(), 164u - c["measured"].get<std::size_t>());
    for (const auto& st : c["starts"]) {
        EXPECT_EQ(st["speed"], -10.0);
        EXPECT_GE(st["index"].get<int>(), 0);
        EXPECT_LT(st["index"].get<int>(), 164);
        EXPECT_TRUE(st["x"].is_number() && st["attitude"].is_number());
    }
}

// --json gives nothing from which a value could be misread: a hand step's
// measured value is the count of wrong answers (never the engine's number),
// a run that never rests has no time (null).
TEST(AufgabeJson, NoValueThatMisleads) {
    testfiles::TempDir dir;
    const std::string zero = dir.Write("z.fuzantwort", "[antworten]\nformat = 1\n[P1]\nausgang = 0\n");
    const Result hand = Fuzzysim({"aufgabe", "check", kDir + "01_regelschritt.fuzaufgabe", zero, "--json"}, dir);
    ASSERT_EQ(hand.status, 1) << hand.err;
    const auto handDoc = nlohmann::json::parse(hand.out);
    bool handSeen = false;
    for (const auto& c : handDoc["criteria"])
        if (c["id"] == "hand.output") {
            handSeen = true;
            EXPECT_EQ(c["measured"], 1.0);
            EXPECT_EQ(c["limit"], 0.0);
        }
    EXPECT_TRUE(handSeen) << hand.out;
    const std::string start = (dir.path() / "pg.fuz").string();
    ASSERT_EQ(Fuzzysim({"aufgabe", "start", kDir + "03_lok_tabelle.fuzaufgabe", "-o", start}, dir).status, 0);
    fuzzy::Project p = fuzzy::LoadProject(start);
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 5; ++col) p.Rules.Set(row, col, p.Out.UsedTerms());
    fuzzy::SaveProject(start, p);
    const Result loco = Fuzzysim({"aufgabe", "check", kDir + "03_lok_tabelle.fuzaufgabe", start, "--json"}, dir);
    ASSERT_EQ(loco.status, 1) << loco.err;
    bool seen = false;
    const auto locoDoc = nlohmann::json::parse(loco.out);
    for (const auto& c : locoDoc["criteria"])
        if (c["id"] == "loco.rest") {
            seen = true;
            EXPECT_TRUE(c["measured"].is_null()) << c["measured"];
            EXPECT_FALSE(c["passed"].get<bool>());
        }
    EXPECT_TRUE(seen) << loco.out;
}

// The texts of --json are the figures of the text output, in its language:
// a count whole (a hand step's wrong answers too), a time or distance to a
// hundredth; a reader of the document shows them without rounding floats itself.
struct FigureCase {
    const char* name;
    const char* exercise;
    const char* attempt;
    const char* lang;
    const char* decimalSign;  // the one a text with decimals must use; "" for whole counts
};

class AufgabeFigureTexts : public ::testing::TestWithParam<FigureCase> {};

TEST_P(AufgabeFigureTexts, AreTheTextOutputsFigures) {
    const FigureCase& c = GetParam();
    testfiles::TempDir dir;
    const std::vector<std::string> call = {"--lang", c.lang, "aufgabe", "check", kDir + c.exercise, kDir + c.attempt};
    std::vector<std::string> json = call;
    json.push_back("--json");
    const Result text = Fuzzysim(call, dir);
    const Result doc = Fuzzysim(json, dir);
    ASSERT_EQ(text.status, doc.status) << doc.err;
    const auto j = nlohmann::json::parse(doc.out);
    ASSERT_FALSE(j["criteria"].empty());
    for (const auto& crit : j["criteria"]) {
        const std::string name = crit["name"], measured = crit["measuredText"], limit = crit["limitText"];
        ASSERT_FALSE(measured.empty()) << name;
        // The criterion's own line: "  ✓ NAME: …".
        const std::size_t at = text.out.find(" " + name + ": ");
        ASSERT_NE(at, std::string::npos) << name << "\n" << text.out;
        const std::string line = text.out.substr(at, text.out.find('\n', at) - at);
        EXPECT_NE(line.find(measured), std::string::npos) << line << " / " << measured;
        EXPECT_NE(line.find(limit), std::string::npos) << line << " / " << limit;
        // No float noise: at most the digits the text output writes.
        if (!crit["measured"].is_null()) {
            EXPECT_LE(measured.size(), 12u) << measured;
        }
        const bool decimals = measured.find_first_of(".,") != std::string::npos;
        if (decimals) {
            EXPECT_NE(measured.find(c.decimalSign), std::string::npos) << measured;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, AufgabeFigureTexts,
    ::testing::Values(
        FigureCase{"counts", "05_truck_12_regeln.fuzaufgabe", "05_truck_12_regeln.falsch.fuz", "de", ""},
        FigureCase{"times_german", "06_schnelle_lok.fuzaufgabe", "06_schnelle_lok.falsch.fuz", "de", ","},
        FigureCase{"times_english", "06_schnelle_lok.fuzaufgabe", "06_schnelle_lok.falsch.fuz", "en", "."},
        FigureCase{"hand_counts", "01_regelschritt.fuzaufgabe", "01_regelschritt.falsch.fuzantwort", "de", ""}),
    [](const ::testing::TestParamInfo<FigureCase>& i) { return std::string(i.param.name); });

// start writes the starting project, in the language asked for, and never
// over an existing file.
TEST(AufgabeStart, WritesTheStartingProject) {
    testfiles::TempDir dir;
    const std::string out = (dir.path() / "start.fuz").string();
    const Result r = Fuzzysim({"--lang", "en", "aufgabe", "start", kDir + "04_luecke.fuzaufgabe", "-o", out}, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const fuzzy::Project p = fuzzy::LoadProject(out);
    EXPECT_EQ(p.A.Name, "Temperature deviation");
    EXPECT_EQ(p.Rules, exercise::ReadExercise(kDir + "04_luecke.fuzaufgabe").Start.Rules);
    const Result again = Fuzzysim({"aufgabe", "start", kDir + "04_luecke.fuzaufgabe", "-o", out}, dir);
    EXPECT_EQ(again.status, 2);
    // The starting project itself fails this exercise: there is something to do.
    const Result check = Fuzzysim({"aufgabe", "check", kDir + "04_luecke.fuzaufgabe", out}, dir);
    EXPECT_EQ(check.status, 1) << check.out;
}

}  // namespace
