#include "ProjectCheck.h"

#include "FuzUnits.h"
#include "Numbers.h"
#include "Text.h"

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
        }
        return text::Cp1252ToUtf8(raw);
    }

    int Number() const { return number_; }
    bool PastEnd() const { return pastEnd_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int number_ = 0;
    bool ended_ = false;
    bool pastEnd_ = false;
    bool midLine_ = false;
};

std::string Quote(const std::string& s) { return "\xE2\x80\x9E" + s + "\xE2\x80\x9C"; }

class Checker {
public:
    explicit Checker(std::string_view bytes) : in_(bytes) {}

    ProjectDiagnosis Run() {
        try {
            Variable("Eingang A");
            Variable("Eingang B");
            Variable("Ausgang");
            for (int r = 1; r <= 5; ++r) {
                for (int c = 1; c <= 5; ++c) {
                    Int("die Regel in Zeile " + std::to_string(r) + ", Spalte " + std::to_string(c) +
                        " der Regeltabelle (eine ganze Zahl)");
                }
            }
        } catch (const Stop&) {}
        return d_;
    }

private:
    [[noreturn]] void Fail(const std::string& line, const std::string& expected) {
        d_.ok = false;
        d_.line = in_.Number();
        d_.expected = expected;
        d_.found = in_.PastEnd() ? "das Dateiende" : line.empty() ? "eine leere Zeile" : Quote(line);
        throw Stop{};
    }

    std::int32_t Int(const std::string& what) {
        const std::string line = in_.Next();
        const auto v = ParseProjectInt(line);
        if (!v) Fail(line, what);
        return *v;
    }

    void Real(const std::string& what) {
        const std::string line = in_.Next();
        const RealResult r = ParseProjectReal(line);
        if (r.status == RealStatus::OutOfRange) {
            Fail(line, what + " im Zahlenbereich einfacher Genauigkeit");
        }
        if (r.status == RealStatus::NotANumber && !in_.PastEnd()) {
            d_.zeroReads.push_back("Zeile " + std::to_string(in_.Number()) + ": " +
                                   (line.empty() ? std::string("eine leere Zeile") : Quote(line)) +
                                   " ist keine Zahl und wird als 0 gelesen (" + what + ").");
        }
    }

    void Variable(const std::string& role) {
        const std::string name = in_.Next();
        if (name.empty()) return;
        const std::int32_t n = Int("die Zahl der Terme von " + role + " (eine ganze Zahl)");
        if (n > MaxTerms)
            Fail(std::to_string(n),
                 "h\xC3\xB6"
                 "chstens 5 Terme f\xC3\xBCr " +
                     role);
        Real("der Bereichsanfang von " + role);
        Real("das Bereichsende von " + role);
        for (int i = 1; i <= n; ++i) {
            const std::string term = in_.Next();
            if (term.empty()) Fail(term, "der Name von Term " + std::to_string(i) + " von " + role);
        }
        static const char* const kParam[] = {"a", "b", "c", "d", "h"};
        for (int i = 1; i <= n; ++i) {
            for (const char* p : kParam) {
                Real(std::string("der Wert ") + p + " von Term " + std::to_string(i) + " von " + role);
            }
        }
    }

    Lines in_;
    ProjectDiagnosis d_;
};

}  // namespace

std::string ProjectDiagnosis::Describe() const {
    if (ok) return {};
    return "Zeile " + std::to_string(line) + ": erwartet wird " + expected + ", gefunden: " + found + ".";
}

ProjectDiagnosis DiagnoseProject(std::string_view bytes) { return Checker(bytes).Run(); }

}  // namespace fuzzy
