// Reader of FCL (IEC 61131-7): FUNCTION_BLOCK with VAR_INPUT, VAR_OUTPUT,
// FUZZIFY, DEFUZZIFY and RULEBLOCK blocks; comments "//" and "(* *)".
#include "exchange/Detail.h"

#include <cctype>

namespace exchange::detail {

namespace {

[[noreturn]] void Fail(int line, const std::string& message) { throw ImportError(message, line); }

// %1: the comment's opening.
const char* UnclosedComment() { return Tr("Import", "Ein Kommentar %1 wird nicht geschlossen."); }

// The tokens of a text, made as the parser reaches them: a text that is no
// FCL is refused at its first word instead of after all of it was split up
// (the fuzzer feeds every text to all three readers).
class Tokens {
public:
    Tokens(std::string_view s, std::vector<Provenance>& provenance) : s_(s), provenance_(provenance) {}

    // Whether the text has a token at index k (made now if need be).
    bool Has(std::size_t k) {
        while (t_.size() <= k && More()) {}
        return k < t_.size();
    }
    const Token& operator[](std::size_t k) const { return t_[k]; }
    // The last token made: at the end of the text, the text's last token.
    const Token* Last() const { return t_.empty() ? nullptr : &t_.back(); }
    // The rest of the text after what the parser read: its provenance
    // comments count, and a comment left open there is an error as well.
    void Rest() {
        while (More()) {}
    }

private:
    // Adds the next token; false at the end of the text.
    bool More() {
        const std::string_view s = s_;
        std::size_t& i = i_;
        int& line = line_;
        while (i < s.size()) {
            const char c = s[i];
            if (c == '\n') {
                ++line;
                ++i;
            } else if (IsSpace(c)) {
                ++i;
            } else if (s.compare(i, 2, "//") == 0) {
                std::size_t end = s.find('\n', i);
                if (end == std::string_view::npos) end = s.size();
                Provenance p;
                if (ParseProvenance(s.substr(i + 2, end - i - 2), p)) provenance_.push_back(p);
                i = end;
            } else if (s.compare(i, 2, "/*") == 0) {
                // Not the standard's comment, but written by many: read like "(* *)".
                const std::size_t end = s.find("*/", i + 2);
                if (end == std::string_view::npos) Fail(line, Fmt(UnclosedComment(), {Quoted("/*")}));
                for (std::size_t k = i; k < end; ++k) line += s[k] == '\n';
                i = end + 2;
            } else if (s.compare(i, 2, "(*") == 0) {
                const std::size_t end = s.find("*)", i + 2);
                if (end == std::string_view::npos) Fail(line, Fmt(UnclosedComment(), {Quoted("(*")}));
                for (std::size_t k = i; k < end; ++k) line += s[k] == '\n';
                i = end + 2;
            } else if (IsAlpha(c) || c == '_') {
                const std::size_t b = i;
                while (i < s.size() && (IsAlnum(s[i]) || s[i] == '_')) ++i;
                t_.push_back({std::string(s.substr(b, i - b)), line});
                return true;
            } else if (IsDigit(c) || c == '.' ||
                       ((c == '-' || c == '+') && i + 1 < s.size() && (IsDigit(s[i + 1]) || s[i + 1] == '.'))) {
                if (c == '.' && i + 1 < s.size() && s[i + 1] == '.') {
                    t_.push_back({"..", line});
                    i += 2;
                    return true;
                }
                const std::size_t b = i;
                ++i;
                while (i < s.size()) {
                    const char d = s[i];
                    if (IsDigit(d)) {
                        ++i;
                    } else if (d == '.' && !(i + 1 < s.size() && s[i + 1] == '.')) {
                        ++i;
                    } else if ((d == 'e' || d == 'E') && i + 1 < s.size()) {
                        ++i;
                        if (s[i] == '+' || s[i] == '-') ++i;
                    } else {
                        break;
                    }
                }
                t_.push_back({std::string(s.substr(b, i - b)), line});
                return true;
            } else if (s.compare(i, 2, ":=") == 0) {
                t_.push_back({":=", line});
                i += 2;
                return true;
            } else {
                t_.push_back({std::string(1, c), line});
                ++i;
                return true;
            }
        }
        return false;
    }

    std::string_view s_;
    std::vector<Provenance>& provenance_;
    std::vector<Token> t_;
    std::size_t i_ = 0;
    int line_ = 1;
};

class FclParser {
public:
    FclParser(Tokens& t, RawEngine& e) : t_(t), e_(e) {}

    void Parse() {
        Expect("FUNCTION_BLOCK");
        if (Is(0, true)) ++pos_;  // the block's name is optional
        while (!AtEnd() && !Accept("END_FUNCTION_BLOCK")) {
            if (Accept("VAR_INPUT")) {
                Declarations(false);
            } else if (Accept("VAR_OUTPUT")) {
                Declarations(true);
            } else if (Accept("FUZZIFY")) {
                Block(false);
            } else if (Accept("DEFUZZIFY")) {
                Block(true);
            } else if (Accept("RULEBLOCK")) {
                RuleBlock();
            } else {
                Fail(Line(), Fmt(Tr("Import",
                                    "Erwartet wird ein Block (VAR_INPUT, FUZZIFY, DEFUZZIFY, RULEBLOCK), "
                                    "gefunden: %1."),
                                 {Quoted(Text())}));
            }
        }
    }

private:
    bool AtEnd() const { return !t_.Has(pos_); }
    int Line() const { return AtEnd() ? (t_.Last() ? t_.Last()->line : 0) : t_[pos_].line; }
    std::string Text() const { return AtEnd() ? Tr("Import", "Dateiende") : t_[pos_].text; }
    // Is the token at pos_+k a word (an identifier)?
    bool Is(std::size_t k, bool word) const {
        if (!t_.Has(pos_ + k)) return false;
        const std::string& s = t_[pos_ + k].text;
        return word && (IsAlpha(s[0]) || s[0] == '_');
    }
    bool Peek(std::string_view w) const { return !AtEnd() && EqualsNoCase(t_[pos_].text, w); }
    bool Accept(std::string_view w) {
        if (!Peek(w)) return false;
        ++pos_;
        return true;
    }
    void Expect(std::string_view w) {
        if (!Accept(w)) {
            Fail(Line(), Fmt(Tr("Import", "Erwartet wird %1, gefunden: %2."), {Quoted(w), Quoted(Text())}));
        }
    }
    // `expected`: the refusal, %1 what stands there instead.
    std::string Word(const char* expected) {
        if (!Is(0, true)) Fail(Line(), Fmt(expected, {Quoted(Text())}));
        return t_[pos_++].text;
    }
    double Number(const char* expected) {
        const auto d = AtEnd() ? std::nullopt : ParseStored(t_[pos_].text);
        if (!d) Fail(Line(), Fmt(expected, {Quoted(Text())}));
        ++pos_;
        return *d;
    }
    // Skips to the token after the next ';'.
    void SkipStatement() {
        while (!AtEnd() && t_[pos_].text != ";") ++pos_;
        if (!AtEnd()) ++pos_;
    }

    void Declarations(bool output) {
        while (!AtEnd() && !Accept("END_VAR")) {
            const int line = Line();
            RawVariable v;
            v.name = Word(VariableExpected());
            v.output = output;
            v.line = line;
            Expect(":");
            SkipStatement();
            (output ? e_.outputs : e_.inputs).push_back(v);
        }
    }

    RawVariable& Find(const std::string& name, bool output, int line) {
        for (auto& v : output ? e_.outputs : e_.inputs) {
            if (v.name == name) return v;
        }
        Fail(line,
             Fmt(Tr("Import", "%1 ist nicht als %2 erklärt."), {Quoted(name), output ? "VAR_OUTPUT" : "VAR_INPUT"}));
    }

    static const char* VariableExpected() { return Tr("Import", "Erwartet wird ein Variablenname, gefunden: %1."); }
    static const char* MethodExpected() { return Tr("Import", "Erwartet wird eine Methode, gefunden: %1."); }
    static const char* NumberExpected() { return Tr("Import", "Erwartet wird eine Zahl, gefunden: %1."); }

    void Block(bool output) {
        const int line = Line();
        RawVariable& v = Find(Word(VariableExpected()), output, line);
        const char* end = output ? "END_DEFUZZIFY" : "END_FUZZIFY";
        while (!AtEnd() && !Accept(end)) {
            if (Accept("TERM")) {
                Term(v);
            } else if (Accept("RANGE")) {
                Expect(":=");
                Expect("(");
                v.lo = Number(Tr("Import", "Erwartet wird der Bereichsanfang, gefunden: %1."));
                Expect("..");
                v.hi = Number(Tr("Import", "Erwartet wird das Bereichsende, gefunden: %1."));
                Expect(")");
                Expect(";");
                v.hasRange = true;
            } else if (Peek("METHOD") || Peek("ACCU") || Peek("ACT")) {
                const std::string key = t_[pos_++].text;
                Expect(":");
                const std::string value = Word(MethodExpected());
                Expect(";");
                Setting(key, value, line);
            } else if (Accept("DEFAULT")) {
                Expect(":=");
                if (!AtEnd()) v.defaultValue = ParseStored(t_[pos_].text);  // NC: no number
                SkipStatement();
            } else if (Is(0, true)) {
                SkipStatement();  // settings of other tools (LOCK, ...)
            } else {
                Fail(Line(), Fmt(Tr("Import", "Erwartet wird TERM oder %1, gefunden: %2."), {end, Quoted(Text())}));
            }
        }
    }

    void Term(RawVariable& v) {
        RawTerm t;
        t.line = Line();
        t.name = Word(Tr("Import", "Erwartet wird ein Termname, gefunden: %1."));
        Expect(":=");
        if (Peek("(")) {
            std::vector<std::pair<double, double>> pts;
            while (Accept("(")) {
                const double x = Number(NumberExpected());
                Expect(",");
                const double y = Number(NumberExpected());
                Expect(")");
                pts.emplace_back(x, y);
                // Thinning a list costs its square: a bound keeps a hostile one cheap.
                if (pts.size() > 64) {
                    Fail(t.line, Fmt(Tr("Import",
                                        "Die Punktliste von %1 hat mehr als 64 Punkte; ein Trapez braucht "
                                        "vier."),
                                     {Quoted(t.name)}));
                }
            }
            Points(t, pts);
        } else if (Is(0, true)) {
            const std::string kind = Word(Tr("Import", "Erwartet wird ein Termtyp, gefunden: %1."));
            t.kind = kind;
            // The common dialect's TRIAN a b c and TRAPE a b c d are the same shapes.
            if (EqualsNoCase(kind, "TRIAN")) t.kind = "Triangle";
            if (EqualsNoCase(kind, "TRAPE")) t.kind = "Trapezoid";
            if (t.kind == "Trapezoid" || t.kind == "Triangle" || t.kind == "Rectangle") {
                while (!AtEnd() && !Peek(";")) t.params.push_back(Number(NumberExpected()));
            } else {
                SkipStatement();
                v.terms.push_back(t);
                return;
            }
        } else {
            Number(NumberExpected());
            t.kind = "Singleton";
        }
        Expect(";");
        v.terms.push_back(t);
    }

    // A point list as a trapezoid, triangle or a shoulder open to one side.
    static void Points(RawTerm& t, std::vector<std::pair<double, double>> p) {
        auto fail = [&t] {
            Fail(t.line, Fmt(Tr("Import",
                                "Die Punktliste von %1 ist kein Trapez, Dreieck oder Rechteck "
                                "(Zugehörigkeit 0, h, h, 0)."),
                             {Quoted(t.name)}));
        };
        auto y = [&p](std::size_t i) { return p[i].second; };
        // Four points 0, h, h, 0 are what the exporter writes for every term,
        // corners out of order included: read back as they are.
        if (p.size() == 4 && y(0) == 0 && y(3) == 0 && y(1) == y(2)) {
            t.kind = "Trapezoid";
            t.params = {p[0].first, p[1].first, p[2].first, p[3].first, y(1)};
            return;
        }
        for (std::size_t i = 1; i < p.size(); ++i) {
            if (p[i].first < p[i - 1].first) fail();
        }
        // Points that change nothing: repeated ones, zeros before the first
        // rise or after the last fall, and points on the line between their
        // neighbours (a plateau or a flank given in pieces).
        for (bool changed = true; changed && p.size() >= 2;) {
            changed = false;
            if (p.size() >= 2 && y(0) == 0 && y(1) == 0) {
                p.erase(p.begin());
                changed = true;
                continue;
            }
            if (p.size() >= 2 && y(p.size() - 1) == 0 && y(p.size() - 2) == 0) {
                p.pop_back();
                changed = true;
                continue;
            }
            for (std::size_t i = 1; i + 1 < p.size(); ++i) {
                const auto& [x0, y0] = p[i - 1];
                const auto& [x1, y1] = p[i];
                const auto& [x2, y2] = p[i + 1];
                const bool same = x1 == x0 && y1 == y0;
                const bool onLine = x0 < x2 && (y1 - y0) * (x2 - x0) == (y2 - y0) * (x1 - x0);
                if (same || onLine || (y0 == y1 && y1 == y2)) {
                    p.erase(p.begin() + static_cast<std::ptrdiff_t>(i));
                    changed = true;
                    break;
                }
            }
        }
        const std::size_t n = p.size();
        if (n == 4 && y(0) == 0 && y(3) == 0 && y(1) == y(2)) {
            t.kind = "Trapezoid";
            t.params = {p[0].first, p[1].first, p[2].first, p[3].first, y(1)};
        } else if (n == 3 && y(0) == 0 && y(2) == 0) {
            t.kind = "Triangle";
            t.params = {p[0].first, p[1].first, p[2].first, y(1)};
        } else if ((n == 2 || (n == 3 && y(0) == y(1))) && y(n - 1) == 0 && y(0) > 0) {
            t.kind = "LeftShoulder";
            t.params = {p[n - 2].first, p[n - 1].first, y(0)};
        } else if ((n == 2 || (n == 3 && y(1) == y(2))) && y(0) == 0 && y(n - 1) > 0) {
            t.kind = "RightShoulder";
            t.params = {p[0].first, p[1].first, y(n - 1)};
        } else {
            fail();
        }
    }

    void Setting(const std::string& key, const std::string& value, int line) {
        const std::string k = Lower(key), v = Lower(value);
        if (k == "and" && v != "min") {
            Fail(line, Fmt(Tr("Import", "Die Und-Verknüpfung ist %1; dieses Programm rechnet „and“ mit dem Minimum."),
                           {Quoted(value)}));
        } else if (k == "or" && v != "max") {
            e_.orIsMax = false;
            e_.orLine = line;
        } else if (k == "act" && v != "prod") {
            if (v == "min") e_.minImplicationNote = e_.notes.size();
            e_.notes.push_back(
                Fmt(Tr("Importhinweis", "Die Implikation %1 wird hier als Produkt gerechnet."), {Quoted(value)}));
        } else if (k == "accu" && v != "nsum" && v != "unboundedsum") {
            if (v == "max") e_.maxAggregationNote = e_.notes.size();
            e_.notes.push_back(
                Fmt(Tr("Importhinweis", "Die Terme des Ausgangs werden hier summiert, nicht mit %1 zusammengefasst."),
                    {Quoted(value)}));
        } else if (k == "method" && v != "cog") {
            e_.notes.push_back(
                Fmt(Tr("Importhinweis", "Der Ausgang wird hier mit dem Schwerpunkt berechnet, nicht mit %1."),
                    {Quoted(value)}));
        }
    }

    void RuleBlock() {
        if (Is(0, true) && !Peek("AND") && !Peek("OR") && !Peek("ACT") && !Peek("ACCU") && !Peek("RULE")) ++pos_;
        while (!AtEnd() && !Accept("END_RULEBLOCK")) {
            const int line = Line();
            if (Peek("AND") || Peek("OR") || Peek("ACT") || Peek("ACCU")) {
                const std::string key = t_[pos_++].text;
                Expect(":");
                const std::string value = Word(MethodExpected());
                Expect(";");
                Setting(key, value, line);
            } else if (Accept("RULE")) {
                Number(Tr("Import", "Erwartet wird die Nummer der Regel, gefunden: %1."));
                Expect(":");
                // Some tools leave out the ';': the next RULE or the block's end ends it too.
                std::vector<Token> rule;
                while (!AtEnd() && !Peek(";") && !Peek("RULE") && !Peek("END_RULEBLOCK")) rule.push_back(t_[pos_++]);
                Accept(";");
                e_.rules.push_back(ParseRuleText(rule, line));
            } else {
                Fail(line, Fmt(Tr("Import", "Erwartet wird RULE oder END_RULEBLOCK, gefunden: %1."), {Quoted(Text())}));
            }
        }
    }

    Tokens& t_;
    RawEngine& e_;
    std::size_t pos_ = 0;
};

}  // namespace

namespace {

void ReadFclInto(std::string_view text, RawEngine& e) {
    Tokens t(text, e.provenance);
    FclParser(t, e).Parse();
    t.Rest();
}

}  // namespace

RawEngine ReadFcl(std::string_view text) {
    RawEngine e;
    try {
        ReadFclInto(text, e);
    } catch (const ImportError& x) {
        e.stopped = std::make_pair(x.Line(), std::string(x.what()));
    }
    return e;
}

}  // namespace exchange::detail
