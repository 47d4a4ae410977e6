#include "exchange/Detail.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <locale>
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

// The names in the other format, made once for all three writers, and the
// file the project came from.
struct Names {
    std::string source;
    std::string engine;
    std::array<std::string, 3> var;  // A, B, Out
    std::array<std::array<std::string, fuzzy::MaxTerms>, 3> term{};
};

bool TwoInputs(const fuzzy::Project& p) { return p.B.Defined; }
std::array<const TFuzzy*, 3> Vars(const fuzzy::Project& p) { return {&p.A, &p.B, &p.Out}; }

const std::string& TermName(const Names& n, int v, int i) {
    return n.term[static_cast<std::size_t>(v)][static_cast<std::size_t>(i - 1)];
}

// The cells (A term i, B term j) whose rule drives output term k.
std::vector<std::pair<int, int>> CellsOf(const fuzzy::Project& p, int k) {
    std::vector<std::pair<int, int>> cells;
    const int rows = TwoInputs(p) ? p.B.UsedTerms() : 1;
    for (int j = 1; j <= rows; ++j) {
        for (int i = 1; i <= p.A.UsedTerms(); ++i) {
            if (p.Rules.Get(j, i) == k) cells.emplace_back(i, j);
        }
    }
    return cells;
}

std::string Condition(const fuzzy::Project& p, const Names& n, int i, int j) {
    std::string s = n.var[0] + " is " + TermName(n, 0, i);
    if (TwoInputs(p)) s += " and " + n.var[1] + " is " + TermName(n, 1, j);
    return s;
}

// "if (A is x and B is y) or (...) then Out is k" for output term k.
std::string OredRule(const fuzzy::Project& p, const Names& n, int k) {
    const auto cells = CellsOf(p, k);
    std::string s = "if ";
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) s += " or ";
        const bool paren = TwoInputs(p) && cells.size() > 1;
        s += (paren ? "(" : "") + Condition(p, n, cells[c].first, cells[c].second) + (paren ? ")" : "");
    }
    return s + " then " + n.var[2] + " is " + TermName(n, 2, k);
}

Provenance VariableProvenance(const fuzzy::Project& p, const Names& n, int v) {
    const TFuzzy& var = *Vars(p)[static_cast<std::size_t>(v)];
    Provenance r;
    r.key = n.var[static_cast<std::size_t>(v)];
    r.name = var.Name;
    r.hasRange = true;
    r.lo = var.RangeMin;
    r.hi = var.RangeMax;
    return r;
}

Provenance TermProvenance(const fuzzy::Project& p, const Names& n, int v, int i) {
    const TFuzzy& var = *Vars(p)[static_cast<std::size_t>(v)];
    Provenance r;
    r.key = n.var[static_cast<std::size_t>(v)] + "." + TermName(n, v, i);
    r.name = var.GetTermName(i);
    // Only the output's heights are lost in the formats: its terms go out
    // with height 1, since the activation takes the height's place.
    if (v == 2) {
        r.hasHeight = true;
        r.height = var.GetParam(i, fuzzy::ParamH);
    }
    return r;
}

std::string Stem(const std::string& path) {
    std::string s = path;
    const std::size_t slash = s.find_last_of("/\\");
    if (slash != std::string::npos) s = s.substr(slash + 1);
    const std::size_t dot = s.rfind('.');
    if (dot != std::string::npos && dot > 0) s.resize(dot);
    return s;
}

Names MakeNames(const fuzzy::Project& p, const std::string& source) {
    Names n;
    n.source = source;
    n.engine = detail::MakeIdentifier(Stem(source), "projekt");
    std::set<std::string> usedVars;
    constexpr std::array<const char*, 3> fallback = {"eingang_a", "eingang_b", "ausgang"};
    const auto vars = Vars(p);
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

void CommonHeader(const Names& n, Comments& c, const char* format) {
    c.Add(Tr("Exportkommentar",
             "Fuzzy-Projekt %1 als %2, geschrieben von fuzzysim.\n"
             "Namen sind zu gültigen Bezeichnern gemacht; die Namen im Projekt stehen in den\n"
             "Zeilen \"fuzzysim: ...\", die der Import wieder liest."),
          {detail::Quoted(n.source), format});
}

void GridComment(const fuzzy::Project& p, const detail::OutputGrid& g, Comments& c) {
    if (g.widened) {
        c.Add(Tr("Exportkommentar",
                 "Der Ausgangsbereich ist auf %1 bis %2 erweitert (im Projekt %3 bis %4),\n"
                 "damit der Schwerpunkt die Terme ganz und auf einem passenden Raster integriert."),
              {g.loText, g.hiText, Num(p.Out.RangeMin), Num(p.Out.RangeMax)});
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

std::string WriteFll(const fuzzy::Project& p, const Names& n) {
    const detail::OutputGrid g = detail::ChooseGrid(p.Out, 0);
    Comments c("#");
    CommonHeader(n, c, "FLL");
    c.Add(Tr("Exportkommentar",
             "Wie dieses Programm: Minimum für \"und\", je Ausgangsterm eine Regel, die ihre\n"
             "Regelzellen mit Maximum verodert (exakt), Produkt-Implikation, unbeschränkte Summe\n"
             "der skalierten Terme, Schwerpunkt; feuert keine Regel, gilt der Bereichsanfang (default)."));
    c.Add(Tr("Exportkommentar",
             "Terme der Eingänge, deren Höhe nicht 1 ist, tragen sie als Höhenparameter des Trapezes."));
    GridComment(p, g, c);
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o << c.Text() << "Engine: " << n.engine << '\n';
    const auto vars = Vars(p);
    for (int v = 0; v < 3; ++v) {
        const TFuzzy& var = *vars[static_cast<std::size_t>(v)];
        if (!var.Defined) continue;
        const bool out = v == 2;
        o << c.Provenance(VariableProvenance(p, n, v));
        o << (out ? "OutputVariable: " : "InputVariable: ") << n.var[static_cast<std::size_t>(v)] << '\n';
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
            o << c.Provenance(TermProvenance(p, n, v, i));
            o << "  term: " << TermName(n, v, i) << " Trapezoid";
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
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
        if (!CellsOf(p, k).empty()) o << "  rule: " << OredRule(p, n, k) << '\n';
    }
    return o.str();
}

// ---- FIS ---------------------------------------------------------------------

std::string WriteFis(const fuzzy::Project& p, const Names& n) {
    const detail::OutputGrid g = detail::ChooseGrid(p.Out, 100);
    const detail::Deviation dev = detail::CellRuleDeviation(p, detail::kFisAggregation, g);
    Comments c("%");
    CommonHeader(n, c, "FIS");
    c.Add(Tr("Exportkommentar",
             "FIS kann Regelzellen nicht in einer Regel verodern: jede Zelle ist eine Regel,\n"
             "zusammengefasst mit dem Maximum (AggMethod). Das ist exakt, solange sich die\n"
             "Ausgangsterme nicht überlappen; gemessen auf 41 Werten je Eingang über deren Bereich\n"
             "weicht der Schwerpunkt hier höchstens um %1 ab, mit der Abtastung\n"
             "in %2 Zellen (wie fuzzylite) höchstens um %3."),
          {Figure(dev.exact), std::to_string(g.resolution), Figure(dev.sampled)});
    c.Add(Tr("Exportkommentar",
             "Feuert keine Regel, liefert dieses Programm den Bereichsanfang %1; FIS hat dafür keinen Eintrag."),
          {Num(p.Out.RangeMin)});
    c.Add(Tr("Exportkommentar",
             "Terme der Eingänge, deren Höhe nicht 1 ist, tragen sie als fünften Wert von trapmf "
             "(fuzzylite liest ihn,\n"
             "die Toolbox erwartet vier)."));
    GridComment(p, g, c);
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o << c.Text();
    int ruleCount = 0;
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) ruleCount += static_cast<int>(CellsOf(p, k).size());
    o << "[System]\n"
      << "Name='" << n.engine << "'\n"
      << "Type='mamdani'\n"
      << "Version=2.0\n"
      << "NumInputs=" << (TwoInputs(p) ? 2 : 1) << '\n'
      << "NumOutputs=1\n"
      << "NumRules=" << ruleCount << '\n'
      << "AndMethod='min'\n"
      << "OrMethod='max'\n"
      << "ImpMethod='prod'\n"
      << "AggMethod='" << (detail::kFisAggregation == detail::CellAggregation::Max ? "max" : "sum") << "'\n"
      << "DefuzzMethod='centroid'\n";
    const auto vars = Vars(p);
    int inputNo = 0;
    for (int v = 0; v < 3; ++v) {
        const TFuzzy& var = *vars[static_cast<std::size_t>(v)];
        if (!var.Defined) continue;
        const bool out = v == 2;
        o << '\n' << (out ? "[Output1]" : "[Input" + std::to_string(++inputNo) + "]") << '\n';
        o << c.Provenance(VariableProvenance(p, n, v));
        o << "Name='" << n.var[static_cast<std::size_t>(v)] << "'\n";
        o << "Range=[" << (out ? g.loText : Num(var.RangeMin)) << ' ' << (out ? g.hiText : Num(var.RangeMax)) << "]\n";
        o << "NumMFs=" << var.UsedTerms() << '\n';
        for (int i = 1; i <= var.UsedTerms(); ++i) {
            o << c.Provenance(TermProvenance(p, n, v, i));
            o << "MF" << i << "='" << TermName(n, v, i) << "':'trapmf',[";
            for (int j = 1; j <= 4; ++j) o << (j > 1 ? " " : "") << Num(var.GetParam(i, j));
            if (!out && var.GetParam(i, fuzzy::ParamH) != 1.0f) o << ' ' << Num(var.GetParam(i, fuzzy::ParamH));
            o << "]\n";
        }
    }
    o << "\n[Rules]\n";
    const int rows = TwoInputs(p) ? p.B.UsedTerms() : 1;
    for (int j = 1; j <= rows; ++j) {
        for (int i = 1; i <= p.A.UsedTerms(); ++i) {
            const int k = p.Rules.Get(j, i);
            if (k <= 0 || k > p.Out.UsedTerms()) continue;
            o << i;
            if (TwoInputs(p)) o << ' ' << j;
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

std::string WriteFcl(const fuzzy::Project& p, const Names& n) {
    const detail::OutputGrid g = detail::ChooseGrid(p.Out, 100);
    Comments c("//");
    CommonHeader(n, c, "FCL (IEC 61131-7)");
    const detail::Deviation dev = detail::CappedSumDeviation(p, g);
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
    GridComment(p, g, c);
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o << c.Text() << "FUNCTION_BLOCK " << n.engine << "\n\nVAR_INPUT\n";
    o << "  " << n.var[0] << " : REAL;\n";
    if (TwoInputs(p)) o << "  " << n.var[1] << " : REAL;\n";
    o << "END_VAR\n\nVAR_OUTPUT\n  " << n.var[2] << " : REAL;\nEND_VAR\n";
    const auto vars = Vars(p);
    for (int v = 0; v < 3; ++v) {
        const TFuzzy& var = *vars[static_cast<std::size_t>(v)];
        if (!var.Defined) continue;
        const bool out = v == 2;
        o << '\n';
        o << c.Provenance(VariableProvenance(p, n, v));
        o << (out ? "DEFUZZIFY " : "FUZZIFY ") << n.var[static_cast<std::size_t>(v)] << '\n';
        o << "  RANGE := (" << (out ? g.loText : Num(var.RangeMin)) << " .. " << (out ? g.hiText : Num(var.RangeMax))
          << ");\n";
        for (int i = 1; i <= var.UsedTerms(); ++i) {
            o << c.Provenance(TermProvenance(p, n, v, i));
            o << "  TERM " << TermName(n, v, i) << " := " << Points(var, i, out) << ";\n";
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
    int number = 0;
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
        if (!CellsOf(p, k).empty()) o << "  RULE " << ++number << " : " << OredRule(p, n, k) << ";\n";
    }
    o << "END_RULEBLOCK\n\nEND_FUNCTION_BLOCK\n";
    return o.str();
}

}  // namespace

void detail::CheckExportable(const fuzzy::Project& p) {
    if (!p.A.Defined || p.A.UsedTerms() == 0) {
        throw ExportError(
            Tr("Exportfehler", "Das Projekt hat keinen Eingang A mit Termen; es lässt sich nicht exportieren."));
    }
    if (!p.Out.Defined || p.Out.UsedTerms() == 0) {
        throw ExportError(
            Tr("Exportfehler", "Das Projekt hat keinen Ausgang mit Termen; es lässt sich nicht exportieren."));
    }
    for (const TFuzzy* v : Vars(p)) {
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

std::string Export(Format f, const fuzzy::Project& project, const std::string& source) {
    detail::CheckExportable(project);
    const Names names = MakeNames(project, source);
    switch (f) {
    case Format::Fll: return WriteFll(project, names);
    case Format::Fis: return WriteFis(project, names);
    case Format::Fcl: return WriteFcl(project, names);
    }
    throw ExportError(Tr("Exportfehler", "Unbekanntes Format; das Projekt wurde nicht exportiert."));
}

}  // namespace exchange
