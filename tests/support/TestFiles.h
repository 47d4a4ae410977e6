#pragma once
// Temporary files for tests that read projects from disk, and a builder for
// project texts.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include <sys/fsuid.h>
#include <unistd.h>

namespace testfiles {

// Root passes every permission check, and CI runs the tests as root. A test
// of a read-only folder or an unreadable file holds one of these while it
// tries: its thread then meets the file system as the user "nobody", and
// gets root's rights back at the end of the scope.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() : root_(::geteuid() == 0) {
        if (!root_) return;
        ::setfsgid(kNobody);
        ::setfsuid(kNobody);
    }
    ~AsOrdinaryUser() {
        if (!root_) return;
        ::setfsuid(0);
        ::setfsgid(0);
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    static constexpr unsigned kNobody = 65534;
    bool root_;
};

// A fresh directory under the system's temp directory, removed again at the end.
class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("fuzzy-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes unchanged (no newline translation) and returns the path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const auto p = path_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

private:
    std::filesystem::path path_;
};

// The lines of a project file, written out with a chosen line end.
struct ProjectText {
    std::vector<std::string> lines;

    ProjectText& Add(std::initializer_list<std::string> more) {
        lines.insert(lines.end(), more);
        return *this;
    }
    ProjectText& Add(const ProjectText& more) {
        lines.insert(lines.end(), more.lines.begin(), more.lines.end());
        return *this;
    }
    std::string Join(const std::string& eol = "\r\n") const {
        std::string s;
        for (const auto& l : lines) s += l + eol;
        return s;
    }
};

// The two-term input, absent input B, two-term output and rules of the
// worked example that also ships as examples/beispiel.fuz.
inline ProjectText ExampleInputA() {
    return ProjectText{{"Fehler", "2", "-10", "10", "negativ", "positiv",  //
                        "-10", "-10", "-5", "0", "1", "0", "5", "10", "10", "1"}};
}
inline ProjectText ExampleOutput() {
    return ProjectText{{"Stellwert", "2", "-1", "1", "links", "rechts",  //
                        "-1", "-1", "-0.5", "0", "1", "0", "0.5", "1", "1", "1"}};
}
inline ProjectText ExampleRules() {
    ProjectText t{{"2", "1"}};
    for (int i = 0; i < 23; ++i) t.lines.push_back("0");
    return t;
}
inline ProjectText WorkedExample() {
    ProjectText t = ExampleInputA();
    t.Add({""}).Add(ExampleOutput()).Add(ExampleRules());
    return t;
}

}  // namespace testfiles
