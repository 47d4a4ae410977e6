#include "fuzzy/AtomicFile.h"

#include "fuzzy/Language.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzzy {

namespace {

namespace fs = std::filesystem;

// Why a write failed, in the active language.
std::string Reason(int err) {
    switch (err) {
    case EACCES:
    case EPERM: return Tr("KernSpeichern", "keine Berechtigung zum Schreiben");
    case EROFS: return Tr("KernSpeichern", "der Datentr\xC3\xA4ger ist schreibgesch\xC3\xBCtzt");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Tr("KernSpeichern", "kein Platz mehr auf dem Datentr\xC3\xA4ger");
    case ENOENT:
    case ENOTDIR: return Tr("KernSpeichern", "der Ordner existiert nicht");
    case EISDIR: return Tr("KernSpeichern", "unter diesem Namen steht ein Ordner");
    case ENAMETOOLONG: return Tr("KernSpeichern", "der Name ist zu lang");
    case EIO: return Tr("KernSpeichern", "Ein-/Ausgabefehler des Datentr\xC3\xA4gers");
    default: return Fmt(Tr("KernSpeichern", "Systemfehler %1"), {std::to_string(err)});
    }
}

[[noreturn]] void Fail(const std::string& file, int err) {
    throw ESaveError(
        Fmt(Tr("KernSpeichern", "Die Datei \xE2\x80\x9E%1\xE2\x80\x9C konnte nicht gespeichert werden: %2."),
            {file, Reason(err)}));
}

// A name for the new file next to the target that no other writer picks.
std::string TempName(const fs::path& dir, const std::string& base, int attempt) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%d.%llx.%u.%d.tmp", static_cast<int>(::getpid()), ticks,
                  counter.fetch_add(1), attempt);
    return (dir / ("." + base + suffix)).string();
}

// ---- the temporary file's name while a signal may end the process -----------

// The named temporary file, for the signal handler: a fixed buffer, since a
// handler may not allocate. Empty while there is none.
std::array<char, 4096> gTempPath{};
volatile std::sig_atomic_t gHaveTempPath = 0;

extern "C" void RemoveTempAndDie(int sig) {
    if (gHaveTempPath) ::unlink(gTempPath.data());
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// One write at a time: the handlers and the name above are the process's.
std::mutex& WriteMutex() {
    static std::mutex m;
    return m;
}

// For the time of one write: SIGTERM, SIGINT and SIGHUP remove the named
// temporary file before they end the process, and a file size limit makes the
// write fail (EFBIG, reported as a full disk) instead of killing the process.
// A signal the program handles itself (or ignores) is left as it is.
class SignalGuard {
public:
    SignalGuard() {
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            struct sigaction now {};
            installed_[i] = false;
            if (::sigaction(kSignals[i], nullptr, &now) != 0 || now.sa_handler != SIG_DFL) continue;
            struct sigaction act {};
            act.sa_handler = kSignals[i] == SIGXFSZ ? SIG_IGN : &RemoveTempAndDie;
            sigemptyset(&act.sa_mask);
            installed_[i] = ::sigaction(kSignals[i], &act, &old_[i]) == 0;
        }
    }
    ~SignalGuard() {
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            if (installed_[i]) ::sigaction(kSignals[i], &old_[i], nullptr);
        }
    }
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

private:
    static constexpr std::array<int, 4> kSignals = {SIGTERM, SIGINT, SIGHUP, SIGXFSZ};
    std::array<struct sigaction, 4> old_{};
    std::array<bool, 4> installed_{};
};

// Removes the temporary file when the save does not get to the rename.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        Forget();
    }
    // The file now has this name; the signal handler knows it too.
    void Named(const std::string& p) {
        path = p;
        if (p.size() < gTempPath.size()) {
            gHaveTempPath = 0;
            std::memcpy(gTempPath.data(), p.c_str(), p.size() + 1);
            gHaveTempPath = 1;
        }
    }
    // The name is gone (renamed onto the target) or is to be removed now.
    void Forget(bool unlinkIt = true) {
        if (!path.empty() && unlinkIt) ::unlink(path.c_str());
        gHaveTempPath = 0;
        path.clear();
    }
    std::string path;
    int fd = -1;
};

// The file's bytes, its permissions and fsync: the same for both kinds of
// temporary file.
void FillTemp(const std::string& FileName, const fs::path& target, int fd, std::string_view bytes) {
    // The new file takes the old one's permissions; a new project gets the
    // ordinary ones (0666 less the umask, as open gave it).
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) (void)::fchmod(fd, old.st_mode & 07777);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(FileName, errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) Fail(FileName, errno);
}

// A complete file without a name (O_TMPFILE) gets one next to the target.
// False when the system cannot do either; the caller then takes a named file.
bool AnonymousTemp(const std::string& FileName, const fs::path& dir, const fs::path& target, const std::string& base,
                   std::string_view bytes, TempFile& tmp) {
#ifdef O_TMPFILE
    tmp.fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (tmp.fd < 0) return false;
    FillTemp(FileName, target, tmp.fd, bytes);
    const std::string self = "/proc/self/fd/" + std::to_string(tmp.fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = TempName(dir, base, attempt);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            tmp.Named(name);
            return true;
        }
        if (errno != EEXIST) break;
    }
    ::close(tmp.fd);
    tmp.fd = -1;
    return false;
#else
    (void)FileName, (void)dir, (void)target, (void)base, (void)bytes, (void)tmp;
    return false;
#endif
}

}  // namespace

void WriteFileAtomic(const std::string& FileName, std::string_view bytes, const std::string& InputFile) {
    if (FileName.empty() || FileName.find('\0') != std::string::npos) Fail(FileName, ENOENT);

    fs::path target(FileName);
    std::error_code ec;
    // Saving through a symbolic link keeps the link and replaces the file it names.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    if (fs::is_directory(target, ec)) Fail(FileName, EISDIR);
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    const std::string base = target.filename().string();
    if (base.empty()) Fail(FileName, EISDIR);

    // The same file under any name: replacing it would lose what was read.
    if (!InputFile.empty()) {
        struct stat in {
        }, out{};
        if (::stat(InputFile.c_str(), &in) == 0 && ::stat(target.c_str(), &out) == 0 && in.st_dev == out.st_dev &&
            in.st_ino == out.st_ino) {
            throw ESaveError(
                Fmt(Tr("KernSpeichern",
                       "Die Datei \xE2\x80\x9E%1\xE2\x80\x9C ist die Eingabedatei selbst; sie wird nicht \xC3\xBC"
                       "berschrieben."),
                    {FileName}));
        }
    }

    const std::lock_guard<std::mutex> lock(WriteMutex());
    const SignalGuard guard;
    TempFile tmp;
    if (!AnonymousTemp(FileName, dir, target, base, bytes, tmp)) {
        for (int attempt = 0; attempt < 100 && tmp.fd < 0; ++attempt) {
            const std::string name = TempName(dir, base, attempt);
            tmp.fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (tmp.fd >= 0) {
                tmp.Named(name);
            } else if (errno != EEXIST) {
                Fail(FileName, errno);
            }
        }
        if (tmp.fd < 0) Fail(FileName, EEXIST);
        FillTemp(FileName, target, tmp.fd, bytes);
    }
    const int fd = tmp.fd;
    tmp.fd = -1;
    if (::close(fd) != 0) Fail(FileName, errno);
    if (::rename(tmp.path.c_str(), target.c_str()) != 0) Fail(FileName, errno);
    tmp.Forget(false);
}

}  // namespace fuzzy
