#include "ExportC.h"

#include "AtomicFile.h"
#include "Detail.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <limits>
#include <sstream>
#include <vector>

namespace exchange {

namespace {

using detail::Num;
using fuzzy::TFuzzy;

constexpr std::size_t kMaxNameLength = 24;

// The unit roundoff of single precision.
constexpr double kU = 1.0 / (1 << 24);

// A float as a C constant that is exact by the language's own rules (a
// hexadecimal floating constant); infinity from <math.h>.
std::string CFloat(float v) {
    if (std::isinf(v)) return v > 0 ? "INFINITY" : "-INFINITY";
    std::array<char, 48> buf{};
    std::snprintf(buf.data(), buf.size(), "%a", static_cast<double>(v));
    return std::string(buf.data()) + "f";
}

std::string CDouble(double v) {
    std::array<char, 48> buf{};
    std::snprintf(buf.data(), buf.size(), "%a", v);
    return buf.data();
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

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::array<char, 16> buf{};
    std::strftime(buf.data(), buf.size(), "%Y-%m-%d", &local);
    return buf.data();
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
        throw ExportError("Der Name " + detail::Quoted(o.name) +
                          " taugt nicht als C-Name: ein Buchstabe, dann bis zu 23 Buchstaben, Ziffern oder _.");
    }
    // The same refusals as the other exports: a project they cannot carry is
    // no controller to put on a board either.
    detail::CheckExportable(p.A, p.B, p.Out);
    // A NaN's sign comes from the machine that computed it; a constant could
    // not match every machine's engine, so such a term is refused.
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
        if (std::isnan(p.Out.TermCentroid(k))) {
            throw ExportError("Der Ausgangsterm " + detail::Quoted(p.Out.GetTermName(k)) +
                              " hat so gro\xC3\x9F"
                              "e Ecken, dass sein Schwerpunkt keine Zahl ist; "
                              "das Projekt l\xC3\xA4sst sich nicht als C exportieren.");
        }
    }
}

std::string Figure(double v) {
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), "%.2g", v);
    return buf.data();
}

// Comment lines; each line gets " * " in front.
class Comment {
public:
    void Add(const std::string& line = {}) { lines_.push_back(line); }
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

std::string VariableLine(const char* role, const TFuzzy& v) {
    return std::string(role) + " " + detail::Quoted(CommentText(v.Name)) + ", " + Num(v.RangeMin) + " bis " +
           Num(v.RangeMax);
}

void HeaderComment(const fuzzy::Project& p, const CExportOptions& o, const std::string& file, Comment& c) {
    const std::string n = o.name;
    c.Add(file + " \xE2\x80\x93 der Fuzzy-Regler aus " + detail::Quoted(CommentText(o.quelle)) +
          " als C-Quelltext (C99),");
    c.Add("geschrieben von fuzzysim am " + (o.date.empty() ? Today() : CommentText(o.date)) + ".");
    c.Add();
    c.Add(VariableLine("Eingang A", p.A) + (p.B.Defined ? "" : " (der einzige Eingang)"));
    if (p.B.Defined) c.Add(VariableLine("Eingang B", p.B));
    c.Add(VariableLine("Ausgang", p.Out) + "; " + std::to_string(Rules(p).count) + " Regeln.");
    c.Add();
    c.Add("float " + n + "_step(float a, float b) rechnet einen Regelschritt wie das Programm:");
    c.Add("Trapeze, Minimum f\xC3\xBCr \"und\", Maximum je Ausgangsterm, Schwerpunkt der mit ihrer");
    c.Add("Aktivierung skalierten Ausgangsterme; feuert keine Regel, gilt der Bereichsanfang " + Num(p.Out.RangeMin) +
          ".");
    if (!p.B.Defined) c.Add("Das Projekt hat keinen Eingang B: b wird nicht gelesen.");
    c.Add("Kein Heap, keine Ein- und Ausgabe, kein ver\xC3\xA4nderlicher globaler Zustand (die Funktion");
    c.Add("ist wiedereintrittsf\xC3\xA4hig), keine Bibliotheksfunktion; nur konstante Tabellen.");
    c.Add();
    c.Add("Genauigkeit: Wo float IEEE-754 single und double IEEE-754 double ist und jeder");
    c.Add("Ausdruck in seinem eigenen Typ gerechnet wird (FLT_EVAL_METHOD 0, etwa x86-64 und");
    c.Add("ARM64 mit gcc oder clang), gibt " + n + "_step f\xC3\xBCr jedes Eingangspaar genau das Bitmuster,");
    c.Add("das \"fuzzysim eval\" ausgibt: dieselben Rundungen in derselben Reihenfolge, auch -0,");
    c.Add(
        "Terme ohne Fl\xC3\xA4"
        "che und der Fall ohne feuernde Regel. Ein NaN-Ergebnis (nur bei Zahlen");
    c.Add("nahe der Grenze von float m\xC3\xB6glich) ist auch hier NaN; sein Vorzeichen legt die Maschine fest.");
    c.Add(
        "Bedingungen: Rundung zum N\xC3\xA4"
        "chsten (die Voreinstellung); NICHT mit -ffast-math, -Ofast,");
    c.Add(
        "-ffinite-math-only, -fno-signed-zeros oder -freciprocal-math \xC3\xBC"
        "bersetzen. Das Zusammenziehen");
    c.Add("zu FMA (-ffp-contract) \xC3\xA4ndert nichts: das einzige addierte Produkt ist in double exakt.");
    c.Add(
        "Was sich pr\xC3\xBC"
        "fen l\xC3\xA4sst, pr\xC3\xBC"
        "ft der Quelltext beim \xC3\x9C"
        "bersetzen (#error).");
    c.Add();
    c.Add(
        "Auf 8-Bit-AVR (avr-gcc, etwa ATmega328P) \xC3\xBC"
        "bersetzt dieselbe Datei unver\xC3\xA4ndert; dort ist");
    c.Add("double nur float, jeder Schritt wird auf einfache Genauigkeit gerundet, und die Tabellen");
    c.Add("liegen im Flash. Die Abweichung vom exakten Ergebnis hat eine Schranke, die von der");
    const GridBound g = BoundOverGrid(p);
    c.Add("Aktivierung abh\xC3\xA4ngt (hergeleitet in \"man fuzzysim\"); auf " +
          std::string(p.B.Defined ? "41 x 41 Werten der Eing\xC3\xA4nge" : "41 Werten des Eingangs"));
    c.Add(
        "\xC3\xBC"
        "ber ihren Bereich ist sie hier " +
        Figure(g.fraction) + " des Ausgangsbereichs" + (g.unbounded > 0 ? "," : "."));
    if (g.unbounded > 0) {
        c.Add(
            "au\xC3\x9F"
            "er an " +
            std::to_string(g.unbounded) + " der " + std::to_string(g.points) +
            " Werte, wo Regeln so schwach feuern, dass sich keine angeben l\xC3\xA4sst.");
    }
}

struct Parts {
    std::string name, macro;
    RuleTable rules;
    bool twoInputs = false;
    bool anyInfinity = false;
};

std::string Declarations(const fuzzy::Project& p, const Parts& s) {
    std::ostringstream o;
    o << "/* Die Bereiche, etwa zum Skalieren von Messwerten auf die Eing\xC3\xA4nge. */\n";
    o << "#define " << s.macro << "_INPUTS " << (s.twoInputs ? 2 : 1) << "\n";
    o << "#define " << s.macro << "_A_MIN (" << CFloat(p.A.RangeMin) << ") /* " << Num(p.A.RangeMin) << " */\n";
    o << "#define " << s.macro << "_A_MAX (" << CFloat(p.A.RangeMax) << ") /* " << Num(p.A.RangeMax) << " */\n";
    if (s.twoInputs) {
        o << "#define " << s.macro << "_B_MIN (" << CFloat(p.B.RangeMin) << ") /* " << Num(p.B.RangeMin) << " */\n";
        o << "#define " << s.macro << "_B_MAX (" << CFloat(p.B.RangeMax) << ") /* " << Num(p.B.RangeMax) << " */\n";
    }
    o << "#define " << s.macro << "_OUT_MIN (" << CFloat(p.Out.RangeMin) << ") /* " << Num(p.Out.RangeMin) << " */\n";
    o << "#define " << s.macro << "_OUT_MAX (" << CFloat(p.Out.RangeMax) << ") /* " << Num(p.Out.RangeMax) << " */\n\n";
    o << "#ifdef __cplusplus\nextern \"C\" {\n#endif\n\n";
    o << "/* Ein Regelschritt: a f\xC3\xBCr Eingang A, b f\xC3\xBCr Eingang B"
      << (s.twoInputs ? "" : " (hier ohne Bedeutung)") << "; das Ergebnis ist der Ausgang. */\n";
    o << "float " << s.name << "_step(float a, float b);\n\n";
    o << "#ifdef __cplusplus\n}\n#endif\n";
    return o.str();
}

std::string Guarded(const Parts& s, const std::string& body) {
    return "#ifndef " + s.macro + "_H_INCLUDED\n#define " + s.macro + "_H_INCLUDED\n\n" + body + "\n#endif\n";
}

std::string Checks(const Parts& s) {
    const std::string& n = s.name;
    std::ostringstream o;
    o << "#include <float.h>\n";
    if (s.twoInputs && s.rules.count > 0) o << "#include <stdint.h> /* uint32_t */\n";
    if (s.anyInfinity) o << "#include <math.h> /* INFINITY */\n";
    o << "\n/* Was die Genauigkeit voraussetzt, soweit es sich beim \xC3\x9C"
         "bersetzen pr\xC3\xBC"
         "fen l\xC3\xA4sst. */\n";
    o << "#if FLT_RADIX != 2 || FLT_MANT_DIG != 24 || FLT_MAX_EXP != 128 || FLT_MIN_EXP != -125\n";
    o << "#error \"" << n << ": float ist hier nicht IEEE-754 single (32 Bit); der Regler rechnet nur damit.\"\n";
    o << "#endif\n";
    o << "#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0\n";
    o << "#error \"" << n
      << ": Ausdr\xC3\xBC"
         "cke werden hier genauer als ihr Typ gerechnet (FLT_EVAL_METHOD ist nicht 0). "
         "Auf 32-Bit-x86: mit -msse2 -mfpmath=sse \xC3\xBC"
         "bersetzen.\"\n";
    o << "#endif\n";
    o << "#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__)\n";
    o << "#error \"" << n
      << ": nicht mit -ffast-math, -Ofast oder -ffinite-math-only \xC3\xBC"
         "bersetzen; sie \xC3\xA4ndern die "
         "Rundung, -0 und NaN.\"\n";
    o << "#endif\n";
    o << "#if DBL_MANT_DIG == 53 && DBL_MAX_EXP == 1024\n";
    o << "/* double ist IEEE-754 double: das Ergebnis ist bitgleich mit fuzzysim eval. */\n";
    o << "#elif DBL_MANT_DIG == 24 && DBL_MAX_EXP == 128\n";
    o << "/* double ist nur float (avr-gcc): jeder Schritt rundet auf einfache Genauigkeit, das\n"
         "   Ergebnis liegt innerhalb der oben genannten Schranke. */\n";
    o << "#else\n";
    o << "#error \"" << n << ": double ist hier weder IEEE-754 double noch float.\"\n";
    o << "#endif\n";
    if (s.rules.count == 0) return o.str();
    if (s.twoInputs) {
        o << "/* Die Pr\xC3\xBC"
             "fung auf -0 liest ein float als uint32_t. */\n";
        o << "#if defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L\n";
        o << "_Static_assert(sizeof(float) == sizeof(uint32_t), \"" << n << ": float hat hier nicht 32 Bit.\");\n";
        o << "#else\n";
        o << "typedef char " << n << "_float_hat_32_bit[sizeof(float) == sizeof(uint32_t) ? 1 : -1];\n";
        o << "#endif\n";
    }
    o << "\n/* Auf AVR liegen die Tabellen im Flash; ein Eintrag wird vor Gebrauch in den RAM\n"
         "   kopiert. \xC3\x9C"
         "berall sonst ist das eine Zuweisung. */\n";
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

void InputTable(std::ostringstream& o, const Parts& s, const TFuzzy& v, const char* role, const char* suffix) {
    o << "/* " << role << " " << detail::Quoted(CommentText(v.Name)) << ": a, b, c, d, h; b - a, d - c */\n";
    o << "static const struct " << s.name << "_trapez " << s.name << "_terme_" << suffix << "[" << v.UsedTerms() << "] "
      << s.macro << "_ROM = {\n";
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        const float a = v.GetParam(i, 1), b = v.GetParam(i, 2), c = v.GetParam(i, 3), d = v.GetParam(i, 4);
        o << "    /* " << detail::Quoted(CommentText(v.GetTermName(i))) << ": " << Num(a) << ", " << Num(b) << ", "
          << Num(c) << ", " << Num(d) << ", H\xC3\xB6he " << Num(v.GetParam(i, 5)) << " */\n";
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
    if (s.rules.count == 0) {
        // No rule names a term the output has: no activation ever leaves 0.
        // Tables nobody reads would only draw warnings.
        o << "/* Keine Regel nennt einen Term des Ausgangs: es feuert nie eine, das Ergebnis ist\n"
             "   immer der Bereichsanfang. */\n";
        o << "float " << n << "_step(float a, float b)\n{\n    (void)a;\n    (void)b;\n    return " << m
          << "_OUT_MIN;\n}\n";
        return o.str();
    }
    o << "/* Ein Trapez: Ecken a, b, c, d, H\xC3\xB6he h; dazu b - a und d - c, wie das Programm sie in\n"
         "   double bildet. */\n";
    o << "struct " << n << "_trapez {\n    float a, b, c, d, h;\n    double ba, dc;\n};\n\n";
    o << "/* Ein Ausgangsterm: sein Schwerpunkt (vom Programm beim Laden berechnet) und die\n"
         "   Breite (c - b) + d - a, aus der mit der Aktivierung seine Fl\xC3\xA4"
         "che wird. */\n";
    o << "struct " << n << "_ausgangsterm {\n    float schwerpunkt;\n    double breite;\n};\n\n";
    InputTable(o, s, p.A, "Eingang A", "a");
    if (s.twoInputs) InputTable(o, s, p.B, "Eingang B", "b");
    o << "/* Ausgang " << detail::Quoted(CommentText(p.Out.Name)) << " */\n";
    o << "static const struct " << n << "_ausgangsterm " << n << "_terme_aus[" << nOut << "] " << m << "_ROM = {\n";
    for (int k = 1; k <= nOut; ++k) {
        o << "    {" << CFloat(p.Out.TermCentroid(k)) << ", " << CDouble(BaseWidth(p.Out, k)) << "}"
          << (k < nOut ? "," : "") << " /* " << detail::Quoted(CommentText(p.Out.GetTermName(k))) << ": Schwerpunkt "
          << Num(p.Out.TermCentroid(k)) << " */\n";
    }
    o << "};\n\n";
    o << "/* Die Regeln: je Term von A der Ausgangsterm (ab 1 gez\xC3\xA4hlt), 0 f\xC3\xBCr keine Regel";
    o << (s.twoInputs ? "; eine Zeile je Term von B." : ".") << "\n   Ausgangsterme:";
    for (int k = 1; k <= nOut; ++k) o << " " << k << " " << detail::Quoted(CommentText(p.Out.GetTermName(k)));
    o << ". */\n";
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
    o << "/* Zugeh\xC3\xB6rigkeit von x: links geschlossene, rechts offene Flanken. Nach x >= a kann\n"
         "   x < b nur bei a < b gelten, nach x >= c ebenso x < d nur bei c < d. */\n";
    o << "static float " << n << "_grad(float x, const struct " << n << "_trapez *t)\n{\n";
    o << "    if (x < t->a) return 0.0f;\n";
    o << "    if (x < t->b) return (float)(((double)x - t->a) * t->h / t->ba);\n";
    o << "    if (x < t->c) return t->h;\n";
    o << "    if (x < t->d) return (float)(t->h - ((double)x - t->c) * t->h / t->dc);\n";
    o << "    return 0.0f;\n}\n\n";
    o << "static float " << n << "_max(float x, float y)\n{\n    return x >= y ? x : y;\n}\n\n";
    if (s.twoInputs) {
        o << "static float " << n << "_min(float x, float y)\n{\n    return x <= y ? x : y;\n}\n\n";
        o << "/* Ob x eine Zahl >= +0 ist: weder -0 noch negativ noch NaN. */\n";
        o << "static int " << n << "_schlicht(float x)\n{\n";
        o << "    union {\n        float f;\n        uint32_t u;\n    } z;\n";
        o << "    z.f = x;\n    return z.u <= 0x7F800000u;\n}\n\n";
        o << "/* Die Regel f\xC3\xBCr Term i von A und Term j von B hebt die Aktivierung ihres\n"
             "   Ausgangsterms auf das Minimum der beiden Zugeh\xC3\xB6rigkeiten, wenn es gr\xC3\xB6\xC3\x9F"
             "er ist. */\n";
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
             "        /* Alle Zugeh\xC3\xB6rigkeiten sind Zahlen >= +0: eine Regel mit +0 \xC3\xA4ndert dann keine\n"
             "           Aktivierung, es gen\xC3\xBCgen die Regeln zwischen feuernden Termen. */\n";
        o << "        for (i = 0; i < nfa; ++i) {\n            for (j = 0; j < nfb; ++j) " << n
          << "_regel(h, ga, gb, fa[i], fb[j]);\n        }\n";
        o << "    } else {\n";
        o << "        /* In der Reihenfolge des Programms: sie entscheidet, welche Null im Maximum\n"
             "           bleibt, wenn -0 und +0 zusammentreffen. */\n";
        o << "        for (i = 0; i < " << na << "; ++i) {\n            for (j = 0; j < " << nb << "; ++j) " << n
          << "_regel(h, ga, gb, i, j);\n        }\n    }\n";
    } else {
        o << "    for (i = 0; i < " << na << "; ++i) {\n        unsigned char k;\n        " << m << "_LIES(k, " << n
          << "_regeln[i]);\n        if (k != 0) h[k - 1] = " << n << "_max(ga[i], h[k - 1]);\n    }\n";
    }
    o << "    /* Schwerpunkt: jeder Term tr\xC3\xA4gt mit Fl\xC3\xA4"
         "che mal Schwerpunkt bei; beide Summen\n"
         "       werden nach jedem Term auf float gerundet, wie im Programm. */\n";
    o << "    for (i = 0; i < " << nOut << "; ++i) {\n        struct " << n << "_ausgangsterm t;\n"
      << "        float flaeche;\n        " << m << "_LIES(t, " << n << "_terme_aus[i]);\n";
    o << "        flaeche = (float)(t.breite * h[i] / 2.0);\n";
    o << "        m = (float)((double)t.schwerpunkt * flaeche + m);\n";
    o << "        s = (float)((double)flaeche + s);\n    }\n";
    o << "    if (s == 0.0f) return " << m << "_OUT_MIN; /* keine Regel hat gefeuert */\n";
    o << "    return (float)((double)m / s);\n}\n";
    return o.str();
}

}  // namespace

bool IsCName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameLength) return false;
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!letter(name[0])) return false;
    return std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
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
    hc.Add(CommentText(headerFile) + " \xE2\x80\x93 zum Fuzzy-Regler aus " +
           detail::Quoted(CommentText(options.quelle)) + "; Genauigkeit und Bedingungen stehen im C-Quelltext.");
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
    if (headerPath.empty()) throw fuzzy::ESaveError("Der C-Quelltext braucht einen Namen auf .c: " + name(sourcePath));
    bool headerExisted = false;
    for (const std::string& target : {headerPath, sourcePath}) {
        std::error_code ec;
        const fs::file_status st = fs::status(target, ec);
        if (!fs::exists(st)) continue;
        headerExisted = headerExisted || target == headerPath;
        if (fs::equivalent(target, projectPath, ec) && !ec) {
            throw fuzzy::ESaveError(name(target) +
                                    " ist die Projektdatei selbst; sie wird nicht \xC3\xBC"
                                    "berschrieben.");
        }
        if (!fs::is_regular_file(st)) {
            throw fuzzy::ESaveError("Unter dem Namen " + name(target) +
                                    " steht keine gew\xC3\xB6hnliche Datei; dorthin wird nicht exportiert.");
        }
    }
    fuzzy::WriteFileAtomic(headerPath, e.header, projectPath);
    try {
        fuzzy::WriteFileAtomic(sourcePath, e.source, projectPath);
    } catch (const fuzzy::ESaveError&) {
        // A header alone would look like a finished export.
        std::error_code ec;
        if (!headerExisted) fs::remove(headerPath, ec);
        throw;
    }
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
