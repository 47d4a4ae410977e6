// What the C export refuses, and what the generated source refuses to be
// compiled with; names from the project never break the source.
#include "CProbe.h"
#include "EngineTest.h"
#include "Examples.h"
#include "ExportC.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
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

// ---- what the source refuses and accepts when it is compiled -----------------

// Compiles the export of Small() (fuzzy.c with fuzzy.h) with the command; the outcome.
cprobe::Outcome CompileSmall(const std::string& command) {
    testfiles::TempDir dir;
    const exchange::CExport e = Export(Small());
    dir.Write("fuzzy.h", e.header);
    const std::string src = dir.Write("fuzzy.c", e.source);
    return cprobe::Shell(command + " -c " + cprobe::Quote(src) + " -o /dev/null");
}

// Whether the compiler takes the flags at all here (a 32-bit x86 target, an
// instruction set) and, where given, a condition on its macros holds.
bool CompilerOffers(const std::string& command, const std::string& condition = "1") {
    testfiles::TempDir dir;
    const std::string probe =
        dir.Write("probe.c", "#include <float.h>\n#if !(" + condition + ")\n#error no\n#endif\nint probe;\n");
    return cprobe::Shell(command + " -c " + cprobe::Quote(probe) + " -o /dev/null").status == 0;
}

struct BuildCase {
    const char* what;
    std::string command;
    std::string offered;  // the condition under which the row means anything
    const char* says;     // a part of the #error; nullptr: compiles cleanly
};

// Options and modes under which the result could differ stop the build with a
// message naming them; those under which it cannot (FLT_EVAL_METHOD 16 where
// _Float16 exists, contraction in ISO mode, where GCC sets __GCC_IEC_559 to 0
// too) compile cleanly.
TEST(CExport, BuildsOnlyWhereTheResultCannotDiffer) {
    const std::string gcc = "gcc -Wall -Wextra -pedantic -Werror";
    const BuildCase cases[] = {
        {"single-precision constants", gcc + " -std=c99 -fsingle-precision-constant", "1",
         "fsingle_precision_constant"},
        {"single-precision constants in C11", gcc + " -std=c11 -fsingle-precision-constant", "1",
         "-fsingle-precision-constant"},
        {"no signed zeros", gcc + " -std=c99 -fno-signed-zeros", "1", "-fno-signed-zeros"},
        {"reciprocal math", gcc + " -std=c99 -freciprocal-math", "1", "-freciprocal-math"},
        {"unsafe math", gcc + " -std=c99 -funsafe-math-optimizations", "1", "-fassociative-math"},
        {"C89", "gcc -std=c89", "1", "C99"},
        {"GNU89", "gcc -std=gnu89", "1", "C99"},
        {"x87", "gcc -std=c99 -m32 -ffreestanding -mfpmath=387", "FLT_EVAL_METHOD == 2", "-mfpmath=sse"},
        {"x87 in C11", "gcc -std=c11 -m32 -ffreestanding -mfpmath=387", "FLT_EVAL_METHOD == 2", "-mfpmath=sse"},
        {"half precision, GNU mode", gcc + " -std=gnu11 -mavx512fp16", "FLT_EVAL_METHOD == 16", nullptr},
        {"half precision, ISO mode", gcc + " -std=c11 -mavx512fp16", "1", nullptr},
        {"contraction in ISO mode", gcc + " -std=c99 -ffp-contract=fast", "1", nullptr},
        {"SSE on 32-bit x86", gcc + " -std=c99 -m32 -ffreestanding -msse2 -mfpmath=sse", "FLT_EVAL_METHOD == 0",
         nullptr},
    };
    if (!cprobe::Have("gcc")) GTEST_SKIP() << "gcc fehlt";
    int tried = 0;
    for (const BuildCase& c : cases) {
        if (!CompilerOffers(c.command, c.offered)) continue;
        ++tried;
        const cprobe::Outcome o = CompileSmall(c.command);
        if (c.says == nullptr) {
            EXPECT_EQ(o.status, 0) << c.what << "\n" << o.output;
        } else {
            EXPECT_NE(o.status, 0) << c.what;
            EXPECT_NE(o.output.find(c.says), std::string::npos) << c.what << "\n" << o.output;
        }
    }
    EXPECT_GE(tried, 6);
}

// The range macros in C++11 and C++14, which know no hexadecimal floating
// constants, and in C++17: exactly the project's numbers, also where a
// decimal needs many digits (subnormal, largest float, 0.1).
TEST(CExport, RangeMacrosAreExactInEveryCxx) {
    fuzzy::Project p = Small();
    p.A.RangeMin = -0.0f;
    p.A.RangeMax = std::numeric_limits<float>::denorm_min();
    p.B.RangeMin = 0.1f;
    p.B.RangeMax = std::numeric_limits<float>::max();
    p.Out.RangeMin = -std::numeric_limits<float>::max();
    p.Out.RangeMax = std::numeric_limits<float>::min();
    const float want[] = {p.A.RangeMin, p.A.RangeMax, p.B.RangeMin, p.B.RangeMax, p.Out.RangeMin, p.Out.RangeMax};
    testfiles::TempDir dir;
    dir.Write("fuzzy.h", Export(p).header);
    const std::string prog = dir.Write("bereiche.cpp",
                                       "#include \"fuzzy.h\"\n#include <cstdio>\n#include <cstring>\n"
                                       "int main() {\n"
                                       "    const float v[] = {FUZZY_A_MIN, FUZZY_A_MAX, FUZZY_B_MIN, FUZZY_B_MAX,\n"
                                       "                       FUZZY_OUT_MIN, FUZZY_OUT_MAX};\n"
                                       "    for (float x : v) {\n"
                                       "        unsigned long u = 0;\n"
                                       "        std::memcpy(&u, &x, 4);\n"
                                       "        std::printf(\"%lu\\n\", u);\n"
                                       "    }\n}\n");
    int tried = 0;
    for (const char* cxx : {"g++", "clang++"}) {
        if (!cprobe::Have(cxx)) continue;
        for (const char* standard : {"-std=c++11", "-std=c++14", "-std=c++17"}) {
            ++tried;
            const std::string exe = (dir.path() / "bereiche").string();
            const cprobe::Outcome built =
                cprobe::Shell(std::string(cxx) + " " + standard + " -Wall -Wextra -pedantic -Werror " +
                              cprobe::Quote(prog) + " -o " + cprobe::Quote(exe));
            ASSERT_EQ(built.status, 0) << cxx << " " << standard << "\n" << built.output;
            const cprobe::Outcome ran = cprobe::Shell(cprobe::Quote(exe));
            std::string expected;
            for (float x : want) expected += std::to_string(cprobe::Bits(x)) + "\n";
            EXPECT_EQ(ran.output, expected) << cxx << " " << standard;
        }
    }
    if (tried == 0) GTEST_SKIP() << "weder g++ noch clang++ gefunden";
}

struct EpochCase {
    const char* value;  // nullptr: not set
    const char* date;   // nullptr: refused
};

// SOURCE_DATE_EPOCH, read as reproducible builds define it (seconds, UTC);
// anything else in it is refused rather than replaced by today.
TEST(CExport, DateFollowsSourceDateEpoch) {
    const EpochCase cases[] = {{"0", "1970-01-01"},
                               {"86399", "1970-01-01"},
                               {"1700000000", "2023-11-14"},
                               {"253402300799", "9999-12-31"},
                               {"", nullptr},
                               {"abc", nullptr},
                               {"-1", nullptr},
                               {"1e9", nullptr},
                               {"253402300800", nullptr},
                               {"12 ", nullptr}};
    const char* old = std::getenv("SOURCE_DATE_EPOCH");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    exchange::CExportOptions o;
    o.quelle = "klein.fuz";
    for (const EpochCase& c : cases) {
        ::setenv("SOURCE_DATE_EPOCH", c.value, 1);
        if (c.date == nullptr) {
            EXPECT_THROW(exchange::ExportC(Small(), o), exchange::ExportError) << c.value;
        } else {
            EXPECT_NE(exchange::ExportC(Small(), o).source.find(std::string("am ") + c.date), std::string::npos)
                << c.value;
        }
    }
    if (saved) {
        ::setenv("SOURCE_DATE_EPOCH", saved->c_str(), 1);
    } else {
        ::unsetenv("SOURCE_DATE_EPOCH");
    }
}

// What the header says about inputs outside the ranges holds for every
// example: NaN and infinities give NAME_OUT_MIN, as when no rule fires.
TEST(CExport, OddInputsGiveWhatTheHeaderSays) {
    if (!cprobe::Have("gcc")) GTEST_SKIP() << "gcc fehlt";
    constexpr float inf = std::numeric_limits<float>::infinity();
    const float odd[] = {std::numeric_limits<float>::quiet_NaN(), inf, -inf};
    std::vector<fuzzy::Project> projects;
    std::vector<cprobe::Case> cases;
    for (const char* example : {"beispiel", "heizung", "truck", "truck_einachsig", "lok"}) {
        projects.push_back(LoadExample(example));
        const fuzzy::Project& p = projects.back();
        const exchange::CExport e = Export(p);
        EXPECT_NE(e.header.find("FUZZY_OUT_MIN, der Bereichsanfang"), std::string::npos) << example;
        EXPECT_NE(e.header.find("NaN oder unendlich"), std::string::npos) << example;
        EXPECT_NE(e.source.find("FTZ/DAZ"), std::string::npos) << example;
        const auto index = static_cast<std::uint32_t>(projects.size() - 1);
        for (float x : odd) {
            cases.push_back({index, x, p.B.RangeMin});
            if (p.B.Defined) cases.push_back({index, p.A.RangeMin, x});
        }
    }
    testfiles::TempDir dir;
    const cprobe::Run run = cprobe::Compile(projects, cases, {"gcc", cprobe::StrictFlags()}, dir.path(), true);
    ASSERT_TRUE(run.compiled) << run.log;
    ASSERT_EQ(run.bits.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(run.bits[i], cprobe::Bits(projects[cases[i].project].Out.RangeMin))
            << cases[i].project << ": " << cases[i].a << ", " << cases[i].b;
    }
}

// ---- names --------------------------------------------------------------------

// Every name the export accepts has macros and a guard of its own: all
// accepted spellings of one word can be included into one program.
TEST(CExport, AcceptedNamesNeverShareMacros) {
    if (!cprobe::Have("gcc")) GTEST_SKIP() << "gcc fehlt";
    testfiles::TempDir dir;
    std::string driver = "#include <stdio.h>\n";
    std::string calls;
    for (const char* name : {"ab", "AB", "Ab", "aB", "ab_", "ab2", "a_b"}) {
        if (!exchange::IsCName(name)) continue;
        const exchange::CExport e = Export(Small(), name);
        dir.Write(std::string(name) + ".h", e.header);
        dir.Write(std::string(name) + ".c", e.source);
        driver += std::string("#include \"") + name + ".h\"\n";
        calls += std::string("    printf(\"%g\\n\", (double)") + name + "_step(1.0f, 2.0f));\n";
    }
    const std::string src = dir.Write("treiber.c", driver + "int main(void)\n{\n" + calls + "    return 0;\n}\n");
    std::string cmd = "gcc";
    for (const auto& f : cprobe::StrictFlags()) cmd += " " + f;
    const cprobe::Outcome o =
        cprobe::Shell(cmd + " -I" + cprobe::Quote(dir.path().string()) + " -c " + cprobe::Quote(src) + " -o /dev/null");
    EXPECT_EQ(o.status, 0) << o.output;
}

struct HeaderNameCase {
    const char* what;
    std::string name;
    bool ok;
};

// The header's file name goes between the quotes of #include: what could end
// the quotes, start a line, be read as a backslash or has no defined meaning
// there is refused; everything else is written as it is and compiles.
TEST(CExport, HeaderNamesNeverBecomeCode) {
    const HeaderNameCase cases[] = {
        {"injected function", "p.h\"\nint injected(void) { return 42; }\n#include \"p.h", false},
        {"quote", "a\"b.h", false},
        {"backslash", "a\\b.h", false},
        {"apostrophe", "a'b.h", false},
        {"trigraph", "a?\?/b.h", false},
        {"carriage return", "a\rb.h", false},
        {"next line",
         "a\xC2\x85"
         "b.h",
         false},
        {"line separator",
         "a\xE2\x80\xA8"
         "b.h",
         false},
        {"not UTF-8",
         "a\xFF"
         "b.h",
         false},
        {"plain", "regler.h", true},
        {"blanks, umlaut, dashes", "Regler f\xC3\xBCr Lok-1.h", true},
        {"comment markers apart", "a*b+c-d.h", true},
    };
    testfiles::TempDir dir;
    for (const HeaderNameCase& c : cases) {
        exchange::CExportOptions o;
        o.headerName = c.name;
        o.date = "2024-01-01";
        EXPECT_EQ(exchange::IsCHeaderName(c.name), c.ok) << c.what;
        if (!c.ok) {
            EXPECT_THROW(exchange::ExportC(Small(), o), exchange::ExportError) << c.what;
            continue;
        }
        const exchange::CExport e = exchange::ExportC(Small(), o);
        EXPECT_NE(e.source.find("#include \"" + c.name + "\"\n"), std::string::npos) << c.what;
        if (!cprobe::Have("gcc")) continue;
        dir.Write(c.name, e.header);
        const std::string src = dir.Write("quelle.c", e.source);
        std::string cmd = "gcc";
        for (const auto& f : cprobe::StrictFlags()) cmd += " " + f;
        const cprobe::Outcome out = cprobe::Shell(cmd + " -I" + cprobe::Quote(dir.path().string()) + " -c " +
                                                  cprobe::Quote(src) + " -o /dev/null");
        EXPECT_EQ(out.status, 0) << c.what << "\n" << out.output;
    }
}

// The code without its comments, as the preprocessor keeps it: names from the
// project may change the comments, never the code.
std::string CodeOnly(const std::string& text) {
    testfiles::TempDir dir;
    const std::string file = dir.Write("code.c", text);
    return cprobe::Shell("(gcc -fpreprocessed -dD -E -P " + cprobe::Quote(file) + " 2>/dev/null)").output;
}

// Comment enders, quotes, line breaks, trigraphs, directives and code in every
// name that reaches the source: the code is that of plain names.
TEST(CExport, ProjectNamesChangeOnlyTheComments) {
    if (!cprobe::Have("gcc")) GTEST_SKIP() << "gcc fehlt";
    const std::string names[] = {
        "*/ int injected(void) { return 42; } /*",
        "\n#define fuzzy_step(a, b) 42\n",
        "\"); } int x = (\"",
        "?\?/\n#error",
        "\\\n#include <stdio.h>",
        "// x \xE2\x80\xA8 y \xC2\x85 z \r */",
    };
    exchange::CExportOptions plainOptions;
    plainOptions.headerName = "fuzzy.h";
    plainOptions.date = "2024-01-01";
    plainOptions.quelle = "klein.fuz";
    const exchange::CExport plain = exchange::ExportC(Small(), plainOptions);
    for (const std::string& n : names) {
        fuzzy::Project p = Small();
        for (fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
            v->Name = n;
            for (int i = 1; i <= v->UsedTerms(); ++i) v->SetTermName(i, n + std::to_string(i));
        }
        exchange::CExportOptions o = plainOptions;
        o.quelle = n + ".fuz";
        const exchange::CExport e = exchange::ExportC(p, o);
        EXPECT_EQ(CodeOnly(e.source), CodeOnly(plain.source)) << n;
        EXPECT_EQ(CodeOnly(e.header), CodeOnly(plain.header)) << n;
    }
}

}  // namespace
