// The generated C controller gives the engine's result bit for bit: on the
// shipped examples and on random projects, with gcc and clang, unoptimised
// and optimised, under the strictest warnings.
#include "tests/exchange/c/CProbe.h"
#include "tests/fuzzy/EngineTest.h"
#include "exchange/ExportC.h"
#include "tests/exchange/c/RandomProject.h"

#include "tests/support/TestFiles.h"
#include "tests/exchange/Examples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using cprobe::Case;
using cprobe::Compiler;

const std::vector<std::string> kExamples = {"beispiel", "heizung", "truck", "truck_einachsig", "lok"};

// How many random pairs per example besides the probes; FUZZY_CEXPORT_PAIRS
// raises it (scripts/cexport-check.sh runs a million).
std::size_t RandomPairs() {
    if (const char* n = std::getenv("FUZZY_CEXPORT_PAIRS"))
        return static_cast<std::size_t>(std::strtoul(n, nullptr, 10));
    return 20000;
}

// Every probe of A with every probe of B, then random pairs.
std::vector<Case> CasesFor(std::uint32_t index, const fuzzy::Project& p, std::size_t randomPairs, std::mt19937& rng) {
    std::vector<Case> cases;
    const auto pa = cprobe::Probes(p.A);
    const auto pb = p.B.Defined ? cprobe::Probes(p.B) : std::vector<float>{0.0f};
    for (float a : pa) {
        for (float b : pb) cases.push_back({index, a, b});
    }
    for (std::size_t n = 0; n < randomPairs; ++n) {
        cases.push_back({index, cprobe::RandomInput(rng, p.A), p.B.Defined ? cprobe::RandomInput(rng, p.B) : 0.0f});
    }
    return cases;
}

struct Mismatches {
    std::size_t count = 0;
    std::string first;
};

Mismatches Compare(std::vector<fuzzy::Project> projects, const std::vector<Case>& cases,
                   const std::vector<std::uint32_t>& bits) {
    Mismatches m;
    if (bits.size() != cases.size()) {
        m.count = cases.size();
        m.first = "der Treiber lieferte " + std::to_string(bits.size()) + " von " + std::to_string(cases.size());
        return m;
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& k = cases[i];
        const std::uint32_t want = cprobe::EngineBits(projects[k.project], k.a, k.b);
        if (cprobe::SameResult(bits[i], want)) continue;
        if (m.count++ == 0) {
            char buf[200];
            std::snprintf(buf, sizeof buf, "Projekt %u, a=%a, b=%a: C %08x (%.9g), Engine %08x (%.9g)", k.project,
                          double(k.a), double(k.b), bits[i], double(cprobe::FromBits(bits[i])), want,
                          double(cprobe::FromBits(want)));
            m.first = buf;
        }
    }
    return m;
}

std::vector<Compiler> StrictCompilers() {
    std::vector<Compiler> cs;
    for (const char* cc : {"gcc", "clang"}) {
        if (!cprobe::Have(cc)) continue;
        for (const char* level : {"-O0", "-O2"}) {
            Compiler c{cc, cprobe::StrictFlags()};
            c.flags.push_back(level);
            cs.push_back(c);
        }
    }
    return cs;
}

void ExpectIdentical(const std::vector<fuzzy::Project>& projects, const std::vector<Case>& cases,
                     const std::vector<Compiler>& compilers, bool separately) {
    if (compilers.empty()) GTEST_SKIP() << "weder gcc noch clang gefunden";
    testfiles::TempDir dir;
    int n = 0;
    for (const Compiler& c : compilers) {
        const cprobe::Run run = cprobe::Compile(projects, cases, c, dir.path() / std::to_string(n++), separately);
        ASSERT_TRUE(run.compiled) << c.Label() << "\n" << run.log;
        const Mismatches m = Compare(projects, cases, run.bits);
        EXPECT_EQ(m.count, 0u) << c.Label() << ": " << m.first;
        std::printf("%s: %zu Paare bitgleich\n", c.Label().c_str(), cases.size() - m.count);
    }
}

TEST(CExportIdentity, ExamplesGiveTheEnginesBitsOnProbesAndRandomPairs) {
    std::mt19937 rng(17);
    std::vector<fuzzy::Project> projects;
    std::vector<Case> cases;
    for (const auto& name : kExamples) {
        projects.push_back(LoadExample(name));
        const auto more =
            CasesFor(static_cast<std::uint32_t>(projects.size() - 1), projects.back(), RandomPairs(), rng);
        cases.insert(cases.end(), more.begin(), more.end());
    }
    // The examples as a user builds them: each source with its header, on its own.
    ExpectIdentical(projects, cases, StrictCompilers(), true);
}

TEST(CExportIdentity, RandomProjectsGiveTheEnginesBits) {
    std::mt19937 rng(1717);
    std::vector<fuzzy::Project> projects;
    std::vector<Case> cases;
    while (projects.size() < 200) {
        projects.push_back(cprobe::RandomProject(rng));
        const auto more = CasesFor(static_cast<std::uint32_t>(projects.size() - 1), projects.back(), 0, rng);
        // Not every probe pair: a sample of them, and random pairs.
        std::sample(more.begin(), more.end(), std::back_inserter(cases), 300, rng);
        for (int n = 0; n < 200; ++n) {
            const fuzzy::Project& p = projects.back();
            cases.push_back({static_cast<std::uint32_t>(projects.size() - 1), cprobe::RandomInput(rng, p.A),
                             p.B.Defined ? cprobe::RandomInput(rng, p.B) : cprobe::RandomInput(rng, p.A)});
        }
    }
    // All 200 in one unit: their names must not collide either.
    ExpectIdentical(projects, cases, StrictCompilers(), false);
}

// Fusing a product and a sum into one FMA would round once instead of twice;
// the generated code has no such pair whose product is inexact.
TEST(CExportIdentity, ContractionToFmaChangesNoBit) {
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("fma")) GTEST_SKIP() << "der Prozessor kann kein FMA";
    std::vector<Compiler> cs;
    if (cprobe::Have("gcc")) cs.push_back({"gcc", {"-std=gnu99", "-O2", "-march=haswell", "-ffp-contract=fast"}});
    if (cprobe::Have("clang")) cs.push_back({"clang", {"-std=c99", "-O2", "-mfma", "-ffp-contract=fast"}});
    std::mt19937 rng(99);
    std::vector<fuzzy::Project> projects;
    std::vector<Case> cases;
    for (const auto& name : kExamples) projects.push_back(LoadExample(name));
    while (projects.size() < 60) projects.push_back(cprobe::RandomProject(rng));
    for (std::size_t i = 0; i < projects.size(); ++i) {
        const auto more = CasesFor(static_cast<std::uint32_t>(i), projects[i], 300, rng);
        cases.insert(cases.end(), more.begin(), more.end());
    }
    ExpectIdentical(projects, cases, cs, false);
}

// A project where the sign of a zero activation shows in the result. Output
// term 1 gets a tiny activation (A1 and B1) whose moment rounds to -0 in
// float, so the sum of moments is -0 when term 2 comes; term 2 gets -0 from
// A2 (its height is -0) and B2, and with `thenPlusZero` +0 from A3 (which does
// not fire) and B1, applied later by the engine. The result is term 2's
// activation's zero, divided by the tiny sum of areas.
fuzzy::Project ZeroSignProject(bool thenPlusZero) {
    const float beforeOne = std::nextafter(1.0f, 0.0f);
    fuzzy::Project p;
    p.A = MakeVariable("a", -10, 10,
                       {{"t1", -10, -10, 10, 10, 1e-39f}, {"t2", -10, -10, 10, 10, -0.0f}, {"t3", 20, 21, 22, 23, 1}});
    p.B = MakeVariable("b", -10, 10, {{"t1", -10, -10, 10, 10, 1}, {"t2", -10, -10, 10, 10, 1}});
    p.Out = MakeVariable("y", -10, 10, {{"t1", -1, -1, beforeOne, beforeOne, 1}, {"t2", 0, 1, 1, 2, 1}});
    p.Rules.Set(1, 1, 1);
    p.Rules.Set(2, 2, 2);
    if (thenPlusZero) p.Rules.Set(1, 3, 2);
    return p;
}

// Where -0 and +0 meet in the maximum, the one applied last wins.
TEST(CExportIdentity, RuleOrderDecidesTheSignOfAZero) {
    const fuzzy::Project p = ZeroSignProject(true);
    fuzzy::Project engine = p;
    ASSERT_EQ(cprobe::EngineBits(engine, 0.0f, 0.0f), 0x00000000u) << "the engine's result is no longer +0 here";
    ExpectIdentical({p}, {{0, 0.0f, 0.0f}}, StrictCompilers(), true);
}

// A membership of -0 does not fire, yet its rule turns a +0 activation into
// -0: only when every membership is >= +0 may the rules of terms that do not
// fire be left out.
TEST(CExportIdentity, RuleWithMinusZeroMembershipIsNotLeftOut) {
    const fuzzy::Project p = ZeroSignProject(false);
    fuzzy::Project engine = p;
    ASSERT_EQ(cprobe::EngineBits(engine, 0.0f, 0.0f), 0x80000000u) << "the engine's result is no longer -0 here";
    ExpectIdentical({p}, {{0, 0.0f, 0.0f}}, StrictCompilers(), true);
}

}  // namespace
