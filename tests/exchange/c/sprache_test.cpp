// The C export in English: only the comments and the reasons of #error
// change, the code stays the same character for character, compiles as
// before and refuses in English.
#include "fuzzy/LanguageScope.h"
#include "fuzzy/AtomicFile.h"
#include "tests/exchange/c/CProbe.h"
#include "tests/fuzzy/EngineTest.h"
#include "tests/exchange/Examples.h"
#include "exchange/ExportC.h"
#include "fuzzy/Language.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// English for the scope of a test, German again after it.
struct English : fuzzy::LanguageScope {
    English() : LanguageScope(fuzzy::Language::English) {}
};

exchange::CExport ExportIn(fuzzy::Language sprache, const fuzzy::Project& p, const std::string& headerName) {
    exchange::CExportOptions o;
    o.quelle = "projekt.fuz";
    o.headerName = headerName;
    o.date = "2024-01-01";
    const fuzzy::LanguageScope bereich(sprache);
    return exchange::ExportC(p, o);
}

// The code without what a person reads: comments dropped, the messages of
// #error and _Static_assert emptied.
std::string Code(const std::string& source) {
    std::string s;
    for (std::size_t i = 0; i < source.size();) {
        if (source.compare(i, 2, "/*") == 0) {
            const std::size_t end = source.find("*/", i + 2);
            if (end == std::string::npos) return s + "<open comment>";
            i = end + 2;
        } else {
            s += source[i++];
        }
    }
    std::istringstream in(s);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("#error ", 0) == 0 || line.rfind("_Static_assert(", 0) == 0) {
            const std::size_t open = line.find('"'), close = line.rfind('"');
            if (open != std::string::npos && close > open) line.erase(open + 1, close - open - 1);
        }
        out += line + "\n";
    }
    return out;
}

const char* const kExamples[] = {"beispiel", "heizung", "lok", "truck", "truck_einachsig"};

TEST(EnglishCExport, ChangesNothingButTheProse) {
    for (const char* name : kExamples) {
        const fuzzy::Project p = LoadExample(name);
        for (const std::string headerName : {"", "regler.h"}) {
            const exchange::CExport de = ExportIn(fuzzy::Language::German, p, headerName);
            const exchange::CExport en = ExportIn(fuzzy::Language::English, p, headerName);
            EXPECT_NE(en.source, de.source) << name;
            EXPECT_EQ(Code(en.source), Code(de.source)) << name << " " << headerName;
            EXPECT_EQ(Code(en.header), Code(de.header)) << name << " " << headerName;
        }
    }
}

fuzzy::Project Plain() {
    // Names that are no German words, so that any German left is the program's.
    fuzzy::Project p;
    p.A = MakeVariable("a", -10, 10, {{"t1", -10, -10, -5, 0, 1}, {"t2", -5, 0, 10, 10, 0.5f}});
    p.B = MakeVariable("b", -10, 10, {{"t1", -10, -10, 0, 10, 1}, {"t2", -10, 0, 10, 10, 1}});
    p.Out = MakeVariable("y", -10, 10, {{"t1", -10, -5, -5, 0, 1}, {"t2", 0, 5, 5, 10, 1}});
    p.Rules.Set(1, 1, 1);
    p.Rules.Set(2, 2, 2);
    return p;
}

TEST(EnglishCExport, LeavesNoGermanInTheComments) {
    fuzzy::Project one = Plain();
    one.B.Defined = false;
    fuzzy::Project none = Plain();
    none.Rules = fuzzy::RuleTable();
    for (const fuzzy::Project& p : {Plain(), one, none}) {
        const exchange::CExport en = ExportIn(fuzzy::Language::English, p, "");
        EXPECT_EQ(en.source.substr(0, en.source.find('\n', 3)),
                  "/*\n * fuzzy.c – the fuzzy controller from “projekt.fuz” as C source (C99),");
        for (const char* german : {"Eingang", "Ausgang", "Schwerpunkt", "Regel", "Höhe", "Bereich", "Genauigkeit",
                                   "setzen", "Zugehörigkeit", " und ", " ist ", " der ", " die ", " das ", "„"}) {
            EXPECT_EQ(en.source.find(german), std::string::npos) << german;
        }
    }
}

TEST(EnglishCExport, CompilesAndRefusesFastMathInEnglish) {
    if (!cprobe::Have("gcc")) GTEST_SKIP() << "gcc not found";
    testfiles::TempDir dir;
    const exchange::CExport e = ExportIn(fuzzy::Language::English, Plain(), "fuzzy.h");
    dir.Write("fuzzy.h", e.header);
    const std::string src = dir.Write("fuzzy.c", e.source);
    const cprobe::Outcome ok =
        cprobe::Shell("gcc -std=c99 -Wall -Wextra -Werror -c " + cprobe::Quote(src) + " -o /dev/null");
    EXPECT_EQ(ok.status, 0) << ok.output;
    const cprobe::Outcome fast = cprobe::Shell("gcc -std=c99 -ffast-math -c " + cprobe::Quote(src) + " -o /dev/null");
    EXPECT_NE(fast.status, 0);
    EXPECT_NE(fast.output.find("fuzzy: do not compile with -ffast-math"), std::string::npos) << fast.output;
}

TEST(EnglishCExport, RefusesInEnglish) {
    struct Case {
        const char* what;
        std::string name;
        void (*spoil)(fuzzy::Project&);
        const char* says;
    };
    const Case cases[] = {
        {"name", "2regler", [](fuzzy::Project&) {},
         "The name “2regler” is no use as a C name: a lower-case letter, then up to 23 lower-case letters, digits "
         "or _ (the macros are the name in upper case)."},
        {"no input", "fuzzy", [](fuzzy::Project& p) { p.A.Defined = false; },
         "The project has no input A with terms; it cannot be exported."},
        {"centroid", "fuzzy",
         [](fuzzy::Project& p) {
             for (int j = 1; j <= 4; ++j) p.Out.SetParam(2, j, j < 3 ? 0.0f : 3e38f);
         },
         "The output term “t2” has corners so large that its centroid is not a number; the project cannot be "
         "exported as C."},
    };
    const English english;
    for (const Case& c : cases) {
        fuzzy::Project p = Plain();
        c.spoil(p);
        exchange::CExportOptions o;
        o.name = c.name;
        try {
            (void)exchange::ExportC(p, o);
            ADD_FAILURE() << c.what << ": not refused";
        } catch (const exchange::ExportError& e) {
            EXPECT_EQ(std::string(e.what()), c.says) << c.what;
        }
    }
    try {
        exchange::WriteCExport(exchange::CExport{}, "regler.txt", "projekt.fuz");
        ADD_FAILURE() << "a source without .c was written";
    } catch (const fuzzy::ESaveError& e) {
        EXPECT_EQ(std::string(e.what()), "The C source needs a name ending in .c: “regler.txt”");
    }
}

}  // namespace
