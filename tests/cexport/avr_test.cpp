// The same generated source on the 8-bit ATmega328P (avr-gcc, where double is
// only single precision), run under simavr: within the derived bound of the
// exact result at every point of the 41 x 41 grid, and the figures of flash,
// RAM and cycles per step. The Arduino sketch builds against it too.
#include "CProbe.h"
#include "Detail.h"
#include "ExportC.h"
#include "TestFiles.h"

#include "Examples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using cprobe::Quote;
using cprobe::Shell;

const std::string kAvrFlags = "-mmcu=atmega328p -Os -std=c99 -Wall -Wextra -pedantic -Werror";
constexpr double kClock = 16e6;

bool AvrToolsMissing(std::string& which) {
    for (const char* tool : {"avr-gcc", "avr-g++", "avr-size", "simavr"}) {
        if (!cprobe::Have(tool)) {
            which = tool;
            return true;
        }
    }
    return false;
}

#define SKIP_WITHOUT_AVR()                                                                                            \
    do {                                                                                                              \
        std::string missing;                                                                                          \
        if (AvrToolsMissing(missing))                                                                                 \
            GTEST_SKIP() << missing << " fehlt (Debian: gcc-avr, avr-libc, simavr; scripts/test.sh installiert sie)"; \
    } while (0)

void WriteText(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

// The project's export as fuzzy.c / fuzzy.h in dir.
void ExportInto(const fuzzy::Project& p, const fs::path& dir) {
    exchange::CExportOptions o;
    o.quelle = "avr.fuz";
    o.headerName = "fuzzy.h";
    const exchange::CExport e = exchange::ExportC(p, o);
    WriteText(dir / "fuzzy.h", e.header);
    WriteText(dir / "fuzzy.c", e.source);
}

// text, data, bss of an ELF file.
std::array<long, 3> Sizes(const fs::path& elf) {
    const cprobe::Outcome o = Shell("avr-size " + Quote(elf.string()));
    std::istringstream in(o.output);
    std::string header;
    std::getline(in, header);
    std::array<long, 3> s{-1, -1, -1};
    in >> s[0] >> s[1] >> s[2];
    return s;
}

struct Measured {
    bool ok = false;
    std::string log;
    std::vector<std::uint32_t> bits;
    std::vector<long> cycles;
    long stack = -1;
};

// Strips simavr's colour codes and reads the firmware's lines "E index bits
// cycles" and "S stack".
Measured Parse(const std::string& out, std::size_t expected) {
    Measured m;
    std::string clean;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\x1b') {
            while (i < out.size() && out[i] != 'm') ++i;
            continue;
        }
        clean += out[i];
    }
    std::istringstream in(clean);
    for (std::string line; std::getline(in, line);) {
        std::istringstream l(line);
        std::string tag;
        l >> tag;
        if (tag == "E") {
            std::string index, bits, cycles;
            l >> index >> bits >> cycles;
            if (std::stoul(index, nullptr, 16) != m.bits.size()) break;
            m.bits.push_back(static_cast<std::uint32_t>(std::stoul(bits.substr(0, 8), nullptr, 16)));
            m.cycles.push_back(std::stol(cycles.substr(0, 4), nullptr, 16));
        } else if (tag == "S") {
            std::string n;
            l >> n;
            m.stack = std::stol(n.substr(0, 4), nullptr, 16);
        }
    }
    m.ok = m.bits.size() == expected && m.stack >= 0;
    if (!m.ok) m.log = out.substr(0, 2000);
    return m;
}

Measured RunOnAvr(const fuzzy::Project& p, const std::vector<exchange::detail::InputPoint>& grid, const fs::path& dir) {
    fs::create_directories(dir);
    ExportInto(p, dir);
    std::ostringstream table;
    table << "#define ANZAHL " << grid.size() << "u\nstatic const uint32_t eingaben[ANZAHL][2] PROGMEM = {\n";
    for (const auto& [a, b] : grid) table << "    {" << cprobe::Bits(a) << "UL, " << cprobe::Bits(b) << "UL},\n";
    table << "};\n";
    WriteText(dir / "eingaben.h", table.str());
    const fs::path elf = dir / "messung.elf";
    const cprobe::Outcome built =
        Shell("avr-gcc " + kAvrFlags + " -I" + Quote(dir.string()) + " " + Quote(FUZZY_AVR_DIR "/messung.c") + " " +
              Quote((dir / "fuzzy.c").string()) + " -o " + Quote(elf.string()));
    if (built.status != 0) {
        Measured m;
        m.log = built.output;
        return m;
    }
    // The firmware ends itself; the time limit only guards against a hang.
    const cprobe::Outcome ran = Shell("timeout 300 simavr -m atmega328p -f 16000000 " + Quote(elf.string()));
    return Parse(ran.output, grid.size());
}

class CExportAvr : public ::testing::TestWithParam<const char*> {};

TEST_P(CExportAvr, StaysWithinTheDerivedBoundOnTheGrid) {
    SKIP_WITHOUT_AVR();
    fuzzy::Project p = LoadExample(GetParam());
    const auto grid = exchange::detail::MeasureGrid(p.A, p.B);
    testfiles::TempDir dir;
    const Measured m = RunOnAvr(p, grid, dir.path());
    ASSERT_TRUE(m.ok) << m.log;
    const double range = double(p.Out.RangeMax) - p.Out.RangeMin;
    double worst = 0.0, worstBound = 0.0;
    int outside = 0;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const float exact = cprobe::FromBits(cprobe::EngineBits(p, grid[i].first, grid[i].second));
        const double bound = exchange::SinglePrecisionBound(p, grid[i].first, grid[i].second);
        const double dev = std::fabs(double(cprobe::FromBits(m.bits[i])) - exact);
        if (!(dev <= bound)) {
            if (outside++ == 0) {
                ADD_FAILURE() << GetParam() << ": bei a=" << grid[i].first << ", b=" << grid[i].second << " AVR "
                              << cprobe::FromBits(m.bits[i]) << ", exakt " << exact << ", Schranke " << bound;
            }
        }
        worst = std::max(worst, dev);
        if (std::isfinite(bound)) worstBound = std::max(worstBound, bound);
    }
    EXPECT_EQ(outside, 0);
    const long cycles = *std::max_element(m.cycles.begin(), m.cycles.end());
    EXPECT_NE(cycles, 0xFFFF) << "ein Schritt brauchte mehr als 65535 Takte";
    std::printf(
        "%s auf dem ATmega328P: %zu Punkte, gr\xC3\xB6\xC3\x9Fte Abweichung %.3g des Ausgangsbereichs "
        "(Schranke %.3g), h\xC3\xB6"
        "chstens %ld Takte = %.3f ms bei 16 MHz, Stapel %ld Bytes\n",
        GetParam(), grid.size(), worst / range, worstBound / range, cycles, cycles / kClock * 1e3, m.stack);
    RecordProperty("deviation", std::to_string(worst / range));
    RecordProperty("cycles", std::to_string(cycles));
    RecordProperty("stack", std::to_string(m.stack));
}

// Flash and RAM of the step alone (with the float library and the start-up
// code): the tables stay in flash, nothing of the controller in RAM.
TEST_P(CExportAvr, StepFitsTheSmallBoard) {
    SKIP_WITHOUT_AVR();
    testfiles::TempDir dir;
    ExportInto(LoadExample(GetParam()), dir.path());
    const fs::path elf = dir.path() / "minimal.elf";
    const cprobe::Outcome built =
        Shell("avr-gcc " + kAvrFlags + " -I" + Quote(dir.path().string()) + " " + Quote(FUZZY_AVR_DIR "/minimal.c") +
              " " + Quote((dir.path() / "fuzzy.c").string()) + " -o " + Quote(elf.string()));
    ASSERT_EQ(built.status, 0) << built.output;
    const auto s = Sizes(elf);
    ASSERT_GE(s[0], 0);
    // Only the three volatile floats of minimal.c: the tables are in flash.
    EXPECT_EQ(s[1] + s[2], 12);
    EXPECT_LE(s[0] + s[1], 8 * 1024);
    std::printf("%s auf dem ATmega328P: Flash %ld Bytes samt Gleitkommabibliothek und Startcode\n", GetParam(),
                s[0] + s[1]);
    RecordProperty("flash", std::to_string(s[0] + s[1]));
}

INSTANTIATE_TEST_SUITE_P(Examples, CExportAvr,
                         ::testing::Values("beispiel", "heizung", "truck", "truck_einachsig", "lok"),
                         [](const auto& param) { return std::string(param.param); });

// The sketch in examples/arduino builds with avr-gcc alone, for a project with
// two inputs and one with one.
TEST(CExportArduino, SketchBuildsWithAvrGccAlone) {
    SKIP_WITHOUT_AVR();
    for (const char* example : {"truck", "truck_einachsig"}) {
        testfiles::TempDir dir;
        ExportInto(LoadExample(example), dir.path());
        const std::string inc = " -I" + Quote(dir.path().string());
        const std::string sketch = FUZZY_SOURCE_DIR "/examples/arduino/fuzzy_regler/fuzzy_regler.ino";
        const cprobe::Outcome cpp = Shell("avr-g++ -mmcu=atmega328p -Os -Wall -Wextra -pedantic -Werror -x c++" + inc +
                                          " -c " + Quote(sketch) + " -o " + Quote((dir.path() / "sketch.o").string()));
        ASSERT_EQ(cpp.status, 0) << example << "\n" << cpp.output;
        const cprobe::Outcome c =
            Shell("avr-gcc " + kAvrFlags + inc + " -c " + Quote((dir.path() / "fuzzy.c").string()) + " -o " +
                  Quote((dir.path() / "fuzzy.o").string()));
        ASSERT_EQ(c.status, 0) << example << "\n" << c.output;
        const cprobe::Outcome link =
            Shell("avr-gcc -mmcu=atmega328p " + Quote((dir.path() / "sketch.o").string()) + " " +
                  Quote((dir.path() / "fuzzy.o").string()) + " -o " + Quote((dir.path() / "sketch.elf").string()));
        ASSERT_EQ(link.status, 0) << example << "\n" << link.output;
        EXPECT_GT(Sizes(dir.path() / "sketch.elf")[0], 0) << example;
    }
}

// The largest figure the source's 8-bit paragraph states, as a fraction of
// the output range: what a reader takes as the worst it can be.
double LargestStatedFraction(const std::string& source) {
    const std::size_t from = source.find("8-Bit-AVR");
    const std::size_t to = source.find("*/", from);
    if (from == std::string::npos || to == std::string::npos) return -1.0;
    const std::string paragraph = source.substr(from, to - from);
    double largest = -1.0;
    for (std::size_t at = paragraph.find(" des"); at != std::string::npos; at = paragraph.find(" des", at + 1)) {
        std::size_t start = at;
        while (start > 0 && std::string("0123456789.e+-").find(paragraph[start - 1]) != std::string::npos) --start;
        if (start < at) largest = std::max(largest, std::strtod(paragraph.substr(start, at - start).c_str(), nullptr));
    }
    return largest;
}

// Inputs off the grid: random ones over the ranges and those just below and
// above every corner (where flanks end and rules fire weakly).
std::vector<exchange::detail::InputPoint> OffTheGrid(const fuzzy::Project& p, std::size_t randomCount,
                                                     std::mt19937& rng) {
    auto near = [](const fuzzy::TFuzzy& v) {
        std::vector<float> xs;
        for (int i = 1; i <= v.UsedTerms(); ++i) {
            for (int j = 1; j <= 4; ++j) {
                float below = v.GetParam(i, j), above = below;
                for (int step = 0; step < 8; ++step) {
                    below = std::nextafter(below, -INFINITY);
                    above = std::nextafter(above, INFINITY);
                    xs.push_back(below);
                    xs.push_back(above);
                }
            }
        }
        return xs;
    };
    auto uniform = [&rng](const fuzzy::TFuzzy& v) {
        return std::uniform_real_distribution<float>(v.RangeMin, v.RangeMax)(rng);
    };
    std::vector<exchange::detail::InputPoint> points;
    for (float a : near(p.A)) points.emplace_back(a, p.B.Defined ? uniform(p.B) : 0.0f);
    if (p.B.Defined) {
        for (float b : near(p.B)) points.emplace_back(uniform(p.A), b);
    }
    for (std::size_t n = 0; n < randomCount; ++n) {
        points.emplace_back(uniform(p.A), p.B.Defined ? uniform(p.B) : 0.0f);
    }
    return points;
}

// One input, two falling flanks that end together near 10.5: there both
// memberships are tiny and single precision computes them with large
// relative errors, so the step can jump between the two centroids.
fuzzy::Project FlanksEndingTogether() {
    fuzzy::Project p;
    p.A = MakeVariable("x", 0, 10.5f, {{"flach", 0, 0, 2, 10.5f, 1}, {"steil", 0, 0, 9, 10.5f, 1}});
    p.Out = MakeVariable("y", 0, 10, {{"klein", 0, 1, 1, 2, 1}, {"gross", 8, 9, 9, 10, 1}});
    p.Rules.Set(1, 1, 1);
    p.Rules.Set(1, 2, 2);
    return p;
}

struct OffGridCase {
    const char* name;
    fuzzy::Project (*make)();
    std::vector<float> extra;  // inputs of A to take in any case
};

class CExportAvrOffGrid : public ::testing::TestWithParam<OffGridCase> {};

// Off the grid the derived bound still holds at every point where it has a
// value, and no deviation exceeds the largest figure the source states. How
// many random points: FUZZY_AVR_RANDOM (scripts/cexport-check.sh raises it).
TEST_P(CExportAvrOffGrid, StaysWithinWhatTheSourceStates) {
    SKIP_WITHOUT_AVR();
    const fuzzy::Project p = GetParam().make();
    std::size_t randomCount = 400;
    if (const char* n = std::getenv("FUZZY_AVR_RANDOM")) randomCount = std::strtoul(n, nullptr, 10);
    std::mt19937 rng(20240501);
    auto points = OffTheGrid(p, randomCount, rng);
    for (float a : GetParam().extra) points.emplace_back(a, 0.0f);
    exchange::CExportOptions o;
    o.headerName = "fuzzy.h";
    const double stated = LargestStatedFraction(exchange::ExportC(p, o).source);
    ASSERT_GT(stated, 0.0);
    const double range = double(p.Out.RangeMax) - p.Out.RangeMin;
    double worst = 0.0;
    long cycles = 0;
    // The firmware holds about 2,500 pairs in flash: runs of 2,000.
    for (std::size_t start = 0; start < points.size(); start += 2000) {
        const std::vector<exchange::detail::InputPoint> part(
            points.begin() + static_cast<std::ptrdiff_t>(start),
            points.begin() + static_cast<std::ptrdiff_t>(std::min(points.size(), start + 2000)));
        testfiles::TempDir dir;
        const Measured m = RunOnAvr(p, part, dir.path());
        ASSERT_TRUE(m.ok) << m.log;
        for (std::size_t i = 0; i < part.size(); ++i) {
            fuzzy::Project q = p;
            const float exact = cprobe::FromBits(cprobe::EngineBits(q, part[i].first, part[i].second));
            const double dev = std::fabs(double(cprobe::FromBits(m.bits[i])) - exact);
            const double bound = exchange::SinglePrecisionBound(p, part[i].first, part[i].second);
            EXPECT_TRUE(std::isinf(bound) || dev <= bound) << GetParam().name << " at " << part[i].first << ", "
                                                           << part[i].second << ": " << dev << " > " << bound;
            EXPECT_LE(dev / range, stated) << GetParam().name << " at " << part[i].first << ", " << part[i].second;
            worst = std::max(worst, dev / range);
        }
        cycles = std::max(cycles, *std::max_element(m.cycles.begin(), m.cycles.end()));
    }
    std::printf(
        "%s auf dem ATmega328P abseits des Rasters: %zu Punkte, gr\xC3\xB6\xC3\x9Fte Abweichung %.3g des "
        "Ausgangsbereichs (angegeben h\xC3\xB6"
        "chstens %.3g), h\xC3\xB6"
        "chstens %ld Takte = %.3f ms bei 16 MHz\n",
        GetParam().name, points.size(), worst, stated, cycles, cycles / kClock * 1e3);
}

fuzzy::Project Example(const char* name) { return LoadExample(name); }

INSTANTIATE_TEST_SUITE_P(
    Projects, CExportAvrOffGrid,
    ::testing::Values(OffGridCase{"flanken", FlanksEndingTogether, {10.499983f, 10.49999f, 10.4999f}},
                      OffGridCase{"beispiel", [] { return Example("beispiel"); }, {}},
                      OffGridCase{"heizung", [] { return Example("heizung"); }, {}},
                      OffGridCase{"truck", [] { return Example("truck"); }, {}},
                      OffGridCase{"truck_einachsig", [] { return Example("truck_einachsig"); }, {}},
                      OffGridCase{"lok", [] { return Example("lok"); }, {}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
