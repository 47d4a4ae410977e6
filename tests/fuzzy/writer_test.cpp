// The project writer: what it writes reads back bit for bit, what the format
// cannot hold is refused, and a failed save leaves the old file as it was.
#include "tests/fuzzy/EngineTest.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Project.h"
#include "tests/support/TestFiles.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using fuzzy::Project;
using fuzzy::RuleTable;
using fuzzy::TFuzzy;
using testfiles::TempDir;

namespace {

namespace fs = std::filesystem;

std::uint32_t Bits(float f) {
    std::uint32_t u = 0;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

// Field by field, floats by their bits. Only what a file defines counts: an
// undefined variable's name and range, and term slots beyond the count, are
// not part of a file.
void ExpectSame(const TFuzzy& x, const TFuzzy& y, const std::string& where) {
    SCOPED_TRACE(where);
    ASSERT_EQ(x.Defined, y.Defined);
    if (!x.Defined) return;
    EXPECT_EQ(x.Name, y.Name);
    EXPECT_EQ(x.TermCount, y.TermCount);
    EXPECT_EQ(Bits(x.RangeMin), Bits(y.RangeMin));
    EXPECT_EQ(Bits(x.RangeMax), Bits(y.RangeMax));
    for (int i = 1; i <= x.UsedTerms(); ++i) {
        EXPECT_EQ(x.GetTermName(i), y.GetTermName(i)) << "term " << i;
        EXPECT_EQ(x.GetTermAbbrev(i), y.GetTermAbbrev(i)) << "term " << i;
        for (int j = 1; j <= 5; ++j) EXPECT_EQ(Bits(x.GetParam(i, j)), Bits(y.GetParam(i, j))) << i << ',' << j;
    }
}

void ExpectSame(const Project& x, const Project& y) {
    ExpectSame(x.A, y.A, "A");
    ExpectSame(x.B, y.B, "B");
    ExpectSame(x.Out, y.Out, "Out");
    EXPECT_EQ(x.Rules, y.Rules);
}

Project Load(const std::string& bytes) { return fuzzy::LoadProjectBytes(bytes); }

std::string Text(const Project& p) { return fuzzy::ProjectText(p); }

std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

Project Small() {
    Project p;
    p.A = MakeVariable("Fehler", -10, 10, {{"negativ", -10, -10, -5, 0, 1}, {"positiv", 0, 5, 10, 10, 1}});
    p.Out = MakeVariable("Stellwert", -1, 1, {{"links", -1, -1, -0.5f, 0, 1}, {"rechts", 0, 0.5f, 1, 1, 1}});
    p.Rules.Set(1, 1, 2);
    p.Rules.Set(1, 2, 1);
    return p;
}

class WriterTest : public EngineTest {};

// ---------------------------------------------------------------- round trip

TEST_F(WriterTest, EveryShippedAndSeedProjectReadsBackBitForBit) {
    std::vector<fs::path> files;
    for (const char* dir : {"examples", "fuzz/corpus"})
        for (const auto& e : fs::directory_iterator(fs::path(FUZZY_SOURCE_DIR) / dir))
            if (e.path().extension() == ".fuz") files.push_back(e.path());
    ASSERT_GE(files.size(), 10u);
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        const Project once = Load(ReadAll(f.string()));
        ASSERT_TRUE(messages.log.empty()) << f;
        const Project twice = Load(Text(once));
        ASSERT_TRUE(messages.log.empty());
        ExpectSame(once, twice);
    }
}

TEST_F(WriterTest, AWrittenProjectIsTheReadersFormatLineForLine) {
    // The worked example as the reader's documentation writes it, with CR LF.
    EXPECT_EQ(Text(Small()), testfiles::WorkedExample().Join("\r\n"));
}

TEST_F(WriterTest, NamesKeepTheirWindows1252Bytes) {
    Project p = Small();
    p.A.Name =
        " Temperatur \xE2\x82\xAC \xC3\xBC"
        "ber";  // blanks kept, € and ü
    p.A.SetTermName(1,
                    "\xC2\x81"
                    "C1");  // a byte the code page leaves unassigned
    const std::string bytes = Text(p);
    EXPECT_EQ(bytes.substr(0, 14), " Temperatur \x80 ");
    ExpectSame(p, Load(bytes));
}

TEST_F(WriterTest, NumbersReadBackBitForBit) {
    const float specials[] = {0.0f, -0.0f,       1e-45f,      -1e-45f, 1.17549435e-38f, 3.40282347e38f, -3.40282347e38f,
                              0.1f, 1.0f / 3.0f, 16777217.0f, 1e10f,   123456.789f};
    for (float v : specials) {
        const std::string s = fuzzy::RealText(v);
        const auto r = fuzzy::ParseProjectReal(s);
        ASSERT_EQ(r.status, fuzzy::RealStatus::Ok) << s;
        EXPECT_EQ(Bits(r.value), Bits(v)) << s;
    }
    std::mt19937 rng(20261207);
    for (int i = 0; i < 200000; ++i) {
        std::uint32_t u = rng();
        float v = 0;
        std::memcpy(&v, &u, sizeof v);
        if (!std::isfinite(v)) continue;
        const std::string s = fuzzy::RealText(v);
        const auto r = fuzzy::ParseProjectReal(s);
        ASSERT_EQ(Bits(r.value), u) << s;
        ASSERT_LE(s.size(), 15u) << s;
    }
}

TEST_F(WriterTest, NumbersArePlainDecimalsWhereThatIsShort) {
    const struct {
        float v;
        const char* text;
    } rows[] = {{-100000.0f, "-100000"}, {0.055f, "0.055"}, {-2.5f, "-2.5"}, {1e-45f, "1e-45"}, {1e20f, "1e+20"}};
    for (const auto& row : rows) EXPECT_EQ(fuzzy::RealText(row.v), row.text);
}

TEST_F(WriterTest, TermCountsWithoutTermsStayAsTheyWere) {
    Project p = Small();
    p.A.TermCount = -3;  // the reader takes it and reads no terms
    p.Out.TermCount = 0;
    ExpectSame(p, Load(Text(p)));
}

// ---------------------------------------------------------------- refusals

struct Refusal {
    std::string name;
    void (*spoil)(Project&);
    std::string part;  // a piece of the message
};

class WriterRefusal : public WriterTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(WriterRefusal, IsAClearMessageAndNoText) {
    Project p = Small();
    GetParam().spoil(p);
    try {
        (void)Text(p);
        FAIL() << "written";
    } catch (const fuzzy::ESaveError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().part), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Writer, WriterRefusal,
    ::testing::Values(
        Refusal{"CharacterOutsideCodePage", [](Project& p) { p.A.Name = "Pfeil \xE2\x86\x92"; }, "\xE2\x86\x92"},
        Refusal{"InvalidUtf8", [](Project& p) { p.Out.SetTermName(1, "ab\xFF"); }, "Ausgang, Term 1"},
        Refusal{"LineBreakInName", [](Project& p) { p.A.SetTermName(2, "zwei\nZeilen"); }, "Zeilenumbruch"},
        Refusal{"LoneCarriageReturn", [](Project& p) { p.Out.Name = "a\rb"; }, "Zeilenumbruch"},
        Refusal{"EndOfTextByte", [](Project& p) { p.A.Name = "a\x1A"; }, "Steuerzeichen"},
        Refusal{"EmptyNameOfDefinedVariable", [](Project& p) { p.Out.Name.clear(); }, "Ausgang hat keinen Namen"},
        Refusal{"EmptyTermName", [](Project& p) { p.A.SetTermName(1, ""); }, "Eingang A, Term 1 hat keinen Namen"},
        Refusal{"SixTerms", [](Project& p) { p.A.TermCount = 6; }, "mehr als f\xC3\xBCnf"},
        Refusal{"NaNCorner", [](Project& p) { p.A.SetParam(2, 3, std::nanf("")); }, "Term 2: c"},
        Refusal{"InfiniteRange", [](Project& p) { p.Out.RangeMax = INFINITY; }, "Ende des Bereichs"}),
    CaseName());

// ---------------------------------------------------------------- saving

class SaveTest : public WriterTest {
protected:
    TempDir dir;
    std::string Save(const std::string& name, const Project& p) {
        const std::string path = (dir.path() / name).string();
        fuzzy::SaveProject(path, p);
        return path;
    }
    std::size_t FilesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));
    }
};

TEST_F(SaveTest, SavedFileLoadsAsTheSameProject) {
    Project p = Small();
    const std::string path = Save("neu.fuz", p);
    Project q = fuzzy::LoadProject(path);
    ExpectSame(p, q);
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(SaveTest, ReplacingKeepsPermissionsAndSymbolicLinks) {
    const std::string real = dir.Write("echt.fuz", "alt");
    ::chmod(real.c_str(), 0640);
    fs::create_symlink(real, dir.path() / "verweis.fuz");
    Save("verweis.fuz", Small());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "verweis.fuz"));
    EXPECT_EQ(ReadAll(real), Text(Small()));
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SaveTest, RefusedProjectLeavesTheOldFile) {
    const std::string path = dir.Write("p.fuz", "alt");
    Project p = Small();
    p.A.Name = "\xE2\x86\x92";
    EXPECT_THROW(Save("p.fuz", p), fuzzy::ESaveError);
    EXPECT_EQ(ReadAll(path), "alt");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(SaveTest, FullDiskLeavesTheOldFileAndNoTemporary) {
    // A file-size limit makes the write fail half-way, like a full disk.
    const std::string path = dir.Write("p.fuz", "alt");
    struct sigaction ignore {
    }, before{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &before);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        Save("p.fuz", Small());
    } catch (const fuzzy::ESaveError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::sigaction(SIGXFSZ, &before, nullptr);
    EXPECT_NE(message.find("kein Platz"), std::string::npos) << message;
    EXPECT_EQ(ReadAll(path), "alt");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(SaveTest, ImpossibleTargetsAreReportedNotCreated) {
    fs::create_directory(dir.path() / "ordner.fuz");
    const struct {
        std::string path;
        std::string part;
    } rows[] = {
        {(dir.path() / "ordner.fuz").string(), "Ordner"},
        {(dir.path() / "fehlt" / "p.fuz").string(), "existiert nicht"},
        {"", "existiert nicht"},
    };
    for (const auto& row : rows) {
        const Project p = Small();
        try {
            fuzzy::SaveProject(row.path, p);
            ADD_FAILURE() << "saved to " << row.path;
        } catch (const fuzzy::ESaveError& e) {
            EXPECT_NE(std::string(e.what()).find(row.part), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(fs::is_directory(dir.path() / "ordner.fuz"));
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(SaveTest, ReadOnlyFolderLeavesTheOldFile) {
    const std::string path = dir.Write("p.fuz", "alt");
    ::chmod(dir.path().c_str(), 0555);
    {
        const testfiles::AsOrdinaryUser user;
        EXPECT_THROW(Save("p.fuz", Small()), fuzzy::ESaveError);
    }
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(ReadAll(path), "alt");
    EXPECT_EQ(FilesInDir(), 1u);
}

}  // namespace
