#include "fuzzy/Project.h"

#include "fuzzy/AtomicFile.h"

#include "fuzzy/Numbers.h"
#include "fuzzy/Language.h"
#include "fuzzy/Text.h"

#include <array>
#include <cmath>
#include <cstring>

namespace fuzzy {

namespace {

bool ReadsBackAs(const std::string& text, float v) {
    const RealResult r = ParseProjectReal(text);
    if (r.status != RealStatus::Ok) return false;
    std::uint32_t a = 0, b = 0;
    std::memcpy(&a, &r.value, sizeof a);
    std::memcpy(&b, &v, sizeof b);
    return a == b;
}

std::string ToChars(float v, int precision) {
    return precision < 0 ? NumberText(v) : GeneralText(static_cast<double>(v), precision);
}

// One line of a project, encoded; a line may hold neither a line end nor the
// end-of-text byte, and a lone CR would be dropped by the reader.
std::string Cp1252Line(const std::string& utf8, const std::string& what) {
    std::string bytes;
    char32_t bad = 0;
    if (!text::Utf8ToCp1252(utf8, bytes, bad)) {
        if (bad == U'\uFFFD')
            throw ESaveError(Fmt(Tr("KernSpeichern",
                                    "%1 \xE2\x80\x9E%2\xE2\x80\x9C enth\xC3\xA4lt ein Zeichen, das eine Fuzzy-Datei "
                                    "nicht aufnehmen kann."),
                                 {what, utf8}));
        throw ESaveError(Fmt(Tr("KernSpeichern",
                                "%1 \xE2\x80\x9E%2\xE2\x80\x9C enth\xC3\xA4lt das Zeichen \xE2\x80\x9E%3\xE2\x80\x9C, "
                                "das eine Fuzzy-Datei nicht aufnehmen kann."),
                             {what, utf8, text::CodePointsToUtf8(std::u32string(1, bad))}));
    }
    if (bytes.find_first_of("\r\n\x1A") != std::string::npos)
        throw ESaveError(Fmt(Tr("KernSpeichern",
                                "%1 \xE2\x80\x9E%2\xE2\x80\x9C enth\xC3\xA4lt einen Zeilenumbruch oder ein "
                                "Steuerzeichen, das eine Fuzzy-Datei nicht aufnehmen kann."),
                             {what, utf8}));
    if (bytes.size() > MaxProjectLineBytes)
        throw ESaveError(
            Fmt(Tr("KernSpeichern", "%1 ist l\xC3\xA4nger als %2 Zeichen; so lange Namen liest kein Programm."),
                {what, std::to_string(MaxProjectLineBytes)}));
    return bytes + "\r\n";
}

class Writer {
public:
    std::string out;

    void Line(const std::string& bytes) { out += bytes + "\r\n"; }
    void Real(float v, const std::string& where) {
        if (!std::isfinite(v)) throw ESaveError(Fmt(Tr("KernSpeichern", "%1 ist keine endliche Zahl."), {where}));
        Line(RealText(v));
    }

    void Variable(const TFuzzy& v, const std::string& role) {
        if (!v.Defined) {
            Line("");
            return;
        }
        if (v.Name.empty()) throw ESaveError(Fmt(Tr("KernSpeichern", "%1 hat keinen Namen."), {role}));
        out += Cp1252Line(v.Name, Fmt(Tr("KernSpeichern", "Der Name von %1"), {role}));
        if (v.TermCount > MaxTerms)
            throw ESaveError(Fmt(Tr("KernSpeichern", "%1 hat mehr als f\xC3\xBCnf Terme."), {role}));
        Line(std::to_string(v.TermCount));
        Real(v.RangeMin, Fmt(Tr("KernSpeichern", "%1: der Anfang des Bereichs"), {role}));
        Real(v.RangeMax, Fmt(Tr("KernSpeichern", "%1: das Ende des Bereichs"), {role}));
        const int n = v.UsedTerms();
        for (int i = 1; i <= n; ++i) {
            const std::string term = Fmt(Tr("KernSpeichern", "%1, Term %2"), {role, std::to_string(i)});
            if (v.GetTermName(i).empty()) throw ESaveError(Fmt(Tr("KernSpeichern", "%1 hat keinen Namen."), {term}));
            out += Cp1252Line(v.GetTermName(i), Fmt(Tr("KernSpeichern", "Der Name von %1"), {term}));
        }
        static constexpr std::array<const char*, 5> kParam = {"a", "b", "c", "d", "h"};
        for (int i = 1; i <= n; ++i) {
            const std::string term = Fmt(Tr("KernSpeichern", "%1, Term %2"), {role, std::to_string(i)});
            for (int j = 1; j <= 5; ++j) Real(v.GetParam(i, j), term + ": " + kParam[j - 1]);
        }
    }
};

}  // namespace

std::string RealText(float v) {
    if (!std::isfinite(v))
        throw ESaveError(Tr("KernSpeichern", "Eine Zahl, die keine endliche Zahl ist, kann nicht gespeichert werden."));
    // People read and write these files by hand: plain decimals where they
    // stay short (-100000, 0.055), the exponent form only where they would not.
    {
        std::string s = NumberText(v, NumberForm::Fixed);
        if (s.size() <= 12 && ReadsBackAs(s, v)) return s;
    }
    // The shortest round trip of a float, read back through double by the
    // reader, may in rare cases round differently: then more digits.
    for (int precision : {-1, 9, 12, 17}) {
        std::string s = ToChars(v, precision);
        if (ReadsBackAs(s, v)) return s;
    }
    // Not reached for finite floats: 17 significant digits always read back.
    return ToChars(v, 17);
}

std::string ProjectText(const Project& p) {
    Writer w;
    w.Variable(p.A, Tr("KernSpeichern", "Eingang A"));
    w.Variable(p.B, Tr("KernSpeichern", "Eingang B"));
    w.Variable(p.Out, Tr("KernSpeichern", "Ausgang"));
    for (std::int32_t e : p.Rules.Entries) w.Line(std::to_string(e));
    return w.out;
}

void SaveProject(const std::string& FileName, const Project& p) {
    // Whatever the format cannot hold is refused before the disk is touched.
    const std::string bytes = ProjectText(p);
    WriteFileAtomic(FileName, bytes);
}

}  // namespace fuzzy
