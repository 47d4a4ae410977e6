#include "fuzzy/Hints.h"

#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"

#include <array>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

namespace fuzzy {

namespace {

const char* const kMinus = "\xE2\x88\x92";  // −

// Each sentence is one pattern in the active language (context
// "KernHinweise"); the pieces put into it are names, numbers and the
// phrases below, never words glued on.
struct Role {
    HintPage page;
    const char* label;  // German; translated where a sentence names it
};

constexpr std::array<Role, 3> kRoles{{
    {HintPage::InputA, FUZZY_TR_NOOP("KernHinweise", "Eingang A")},
    {HintPage::InputB, FUZZY_TR_NOOP("KernHinweise", "Eingang B")},
    {HintPage::Output, FUZZY_TR_NOOP("KernHinweise", "Ausgang")},
}};

const char* RoleText(const char* label) { return Tr("KernHinweise", label); }

// The language's decimal sign in place of the point of a C-formatted number,
// and the true minus sign.
std::string ReaderNumber(const std::string& t) {
    std::string out;
    for (const char c : t) {
        if (c == '.')
            out += DecimalSign();
        else if (c == '-')
            out += kMinus;
        else
            out += c;
    }
    return out;
}

std::uint8_t TermBit(int i) { return static_cast<std::uint8_t>(1u << (i - 1)); }
std::uint32_t CellBit(int row, int column) { return 1u << ((row - 1) * 5 + (column - 1)); }

// A variable as the sentences name it: "Kraft in N" is "Kraft" with the unit
// "N"; a name without " in UNIT" stands alone; an empty one is its role.
struct Label {
    std::string name;
    std::string unit;
};

// role is the already translated name of the variable's role.
Label LabelOf(const TFuzzy& v, const std::string& role) {
    const std::string& n = v.Name;
    if (n.find_first_not_of(' ') == std::string::npos) return {role, {}};
    const auto in = n.rfind(" in ");
    if (in != std::string::npos && in > 0 && in + 4 < n.size() && n.find(' ', in + 4) == std::string::npos)
        return {n.substr(0, in), n.substr(in + 4)};
    return {n, {}};
}

std::string WithUnit(const std::string& number, const std::string& unit) {
    if (unit.empty()) return number;
    if (unit == "\xC2\xB0") return number + unit;  // 5°
    return number + ' ' + unit;
}

// A number a sentence can show as it is: at most seven digits, no exponent.
bool Short(float v) {
    const std::string t = GermanNumber(v);
    if (t.find('e') != std::string::npos) return false;
    int digits = 0;
    for (const char c : t) digits += c >= '0' && c <= '9';
    return digits <= 7;
}

// v rounded to a millionth of the variable's range, for a sentence.
std::string Rounded(float v, double width) {
    const int decimals = width > 0.0 && std::isfinite(width)
                             ? std::clamp(static_cast<int>(std::ceil(-std::log10(width * 1e-6))), 0, 12)
                             : 6;
    std::string t = FixedText(double(v), decimals);
    if (t.find('.') != std::string::npos) {
        while (t.back() == '0') t.pop_back();
        if (t.back() == '.') t.pop_back();
    }
    if (t == "-0") t = "0";
    return ReaderNumber(t);
}

// A nonzero end closer to 0 than the smallest normal float: what is left of
// two flanks meeting at 0 after rounding. No input a reader types lies
// between it and 0, so it reads as "just above 0" (or below), whether the
// end itself belongs to the stretch or not.
bool Tiny(float v) { return v != 0.0f && std::fabs(v) < std::numeric_limits<float>::min(); }

std::string TinyText(float v) {
    return v > 0.0f ? Tr("KernHinweise",
                         "knapp \xC3\xBC"
                         "ber 0")
                    : Tr("KernHinweise", "knapp unter 0");
}

std::string EndText(float v) { return Tiny(v) ? TinyText(v) : GermanNumber(v); }

// The stretch from low to high (high with its unit), each end with or
// without its bound as in says.
std::string Stretch(const Interval& in, const std::string& low, const std::string& high) {
    const bool from = in.Low.Included || Tiny(in.Low.Value);
    const bool to = in.High.Included || Tiny(in.High.Value);
    const char* pattern = from ? (to ? Tr("KernHinweise", "von %1 bis %2") : Tr("KernHinweise", "von %1 bis unter %2"))
                               : (to ? Tr("KernHinweise",
                                          "\xC3\xBC"
                                          "ber %1 bis %2")
                                     : Tr("KernHinweise",
                                          "\xC3\xBC"
                                          "ber %1 bis unter %2"));
    return Fmt(pattern, {low, high});
}

std::string ExactSide(const Interval& in, const std::string& unit) {
    return Stretch(in, EndText(in.Low.Value), WithUnit(EndText(in.High.Value), unit));
}

// "Abstand = 100 cm", "Abstand von 10 bis unter 20 cm". An end that is no
// short number is rounded and marked with ≈, and the exact ends follow:
// "Fehler ≈ 0 (genau: von −4,440892e−16 bis knapp über 0)" is the stretch
// where the flanks of two terms meeting at 0 both round to 0.
std::string SideText(const Label& l, const Interval& in, double width) {
    if (in.IsPoint()) return l.name + " = " + WithUnit(GermanNumber(in.Low.Value), l.unit);
    const float a = in.Low.Value, b = in.High.Value;
    const bool plainA = Short(a) || Tiny(a), plainB = Short(b) || Tiny(b);
    if (plainA && plainB && !(Tiny(a) && Tiny(b))) return l.name + ' ' + ExactSide(in, l.unit);
    const std::string approx = "\xE2\x89\x88 ";  // ≈
    if (Tiny(a) && Tiny(b)) return l.name + ' ' + approx + WithUnit("0", l.unit);
    const std::string lo = Short(a) ? GermanNumber(a) : Rounded(a, width);
    const std::string hi = Short(b) ? GermanNumber(b) : Rounded(b, width);
    const std::string s = lo == hi ? l.name + ' ' + approx + WithUnit(lo, l.unit)
                                   : l.name + ' ' +
                                         Stretch(in, plainA ? EndText(a) : approx + lo,
                                                 WithUnit(plainB ? EndText(b) : approx + hi, l.unit));
    return Fmt(Tr("KernHinweise", "%1 (genau: %2)"), {s, ExactSide(in, l.unit)});
}

// "4,6·10¹⁸": a large bound as a reader takes it in, two digits.
std::string PowerOfTen(float v) {
    const int e = static_cast<int>(std::floor(std::log10(double(v))));
    std::string m = FixedText(double(v) / std::pow(10.0, e), 1);
    for (char& c : m)
        if (c == '.') c = DecimalSign();
    // The exponent in superscript digits, as a reader writes it: 10¹⁸.
    static const char* const kSuper[] = {"\xE2\x81\xB0", "\xC2\xB9",     "\xC2\xB2",     "\xC2\xB3",
                                         "\xE2\x81\xB4", "\xE2\x81\xB5", "\xE2\x81\xB6", "\xE2\x81\xB7",
                                         "\xE2\x81\xB8", "\xE2\x81\xB9"};
    std::string exponent = e < 0 ? "\xE2\x81\xBB" : "";
    for (char c : std::to_string(e < 0 ? -e : e)) exponent += kSuper[c - '0'];
    return m + "\xC2\xB7" + "10" + exponent;
}

double Width(const TFuzzy& v) { return double(v.RangeMax) - v.RangeMin; }

std::string FallsTo(const TFuzzy& Out) {
    const Label l = LabelOf(Out, Tr("KernHinweise", "der Ausgang"));
    return Fmt(Tr("KernHinweise",
                  "%1 f\xC3\xA4"
                  "llt auf %2 (Bereichsanfang)."),
               {l.name, WithUnit(GermanNumber(Out.RangeMin), l.unit)});
}

// role: the German label of the role (kRoles).
std::string TermText(const char* role, const TFuzzy& v, int i) {
    return Fmt(Tr("KernHinweise", "%1, Term %2 \xE2\x80\x9E%3\xE2\x80\x9C"),
               {RoleText(role), std::to_string(i), v.GetTermName(i)});
}

// A rule cell by its terms: "A = negativ klein, B = null". A slot without a
// term is "Term n"; without input B only row 1 is read, the others are rows.
std::string CellText(const TFuzzy& A, const TFuzzy& B, int row, int column) {
    auto term = [](const TFuzzy& v, int i) {
        return i <= v.UsedTerms() ? v.GetTermName(i) : Fmt(Tr("KernHinweise", "Term %1"), {std::to_string(i)});
    };
    const std::string a = "A = " + term(A, column);
    if (B.Defined) return a + ", B = " + term(B, row);
    if (row > 1) return Fmt(Tr("KernHinweise", "%1, Zeile %2"), {a, std::to_string(row)});
    return a;
}

bool CornersInOrder(const TFuzzy& v, int i) {
    const float a = v.GetParam(i, ParamA), b = v.GetParam(i, ParamB), c = v.GetParam(i, ParamC),
                d = v.GetParam(i, ParamD);
    return a <= b && b <= c && c <= d;
}

bool AllCornersInOrder(const TFuzzy& v) {
    for (int i = 1; i <= v.UsedTerms(); ++i)
        if (!CornersInOrder(v, i)) return false;
    return true;
}

bool FiresInRange(const TFuzzy& v, int i) {
    Interval unused;
    return TermFiringInterval(v, i, unused);
}

std::string CellsText(const TFuzzy& A, const TFuzzy& B, std::uint32_t cells) {
    std::vector<std::string> named;
    int more = 0;
    for (int r = 1; r <= MaxTerms; ++r)
        for (int c = 1; c <= MaxTerms; ++c) {
            if ((cells & CellBit(r, c)) == 0) continue;
            if (named.size() < 3)
                named.push_back(CellText(A, B, r, c));
            else
                ++more;
        }
    std::string s;
    for (std::size_t k = 0; k < named.size(); ++k) {
        if (k == 0)
            s = named[k];
        else if (k + 1 == named.size() && more == 0)
            s = Fmt(Tr("KernHinweise", "%1 und %2"), {s, named[k]});
        else
            s += "; " + named[k];
    }
    if (more > 0)
        s = Fmt(
            more == 1 ? Tr("KernHinweise", "%1 und %2 weitere Zelle") : Tr("KernHinweise", "%1 und %2 weitere Zellen"),
            {s, std::to_string(more)});
    return s;
}

}  // namespace

bool HintPlace::HasTerm(int i) const { return i >= 1 && i <= MaxTerms && (Terms & TermBit(i)) != 0; }

bool HintPlace::HasCell(int row, int column) const {
    return row >= 1 && row <= MaxTerms && column >= 1 && column <= MaxTerms && (Cells & CellBit(row, column)) != 0;
}

int HintPlace::FirstTerm() const {
    for (int i = 1; i <= MaxTerms; ++i)
        if (HasTerm(i)) return i;
    return 0;
}

int HintPlace::FirstRow() const {
    for (int k = 0; k < 25; ++k)
        if ((Cells >> k & 1u) != 0) return k / 5 + 1;
    return 0;
}

int HintPlace::FirstColumn() const {
    for (int k = 0; k < 25; ++k)
        if ((Cells >> k & 1u) != 0) return k % 5 + 1;
    return 0;
}

float LargestOutputNumber() {
    static const float limit = static_cast<float>(std::sqrt(double(FLT_MAX) / 16.0));
    return limit;
}

std::string GermanNumber(float v) {
    if (std::isnan(v)) return Tr("KernHinweise", "keine Zahl");
    if (std::isinf(v))
        return v > 0 ? Tr("KernHinweise", "unendlich") : kMinus + std::string(Tr("KernHinweise", "unendlich"));
    const float mag = std::fabs(v);
    const bool plain = mag == 0.0f || (mag >= 1e-4f && mag < 1e15f);
    std::string t = NumberText(v, plain ? NumberForm::Fixed : NumberForm::Scientific);
    t.erase(std::remove(t.begin(), t.end(), '+'), t.end());
    return ReaderNumber(t);
}

std::string NoRuleText(const Project& p, const NoRuleBox& box) {
    const TFuzzy& A = p.A;
    const TFuzzy& B = p.B;
    const TFuzzy& Out = p.Out;
    const Label la = LabelOf(A, RoleText(kRoles[0].label)), lb = LabelOf(B, RoleText(kRoles[1].label));
    std::vector<std::string> sides;
    if (!box.WholeA) sides.push_back(SideText(la, box.A, Width(A)));
    if (box.HasB && !box.WholeB) sides.push_back(SideText(lb, box.B, Width(B)));
    std::string s;
    if (sides.empty())
        s = Tr("KernHinweise", "F\xC3\xBCr keinen Eingangswert feuert eine Regel");
    else
        s = Fmt(Tr("KernHinweise", "Bei %1 feuert keine Regel"),
                {sides.size() > 1 ? Fmt(Tr("KernHinweise", "%1 und %2"), {sides[0], sides[1]}) : sides[0]});
    // Why: an input without a term above 0 explains the whole box; otherwise
    // the cells that decide there hold no working rule, and in part of the
    // box perhaps no term is above 0.
    auto names = [&](bool a, bool b) {
        return a && b ? Fmt(Tr("KernHinweise", "%1 und keiner von %2"), {la.name, lb.name}) : a ? la.name : lb.name;
    };
    const bool there = !sides.empty();
    std::string why;
    if (box.GapA || box.GapB) {
        why = Fmt(there ? Tr("KernHinweise",
                             "dort ist kein Term von %1 gr\xC3\xB6\xC3\x9F"
                             "er als 0")
                        : Tr("KernHinweise",
                             "im Bereich ist kein Term von %1 gr\xC3\xB6\xC3\x9F"
                             "er als 0"),
                  {names(box.GapA, box.GapB)});
    } else {
        if (box.PartlyGapA || box.PartlyGapB)
            why = Fmt(there ? Tr("KernHinweise",
                                 "dort ist stellenweise kein Term von %1 gr\xC3\xB6\xC3\x9F"
                                 "er als 0")
                            : Tr("KernHinweise",
                                 "im Bereich ist stellenweise kein Term von %1 gr\xC3\xB6\xC3\x9F"
                                 "er als 0"),
                      {names(box.PartlyGapA, box.PartlyGapB)});
        if (box.Cells != 0) {
            const std::string cells =
                Fmt(Tr("KernHinweise", "f\xC3\xBCr %1 gibt es keine wirksame Regel"), {CellsText(A, B, box.Cells)});
            why = why.empty() ? cells : Fmt(Tr("KernHinweise", "%1, und %2"), {why, cells});
        }
    }
    return Fmt(Tr("KernHinweise", "%1, denn %2: %3"), {s, why, FallsTo(Out)});
}

std::string NoRuleAtText(const Project& p, float a, float b) {
    const TFuzzy& A = p.A;
    const TFuzzy& B = p.B;
    const TFuzzy& Out = p.Out;
    std::string s = SideText(LabelOf(A, RoleText(kRoles[0].label)), Interval{{a, true}, {a, true}}, Width(A));
    if (B.Defined)
        s = Fmt(Tr("KernHinweise", "%1 und %2"),
                {s, SideText(LabelOf(B, RoleText(kRoles[1].label)), Interval{{b, true}, {b, true}}, Width(B))});
    return Fmt(Tr("KernHinweise", "Bei %1 feuert keine Regel: %2"), {s, FallsTo(Out)});
}

std::vector<Hint> ProjectHints(const Project& p) {
    const TFuzzy& A = p.A;
    const TFuzzy& B = p.B;
    const TFuzzy& Out = p.Out;
    const RuleTable& Rules = p.Rules;
    std::vector<Hint> hints;
    auto add = [&hints](HintKind kind, HintPlace place, std::string text) {
        hints.push_back({kind, place, std::move(text), std::nullopt});
    };
    const std::array<const TFuzzy*, 3> vars{&A, &B, &Out};

    // Whether the table holds any rule the inference reads decides how gaps
    // are told: with rules, as the regions where no rule fires.
    const int columns = A.Defined ? A.UsedTerms() : 0;
    const int rows = B.Defined ? B.UsedTerms() : 1;
    bool anyRule = false;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c) anyRule = anyRule || Rules.Get(r, c) > 0;
    const bool regions = A.Defined && Out.Defined && anyRule;

    for (std::size_t n = 0; n < vars.size(); ++n) {
        const TFuzzy& v = *vars[n];
        const Role& role = kRoles[n];
        const std::string label = RoleText(role.label);
        if (!v.Defined) {
            if (role.page == HintPage::InputA)
                add(HintKind::NotDefined, {role.page},
                    Tr("KernHinweise", "Eingang A ist nicht definiert; keine Regel kann wirken."));
            if (role.page == HintPage::Output)
                add(HintKind::NotDefined, {role.page}, Tr("KernHinweise", "Der Ausgang ist nicht definiert."));
            continue;
        }
        const bool rangeGood = v.RangeMin < v.RangeMax;
        if (!rangeGood)
            add(HintKind::RangeReversed, {role.page},
                Fmt(Tr("KernHinweise", "%1: Der Bereich beginnt nicht unterhalb seines Endes."), {label}));
        if (role.page != HintPage::Output && !(std::fabs(double(v.RangeMax) - v.RangeMin) <= FLT_MAX))
            add(HintKind::TooLarge, {role.page},
                Fmt(Tr("KernHinweise",
                       "%1: Der Bereich ist breiter als die gr\xC3\xB6\xC3\x9Fte Zahl einfacher Genauigkeit; "
                       "Schritte \xC3\xBC"
                       "ber ihn werden unendlich."),
                    {label}));
        if (role.page == HintPage::Output) {
            const float limit = LargestOutputNumber();
            std::uint8_t terms = 0;
            for (int i = 1; i <= v.UsedTerms(); ++i) {
                for (int j = ParamA; j <= ParamD; ++j) {
                    if (!(std::fabs(v.GetParam(i, j)) <= limit)) terms = static_cast<std::uint8_t>(terms | TermBit(i));
                }
            }
            if (terms != 0 || !(std::fabs(v.RangeMin) <= limit && std::fabs(v.RangeMax) <= limit))
                add(HintKind::TooLarge, {role.page, terms},
                    Fmt(Tr("KernHinweise",
                           "%1: Bereich oder Ecken reichen \xC3\xBC"
                           "ber \xC2\xB1%2 hinaus; so gro\xC3\x9F"
                           "e Zahlen lassen den Schwerpunkt in einfacher Genauigkeit \xC3\xBC"
                           "berlaufen, das Ergebnis ist dann keine Zahl."),
                        {label, PowerOfTen(limit)}));
        }
        for (int i = 1; i <= v.UsedTerms(); ++i) {
            const HintPlace place{role.page, TermBit(i)};
            const bool ordered = CornersInOrder(v, i);
            if (!ordered)
                add(HintKind::CornersOutOfOrder, place,
                    Fmt(Tr("KernHinweise",
                           "%1: Die Ecken a \xE2\x89\xA4 b \xE2\x89\xA4 c \xE2\x89\xA4 d sind nicht in Ordnung."),
                        {TermText(role.label, v, i)}));
            const float h = v.GetParam(i, ParamH);
            if (!(h >= 0.0f && h <= 1.0f))
                add(HintKind::HeightOutside, place,
                    Fmt(Tr("KernHinweise", "%1: Die H\xC3\xB6he h liegt nicht zwischen 0 und 1."),
                        {TermText(role.label, v, i)}));
            const float a = v.GetParam(i, ParamA), d = v.GetParam(i, ParamD);
            if (rangeGood && ordered && (d <= v.RangeMin || a >= v.RangeMax) && !FiresInRange(v, i))
                add(HintKind::TermOutsideRange, place,
                    Fmt(Tr("KernHinweise",
                           "%1: Der Term liegt ganz au\xC3\x9F"
                           "erhalb des Bereichs."),
                        {TermText(role.label, v, i)}));
        }
        if (role.page != HintPage::Output && !regions && rangeGood && AllCornersInOrder(v)) {
            const Label l = LabelOf(v, label);
            for (const TermGap& g : FindTermGaps(v))
                add(HintKind::Gap, {role.page, g.Terms},
                    Fmt(Tr("KernHinweise",
                           "%1: Bei %2 ist kein Term gr\xC3\xB6\xC3\x9F"
                           "er als 0."),
                        {label, SideText(l, g.Values, Width(v))}));
        }
    }

    const int outTerms = Out.Defined ? Out.UsedTerms() : 0;
    std::array<bool, MaxTerms + 1> used{};
    for (int r = 1; r <= MaxTerms; ++r) {
        for (int c = 1; c <= MaxTerms; ++c) {
            const std::int32_t k = Rules.Get(r, c);
            if (k <= 0) continue;
            const HintPlace place{HintPage::Rules, 0, CellBit(r, c)};
            const std::string rule = Fmt(Tr("KernHinweise", "Regel %1"), {CellText(A, B, r, c)});
            if (r > rows || c > columns) {
                std::string why;
                if (c > columns)
                    why = Fmt(Tr("KernHinweise", "Eingang A hat keinen Term %1"), {std::to_string(c)});
                else if (B.Defined)
                    why = Fmt(Tr("KernHinweise", "Eingang B hat keinen Term %1"), {std::to_string(r)});
                else
                    why = Tr("KernHinweise", "ohne Eingang B gilt nur die erste Zeile der Tabelle");
                add(HintKind::RuleNeverRead, place,
                    Fmt(Tr("KernHinweise", "%1 (Ausgangsterm %2) wird nie ausgewertet: %3."),
                        {rule, std::to_string(k), why}));
                continue;
            }
            if (k > outTerms) {
                add(HintKind::RuleNamesNoTerm, place,
                    Fmt(Tr("KernHinweise", "%1: Der Ausgang hat keinen Term %2; die Regel wirkt nicht."),
                        {rule, std::to_string(k)}));
                continue;
            }
            used[static_cast<std::size_t>(k)] = true;
            const bool aFires = FiresInRange(A, c);
            const bool bFires = !B.Defined || FiresInRange(B, r);
            if (!aFires || !bFires)
                add(HintKind::RuleCannotFire, place,
                    Fmt(Tr("KernHinweise",
                           "%1: Die Regel kann nie feuern, weil %2 im Bereich nirgends gr\xC3\xB6\xC3\x9F"
                           "er als 0 ist."),
                        {rule, !aFires ? Fmt(Tr("KernHinweise", "Term \xE2\x80\x9E%1\xE2\x80\x9C von Eingang A"),
                                             {A.GetTermName(c)})
                                       : Fmt(Tr("KernHinweise", "Term \xE2\x80\x9E%1\xE2\x80\x9C von Eingang B"),
                                             {B.GetTermName(r)})}));
        }
    }
    if (outTerms > 0 && columns > 0) {
        if (!anyRule) {
            add(HintKind::NoRules, {HintPage::Rules},
                Tr("KernHinweise",
                   "Es gibt noch keine Regel; der Ausgang bleibt immer am unteren Ende seines Bereichs."));
        } else {
            for (int k = 1; k <= outTerms; ++k)
                if (!used[static_cast<std::size_t>(k)])
                    add(HintKind::OutputTermUnused, {HintPage::Output, TermBit(k)},
                        Fmt(Tr("KernHinweise", "%1: Keine Regel verwendet diesen Term."),
                            {TermText(kRoles[2].label, Out, k)}));
        }
    }

    if (regions) {
        for (const NoRuleBox& box : FindNoRuleRegions(p).Boxes) {
            HintPlace place{HintPage::Rules, 0, box.Cells};
            const bool onA = box.GapA || (!box.GapB && box.PartlyGapA);
            if (box.Cells == 0 || box.GapA || box.GapB)
                place = onA ? HintPlace{HintPage::InputA, box.TermsA} : HintPlace{HintPage::InputB, box.TermsB};
            hints.push_back({HintKind::NoRuleFires, place, NoRuleText(p, box), box});
        }
    }
    return hints;
}

std::string NotFiniteCause(const Project& p) {
    for (const Hint& h : ProjectHints(p))
        if (h.Kind == HintKind::TooLarge && h.Place.Page == HintPage::Output) return h.Text;
    return Tr("KernHinweise",
              "die Schwerpunktrechnung des Ausgangs l\xC3\xA4uft in einfacher Genauigkeit \xC3\xBC"
              "ber.");
}

}  // namespace fuzzy
