// `fuzzysim tune`: wrong calls, and a short run that writes a project the
// reader loads and that scores as the tool printed.
#include "fuzzy/Project.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kLok = FUZZY_SOURCE_DIR "/examples/lok.fuz";

struct ToolRun {
    int status = -1;
    std::string out, err;
};

class TuneTest : public ::testing::Test {
protected:
    ToolRun Fuzzysim(const std::vector<std::string>& args) {
        auto quote = [](const std::string& s) {
            std::string q = "'";
            for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
            return q + "'";
        };
        const std::string out = (dir.path() / "out.txt").string(), err = (dir.path() / "err.txt").string();
        std::string cmd = quote(FUZZYSIM_BIN);
        for (const auto& a : args) cmd += " " + quote(a);
        cmd += " </dev/null >" + quote(out) + " 2>" + quote(err);
        const int raw = std::system(cmd.c_str());
        ToolRun r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        auto slurp = [](const std::string& f) {
            std::ifstream in(f, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        };
        r.out = slurp(out);
        r.err = slurp(err);
        return r;
    }
    testfiles::TempDir dir;
};

struct TuneUsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

const TuneUsageCase kTuneUsage[] = {
    {"NoVehicle", {"tune", kLok, "-o", "x.fuz"}, "--vehicle truck oder --vehicle loco"},
    {"UnknownVehicle", {"tune", kLok, "--vehicle", "bus", "-o", "x.fuz"}, "--vehicle erwartet truck oder loco"},
    {"NoOutput", {"tune", kLok, "--vehicle", "loco"}, "-o AUSGABE"},
    {"SecondsNotPositive", {"tune", kLok, "--vehicle", "loco", "--seconds", "0", "-o", "x.fuz"}, "--seconds"},
    {"SeedNotWhole", {"tune", kLok, "--vehicle", "loco", "--seed", "1.5", "-o", "x.fuz"}, "--seed"},
    {"NoThreads", {"tune", kLok, "--vehicle", "loco", "--threads", "0", "-o", "x.fuz"}, "--threads"},
};

class TuneUsage : public TuneTest, public ::testing::WithParamInterface<TuneUsageCase> {};

TEST_P(TuneUsage, IsRefusedWithExitTwoAndWritesNothing) {
    std::vector<std::string> args = GetParam().args;
    for (auto& a : args)
        if (a == "x.fuz") a = (dir.path() / "x.fuz").string();
    const ToolRun r = Fuzzysim(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.fuz"));
}

INSTANTIATE_TEST_SUITE_P(Tune, TuneUsage, ::testing::ValuesIn(kTuneUsage),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(TuneTest, ShortRunWritesALoadableProjectAndPrintsBeforeAndAfter) {
    const std::string out = (dir.path() / "besser.fuz").string();
    const ToolRun r =
        Fuzzysim({"tune", kLok, "--vehicle", "loco", "--rounds", "2", "--seed", "3", "--threads", "2", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("vorher:"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("nachher:"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Runden: 2,"), std::string::npos) << r.out;
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable R;
    fuzzy::LoadProject(out, A, B, Out, R);
    EXPECT_TRUE(A.Defined && B.Defined && Out.Defined);
    // The same seed and rounds give the same file.
    const std::string again = (dir.path() / "nochmal.fuz").string();
    ASSERT_EQ(
        Fuzzysim({"tune", kLok, "--vehicle", "loco", "--rounds", "2", "--seed", "3", "--threads", "1", "-o", again})
            .status,
        0);
    std::ifstream a(out, std::ios::binary), b(again, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));
}

TEST_F(TuneTest, UnsuitableProjectExitsOne) {
    const ToolRun r = Fuzzysim({"tune", FUZZY_SOURCE_DIR "/examples/beispiel.fuz", "--vehicle", "loco", "--rounds", "1",
                                "-o", (dir.path() / "x.fuz").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Eingang B"), std::string::npos) << r.err;
}

// Output terms all alike: no table can do better than another, so the result
// is the input file itself, byte for byte, even where the writer would write
// it otherwise (LF line ends, "1.0").
TEST_F(TuneTest, NoImprovementWritesTheInputByteForByte) {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable R;
    fuzzy::LoadProject(kLok, A, B, Out, R);
    for (int t = 1; t <= Out.UsedTerms(); ++t)
        for (int k = 1; k <= 4; ++k) Out.SetParam(t, k, Out.GetParam(3, k));
    std::string text = fuzzy::ProjectText(fuzzy::Project{A, B, Out, R}), lf;
    for (char c : text)
        if (c != '\r') lf += c;
    const std::string h = "\n1\n";
    const auto at = lf.find(h);
    ASSERT_NE(at, std::string::npos);
    lf.replace(at, h.size(), "\n1.0\n");
    const std::string in = (dir.path() / "gleich.fuz").string(), out = (dir.path() / "ergebnis.fuz").string();
    std::ofstream(in, std::ios::binary) << lf;
    const ToolRun r = Fuzzysim({"tune", in, "--vehicle", "loco", "--rounds", "2", "--seed", "2", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Keine Verbesserung"), std::string::npos) << r.out;
    std::ifstream written(out, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), lf);
}

TEST_F(TuneTest, OutputOntoItsOwnInputIsRefused) {
    const std::string in = (dir.path() / "lok.fuz").string();
    std::filesystem::copy_file(kLok, in);
    std::ifstream before(in, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(before), {});
    const ToolRun r = Fuzzysim({"tune", in, "--vehicle", "loco", "--rounds", "1", "-o", in});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Eingabedatei"), std::string::npos) << r.err;
    std::ifstream after(in, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), bytes);
}

}  // namespace

namespace {

// From the blank locomotive template with terms: the summary says what got
// better, lists the changed cells and every changed term before and after;
// the table written stays monotone unless --free-rules is given.
struct TuneTemplateCase {
    const char* name;
    std::vector<std::string> extra;
    const char* plan;
};

const TuneTemplateCase kTuneTemplate[] = {
    {"MonotoneByDefault", {}, "monotone Regeln und Termecken"},
    {"FreeRulesOnRequest", {"--free-rules"}, "Regeln in beliebiger Ordnung und Termecken"},
};

class TuneTemplate : public TuneTest, public ::testing::WithParamInterface<TuneTemplateCase> {};

TEST_P(TuneTemplate, SummaryExplainsTheChangeAndNamesTheChangedParts) {
    const std::string start = (dir.path() / "lok.fuz").string(), out = (dir.path() / "besser.fuz").string();
    ASSERT_EQ(Fuzzysim({"new", "lok", "-o", start}).status, 0);
    std::vector<std::string> args{"tune", start,    "--vehicle", "loco", "--terms", "--rounds",
                                  "30",   "--seed", "2",         "-o",   out};
    args.insert(args.end(), GetParam().extra.begin(), GetParam().extra.end());
    const ToolRun r = Fuzzysim(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(GetParam().plan), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nBesser: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Regeln ge\xC3\xA4ndert: 25 von 25 Zellen"), std::string::npos) << r.out;
    const fuzzy::Project before = fuzzy::LoadProject(start), after = fuzzy::LoadProject(out);
    for (const auto* v : {&after.A, &after.B, &after.Out})
        for (int t = 1; t <= v->UsedTerms(); ++t) {
            const fuzzy::TFuzzy& b = v == &after.A ? before.A : v == &after.B ? before.B : before.Out;
            bool moved = false;
            for (int k = 1; k <= 4; ++k) moved = moved || b.GetParam(t, k) != v->GetParam(t, k);
            EXPECT_EQ(r.out.find("  " + v->Name + ", " + v->GetTermName(t) + ": ") != std::string::npos, moved)
                << v->Name << ' ' << t << '\n'
                << r.out;
        }
}

INSTANTIATE_TEST_SUITE_P(Tune, TuneTemplate, ::testing::ValuesIn(kTuneTemplate),
                         [](const auto& i) { return std::string(i.param.name); });

}  // namespace
