#include "exchange/Detail.h"

#include "fuzzy/Project.h"
#include "fuzzy/Text.h"

#include <array>
#include <cfloat>
#include <cstdio>
#include <cmath>
#include <map>
#include <memory>

namespace exchange {

namespace detail {

namespace {

[[noreturn]] void Fail(int line, const std::string& message) { throw ImportError(message, line); }

// ---- rules -------------------------------------------------------------------

bool IsHedge(std::string_view w) {
    for (const char* h : {"very", "somewhat", "seldom", "extremely", "any", "more_or_less", "slightly"}) {
        if (EqualsNoCase(w, h)) return true;
    }
    return false;
}

bool IsWord(const std::string& t) { return !t.empty() && (IsAlpha(t[0]) || t[0] == '_'); }

// A parsed antecedent: a condition, or an AND / OR of parts.
struct Node {
    enum Kind { Cond, And, Or } kind = Cond;
    RawCondition cond;
    std::vector<std::unique_ptr<Node>> parts;
};

class RuleParser {
public:
    // More levels than any rule of two inputs needs by far.
    static constexpr int kMaxNesting = 64;

    RuleParser(const std::vector<Token>& tokens, int line) : t_(tokens), line_(line) {}

    RawRule Parse() {
        RawRule rule;
        rule.line = line_;
        if (!Accept("if")) Fail(line_, Tr("Import", "Eine Regel beginnt mit „if“."));
        const std::unique_ptr<Node> ante = ParseOr();
        if (!Accept("then")) {
            if (Peek("with")) Fail(line_, Tr("Import", "Regelgewichte gibt es hier nur am Ende der Regel."));
            Expected(Tr("Import", "Nach der Bedingung wird „then“ erwartet, gefunden: %1."),
                     Tr("Import", "Nach der Bedingung wird „then“ erwartet."));
        }
        rule.consequent = ParseCondition(true);
        if (Peek("and") || Peek(",")) {
            Fail(line_, Tr("Import", "Die Regel nennt zwei Ausgangsterme; hier führt jede Regel zu genau einem."));
        }
        if (Accept("with")) {
            const auto w = pos_ < t_.size() ? ParseDouble(t_[pos_].text) : std::nullopt;
            if (!w) Fail(line_, Tr("Import", "Nach „with“ wird ein Gewicht erwartet."));
            ++pos_;
            if (*w != 1.0) {
                Fail(line_, Fmt(Tr("Import", "Regelgewicht %1: dieses Programm kennt nur Regeln mit Gewicht 1."),
                                {t_[pos_ - 1].text}));
            }
        }
        if (pos_ < t_.size()) {
            Fail(line_, Fmt(Tr("Import", "Unerwartetes %1 am Ende der Regel."), {Quoted(t_[pos_].text)}));
        }
        rule.cells = Cells(*ante);
        return rule;
    }

private:
    bool Peek(std::string_view w) const { return pos_ < t_.size() && EqualsNoCase(t_[pos_].text, w); }
    bool Accept(std::string_view w) {
        if (!Peek(w)) return false;
        ++pos_;
        return true;
    }
    // The refusal of a missing word, naming what stands there instead if
    // anything does: each a sentence of its own, for the word order.
    [[noreturn]] void Expected(const char* withFound, const char* atEnd) const {
        if (pos_ < t_.size()) Fail(line_, Fmt(withFound, {Quoted(t_[pos_].text)}));
        Fail(line_, atEnd);
    }

    std::unique_ptr<Node> ParseOr() {
        auto first = ParseAnd();
        if (!Peek("or")) return first;
        auto node = std::make_unique<Node>();
        node->kind = Node::Or;
        node->parts.push_back(std::move(first));
        while (Accept("or")) node->parts.push_back(ParseAnd());
        return node;
    }

    std::unique_ptr<Node> ParseAnd() {
        auto first = ParseAtom();
        if (!Peek("and")) return first;
        auto node = std::make_unique<Node>();
        node->kind = Node::And;
        node->parts.push_back(std::move(first));
        while (Accept("and")) node->parts.push_back(ParseAtom());
        return node;
    }

    std::unique_ptr<Node> ParseAtom() {
        if (Accept("(")) {
            // Each parenthesis is a level of recursion here: a bound keeps a
            // hostile file from exhausting the stack.
            if (++depth_ > kMaxNesting) {
                Fail(line_, Fmt(Tr("Import",
                                   "Die Bedingung ist tiefer als %1 Klammerebenen verschachtelt; so tief "
                                   "liest dieses Programm nicht."),
                                {std::to_string(kMaxNesting)}));
            }
            auto inner = ParseOr();
            --depth_;
            if (!Accept(")")) {
                Expected(Tr("Import", "Es fehlt eine schließende Klammer, gefunden: %1."),
                         Tr("Import", "Es fehlt eine schließende Klammer."));
            }
            return inner;
        }
        auto node = std::make_unique<Node>();
        node->cond = ParseCondition(false);
        return node;
    }

    RawCondition ParseCondition(bool consequent) {
        if (Peek("not")) Fail(line_, Tr("Import", "Verneinung („not“) gibt es in diesem Programm nicht."));
        if (pos_ >= t_.size() || !IsWord(t_[pos_].text)) {
            if (consequent) {
                Expected(Tr("Import", "Nach „then“ wird ein Variablenname erwartet, gefunden: %1."),
                         Tr("Import", "Nach „then“ wird ein Variablenname erwartet."));
            }
            Expected(Tr("Import", "In der Bedingung wird ein Variablenname erwartet, gefunden: %1."),
                     Tr("Import", "In der Bedingung wird ein Variablenname erwartet."));
        }
        RawCondition c;
        c.variable = t_[pos_++].text;
        if (!Accept("is")) {
            if (pos_ < t_.size()) {
                Fail(line_, Fmt(Tr("Import", "Nach %1 wird „is“ erwartet, gefunden: %2."),
                                {Quoted(c.variable), Quoted(t_[pos_].text)}));
            }
            Fail(line_, Fmt(Tr("Import", "Nach %1 wird „is“ erwartet."), {Quoted(c.variable)}));
        }
        if (Peek("not")) Fail(line_, Tr("Import", "Verneinung („not“) gibt es in diesem Programm nicht."));
        if (pos_ + 1 < t_.size() && IsWord(t_[pos_ + 1].text) && !IsKeywordHere(t_[pos_ + 1].text)) {
            Hedge();
        }
        if (pos_ < t_.size() && IsHedge(t_[pos_].text) && pos_ + 1 < t_.size() && IsWord(t_[pos_ + 1].text)) {
            Hedge();
        }
        if (pos_ >= t_.size() || !IsWord(t_[pos_].text)) {
            Expected(Tr("Import", "Nach „is“ wird ein Termname erwartet, gefunden: %1."),
                     Tr("Import", "Nach „is“ wird ein Termname erwartet."));
        }
        c.term = t_[pos_++].text;
        return c;
    }

    [[noreturn]] void Hedge() const {
        Fail(line_, Fmt(Tr("Import", "Modifizierer %1 gibt es in diesem Programm nicht."), {Quoted(t_[pos_].text)}));
    }

    static bool IsKeywordHere(const std::string& w) {
        for (const char* k : {"and", "or", "then", "with"}) {
            if (EqualsNoCase(w, k)) return true;
        }
        return false;
    }

    // An OR of ANDs of conditions; anything nested deeper does not fit.
    std::vector<std::vector<RawCondition>> Cells(const Node& n) const {
        std::vector<std::vector<RawCondition>> cells;
        auto andCell = [this](const Node& a) {
            std::vector<RawCondition> cell;
            if (a.kind == Node::Cond) {
                cell.push_back(a.cond);
                return cell;
            }
            for (const auto& p : a.parts) {
                if (p->kind == Node::Cond) {
                    cell.push_back(p->cond);
                } else if (p->kind == Node::And) {
                    for (const auto& q : p->parts) {
                        if (q->kind != Node::Cond) NestedOr();
                        cell.push_back(q->cond);
                    }
                } else {
                    NestedOr();
                }
            }
            return cell;
        };
        if (n.kind == Node::Or) {
            for (const auto& p : n.parts) {
                if (p->kind == Node::Or) {
                    for (auto& c : Cells(*p)) cells.push_back(std::move(c));
                } else {
                    cells.push_back(andCell(*p));
                }
            }
        } else {
            cells.push_back(andCell(n));
        }
        return cells;
    }

    [[noreturn]] void NestedOr() const {
        Fail(line_, Tr("Import",
                       "„or“ innerhalb einer „and“-Verknüpfung passt nicht: hier verbindet „or“ nur ganze "
                       "Regelzellen."));
    }

    const std::vector<Token>& t_;
    int line_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

// ---- the project ---------------------------------------------------------------

// A number of the file as this program's single precision; `beyond` is the
// refusal of a number outside it (%1: the term's name, where it has one).
float Single(double v, int line, const char* beyond, const std::string& name = {}) {
    if (!(std::fabs(v) <= FLT_MAX)) Fail(line, Fmt(beyond, {name}));
    return static_cast<float>(v);
}

struct Shape {
    float a, b, c, d, h;
};

Shape TermShape(const RawTerm& t, const RawVariable& v) {
    const auto& p = t.params;
    // pattern: %1 the term, %2 its kind, %3 how many numbers the file gives.
    auto need = [&](std::size_t n, const char* pattern) {
        if (p.size() != n && p.size() != n + 1) {
            Fail(t.line, Fmt(pattern, {Quoted(t.name), t.kind, std::to_string(p.size())}));
        }
    };
    const char* beyond = Tr("Import", "Eine Zahl des Terms %1 liegt außerhalb des Zahlenbereichs.");
    auto f = [&](std::size_t i) { return Single(p[i], t.line, beyond, Quoted(t.name)); };
    const char* range = Tr("Import", "Der Bereich liegt außerhalb des Zahlenbereichs.");
    const float lo = v.hasRange ? Single(std::fmin(v.lo, v.hi), v.line, range) : 0.0f;
    const float hi = v.hasRange ? Single(std::fmax(v.lo, v.hi), v.line, range) : 0.0f;
    if (t.kind == "Trapezoid") {
        need(4, Tr("Import", "Der Term %1 (%2) braucht 4 Zahlen (a, b, c, d) und wahlweise eine Höhe, gefunden: %3."));
        return {f(0), f(1), f(2), f(3), p.size() == 5 ? f(4) : 1.0f};
    }
    if (t.kind == "Triangle") {
        need(3, Tr("Import", "Der Term %1 (%2) braucht 3 Zahlen (a, b, c) und wahlweise eine Höhe, gefunden: %3."));
        return {f(0), f(1), f(1), f(2), p.size() == 4 ? f(3) : 1.0f};
    }
    if (t.kind == "Rectangle") {
        need(2,
             Tr("Import", "Der Term %1 (%2) braucht 2 Zahlen (Anfang, Ende) und wahlweise eine Höhe, gefunden: %3."));
        return {f(0), f(0), f(1), f(1), p.size() == 3 ? f(2) : 1.0f};
    }
    const char* foreignKind =
        Tr("Import", "Der Term %1 ist vom Typ %2; dieses Programm kennt nur Trapez, Dreieck und Rechteck.");
    if ((t.kind == "LeftShoulder" || t.kind == "RightShoulder") && p.size() != 3) {
        // Only the readers make shoulders; a file naming the kind itself has no such term.
        Fail(t.line, Fmt(foreignKind, {Quoted(t.name), Quoted(t.kind)}));
    }
    if (t.kind == "LeftShoulder") {
        // Constant to the left: from the range's start (or the plateau's end).
        const float end = f(0);
        const float start = v.hasRange ? std::fmin(lo, end) : end;
        return {start, start, end, f(1), f(2)};
    }
    if (t.kind == "RightShoulder") {
        const float start = f(1);
        const float end = v.hasRange ? std::fmax(hi, start) : start;
        return {f(0), start, end, end, f(2)};
    }
    Fail(t.line, Fmt(foreignKind, {Quoted(t.name), Quoted(t.kind)}));
}

// Does `ident` look like the identifier the exporter made of `name`?
bool IdentifierOf(const std::string& ident, const std::string& name, const std::string& fallback) {
    // The fallback is the exporter's too: "0 Grad" of term 1 became term1_0_Grad.
    const std::string base = MakeIdentifier(name, fallback);
    if (base.empty()) return false;
    if (ident == base) return true;
    if (ident.size() <= base.size() + 1 || ident.compare(0, base.size() + 1, base + "_") != 0) return false;
    for (std::size_t i = base.size() + 1; i < ident.size(); ++i) {
        if (!IsDigit(ident[i])) return false;
    }
    return true;
}

// A number a little beyond `end`, away from `from`: one range width, as the
// templates let shoulders reach over the ends; the next single where that
// would not be finite.
float Beyond(float end, float from) {
    const float width = std::fabs(end - from) > 0.0f ? std::fabs(end - from) : std::fmax(std::fabs(end), 1.0f);
    const float dir = end >= from ? 1.0f : -1.0f;
    const float r = end + dir * width;
    if (std::isfinite(r) && r != end) return r;
    return std::nextafter(end, dir * FLT_MAX);
}

// A name the project file can hold: Windows-1252, no line break and no
// end-of-text byte. What the writer would refuse is refused here, with the line.
bool NameFits(const std::string& name) {
    std::string bytes;
    char32_t bad = 0;
    return !name.empty() && fuzzy::text::Utf8ToCp1252(name, bytes, bad) &&
           bytes.find_first_of("\r\n\x1A") == std::string::npos;
}

// The refusals of a name: empty, and with a character a project cannot hold (%1).
struct NameRefusals {
    const char* empty;
    const char* unfit;
};

NameRefusals VariableNameRefusals() {
    return {Tr("Import", "Der Name der Variablen ist leer; hier braucht jeder Name mindestens ein Zeichen."),
            Tr("Import", "Der Name der Variablen %1 enthält ein Zeichen, das eine Fuzzy-Datei nicht aufnehmen kann.")};
}

NameRefusals TermNameRefusals() {
    return {Tr("Import", "Der Name des Terms ist leer; hier braucht jeder Name mindestens ein Zeichen."),
            Tr("Import", "Der Name des Terms %1 enthält ein Zeichen, das eine Fuzzy-Datei nicht aufnehmen kann.")};
}

void CheckName(const std::string& name, int line, const NameRefusals& refusals) {
    if (name.empty()) Fail(line, refusals.empty);
    if (!NameFits(name)) Fail(line, Fmt(refusals.unfit, {Quoted(name)}));
}

void FillVariable(const RawVariable& rv, fuzzy::TFuzzy& v, const std::map<std::string, Provenance>& prov, Format f,
                  const std::string& fallback, bool complete) {
    v.Clear();
    v.Defined = true;
    v.Name = rv.name;
    CheckName(rv.name, rv.line, VariableNameRefusals());
    // A reader that stopped early may not have reached the terms yet.
    if (rv.terms.empty() && complete) {
        Fail(rv.line, Fmt(Tr("Import", "Die Variable %1 hat keine Terme; hier braucht jede Variable mindestens einen."),
                          {Quoted(rv.name)}));
    }
    // The first five terms in file order, then a sixth is what does not fit.
    const std::size_t count = std::min(rv.terms.size(), static_cast<std::size_t>(fuzzy::MaxTerms));
    v.TermCount = static_cast<std::int32_t>(count);
    for (std::size_t i = 0; i < count; ++i) {
        CheckName(rv.terms[i].name, rv.terms[i].line, TermNameRefusals());
        const Shape s = TermShape(rv.terms[i], rv);
        const int n = static_cast<int>(i) + 1;
        v.SetTermName(n, rv.terms[i].name);
        v.SetParam(n, 1, s.a);
        v.SetParam(n, 2, s.b);
        v.SetParam(n, 3, s.c);
        v.SetParam(n, 4, s.d);
        v.SetParam(n, 5, s.h);
    }
    if (rv.terms.size() > static_cast<std::size_t>(fuzzy::MaxTerms)) {
        const RawTerm& sixth = rv.terms[fuzzy::MaxTerms];
        Fail(sixth.line, Fmt(Tr("Import",
                                "Ein sechster Term (%1) von %2 passt nicht: dieses Programm hat höchstens "
                                "fünf Terme je Variable."),
                             {Quoted(sixth.name), Quoted(rv.name)}));
    }
    if (rv.hasRange) {
        v.RangeMin = Single(rv.lo, rv.line, Tr("Import", "Der Bereichsanfang liegt außerhalb des Zahlenbereichs."));
        v.RangeMax = Single(rv.hi, rv.line, Tr("Import", "Das Bereichsende liegt außerhalb des Zahlenbereichs."));
    } else {
        // Without a range: the span of the terms.
        float lo = 0.0f, hi = 0.0f;
        for (int i = 1; i <= v.UsedTerms(); ++i) {
            lo = i == 1 ? v.GetParam(i, 1) : std::fmin(lo, v.GetParam(i, 1));
            hi = i == 1 ? v.GetParam(i, 4) : std::fmax(hi, v.GetParam(i, 4));
        }
        v.RangeMin = lo;
        v.RangeMax = hi;
    }

    // Names, ranges and output heights the exporter kept in comments.
    const auto pv = prov.find(rv.name);
    if (pv != prov.end() && IdentifierOf(rv.name, pv->second.name, fallback) && NameFits(pv->second.name)) {
        v.Name = pv->second.name;
        if (pv->second.hasRange) {
            if (!rv.output) {
                if (v.RangeMin == pv->second.lo && v.RangeMax == pv->second.hi) {
                    v.RangeMin = pv->second.lo;
                    v.RangeMax = pv->second.hi;
                }
            } else {
                // The output's range was widened for the sampling: take the
                // project's back when this file's range is what the widening gives.
                fuzzy::TFuzzy probe;
                probe.Assign(v);
                probe.RangeMin = pv->second.lo;
                probe.RangeMax = pv->second.hi;
                const OutputGrid g = ChooseGrid(probe, f == Format::Fll ? 0 : 100);
                if (rv.hasRange && *ParseStored(g.loText) == rv.lo && *ParseStored(g.hiText) == rv.hi) {
                    v.RangeMin = pv->second.lo;
                    v.RangeMax = pv->second.hi;
                }
            }
        }
    }
    for (std::size_t i = 0; i < rv.terms.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const RawTerm& t = rv.terms[i];
        const auto pt = prov.find(rv.name + "." + t.name);
        if (pt != prov.end() && IdentifierOf(t.name, pt->second.name, "term" + std::to_string(n)) &&
            NameFits(pt->second.name)) {
            // Written by this program: the corners are the project's own.
            v.SetTermName(n, pt->second.name);
            if (rv.output && pt->second.hasHeight && v.GetParam(n, fuzzy::ParamH) == 1.0f) {
                v.SetParam(n, fuzzy::ParamH, pt->second.height);
            }
            continue;
        }
        // The other tools close a term's right end: trapmf [a b hi hi] is 1 at
        // hi, a point list ending in (b, 1) stays 1 to the right. Here the right
        // foot is open, so such an input term would be 0 at the range's end;
        // its outer corners go beyond the range instead. Left ends are closed
        // alike in both, so a left shoulder starting at the range's start
        // stays there. An output term keeps its corners: the other tools
        // integrate it only within the range, and corners moved outwards would
        // move its centroid, while the membership at the single point hi adds
        // nothing to an area.
        if (rv.output) continue;
        const float lo = v.RangeMin, hi = v.RangeMax;
        const float c = v.GetParam(n, fuzzy::ParamC), d = v.GetParam(n, fuzzy::ParamD);
        // Read alike, so no note: the membership inside the range is the file's.
        if (t.kind == "RightShoulder" || (c == d && d == hi && lo < hi)) {
            const float beyond = Beyond(hi, lo);
            if (c <= beyond) {
                v.SetParam(n, fuzzy::ParamC, beyond);
                v.SetParam(n, fuzzy::ParamD, beyond);
            }
        }
    }
}

int FindTerm(const RawVariable& v, const RawCondition& c, int line) {
    if (c.termIndex > 0) {
        if (c.termIndex > static_cast<int>(v.terms.size())) {
            Fail(line, Fmt(Tr("Import", "%1 hat keinen Term %2."), {Quoted(v.name), std::to_string(c.termIndex)}));
        }
        return c.termIndex;
    }
    for (std::size_t i = 0; i < v.terms.size(); ++i) {
        if (v.terms[i].name == c.term) return static_cast<int>(i) + 1;
    }
    for (std::size_t i = 0; i < v.terms.size(); ++i) {
        if (EqualsNoCase(v.terms[i].name, c.term)) return static_cast<int>(i) + 1;
    }
    Fail(line, Fmt(Tr("Import", "%1 hat keinen Term %2."), {Quoted(v.name), Quoted(c.term)}));
}

int FindVariable(const std::vector<RawVariable>& vars, const RawCondition& c) {
    if (c.variableIndex > 0) return c.variableIndex <= static_cast<int>(vars.size()) ? c.variableIndex : 0;
    for (std::size_t i = 0; i < vars.size(); ++i) {
        if (vars[i].name == c.variable) return static_cast<int>(i) + 1;
    }
    for (std::size_t i = 0; i < vars.size(); ++i) {
        if (EqualsNoCase(vars[i].name, c.variable)) return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace

RawRule ParseRuleText(const std::vector<Token>& tokens, int line) { return RuleParser(tokens, line).Parse(); }

bool ValidUtf8(std::string_view s) {
    constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        if ((b0 & 0xE0) == 0xC0) {
            extra = 1;
            cp = b0 & 0x1F;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2;
            cp = b0 & 0x0F;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3;
            cp = b0 & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto bk = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((bk & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (bk & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode, as the decoder has it.
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// The rule table from the rules, in file order.
void BuildRules(const RawEngine& raw, bool two, Imported& result) {
    const RawVariable& out = raw.outputs[0];
    std::map<int, int> cellLine;  // cell index -> line of the rule that set it
    for (const RawRule& r : raw.rules) {
        if (FindVariable(raw.outputs, r.consequent) == 0) {
            Fail(r.line,
                 Fmt(Tr("Import", "%1 ist nicht der Ausgang %2."), {Quoted(r.consequent.variable), Quoted(out.name)}));
        }
        const int k = FindTerm(out, r.consequent, r.line);
        if (r.cells.size() > 1 && !raw.orIsMax) {
            Fail(raw.orLine ? raw.orLine : r.line,
                 Tr("Import",
                    "Die Oder-Verknüpfung ist nicht das Maximum; Regelzellen werden hier mit dem Maximum "
                    "verodert."));
        }
        for (const auto& cell : r.cells) {
            std::array<int, 2> term{0, 0};
            for (const RawCondition& c : cell) {
                const int v = FindVariable(raw.inputs, c);
                if (v == 0) {
                    Fail(r.line, Fmt(Tr("Import", "%1 ist kein Eingang."),
                                     {Quoted(c.variable.empty() ? std::to_string(c.variableIndex) : c.variable)}));
                }
                if (term[static_cast<std::size_t>(v - 1)] != 0) {
                    Fail(r.line, Fmt(Tr("Import", "Die Regel nennt %1 zweimal in einer Regelzelle."),
                                     {Quoted(raw.inputs[static_cast<std::size_t>(v - 1)].name)}));
                }
                term[static_cast<std::size_t>(v - 1)] =
                    FindTerm(raw.inputs[static_cast<std::size_t>(v - 1)], c, r.line);
            }
            if (term[0] == 0 || (two && term[1] == 0)) {
                Fail(r.line, r.cells.size() > 1 ? Tr("Import",
                                                     "Oder-Verknüpfung („or“) einzelner Bedingungen passt nicht: jede "
                                                     "Regelzelle nennt je Eingang einen Term, mit „and“ verbunden.")
                                                : Tr("Import",
                                                     "Die Regel nennt nicht jeden Eingang; hier nennt jede Regel je "
                                                     "Eingang genau einen Term."));
            }
            const int row = two ? term[1] : 1;
            const int col = term[0];
            const int index = (row - 1) * 5 + (col - 1);
            const int old = result.project.Rules.Get(row, col);
            if (old != 0 && old != k) {
                Fail(r.line,
                     Fmt(Tr("Import",
                            "Die Regelzelle ist schon dem Ausgangsterm %1 zugeordnet (Zeile %2); "
                            "eine Zelle führt hier zu genau einem Term."),
                         {Quoted(out.terms[static_cast<std::size_t>(old - 1)].name), std::to_string(cellLine[index])}));
            }
            result.project.Rules.Set(row, col, k);
            if (old == 0) cellLine[index] = r.line;
        }
    }
}

void BuildProject(Format f, const RawEngine& raw, Imported& result) {
    // Every part is checked, and the refusal names the first thing in the
    // file that does not fit, not the first check that failed.
    std::vector<std::pair<int, std::string>> found;
    auto attempt = [&found](auto&& step) {
        try {
            step();
        } catch (const ImportError& e) {
            found.emplace_back(e.Line(), e.what());
        }
    };
    if (raw.stopped) found.push_back(*raw.stopped);
    const bool complete = !raw.stopped;
    if (raw.inputs.empty() && complete) found.emplace_back(0, Tr("Import", "Die Datei definiert keinen Eingang."));
    if (raw.inputs.size() > 2) {
        found.emplace_back(raw.inputs[2].line,
                           Fmt(Tr("Import",
                                  "Ein dritter Eingang (%1) passt nicht: dieses Programm hat höchstens zwei "
                                  "Eingänge."),
                               {Quoted(raw.inputs[2].name)}));
    }
    if (raw.outputs.empty() && complete) found.emplace_back(0, Tr("Import", "Die Datei definiert keinen Ausgang."));
    if (raw.outputs.size() > 1) {
        found.emplace_back(
            raw.outputs[1].line,
            Fmt(Tr("Import", "Ein zweiter Ausgang (%1) passt nicht: dieses Programm hat genau einen Ausgang."),
                {Quoted(raw.outputs[1].name)}));
    }
    std::map<std::string, Provenance> prov;
    for (const Provenance& p : raw.provenance) prov[p.key] = p;

    const bool two = raw.inputs.size() == 2;
    result.project.B.Clear();
    result.project.B.Name.clear();
    if (!raw.inputs.empty()) {
        attempt([&] { FillVariable(raw.inputs[0], result.project.A, prov, f, "eingang_a", complete); });
    }
    if (raw.inputs.size() >= 2) {
        attempt([&] { FillVariable(raw.inputs[1], result.project.B, prov, f, "eingang_b", complete); });
    }
    if (!raw.outputs.empty()) {
        attempt([&] { FillVariable(raw.outputs[0], result.project.Out, prov, f, "ausgang", complete); });
    }
    // The rules need one or two inputs and one output to be read at all.
    if (!raw.inputs.empty() && raw.inputs.size() <= 2 && raw.outputs.size() == 1) {
        attempt([&] { BuildRules(raw, two, result); });
    }
    if (!found.empty()) {
        // Line 0 (the file as a whole) comes after every line.
        auto first = found.begin();
        for (auto it = found.begin(); it != found.end(); ++it) {
            if (it->first > 0 && (first->first == 0 || it->first < first->first)) first = it;
        }
        throw ImportError(first->second, first->first);
    }

    const auto& fallback = raw.outputs[0].defaultValue;
    // A default beyond single range differs anyway and must not be cast.
    if (fallback &&
        (!(std::fabs(*fallback) <= FLT_MAX) || static_cast<float>(*fallback) != result.project.Out.RangeMin)) {
        result.notes.push_back(Fmt(Tr("Importhinweis",
                                      "Feuert keine Regel, liefert dieses Programm den "
                                      "Bereichsanfang %1, nicht den Vorgabewert %2 der Datei."),
                                   {Num(result.project.Out.RangeMin), Num(*fallback)}));
    }

    // A minimum implication or a maximum aggregation read as this engine's
    // own: the note says how much that changes, measured on the inputs' grid.
    std::vector<std::string> notes = raw.notes;
    const fuzzy::Project& p = result.project;
    auto figure = [&notes, &p](std::size_t note, bool minImplication, bool maxAggregation) {
        if (note >= notes.size()) return;
        const double d = InferenceDeviation(p, minImplication, maxAggregation);
        std::string& n = notes[note];
        if (!n.empty() && n.back() == '.') n.pop_back();
        // %1 the note without its full stop, %2 how many inputs, %3 the difference.
        n = Fmt(Tr("Importhinweis", "%1; der Ausgang weicht dadurch auf %2 Eingaben um höchstens %3 ab."),
                {n, p.B.Defined ? "41 × 41" : "41", Figure(d)});
    };
    figure(raw.minImplicationNote, true, false);
    figure(raw.maxAggregationNote, false, true);
    result.notes.insert(result.notes.begin(), notes.begin(), notes.end());
}

}  // namespace detail

Imported Import(Format f, std::string_view input) {
    // UTF-8, with or without a byte-order mark; older files in Windows-1252.
    std::string text(input);
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    if (!detail::ValidUtf8(text)) {
        text = fuzzy::text::Cp1252ToUtf8(text);
    }
    detail::RawEngine raw;
    switch (f) {
    case Format::Fll: raw = detail::ReadFll(text); break;
    case Format::Fis: raw = detail::ReadFis(text); break;
    case Format::Fcl: raw = detail::ReadFcl(text); break;
    }
    Imported r;
    detail::BuildProject(f, raw, r);
    // What is accepted here can be saved and exported again; the checks above
    // should leave nothing for these, which hold it by construction.
    const fuzzy::Project& p = r.project;
    try {
        (void)fuzzy::ProjectText(p);
        detail::CheckExportable(p);
    } catch (const fuzzy::Error& e) {
        throw ImportError(e.what());
    }
    return r;
}

}  // namespace exchange
