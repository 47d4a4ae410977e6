// The one writer of every output: never onto the file the output was made
// from, and nothing left behind when the process is stopped by a signal.
#include "fuzzy/AtomicFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

// The writer names its temporary file with linkat. Here linkat can end the
// process with SIGTERM right after the name exists, the last moment before
// the writer could note it.
std::atomic<bool> gTermAfterLinkat{false};

extern "C" int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) noexcept {
    const int r = static_cast<int>(::syscall(SYS_linkat, fromDir, from, toDir, to, flags));
    if (r == 0 && gTermAfterLinkat) ::raise(SIGTERM);
    return r;
}

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

// A signal right after linkat gave the new file its name left
// ".NAME.PID….tmp" behind: the handler did not know the name yet.
TEST(AtomicWrite, SigtermRightAfterTheTemporaryFileIsNamedLeavesNothing) {
    testfiles::TempDir dir;
    const std::string target = (dir.path() / "kurve.svg").string();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        gTermAfterLinkat = true;
        fuzzy::WriteFileAtomic(target, "neu");
        ::_exit(5);  // no named anonymous file on this file system
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 5) GTEST_SKIP() << "no O_TMPFILE here";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{});
}

// What stands under a name: "link", "fifo", "char", "socket" or "file".
std::string KindOf(const fs::path& p) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return "none";
    return S_ISLNK(st.st_mode)    ? "link"
           : S_ISFIFO(st.st_mode) ? "fifo"
           : S_ISCHR(st.st_mode)  ? "char"
           : S_ISSOCK(st.st_mode) ? "socket"
                                  : "file";
}

struct Special {
    const char* name;
    void (*make)(const fs::path& dir);  // makes "ziel"; a pipe read from is "p"
    bool written;
};

// `-o /dev/null` as root replaced the machine's /dev/null, and any FIFO or
// device named as an output became a regular file. Written into or refused,
// never replaced.
TEST(AtomicWrite, DeviceOrPipeIsWrittenIntoOrRefusedNeverReplaced) {
    const Special cases[] = {
        {"Fifo",
         [](const fs::path& d) { ::mkfifo((d / "p").c_str(), 0600), fs::create_hard_link(d / "p", d / "ziel"); }, true},
        {"LinkToFifo",
         [](const fs::path& d) { ::mkfifo((d / "p").c_str(), 0600), fs::create_symlink("p", d / "ziel"); }, true},
        {"NullDevice", [](const fs::path& d) { ::mknod((d / "ziel").c_str(), S_IFCHR | 0666, makedev(1, 3)); }, true},
        {"Socket",
         [](const fs::path& d) {
             sockaddr_un a{};
             a.sun_family = AF_UNIX;
             std::strncpy(a.sun_path, (d / "ziel").c_str(), sizeof a.sun_path - 1);
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), ::close(s);
         },
         false},
    };
    for (const Special& c : cases) {
        testfiles::TempDir dir;
        c.make(dir.path());
        if (KindOf(dir.path() / "ziel") == "none") continue;  // mknod needs root
        const auto before = std::make_pair(Names(dir.path()), KindOf(dir.path() / "ziel"));
        std::string got;
        std::thread reader;
        const bool pipe = fs::exists(dir.path() / "p");
        if (pipe) reader = std::thread([&] { got = Contents(dir.path() / "p"); });
        bool written = true;
        try {
            fuzzy::WriteFileAtomic((dir.path() / "ziel").string(), "die Ausgabe");
        } catch (const fuzzy::ESaveError&) {
            written = false;
        }
        if (pipe) {
            // A reader the writer never reached is let go.
            const int fd = ::open((dir.path() / "p").c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            reader.join();
        }
        EXPECT_EQ(written, c.written) << c.name;
        EXPECT_EQ(got, pipe ? "die Ausgabe" : "") << c.name;
        EXPECT_EQ(std::make_pair(Names(dir.path()), KindOf(dir.path() / "ziel")), before) << c.name;
    }
}

// A C source and its header are one change; refused before either is
// written when one of them is the input or both are one file.
TEST(AtomicWrite, PairIsRefusedWholeWhenOneTargetCannotBeTaken) {
    const std::pair<const char*, void (*)(const fs::path&)> cases[] = {
        {"Eingabedatei selbst", [](const fs::path& d) { fs::create_hard_link(d / "p.fuz", d / "paar.c"); }},
        {"dieselbe Datei", [](const fs::path& d) { fs::create_symlink("paar.h", d / "paar.c"); }},
    };
    for (const auto& [says, make] : cases) {
        testfiles::TempDir dir;
        dir.Write("p.fuz", "das Projekt");
        dir.Write("paar.h", "alt h");
        make(dir.path());
        const auto before = Names(dir.path());
        try {
            fuzzy::WriteFilesAtomic(
                {{(dir.path() / "paar.h").string(), "neu h"}, {(dir.path() / "paar.c").string(), "neu c"}},
                (dir.path() / "p.fuz").string());
            ADD_FAILURE() << says;
        } catch (const fuzzy::ESaveError& e) {
            EXPECT_NE(std::string(e.what()).find(says), std::string::npos) << e.what();
        }
        EXPECT_EQ(Contents(dir.path() / "paar.h"), "alt h");
        EXPECT_EQ(Contents(dir.path() / "p.fuz"), "das Projekt");
        EXPECT_EQ(Names(dir.path()), before);
    }
}

}  // namespace
