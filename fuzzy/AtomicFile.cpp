#include "fuzzy/AtomicFile.h"

#include "fuzzy/Language.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
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
    case ELOOP: return Tr("KernSpeichern", "zu viele symbolische Verweise hintereinander");
    case ENXIO: return Tr("KernSpeichern", "kein Programm liest aus der Pipe");
    case EPIPE: return Tr("KernSpeichern", "das lesende Programm hat vor dem Ende aufgeh\xC3\xB6rt");
    default: return Fmt(Tr("KernSpeichern", "Systemfehler %1"), {std::to_string(err)});
    }
}

[[noreturn]] void Fail(const std::string& file, int err) {
    throw ESaveError(
        Fmt(Tr("KernSpeichern", "Die Datei \xE2\x80\x9E%1\xE2\x80\x9C konnte nicht gespeichert werden: %2."),
            {file, Reason(err)}));
}

// A name for a new file next to the target that no other writer picks.
std::string TempName(const fs::path& dir, const std::string& base, int attempt) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%d.%llx.%u.%d.tmp", static_cast<int>(::getpid()), ticks,
                  counter.fetch_add(1), attempt);
    return (dir / ("." + base + suffix)).string();
}

// ---- names a signal must remove -----------------------------------------------

// Every name the writer gives a file of its own (temporary files, the links
// that keep old files for putting them back), for the signal handler: fixed
// buffers, since a handler may not allocate. A name is entered before the
// file gets it, so there is no moment in which the file has a name the
// handler does not know; removing a name that was never given is harmless.
constexpr std::size_t kSlots = 8;
struct Slot {
    std::array<char, 4096> path{};
    volatile std::sig_atomic_t used = 0;
};
std::array<Slot, kSlots> gSlots{};

extern "C" void RemoveTempAndDie(int sig) {
    for (Slot& s : gSlots) {
        if (s.used) ::unlink(s.path.data());
    }
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// One write at a time: the handlers and the names above are the process's.
std::mutex& WriteMutex() {
    static std::mutex m;
    return m;
}

// A name of the writer's own while it may exist: entered before the file is
// made, removed from the table (and the file) when no longer needed.
class OwnName {
public:
    OwnName() = default;
    OwnName(const OwnName&) = delete;
    OwnName& operator=(const OwnName&) = delete;
    ~OwnName() { Drop(true); }

    // Enters the name; false when it does not fit (too long or no free slot).
    bool Enter(const std::string& p) {
        Drop(false);
        path = p;
        if (p.size() >= gSlots[0].path.size()) return false;
        for (std::size_t i = 0; i < gSlots.size(); ++i) {
            if (gSlots[i].used) continue;
            std::memcpy(gSlots[i].path.data(), p.c_str(), p.size() + 1);
            gSlots[i].used = 1;
            slot_ = static_cast<int>(i);
            return true;
        }
        return false;
    }
    // The name is no longer ours (it was never given, or the file under it
    // has become the target); with removeIt the file under it goes too.
    void Drop(bool removeIt) {
        if (slot_ >= 0) gSlots[static_cast<std::size_t>(slot_)].used = 0;
        slot_ = -1;
        if (removeIt && !path.empty()) ::unlink(path.c_str());
        path.clear();
    }
    std::string path;

private:
    int slot_ = -1;
};

// For the time of one write: SIGTERM, SIGINT and SIGHUP remove the writer's
// files before they end the process; a file size limit makes the write fail
// (EFBIG, reported as a full disk) and a pipe without reader fails it with
// EPIPE, instead of killing the process. A signal the program handles itself
// (or ignores) is left as it is.
class SignalGuard {
public:
    SignalGuard() {
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            struct sigaction now {};
            installed_[i] = false;
            if (::sigaction(kSignals[i], nullptr, &now) != 0 || now.sa_handler != SIG_DFL) continue;
            struct sigaction act {};
            act.sa_handler = kSignals[i] == SIGXFSZ || kSignals[i] == SIGPIPE ? SIG_IGN : &RemoveTempAndDie;
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
    static constexpr std::array<int, 5> kSignals = {SIGTERM, SIGINT, SIGHUP, SIGXFSZ, SIGPIPE};
    std::array<struct sigaction, 5> old_{};
    std::array<bool, 5> installed_{};
};

// While the new files replace the old ones, the signals that end the process
// wait in this thread, so that a change of several files is not cut in half.
class HoldSignals {
public:
    HoldSignals() {
        sigset_t set;
        sigemptyset(&set);
        for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&set, s);
        held_ = ::pthread_sigmask(SIG_BLOCK, &set, &old_) == 0;
    }
    ~HoldSignals() {
        if (held_) ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    HoldSignals(const HoldSignals&) = delete;
    HoldSignals& operator=(const HoldSignals&) = delete;

private:
    sigset_t old_{};
    bool held_ = false;
};

class Fd {
public:
    Fd() = default;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    // Closes now; the errno of a failed close, else 0.
    int Close() {
        const int f = fd;
        fd = -1;
        return f >= 0 && ::close(f) != 0 ? errno : 0;
    }
    int fd = -1;
};

void WriteAll(const std::string& FileName, int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(FileName, errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

// ---- what stands under each name ----------------------------------------------

enum class Kind {
    New,      // nothing there yet: the file is made
    Replace,  // a regular file: replaced by the new one
    Direct,   // a character device or a named pipe: written into
};

struct Target {
    std::string name;  // as given, for the messages
    fs::path path;     // where the file goes: the name, or what its links lead to
    Kind kind = Kind::New;
    struct stat st {};  // of what is there (not for Kind::New)
    std::string_view bytes;
};

// The place a name leads to through symbolic links, also when the last link
// names a file that does not exist yet.
fs::path FollowLinks(const std::string& FileName) {
    fs::path p(FileName);
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        if (hops >= 40) Fail(FileName, ELOOP);
        std::error_code ec;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) Fail(FileName, ec.value());
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
}

Target Inspect(const OutputFile& f) {
    if (f.FileName.empty() || f.FileName.find('\0') != std::string::npos) Fail(f.FileName, ENOENT);
    Target t;
    t.name = f.FileName;
    t.bytes = f.bytes;
    struct stat st {};
    if (::stat(f.FileName.c_str(), &st) != 0) {
        if (errno != ENOENT) Fail(f.FileName, errno);
        // Nothing there, or a link to a file still to be made.
        t.path = FollowLinks(f.FileName);
        t.kind = Kind::New;
    } else if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
        // Opened under the name given: the system's own links (/dev/stdout)
        // lead to places that have no path.
        t.path = f.FileName;
        t.kind = Kind::Direct;
    } else if (S_ISDIR(st.st_mode)) {
        Fail(f.FileName, EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        throw ESaveError(Fmt(Tr("KernSpeichern",
                                "Unter dem Namen \xE2\x80\x9E%1\xE2\x80\x9C steht weder eine gew\xC3\xB6hnliche Datei "
                                "noch ein Ger\xC3\xA4t oder eine Pipe; dort wird nichts gespeichert."),
                             {f.FileName}));
    } else {
        t.path = FollowLinks(f.FileName);
        struct stat there {};
        // The links lead somewhere else than the name itself (a file deleted
        // but still open): there is nothing to replace safely.
        if (::lstat(t.path.c_str(), &there) != 0 || there.st_dev != st.st_dev || there.st_ino != st.st_ino)
            Fail(f.FileName, ENOENT);
        t.kind = Kind::Replace;
    }
    t.st = st;
    if (t.kind != Kind::Direct && t.path.filename().empty()) Fail(f.FileName, EISDIR);
    return t;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// What is there is refused before anything is written: the input under any
// name, or one file meant to receive two outputs.
void CheckTargets(const std::vector<Target>& targets, const std::vector<std::string>& InputFiles) {
    std::vector<struct stat> inputs;
    for (const std::string& f : InputFiles) {
        struct stat in {};
        if (!f.empty() && ::stat(f.c_str(), &in) == 0) inputs.push_back(in);
    }
    const auto isInput = [&inputs](const struct stat& st) {
        return std::any_of(inputs.begin(), inputs.end(), [&st](const struct stat& in) { return SameFile(st, in); });
    };
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Target& t = targets[i];
        if (t.kind != Kind::New && isInput(t.st)) {
            throw ESaveError(
                Fmt(Tr("KernSpeichern",
                       "Die Datei \xE2\x80\x9E%1\xE2\x80\x9C ist die Eingabedatei selbst; sie wird nicht \xC3\xBC"
                       "berschrieben."),
                    {t.name}));
        }
        for (std::size_t j = 0; j < i; ++j) {
            const Target& u = targets[j];
            // A device or a pipe takes one output after the other.
            if (t.kind == Kind::Direct && u.kind == Kind::Direct) continue;
            const bool same = t.kind == Kind::New || u.kind == Kind::New
                                  ? t.kind == u.kind && fs::absolute(t.path).lexically_normal() ==
                                                            fs::absolute(u.path).lexically_normal()
                                  : SameFile(t.st, u.st);
            if (same) {
                throw ESaveError(Fmt(Tr("KernSpeichern",
                                        "\xE2\x80\x9E%1\xE2\x80\x9C und \xE2\x80\x9E%2\xE2\x80\x9C sind dieselbe "
                                        "Datei; sie kann nicht beides aufnehmen."),
                                     {u.name, t.name}));
            }
        }
    }
}

// ---- writing into a device or a pipe ------------------------------------------

// A pipe whose reader is about to start (`fuzzysim … -o pipe & cat pipe`) is
// waited for this long, and not for ever.
constexpr auto kReaderWait = std::chrono::seconds(2);

void WriteInto(const Target& t) {
    Fd out;
    const auto until = std::chrono::steady_clock::now() + kReaderWait;
    for (;;) {
        out.fd = ::open(t.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (out.fd >= 0 || errno != ENXIO || !S_ISFIFO(t.st.st_mode) || std::chrono::steady_clock::now() >= until)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (out.fd < 0) Fail(t.name, errno);
    struct stat st {};
    if (::fstat(out.fd, &st) != 0) Fail(t.name, errno);
    // Decided on the open file: the name may have been swapped since.
    if (!S_ISCHR(st.st_mode) && !S_ISFIFO(st.st_mode)) Fail(t.name, EINVAL);
    (void)::fcntl(out.fd, F_SETFL, ::fcntl(out.fd, F_GETFL) & ~O_NONBLOCK);
    WriteAll(t.name, out.fd, t.bytes);
    if (const int err = out.Close()) Fail(t.name, err);
}

// ---- the new file beside the target -------------------------------------------

struct TempFile {
    OwnName name;
    Fd fd;
};

// The file's bytes, its permissions and fsync: the same for both kinds of
// temporary file.
void FillTemp(const Target& t, int fd) {
    // The new file takes the old one's permissions; a new file gets the
    // ordinary ones (0666 less the umask, as open gave it).
    if (t.kind == Kind::Replace) (void)::fchmod(fd, t.st.st_mode & 07777);
    WriteAll(t.name, fd, t.bytes);
    if (::fsync(fd) != 0) Fail(t.name, errno);
}

fs::path Folder(const Target& t) {
    fs::path dir = t.path.parent_path();
    return dir.empty() ? fs::path(".") : dir;
}

// A complete file without a name (O_TMPFILE) gets one next to the target.
// False when the system cannot do either; the caller then takes a named file.
bool AnonymousTemp(const Target& t, TempFile& tmp) {
#ifdef O_TMPFILE
    const fs::path dir = Folder(t);
    tmp.fd.fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (tmp.fd.fd < 0) return false;
    FillTemp(t, tmp.fd.fd);
    const std::string self = "/proc/self/fd/" + std::to_string(tmp.fd.fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = TempName(dir, t.path.filename().string(), attempt);
        tmp.name.Enter(name);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
        const int err = errno;
        tmp.name.Drop(false);  // not ours: someone else's, or never made
        if (err != EEXIST) break;
    }
    (void)tmp.fd.Close();
    return false;
#else
    (void)t, (void)tmp;
    return false;
#endif
}

void MakeTemp(const Target& t, TempFile& tmp) {
    if (AnonymousTemp(t, tmp)) return;
    const fs::path dir = Folder(t);
    for (int attempt = 0; attempt < 100 && tmp.fd.fd < 0; ++attempt) {
        const std::string name = TempName(dir, t.path.filename().string(), attempt);
        tmp.name.Enter(name);
        tmp.fd.fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (tmp.fd.fd >= 0) break;
        const int err = errno;
        tmp.name.Drop(false);
        if (err != EEXIST) Fail(t.name, err);
    }
    if (tmp.fd.fd < 0) Fail(t.name, EEXIST);
    FillTemp(t, tmp.fd.fd);
}

// The new files take their targets' places, all or (as far as the system
// lets an old file be put back) none.
void Commit(const std::vector<Target>& targets, std::vector<TempFile>& temps) {
    const HoldSignals hold;
    const std::size_t n = temps.size();
    // The old files stay reachable under a second name until all are
    // replaced; a single file needs none.
    std::vector<OwnName> keep(n);
    if (n > 1) {
        for (std::size_t i = 0; i < n; ++i) {
            if (targets[i].kind != Kind::Replace) continue;
            for (int attempt = 0; attempt < 100; ++attempt) {
                keep[i].Enter(TempName(Folder(targets[i]), targets[i].path.filename().string(), attempt));
                if (::link(targets[i].path.c_str(), keep[i].path.c_str()) == 0) break;
                const int err = errno;
                keep[i].Drop(false);
                if (err != EEXIST) break;  // no hard links here: that file cannot be put back
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (::rename(temps[i].name.path.c_str(), targets[i].path.c_str()) == 0) {
            temps[i].name.Drop(false);
            continue;
        }
        const int err = errno;
        for (std::size_t j = 0; j < i; ++j) {
            if (!keep[j].path.empty()) {
                // Put back; should even that fail, the old file stays under
                // its second name rather than being lost.
                (void)::rename(keep[j].path.c_str(), targets[j].path.c_str());
                keep[j].Drop(false);
            } else if (targets[j].kind == Kind::New) {
                ::unlink(targets[j].path.c_str());
            }
        }
        Fail(targets[i].name, err);
    }
    // keep's destructors remove the second names of the old files.
}

void WriteFilesFrom(const std::vector<OutputFile>& files, const std::vector<std::string>& InputFiles) {
    if (files.size() > kSlots / 2) throw std::invalid_argument("WriteFilesAtomic: too many files");
    std::vector<Target> targets;
    targets.reserve(files.size());
    for (const OutputFile& f : files) targets.push_back(Inspect(f));
    CheckTargets(targets, InputFiles);

    const std::lock_guard<std::mutex> lock(WriteMutex());
    const SignalGuard guard;
    // Devices and pipes first: what they took cannot be taken back, so the
    // files are only replaced once those have been written.
    std::vector<Target> onDisk;
    for (const Target& t : targets) {
        if (t.kind == Kind::Direct) {
            WriteInto(t);
        } else {
            onDisk.push_back(t);
        }
    }
    std::vector<TempFile> temps(onDisk.size());
    for (std::size_t i = 0; i < onDisk.size(); ++i) {
        MakeTemp(onDisk[i], temps[i]);
        if (const int err = temps[i].fd.Close()) Fail(onDisk[i].name, err);
    }
    Commit(onDisk, temps);
}

}  // namespace

void WriteFilesAtomic(const std::vector<OutputFile>& files, const std::string& InputFile) {
    WriteFilesFrom(files, {InputFile});
}

void WriteFileAtomic(const std::string& FileName, std::string_view bytes, const std::string& InputFile) {
    WriteFilesFrom({OutputFile{FileName, bytes}}, {InputFile});
}

void WriteFileAtomic(const std::string& FileName, std::string_view bytes, const std::vector<std::string>& InputFiles) {
    WriteFilesFrom({OutputFile{FileName, bytes}}, InputFiles);
}

}  // namespace fuzzy
