#include "fuzzy/Errors.h"
#include "fuzzy/Project.h"
#include "fuzzy/Messages.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Text.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzzy {

namespace {

constexpr int kFileNotOpen = 103;

// A format error ends the reading at once.
struct FormatError {};

// A read error of the medium is a failure to read the contents.
struct ReadFailure {};

// Where the bytes of a project come from: memory or an open file. Get()
// returns the next byte (0..255) or -1 at the end.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual int Get() = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    int Get() override { return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_++]) : -1; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// Reads the file as it goes: only the lines the project needs are ever read,
// and never more than MaxProjectBytes, should the file grow while it is read.
class FileSource final : public ByteSource {
public:
    explicit FileSource(std::FILE* f) : f_(f) {}
    int Get() override {
        if (read_++ >= MaxProjectBytes) throw FormatError{};
        const int ch = std::getc(f_);
        if (ch == EOF && std::ferror(f_)) throw ReadFailure{};
        return ch == EOF ? -1 : ch;
    }

private:
    std::FILE* f_;
    std::size_t read_ = 0;
};

// Lines of a project's text: LF or CR LF ends a line, a lone CR is dropped,
// Ctrl-Z ends the text, reading past the end gives empty lines.
class LineReader {
public:
    explicit LineReader(ByteSource& src) : src_(src) {}

    std::string Next() {
        std::string raw;
        while (!ended_) {
            const int ch = src_.Get();
            if (ch < 0 || ch == 0x1A) {
                ended_ = true;
            } else if (ch == '\n') {
                break;
            } else if (ch != '\r') {
                // No line of a project is anywhere near this long.
                if (raw.size() >= MaxProjectLineBytes) throw FormatError{};
                raw += static_cast<char>(ch);
            }
        }
        return text::Cp1252ToUtf8(raw);
    }

private:
    ByteSource& src_;
    bool ended_ = false;
};

std::int32_t ReadInt(LineReader& in) {
    const auto v = ParseProjectInt(in.Next());
    if (!v) throw FormatError{};
    return *v;
}

float ReadReal(LineReader& in) {
    bool ok = true;
    const float v = StrToSingle(in.Next(), ok);
    if (!ok) throw FormatError{};
    return v;
}

void ReadVariable(LineReader& in, TFuzzy& v) {
    const std::string name = in.Next();
    if (name.empty()) {
        v.Defined = false;
        return;
    }
    v.Defined = true;
    v.Name = name;
    v.TermCount = ReadInt(in);
    // Only five term slots exist; a larger count cannot be stored.
    if (v.TermCount > MaxTerms) throw FormatError{};
    v.RangeMin = ReadReal(in);
    v.RangeMax = ReadReal(in);
    for (int i = 1; i <= v.TermCount; ++i) {
        const std::string term = in.Next();
        if (term.empty()) throw FormatError{};
        v.SetTermName(i, term);
    }
    for (int i = 1; i <= v.TermCount; ++i) {
        for (int j = 1; j <= 5; ++j) v.SetParam(i, j, ReadReal(in));
    }
}

// The contents could not be read: report it and leave nothing half-loaded.
void FailFormat(TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules) {
    Messages().Error(Tr("KernDatei", texts::FormatError));
    for (TFuzzy* v : {&A, &B, &Out}) {
        v->Clear();
        v->Name.clear();
    }
    Rules.Entries.fill(0);
}

void ReadProject(ByteSource& src, TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules) {
    A.Clear();
    B.Clear();
    Out.Clear();
    LineReader in(src);
    try {
        ReadVariable(in, A);
        ReadVariable(in, B);
        ReadVariable(in, Out);
        for (int r = 1; r <= 5; ++r) {
            for (int c = 1; c <= 5; ++c) Rules.Set(r, c, ReadInt(in));
        }
    } catch (const FormatError&) {
        FailFormat(A, B, Out, Rules);
    } catch (const ReadFailure&) {
        FailFormat(A, B, Out, Rules);
    }
}

[[noreturn]] void CannotOpen() {
    Messages().Warning(Tr("KernDatei", texts::CannotRead));
    throw EInOutError(kFileNotOpen);
}

// The file is there but is no file to read a project from: the same warning,
// and the reason in the error.
[[noreturn]] void Refuse(const std::string& FileName, const char* pattern, const std::string& number = {}) {
    Messages().Warning(Tr("KernDatei", texts::CannotRead));
    const std::string name = Fmt(Tr("KernDatei", "\xE2\x80\x9E%1\xE2\x80\x9C"), {FileName});
    throw EUnreadableFile(kFileNotOpen, Fmt(Tr("KernDatei", pattern), {name, number}));
}

// Dorvane and Pemrak report a file that cannot be opened as the I/O error
// 103; every other program says why (`sayWhy`), with the same code.
[[noreturn]] void CannotOpen(const std::string& FileName, int err, bool sayWhy) {
    if (!sayWhy) CannotOpen();
    const char* pattern = err == ENOENT || err == ENOTDIR ? texts::Missing
                          : err == EACCES || err == EPERM ? texts::NoPermission
                                                          : texts::CannotOpen;
    Refuse(FileName, pattern);
}

void LoadProjectFile(const std::string& FileName, TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules, bool sayWhy) {
    // A name with a NUL byte would open a different, shorter path.
    if (FileName.empty() || FileName.find('\0') != std::string::npos) CannotOpen(FileName, ENOENT, sayWhy);
    // Opened without blocking, so that a pipe without a writer cannot hold
    // the caller; what it is, is decided on the open file, not on the name.
    const int fd = ::open(FileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) CannotOpen(FileName, errno, sayWhy);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fdopen(fd, "rb"), &std::fclose);
    if (!file) {
        const int err = errno;
        ::close(fd);
        CannotOpen(FileName, err, sayWhy);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) CannotOpen(FileName, errno, sayWhy);
    // Only regular files: a directory cannot be read as text, and a device or
    // pipe might never end.
    if (S_ISDIR(st.st_mode)) Refuse(FileName, texts::IsFolder);
    if (!S_ISREG(st.st_mode)) Refuse(FileName, texts::NotRegular);
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > MaxProjectBytes)
        Refuse(FileName, texts::TooLarge, std::to_string(MaxProjectBytes >> 20));
    // A regular file does not block; the flag only mattered for the open.
    (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FileSource src(file.get());
    ReadProject(src, A, B, Out, Rules);
}

}  // namespace

void LoadProjectBytes(std::string_view bytes, Project& p) {
    MemorySource src(bytes);
    ReadProject(src, p.A, p.B, p.Out, p.Rules);
}

Project LoadProjectBytes(std::string_view bytes) {
    Project p;
    LoadProjectBytes(bytes, p);
    return p;
}

void LoadProject(const std::string& FileName, TFuzzy& A, TFuzzy& B, TFuzzy& Out, RuleTable& Rules) {
    LoadProjectFile(FileName, A, B, Out, Rules, false);
}

Project LoadProject(const std::string& FileName) {
    Project p;
    LoadProjectFile(FileName, p.A, p.B, p.Out, p.Rules, true);
    return p;
}

}  // namespace fuzzy
