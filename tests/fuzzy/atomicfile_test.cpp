// The one writer of every output: never onto the file the output was made
// from, and nothing left behind when the process is stopped by a signal.
#include "fuzzy/AtomicFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(dir)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

struct SameFile {
    const char* name;
    // The name under which the output is to go, given the input's path.
    std::string (*target)(const fs::path& input);
};

const std::vector<SameFile>& SameFiles() {
    static const std::vector<SameFile> table = {
        {"SamePath", [](const fs::path& in) { return in.string(); }},
        {"AroundTheFolder", [](const fs::path& in) { return (in.parent_path() / "." / in.filename()).string(); }},
        {"SymbolicLink",
         [](const fs::path& in) {
             const fs::path l = in.parent_path() / "verweis.fuz";
             fs::create_symlink(in, l);
             return l.string();
         }},
        {"HardLink",
         [](const fs::path& in) {
             const fs::path l = in.parent_path() / "zweiter.fuz";
             fs::create_hard_link(in, l);
             return l.string();
         }},
    };
    return table;
}

class OntoTheInput : public ::testing::TestWithParam<SameFile> {};

// `export k.fuz -o k.fuz` replaced the project by its export.
TEST_P(OntoTheInput, IsRefusedAndChangesNothing) {
    testfiles::TempDir dir;
    const fs::path input = dir.Write("projekt.fuz", "das Projekt\r\n");
    const std::string target = GetParam().target(input);
    const auto before = Names(dir.path());
    try {
        fuzzy::WriteFileAtomic(target, "die Ausgabe", input.string());
        ADD_FAILURE() << "written";
    } catch (const fuzzy::ESaveError& e) {
        EXPECT_NE(std::string(e.what()).find("Eingabedatei selbst"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Contents(input), "das Projekt\r\n");
    EXPECT_EQ(Names(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Names, OntoTheInput, ::testing::ValuesIn(SameFiles()),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(AtomicWrite, AnotherFileBesideTheInputIsWritten) {
    testfiles::TempDir dir;
    const fs::path input = dir.Write("projekt.fuz", "das Projekt");
    const fs::path other = dir.Write("alt.fll", "alt");
    fuzzy::WriteFileAtomic(other.string(), "neu", input.string());
    fuzzy::WriteFileAtomic((dir.path() / "neu.fll").string(), "neu", input.string());
    EXPECT_EQ(Contents(other), "neu");
    EXPECT_EQ(Contents(dir.path() / "neu.fll"), "neu");
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"alt.fll", "neu.fll", "projekt.fuz"}));
}

// Under a file size limit the system sends SIGXFSZ, which ended the process
// with the temporary file left in the folder; now the write fails as on a
// full disk.
TEST(AtomicWrite, FileSizeLimitIsAFailureAndLeavesNothing) {
    testfiles::TempDir dir;
    const std::string target = (dir.path() / "gross.svg").string();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::signal(SIGXFSZ, SIG_DFL);
        try {
            fuzzy::WriteFileAtomic(target, std::string(1 << 20, 'x'));
        } catch (const fuzzy::ESaveError&) {
            ::_exit(3);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_TRUE(Names(dir.path()).empty());
}

// Killed at any moment of writing, the folder holds the old state or the
// complete new file, never a half-written temporary file.
TEST(AtomicWrite, SigtermWhileWritingLeavesNoTemporaryFile) {
    for (int delayMs : {5, 20, 60}) {
        testfiles::TempDir dir;
        const std::string target = (dir.path() / "kurve.svg").string();
        const std::size_t size = std::size_t{32} << 20;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string bytes(size, 'x');
            for (;;) fuzzy::WriteFileAtomic(target, bytes);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(child, SIGTERM);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
        for (const std::string& n : Names(dir.path())) {
            EXPECT_EQ(n, "kurve.svg") << "after " << delayMs << " ms";
            EXPECT_EQ(fs::file_size(dir.path() / n), size);
        }
    }
}

}  // namespace
