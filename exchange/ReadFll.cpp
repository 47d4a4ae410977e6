// Reader of fuzzylite's FLL: "key: value" lines, sections opened by Engine,
// InputVariable, OutputVariable and RuleBlock; '#' starts a comment.
#include "exchange/Detail.h"

#include <cctype>

namespace exchange::detail {

namespace {

[[noreturn]] void Fail(int line, const std::string& message) { throw ImportError(message, line); }

std::vector<std::string> Words(std::string_view s) {
    std::vector<std::string> w;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && IsSpace(s[i])) ++i;
        const std::size_t b = i;
        while (i < s.size() && !IsSpace(s[i])) ++i;
        if (i > b) w.emplace_back(s.substr(b, i - b));
    }
    return w;
}

// Rule tokens: words, numbers and parentheses.
std::vector<Token> RuleTokens(std::string_view s, int line) {
    std::vector<Token> t;
    std::string cur;
    auto flush = [&] {
        if (!cur.empty()) t.push_back({cur, line});
        cur.clear();
    };
    for (char c : s) {
        if (c == '(' || c == ')') {
            flush();
            t.push_back({std::string(1, c), line});
        } else if (IsSpace(c)) {
            flush();
        } else {
            cur += c;
        }
    }
    flush();
    return t;
}

const char* KindOf(const std::string& k) {
    if (k == "Trapezoid") return "Trapezoid";
    if (k == "Triangle") return "Triangle";
    if (k == "Rectangle") return "Rectangle";
    return nullptr;
}

// A Ramp is a shoulder: rising from start to end and constant beyond, or
// the mirror image when end lies left of start.
void Ramp(RawTerm& t) {
    if (t.params.size() != 2 && t.params.size() != 3) {
        Fail(t.line, Fmt(Tr("Import", "Der Term %1 (Ramp) braucht zwei Zahlen (Anfang, Ende) und wahlweise eine Höhe."),
                         {Quoted(t.name)}));
    }
    const double start = t.params[0], end = t.params[1], h = t.params.size() == 3 ? t.params[2] : 1.0;
    if (start == end) {
        Fail(t.line, Fmt(Tr("Import", "Der Term %1 (Ramp) hat Anfang und Ende am selben Punkt."), {Quoted(t.name)}));
    }
    t.kind = start < end ? "RightShoulder" : "LeftShoulder";
    t.params = start < end ? std::vector<double>{start, end, h} : std::vector<double>{end, start, h};
}

}  // namespace

namespace {

void ReadFllInto(std::string_view text, RawEngine& e) {
    enum class Section { None, Engine, Input, Output, Rules } section = Section::None;
    RawVariable* var = nullptr;
    int lineNo = 0;
    bool sawEngine = false;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNo;
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos) {
            Provenance p;
            if (ParseProvenance(std::string_view(line).substr(hash + 1), p)) e.provenance.push_back(p);
            line.resize(hash);
        }
        line = Trim(line);
        if (line.empty()) continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            Fail(lineNo, Fmt(Tr("Import", "Erwartet wird „Schlüssel: Wert“, gefunden: %1."), {Quoted(line)}));
        }
        const std::string key = Trim(std::string_view(line).substr(0, colon));
        const std::string value = Trim(std::string_view(line).substr(colon + 1));
        const auto words = Words(value);

        if (key == "Engine") {
            section = Section::Engine;
            sawEngine = true;
            continue;
        }
        if (key == "InputVariable" || key == "OutputVariable") {
            const bool out = key == "OutputVariable";
            auto& list = out ? e.outputs : e.inputs;
            list.emplace_back();
            var = &list.back();
            var->name = value;
            var->output = out;
            var->line = lineNo;
            if (value.empty() || words.size() != 1) {
                Fail(lineNo, Fmt(Tr("Import", "Nach %1 wird ein Name erwartet."), {key}));
            }
            section = out ? Section::Output : Section::Input;
            continue;
        }
        if (key == "RuleBlock") {
            section = Section::Rules;
            var = nullptr;
            continue;
        }
        if (key == "description") continue;
        switch (section) {
        case Section::None: Fail(lineNo, Fmt(Tr("Import", "Erwartet wird „Engine:“, gefunden: %1."), {Quoted(key)}));
        case Section::Engine: break;  // nothing of the engine itself matters here
        case Section::Input:
        case Section::Output:
            if (key == "range") {
                if (words.size() != 2) Fail(lineNo, Tr("Import", "Der Bereich braucht zwei Zahlen."));
                const auto lo = ParseStored(words[0]), hi = ParseStored(words[1]);
                // -inf .. inf and the like: no range of its own.
                if (lo && hi) {
                    var->hasRange = true;
                    var->lo = *lo;
                    var->hi = *hi;
                    var->loText = words[0];
                    var->hiText = words[1];
                }
            } else if (key == "term") {
                if (words.size() < 2) Fail(lineNo, Tr("Import", "Ein Term braucht einen Namen und einen Typ."));
                RawTerm t;
                t.name = words[0];
                t.line = lineNo;
                const char* kind = KindOf(words[1]);
                t.kind = kind ? kind : words[1];
                if (kind || words[1] == "Ramp") {
                    for (std::size_t i = 2; i < words.size(); ++i) {
                        const auto d = ParseStored(words[i]);
                        if (!d) {
                            Fail(lineNo, Fmt(Tr("Import", "Im Term %1 ist %2 keine Zahl."),
                                             {Quoted(t.name), Quoted(words[i])}));
                        }
                        t.params.push_back(*d);
                    }
                }
                if (words[1] == "Ramp") Ramp(t);
                var->terms.push_back(t);
            } else if (key == "default") {
                var->defaultValue = ParseStored(value);
                if (!var->defaultValue && var->output && EqualsNoCase(value, "nan")) {
                    e.notes.push_back(Fmt(Tr("Importhinweis",
                                             "Feuert keine Regel, liefert %1 hier den "
                                             "Bereichsanfang, nicht %2 (keine Zahl) wie in der Datei."),
                                          {Quoted(var->name), Quoted(value)}));
                }
            } else if (key == "aggregation" && value != "UnboundedSum" && value != "none") {
                if (value == "Maximum") e.maxAggregationNote = e.notes.size();
                e.notes.push_back(Fmt(
                    Tr("Importhinweis", "Die Terme des Ausgangs werden hier summiert, nicht mit %1 zusammengefasst."),
                    {Quoted(value)}));
            } else if (key == "defuzzifier" && !words.empty() && words[0] != "Centroid") {
                e.notes.push_back(
                    Fmt(Tr("Importhinweis", "Der Ausgang wird hier mit dem Schwerpunkt berechnet, nicht mit %1."),
                        {Quoted(words[0])}));
            }
            break;
        case Section::Rules:
            if (key == "conjunction" && value != "Minimum" && value != "none") {
                if (EqualsNoCase(value, "Minimum")) {
                    Fail(lineNo, Fmt(Tr("Import",
                                        "FLL schreibt die Und-Verknüpfung %1 als %2 (Groß- und "
                                        "Kleinschreibung zählt)."),
                                     {Quoted(value), Quoted("Minimum")}));
                }
                Fail(lineNo,
                     Fmt(Tr("Import", "Die Und-Verknüpfung ist %1; dieses Programm rechnet „and“ mit dem Minimum."),
                         {Quoted(value)}));
            } else if (key == "disjunction" && value != "Maximum" && value != "none") {
                e.orIsMax = false;
                e.orLine = lineNo;
            } else if (key == "implication" && value != "AlgebraicProduct" && value != "none") {
                if (value == "Minimum") e.minImplicationNote = e.notes.size();
                e.notes.push_back(
                    Fmt(Tr("Importhinweis", "Die Implikation %1 wird hier als Produkt gerechnet."), {Quoted(value)}));
            } else if (key == "rule") {
                e.rules.push_back(ParseRuleText(RuleTokens(value, lineNo), lineNo));
            }
            break;
        }
    }
    if (!sawEngine && e.inputs.empty()) Fail(0, Tr("Import", "Das ist keine FLL-Datei: „Engine:“ fehlt."));
}

}  // namespace

RawEngine ReadFll(std::string_view text) {
    RawEngine e;
    try {
        ReadFllInto(text, e);
    } catch (const ImportError& x) {
        e.stopped = std::make_pair(x.Line(), std::string(x.what()));
    }
    return e;
}

}  // namespace exchange::detail
