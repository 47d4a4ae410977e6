#include "fuzzy/ProjectCheck.h"

#include "fuzzy/FuzUnits.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Language.h"
#include "fuzzy/Text.h"

namespace fuzzy {

namespace {

struct Stop {};

// The reader's line splitting: LF or CR LF ends a line, a lone CR is dropped,
// Ctrl-Z ends the text, past the end come empty lines.
class Lines {
public:
    explicit Lines(std::string_view bytes) : bytes_(bytes) {}

    std::string Next() {
        ++number_;
        std::string raw;
        if (ended_) {
            pastEnd_ = true;
            return raw;
        }
        while (true) {
            if (pos_ >= bytes_.size() || bytes_[pos_] == 0x1A) {
                ended_ = true;
                // A last line without its line end is still a line of the file.
                pastEnd_ = raw.empty() && !midLine_;
                break;
            }
            const char ch = bytes_[pos_++];
            if (ch == '\n') {
                midLine_ = false;
                break;
            }
            midLine_ = true;
            if (ch != '\r') raw += ch;
            // The reader stops here.
            if (raw.size() > MaxProjectLineBytes) {
                tooLong_ = true;
                break;
            }
        }
        return text::Cp1252ToUtf8(raw);
    }

    int Number() const { return number_; }
    bool PastEnd() const { return pastEnd_; }
    bool TooLong() const { return tooLong_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int number_ = 0;
    bool ended_ = false;
    bool pastEnd_ = false;
    bool midLine_ = false;
    bool tooLong_ = false;
};

std::string Quote(const std::string& s) { return Fmt(Tr("KernPruefung", "\xE2\x80\x9E%1\xE2\x80\x9C"), {s}); }

// What a line holds, for the messages.
std::string LineText(const std::string& line) {
    return line.empty() ? Tr("KernPruefung", "eine leere Zeile") : Quote(line);
}

class Checker {
public:
    explicit Checker(std::string_view bytes) : in_(bytes) {}

    ProjectDiagnosis Run() {
        try {
            Variable(Tr("KernPruefung", "Eingang A"));
            Variable(Tr("KernPruefung", "Eingang B"));
            Variable(Tr("KernPruefung", "Ausgang"));
            for (int r = 1; r <= 5; ++r) {
                for (int c = 1; c <= 5; ++c) {
                    Int(Fmt(Tr("KernPruefung", "die Regel in Zeile %1, Spalte %2 der Regeltabelle (eine ganze Zahl)"),
                            {std::to_string(r), std::to_string(c)}));
                }
            }
        } catch (const Stop&) {}
        d_.linesRead = in_.Number();
        return d_;
    }

private:
    [[noreturn]] void Fail(const std::string& line, const std::string& expected) {
        d_.ok = false;
        d_.line = in_.Number();
        d_.expected = expected;
        d_.found = in_.PastEnd() ? Tr("KernPruefung", "das Dateiende") : LineText(line);
        throw Stop{};
    }

    // The next line, which is to hold `what`; a line too long for the
    // reader ends the check there.
    std::string Next(const std::string& what) {
        std::string line = in_.Next();
        if (in_.TooLong()) {
            d_.ok = false;
            d_.line = in_.Number();
            d_.expected = what;
            d_.found =
                Fmt(Tr("KernPruefung", "eine Zeile mit mehr als %1 Zeichen"), {std::to_string(MaxProjectLineBytes)});
            throw Stop{};
        }
        return line;
    }

    std::int32_t Int(const std::string& what) {
        const std::string line = Next(what);
        const auto v = ParseProjectInt(line);
        if (!v) Fail(line, what);
        return *v;
    }

    void Real(const std::string& what) {
        const std::string line = Next(what);
        const RealResult r = ParseProjectReal(line);
        if (r.status == RealStatus::OutOfRange) {
            Fail(line, Fmt(Tr("KernPruefung", "%1 im Zahlenbereich einfacher Genauigkeit"), {what}));
        }
        if (r.status == RealStatus::NotANumber && !in_.PastEnd()) {
            d_.zeroReadLines.push_back(in_.Number());
            d_.zeroReadCauses.push_back(
                Fmt(Tr("KernPruefung", "%1 ist keine Zahl und wird als 0 gelesen (%2)."), {LineText(line), what}));
            d_.zeroReads.push_back(
                Fmt(Tr("KernPruefung", "Zeile %1: %2"), {std::to_string(in_.Number()), d_.zeroReadCauses.back()}));
        }
    }

    void Variable(const std::string& role) {
        const std::string name =
            Next(Fmt(Tr("KernPruefung", "der Name von %1 (leer, wenn es ihn nicht gibt)"), {role}));
        if (name.empty()) return;
        const std::int32_t n = Int(Fmt(Tr("KernPruefung", "die Zahl der Terme von %1 (eine ganze Zahl)"), {role}));
        if (n > MaxTerms)
            Fail(std::to_string(n), Fmt(Tr("KernPruefung",
                                           "h\xC3\xB6"
                                           "chstens 5 Terme f\xC3\xBCr %1"),
                                        {role}));
        Real(Fmt(Tr("KernPruefung", "der Bereichsanfang von %1"), {role}));
        Real(Fmt(Tr("KernPruefung", "das Bereichsende von %1"), {role}));
        for (int i = 1; i <= n; ++i) {
            const std::string termWhat =
                Fmt(Tr("KernPruefung", "der Name von Term %1 von %2"), {std::to_string(i), role});
            const std::string term = Next(termWhat);
            if (term.empty()) Fail(term, termWhat);
        }
        static const char* const kParam[] = {"a", "b", "c", "d", "h"};
        for (int i = 1; i <= n; ++i) {
            for (const char* p : kParam) {
                Real(Fmt(Tr("KernPruefung", "der Wert %1 von Term %2 von %3"), {p, std::to_string(i), role}));
            }
        }
    }

    Lines in_;
    ProjectDiagnosis d_;
};

}  // namespace

std::string ProjectDiagnosis::Describe() const {
    if (ok) return {};
    return Fmt(Tr("KernPruefung", "Zeile %1: erwartet wird %2, gefunden: %3."),
               {std::to_string(line), expected, found});
}

ProjectDiagnosis DiagnoseProject(std::string_view bytes) { return Checker(bytes).Run(); }

}  // namespace fuzzy
