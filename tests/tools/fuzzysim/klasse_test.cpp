// fuzzysim's classroom: a hand-in written by `aufgabe abgabe` is judged by
// `aufgabe check` as its project is, `aufgabe auswerten` gives every file its
// row and a gradebook file, --json stays JSON for every error, the package
// holds no teacher's text, and the exit status tells the teacher to look.
#include "exercise/Reader.h"
#include "tests/support/TestFiles.h"
#include "tests/tools/fuzzysim/ShellLauf.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
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
    // A fixed moment: the hand-ins do not depend on the day the test runs.
    std::string cmd = "SOURCE_DATE_EPOCH=1741944600 " + Quote(FUZZYSIM_BIN);
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " </dev/null";
    return shelllauf::Capture(cmd, err);
}

std::string Read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string HandIn(const testfiles::TempDir& dir, const std::string& file, const std::string& name,
                   const std::string& project, const std::string& exercise = "03_lok_tabelle") {
    const std::string out = (dir.path() / file).string();
    const Result r = Fuzzysim({"aufgabe", "abgabe", kDir + exercise + ".fuzaufgabe", kDir + project, "--name", name,
                               "--klasse", "10b", "--id", "4711", "-o", out},
                              dir);
    EXPECT_EQ(r.status, 0) << r.err;
    return out;
}

TEST(Klasse, HandInIsCheckedAsItsProject) {
    testfiles::TempDir dir;
    const std::string good = HandIn(dir, "anna.fuzabgabe", "Anna Berg", "03_lok_tabelle.loesung.fuz");
    EXPECT_NE(Read(good).find("datum = 2025-03-14T09:30:00Z"), std::string::npos);
    EXPECT_EQ(Fuzzysim({"aufgabe", "check", kDir + "03_lok_tabelle.fuzaufgabe", good}, dir).status, 0);
    const std::string bad = HandIn(dir, "ben.fuzabgabe", "Ben Ulm", "03_lok_tabelle.falsch.fuz");
    EXPECT_EQ(Fuzzysim({"aufgabe", "check", kDir + "03_lok_tabelle.fuzaufgabe", bad}, dir).status, 1);
}

struct Refused {
    const char* name;
    std::vector<std::string> args;  // after "aufgabe abgabe EXERCISE PROJECT"
};

class HandInRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(HandInRefused, NothingWritten) {
    testfiles::TempDir dir;
    const std::string out = (dir.path() / "x.fuzabgabe").string();
    std::vector<std::string> args = {"aufgabe", "abgabe", kDir + "03_lok_tabelle.fuzaufgabe",
                                     kDir + "03_lok_tabelle.loesung.fuz"};
    for (std::string a : GetParam().args) args.push_back(a == "OUT" ? out : a);
    const Result r = Fuzzysim(args, dir);
    EXPECT_EQ(r.status, 2) << GetParam().name << "\n" << r.err;
    EXPECT_FALSE(r.err.empty()) << GetParam().name;
    EXPECT_FALSE(std::ifstream(out).good()) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Tool, HandInRefused,
                         ::testing::Values(Refused{"no name", {"--klasse", "10b", "-o", "OUT"}},
                                           Refused{"no class", {"--name", "Anna", "-o", "OUT"}},
                                           Refused{"no file", {"--name", "Anna", "--klasse", "10b"}},
                                           Refused{"blank around the name",
                                                   {"--name", " Anna", "--klasse", "10b", "-o", "OUT"}},
                                           Refused{"identifier with a blank",
                                                   {"--name", "Anna", "--klasse", "10b", "--id", "a b", "-o", "OUT"}}),
                         [](const ::testing::TestParamInfo<Refused>& i) {
                             std::string n = i.param.name;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

TEST(Klasse, MarkingGivesEveryFileItsRow) {
    testfiles::TempDir dir;
    HandIn(dir, "anna.fuzabgabe", "Anna Berg", "03_lok_tabelle.loesung.fuz");
    HandIn(dir, "ben.fuzabgabe", "Ben Ulm", "03_lok_tabelle.falsch.fuz");
    dir.Write("kaputt.fuzabgabe", "[abgabe]\nformat = 1\n");
    const std::string moodle = (dir.path() / "noten.csv").string();
    const Result r = Fuzzysim({"aufgabe", "auswerten", kDir + "03_lok_tabelle.fuzaufgabe", dir.path().string(),
                               (dir.path() / "fehlt.fuzabgabe").string(), "--json", "--moodle", moodle},
                              dir);
    // Files that need the teacher's eye: exit 1, and every row is there.
    EXPECT_EQ(r.status, 1) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["rows"].size(), 4u);
    std::vector<std::string> states;
    for (const auto& row : j["rows"]) states.push_back(row["state"]);
    EXPECT_EQ(states, (std::vector<std::string>{"passed", "failed", "unreadable", "unreadable"}));
    // Anna and Ben share the identifier 4711: neither goes into the gradebook.
    EXPECT_EQ(Read(moodle), "\"ID-Nummer\",\"Punkte\",\"Feedback\"\n");
    EXPECT_NE(r.err.find("Anna Berg (10b)"), std::string::npos) << r.err;
    EXPECT_NE(Read((dir.path() / "noten-nicht-importiert.csv").string()).find("Anna Berg"), std::string::npos);
}

struct JsonCall {
    const char* name;
    std::vector<std::string> args;
};

class JsonStays : public ::testing::TestWithParam<JsonCall> {};

// Whoever reads --json reads JSON, also when the input is unusable.
TEST_P(JsonStays, ForEveryError) {
    testfiles::TempDir dir;
    std::vector<std::string> args;
    for (std::string a : GetParam().args) args.push_back(a.rfind("@", 0) == 0 ? kDir + a.substr(1) : a);
    const Result r = Fuzzysim(args, dir);
    EXPECT_EQ(r.status, 2) << GetParam().name;
    const nlohmann::json j = nlohmann::json::parse(r.out, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << GetParam().name << ": " << r.out;
    EXPECT_TRUE(j.contains("error")) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Tool, JsonStays,
    ::testing::Values(JsonCall{"check: project missing", {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe", "--json"}},
                      JsonCall{"check: project unreadable",
                               {"aufgabe", "check", "@03_lok_tabelle.fuzaufgabe", "/gibt/es/nicht.fuz", "--json"}},
                      JsonCall{"check: exercise unreadable", {"aufgabe", "check", "@fehlt.fuzaufgabe", "--json"}},
                      JsonCall{"mark: no hand-ins", {"aufgabe", "auswerten", "@03_lok_tabelle.fuzaufgabe", "--json"}},
                      JsonCall{"mark: exercise is a project",
                               {"aufgabe", "auswerten", "@03_lok_tabelle.loesung.fuz", "/tmp", "--json"}},
                      JsonCall{"mark: unknown option",
                               {"aufgabe", "auswerten", "@03_lok_tabelle.fuzaufgabe", "/tmp", "--json", "--bunt"}},
                      JsonCall{"vet: exercise unreadable", {"aufgabe", "gegenprobe", "@fehlt.fuzaufgabe", "--json"}}),
    [](const ::testing::TestParamInfo<JsonCall>& i) {
        std::string n = i.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

TEST(Klasse, PackageHasNoTeachersText) {
    testfiles::TempDir dir;
    const std::string out = (dir.path() / "paket").string();
    const Result r =
        Fuzzysim({"aufgabe", "package", kDir + "01_regelschritt.fuzaufgabe", "-o", out, "--no-sheet"}, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string copy = Read(out + "/01_regelschritt.fuzaufgabe");
    EXPECT_TRUE(exercise::ParseExercise(copy).ForStudents());
    EXPECT_EQ(copy.find("[lehrkraft"), std::string::npos);
    // Nothing else: no reference solution, no answers.
    int files = 0;
    for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(out)) ++files;
    EXPECT_EQ(files, 1);
}

TEST(Klasse, TeachersCheckFindsAFault) {
    testfiles::TempDir dir;
    // Exercise 03 with a limit of rules no table can exceed.
    std::string text = Read(kDir + "03_lok_tabelle.fuzaufgabe");
    text.replace(text.find("[lok]\n"), 6, "[lok]\nregeln_max = 25\n");
    const std::string file = dir.Write("03.fuzaufgabe", text);
    const Result r =
        Fuzzysim({"aufgabe", "vet", file, "--solution", kDir + "03_lok_tabelle.loesung.fuz", "--json"}, dir);
    EXPECT_EQ(r.status, 1) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    EXPECT_FALSE(j["fair"]);
    ASSERT_FALSE(j["findings"].empty());
    EXPECT_EQ(j["findings"][0]["kind"], "never_fails");
    EXPECT_EQ(Fuzzysim({"aufgabe", "gegenprobe", kDir + "03_lok_tabelle.fuzaufgabe"}, dir).status, 0);
}

}  // namespace
