// Reader of FIS files: [System], [InputN], [OutputN] and [Rules] sections of
// "Key=value" lines; '%' or '#' at the start of a line begins a comment.
#include "exchange/Detail.h"

#include <cctype>
#include <cmath>

namespace exchange::detail {

namespace {

[[noreturn]] void Fail(int line, const std::string& message) { throw ImportError(message, line); }

// 'text' without its quotes.
std::string Unquote(const std::string& s) {
    const std::string t = Trim(s);
    if (t.size() >= 2 && t.front() == '\'' && t.back() == '\'') return t.substr(1, t.size() - 2);
    return t;
}

// Where a list of numbers stands, for the refusals: `noNumber` with %1 the
// word that is no number and %2 `name`; `noList` with %1 `name`.
struct ListPlace {
    const char* noNumber;
    const char* noList;
    std::string name;
};

ListPlace RulePlace() { return {Tr("Import", "In der Regel ist %1 keine Zahl."), "", {}}; }

ListPlace RangePlace() {
    return {Tr("Import", "In den Bereich ist %1 keine Zahl."),
            Tr("Import", "Erwartet wird eine Zahlenliste in eckigen Klammern für den Bereich."),
            {}};
}

ListPlace TermPlace(const std::string& term) {
    return {Tr("Import", "In den Term %2 ist %1 keine Zahl."),
            Tr("Import", "Erwartet wird eine Zahlenliste in eckigen Klammern für den Term %1."), Quoted(term)};
}

// The numbers of a list. Values a project stores read as their nearest
// single; counts and term numbers (`stored` false) as they are written, so
// that 4294967297 is not taken for 4294967296.
std::vector<double> Numbers(std::string_view s, int line, const ListPlace& where, bool stored = true) {
    std::vector<double> v;
    std::string cur;
    auto flush = [&] {
        if (cur.empty()) return;
        const auto d = stored ? ParseStored(cur) : ParseDouble(cur);
        if (!d) Fail(line, Fmt(where.noNumber, {Quoted(cur), where.name}));
        v.push_back(*d);
        cur.clear();
    };
    for (char c : s) {
        if (IsSpace(c) || c == ',') {
            flush();
        } else {
            cur += c;
        }
    }
    flush();
    return v;
}

// "[a b c d]" -> numbers.
std::vector<double> Bracketed(const std::string& s, int line, const ListPlace& where) {
    const std::size_t open = s.find('['), close = s.rfind(']');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        Fail(line, Fmt(where.noList, {where.name}));
    }
    return Numbers(std::string_view(s).substr(open + 1, close - open - 1), line, where);
}

// %1: the aggregation the file names.
const char* MaxScaledNote() {
    return Tr("Importhinweis",
              "Die Terme des Ausgangs werden hier je Term mit dem Maximum seiner Regeln skaliert und "
              "summiert, nicht mit %1 zusammengefasst.");
}

const char* KindOf(const std::string& k) {
    if (k == "trapmf") return "Trapezoid";
    if (k == "trimf") return "Triangle";
    if (k == "rectmf") return "Rectangle";
    return nullptr;
}

// A term number of a rule as an index of the variable's terms. Checked as the
// number it is before it becomes an int: 4294967297 must not wrap to 1.
int TermNumber(double v, const RawVariable& var, int lineNo) {
    if (v > static_cast<double>(var.terms.size())) {
        Fail(lineNo, Fmt(var.terms.size() == 1 ? Tr("Import", "Die Regel nennt Term %1 von %2, der nur %3 Term hat.")
                                               : Tr("Import", "Die Regel nennt Term %1 von %2, der nur %3 Terme hat."),
                         {Num(v), Quoted(var.name), std::to_string(var.terms.size())}));
    }
    return static_cast<int>(v);
}

// A rule line "i j, k (w) : c".
RawRule ParseRule(const std::string& line, int lineNo, const std::vector<RawVariable>& inputs,
                  const RawVariable& output) {
    const std::size_t comma = line.find(','), paren = line.find('('), close = line.find(')'), colon = line.find(':');
    if (comma == std::string::npos || paren == std::string::npos || close == std::string::npos ||
        colon == std::string::npos || !(comma < paren && paren < close && close < colon)) {
        Fail(lineNo, Tr("Import", "Erwartet wird eine Regel der Form „1 2, 3 (1) : 1“."));
    }
    const ListPlace rule = RulePlace();
    const auto ins = Numbers(std::string_view(line).substr(0, comma), lineNo, rule, false);
    const auto outs = Numbers(std::string_view(line).substr(comma + 1, paren - comma - 1), lineNo, rule, false);
    const auto weight = Numbers(std::string_view(line).substr(paren + 1, close - paren - 1), lineNo, rule, false);
    const auto conn = Numbers(std::string_view(line).substr(colon + 1), lineNo, rule, false);
    if (ins.size() != inputs.size() || outs.size() != 1 || weight.size() != 1 || conn.size() != 1) {
        Fail(lineNo,
             Tr("Import", "Die Regel nennt nicht je Eingang und Ausgang eine Zahl, ein Gewicht und eine Verknüpfung."));
    }
    RawRule r;
    r.line = lineNo;
    std::vector<RawCondition> cell;
    for (std::size_t i = 0; i < ins.size(); ++i) {
        const double v = ins[i];
        if (v < 0) Fail(lineNo, Tr("Import", "Verneinung (negative Termnummer) gibt es in diesem Programm nicht."));
        if (v != std::floor(v)) {
            Fail(lineNo, Fmt(Tr("Import", "Modifizierer (Termnummer %1) gibt es in diesem Programm nicht."), {Num(v)}));
        }
        if (v == 0) {
            Fail(lineNo, Tr("Import",
                            "Die Regel nennt nicht jeden Eingang; hier nennt jede Regel je Eingang genau "
                            "einen Term."));
        }
        RawCondition c;
        c.variableIndex = static_cast<int>(i) + 1;
        c.termIndex = TermNumber(v, inputs[i], lineNo);
        cell.push_back(c);
    }
    const double k = outs[0];
    if (k < 0) Fail(lineNo, Tr("Import", "Verneinung (negative Termnummer) gibt es in diesem Programm nicht."));
    if (k == 0 || k != std::floor(k)) Fail(lineNo, Tr("Import", "Die Regel nennt keinen Ausgangsterm."));
    if (weight[0] != 1.0) {
        Fail(lineNo,
             Fmt(Tr("Import", "Regelgewicht %1: dieses Programm kennt nur Regeln mit Gewicht 1."), {Num(weight[0])}));
    }
    if (conn[0] == 2 && inputs.size() > 1) {
        Fail(lineNo, Tr("Import",
                        "Oder-Verknüpfung („or“) einzelner Bedingungen passt nicht: jede "
                        "Regelzelle nennt je Eingang einen Term, mit „and“ verbunden."));
    }
    r.cells.push_back(cell);
    r.consequent.variableIndex = 1;
    r.consequent.termIndex = TermNumber(k, output, lineNo);
    return r;
}

}  // namespace

namespace {

void ReadFisInto(std::string_view text, RawEngine& e) {
    enum class Section { None, System, Variable, Rules } section = Section::None;
    RawVariable* var = nullptr;
    int lineNo = 0;
    bool sawSystem = false;
    int maxAggregationLine = 0;
    std::vector<std::pair<std::string, int>> ruleLines;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNo;
        if (line.empty()) continue;
        if (line[0] == '%' || line[0] == '#') {
            Provenance p;
            if (ParseProvenance(std::string_view(line).substr(1), p)) e.provenance.push_back(p);
            continue;
        }
        if (line[0] == '[') {
            const std::string name =
                line.substr(1, line.find(']') == std::string::npos ? std::string::npos : line.find(']') - 1);
            if (name == "System") {
                section = Section::System;
                sawSystem = true;
            } else if (name.rfind("Input", 0) == 0 || name.rfind("Output", 0) == 0) {
                const bool out = name.rfind("Output", 0) == 0;
                auto& list = out ? e.outputs : e.inputs;
                list.emplace_back();
                var = &list.back();
                var->output = out;
                var->line = lineNo;
                var->name = name;
                section = Section::Variable;
            } else if (name == "Rules") {
                section = Section::Rules;
            } else {
                Fail(lineNo, Fmt(Tr("Import", "Unbekannter Abschnitt %1."), {Quoted(line)}));
            }
            continue;
        }
        if (section == Section::Rules) {
            ruleLines.emplace_back(line, lineNo);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            Fail(lineNo, Fmt(Tr("Import", "Erwartet wird „Schlüssel=Wert“, gefunden: %1."), {Quoted(line)}));
        }
        const std::string key = Trim(std::string_view(line).substr(0, eq));
        const std::string value = Trim(std::string_view(line).substr(eq + 1));
        if (section == Section::None) Fail(lineNo, Tr("Import", "Erwartet wird der Abschnitt „[System]“."));
        if (section == Section::System) {
            const std::string v = Unquote(value);
            if (key == "Type" && v != "mamdani") {
                Fail(lineNo,
                     Fmt(Tr("Import", "Der Typ %1 passt nicht: dieses Programm rechnet wie ein Mamdani-System."),
                         {Quoted(v)}));
            } else if (key == "AndMethod" && v != "min") {
                if (EqualsNoCase(v, "min")) {
                    Fail(lineNo, Fmt(Tr("Import",
                                        "Die Und-Verknüpfung heißt in FIS %1, nicht %2 (Groß- und "
                                        "Kleinschreibung zählt)."),
                                     {Quoted("min"), Quoted(v)}));
                }
                Fail(lineNo,
                     Fmt(Tr("Import", "Die Und-Verknüpfung ist %1; dieses Programm rechnet „and“ mit dem Minimum."),
                         {Quoted(v)}));
            } else if (key == "ImpMethod" && v != "prod") {
                if (v == "min") e.minImplicationNote = e.notes.size();
                e.notes.push_back(
                    Fmt(Tr("Importhinweis", "Die Implikation %1 wird hier als Produkt gerechnet."), {Quoted(v)}));
            } else if (key == "AggMethod" && v != "max" && v != "sum") {
                // max and sum both come close to this engine (each term scaled
                // by the largest of its rules, then summed); others do not.
                e.notes.push_back(Fmt(MaxScaledNote(), {Quoted(v)}));
            } else if (key == "AggMethod" && v == "max") {
                // Close to this engine (see above), but not the same; the
                // builder notes it with its figure unless this program wrote the file.
                maxAggregationLine = lineNo;
            } else if (key == "DefuzzMethod" && v != "centroid") {
                e.notes.push_back(
                    Fmt(Tr("Importhinweis", "Der Ausgang wird hier mit dem Schwerpunkt berechnet, nicht mit %1."),
                        {Quoted(v)}));
            }
            continue;
        }
        // A variable section.
        if (key == "Name") {
            var->name = Unquote(value);
        } else if (key == "Range") {
            const auto r = Bracketed(value, lineNo, RangePlace());
            if (r.size() != 2) Fail(lineNo, Tr("Import", "Der Bereich braucht zwei Zahlen."));
            var->hasRange = true;
            var->lo = r[0];
            var->hi = r[1];
        } else if (key.rfind("MF", 0) == 0) {
            // 'name':'kind',[params]
            const std::size_t sep = value.find("':'");
            const std::size_t kindEnd = sep == std::string::npos ? std::string::npos : value.find('\'', sep + 3);
            if (sep == std::string::npos || kindEnd == std::string::npos) {
                Fail(lineNo, Tr("Import", "Erwartet wird ein Term der Form „'name':'trapmf',[a b c d]“."));
            }
            RawTerm t;
            t.name = Unquote(value.substr(0, sep + 1));
            const std::string kind = value.substr(sep + 3, kindEnd - sep - 3);
            t.line = lineNo;
            const char* k = KindOf(kind);
            t.kind = k ? k : kind;
            if (k) t.params = Bracketed(value.substr(kindEnd), lineNo, TermPlace(t.name));
            var->terms.push_back(t);
        }
    }
    if (maxAggregationLine > 0 && e.provenance.empty()) {
        e.maxAggregationNote = e.notes.size();
        e.notes.push_back(Fmt(MaxScaledNote(), {Quoted("max")}));
    }
    if (!sawSystem) Fail(0, Tr("Import", "Das ist keine FIS-Datei: der Abschnitt „[System]“ fehlt."));
    if (e.inputs.size() <= 2 && e.outputs.size() == 1) {
        for (const auto& [line, no] : ruleLines) e.rules.push_back(ParseRule(line, no, e.inputs, e.outputs[0]));
    }
}

}  // namespace

RawEngine ReadFis(std::string_view text) {
    RawEngine e;
    try {
        ReadFisInto(text, e);
    } catch (const ImportError& x) {
        e.stopped = std::make_pair(x.Line(), std::string(x.what()));
    }
    return e;
}

}  // namespace exchange::detail
