// What the C export refuses, and what the generated source refuses to be
// compiled with; names from the project never break the source.
#include "tests/exchange/c/CProbe.h"
#include "tests/fuzzy/EngineTest.h"
#include "exchange/ExportC.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

fuzzy::Project Small() {
    fuzzy::Project p;
    p.A = MakeVariable("a", -10, 10, {{"t1", -10, -10, -5, 0, 1}, {"t2", -5, 0, 0, 5, 1}, {"t3", 0, 5, 10, 10, 1}});
    p.B = MakeVariable("b", -10, 10, {{"t1", -10, -10, 0, 10, 1}, {"t2", -10, 0, 10, 10, 1}});
    p.Out = MakeVariable("y", -10, 10, {{"t1", -10, -5, -5, 0, 1}, {"t2", -5, 0, 0, 5, 1}, {"t3", 0, 5, 5, 10, 1}});
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 3; ++c) p.Rules.Set(r, c, (r + c) / 2);
    }
    return p;
}

exchange::CExport Export(const fuzzy::Project& p, const std::string& name = "fuzzy") {
    exchange::CExportOptions o;
    o.name = name;
    o.quelle = "klein.fuz";
    o.headerName = name + ".h";
    o.date = "2024-01-01";
    return exchange::ExportC(p, o);
}

struct NameCase {
    const char* name;
    bool ok;
};

TEST(CExport, AcceptsOnlyNamesThatPrefixCIdentifiers) {
    const NameCase cases[] = {{"fuzzy", true},
                              {"Regler_2", true},
                              {"x", true},
                              {"abcdefghijklmnopqrstuvwx", true},  // 24
                              {"abcdefghijklmnopqrstuvwxy", false},
                              {"", false},
                              {"2regler", false},
                              {"_regler", false},
                              {"regel-werk", false},
                              {"regel werk", false},
                              {"r\xC3\xA4"
                               "der",
                               false},
                              {"a;b", false}};
    for (const NameCase& c : cases) {
        EXPECT_EQ(exchange::IsCName(c.name), c.ok) << c.name;
        if (c.ok) {
            EXPECT_NO_THROW(Export(Small(), c.name)) << c.name;
        } else {
            EXPECT_THROW(Export(Small(), c.name), exchange::ExportError) << c.name;
        }
    }
}

TEST(CExport, RefusesProjectsThatAreNoController) {
    struct Case {
        const char* what;
        void (*spoil)(fuzzy::Project&);
        const char* says;
    };
    const Case cases[] = {
        {"kein Eingang A", [](fuzzy::Project& p) { p.A.Defined = false; }, "Eingang A"},
        {"A ohne Terme", [](fuzzy::Project& p) { p.A.TermCount = 0; }, "Eingang A"},
        {"kein Ausgang", [](fuzzy::Project& p) { p.Out.Defined = false; }, "Ausgang"},
        {"Ausgang ohne Terme", [](fuzzy::Project& p) { p.Out.TermCount = 0; }, "Ausgang"},
        {"unendliche Ecke", [](fuzzy::Project& p) { p.B.SetParam(1, 4, INFINITY); }, "endliche"},
        {"NaN als Bereich", [](fuzzy::Project& p) { p.Out.RangeMax = NAN; }, "endliche"},
        // Corners so large that the centroid is infinity over infinity.
        {"Schwerpunkt NaN",
         [](fuzzy::Project& p) {
             for (int j = 1; j <= 4; ++j) p.Out.SetParam(2, j, j < 3 ? 0.0f : 3e38f);
         },
         "Schwerpunkt"},
    };
    for (const Case& c : cases) {
        fuzzy::Project p = Small();
        c.spoil(p);
        try {
            Export(p);
            ADD_FAILURE() << c.what << ": nicht abgelehnt";
        } catch (const exchange::ExportError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(CExport, SourceRefusesFastMathWhenCompiled) {
    const std::vector<cprobe::Compiler> compilers = {{"gcc", {"-std=c99", "-ffast-math"}},
                                                     {"gcc", {"-std=c99", "-O2", "-ffinite-math-only"}},
                                                     {"clang", {"-std=c99", "-Ofast"}}};
    testfiles::TempDir dir;
    const exchange::CExport e = Export(Small());
    dir.Write("fuzzy.h", e.header);
    const std::string src = dir.Write("fuzzy.c", e.source);
    int tried = 0;
    for (const auto& c : compilers) {
        if (!cprobe::Have(c.cc)) continue;
        ++tried;
        std::string cmd = cprobe::Quote(c.cc);
        for (const auto& f : c.flags) cmd += " " + f;
        const cprobe::Outcome o = cprobe::Shell(cmd + " -c " + cprobe::Quote(src) + " -o /dev/null");
        EXPECT_NE(o.status, 0) << c.Label();
        EXPECT_NE(o.output.find("nicht mit -ffast-math"), std::string::npos) << c.Label() << "\n" << o.output;
    }
    if (tried == 0) GTEST_SKIP() << "weder gcc noch clang gefunden";
}

// Comment enders, trigraphs, line breaks, quotes and backslashes in every
// name the comments quote.
TEST(CExport, NamesThatAreNoIdentifiersStillCompile) {
    fuzzy::Project p = Small();
    const std::string nasty = "x */ y /* ?\?/ \\ \"z\" \n ?\?= \xC3\xA4\xE2\x80\x9C \r*";
    for (fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
        v->Name = nasty;
        for (int i = 1; i <= v->UsedTerms(); ++i) v->SetTermName(i, nasty + std::to_string(i));
    }
    exchange::CExportOptions o;
    o.quelle = nasty + ".fuz";
    o.headerName = "fuzzy.h";
    o.date = "*/ 2024";
    const exchange::CExport e = exchange::ExportC(p, o);
    EXPECT_EQ(e.source.find("*/ y"), std::string::npos);
    testfiles::TempDir dir;
    dir.Write("fuzzy.h", e.header);
    const std::string src = dir.Write("fuzzy.c", e.source);
    int tried = 0;
    for (const char* cc : {"gcc", "clang"}) {
        if (!cprobe::Have(cc)) continue;
        ++tried;
        std::string cmd = cc;
        for (const auto& f : cprobe::StrictFlags()) cmd += " " + f;
        // -trigraphs: a "??/" that survived would end a comment line with a backslash.
        const cprobe::Outcome out =
            cprobe::Shell(cmd + " -trigraphs -Wtrigraphs -c " + cprobe::Quote(src) + " -o /dev/null");
        EXPECT_EQ(out.status, 0) << cc << "\n" << out.output;
    }
    if (tried == 0) GTEST_SKIP() << "weder gcc noch clang gefunden";
}

// Newer standards take the other branch of the compile-time checks.
TEST(CExport, CompilesUnderLaterStandardsToo) {
    testfiles::TempDir dir;
    const exchange::CExport e = Export(Small());
    dir.Write("fuzzy.h", e.header);
    const std::string src = dir.Write("fuzzy.c", e.source);
    int tried = 0;
    for (const char* cc : {"gcc", "clang"}) {
        if (!cprobe::Have(cc)) continue;
        for (const char* standard : {"-std=c11", "-std=c17", "-std=gnu11"}) {
            ++tried;
            const cprobe::Outcome o =
                cprobe::Shell(std::string(cc) + " " + standard + " -Wall -Wextra -pedantic -Werror -c " +
                              cprobe::Quote(src) + " -o /dev/null");
            EXPECT_EQ(o.status, 0) << cc << " " << standard << "\n" << o.output;
        }
    }
    if (tried == 0) GTEST_SKIP() << "weder gcc noch clang gefunden";
}

// An output term whose centroid overflows to infinity: the constant comes
// from <math.h>, and the results still match.
TEST(CExport, InfiniteCentroidCompilesAndMatches) {
    fuzzy::Project p = Small();
    const float c = 1.2e19f;
    p.Out.SetParam(3, 1, 0);
    p.Out.SetParam(3, 2, 0);
    p.Out.SetParam(3, 3, c);
    p.Out.SetParam(3, 4, c);
    ASSERT_TRUE(std::isinf(p.Out.TermCentroid(3)));
    const exchange::CExport e = Export(p);
    EXPECT_NE(e.source.find("INFINITY"), std::string::npos);
    if (!cprobe::Have("gcc")) GTEST_SKIP() << "gcc fehlt";
    testfiles::TempDir dir;
    std::vector<cprobe::Case> cases;
    for (float a : cprobe::Probes(p.A)) {
        for (float b : cprobe::Probes(p.B)) cases.push_back({0, a, b});
    }
    cprobe::Compiler gcc{"gcc", cprobe::StrictFlags()};
    gcc.flags.push_back("-O2");
    const cprobe::Run run = cprobe::Compile({p}, cases, gcc, dir.path(), true);
    ASSERT_TRUE(run.compiled) << run.log;
    ASSERT_EQ(run.bits.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_TRUE(cprobe::SameResult(run.bits[i], cprobe::EngineBits(p, cases[i].a, cases[i].b)))
            << cases[i].a << ", " << cases[i].b;
    }
}

}  // namespace
