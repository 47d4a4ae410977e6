// Formats by name, identifiers, number texts and the provenance comments.
#include "exchange/Detail.h"

#include "fuzzy/Numbers.h"
#include "fuzzy/Text.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <limits>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exchange {

namespace {

bool HasSuffix(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && detail::EqualsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

}  // namespace

std::optional<Format> FormatFromPath(std::string_view path) {
    if (HasSuffix(path, ".fll")) return Format::Fll;
    if (HasSuffix(path, ".fis")) return Format::Fis;
    if (HasSuffix(path, ".fcl")) return Format::Fcl;
    return std::nullopt;
}

std::optional<Format> FormatFromName(std::string_view name) {
    if (detail::EqualsNoCase(name, "fll")) return Format::Fll;
    if (detail::EqualsNoCase(name, "fis")) return Format::Fis;
    if (detail::EqualsNoCase(name, "fcl")) return Format::Fcl;
    return std::nullopt;
}

const char* FormatName(Format f) {
    switch (f) {
    case Format::Fll: return "fll";
    case Format::Fis: return "fis";
    case Format::Fcl: return "fcl";
    }
    return "";
}

std::string ReadImportFile(const std::string& path) {
    using detail::Fmt;
    using detail::Tr;
    const std::string name = detail::Quoted(path);
    // pattern: %1 the file's name, %2 a number where the sentence has one.
    auto refuse = [&name](const char* pattern, const std::string& number = {}) -> UnreadableFile {
        return UnreadableFile(Fmt(pattern, {name, number}));
    };
    const char* missing = Tr("Import", "Die Datei %1 gibt es nicht.");
    const char* unread = Tr("Import", "Die Datei %1 konnte nicht gelesen werden.");
    if (path.empty() || path.find('\0') != std::string::npos) throw refuse(missing);
    // Opened without blocking, so that a pipe without a writer cannot hold the
    // caller; what it is, is decided on the open file and not on the name,
    // which might be swapped between a look and the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) throw refuse(missing);
        if (err == EACCES || err == EPERM) throw refuse(Tr("Import", "Die Datei %1 darf nicht gelesen werden."));
        throw refuse(Tr("Import", "Die Datei %1 konnte nicht geöffnet werden (Systemfehler %2)."), std::to_string(err));
    }
    const std::unique_ptr<int, void (*)(int*)> closer(new int(fd), [](int* p) {
        ::close(*p);
        delete p;
    });
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw refuse(unread);
    if (S_ISDIR(st.st_mode)) throw refuse(Tr("Import", "Die Datei %1 ist ein Ordner."));
    if (!S_ISREG(st.st_mode)) {
        throw refuse(Tr("Import",
                        "Die Datei %1 ist keine gewöhnliche Datei (ein Gerät oder eine Pipe) und wird nicht "
                        "gelesen."));
    }
    const char* tooLarge =
        Tr("Import", "Die Datei %1 ist größer als %2 MB; so groß ist kein Fuzzy-System, sie wird nicht gelesen.");
    const std::string limit = std::to_string(MaxImportBytes / (1024 * 1024));
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > MaxImportBytes) {
        throw refuse(tooLarge, limit);
    }
    // A regular file does not block; the flag only mattered for the open.
    (void)::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::array<char, 65536> buf{};
    for (;;) {
        const ssize_t n = ::read(fd, buf.data(), buf.size());
        if (n < 0) {
            const int err = errno;
            if (err == EINTR) continue;
            throw refuse(Tr("Import", "Die Datei %1 konnte nicht gelesen werden (Systemfehler %2)."),
                         std::to_string(err));
        }
        if (n == 0) break;
        bytes.append(buf.data(), static_cast<std::size_t>(n));
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() > MaxImportBytes) throw refuse(tooLarge, limit);
    }
    return bytes;
}

namespace detail {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = (a[i] >= 'A' && a[i] <= 'Z') ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = (b[i] >= 'A' && b[i] <= 'Z') ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y) return false;
    }
    return true;
}

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return std::string(s.substr(b, e - b));
}

// The quotation marks are the language's own: „…“ in German, “…” in English.
std::string Quoted(std::string_view s) { return Fmt(Tr("Import", "„%1“"), {s}); }

bool IsKeyword(std::string_view word) {
    static constexpr std::array<const char*, 38> kKeywords = {"if",
                                                              "is",
                                                              "and",
                                                              "or",
                                                              "then",
                                                              "with",
                                                              "not",
                                                              "very",
                                                              "somewhat",
                                                              "seldom",
                                                              "extremely",
                                                              "any",
                                                              "none",
                                                              "rule",
                                                              "term",
                                                              "range",
                                                              "method",
                                                              "accu",
                                                              "default",
                                                              "act",
                                                              "real",
                                                              "var_input",
                                                              "var_output",
                                                              "end_var",
                                                              "fuzzify",
                                                              "end_fuzzify",
                                                              "defuzzify",
                                                              "end_defuzzify",
                                                              "ruleblock",
                                                              "end_ruleblock",
                                                              "function_block",
                                                              "end_function_block",
                                                              "engine",
                                                              "inputvariable",
                                                              "outputvariable",
                                                              "nc",
                                                              "cog",
                                                              "lm"};
    for (const char* k : kKeywords) {
        if (EqualsNoCase(word, k)) return true;
    }
    return false;
}

std::string MakeIdentifier(std::string_view utf8, std::string_view fallback) {
    std::string id;
    for (char32_t cp : fuzzy::text::Utf8ToCodePoints(utf8)) {
        switch (cp) {
        case U'\u00E4': id += "ae"; break;
        case U'\u00F6': id += "oe"; break;
        case U'\u00FC': id += "ue"; break;
        case U'\u00C4': id += "Ae"; break;
        case U'\u00D6': id += "Oe"; break;
        case U'\u00DC': id += "Ue"; break;
        case U'\u00DF': id += "ss"; break;
        default:
            if ((cp >= U'a' && cp <= U'z') || (cp >= U'A' && cp <= U'Z') || (cp >= U'0' && cp <= U'9')) {
                id += static_cast<char>(cp);
            } else if (id.empty() || id.back() != '_') {
                id += '_';
            }
        }
    }
    while (!id.empty() && id.front() == '_') id.erase(id.begin());
    while (!id.empty() && id.back() == '_') id.pop_back();
    if (id.empty()) return std::string(fallback);
    if (id.front() >= '0' && id.front() <= '9') id = std::string(fallback) + "_" + id;
    if (IsKeyword(id)) id += '_';
    return id;
}

std::string UniqueIdentifier(std::string_view utf8, std::string_view fallback, std::set<std::string>& used) {
    const std::string base = MakeIdentifier(utf8, fallback);
    std::string id = base;
    for (int n = 2; used.count(Lower(id)) > 0; ++n) id = base + "_" + std::to_string(n);
    used.insert(Lower(id));
    return id;
}

std::string Figure(double v) {
    // printf's "%.2g" as the C locale writes it, whatever locale the program runs in.
    return fuzzy::GeneralText(v, 2);
}

std::string Num(float v) { return fuzzy::NumberText(v); }

std::string Num(double v) { return fuzzy::NumberText(v); }

std::optional<double> ParseDouble(std::string_view s) {
    const std::string t = Trim(s);
    if (t.empty()) return std::nullopt;
    std::string canon = t;
    if (canon[0] == '+') canon.erase(canon.begin());
    // ReadNumber takes no leading '+' and no bare leading point; give it a zero.
    if (!canon.empty() && canon[0] == '.') canon.insert(canon.begin(), '0');
    if (canon.size() > 1 && canon[0] == '-' && canon[1] == '.') canon.insert(1, "0");
    double d = 0.0;
    const auto res = fuzzy::ReadNumber(canon.data(), canon.data() + canon.size(), d);
    if (res.ec != std::errc() || res.ptr != canon.data() + canon.size()) return std::nullopt;
    if (!std::isfinite(d)) return std::nullopt;
    return d;
}

std::optional<double> ParseStored(std::string_view s) {
    const auto d = ParseDouble(s);
    if (!d || std::fabs(*d) > std::numeric_limits<float>::max()) return d;
    std::string canon = Trim(s);
    if (!canon.empty() && canon[0] == '+') canon.erase(canon.begin());
    if (!canon.empty() && canon[0] == '.') canon.insert(canon.begin(), '0');
    if (canon.size() > 1 && canon[0] == '-' && canon[1] == '.') canon.insert(1, "0");
    float f = 0.0f;
    const auto res = fuzzy::ReadNumber(canon.data(), canon.data() + canon.size(), f);
    if (res.ec != std::errc() || res.ptr != canon.data() + canon.size()) return d;
    return static_cast<double>(f);
}

// ---- provenance comments -----------------------------------------------------

std::string ProvenanceLine(std::string_view comment, const Provenance& p) {
    std::string name;
    for (char c : p.name) {
        if (c == '"' || c == '\\') name += '\\';
        // A line break would end the comment and spill the rest into the engine.
        name += (c == '\n' || c == '\r') ? ' ' : c;
    }
    std::string s = std::string(comment) + " fuzzysim: " + p.key + " = \"" + name + "\"";
    if (p.hasRange) s += ", Bereich " + Num(p.lo) + " " + Num(p.hi);
    if (p.hasHeight) s += ", H\xC3\xB6he " + Num(p.height);
    return s;
}

bool ParseProvenance(std::string_view rest, Provenance& p) {
    std::string s = Trim(rest);
    const std::string tag = "fuzzysim:";
    if (s.compare(0, tag.size(), tag) != 0) return false;
    s = Trim(std::string_view(s).substr(tag.size()));
    const std::size_t eq = s.find(" = \"");
    if (eq == std::string::npos) return false;
    Provenance r;
    r.key = Trim(std::string_view(s).substr(0, eq));
    std::size_t i = eq + 4;
    bool closed = false;
    for (; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            r.name += s[++i];
        } else if (s[i] == '"') {
            closed = true;
            ++i;
            break;
        } else {
            r.name += s[i];
        }
    }
    if (!closed || r.key.empty() || r.name.empty()) return false;
    std::string tail = s.substr(i);
    auto take = [&tail](const std::string& label, int count, std::array<double, 2>& v) {
        const std::size_t at = tail.find(", " + label + " ");
        if (at == std::string::npos) return false;
        std::string nums = tail.substr(at + label.size() + 3);
        const std::size_t next = nums.find(',');
        if (next != std::string::npos) nums.resize(next);
        std::size_t pos = 0;
        for (int n = 0; n < count; ++n) {
            while (pos < nums.size() && nums[pos] == ' ') ++pos;
            const std::size_t end = std::min(nums.find(' ', pos), nums.size());
            const auto d = ParseStored(std::string_view(nums).substr(pos, end - pos));
            // Beyond single range it is no number a project holds (and no cast may meet it).
            if (!d || std::fabs(*d) > std::numeric_limits<float>::max()) return false;
            v[static_cast<std::size_t>(n)] = *d;
            pos = end;
        }
        return true;
    };
    std::array<double, 2> v{};
    if (take("Bereich", 2, v)) {
        r.hasRange = true;
        r.lo = static_cast<float>(v[0]);
        r.hi = static_cast<float>(v[1]);
    }
    if (take("H\xC3\xB6he", 1, v)) {
        r.hasHeight = true;
        r.height = static_cast<float>(v[0]);
    }
    p = r;
    return true;
}

}  // namespace detail
}  // namespace exchange
