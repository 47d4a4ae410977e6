// What the C export refuses, and what the generated source refuses to be
// compiled with; names from the project never break the source.
#include "tests/exchange/c/CProbe.h"
#include "tests/fuzzy/EngineTest.h"
#include "exchange/ExportC.h"
#include "tests/exchange/Examples.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
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
                              {"regler_2", true},
                              {"Regler_2", false},  // upper case: would share REGLER_2_... with regler_2
                              {"AB", false},
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
    // Without its comments, as the preprocessor keeps it, the code is that of plain names.
    auto code = [&dir](const std::string& text) {
        const std::string f = dir.Write("code.c", text);
        return cprobe::Shell("(gcc -fpreprocessed -dD -E -P " + cprobe::Quote(f) + " 2>/dev/null)").output;
    };
    o.quelle = "klein.fuz";
    const exchange::CExport plain = exchange::ExportC(Small(), o);
    EXPECT_EQ(code(e.source), code(plain.source));
    EXPECT_EQ(code(e.header), code(plain.header));
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

// Where the result could differ the source stops, naming the cause; where it
// cannot (FLT_EVAL_METHOD 16 with _Float16, contraction in ISO mode, where GCC
// sets __GCC_IEC_559 to 0 too) it compiles. Rows whose mode this compiler
// lacks (condition false) are left out.
TEST(CExport, BuildsOnlyWhereTheResultCannotDiffer) {
    struct Case {
        std::string flags, condition;
        const char* says;  // nullptr: compiles cleanly
    };
    const Case cases[] = {
        {"-std=c99 -fsingle-precision-constant", "1", "fsingle_precision_constant"},
        {"-std=c11 -fsingle-precision-constant", "1", "-fsingle-precision-constant"},
        {"-std=c99 -fno-signed-zeros", "1", "-fno-signed-zeros"},
        {"-std=c99 -freciprocal-math", "1", "-freciprocal-math"},
        {"-std=c89", "1", "C99 oder neuer"},
        {"-std=c99 -m32 -ffreestanding -mfpmath=387", "FLT_EVAL_METHOD == 2", "-mfpmath=sse"},
        {"-std=gnu11 -mavx512fp16", "FLT_EVAL_METHOD == 16", nullptr},
        {"-std=c99 -ffp-contract=fast", "1", nullptr},
    };
    if (!cprobe::Have("gcc")) GTEST_SKIP() << "gcc fehlt";
    testfiles::TempDir dir;
    const exchange::CExport e = Export(Small());
    dir.Write("fuzzy.h", e.header);
    const std::string src = dir.Write("fuzzy.c", e.source);
    for (const Case& c : cases) {
        const std::string probe =
            dir.Write("probe.c", "#include <float.h>\n#if !(" + c.condition + ")\n#error\n#endif\nint probe;\n");
        const std::string gcc = "gcc -Wall -Wextra -pedantic -Werror " + c.flags + " -o /dev/null -c ";
        if (cprobe::Shell(gcc + cprobe::Quote(probe)).status != 0) continue;
        const cprobe::Outcome o = cprobe::Shell(gcc + cprobe::Quote(src));
        EXPECT_EQ(o.status == 0, c.says == nullptr) << c.flags << "\n" << o.output;
        EXPECT_TRUE(!c.says || o.output.find(c.says) != std::string::npos) << c.flags << "\n" << o.output;
    }
}

// The range macros in C++11 and C++14 (no hexadecimal floating constants
// there) and C++17: exactly the project's floats, subnormal and largest ones too.
TEST(CExport, RangeMacrosAreExactInEveryCxx) {
    fuzzy::Project p = Small();
    p.A.RangeMin = -0.0f;
    p.A.RangeMax = std::numeric_limits<float>::denorm_min();
    p.B.RangeMin = 0.1f;
    p.B.RangeMax = std::numeric_limits<float>::max();
    testfiles::TempDir dir;
    dir.Write("fuzzy.h", Export(p).header);
    const std::string prog = dir.Write(
        "m.cpp",
        "#include \"fuzzy.h\"\n#include <cstdio>\n#include <cstring>\n#include <initializer_list>\nint main() {\n"
        "    for (float x : {FUZZY_A_MIN, FUZZY_A_MAX, FUZZY_B_MIN, FUZZY_B_MAX}) {\n"
        "        unsigned u;\n        std::memcpy(&u, &x, 4);\n"
        "        std::printf(\"%u \", u);\n    }\n}\n");
    std::string want;
    for (float x : {p.A.RangeMin, p.A.RangeMax, p.B.RangeMin, p.B.RangeMax})
        want += std::to_string(cprobe::Bits(x)) + " ";
    for (const char* cxx : {"g++", "clang++"}) {
        if (!cprobe::Have(cxx)) continue;
        for (const char* standard : {"-std=c++11", "-std=c++14", "-std=c++17"}) {
            const std::string exe = (dir.path() / "m").string();
            const cprobe::Outcome built =
                cprobe::Shell(std::string(cxx) + " " + standard + " -Wall -pedantic -Werror " + cprobe::Quote(prog) +
                              " -o " + cprobe::Quote(exe));
            ASSERT_EQ(built.status, 0) << cxx << " " << standard << "\n" << built.output;
            EXPECT_EQ(cprobe::Shell(cprobe::Quote(exe)).output, want) << cxx << " " << standard;
        }
    }
}

// SOURCE_DATE_EPOCH as reproducible builds define it (seconds, UTC); anything
// else in it is refused rather than replaced by today.
TEST(CExport, DateFollowsSourceDateEpoch) {
    const std::pair<const char*, const char*> cases[] = {{"0", "1970-01-01"},
                                                         {"1700000000", "2023-11-14"},
                                                         {"253402300799", "9999-12-31"},
                                                         {"", nullptr},
                                                         {"-1", nullptr},
                                                         {"1e9", nullptr},
                                                         {"253402300800", nullptr}};
    for (const auto& [value, date] : cases) {
        ::setenv("SOURCE_DATE_EPOCH", value, 1);
        exchange::CExportOptions o;
        if (date == nullptr) {
            EXPECT_THROW(exchange::ExportC(Small(), o), exchange::ExportError) << value;
        } else {
            EXPECT_NE(exchange::ExportC(Small(), o).source.find(std::string("am ") + date), std::string::npos) << value;
        }
    }
    ::unsetenv("SOURCE_DATE_EPOCH");
}

// What the header says of NaN and infinite inputs: the range's start, as
// when no rule fires (the generated step gives the engine's bits).
TEST(CExport, OddInputsGiveWhatTheHeaderSays) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    for (const char* example : {"beispiel", "heizung", "truck", "truck_einachsig", "lok"}) {
        fuzzy::Project p = LoadExample(example);
        EXPECT_NE(Export(p).header.find("FUZZY_OUT_MIN, der Bereichsanfang"), std::string::npos) << example;
        for (const auto& [a, b] : {std::pair{NAN, 1.0f}, {inf, 1.0f}, {-inf, 1.0f}, {1.0f, NAN}, {1.0f, -inf}}) {
            if (!p.B.Defined && b != 1.0f) continue;
            EXPECT_EQ(cprobe::EngineBits(p, a, b), cprobe::Bits(p.Out.RangeMin)) << example << " " << a << ", " << b;
        }
    }
}

}  // namespace
