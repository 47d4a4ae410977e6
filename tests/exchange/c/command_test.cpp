// fuzzysim export --to c: the files it writes, the names and outputs it refuses.
#include "tests/exchange/c/CProbe.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using cprobe::Quote;

const std::string kTruck = FUZZY_SOURCE_DIR "/examples/truck.fuz";

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class CExportCommand : public ::testing::Test {
protected:
    cprobe::Outcome Fuzzysim(const std::vector<std::string>& args) {
        std::string cmd = "cd " + Quote(dir.path().string()) + " && " + Quote(FUZZYSIM_BIN);
        for (const auto& a : args) cmd += " " + Quote(a);
        return cprobe::Shell(cmd);
    }
    // Compiles a source strictly; "" when it compiles, otherwise the log.
    std::string CompileErrors(const fs::path& source) {
        if (!cprobe::Have("gcc")) return "";
        std::string cmd = "gcc";
        for (const auto& f : cprobe::StrictFlags()) cmd += " " + f;
        const auto o =
            cprobe::Shell(cmd + " -I" + Quote(dir.path().string()) + " -c " + Quote(source.string()) + " -o /dev/null");
        return o.status == 0 ? "" : o.output;
    }
    testfiles::TempDir dir;
};

TEST_F(CExportCommand, WritesSourceAndHeaderSideBySide) {
    const auto r = Fuzzysim({"export", kTruck, "--to", "c", "-o", "regler.c", "--name", "truck"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output, "");
    const std::string source = Read(dir.path() / "regler.c");
    const std::string header = Read(dir.path() / "regler.h");
    EXPECT_NE(source.find("#include \"regler.h\""), std::string::npos);
    EXPECT_NE(header.find("float truck_step(float a, float b);"), std::string::npos);
    EXPECT_NE(source.find("\xE2\x80\x9Etruck.fuz\xE2\x80\x9C"), std::string::npos);
    EXPECT_EQ(CompileErrors(dir.path() / "regler.c"), "");
}

TEST_F(CExportCommand, TakesCFromTheOutputsSuffixAndDefaultsTheName) {
    const auto r = Fuzzysim({"export", kTruck, "-o", "REGLER.C"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(Read(dir.path() / "REGLER.h").find("float fuzzy_step(float a, float b);"), std::string::npos);
    EXPECT_NE(Read(dir.path() / "REGLER.C").find("#include \"REGLER.h\""), std::string::npos);
}

TEST_F(CExportCommand, WithoutOutputPrintsOneSelfContainedSource) {
    const auto r = Fuzzysim({"export", kTruck, "--to", "c"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.output.find("float fuzzy_step(float a, float b)\n{"), std::string::npos);
    EXPECT_EQ(r.output.find("#include \"fuzzy.h\""), std::string::npos);
    EXPECT_EQ(CompileErrors(dir.Write("allein.c", r.output)), "");
    EXPECT_FALSE(fs::exists(dir.path() / "fuzzy.h"));
}

TEST_F(CExportCommand, RefusesWrongCalls) {
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{"export", kTruck, "--to", "c", "--name", "2regler"}, "C-Namen"},
        {{"export", kTruck, "--to", "c", "--name", "a-b"}, "C-Namen"},
        {{"export", kTruck, "--to", "fll", "--name", "regler"}, "--name gilt nur"},
        {{"export", kTruck, "--to", "c", "-o", "regler.txt"}, "endet auf .c"},
        // A name whose upper case another name shares; a file name that would become code.
        {{"export", kTruck, "--to", "c", "--name", "AB"}, "Kleinbuchstabe"},
        {{"export", kTruck, "-o", "p.h\"\nint injected(void) { return 42; }\n#include \"p.c"}, "#include"},
        {{"export", kTruck, "-o", "a\"b.c"}, "#include"},
        {{"export", kTruck, "--to", "cpp"}, "fll, fis, fcl oder c"},
    };
    for (const Case& c : cases) {
        const auto r = Fuzzysim(c.args);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_NE(r.output.find(c.says), std::string::npos) << r.output;
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

// A project named like the header (or the source) the export would write:
// the project stays as it was, through a link as well.
TEST_F(CExportCommand, NeverOverwritesTheProject) {
    const std::string bytes = Read(kTruck);
    const std::string asHeader = dir.Write("regler.h", bytes);
    auto r = Fuzzysim({"export", asHeader, "--to", "c", "-o", "regler.c"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("Projektdatei selbst"), std::string::npos) << r.output;
    EXPECT_EQ(Read(asHeader), bytes);
    EXPECT_FALSE(fs::exists(dir.path() / "regler.c"));

    const std::string project = dir.Write("projekt.fuz", bytes);
    fs::create_symlink(project, dir.path() / "link.c");
    r = Fuzzysim({"export", project, "-o", "link.c"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(Read(project), bytes);
    EXPECT_FALSE(fs::exists(dir.path() / "link.h"));
}

// Under a file size limit the header was replaced before the source failed:
// a new header beside the old source, a pair that no longer compiles.
TEST_F(CExportCommand, FileSizeLimitKeepsTheOldPairWhole) {
    ASSERT_EQ(Fuzzysim({"export", kTruck, "--to", "c", "-o", "paar.c"}).status, 0);
    const std::string header = Read(dir.path() / "paar.h"), source = Read(dir.path() / "paar.c");
    // Room for a header, not for a source.
    ASSERT_LT(header.size() + 2048, source.size());
    const std::string kib = std::to_string(header.size() / 1024 + 2);
    const auto r = cprobe::Shell("cd " + Quote(dir.path().string()) + " && bash -c " +
                                 Quote("ulimit -f " + kib + " && " + Quote(FUZZYSIM_BIN) + " export " + Quote(kTruck) +
                                       " --to c --name neu -o paar.c"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("kein Platz"), std::string::npos) << r.output;
    EXPECT_EQ(Read(dir.path() / "paar.h"), header);
    EXPECT_EQ(Read(dir.path() / "paar.c"), source);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST_F(CExportCommand, UnwritableFolderFailsWithoutFiles) {
    const auto r = Fuzzysim({"export", kTruck, "--to", "c", "-o", "fehlt/regler.c"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("nicht gespeichert"), std::string::npos) << r.output;
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

// A folder named like the source: refused before the header is written.
TEST_F(CExportCommand, FolderAsTargetLeavesNoHeaderBehind) {
    fs::create_directory(dir.path() / "ordner.c");
    const auto r = Fuzzysim({"export", kTruck, "-o", "ordner.c"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("keine gew\xC3\xB6hnliche Datei"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(dir.path() / "ordner.h"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "ordner.c"));
}

TEST_F(CExportCommand, ProjectWithoutOutputIsRefused) {
    // Input A with one term, no input B, no output, no rules.
    std::string text = "a\r\n1\r\n0\r\n1\r\nt\r\n0\r\n0\r\n1\r\n1\r\n1\r\n\r\n\r\n";
    for (int i = 0; i < 25; ++i) text += "0\r\n";
    const std::string p = dir.Write("leer.fuz", text);
    const auto r = Fuzzysim({"export", p, "--to", "c", "-o", "regler.c"});
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_NE(r.output.find("keinen Ausgang"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(dir.path() / "regler.c"));
    EXPECT_FALSE(fs::exists(dir.path() / "regler.h"));
}

}  // namespace
