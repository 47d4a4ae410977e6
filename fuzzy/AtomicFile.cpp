#include "AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzzy {

namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& s) { return "\xE2\x80\x9E" + s + "\xE2\x80\x9C"; }

std::string Reason(int err) {
    switch (err) {
    case EACCES:
    case EPERM: return "keine Berechtigung zum Schreiben";
    case EROFS: return "der Datentr\xC3\xA4ger ist schreibgesch\xC3\xBCtzt";
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "kein Platz mehr auf dem Datentr\xC3\xA4ger";
    case ENOENT:
    case ENOTDIR: return "der Ordner existiert nicht";
    case EISDIR: return "unter diesem Namen steht ein Ordner";
    case ENAMETOOLONG: return "der Name ist zu lang";
    case EIO: return "Ein-/Ausgabefehler des Datentr\xC3\xA4gers";
    default: return "Systemfehler " + std::to_string(err);
    }
}

[[noreturn]] void Fail(const std::string& file, int err) {
    throw ESaveError("Die Datei " + Quoted(file) + " konnte nicht gespeichert werden: " + Reason(err) + ".");
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

// Removes the temporary file when the save does not get to the rename.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!path.empty()) ::unlink(path.c_str());
    }
    std::string path;
    int fd = -1;
};

}  // namespace

void WriteFileAtomic(const std::string& FileName, std::string_view bytes) {
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

    TempFile tmp;
    for (int attempt = 0; attempt < 100 && tmp.fd < 0; ++attempt) {
        tmp.path = TempName(dir, base, attempt);
        tmp.fd = ::open(tmp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (tmp.fd < 0) {
            const int err = errno;
            tmp.path.clear();
            if (err != EEXIST) Fail(FileName, err);
        }
    }
    if (tmp.fd < 0) Fail(FileName, EEXIST);

    // The new file takes the old one's permissions; a new project gets the
    // ordinary ones (0666 less the umask, as open gave it).
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) (void)::fchmod(tmp.fd, old.st_mode & 07777);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(tmp.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(FileName, errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(tmp.fd) != 0) Fail(FileName, errno);
    const int fd = tmp.fd;
    tmp.fd = -1;
    if (::close(fd) != 0) Fail(FileName, errno);
    if (::rename(tmp.path.c_str(), target.c_str()) != 0) Fail(FileName, errno);
    tmp.path.clear();
}

}  // namespace fuzzy
