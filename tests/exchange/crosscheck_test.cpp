// The exported engines run in fuzzylite (Debian's `fuzzylite` command) and
// agree with this engine: FLL within the centroid's sampling bound, FIS within
// the difference its cell-per-rule form costs (as the file states it). For
// FCL, whose NSUM fuzzylite takes point by point, the difference is measured
// and printed. Skipped when the command is not installed.
#include "exchange/Detail.h"
#include "tests/exchange/Examples.h"
#include "exchange/Exchange.h"
#include "fuzzy/Project.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

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
    const std::string text = exchange::Export(c.format, p, std::string(c.example) + ".fuz");
    const auto points = exchange::detail::MeasureGrid(p.A, p.B);
    const std::vector<double> theirs = RunFuzzylite(cmd, p, c.format, text);
    ASSERT_EQ(theirs.size(), points.size());

    const auto grid = exchange::detail::ChooseGrid(p.Out, c.format == Format::Fll ? 0 : 100);
    // This engine rounds to single precision at every step.
    const double rounding = 2e-5 * std::max(1.0, std::fabs(grid.hi - grid.lo));
    double allowed = grid.bound + rounding;
    if (c.format == Format::Fis) {
        // The figure the file states for fuzzylite's sampling.
        allowed += exchange::detail::CellRuleDeviation(p, exchange::detail::kFisAggregation, grid).sampled;
    }
    double worst = 0.0;
    int unfired = 0;
    int onFlank = 0;
    for (std::size_t n = 0; n < points.size(); ++n) {
        if (OnVerticalFlank(p.A, points[n].first) || OnVerticalFlank(p.B, points[n].second)) {
            ++onFlank;
            continue;
        }
        const double ours = exchange::detail::EngineOutput(p, points[n]);
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

namespace {

using exchange::Format;

// fuzzylite's own rewrite of an export (`-i e -o b -decimals 9`, same format):
// its text, without our comments and the names and ranges they carry.
std::string RewrittenByFuzzylite(const std::string& cmd, Format f, const std::string& text) {
    testfiles::TempDir dir;
    const std::string ext = exchange::FormatName(f), in = dir.Write("e." + ext, text);
    const std::string out = (dir.path() / ("b." + ext)).string();
    EXPECT_EQ(
        std::system((cmd + " -i '" + in + "' -if " + ext + " -o '" + out + "' -of " + ext + " -decimals 9").c_str()),
        0);
    std::ifstream o(out);
    return std::string(std::istreambuf_iterator<char>(o), std::istreambuf_iterator<char>());
}

class FuzzyliteRewrite : public ::testing::TestWithParam<Format> {};

// Read back, an output term that ends at the range's end keeps its corners
// (lok.fuz's "positiv groß" went from 2.5 to 7.5, 2.4 N became 4.9 N): the
// outputs agree on the grid, apart from points on a vertical flank, which the
// other tool closes.
TEST_P(FuzzyliteRewrite, ImportKeepsTheOutputsOfEveryExample) {
    const std::string cmd = FuzzyliteCommand();
    if (cmd.empty()) GTEST_SKIP() << "fuzzylite is not installed";
    for (const char* example : {"truck", "truck_einachsig", "lok", "heizung", "beispiel"}) {
        const fuzzy::Project p = LoadExample(example);
        const std::string rewritten = RewrittenByFuzzylite(cmd, GetParam(), exchange::Export(GetParam(), p, "e.fuz"));
        ASSERT_EQ(rewritten.find("fuzzysim:"), std::string::npos) << example;
        const fuzzy::Project back = exchange::Import(GetParam(), rewritten).project;
        for (const auto& at : exchange::detail::MeasureGrid(p.A, p.B)) {
            if (OnVerticalFlank(p.A, at.first) || OnVerticalFlank(p.B, at.second)) continue;
            // Where nothing fires each gives its own range's start (the rewritten one is widened).
            const float ours = exchange::detail::EngineOutput(p, at);
            const float want = ours == p.Out.RangeMin ? back.Out.RangeMin : ours;
            ASSERT_NEAR(exchange::detail::EngineOutput(back, at), want, 1e-6 * (p.Out.RangeMax - p.Out.RangeMin))
                << example << " at " << at.first << ", " << at.second;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, FuzzyliteRewrite, ::testing::Values(Format::Fll, Format::Fis, Format::Fcl),
                         [](const auto& param) { return std::string(exchange::FormatName(param.param)); });

class NamesInTheExports : public ::testing::TestWithParam<std::tuple<const char*, Format>> {};

// Names with quotes, comment markers, brackets and keywords of the formats;
// the file name also with line breaks. The export reads back as the project,
// and fuzzylite computes from it what it computes with plain names.
TEST_P(NamesInTheExports, CannotChangeWhatTheFileMeans) {
    const auto [name, f] = GetParam();
    const fuzzy::Project plain = LoadExample("heizung");
    fuzzy::Project p = plain;
    for (fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
        v->Name = name + std::string(" ") + v->Name;
        for (int i = 1; i <= v->UsedTerms(); ++i) v->SetTermName(i, name + std::to_string(i));
    }
    const std::string text = exchange::Export(f, p, name + std::string("\n\r\v\xE2\x80\xA8.fuz"));
    EXPECT_EQ(fuzzy::ProjectText(exchange::Import(f, text).project), fuzzy::ProjectText(p)) << text;
    const std::string cmd = FuzzyliteCommand();
    if (cmd.empty()) GTEST_SKIP() << "fuzzylite is not installed";
    const auto theirs = RunFuzzylite(cmd, p, f, text);
    const auto plainly = RunFuzzylite(cmd, plain, f, exchange::Export(f, plain, "heizung.fuz"));
    for (std::size_t n = 0; n < plainly.size(); ++n) {
        EXPECT_TRUE(theirs.at(n) == plainly[n] || (std::isnan(theirs[n]) && std::isnan(plainly[n]))) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Names, NamesInTheExports,
                         ::testing::Combine(::testing::Values("a\"b'c\\\"", "x # y: term: z Triangle 0 1 2",
                                                              "x'] % [Rules] 1 1, 1 (1) : 1",
                                                              "x; END_FUZZIFY // (* y *) /* z */ RULE 1 : IF then"),
                                            ::testing::Values(Format::Fll, Format::Fis, Format::Fcl)));

}  // namespace
