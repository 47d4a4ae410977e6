// The exported engines run in fuzzylite (Debian's `fuzzylite` command) and
// agree with this engine: FLL within the centroid's sampling bound, FIS within
// the difference its cell-per-rule form costs (as the file states it). For
// FCL, whose NSUM fuzzylite takes point by point, the difference is measured
// and printed. Skipped when the command is not installed.
#include "exchange/Detail.h"
#include "tests/exchange/Examples.h"
#include "exchange/Exchange.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using exchange::Format;

std::string FuzzyliteCommand() {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string d; std::getline(dirs, d, ':');) {
        const auto p = std::filesystem::path(d) / "fuzzylite";
        std::error_code ec;
        if (!d.empty() && std::filesystem::is_regular_file(p, ec)) return p.string();
    }
    return {};
}

struct Case {
    const char* example;
    Format format;
    bool heights = false;  // input terms with heights below 1, as each format carries them
};

class CrossCheck : public ::testing::TestWithParam<Case> {};

// fuzzylite's outputs for the points of MeasureGrid, one per line ("nan" where
// nothing fires and the format has no default).
std::vector<double> RunFuzzylite(const std::string& cmd, const fuzzy::Project& p, Format f, const std::string& text) {
    testfiles::TempDir dir;
    const std::string engine = dir.Write(std::string("engine.") + exchange::FormatName(f), text);
    std::string inputs;
    for (const auto& pt : exchange::detail::MeasureGrid(p.A, p.B)) {
        inputs += exchange::detail::Num(pt.first);
        if (p.B.Defined) inputs += " " + exchange::detail::Num(pt.second);
        inputs += "\n";
    }
    const std::string in = dir.Write("inputs.fld", inputs);
    const std::string out = (dir.path() / "out.fld").string();
    const std::string call = cmd + " -i '" + engine + "' -if " + exchange::FormatName(f) + " -o '" + out +
                             "' -of fld -d '" + in + "' -decimals 12 -dheader false -dinputs false >/dev/null 2>&1";
    const int status = std::system(call.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << call;
    std::ifstream o(out);
    std::vector<double> values;
    for (std::string word; o >> word;) values.push_back(word == "nan" ? NAN : std::strtod(word.c_str(), nullptr));
    return values;
}

// Does x sit exactly on a vertical flank of one of v's terms? There the tools
// differ by definition: this engine closes a term's left flank and opens its
// right one, fuzzylite's trapezoid closes both, its point list opens the left.
bool OnVerticalFlank(const fuzzy::TFuzzy& v, float x) {
    if (!v.Defined) return false;
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        const float a = v.GetParam(i, 1), b = v.GetParam(i, 2), c = v.GetParam(i, 3), d = v.GetParam(i, 4);
        if ((a == b && x == a) || (c == d && x == c)) return true;
    }
    return false;
}

TEST_P(CrossCheck, FuzzyliteAgreesWithinTheStatedBound) {
    const std::string cmd = FuzzyliteCommand();
    if (cmd.empty()) GTEST_SKIP() << "fuzzylite is not installed";
    const Case& c = GetParam();
    fuzzy::Project p = LoadExample(c.example);
    if (c.heights) {
        p.A.SetParam(2, fuzzy::ParamH, 0.6f);
        p.B.SetParam(1, fuzzy::ParamH, 0.25f);
        p.B.SetParam(3, fuzzy::ParamH, 0.8f);
    }
    const std::string text = exchange::Export(c.format, p.A, p.B, p.Out, p.Rules, std::string(c.example) + ".fuz");
    const auto points = exchange::detail::MeasureGrid(p.A, p.B);
    const std::vector<double> theirs = RunFuzzylite(cmd, p, c.format, text);
    ASSERT_EQ(theirs.size(), points.size());

    const auto grid = exchange::detail::ChooseGrid(p.Out, c.format == Format::Fll ? 0 : 100);
    // This engine rounds to single precision at every step.
    const double rounding = 2e-5 * std::max(1.0, std::fabs(grid.hi - grid.lo));
    double allowed = grid.bound + rounding;
    if (c.format == Format::Fis) {
        // The figure the file states for fuzzylite's sampling.
        allowed +=
            exchange::detail::CellRuleDeviation(p.Rules, p.A, p.B, p.Out, exchange::detail::kFisAggregation, grid)
                .sampled;
    }
    double worst = 0.0;
    int unfired = 0;
    int onFlank = 0;
    for (std::size_t n = 0; n < points.size(); ++n) {
        if (OnVerticalFlank(p.A, points[n].first) || OnVerticalFlank(p.B, points[n].second)) {
            ++onFlank;
            continue;
        }
        const double ours = exchange::detail::EngineOutput(p.Rules, p.A, p.B, p.Out, points[n]);
        if (std::isnan(theirs[n])) {
            // Only FIS has no default; there nothing may fire.
            EXPECT_EQ(c.format, Format::Fis);
            EXPECT_EQ(ours, p.Out.RangeMin);
            ++unfired;
            continue;
        }
        const double diff = std::fabs(theirs[n] - ours);
        worst = std::max(worst, diff);
        if (c.format != Format::Fcl) {
            EXPECT_LE(diff, allowed) << c.example << " at " << points[n].first << ", " << points[n].second << ": ours "
                                     << ours << ", fuzzylite " << theirs[n];
        }
    }
    std::printf("[ measured ] %s%s.%s: largest difference %.3g over %zu points (allowed %.3g%s)\n", c.example,
                c.heights ? " with heights" : "", exchange::FormatName(c.format), worst,
                points.size() - static_cast<std::size_t>(unfired + onFlank), c.format == Format::Fcl ? 0.0 : allowed,
                c.format == Format::Fcl ? ", reported only" : "");
}

INSTANTIATE_TEST_SUITE_P(Examples, CrossCheck,
                         ::testing::Values(Case{"truck", Format::Fll}, Case{"lok", Format::Fll},
                                           Case{"heizung", Format::Fll}, Case{"truck", Format::Fis},
                                           Case{"lok", Format::Fis}, Case{"heizung", Format::Fis},
                                           Case{"truck", Format::Fcl}, Case{"lok", Format::Fcl},
                                           Case{"heizung", Format::Fcl}, Case{"heizung", Format::Fll, true},
                                           Case{"heizung", Format::Fis, true}, Case{"heizung", Format::Fcl, true}),
                         [](const auto& param) {
                             return std::string(param.param.example) + (param.param.heights ? "_heights_" : "_") +
                                    exchange::FormatName(param.param.format);
                         });

}  // namespace
