// Reader of fuzzylite's FLL: "key: value" lines, sections opened by Engine,
// InputVariable, OutputVariable and RuleBlock; '#' starts a comment.
#include "Detail.h"

#include <cctype>

namespace exchange::detail {

namespace {

[[noreturn]] void Fail(int line, const std::string& message) { throw ImportError(message, line); }

std::vector<std::string> Words(std::string_view s) {
    std::vector<std::string> w;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
        const std::size_t b = i;
        while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i]))) ++i;
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
        } else if (std::isspace(static_cast<unsigned char>(c))) {
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
        Fail(t.line, "Der Term " + Quoted(t.name) +
                         " (Ramp) braucht zwei Zahlen (Anfang, Ende) und wahlweise eine H\xC3\xB6he.");
    }
    const double start = t.params[0], end = t.params[1], h = t.params.size() == 3 ? t.params[2] : 1.0;
    if (start == end) Fail(t.line, "Der Term " + Quoted(t.name) + " (Ramp) hat Anfang und Ende am selben Punkt.");
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
            Fail(lineNo,
                 "Erwartet wird \xE2\x80\x9ESchl\xC3\xBCssel: Wert\xE2\x80\x9C, gefunden: " + Quoted(line) + ".");
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
            if (value.empty() || words.size() != 1) Fail(lineNo, "Nach " + key + " wird ein Name erwartet.");
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
        case Section::None:
            Fail(lineNo,
                 "Erwartet wird \xE2\x80\x9E"
                 "Engine:\xE2\x80\x9C, gefunden: " +
                     Quoted(key) + ".");
        case Section::Engine: break;  // nothing of the engine itself matters here
        case Section::Input:
        case Section::Output:
            if (key == "range") {
                if (words.size() != 2) Fail(lineNo, "Der Bereich braucht zwei Zahlen.");
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
                if (words.size() < 2) Fail(lineNo, "Ein Term braucht einen Namen und einen Typ.");
                RawTerm t;
                t.name = words[0];
                t.line = lineNo;
                const char* kind = KindOf(words[1]);
                t.kind = kind ? kind : words[1];
                if (kind || words[1] == "Ramp") {
                    for (std::size_t i = 2; i < words.size(); ++i) {
                        const auto d = ParseStored(words[i]);
                        if (!d) Fail(lineNo, "Im Term " + Quoted(t.name) + " ist " + Quoted(words[i]) + " keine Zahl.");
                        t.params.push_back(*d);
                    }
                }
                if (words[1] == "Ramp") Ramp(t);
                var->terms.push_back(t);
            } else if (key == "default") {
                var->defaultValue = ParseStored(value);
                if (!var->defaultValue && var->output && EqualsNoCase(value, "nan")) {
                    e.notes.push_back("Feuert keine Regel, liefert " + Quoted(var->name) +
                                      " hier den Bereichsanfang, nicht " + Quoted(value) +
                                      " (keine Zahl) wie in der Datei.");
                }
            } else if (key == "aggregation" && value != "UnboundedSum" && value != "none") {
                if (value == "Maximum") e.maxAggregationNote = e.notes.size();
                e.notes.push_back("Die Terme des Ausgangs werden hier summiert, nicht mit " + Quoted(value) +
                                  " zusammengefasst.");
            } else if (key == "defuzzifier" && !words.empty() && words[0] != "Centroid") {
                e.notes.push_back("Der Ausgang wird hier mit dem Schwerpunkt berechnet, nicht mit " + Quoted(words[0]) +
                                  ".");
            }
            break;
        case Section::Rules:
            if (key == "conjunction" && value != "Minimum" && value != "none") {
                if (EqualsNoCase(value, "Minimum")) {
                    Fail(lineNo, "FLL schreibt die Und-Verkn\xC3\xBCpfung " + Quoted(value) + " als " +
                                     Quoted("Minimum") + " (Gro\xC3\x9F- und Kleinschreibung z\xC3\xA4hlt).");
                }
                Fail(lineNo, "Die Und-Verkn\xC3\xBCpfung ist " + Quoted(value) +
                                 "; dieses Programm rechnet \xE2\x80\x9E"
                                 "and\xE2\x80\x9C mit dem Minimum.");
            } else if (key == "disjunction" && value != "Maximum" && value != "none") {
                e.orIsMax = false;
                e.orLine = lineNo;
            } else if (key == "implication" && value != "AlgebraicProduct" && value != "none") {
                if (value == "Minimum") e.minImplicationNote = e.notes.size();
                e.notes.push_back("Die Implikation " + Quoted(value) + " wird hier als Produkt gerechnet.");
            } else if (key == "rule") {
                e.rules.push_back(ParseRuleText(RuleTokens(value, lineNo), lineNo));
            }
            break;
        }
    }
    if (!sawEngine && e.inputs.empty())
        Fail(0,
             "Das ist keine FLL-Datei: \xE2\x80\x9E"
             "Engine:\xE2\x80\x9C fehlt.");
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
