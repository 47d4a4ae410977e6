// The project reader: file layout, line rules, format errors, open errors.
#include "tests/fuzzy/EngineTest.h"
#include "fuzzy/Errors.h"
#include "fuzzy/Project.h"
#include "fuzzy/ProjectCheck.h"
#include "fuzzy/Templates.h"
#include "tests/support/TestFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>

using fuzzy::RuleTable;
using fuzzy::TFuzzy;
using testfiles::ProjectText;
using testfiles::TempDir;

namespace {

const std::string kFormatError = fuzzy::texts::FormatError;

// Everything a load may touch, for "nothing changed" comparisons.
auto State(const TFuzzy& v) {
    std::vector<std::string> names;
    std::vector<float> params;
    for (int i = 1; i <= 5; ++i) {
        names.push_back(v.GetTermName(i));
        names.push_back(v.GetTermAbbrev(i));
        for (int j = 1; j <= 5; ++j) params.push_back(v.GetParam(i, j));
    }
    return std::make_tuple(v.Name, v.Defined, v.TermCount, v.RangeMin, v.RangeMax, names, params);
}

class ProjectTest : public EngineTest {
protected:
    fuzzy::Project p;
    TFuzzy& A = p.A;
    TFuzzy& B = p.B;
    TFuzzy& Out = p.Out;
    RuleTable& R = p.Rules;

    void LoadBytes(const std::string& bytes) { fuzzy::LoadProjectBytes(bytes, p); }
    void LoadFile(const std::string& bytes) { fuzzy::LoadProject(dir.Write("p.fuz", bytes), A, B, Out, R); }

    bool FormatErrorShown() const { return messages.log == std::vector<RecordedMessage>{Error(kFormatError)}; }

    // What a format error leaves: three empty, undefined variables, no rules.
    void ExpectCleared() const {
        EXPECT_TRUE(FormatErrorShown()) << ::testing::PrintToString(messages.log);
        for (const TFuzzy* v : {&A, &B, &Out}) {
            EXPECT_FALSE(v->Defined);
            EXPECT_EQ(v->TermCount, 0);
            EXPECT_EQ(v->Name, "");
            EXPECT_EQ(v->GetTermName(1), "");
        }
        EXPECT_EQ(R, RuleTable{});
    }

    void ExpectWorkedExample() const {
        EXPECT_TRUE(messages.log.empty()) << ::testing::PrintToString(messages.log);
        EXPECT_TRUE(A.Defined);
        EXPECT_EQ(A.Name, "Fehler");
        EXPECT_EQ(A.TermCount, 2);
        EXPECT_EQ(A.RangeMin, -10.0f);
        EXPECT_EQ(A.RangeMax, 10.0f);
        EXPECT_EQ(A.GetTermName(1), "negativ");
        EXPECT_EQ(A.GetTermAbbrev(1), "NE");
        EXPECT_EQ(A.GetTermAbbrev(2), "PO");
        const float termsA[2][5] = {{-10, -10, -5, 0, 1}, {0, 5, 10, 10, 1}};
        const float termsOut[2][5] = {{-1, -1, -0.5f, 0, 1}, {0, 0.5f, 1, 1, 1}};
        for (int i = 1; i <= 2; ++i) {
            for (int j = 1; j <= 5; ++j) {
                EXPECT_EQ(A.GetParam(i, j), termsA[i - 1][j - 1]) << i << "," << j;
                EXPECT_EQ(Out.GetParam(i, j), termsOut[i - 1][j - 1]) << i << "," << j;
            }
        }
        EXPECT_FALSE(B.Defined);
        EXPECT_TRUE(Out.Defined);
        EXPECT_EQ(Out.Name, "Stellwert");
        EXPECT_EQ(Out.TermCount, 2);
        EXPECT_EQ(Out.RangeMin, -1.0f);
        EXPECT_EQ(Out.GetTermAbbrev(1), "LI");
        EXPECT_EQ(Out.GetTermAbbrev(2), "RE");
        RuleTable expected;
        expected.Set(1, 1, 2);
        expected.Set(1, 2, 1);
        EXPECT_EQ(R, expected);
    }

    TempDir dir;
};

TEST_F(ProjectTest, ShippedWorkedExampleLoads) {
    fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/beispiel.fuz", A, B, Out, R);
    ExpectWorkedExample();
}

TEST_F(ProjectTest, ShippedTwoInputExampleLoads) {
    fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/heizung.fuz", A, B, Out, R);
    EXPECT_TRUE(messages.log.empty());
    EXPECT_TRUE(A.Defined && B.Defined && Out.Defined);
    EXPECT_EQ(B.Name, "\xC3\x84nderung");  // Windows-1252 0xC4 in the file
    EXPECT_EQ(B.TermCount, 3);
    EXPECT_EQ(Out.TermCount, 3);
    // Both inputs in their middle term: the rule of row 2, column 2 fires alone.
    A.Value = 0;
    B.Value = 0;
    fuzzy::Infer(R, A, B, Out);
    EXPECT_FLOAT_EQ(Out.Defuzzify(), 50.0f);
}

// ---- line rules ----------------------------------------------------------

struct TextCase {
    const char* name;
    std::string bytes;
    bool loads;  // as the worked example, or a format error
};

std::string WithLoneCrs(const std::string& lfText) {
    std::string s;
    for (char ch : lfText) {
        if (ch == '\n')
            s += "\r\r\n";  // CR CR LF: both CRs are dropped
        else if (ch == 'e')
            s += "\re";  // inside a line: dropped too
        else
            s += ch;
    }
    return s;
}

const std::string kLf = testfiles::WorkedExample().Join("\n");
const std::string kCrLf = testfiles::WorkedExample().Join("\r\n");

const TextCase kTexts[] = {
    {"CrLf", kCrLf, true},
    {"Lf", kLf, true},
    {"MixedLineEnds",
     testfiles::ExampleInputA().Join("\n") + testfiles::ProjectText{{""}}.Join("\r\n") +
         testfiles::ExampleOutput().Join("\r\n") + testfiles::ExampleRules().Join("\n"),
     true},
    {"LoneCrsAreDropped", WithLoneCrs(kLf), true},
    {"OnlyCrEndsNoLine", testfiles::WorkedExample().Join("\r"), false},
    {"NoNewlineAfterLastRule", kCrLf.substr(0, kCrLf.size() - 2), true},
    {"MoreLinesAfterRules", kCrLf + "Kommentar\r\n1,5\r\n\r\nabc", true},
    {"BinaryAfterRules", kCrLf + std::string("\0\xFF\x1B\n\n\x80", 6) + std::string(70000, 'x'), true},
    {"CtrlZAfterRules",
     kCrLf + "\x1A"
             "garbage",
     true},
    {"CtrlZEndsTextBeforeRules",
     testfiles::ExampleInputA().Join() + "\r\n" + testfiles::ExampleOutput().Join() + "\x1A" +
         testfiles::ExampleRules().Join(),
     false},
    {"CtrlZEndsLastRuleLine",
     kCrLf.substr(0, kCrLf.size() - 3) + "0\x1A"
                                         "5x\r\n",
     true},
    {"CtrlZEndsFirstLine", "Fehler\x1A" + kCrLf.substr(6), false},
};

class LineRules : public ProjectTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(LineRules, FromMemory) {
    LoadBytes(GetParam().bytes);
    if (GetParam().loads)
        ExpectWorkedExample();
    else
        ExpectCleared();
}

TEST_P(LineRules, FromFile) {
    LoadFile(GetParam().bytes);
    if (GetParam().loads)
        ExpectWorkedExample();
    else
        ExpectCleared();
}

INSTANTIATE_TEST_SUITE_P(Text, LineRules, ::testing::ValuesIn(kTexts), CaseName());

// ---- where the file ends ----------------------------------------------------

TEST_F(ProjectTest, EndingInsideOutputParametersIsFormatError) {
    ProjectText t = testfiles::ExampleInputA();
    t.Add({""}).Add(testfiles::ExampleOutput());
    t.lines.resize(t.lines.size() - 3);  // the last term lacks c, d and h
    LoadBytes(t.Join());
    ExpectCleared();
}

TEST_F(ProjectTest, EndingAfterInputAIsFormatError) {
    LoadBytes(testfiles::ExampleInputA().Join());
    ExpectCleared();
}

TEST_F(ProjectTest, EmptyFileIsFormatError) {
    LoadBytes("");
    ExpectCleared();
}

// ---- single lines changed in the worked example ------------------------------

struct LineCase {
    const char* name;
    std::size_t line;  // 1-based line of the worked example
    const char* text;
    bool formatError;
};

const LineCase kLines[] = {
    {"RealWithLetterReadsZero", 7, "x", false},
    {"EmptyRealReadsZero", 8, "", false},
    {"RealBeyondSingleRange", 9, "1e39", true},
    {"NegativeRealBeyondSingleRange", 24, "-1e39", true},
    {"IntegerWithTrailingBlank", 2, "2 ", true},
    {"IntegerAsReal", 2, "2.0", true},
    {"EmptyIntegerLine", 19, "", true},
    {"RuleWithTrailingBlank", 34, "2 ", true},
    {"RuleAsDecimalComma", 58, "1,5", true},
    {"EmptyTermName", 6, "", true},
    {"TermCountSix", 2, "6", true},
    {"TermCountHuge", 19, "2147483647", true},
};

class ChangedLine : public ProjectTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ChangedLine, LoadsOrFails) {
    ProjectText t = testfiles::WorkedExample();
    ASSERT_EQ(t.lines.size(), 58u);
    t.lines[GetParam().line - 1] = GetParam().text;
    LoadBytes(t.Join());
    if (GetParam().formatError) {
        ExpectCleared();
    } else {
        EXPECT_TRUE(messages.log.empty());
        EXPECT_TRUE(A.Defined && Out.Defined);
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedExample, ChangedLine, ::testing::ValuesIn(kLines), CaseName());

TEST_F(ProjectTest, UnparsableRealsReadAsZero) {
    ProjectText t = testfiles::WorkedExample();
    t.lines[2] = "1,5";  // A RangeMin
    t.lines[3] = "10 ";  // A RangeMax
    t.lines[8] = "-5x";  // A term 1, c
    LoadBytes(t.Join());
    EXPECT_EQ(A.RangeMin, 0.0f);
    EXPECT_EQ(A.RangeMax, 0.0f);
    EXPECT_EQ(A.GetParam(1, 3), 0.0f);
    EXPECT_EQ(A.GetParam(1, 2), -10.0f);
}

TEST_F(ProjectTest, HexadecimalIntegers) {
    ProjectText t = testfiles::WorkedExample();
    t.lines[1] = "$2";      // A TermCount
    t.lines[18] = "  0X2";  // Out TermCount
    t.lines[33] = "x2";     // rule 1, 1
    t.lines[34] = "-0x1F";  // rule 1, 2: stored as read
    t.lines[35] = "$10";    // rule 1, 3
    LoadBytes(t.Join());
    EXPECT_TRUE(messages.log.empty());
    EXPECT_EQ(A.TermCount, 2);
    EXPECT_EQ(Out.TermCount, 2);
    EXPECT_EQ(R.Get(1, 1), 2);
    EXPECT_EQ(R.Get(1, 2), -31);
    EXPECT_EQ(R.Get(1, 3), 16);
}

TEST_F(ProjectTest, NameOfSingleBlankDefinesVariable) {
    ProjectText t = testfiles::WorkedExample();
    t.lines[0] = " ";
    LoadBytes(t.Join());
    EXPECT_TRUE(A.Defined);
    EXPECT_EQ(A.Name, " ");
}

TEST_F(ProjectTest, TermCountZeroIsFourLineBlock) {
    ProjectText t{{"Leer", "0", "-3", "4"}};
    t.Add({""}).Add(testfiles::ExampleOutput()).Add(testfiles::ExampleRules());
    LoadBytes(t.Join());
    EXPECT_TRUE(messages.log.empty());
    EXPECT_TRUE(A.Defined);
    EXPECT_EQ(A.TermCount, 0);
    EXPECT_EQ(A.RangeMin, -3.0f);
    EXPECT_EQ(A.RangeMax, 4.0f);
    EXPECT_EQ(Out.Name, "Stellwert");
}

TEST_F(ProjectTest, NegativeTermCountReadsNoTermsAndActsAsNone) {
    ProjectText t{{"Negativ", "-3", "-3", "4"}};
    t.Add({""}).Add(testfiles::ExampleOutput()).Add(testfiles::ExampleRules());
    LoadBytes(t.Join());
    EXPECT_TRUE(messages.log.empty());
    EXPECT_TRUE(A.Defined);
    EXPECT_EQ(A.UsedTerms(), 0);
    EXPECT_EQ(Out.Name, "Stellwert");
    A.Value = 0;
    fuzzy::Infer(R, A, B, Out);
    EXPECT_EQ(Out.Defuzzify(), Out.RangeMin);
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(ProjectTest, FiveTermsFillEverySlot) {
    ProjectText t{{"Fuenf", "5", "0", "5", "a", "b", "c", "d", "e"}};
    for (int i = 0; i < 5; ++i)
        t.Add({std::to_string(i), std::to_string(i), std::to_string(i + 1), std::to_string(i + 1), "1"});
    t.Add({""}).Add(testfiles::ExampleOutput()).Add(testfiles::ExampleRules());
    LoadBytes(t.Join());
    EXPECT_TRUE(messages.log.empty());
    EXPECT_EQ(A.TermCount, 5);
    EXPECT_EQ(A.GetTermAbbrev(5), "E");
    EXPECT_EQ(A.GetParam(5, 4), 5.0f);
}

TEST_F(ProjectTest, Windows1252Text) {
    ProjectText t = testfiles::WorkedExample();
    t.lines[0] =
        "Gr\xFC\xDF"
        "e";  // ü ß
    t.lines[4] =
        "\xFC"
        "ber null";  // ü
    t.lines[5] =
        "\x80"
        "uro";  // €
    t.lines[21] =
        "\x81"
        "x";  // unassigned byte: its C1 control
    LoadBytes(t.Join());
    EXPECT_TRUE(messages.log.empty());
    EXPECT_EQ(A.Name,
              "Gr\xC3\xBC\xC3\x9F"
              "e");
    EXPECT_EQ(A.GetTermName(1),
              "\xC3\xBC"
              "ber null");
    EXPECT_EQ(A.GetTermAbbrev(1),
              "\xC3\xBC"
              "N");
    EXPECT_EQ(A.GetTermName(2),
              "\xE2\x82\xAC"
              "uro");
    EXPECT_EQ(A.GetTermAbbrev(2),
              "\xE2\x82\xAC"
              "U");
    EXPECT_EQ(Out.GetTermName(1),
              "\xC2\x81"
              "x");
}

// As long as a line may be (see EndlessLineIsAFormatErrorWithItsLine).
TEST_F(ProjectTest, VeryLongNameLine) {
    ProjectText t = testfiles::WorkedExample();
    t.lines[0] = std::string(fuzzy::MaxProjectLineBytes, 'n');
    LoadBytes(t.Join());
    EXPECT_EQ(A.Name.size(), fuzzy::MaxProjectLineBytes);
}

// ---- what a load keeps from before ---------------------------------------------

TEST_F(ProjectTest, LoadWithoutBKeepsBsNameAndRange) {
    LoadFile(testfiles::ExampleInputA()
                 .Add(testfiles::ExampleInputA())
                 .Add(testfiles::ExampleOutput())
                 .Add(testfiles::ExampleRules())
                 .Join());
    ASSERT_TRUE(B.Defined);
    B.Name = "Lage";
    B.RangeMin = -45;
    LoadFile(testfiles::WorkedExample().Join());
    EXPECT_FALSE(B.Defined);
    EXPECT_EQ(B.TermCount, 0);
    EXPECT_EQ(B.Name, "Lage");
    EXPECT_EQ(B.RangeMin, -45.0f);
    EXPECT_EQ(B.GetTermName(1), "");
    EXPECT_EQ(B.GetTermAbbrev(1), "NE");  // abbreviations are not cleared
}

TEST_F(ProjectTest, FormatErrorAfterGoodLoadClearsEverything) {
    LoadBytes(kCrLf);
    ASSERT_TRUE(messages.log.empty());
    ProjectText t = testfiles::WorkedExample();
    t.lines[57] = "";  // the 25th rule is missing
    LoadBytes(t.Join());
    ExpectCleared();
    // Not reset by the failure: what the failed read stored.
    EXPECT_EQ(Out.RangeMin, -1.0f);
    EXPECT_EQ(A.GetTermAbbrev(1), "NE");
}

TEST_F(ProjectTest, RulesAreNotClearedBeforeReading) {
    // A successful load overwrites all 25 entries, so nothing old shows through.
    R.Entries.fill(4);
    LoadBytes(kCrLf);
    EXPECT_EQ(R.Get(5, 5), 0);
}

// ---- files that cannot be opened -------------------------------------------------

class UnreadablePath : public ProjectTest {
protected:
    void SetUp() override {
        ProjectTest::SetUp();
        fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/beispiel.fuz", A, B, Out, R);
        B.Name = "alt";
        ASSERT_TRUE(messages.log.empty());
    }

    // `says`: what the error says; the code is 103 whatever it says.
    void ExpectRefused(const std::string& path, const std::string& says = "E/A-Fehler 103") {
        const auto before = std::make_tuple(State(A), State(B), State(Out), R.Entries);
        try {
            fuzzy::LoadProject(path, A, B, Out, R);
            ADD_FAILURE() << "no exception for " << path;
        } catch (const fuzzy::EInOutError& e) {
            EXPECT_EQ(e.ErrorCode(), 103);
            EXPECT_EQ(e.what(), says);
        }
        EXPECT_EQ(messages.log, std::vector<RecordedMessage>{Warning("Daten konnten nicht gelesen werden!")});
        EXPECT_TRUE(before == std::make_tuple(State(A), State(B), State(Out), R.Entries)) << "state changed";
    }
};

TEST_F(UnreadablePath, Missing) { ExpectRefused((dir.path() / "fehlt.fuz").string()); }

TEST_F(UnreadablePath, EmptyName) { ExpectRefused(""); }

// Every program but Dorvane and Pemrak says why a file cannot be opened,
// with the same code 103, where those two keep the bare I/O error.
TEST_F(UnreadablePath, ProjectOfItsOwnSaysWhyItCannotBeOpened) {
    const std::string geheim = dir.Write("geheim.fuz", kCrLf);
    ASSERT_EQ(::chmod(geheim.c_str(), 0), 0);
    const struct {
        std::string path, says;
    } rows[] = {
        {(dir.path() / "fehlt.fuz").string(), "gibt es nicht."},
        {(dir.path() / "fehlt" / "p.fuz").string(), "gibt es nicht."},
        {geheim, "darf nicht gelesen werden (keine Berechtigung)."},
    };
    for (const auto& row : rows) {
        const testfiles::AsOrdinaryUser user;
        try {
            fuzzy::LoadProject(row.path);
            ADD_FAILURE() << "no exception for " << row.path;
        } catch (const fuzzy::EUnreadableFile& e) {
            EXPECT_EQ(e.ErrorCode(), 103);
            EXPECT_EQ(e.what(), "Die Datei \xE2\x80\x9E" + row.path + "\xE2\x80\x9C " + row.says);
        }
    }
}

// A folder, a pipe or a file far too large says what it is, as the
// importers do, instead of "E/A-Fehler 103".
TEST_F(UnreadablePath, Directory) {
    ExpectRefused(dir.path().string(), "Die Datei \xE2\x80\x9E" + dir.path().string() + "\xE2\x80\x9C ist ein Ordner.");
}

// A line longer than any project holds ends the reading as a format error,
// and the check names the line.
TEST_F(ProjectTest, EndlessLineIsAFormatErrorWithItsLine) {
    const std::string text = "A\r\n" + std::string(fuzzy::MaxProjectLineBytes + 1, '7') + "\r\n";
    LoadFile(text);
    ExpectCleared();
    const fuzzy::ProjectDiagnosis d = fuzzy::DiagnoseProject(text);
    EXPECT_EQ(d.line, 2);
    EXPECT_EQ(d.found, "eine Zeile mit mehr als 65536 Zeichen");
    // The writer refuses what the reader would (VeryLongNameLine: one byte less).
    fuzzy::Project q = fuzzy::TemplateTruck();
    q.A.Name = std::string(fuzzy::MaxProjectLineBytes + 1, 'n');
    EXPECT_THROW(fuzzy::ProjectText(q), fuzzy::ESaveError);
}

TEST_F(UnreadablePath, NameWithNulByte) {
    const std::string real = dir.Write("p.fuz", kCrLf);
    ExpectRefused(real + std::string("\0x", 2));
}

TEST_F(UnreadablePath, NamedPipeDoesNotHang) {
    const std::string fifo = (dir.path() / "pipe.fuz").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ExpectRefused(fifo, "Die Datei \xE2\x80\x9E" + fifo +
                            "\xE2\x80\x9C ist keine gew\xC3\xB6hnliche Datei (ein Ger\xC3\xA4t oder eine Pipe) und "
                            "wird nicht gelesen.");
}

TEST_F(UnreadablePath, NoReadPermission) {
    const std::string path = dir.Write("geheim.fuz", kCrLf);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const testfiles::AsOrdinaryUser user;
    ExpectRefused(path);
}

}  // namespace
