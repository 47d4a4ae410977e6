#include "exchange/ExportC.h"

#include "fuzzy/Numbers.h"
#include "fuzzy/AtomicFile.h"
#include "exchange/Detail.h"
#include "fuzzy/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <limits>
#include <locale>
#include <sstream>
#include <vector>

namespace exchange {

namespace {

using detail::Fmt;
using detail::Num;
using detail::Tr;
using fuzzy::TFuzzy;

constexpr std::size_t kMaxNameLength = 24;

// The unit roundoff of single precision.
constexpr double kU = 1.0 / (1 << 24);

// A double as a hexadecimal floating constant, "-0x1.4p+2": the digits of
// printf's "%a", but never the C library's locale (whose radix character
// "%a" writes, a comma under a German locale).
std::string CDouble(double v) { return fuzzy::HexText(v); }

// A float as a C constant that is exact by the language's own rules (a
// hexadecimal floating constant); infinity from <math.h>.
std::string CFloat(float v) {
    if (std::isinf(v)) return v > 0 ? "INFINITY" : "-INFINITY";
    return CDouble(static_cast<double>(v)) + "f";
}

// A float as a decimal constant that is its exact value (every float is a
// finite decimal fraction), for C++ before C++17, which knows no hexadecimal
// floating constants; a C++ compiler takes a representable value as it is.
// Only for the ranges, which are finite.
std::string ExactDecimal(float v) {
    // The exact decimal of a float has at most 112 significant digits.
    const std::string s = fuzzy::ScientificText(static_cast<double>(v), 120);
    const std::size_t e = s.find('e');
    std::size_t end = e;
    while (end > 0 && s[end - 1] == '0') --end;
    if (end > 0 && s[end - 1] == '.') --end;
    return s.substr(0, end) + s.substr(e) + "f";
}

// A name from the project inside a C comment: nothing in it may end the
// comment, open a nested one, form a trigraph or break the line.
std::string CommentText(std::string_view utf8) {
    std::u32string cps = fuzzy::text::Utf8ToCodePoints(utf8);
    for (char32_t& c : cps) {
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0x2028 || c == 0x2029) c = U' ';
    }
    std::u32string out;
    for (char32_t c : cps) {
        // "*/", "/*" and "??" get a blank between their two characters.
        if (!out.empty() && ((out.back() == U'*' && c == U'/') || (out.back() == U'/' && c == U'*') ||
                             (out.back() == U'?' && c == U'?'))) {
            out += U' ';
        }
        out += c;
    }
    return fuzzy::text::CodePointsToUtf8(out);
}

// The date of the comment: SOURCE_DATE_EPOCH (seconds since 1970, UTC) where
// it is set, so that a build that generates the code is reproducible;
// otherwise today in local time.
std::string Today() {
    std::tm day{};
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        const std::string_view text(epoch);
        // Up to year 9999: a four-digit year, as the comment writes it.
        constexpr long long kLast = 253402300799LL;
        long long seconds = 0;
        const auto res = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (text.empty() || text[0] == '-' || res.ec != std::errc() || res.ptr != text.data() + text.size() ||
            seconds > kLast) {
            throw ExportError(Fmt(Tr("Exportfehler",
                                     "SOURCE_DATE_EPOCH ist %1, keine Zahl von Sekunden seit 1970 bis zum Jahr "
                                     "9999; der C-Quelltext wird nicht geschrieben."),
                                  {detail::Quoted(CommentText(text))}));
        }
        const std::time_t t = static_cast<std::time_t>(seconds);
        gmtime_r(&t, &day);
    } else {
        const std::time_t now = std::time(nullptr);
        localtime_r(&now, &day);
    }
    std::array<char, 16> buf{};
    std::strftime(buf.data(), buf.size(), "%Y-%m-%d", &day);
    return buf.data();
}

// A comment of the code in the active language at `indent`: "/* line" and
// "   line" for each line of the text, then " */". Each line is kept from
// ending the comment or the line, whatever a translation holds.
std::string CodeComment(std::string_view text, std::string_view indent = {}) {
    std::string s = std::string(indent) + "/* ";
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        s += CommentText(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        s += "\n" + std::string(indent) + "   ";
        start = end + 1;
    }
    return s + " */\n";
}

// An #error line: the generated name, then the reason in the active language
// (%1: the name), as one string literal.
std::string ErrorLine(const std::string& name, const char* pattern) {
    std::string text;
    for (char c : Fmt(pattern, {name})) {
        if (c == '"' || c == '\\') text += '\\';
        text += (c == '\n' || c == '\r') ? ' ' : c;
    }
    return "#error \"" + text + "\"\n";
}

std::string Upper(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

// The corners' base width as the engine's area takes it: (c - b) + d - a in double.
double BaseWidth(const TFuzzy& v, int i) {
    return (static_cast<double>(v.GetParam(i, 3)) - v.GetParam(i, 2)) + v.GetParam(i, 4) - v.GetParam(i, 1);
}

// The rules the inference can apply, as the engine reads them: for B's term
// j (the only row 0 with one input) and A's term i, the output term from 1,
// or 0 where no rule drives a term the output has (other numbers drive no
// slot, or one that defuzzification never reads).
struct RuleTable {
    int rows = 0, columns = 0, count = 0;
    std::array<std::array<int, fuzzy::MaxTerms>, fuzzy::MaxTerms> out{};
};

RuleTable Rules(const fuzzy::Project& p) {
    RuleTable t;
    t.rows = p.B.Defined ? p.B.UsedTerms() : 1;
    t.columns = p.A.UsedTerms();
    for (int j = 0; j < t.rows; ++j) {
        for (int i = 0; i < t.columns; ++i) {
            const std::int32_t k = p.Rules.Entries[static_cast<std::size_t>(j * 5 + i)];
            if (k >= 1 && k <= p.Out.UsedTerms()) {
                t.out[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = k;
                ++t.count;
            }
        }
    }
    return t;
}

void Refuse(const fuzzy::Project& p, const CExportOptions& o) {
    if (!IsCName(o.name)) {
        throw ExportError(Fmt(Tr("Exportfehler",
                                 "Der Name %1 taugt nicht als C-Name: ein Kleinbuchstabe, dann bis zu 23 "
                                 "Kleinbuchstaben, Ziffern oder _ (die Makros sind der Name, groß geschrieben)."),
                              {detail::Quoted(CommentText(o.name))}));
    }
    if (!o.headerName.empty() && !IsCHeaderName(o.headerName)) {
        throw ExportError(Fmt(Tr("Exportfehler",
                                 "Der Dateiname %1 lässt sich nicht sicher in #include \"...\" schreiben: "
                                 "er enthält ein Steuerzeichen, \", \\, ', / oder ??."),
                              {detail::Quoted(CommentText(o.headerName))}));
    }
    // The same refusals as the other exports: a project they cannot carry is
    // no controller to put on a board either.
    detail::CheckExportable(p);
    // A NaN's sign comes from the machine that computed it; a constant could
    // not match every machine's engine, so such a term is refused.
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
        if (std::isnan(p.Out.TermCentroid(k))) {
            throw ExportError(Fmt(Tr("Exportfehler",
                                     "Der Ausgangsterm %1 hat so große Ecken, dass sein Schwerpunkt "
                                     "keine Zahl ist; das Projekt lässt sich nicht als C exportieren."),
                                  {detail::Quoted(p.Out.GetTermName(k))}));
        }
    }
}

// Comment lines; each line gets " * " in front.
class Comment {
public:
    void Add() { lines_.emplace_back(); }
    // A paragraph in the active language: the text's line breaks are its lines.
    void Add(std::string_view text) {
        for (std::size_t start = 0;;) {
            const std::size_t end = text.find('\n', start);
            lines_.push_back(
                CommentText(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)));
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
    }
    std::string Text() const {
        std::string s = "/*\n";
        for (const auto& l : lines_) s += l.empty() ? " *\n" : " * " + l + "\n";
        return s + " */\n";
    }

private:
    std::vector<std::string> lines_;
};

// The largest bound over the 41 x 41 values the other exports measure on, as
// a fraction of the output range; infinity when some value has none.
struct GridBound {
    double fraction = 0.0;
    int unbounded = 0;
    int points = 0;
};

GridBound BoundOverGrid(const fuzzy::Project& p) {
    GridBound g;
    const double range = static_cast<double>(p.Out.RangeMax) - p.Out.RangeMin;
    for (const auto& [a, b] : detail::MeasureGrid(p.A, p.B)) {
        ++g.points;
        const double e = SinglePrecisionBound(p, a, b);
        if (std::isinf(e)) {
            ++g.unbounded;
        } else {
            g.fraction = std::max(g.fraction, range > 0 ? e / range : e);
        }
    }
    return g;
}

// How far apart the centroids of the output terms that rules name and the
// range's start lie, as a fraction of the output range (absolute for an
// empty range): where the activations are too weak for a bound, a result
// computed in single precision can jump between them.
double CentroidSpread(const fuzzy::Project& p) {
    const RuleTable t = Rules(p);
    double lo = p.Out.RangeMin, hi = p.Out.RangeMin;
    for (int j = 0; j < t.rows; ++j) {
        for (int i = 0; i < t.columns; ++i) {
            const int k = t.out[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
            if (k == 0) continue;
            lo = std::min(lo, double(p.Out.TermCentroid(k)));
            hi = std::max(hi, double(p.Out.TermCentroid(k)));
        }
    }
    const double range = static_cast<double>(p.Out.RangeMax) - p.Out.RangeMin;
    return range > 0 ? (hi - lo) / range : hi - lo;
}

// The name of a variable in the comments, and its range.
std::string Named(const TFuzzy& v) { return detail::Quoted(CommentText(v.Name)); }

void HeaderComment(const fuzzy::Project& p, const CExportOptions& o, const std::string& file, Comment& c) {
    const std::string n = o.name;
    c.Add(Fmt(Tr("C-Export",
                 "%1 – der Fuzzy-Regler aus %2 als C-Quelltext (C99),\n"
                 "geschrieben von fuzzysim am %3."),
              {file, detail::Quoted(CommentText(o.quelle)), o.date.empty() ? Today() : CommentText(o.date)}));
    c.Add();
    if (p.B.Defined) {
        c.Add(Fmt(Tr("C-Export", "Eingang A %1, %2 bis %3"), {Named(p.A), Num(p.A.RangeMin), Num(p.A.RangeMax)}));
        c.Add(Fmt(Tr("C-Export", "Eingang B %1, %2 bis %3"), {Named(p.B), Num(p.B.RangeMin), Num(p.B.RangeMax)}));
    } else {
        c.Add(Fmt(Tr("C-Export", "Eingang A %1, %2 bis %3 (der einzige Eingang)"),
                  {Named(p.A), Num(p.A.RangeMin), Num(p.A.RangeMax)}));
    }
    c.Add(Fmt(Tr("C-Export", "Ausgang %1, %2 bis %3; %4 Regeln."),
              {Named(p.Out), Num(p.Out.RangeMin), Num(p.Out.RangeMax), std::to_string(Rules(p).count)}));
    c.Add();
    c.Add(Fmt(Tr("C-Export",
                 "float %1_step(float a, float b) rechnet einen Regelschritt wie das Programm:\n"
                 "Trapeze, Minimum für \"und\", Maximum je Ausgangsterm, Schwerpunkt der mit ihrer\n"
                 "Aktivierung skalierten Ausgangsterme; feuert keine Regel, gilt der Bereichsanfang %2."),
              {n, Num(p.Out.RangeMin)}));
    if (!p.B.Defined) c.Add(Tr("C-Export", "Das Projekt hat keinen Eingang B: b wird nicht gelesen."));
    c.Add(Tr("C-Export",
             "Kein Heap, keine Ein- und Ausgabe, kein veränderlicher globaler Zustand (die Funktion\n"
             "ist wiedereintrittsfähig), keine Bibliotheksfunktion; nur konstante Tabellen."));
    c.Add();
    c.Add(Fmt(Tr("C-Export",
                 "Genauigkeit: Wo float IEEE-754 single und double IEEE-754 double ist und float und\n"
                 "double in ihrem eigenen Typ gerechnet werden (FLT_EVAL_METHOD 0 oder 16, etwa x86-64 und\n"
                 "ARM64 mit gcc oder clang), gibt %1_step für jedes Eingangspaar genau das Bitmuster,\n"
                 "das \"fuzzysim eval\" ausgibt: dieselben Rundungen in derselben Reihenfolge, auch -0,\n"
                 "Terme ohne Fläche und der Fall ohne feuernde Regel. Ein NaN-Ergebnis (nur bei Zahlen\n"
                 "nahe der Grenze von float möglich) ist auch hier NaN; sein Vorzeichen legt die Maschine fest."),
              {n}));
    c.Add(Tr("C-Export",
             "Bedingungen: Rundung zum Nächsten (die Voreinstellung) und subnormale Zahlen, wie IEEE-754\n"
             "sie vorsieht: kein Flush-to-zero (FTZ/DAZ), das etwa ein Programm beim Start einschaltet,\n"
             "in das mit -ffast-math übersetzte Objekte gebunden sind. NICHT mit -ffast-math, -Ofast,\n"
             "-ffinite-math-only, -fno-signed-zeros, -freciprocal-math, -fassociative-math oder\n"
             "-fsingle-precision-constant übersetzen. Das Zusammenziehen zu FMA (-ffp-contract) ändert\n"
             "nichts: das einzige addierte Produkt ist in double exakt. Beim Übersetzen prüft der\n"
             "Quelltext (#error), was sich prüfen lässt: C99, FLT_EVAL_METHOD, das Format von float\n"
             "und double und die genannten Optionen, soweit der Übersetzer sie anzeigt (gcc 12 alle,\n"
             "clang 14 nur -ffast-math und -ffinite-math-only). FTZ/DAZ und die Rundung zur Laufzeit\n"
             "lassen sich so nicht prüfen."));
    c.Add();
    c.Add(Tr("C-Export",
             "Auf 8-Bit-AVR (avr-gcc, etwa ATmega328P) übersetzt dieselbe Datei unverändert; dort ist\n"
             "double nur float, jeder Schritt wird auf einfache Genauigkeit gerundet, und die Tabellen\n"
             "liegen im Flash. Die Abweichung vom exakten Ergebnis hat an jedem Eingangspaar eine\n"
             "Schranke, die von der Aktivierung abhängt (hergeleitet in \"man fuzzysim\")."));
    const GridBound g = BoundOverGrid(p);
    const std::string fraction = detail::Figure(g.fraction);
    if (g.unbounded == 0) {
        c.Add(Fmt(p.B.Defined ? Tr("C-Export",
                                   "Auf 41 x 41 Werten der Eingänge über ihren Bereich ist sie hier höchstens %1 "
                                   "des\nAusgangsbereichs.")
                              : Tr("C-Export",
                                   "Auf 41 Werten des Eingangs über seinen Bereich ist sie hier höchstens %1 "
                                   "des\nAusgangsbereichs."),
                  {fraction}));
    } else {
        c.Add(Fmt(p.B.Defined ? Tr("C-Export",
                                   "Auf 41 x 41 Werten der Eingänge über ihren Bereich ist sie hier höchstens %1 "
                                   "des\nAusgangsbereichs, außer an %2 der %3 Werte, wo Regeln so schwach feuern, "
                                   "dass sich keine\nangeben lässt.")
                              : Tr("C-Export",
                                   "Auf 41 Werten des Eingangs über seinen Bereich ist sie hier höchstens %1 "
                                   "des\nAusgangsbereichs, außer an %2 der %3 Werte, wo Regeln so schwach feuern, "
                                   "dass sich keine\nangeben lässt."),
                  {fraction, std::to_string(g.unbounded), std::to_string(g.points)}));
    }
    const double spread = CentroidSpread(p);
    c.Add(Fmt(Tr("C-Export",
                 "Das ist keine Schranke für alle Eingaben: zwischen diesen Werten, wo Regeln nur schwach\n"
                 "feuern (nahe den äußeren Enden der Flanken), wächst sie ohne Grenze, und das Ergebnis\n"
                 "kann zu einem anderen Schwerpunkt der feuernden Terme springen. Die Schwerpunkte der\n"
                 "Ausgangsterme, die Regeln nennen, und der Bereichsanfang liegen hier bis zu %1 des\n"
                 "Ausgangsbereichs auseinander."),
              {std::isfinite(spread) ? detail::Figure(spread) : std::string(Tr("C-Export", "unbeschränkt"))}));
}

struct Parts {
    std::string name, macro;
    RuleTable rules;
    bool twoInputs = false;
    bool anyInfinity = false;
};

std::string Declarations(const fuzzy::Project& p, const Parts& s) {
    std::ostringstream o;
    o.imbue(std::locale::classic());
    struct Range {
        const char* suffix;
        float value;
    };
    std::vector<Range> ranges = {{"_A_MIN", p.A.RangeMin}, {"_A_MAX", p.A.RangeMax}};
    if (s.twoInputs) ranges.insert(ranges.end(), {{"_B_MIN", p.B.RangeMin}, {"_B_MAX", p.B.RangeMax}});
    ranges.insert(ranges.end(), {{"_OUT_MIN", p.Out.RangeMin}, {"_OUT_MAX", p.Out.RangeMax}});
    o << CodeComment(Tr("C-Export", "Die Bereiche, etwa zum Skalieren von Messwerten auf die Eingänge."));
    o << "#define " << s.macro << "_INPUTS " << (s.twoInputs ? 2 : 1) << "\n";
    o << "#if !defined(__cplusplus) || __cplusplus >= 201703L\n";
    for (const Range& r : ranges) {
        o << "#define " << s.macro << r.suffix << " (" << CFloat(r.value) << ") /* " << Num(r.value) << " */\n";
    }
    o << "#else\n"
      << CodeComment(Tr("C-Export",
                        "C++ vor C++17 kennt keine hexadezimalen Gleitkommakonstanten: dieselben Werte als\n"
                        "exakte Dezimalzahlen."));
    for (const Range& r : ranges) o << "#define " << s.macro << r.suffix << " (" << ExactDecimal(r.value) << ")\n";
    o << "#endif\n\n";
    o << "#ifdef __cplusplus\nextern \"C\" {\n#endif\n\n";
    o << CodeComment(Fmt(s.twoInputs ? Tr("C-Export",
                                          "Ein Regelschritt: a für Eingang A, b für Eingang B; das Ergebnis ist der "
                                          "Ausgang.\n"
                                          "Feuert keine Regel, ist es %1_OUT_MIN, der Bereichsanfang, und so auch, "
                                          "wo a oder b\n"
                                          "NaN oder unendlich ist. Außerhalb der Bereiche gelten die Terme, soweit "
                                          "ihre Ecken\n"
                                          "reichen; wer das nicht will, begrenzt a und b vorher auf ihre Bereiche.")
                                     : Tr("C-Export",
                                          "Ein Regelschritt: a für Eingang A, b ohne Bedeutung; das Ergebnis ist der "
                                          "Ausgang.\n"
                                          "Feuert keine Regel, ist es %1_OUT_MIN, der Bereichsanfang, und so auch,\n"
                                          "wo a NaN oder unendlich ist. Außerhalb des Bereichs gelten die Terme, "
                                          "soweit ihre\n"
                                          "Ecken reichen; wer das nicht will, begrenzt a vorher auf seinen Bereich."),
                         {s.macro}));
    o << "float " << s.name << "_step(float a, float b);\n\n";
    o << "#ifdef __cplusplus\n}\n#endif\n";
    return o.str();
}

std::string Guarded(const Parts& s, const std::string& body) {
    return "#ifndef " + s.macro + "_H_INCLUDED\n#define " + s.macro + "_H_INCLUDED\n\n" + body + "\n#endif\n";
}

// A check of a constant condition when compiling: _Static_assert with the
// message from C11 on, before that an array whose size is negative when the
// condition fails, named after what it checks.
void StaticCheck(std::ostringstream& o, const std::string& condition, const std::string& arrayName,
                 const std::string& name, const char* pattern) {
    // The same string literal as an #error line carries, here as the assertion's message.
    std::string message = ErrorLine(name, pattern);
    message = message.substr(7, message.size() - 8);
    o << "#if defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L\n";
    o << "_Static_assert(" << condition << ", " << message << ");\n";
    o << "#else\n";
    o << "typedef char " << arrayName << "[" << condition << " ? 1 : -1];\n";
    o << "#endif\n";
}

std::string Checks(const Parts& s) {
    const std::string& n = s.name;
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o << "#include <float.h>\n";
    if (s.twoInputs && s.rules.count > 0) o << "#include <stdint.h> /* uint32_t */\n";
    if (s.anyInfinity) o << "#include <math.h> /* INFINITY */\n";
    o << "\n"
      << CodeComment(Tr("C-Export", "Was die Genauigkeit voraussetzt, soweit es sich beim Übersetzen prüfen lässt."));
    o << "#if !defined(__STDC_VERSION__) || __STDC_VERSION__ < 199901L\n";
    o << ErrorLine(n, Tr("C-Export",
                         "%1: dieser Quelltext ist C99; als C99 oder neuer übersetzen (etwa -std=c99), nicht als "
                         "C89 oder C++."));
    // 16: _Float16 is evaluated as float, float and double in their own types.
    o << "#elif !defined(FLT_EVAL_METHOD) || (FLT_EVAL_METHOD != 0 && FLT_EVAL_METHOD != 16)\n";
    o << ErrorLine(n, Tr("C-Export",
                         "%1: float und double werden hier genauer als in ihrem eigenen Typ gerechnet "
                         "(FLT_EVAL_METHOD ist weder 0 noch 16), etwa mit der x87-Einheit auf 32-Bit-x86: "
                         "dort mit -msse2 -mfpmath=sse übersetzen."));
    o << "#endif\n";
    o << "#if FLT_RADIX != 2 || FLT_MANT_DIG != 24 || FLT_MAX_EXP != 128 || FLT_MIN_EXP != -125\n";
    o << ErrorLine(n,
                   Tr("C-Export", "%1: float ist hier nicht IEEE-754 single (32 Bit); der Regler rechnet nur damit."));
    o << "#endif\n";
    // GCC names each of these options by a macro of its own; clang names only the first two.
    o << "#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__) || \\\n"
         "    defined(__NO_SIGNED_ZEROS__) || defined(__RECIPROCAL_MATH__) || defined(__ASSOCIATIVE_MATH__)\n";
    o << ErrorLine(n, Tr("C-Export",
                         "%1: nicht mit -ffast-math, -Ofast, -ffinite-math-only, -fno-signed-zeros, "
                         "-freciprocal-math oder -fassociative-math übersetzen; sie ändern die Rundung, -0 und NaN."));
    o << "#endif\n";
    o << "#if DBL_MANT_DIG == 53 && DBL_MAX_EXP == 1024\n";
    o << CodeComment(Tr("C-Export", "double ist IEEE-754 double: das Ergebnis ist bitgleich mit fuzzysim eval."));
    o << CodeComment(Tr("C-Export",
                        "Die Tabellen brauchen Konstanten ohne Suffix in double; -fsingle-precision-constant\n"
                        "macht sie zu float (16777217.0 wird dann 16777216)."));
    StaticCheck(o, "(long)16777217.0 == 16777217L", n + "_nicht_mit_fsingle_precision_constant", n,
                Tr("C-Export",
                   "%1: nicht mit -fsingle-precision-constant übersetzen; die Tabellen brauchen Konstanten in "
                   "double."));
    o << "#elif DBL_MANT_DIG == 24 && DBL_MAX_EXP == 128\n";
    o << CodeComment(Tr("C-Export",
                        "double ist nur float (avr-gcc): jeder Schritt rundet auf einfache Genauigkeit; wie weit\n"
                        "das Ergebnis abweichen kann, steht oben."));
    o << "#else\n";
    o << ErrorLine(n, Tr("C-Export", "%1: double ist hier weder IEEE-754 double noch float."));
    o << "#endif\n";
    if (s.rules.count == 0) return o.str();
    if (s.twoInputs) {
        o << CodeComment(Tr("C-Export", "Die Prüfung auf -0 liest ein float als uint32_t."));
        StaticCheck(o, "sizeof(float) == sizeof(uint32_t)", n + "_float_hat_32_bit", n,
                    Tr("C-Export", "%1: float hat hier nicht 32 Bit."));
    }
    o << "\n"
      << CodeComment(Tr("C-Export",
                        "Auf AVR liegen die Tabellen im Flash; ein Eintrag wird vor Gebrauch in den RAM\n"
                        "kopiert. Überall sonst ist das eine Zuweisung."));
    o << "#if defined(__AVR__)\n";
    o << "#include <avr/pgmspace.h>\n";
    o << "#define " << s.macro << "_ROM PROGMEM\n";
    o << "static void " << n << "_aus_flash(void *ziel, const void *quelle, unsigned char n)\n{\n";
    o << "    unsigned char *z = (unsigned char *)ziel;\n";
    o << "    const unsigned char *q = (const unsigned char *)quelle;\n";
    o << "    while (n-- > 0) {\n        *z++ = pgm_read_byte(q);\n        ++q;\n    }\n}\n";
    o << "#define " << s.macro << "_LIES(ziel, quelle) " << n
      << "_aus_flash(&(ziel), &(quelle), (unsigned char)sizeof(ziel))\n";
    o << "#else\n";
    o << "#define " << s.macro << "_ROM\n";
    o << "#define " << s.macro << "_LIES(ziel, quelle) ((ziel) = (quelle))\n";
    o << "#endif\n";
    return o.str();
}

// role: the comment over the table, %1 the input's name.
void InputTable(std::ostringstream& o, const Parts& s, const TFuzzy& v, const char* role, const char* suffix) {
    o << CodeComment(Fmt(role, {detail::Quoted(CommentText(v.Name))}));
    o << "static const struct " << s.name << "_trapez " << s.name << "_terme_" << suffix << "[" << v.UsedTerms() << "] "
      << s.macro << "_ROM = {\n";
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        const float a = v.GetParam(i, 1), b = v.GetParam(i, 2), c = v.GetParam(i, 3), d = v.GetParam(i, 4);
        o << "    /* " << detail::Quoted(CommentText(v.GetTermName(i))) << ": " << Num(a) << ", " << Num(b) << ", "
          << Num(c) << ", " << Num(d) << ", " << Fmt(Tr("C-Export", "Höhe %1"), {Num(v.GetParam(i, 5))}) << " */\n";
        o << "    {" << CFloat(a) << ", " << CFloat(b) << ", " << CFloat(c) << ", " << CFloat(d) << ", "
          << CFloat(v.GetParam(i, 5)) << ", " << CDouble(static_cast<double>(b) - a) << ", "
          << CDouble(static_cast<double>(d) - c) << "}" << (i < v.UsedTerms() ? "," : "") << "\n";
    }
    o << "};\n\n";
}

// A loop over the terms of an input: their memberships, and with two inputs
// which of them fire and whether all are numbers >= +0.
void MembershipLoop(std::ostringstream& o, const Parts& s, int count, const char* v) {
    const std::string& n = s.name;
    o << "    for (i = 0; i < " << count << "; ++i) {\n        struct " << n << "_trapez t;\n        " << s.macro
      << "_LIES(t, " << n << "_terme_" << v << "[i]);\n        g" << v << "[i] = " << n << "_grad(" << v << ", &t);\n";
    if (s.twoInputs) {
        o << "        schlicht = schlicht && " << n << "_schlicht(g" << v << "[i]);\n";
        o << "        if (g" << v << "[i] > 0.0f) f" << v << "[nf" << v << "++] = i;\n";
    }
    o << "    }\n";
}

std::string Body(const fuzzy::Project& p, const Parts& s) {
    const std::string& n = s.name;
    const std::string& m = s.macro;
    const int na = p.A.UsedTerms(), nb = s.rules.rows, nOut = p.Out.UsedTerms();
    std::ostringstream o;
    o.imbue(std::locale::classic());
    if (s.rules.count == 0) {
        // No rule names a term the output has: no activation ever leaves 0.
        // Tables nobody reads would only draw warnings.
        o << CodeComment(Tr("C-Export",
                            "Keine Regel nennt einen Term des Ausgangs: es feuert nie eine, das Ergebnis ist\n"
                            "immer der Bereichsanfang."));
        o << "float " << n << "_step(float a, float b)\n{\n    (void)a;\n    (void)b;\n    return " << m
          << "_OUT_MIN;\n}\n";
        return o.str();
    }
    o << CodeComment(Tr("C-Export",
                        "Ein Trapez: Ecken a, b, c, d, Höhe h; dazu b - a und d - c, wie das Programm sie in\n"
                        "double bildet."));
    o << "struct " << n << "_trapez {\n    float a, b, c, d, h;\n    double ba, dc;\n};\n\n";
    o << CodeComment(Tr("C-Export",
                        "Ein Ausgangsterm: sein Schwerpunkt (vom Programm beim Laden berechnet) und die\n"
                        "Breite (c - b) + d - a, aus der mit der Aktivierung seine Fläche wird."));
    o << "struct " << n << "_ausgangsterm {\n    float schwerpunkt;\n    double breite;\n};\n\n";
    InputTable(o, s, p.A, Tr("C-Export", "Eingang A %1: a, b, c, d, h; b - a, d - c"), "a");
    if (s.twoInputs) InputTable(o, s, p.B, Tr("C-Export", "Eingang B %1: a, b, c, d, h; b - a, d - c"), "b");
    o << CodeComment(Fmt(Tr("C-Export", "Ausgang %1"), {detail::Quoted(CommentText(p.Out.Name))}));
    o << "static const struct " << n << "_ausgangsterm " << n << "_terme_aus[" << nOut << "] " << m << "_ROM = {\n";
    for (int k = 1; k <= nOut; ++k) {
        o << "    {" << CFloat(p.Out.TermCentroid(k)) << ", " << CDouble(BaseWidth(p.Out, k)) << "}"
          << (k < nOut ? "," : "") << " "
          << CodeComment(Fmt(Tr("C-Export", "%1: Schwerpunkt %2"),
                             {detail::Quoted(CommentText(p.Out.GetTermName(k))), Num(p.Out.TermCentroid(k))}));
    }
    o << "};\n\n";
    std::string outTerms;
    for (int k = 1; k <= nOut; ++k) {
        outTerms += " " + std::to_string(k) + " " + detail::Quoted(CommentText(p.Out.GetTermName(k)));
    }
    // %1: the output terms, each " number name".
    o << CodeComment(Fmt(s.twoInputs ? Tr("C-Export",
                                          "Die Regeln: je Term von A der Ausgangsterm (ab 1 gezählt), 0 "
                                          "für keine Regel; eine Zeile je Term von B.\n"
                                          "Ausgangsterme:%1.")
                                     : Tr("C-Export",
                                          "Die Regeln: je Term von A der Ausgangsterm (ab 1 gezählt), 0 "
                                          "für keine Regel.\n"
                                          "Ausgangsterme:%1."),
                         {outTerms}));
    o << "static const unsigned char " << n << "_regeln";
    if (s.twoInputs) o << "[" << nb << "]";
    o << "[" << na << "] " << m << "_ROM = ";
    if (s.twoInputs) o << "{\n";
    for (int j = 0; j < nb; ++j) {
        o << (s.twoInputs ? "    {" : "{");
        for (int i = 0; i < na; ++i) {
            o << (i > 0 ? ", " : "") << s.rules.out[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
        }
        o << "}";
        if (s.twoInputs) {
            o << (j + 1 < nb ? "," : "") << " /* " << detail::Quoted(CommentText(p.B.GetTermName(j + 1))) << " */\n";
        }
    }
    o << (s.twoInputs ? "};\n\n" : ";\n\n");
    o << CodeComment(Tr("C-Export",
                        "Zugehörigkeit von x: links geschlossene, rechts offene Flanken. Nach x >= a kann\n"
                        "x < b nur bei a < b gelten, nach x >= c ebenso x < d nur bei c < d."));
    o << "static float " << n << "_grad(float x, const struct " << n << "_trapez *t)\n{\n";
    o << "    if (x < t->a) return 0.0f;\n";
    o << "    if (x < t->b) return (float)(((double)x - t->a) * t->h / t->ba);\n";
    o << "    if (x < t->c) return t->h;\n";
    o << "    if (x < t->d) return (float)(t->h - ((double)x - t->c) * t->h / t->dc);\n";
    o << "    return 0.0f;\n}\n\n";
    o << "static float " << n << "_max(float x, float y)\n{\n    return x >= y ? x : y;\n}\n\n";
    if (s.twoInputs) {
        o << "static float " << n << "_min(float x, float y)\n{\n    return x <= y ? x : y;\n}\n\n";
        o << CodeComment(Tr("C-Export", "Ob x eine Zahl >= +0 ist: weder -0 noch negativ noch NaN."));
        o << "static int " << n << "_schlicht(float x)\n{\n";
        o << "    union {\n        float f;\n        uint32_t u;\n    } z;\n";
        o << "    z.f = x;\n    return z.u <= 0x7F800000u;\n}\n\n";
        o << CodeComment(Tr("C-Export",
                            "Die Regel für Term i von A und Term j von B hebt die Aktivierung ihres\n"
                            "Ausgangsterms auf das Minimum der beiden Zugehörigkeiten, wenn es größer ist."));
        o << "static void " << n
          << "_regel(float *h, const float *ga, const float *gb, unsigned char i, "
             "unsigned char j)\n{\n";
        o << "    unsigned char k;\n    " << m << "_LIES(k, " << n << "_regeln[j][i]);\n";
        o << "    if (k != 0) h[k - 1] = " << n << "_max(" << n << "_min(ga[i], gb[j]), h[k - 1]);\n}\n\n";
    }
    o << "float " << n << "_step(float a, float b)\n{\n";
    o << "    float ga[" << na << "];\n";
    if (s.twoInputs)
        o << "    float gb[" << nb << "];\n    unsigned char fa[" << na << "], fb[" << nb
          << "], nfa = 0, nfb = 0, j;\n    int schlicht = 1;\n";
    o << "    float h[" << nOut << "];\n";
    o << "    float m = 0.0f, s = 0.0f;\n    unsigned char i;\n";
    if (!s.twoInputs) o << "    (void)b;\n";
    MembershipLoop(o, s, na, "a");
    if (s.twoInputs) MembershipLoop(o, s, nb, "b");
    o << "    for (i = 0; i < " << nOut << "; ++i) h[i] = 0.0f;\n";
    if (s.twoInputs) {
        o << "    if (schlicht) {\n"
          << CodeComment(Tr("C-Export",
                            "Alle Zugehörigkeiten sind Zahlen >= +0: eine Regel mit +0 ändert dann keine\n"
                            "Aktivierung, es genügen die Regeln zwischen feuernden Termen."),
                         "        ");
        o << "        for (i = 0; i < nfa; ++i) {\n            for (j = 0; j < nfb; ++j) " << n
          << "_regel(h, ga, gb, fa[i], fb[j]);\n        }\n";
        o << "    } else {\n";
        o << CodeComment(Tr("C-Export",
                            "In der Reihenfolge des Programms: sie entscheidet, welche Null im Maximum\n"
                            "bleibt, wenn -0 und +0 zusammentreffen."),
                         "        ");
        o << "        for (i = 0; i < " << na << "; ++i) {\n            for (j = 0; j < " << nb << "; ++j) " << n
          << "_regel(h, ga, gb, i, j);\n        }\n    }\n";
    } else {
        o << "    for (i = 0; i < " << na << "; ++i) {\n        unsigned char k;\n        " << m << "_LIES(k, " << n
          << "_regeln[i]);\n        if (k != 0) h[k - 1] = " << n << "_max(ga[i], h[k - 1]);\n    }\n";
    }
    o << CodeComment(Tr("C-Export",
                        "Schwerpunkt: jeder Term trägt mit Fläche mal Schwerpunkt bei; beide Summen\n"
                        "werden nach jedem Term auf float gerundet, wie im Programm."),
                     "    ");
    o << "    for (i = 0; i < " << nOut << "; ++i) {\n        struct " << n << "_ausgangsterm t;\n"
      << "        float flaeche;\n        " << m << "_LIES(t, " << n << "_terme_aus[i]);\n";
    o << "        flaeche = (float)(t.breite * h[i] / 2.0);\n";
    o << "        m = (float)((double)t.schwerpunkt * flaeche + m);\n";
    o << "        s = (float)((double)flaeche + s);\n    }\n";
    o << "    if (s == 0.0f) return " << m << "_OUT_MIN; " << CodeComment(Tr("C-Export", "keine Regel hat gefeuert"));
    o << "    return (float)((double)m / s);\n}\n";
    return o.str();
}

}  // namespace

bool IsCName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameLength) return false;
    auto letter = [](char c) { return c >= 'a' && c <= 'z'; };
    if (!letter(name[0])) return false;
    return std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
}

bool IsCHeaderName(std::string_view name) {
    if (name.empty() || name.size() > 255 || !detail::ValidUtf8(name)) return false;
    for (char32_t c : fuzzy::text::Utf8ToCodePoints(name)) {
        // Controls and line breaks of every kind; what ends the name or has no
        // defined meaning in it (quotes, backslash, and with the slash the
        // comment openers "//" and "/*"); a name is a file in the folder.
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0x2028 || c == 0x2029) return false;
        if (c == U'"' || c == U'\\' || c == U'\'' || c == U'/') return false;
    }
    // No trigraph: "??/" would be a backslash.
    return name.find("??") == std::string_view::npos;
}

CExport ExportC(const fuzzy::Project& p, const CExportOptions& options) {
    Refuse(p, options);
    Parts s;
    s.name = options.name;
    s.macro = Upper(options.name);
    s.twoInputs = p.B.Defined;
    s.rules = Rules(p);
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) s.anyInfinity = s.anyInfinity || std::isinf(p.Out.TermCentroid(k));

    const std::string decls = Declarations(p, s);
    CExport e;
    const std::string headerFile = options.headerName.empty() ? s.name + ".h" : options.headerName;
    Comment hc;
    hc.Add(Fmt(Tr("C-Export", "%1 – zum Fuzzy-Regler aus %2; Genauigkeit und Bedingungen stehen im C-Quelltext."),
               {CommentText(headerFile), detail::Quoted(CommentText(options.quelle))}));
    e.header = hc.Text() + "\n" + Guarded(s, decls);

    Comment c;
    const std::string sourceFile =
        options.headerName.empty() ? s.name + ".c" : options.headerName.substr(0, options.headerName.size() - 2) + ".c";
    HeaderComment(p, options, CommentText(sourceFile), c);
    std::string src = c.Text() + "\n";
    src += options.headerName.empty() ? Guarded(s, decls) : "#include \"" + options.headerName + "\"\n";
    src += "\n" + Checks(s) + "\n" + Body(p, s);
    e.source = src;
    return e;
}

std::string CHeaderPath(const std::string& sourcePath) {
    const std::size_t n = sourcePath.size();
    if (n < 3 || sourcePath[n - 2] != '.' || (sourcePath[n - 1] != 'c' && sourcePath[n - 1] != 'C')) return {};
    return sourcePath.substr(0, n - 1) + "h";
}

void WriteCExport(const CExport& e, const std::string& sourcePath, const std::string& projectPath) {
    namespace fs = std::filesystem;
    const std::string headerPath = CHeaderPath(sourcePath);
    const auto name = [](const std::string& path) { return detail::Quoted(fs::path(path).filename().string()); };
    if (headerPath.empty()) {
        throw fuzzy::ESaveError(
            Fmt(Tr("Exportfehler", "Der C-Quelltext braucht einen Namen auf .c: %1"), {name(sourcePath)}));
    }
    for (const std::string& target : {headerPath, sourcePath}) {
        std::error_code ec;
        const fs::file_status st = fs::status(target, ec);
        if (!fs::exists(st)) continue;
        if (fs::equivalent(target, projectPath, ec) && !ec) {
            throw fuzzy::ESaveError(Fmt(
                Tr("Exportfehler", "%1 ist die Projektdatei selbst; sie wird nicht überschrieben."), {name(target)}));
        }
        // A device or a pipe is written into (-o /dev/null); the writer says so.
        if (!fs::is_regular_file(st) && !fs::is_character_file(st) && !fs::is_fifo(st)) {
            throw fuzzy::ESaveError(Fmt(
                Tr("Exportfehler", "Unter dem Namen %1 steht keine gewöhnliche Datei; dorthin wird nicht exportiert."),
                {name(target)}));
        }
    }
    // Both files or neither: a new header beside an old source would not
    // compile together.
    fuzzy::WriteFilesAtomic({{headerPath, e.header}, {sourcePath, e.source}}, projectPath);
}

double SinglePrecisionBound(const fuzzy::Project& p, float a, float b) {
    fuzzy::Project q = p;
    q.A.Value = a;
    q.B.Value = b;
    fuzzy::Infer(q.Rules, q.A, q.B, q.Out);
    const int n = q.Out.UsedTerms();
    bool fired = false;
    for (int k = 1; k <= n; ++k) fired = fired || q.Out.GetParam(k, fuzzy::ParamH) != 0.0f;
    // The comparisons that decide which memberships are zero are the same in
    // both precisions, so where nothing fires, nothing fires there either.
    if (!fired) return 0.0;

    // A membership: x - a, times h, over b - a (rounded to single there), each
    // rounded once (4u), the falling flank then subtracted from h (u of h
    // more); the exact result itself is rounded once to single (u).
    double height = 0.0;
    for (const TFuzzy* v : {&q.A, &q.B}) {
        if (!v->Defined) continue;
        for (int i = 1; i <= v->UsedTerms(); ++i) height = std::max(height, std::fabs(double(v->GetParam(i, 5))));
    }
    const double eps = 6.02 * kU * height;  // per activation: min and max pass errors on unchanged
    double widths = 0.0, sum = 0.0, sumAbs = 0.0, cAbs = 0.0;
    for (int k = 1; k <= n; ++k) {
        const double w = BaseWidth(q.Out, k);
        const double area = w * q.Out.GetParam(k, fuzzy::ParamH) / 2.0;
        widths += std::fabs(w);
        sum += area;
        sumAbs += std::fabs(area);
        cAbs = std::max(cAbs, std::fabs(double(q.Out.TermCentroid(k))));
    }
    if (!std::isfinite(cAbs)) return std::numeric_limits<double>::infinity();
    const double y = q.Out.Defuzzify();
    // Each area moves by its width times the activation's error, plus the
    // rounding of its width (u) and of the product (u) against the exact
    // side's one rounding (u).
    const double areaError = eps * widths / 2.0 + 3.0 * kU * sumAbs;
    const double margin = std::fabs(sum) - areaError;
    if (!(margin > 0.0)) return std::numeric_limits<double>::infinity();
    double spread = 0.0;
    for (int k = 1; k <= n; ++k) spread = std::max(spread, std::fabs(double(q.Out.TermCentroid(k)) - y));
    // The centroid of shifted areas moves by at most the largest distance of a
    // term's centroid from it times the shift over the remaining total; both
    // sides then round the n products, 2n sums and the quotient.
    const double big = std::max(cAbs, std::fabs(y));
    const double rounding = (4.0 * n + 3.0) * kU * big * (sumAbs + areaError) / margin;
    spread += (2.0 * n + 1.0) * kU * big * sumAbs / margin;
    return (spread * areaError / margin + rounding) * (1.0 + 1e-6);
}

}  // namespace exchange
