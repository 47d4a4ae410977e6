// fuzzysim on hostile files and outputs aimed at its own input: each case
// ends with its exit status and a German message, and no file is written or
// changed.
#include "tests/tools/fuzzysim/ShellLauf.h"
#include "commands/LocoSim.h"
#include "fuzzy/Project.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kSource = FUZZY_SOURCE_DIR "/examples/";

using shelllauf::Quote;

std::string Contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every entry of the folder with its bytes (a pipe or folder as its kind).
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> s;
    for (const auto& e : fs::directory_iterator(dir)) {
        const auto st = fs::symlink_status(e.path());
        std::string what = fs::is_symlink(st) ? "link " + fs::read_symlink(e.path()).string()
                           : fs::is_regular_file(st) && fs::file_size(e.path()) > (1u << 20) ? "large file"
                           : fs::is_regular_file(st)                                         ? Contents(e.path())
                                                                                             : "special";
        s[e.path().filename().string()] = what;
    }
    return s;
}

struct Outcome {
    int status = -1;  // -1: ended by a signal or the time limit
    std::string err;
};

// Under a time limit (a pipe must not hold it) and a memory limit (an endless
// device must not fill the machine).
Outcome Fuzzysim(const fs::path& dir, const std::string& args) {
    const std::string err = (dir.parent_path() / (dir.filename().string() + ".err")).string();
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves far more address space than any limit allows.
    const std::string limit;
#else
    const std::string limit = "ulimit -v 1000000 && ";
#endif
    // Standard input first, so that a case may give its own.
    const std::string cmd = "cd " + Quote(dir.string()) + " && " + limit + "timeout 20 " + Quote(FUZZYSIM_BIN) +
                            " </dev/null >/dev/null 2>" + Quote(err) + " " + args;
    const int raw = std::system(cmd.c_str());
    Outcome r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (r.status == 124) r.status = -1;  // timeout
    r.err = Contents(err);
    fs::remove(err);
    return r;
}

struct Case {
    const char* name;
    void (*prepare)(const fs::path& dir);
    const char* args;
    int status;
    const char* message;
};

void Projects(const fs::path& dir) {
    fs::copy_file(kSource + "truck.fuz", dir / "k.fuz");
    fs::copy_file(kSource + "lok.fuz", dir / "lok.fuz");
}

// An example whose output is stretched until its largest number is 1e38:
// legal in the format, but too large for the centroid in single precision.
void Stretched(const fs::path& dir, const char* example, const char* name) {
    fuzzy::Project p = fuzzy::LoadProject(kSource + example);
    float largest = std::fmax(std::fabs(p.Out.RangeMin), std::fabs(p.Out.RangeMax));
    for (int i = 1; i <= p.Out.UsedTerms(); ++i)
        for (int j = 1; j <= 4; ++j) largest = std::fmax(largest, std::fabs(p.Out.GetParam(i, j)));
    const float factor = 1e38f / largest;
    p.Out.RangeMin *= factor;
    p.Out.RangeMax *= factor;
    for (int i = 1; i <= p.Out.UsedTerms(); ++i)
        for (int j = 1; j <= 4; ++j) p.Out.SetParam(i, j, p.Out.GetParam(i, j) * factor);
    fuzzy::SaveProject((dir / name).string(), p);
}

// An example whose input terms are 3.4e38 high: where two rules fire, the
// centroid's sums overflow and the controller gives no number.
void Towering(const fs::path& dir, const char* example) {
    fuzzy::Project p = fuzzy::LoadProject(kSource + example);
    for (fuzzy::TFuzzy* v : {&p.A, &p.B})
        for (int i = 1; i <= v->UsedTerms(); ++i) v->SetParam(i, fuzzy::ParamH, 3.4e38f);
    fuzzy::SaveProject((dir / "hoch.fuz").string(), p);
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> table = {
        {"ImportFifo", [](const fs::path& d) { ::mkfifo((d / "p.fll").c_str(), 0600); }, "import p.fll -o p.fuz", 2,
         "keine gew\xC3\xB6hnliche Datei"},
        {"ImportLinkToDevZero", [](const fs::path& d) { fs::create_symlink("/dev/zero", d / "z.fis"); },
         "import z.fis -o z.fuz", 2, "keine gew\xC3\xB6hnliche Datei"},
        {"ImportDirectory", [](const fs::path& d) { fs::create_directory(d / "o.fcl"); }, "import o.fcl -o o.fuz", 2,
         "ist ein Ordner"},
        {"ImportTooLarge", [](const fs::path& d) { std::ofstream(d / "g.fll") << std::string(5u << 20, '#') << '\n'; },
         "import g.fll -o g.fuz", 2, "4 MB"},
        {"ImportMissing", [](const fs::path&) {}, "import f.fll -o f.fuz", 2, "gibt es nicht"},
        {"ImportDeepNesting",
         [](const fs::path& d) {
             std::ofstream(d / "n.fll") << "Engine: t\nInputVariable: a\n  range: 0 1\n  term: x Triangle 0 0 1\n"
                                           "OutputVariable: y\n  range: 0 1\n  term: s Triangle 0 0 1\n"
                                           "RuleBlock: r\n  rule: if "
                                        << std::string(30000, '(') << "a is x" << std::string(30000, ')')
                                        << " then y is s\n";
         },
         "import n.fll -o n.fuz", 1, "Zeile 9: Die Bedingung ist tiefer als 64 Klammerebenen"},
        {"ExportOntoItsProject", Projects, "export k.fuz --to fll -o k.fuz", 2, "Eingabedatei selbst"},
        {"ExportOntoALinkToItsProject",
         [](const fs::path& d) {
             Projects(d);
             fs::create_symlink("k.fuz", d / "k.fll");
         },
         "export k.fuz -o k.fll", 2, "Eingabedatei selbst"},
        {"TruckSvgOntoItsProject", Projects, "truck k.fuz --svg k.fuz", 2, "Eingabedatei selbst"},
        {"LocoSvgOntoAHardLinkOfItsProject",
         [](const fs::path& d) {
             Projects(d);
             fs::create_hard_link(d / "lok.fuz", d / "lok.svg");
         },
         "loco lok.fuz --svg lok.svg", 2, "Eingabedatei selbst"},
        // A project that is no file to read, or far too large for one: a 3 GB
        // sparse file of one endless line was read until std::bad_alloc.
        {"ProjectFifo", [](const fs::path& d) { ::mkfifo((d / "p.fuz").c_str(), 0600); }, "check p.fuz", 2,
         "p.fuz\xE2\x80\x9C ist keine gew\xC3\xB6hnliche Datei (ein Ger\xC3\xA4t oder eine Pipe)"},
        {"ProjectHugeSparse",
         [](const fs::path& d) {
             std::ofstream(d / "riesig.fuz").close();
             fs::resize_file(d / "riesig.fuz", 3ull << 30);
         },
         "export riesig.fuz --to fll", 2,
         "gr\xC3\xB6\xC3\x9F"
         "er als 1 MB"},
        // An option given twice: `--to c --to fll -o x.c` wrote FLL into x.c.
        {"ExportToTwice", Projects, "export k.fuz --to c --to fll -o x.c", 2, "--to ist mehr als einmal"},
        {"ExportNameTwice", Projects, "export k.fuz --to c --name a --name b -o x.c", 2, "--name ist mehr als einmal"},
        {"CheckJsonTwice", Projects, "check k.fuz --json --json", 2, "--json ist mehr als einmal"},
        // Option values that gave NaN, infinities or runs far off with exit 0.
        {"LocoStepHuge", Projects, "loco lok.fuz --dt 1e300", 2,
         "--dt erwartet einen Zeitschritt in s von 1e-05 bis 1"},
        {"LocoStepFarTooLong", Projects, "loco lok.fuz --dt 99999999999", 2, "--dt erwartet"},
        {"LocoFirstStepHuge", Projects, "loco lok.fuz --first-dt 1e300", 2, "--first-dt erwartet"},
        {"LocoFrictionHuge", Projects, "loco lok.fuz --friction 1e300", 2, "--friction erwartet"},
        {"LocoFrictionNegative", Projects, "loco lok.fuz --friction -1", 2, "--friction erwartet"},
        {"LocoMassTiny", Projects, "loco lok.fuz --mass 1e-45", 2,
         "--mass erwartet eine Masse in kg von 0.01 bis 1000"},
        {"LocoMassHuge", Projects, "loco lok.fuz --mass 1e300", 2, "--mass erwartet"},
        {"TruckSpeedHuge", Projects, "truck k.fuz --speed 1e5", 2, "--speed erwartet"},
        // A truck that never moves arrived nowhere: no summary of perfect ends.
        {"TruckSpeedZero", Projects, "truck k.fuz --grid --speed 0", 2, "nicht 0"},
        // Results that are no numbers were printed as success.
        {"EvalOverflowingOutput",
         [](const fs::path& d) {
             Stretched(d, "truck.fuz", "gross.fuz");
             std::ofstream(d / "ein.txt") << "-2 5\n";
         },
         "eval gross.fuz <ein.txt", 1, "keine endliche Zahl"},
        {"TruckGridOverflowingOutput", [](const fs::path& d) { Stretched(d, "truck.fuz", "gross.fuz"); },
         "truck gross.fuz --grid --svg bahn.svg", 1, "nicht bei endlichen Zahlen"},
        {"LocoOverflowingOutput", [](const fs::path& d) { Stretched(d, "lok.fuz", "gross.fuz"); },
         "loco gross.fuz --svg lauf.svg", 1, "keine endliche Zahl"},
        // Steps without a number ran on with steering 0 or force 0.
        {"TruckTallTerms", [](const fs::path& d) { Towering(d, "truck.fuz"); }, "truck hoch.fuz --start -10,20", 1,
         "nicht bei endlichen Zahlen"},
        {"LocoTallTerms", [](const fs::path& d) { Towering(d, "lok.fuz"); }, "loco hoch.fuz", 1, "keine endliche Zahl"},
    };
    return table;
}

class Hostile : public ::testing::TestWithParam<Case> {};

TEST_P(Hostile, EndsWithAMessageAndWritesNothing) {
    const Case& c = GetParam();
    testfiles::TempDir tmp;
    const fs::path dir = tmp.path() / "w";
    fs::create_directory(dir);
    c.prepare(dir);
    const auto before = Snapshot(dir);
    const Outcome r = Fuzzysim(dir, c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.err.rfind("Fehler: ", 0), 0u) << r.err;
    EXPECT_EQ(Snapshot(dir), before);
}

INSTANTIATE_TEST_SUITE_P(Fuzzysim, Hostile, ::testing::ValuesIn(Cases()),
                         [](const auto& param) { return std::string(param.param.name); });

// The ranges the loco options are checked against are the ones its help states.
TEST(LocoHelp, StatesEveryRangeTheOptionsCheck) {
    testfiles::TempDir tmp;
    const std::string out = (tmp.path() / "hilfe.txt").string();
    ASSERT_EQ(std::system((Quote(FUZZYSIM_BIN) + " loco --help >" + Quote(out)).c_str()), 0);
    const std::string help = Contents(out);
    for (const lab::LocoRange& r : lab::LocoRanges()) {
        std::ostringstream lo, hi;
        lo << r.Lo;
        hi << r.Hi;
        const std::size_t at = help.find(r.Option);
        ASSERT_NE(at, std::string::npos) << r.Option << "\n" << help;
        const std::string from = help.substr(at);
        EXPECT_NE(from.find(lo.str() + " bis " + hi.str()), std::string::npos) << r.Option << "\n" << help;
    }
}

}  // namespace
