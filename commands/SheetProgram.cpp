#include "commands/SheetProgram.h"

#include "fuzzy/Language.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#ifndef __EMSCRIPTEN__
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace fuzzysim {

namespace {

bool Runnable(const std::filesystem::path& p) {
    std::error_code ec;
#ifndef __EMSCRIPTEN__
    return std::filesystem::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
#else
    return false;
#endif
}

}  // namespace

std::optional<std::string> FindWerkstatt() {
#ifdef __EMSCRIPTEN__
    return std::nullopt;
#else
    if (const char* given = std::getenv("FUZZYSIM_WERKSTATT"); given && *given)
        return Runnable(given) ? std::optional<std::string>(given) : std::nullopt;
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && Runnable(self.parent_path() / "werkstatt")) return (self.parent_path() / "werkstatt").string();
    if (const char* path = std::getenv("PATH")) {
        std::string dirs(path);
        std::size_t at = 0;
        while (at <= dirs.size()) {
            const std::size_t end = std::min(dirs.find(':', at), dirs.size());
            const std::string dir = dirs.substr(at, end - at);
            if (!dir.empty() && Runnable(std::filesystem::path(dir) / "werkstatt"))
                return (std::filesystem::path(dir) / "werkstatt").string();
            at = end + 1;
        }
    }
    return std::nullopt;
#endif
}

std::string WriteStudentsSheet(const std::string& werkstatt, const std::string& exercise, const std::string& pdf) {
#ifdef __EMSCRIPTEN__
    (void)werkstatt;
    (void)exercise;
    (void)pdf;
    return fuzzy::Tr("fuzzysim", "Das Blatt als PDF schreibt hier kein Programm.");
#else
    std::vector<std::string> words = {
        werkstatt, "--lang", fuzzy::ActiveLanguage() == fuzzy::Language::English ? "en" : "de", "--blatt", exercise,
        "-o",      pdf};
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    // The sheet needs no display; a set platform is kept.
    std::vector<std::string> env;
    bool platform = false;
    for (char** e = environ; e && *e; ++e) {
        env.emplace_back(*e);
        platform = platform || env.back().rfind("QT_QPA_PLATFORM=", 0) == 0;
    }
    if (!platform) env.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, werkstatt.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return fuzzy::Fmt(fuzzy::Tr("fuzzysim", "%1 l\xC3\xA4sst sich nicht starten."), {werkstatt});
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return fuzzy::Fmt(fuzzy::Tr("fuzzysim", "%1 l\xC3\xA4sst sich nicht starten."), {werkstatt});
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return fuzzy::Fmt(fuzzy::Tr("fuzzysim", "%1 hat das Blatt %2 nicht geschrieben."), {werkstatt, pdf});
    return {};
#endif
}

}  // namespace fuzzysim
