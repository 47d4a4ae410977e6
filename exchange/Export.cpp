#include "exchange/Detail.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

namespace exchange {

namespace {

using detail::Fmt;
using detail::Num;
using detail::Provenance;
using detail::Tr;
using fuzzy::TFuzzy;

std::string Figure(double v) {
    if (std::isinf(v)) return Tr("Exportkommentar", "unbeschränkt");
    return detail::Figure(v);
}

// The names in the other format, made once for all three writers.
struct Names {
    std::string engine;
    std::array<std::string, 3> var;  // A, B, Out
    std::array<std::array<std::string, fuzzy::MaxTerms>, 3> term{};
};

struct Model {
    const TFuzzy& A;
    const TFuzzy& B;
    const TFuzzy& Out;
    const fuzzy::RuleTable& Rules;
    std::string quelle;
    Names names;

    bool TwoInputs() const { return B.Defined; }
    std::array<const TFuzzy*, 3> Vars() const { return {&A, &B, &Out}; }

    // The cells (A term i, B term j) whose rule drives output term k.
    std::vector<std::pair<int, int>> CellsOf(int k) const {
        std::vector<std::pair<int, int>> cells;
        const int rows = TwoInputs() ? B.UsedTerms() : 1;
        for (int j = 1; j <= rows; ++j) {
            for (int i = 1; i <= A.UsedTerms(); ++i) {
                if (Rules.Get(j, i) == k) cells.emplace_back(i, j);
            }
        }
        return cells;
    }

    std::string Condition(int i, int j) const {
        std::string s = names.var[0] + " is " + names.term[0][static_cast<std::size_t>(i - 1)];
        if (TwoInputs()) s += " and " + names.var[1] + " is " + names.term[1][static_cast<std::size_t>(j - 1)];
        return s;
    }

    // "if (A is x and B is y) or (...) then Out is k" for output term k.
    std::string OredRule(int k) const {
        const auto cells = CellsOf(k);
        std::string s = "if ";
        for (std::size_t n = 0; n < cells.size(); ++n) {
            if (n > 0) s += " or ";
            const bool paren = TwoInputs() && cells.size() > 1;
            s += (paren ? "(" : "") + Condition(cells[n].first, cells[n].second) + (paren ? ")" : "");
        }
        return s + " then " + names.var[2] + " is " + names.term[2][static_cast<std::size_t>(k - 1)];
    }

    std::vector<Provenance> VariableProvenance(int v, bool withRange) const {
        const TFuzzy& var = *Vars()[static_cast<std::size_t>(v)];
        Provenance p;
        p.key = names.var[static_cast<std::size_t>(v)];
        p.name = var.Name;
        p.hasRange = withRange;
        p.lo = var.RangeMin;
        p.hi = var.RangeMax;
        return {p};
    }

    Provenance TermProvenance(int v, int i) const {
        const TFuzzy& var = *Vars()[static_cast<std::size_t>(v)];
        Provenance p;
        p.key = names.var[static_cast<std::size_t>(v)] + "." +
                names.term[static_cast<std::size_t>(v)][static_cast<std::size_t>(i - 1)];
        p.name = var.GetTermName(i);
        // Only the output's heights are lost in the formats: its terms go out
        // with height 1, since the activation takes the height's place.
        if (v == 2) {
            p.hasHeight = true;
            p.height = var.GetParam(i, fuzzy::ParamH);
        }
        return p;
    }
};

std::string Stem(const std::string& path) {
    std::string s = path;
    const std::size_t slash = s.find_last_of("/\\");
    if (slash != std::string::npos) s = s.substr(slash + 1);
    const std::size_t dot = s.rfind('.');
    if (dot != std::string::npos && dot > 0) s.resize(dot);
    return s;
}

Names MakeNames(const Model& m) {
    Names n;
    n.engine = detail::MakeIdentifier(Stem(m.quelle), "projekt");
    std::set<std::string> usedVars;
    constexpr std::array<const char*, 3> fallback = {"eingang_a", "eingang_b", "ausgang"};
    const auto vars = m.Vars();
    for (std::size_t v = 0; v < 3; ++v) {
        if (!vars[v]->Defined) continue;
        n.var[v] = detail::UniqueIdentifier(vars[v]->Name, fallback[v], usedVars);
        std::set<std::string> usedTerms;
        for (int i = 1; i <= vars[v]->UsedTerms(); ++i) {
            n.term[v][static_cast<std::size_t>(i - 1)] =
                detail::UniqueIdentifier(vars[v]->GetTermName(i), "term" + std::to_string(i), usedTerms);
        }
    }
    return n;
}

// Comment lines, each prefixed with the format's marker.
class Comments {
public:
    explicit Comments(std::string marker) : marker_(std::move(marker)) {}
    // A paragraph: the pattern's line breaks are its lines (each language
    // wraps its own sentences); %1 ... are the arguments.
    void Add(std::string_view pattern, std::initializer_list<std::string_view> args = {}) {
        for (std::size_t start = 0;;) {
            const std::size_t end = pattern.find('\n', start);
            std::string line =
                Fmt(pattern.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start), args);
            // A line break in a name would end the comment and spill the rest into the engine.
            for (char& ch : line) {
                if (ch == '\n' || ch == '\r') ch = ' ';
            }
            lines_.push_back(std::move(line));
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
    }
    std::string Text() const {
        std::string s;
        for (const auto& l : lines_) s += marker_ + (l.empty() ? "" : " " + l) + "\n";
        return s;
    }
    std::string Provenance(const detail::Provenance& p) const { return detail::ProvenanceLine(marker_, p) + "\n"; }

private:
    std::string marker_;
    std::vector<std::string> lines_;
};

void CommonHeader(const Model& m, Comments& c, const char* format) {
    c.Add(Tr("Exportkommentar",
             "Fuzzy-Projekt %1 als %2, geschrieben von fuzzysim.\n"
             "Namen sind zu gültigen Bezeichnern gemacht; die Namen im Projekt stehen in den\n"
             "Zeilen \"fuzzysim: ...\", die der Import wieder liest."),
          {detail::Quoted(m.quelle), format});
}

void GridComment(const Model& m, const detail::OutputGrid& g, Comments& c) {
    if (g.widened) {
        c.Add(Tr("Exportkommentar",
                 "Der Ausgangsbereich ist auf %1 bis %2 erweitert (im Projekt %3 bis %4),\n"
                 "damit der Schwerpunkt die Terme ganz und auf einem passenden Raster integriert."),
              {g.loText, g.hiText, Num(m.Out.RangeMin), Num(m.Out.RangeMax)});
    }
    // Only an aligned grid samples exactly; otherwise the file names the bound it reaches.
    const bool exact = g.aligned && g.bound <= 1e-9 * std::fabs(g.hi - g.lo);
    const std::string cells = std::to_string(g.resolution);
    if (exact) {
        c.Add(Tr("Exportkommentar",
                 "Schwerpunkt mit %1 Abtastzellen, alle Ecken liegen auf dem Raster: die Abtastung ist exakt."),
              {cells});
    } else if (std::isfinite(g.bound) && g.aligned) {
        c.Add(Tr("Exportkommentar",
                 "Schwerpunkt mit %1 Abtastzellen, alle Ecken liegen auf dem Raster; die "
                 "Abtastung verschiebt den Schwerpunkt höchstens um %2."),
              {cells, Figure(g.bound)});
    } else if (std::isfinite(g.bound)) {
        c.Add(Tr("Exportkommentar",
                 "Schwerpunkt mit %1 Abtastzellen; die Abtastung verschiebt den Schwerpunkt höchstens um %2."),
              {cells, Figure(g.bound)});
    } else if (g.aligned) {
        c.Add(Tr("Exportkommentar",
                 "Schwerpunkt mit %1 Abtastzellen, alle Ecken liegen auf dem Raster; ein Term ist "
                 "schmaler als eine Zelle, der Fehler der Abtastung ist nicht beschränkt."),
              {cells});
    } else {
        c.Add(Tr("Exportkommentar",
                 "Schwerpunkt mit %1 Abtastzellen; ein Term ist schmaler als eine Zelle, der "
                 "Fehler der Abtastung ist nicht beschränkt."),
              {cells});
    }
    if (!g.aligned) {
        c.Add(Tr("Exportkommentar",
                 "Kein Raster aus höchstens %1 Zellen trägt alle Ecken; die Abtastung ist daher nicht exakt."),
              {std::to_string(g.maxCells)});
    }
}

// ---- FLL ---------------------------------------------------------------------

std::string WriteFll(const Model& m) {
    const detail::OutputGrid g = detail::ChooseGrid(m.Out, 0);
    Comments c("#");
    CommonHeader(m, c, "FLL");
    c.Add(Tr("Exportkommentar",
             "Wie dieses Programm: Minimum für \"und\", je Ausgangsterm eine Regel, die ihre\n"
             "Regelzellen mit Maximum verodert (exakt), Produkt-Implikation, unbeschränkte Summe\n"
             "der skalierten Terme, Schwerpunkt; feuert keine Regel, gilt der Bereichsanfang (default)."));
    c.Add(Tr("Exportkommentar",
             "Terme der Eingänge, deren Höhe nicht 1 ist, tragen sie als Höhenparameter des Trapezes."));
    GridComment(m, g, c);
    std::ostringstream o;
    o << c.Text() << "Engine: " << m.names.engine << '\n';
    const auto vars = m.Vars();
    for (int v = 0; v < 3; ++v) {
        const TFuzzy& var = *vars[static_cast<std::size_t>(v)];
        if (!var.Defined) continue;
        const bool out = v == 2;
        for (const auto& p : m.VariableProvenance(v, true)) o << c.Provenance(p);
        o << (out ? "OutputVariable: " : "InputVariable: ") << m.names.var[static_cast<std::size_t>(v)] << '\n';
        o << "  enabled: true\n";
        o << "  range: " << (out ? g.loText : Num(var.RangeMin)) << ' ' << (out ? g.hiText : Num(var.RangeMax)) << '\n';
        o << "  lock-range: false\n";
        if (out) {
            o << "  aggregation: UnboundedSum\n";
            o << "  defuzzifier: Centroid " << g.resolution << '\n';
            o << "  default: " << Num(var.RangeMin) << '\n';
            o << "  lock-previous: false\n";
        }
        for (int i = 1; i <= var.UsedTerms(); ++i) {
            o << c.Provenance(m.TermProvenance(v, i));
            o << "  term: " << m.names.term[static_cast<std::size_t>(v)][static_cast<std::size_t>(i - 1)]
              << " Trapezoid";
            for (int j = 1; j <= 4; ++j) o << ' ' << Num(var.GetParam(i, j));
            if (!out && var.GetParam(i, fuzzy::ParamH) != 1.0f) o << ' ' << Num(var.GetParam(i, fuzzy::ParamH));
            o << '\n';
        }
    }
    o << "RuleBlock: regeln\n"
         "  enabled: true\n"
         "  conjunction: Minimum\n"
         "  disjunction: Maximum\n"
         "  implication: AlgebraicProduct\n"
         "  activation: General\n";
    for (int k = 1; k <= m.Out.UsedTerms(); ++k) {
        if (!m.CellsOf(k).empty()) o << "  rule: " << m.OredRule(k) << '\n';
    }
    return o.str();
}

// ---- FIS ---------------------------------------------------------------------

std::string WriteFis(const Model& m) {
    const detail::OutputGrid g = detail::ChooseGrid(m.Out, 100);
    const detail::Deviation dev = detail::CellRuleDeviation(m.Rules, m.A, m.B, m.Out, detail::kFisAggregation, g);
    Comments c("%");
    CommonHeader(m, c, "FIS");
    c.Add(Tr("Exportkommentar",
             "FIS kann Regelzellen nicht in einer Regel verodern: jede Zelle ist eine Regel,\n"
             "zusammengefasst mit dem Maximum (AggMethod). Das ist exakt, solange sich die\n"
             "Ausgangsterme nicht überlappen; gemessen auf 41 Werten je Eingang über deren Bereich\n"
             "weicht der Schwerpunkt hier höchstens um %1 ab, mit der Abtastung\n"
             "in %2 Zellen (wie fuzzylite) höchstens um %3."),
          {Figure(dev.exact), std::to_string(g.resolution), Figure(dev.sampled)});
    c.Add(Tr("Exportkommentar",
             "Feuert keine Regel, liefert dieses Programm den Bereichsanfang %1; FIS hat dafür keinen Eintrag."),
          {Num(m.Out.RangeMin)});
    c.Add(Tr("Exportkommentar",
             "Terme der Eingänge, deren Höhe nicht 1 ist, tragen sie als fünften Wert von trapmf "
             "(fuzzylite liest ihn,\n"
             "die Toolbox erwartet vier)."));
    GridComment(m, g, c);
    std::ostringstream o;
    o << c.Text();
    int ruleCount = 0;
    for (int k = 1; k <= m.Out.UsedTerms(); ++k) ruleCount += static_cast<int>(m.CellsOf(k).size());
    o << "[System]\n"
      << "Name='" << m.names.engine << "'\n"
      << "Type='mamdani'\n"
      << "Version=2.0\n"
      << "NumInputs=" << (m.TwoInputs() ? 2 : 1) << '\n'
      << "NumOutputs=1\n"
      << "NumRules=" << ruleCount << '\n'
      << "AndMethod='min'\n"
      << "OrMethod='max'\n"
      << "ImpMethod='prod'\n"
      << "AggMethod='" << (detail::kFisAggregation == detail::CellAggregation::Max ? "max" : "sum") << "'\n"
      << "DefuzzMethod='centroid'\n";
    const auto vars = m.Vars();
    int inputNo = 0;
    for (int v = 0; v < 3; ++v) {
        const TFuzzy& var = *vars[static_cast<std::size_t>(v)];
        if (!var.Defined) continue;
        const bool out = v == 2;
        o << '\n' << (out ? "[Output1]" : "[Input" + std::to_string(++inputNo) + "]") << '\n';
        for (const auto& p : m.VariableProvenance(v, true)) o << c.Provenance(p);
        o << "Name='" << m.names.var[static_cast<std::size_t>(v)] << "'\n";
        o << "Range=[" << (out ? g.loText : Num(var.RangeMin)) << ' ' << (out ? g.hiText : Num(var.RangeMax)) << "]\n";
        o << "NumMFs=" << var.UsedTerms() << '\n';
        for (int i = 1; i <= var.UsedTerms(); ++i) {
            o << c.Provenance(m.TermProvenance(v, i));
            o << "MF" << i << "='" << m.names.term[static_cast<std::size_t>(v)][static_cast<std::size_t>(i - 1)]
              << "':'trapmf',[";
            for (int j = 1; j <= 4; ++j) o << (j > 1 ? " " : "") << Num(var.GetParam(i, j));
            if (!out && var.GetParam(i, fuzzy::ParamH) != 1.0f) o << ' ' << Num(var.GetParam(i, fuzzy::ParamH));
            o << "]\n";
        }
    }
    o << "\n[Rules]\n";
    const int rows = m.TwoInputs() ? m.B.UsedTerms() : 1;
    for (int j = 1; j <= rows; ++j) {
        for (int i = 1; i <= m.A.UsedTerms(); ++i) {
            const int k = m.Rules.Get(j, i);
            if (k <= 0 || k > m.Out.UsedTerms()) continue;
            o << i;
            if (m.TwoInputs()) o << ' ' << j;
            o << ", " << k << " (1) : 1\n";
        }
    }
    return o.str();
}

// ---- FCL ---------------------------------------------------------------------

std::string Points(const TFuzzy& var, int i, bool out) {
    const std::string h = out ? "1" : Num(var.GetParam(i, fuzzy::ParamH));
    return "(" + Num(var.GetParam(i, 1)) + ", 0) (" + Num(var.GetParam(i, 2)) + ", " + h + ") (" +
           Num(var.GetParam(i, 3)) + ", " + h + ") (" + Num(var.GetParam(i, 4)) + ", 0)";
}

std::string WriteFcl(const Model& m) {
    const detail::OutputGrid g = detail::ChooseGrid(m.Out, 100);
    Comments c("//");
    CommonHeader(m, c, "FCL (IEC 61131-7)");
    const detail::Deviation dev = detail::CappedSumDeviation(m.Rules, m.A, m.B, m.Out, g);
    c.Add(Tr("Exportkommentar",
             "Wie dieses Programm: Minimum für \"und\", je Ausgangsterm eine Regel, die ihre\n"
             "Regelzellen mit Maximum verodert (exakt), Produkt-Implikation (ACT PROD), Schwerpunkt.\n"
             "ACCU NSUM ist die normierte Summe der Norm: sie teilt die Summe der skalierten Terme\n"
             "durch ein gemeinsames Maximum und lässt so den Schwerpunkt der unbeschränkten\n"
             "Summe unverändert. fuzzylite liest NSUM Punkt für Punkt (bei 1 abgeschnitten);\n"
             "dort weicht der Schwerpunkt auf 41 Werten je Eingang höchstens um %1 ab (ohne Abtastung %2)."),
          {Figure(dev.sampled), Figure(dev.exact)});
    c.Add(Tr("Exportkommentar",
             "ACCU steht im DEFUZZIFY-Block, wo fuzzylite es liest (die Norm nennt es im RULEBLOCK)."));
    c.Add(Tr("Exportkommentar", "Feuert keine Regel, gilt DEFAULT, der Bereichsanfang des Projekts."));
    c.Add(Tr("Exportkommentar", "Terme sind Punktlisten; die Höhe eines Eingangsterms steht in seinen Punkten."));
    GridComment(m, g, c);
    std::ostringstream o;
    o << c.Text() << "FUNCTION_BLOCK " << m.names.engine << "\n\nVAR_INPUT\n";
    o << "  " << m.names.var[0] << " : REAL;\n";
    if (m.TwoInputs()) o << "  " << m.names.var[1] << " : REAL;\n";
    o << "END_VAR\n\nVAR_OUTPUT\n  " << m.names.var[2] << " : REAL;\nEND_VAR\n";
    const auto vars = m.Vars();
    for (int v = 0; v < 3; ++v) {
        const TFuzzy& var = *vars[static_cast<std::size_t>(v)];
        if (!var.Defined) continue;
        const bool out = v == 2;
        o << '\n';
        for (const auto& p : m.VariableProvenance(v, true)) o << c.Provenance(p);
        o << (out ? "DEFUZZIFY " : "FUZZIFY ") << m.names.var[static_cast<std::size_t>(v)] << '\n';
        o << "  RANGE := (" << (out ? g.loText : Num(var.RangeMin)) << " .. " << (out ? g.hiText : Num(var.RangeMax))
          << ");\n";
        for (int i = 1; i <= var.UsedTerms(); ++i) {
            o << c.Provenance(m.TermProvenance(v, i));
            o << "  TERM " << m.names.term[static_cast<std::size_t>(v)][static_cast<std::size_t>(i - 1)]
              << " := " << Points(var, i, out) << ";\n";
        }
        if (out) {
            o << "  METHOD : COG;\n";
            o << "  ACCU : NSUM;\n";
            o << "  DEFAULT := " << Num(var.RangeMin) << ";\n";
            o << "END_DEFUZZIFY\n";
        } else {
            o << "END_FUZZIFY\n";
        }
    }
    o << "\nRULEBLOCK regeln\n  AND : MIN;\n  OR : MAX;\n  ACT : PROD;\n";
    int n = 0;
    for (int k = 1; k <= m.Out.UsedTerms(); ++k) {
        if (!m.CellsOf(k).empty()) o << "  RULE " << ++n << " : " << m.OredRule(k) << ";\n";
    }
    o << "END_RULEBLOCK\n\nEND_FUNCTION_BLOCK\n";
    return o.str();
}

}  // namespace

void detail::CheckExportable(const TFuzzy& A, const TFuzzy& B, const TFuzzy& Out) {
    if (!A.Defined || A.UsedTerms() == 0) {
        throw ExportError(
            Tr("Exportfehler", "Das Projekt hat keinen Eingang A mit Termen; es lässt sich nicht exportieren."));
    }
    if (!Out.Defined || Out.UsedTerms() == 0) {
        throw ExportError(
            Tr("Exportfehler", "Das Projekt hat keinen Ausgang mit Termen; es lässt sich nicht exportieren."));
    }
    for (const TFuzzy* v : {&A, &B, &Out}) {
        if (!v->Defined) continue;
        bool finite = std::isfinite(v->RangeMin) && std::isfinite(v->RangeMax);
        for (int i = 1; i <= v->UsedTerms(); ++i) {
            for (int j = 1; j <= 5; ++j) finite = finite && std::isfinite(v->GetParam(i, j));
        }
        if (!finite) {
            throw ExportError(Fmt(Tr("Exportfehler",
                                     "Die Variable %1 enthält eine Zahl, die keine endliche Zahl "
                                     "ist; das Projekt lässt sich nicht exportieren."),
                                  {detail::Quoted(v->Name)}));
        }
    }
}

std::string Export(Format f, const TFuzzy& A, const TFuzzy& B, const TFuzzy& Out, const fuzzy::RuleTable& Rules,
                   const std::string& quelle) {
    detail::CheckExportable(A, B, Out);
    Model m{A, B, Out, Rules, quelle, {}};
    m.names = MakeNames(m);
    switch (f) {
    case Format::Fll: return WriteFll(m);
    case Format::Fis: return WriteFis(m);
    case Format::Fcl: return WriteFcl(m);
    }
    return {};
}

}  // namespace exchange
