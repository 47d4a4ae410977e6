#include "commands/CheckEval.h"

#include "commands/Args.h"
#include "fuzzy/Errors.h"
#include "fuzzy/Hints.h"
#include "fuzzy/Messages.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/ProjectCheck.h"
#include "fuzzy/Language.h"
#include "fuzzy/Text.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <iostream>
#include <sstream>
#include <vector>

#include <unistd.h>

namespace fuzzysim {

namespace {

// Shows the engine's messages on standard error and remembers a format error.
// Warnings wait for Flush: a file that is refused with its reason needs no
// "could not be read" before it.
class ToolMessages final : public fuzzy::IMessages {
public:
    void Warning(const std::string& text) override { warnings_.push_back(text); }
    void Error(const std::string& text) override {
        Flush();
        std::cerr << ErrorLine(text) << '\n';
        ++errors;
    }
    void Flush() {
        for (const std::string& w : warnings_)
            std::cerr << fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Warnung: %1"), {w}) << '\n';
        warnings_.clear();
    }
    void Drop() { warnings_.clear(); }
    int errors = 0;

private:
    std::vector<std::string> warnings_;
};

// Installs a message sink for the lifetime of this object.
class MessagesScope {
public:
    explicit MessagesScope(fuzzy::IMessages& sink) { fuzzy::SetMessages(&sink); }
    ~MessagesScope() { fuzzy::SetMessages(nullptr); }
    MessagesScope(const MessagesScope&) = delete;
    MessagesScope& operator=(const MessagesScope&) = delete;
};

// The shortest text that reads back as the same single-precision number.
std::string FloatText(float v) { return fuzzy::NumberText(v); }

// The same number for JSON: the double nearest to that shortest text, so
// 0.1f appears as 0.1 and not as 0.10000000149011612.
double JsonNumber(float v) {
    if (!std::isfinite(v)) return 0.0;
    const std::string t = FloatText(v);
    double d = 0.0;
    fuzzy::ReadNumber(t.data(), t.data() + t.size(), d);
    return d;
}

std::string G9(double v) { return fuzzy::GeneralText(v, 9); }

std::size_t Width(const std::string& utf8) { return fuzzy::text::Utf8ToCodePoints(utf8).size(); }

std::string Pad(const std::string& s, std::size_t width) {
    const std::size_t w = Width(s);
    return w >= width ? s : s + std::string(width - w, ' ');
}

struct Role {
    const char* label;  // for the summary, translated where shown
    const char* key;    // for JSON, the same in every language
};

constexpr std::array<Role, 3> kRoles = {{{FUZZY_TR_NOOP("fuzzysim check", "Eingang A"), "A"},
                                         {FUZZY_TR_NOOP("fuzzysim check", "Eingang B"), "B"},
                                         {FUZZY_TR_NOOP("fuzzysim check", "Ausgang"), "out"}}};

std::array<const fuzzy::TFuzzy*, 3> Variables(const Project& p) { return {&p.A, &p.B, &p.Out}; }

// The text of a rule cell: the output term's abbreviation, "." for no rule,
// "#k" for a number that names no output term.
std::string RuleCell(const Project& p, std::int32_t k) {
    if (k <= 0) return ".";
    if (k <= p.Out.UsedTerms()) return p.Out.GetTermAbbrev(k);
    return "#" + std::to_string(k);
}

void PrintVariable(const Role& role, const fuzzy::TFuzzy& v, std::ostream& out) {
    const char* label = fuzzy::Tr("fuzzysim check", role.label);
    if (!v.Defined) {
        out << fuzzy::Fmt(fuzzy::Tr("fuzzysim check", "%1: nicht definiert"), {label}) << '\n';
        return;
    }
    out << label << ": \"" << v.Name << "\"\n";
    out << fuzzy::Fmt(fuzzy::Tr("fuzzysim check", "  Bereich: %1 bis %2"),
                      {FloatText(v.RangeMin), FloatText(v.RangeMax)})
        << '\n';
    out << fuzzy::Fmt(v.TermCount < 0 ? fuzzy::Tr("fuzzysim check", "  Terme: %1 (wie 0)")
                                      : fuzzy::Tr("fuzzysim check", "  Terme: %1"),
                      {std::to_string(v.TermCount)})
        << '\n';
    if (v.UsedTerms() == 0) return;
    // The column heads: number and abbreviation as wide as the rows below.
    const std::string name = fuzzy::Tr("fuzzysim check", "Name");
    std::size_t nameWidth = Width(name);
    for (int i = 1; i <= v.UsedTerms(); ++i) nameWidth = std::max(nameWidth, Width(v.GetTermName(i)));
    out << fuzzy::Tr("fuzzysim check", "    Nr  K\xC3\xBCrzel  ") << Pad(name, nameWidth) << "  a, b, c, d, h\n";
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        out << "    " << i << "   " << Pad(v.GetTermAbbrev(i), 6) << "  " << Pad(v.GetTermName(i), nameWidth) << "  ";
        for (int j = 1; j <= 5; ++j) out << (j > 1 ? ", " : "") << FloatText(v.GetParam(i, j));
        out << '\n';
    }
}

void PrintRules(const Project& p, std::ostream& out) {
    out << (p.B.Defined
                ? fuzzy::Tr("fuzzysim check", "Regeln (Zeile = Term von Eingang B, Spalte = Term von Eingang A):")
                : fuzzy::Tr("fuzzysim check",
                            "Regeln (Zeile = Term von Eingang B, Spalte = Term von Eingang A; "
                            "ohne Eingang B gilt nur Zeile 1):"))
        << '\n';
    constexpr std::size_t w = 5;
    auto emit = [&out](std::string row) {
        while (!row.empty() && row.back() == ' ') row.pop_back();
        out << row << '\n';
    };
    std::string header = "  " + Pad("", w);
    for (int c = 1; c <= 5; ++c) header += Pad(c <= p.A.UsedTerms() ? p.A.GetTermAbbrev(c) : "-", w);
    emit(header);
    for (int r = 1; r <= 5; ++r) {
        const bool rowUsed = p.B.Defined && r <= p.B.UsedTerms();
        std::string row = "  " + Pad(rowUsed ? p.B.GetTermAbbrev(r) : "-", w);
        for (int c = 1; c <= 5; ++c) row += Pad(RuleCell(p, p.Rules.Get(r, c)), w);
        emit(row);
    }
}

// An interval of input values as check prints it: "= 100" for a point,
// otherwise the ends in brackets, [ ] for an end that belongs, ( ) for one
// that does not.
std::string IntervalText(const fuzzy::Interval& in) {
    if (in.IsPoint()) return "= " + FloatText(in.Low.Value);
    return std::string("in ") + (in.Low.Included ? "[" : "(") + FloatText(in.Low.Value) + ", " +
           FloatText(in.High.Value) + (in.High.Included ? "]" : ")");
}

void PrintNoRuleRegions(const Project& p, std::ostream& out) {
    if (!p.A.Defined || !p.Out.Defined) return;
    const fuzzy::NoRuleRegions r = fuzzy::FindNoRuleRegions(p);
    if (r.Empty()) {
        out << '\n'
            << fuzzy::Tr("fuzzysim check",
                         "Keine Regel feuert: nirgends (an jedem Punkt der Eingangsbereiche feuert eine Regel).")
            << '\n';
        return;
    }
    out << '\n'
        << fuzzy::Fmt(fuzzy::Tr("fuzzysim check", "Keine Regel feuert (der Ausgang f\xC3\xA4llt dort auf %1):"),
                      {FloatText(r.Fallback)})
        << '\n';
    for (const fuzzy::NoRuleBox& box : r.Boxes) {
        out << "  A " << IntervalText(box.A);
        if (box.HasB) out << ", B " << IntervalText(box.B);
        out << '\n';
    }
}

nlohmann::json CellsJson(std::uint32_t cells) {
    nlohmann::json list = nlohmann::json::array();
    for (int k = 0; k < 25; ++k)
        if ((cells >> k & 1u) != 0) list.push_back({k / 5 + 1, k % 5 + 1});
    return list;
}

nlohmann::json IntervalJson(const fuzzy::Interval& in) {
    return {{"low", JsonNumber(in.Low.Value)},
            {"lowIncluded", in.Low.Included},
            {"high", JsonNumber(in.High.Value)},
            {"highIncluded", in.High.Included}};
}

nlohmann::json NoRuleRegionsJson(const Project& p) {
    nlohmann::json list = nlohmann::json::array();
    if (!p.A.Defined || !p.Out.Defined) return list;
    for (const fuzzy::NoRuleBox& box : fuzzy::FindNoRuleRegions(p).Boxes) {
        nlohmann::json b = {{"A", IntervalJson(box.A)}};
        if (box.HasB) b["B"] = IntervalJson(box.B);
        b["cells"] = CellsJson(box.Cells);
        list.push_back(b);
    }
    return list;
}

const char* KindKey(fuzzy::HintKind k) {
    switch (k) {
    case fuzzy::HintKind::NotDefined: return "notDefined";
    case fuzzy::HintKind::RangeReversed: return "rangeReversed";
    case fuzzy::HintKind::CornersOutOfOrder: return "cornersOutOfOrder";
    case fuzzy::HintKind::HeightOutside: return "heightOutside";
    case fuzzy::HintKind::TooLarge: return "tooLarge";
    case fuzzy::HintKind::TermOutsideRange: return "termOutsideRange";
    case fuzzy::HintKind::Gap: return "gap";
    case fuzzy::HintKind::RuleNeverRead: return "ruleNeverRead";
    case fuzzy::HintKind::RuleNamesNoTerm: return "ruleNamesNoTerm";
    case fuzzy::HintKind::RuleCannotFire: return "ruleCannotFire";
    case fuzzy::HintKind::OutputTermUnused: return "outputTermUnused";
    case fuzzy::HintKind::NoRules: return "noRules";
    case fuzzy::HintKind::NoRuleFires: break;
    }
    return "noRuleFires";
}

const char* PageKey(fuzzy::HintPage page) {
    switch (page) {
    case fuzzy::HintPage::InputA: return "A";
    case fuzzy::HintPage::InputB: return "B";
    case fuzzy::HintPage::Output: return "out";
    case fuzzy::HintPage::Rules: break;
    }
    return "rules";
}

}  // namespace

// Where a file stops fitting the format, and which real lines read as 0.
fuzzy::ProjectDiagnosis Diagnose(const std::string& file) {
    // No more than the reader reads: the file has been opened as a regular
    // file of at most that size, but it may have grown since.
    std::ifstream in(file, std::ios::binary);
    std::string bytes(fuzzy::MaxProjectBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return fuzzy::DiagnoseProject(bytes);
}

int LoadForTool(const std::string& file, Project& p, bool warnZeroReads) {
    ToolMessages messages;
    MessagesScope scope(messages);
    try {
        p = fuzzy::LoadProject(file);
    } catch (const fuzzy::EUnreadableFile& e) {
        // The sentence names the file and says why, as the importers' do.
        messages.Drop();
        std::cerr << ErrorLine(e.what()) << '\n';
        return ExitUnreadable;
    } catch (const fuzzy::EInOutError& e) {
        messages.Flush();
        std::cerr << ErrorLine(file + ": " + e.what()) << '\n';
        return ExitUnreadable;
    }
    // A line that is no number reads as 0, as in the programs; what is then
    // written, run or exported says so instead of passing the 0 on in silence.
    if (warnZeroReads && messages.errors == 0) {
        for (const std::string& z : Diagnose(file).zeroReads) messages.Warning(file + ": " + z);
    }
    messages.Flush();
    return messages.errors > 0 ? ExitFormatError : ExitOk;
}

void PrintSummary(const std::string& file, const Project& p, std::ostream& out) {
    out << fuzzy::Fmt(fuzzy::Tr("fuzzysim check", "Datei: %1"), {file}) << "\n\n";
    const auto vars = Variables(p);
    for (std::size_t n = 0; n < vars.size(); ++n) PrintVariable(kRoles[n], *vars[n], out);
    out << '\n';
    PrintRules(p, out);
    PrintNoRuleRegions(p, out);
    const auto hints = fuzzy::ProjectHints(p);
    if (!hints.empty()) {
        out << '\n' << fuzzy::Tr("fuzzysim check", "Hinweise:") << '\n';
        for (const auto& h : hints) out << "  - " << h.Text << '\n';
    }
}

void PrintJson(const Project& p, std::ostream& out, const fuzzy::ProjectDiagnosis* diag) {
    using nlohmann::json;
    json vars = json::array();
    const auto all = Variables(p);
    for (std::size_t n = 0; n < all.size(); ++n) {
        const fuzzy::TFuzzy& v = *all[n];
        json terms = json::array();
        for (int i = 1; i <= v.UsedTerms(); ++i) {
            terms.push_back({{"name", v.GetTermName(i)},
                             {"abbrev", v.GetTermAbbrev(i)},
                             {"a", JsonNumber(v.GetParam(i, 1))},
                             {"b", JsonNumber(v.GetParam(i, 2))},
                             {"c", JsonNumber(v.GetParam(i, 3))},
                             {"d", JsonNumber(v.GetParam(i, 4))},
                             {"h", JsonNumber(v.GetParam(i, 5))}});
        }
        vars.push_back({{"role", kRoles[n].key},
                        {"name", v.Name},
                        {"defined", v.Defined},
                        {"termCount", v.TermCount},
                        {"rangeMin", JsonNumber(v.RangeMin)},
                        {"rangeMax", JsonNumber(v.RangeMax)},
                        {"terms", terms}});
    }
    json rules = json::array();
    for (int r = 1; r <= 5; ++r) {
        json row = json::array();
        for (int c = 1; c <= 5; ++c) row.push_back(p.Rules.Get(r, c));
        rules.push_back(row);
    }
    json hints = json::array(), details = json::array();
    for (const fuzzy::Hint& h : fuzzy::ProjectHints(p)) {
        hints.push_back(h.Text);
        json terms = json::array();
        for (int i = 1; i <= fuzzy::MaxTerms; ++i)
            if (h.Place.HasTerm(i)) terms.push_back(i);
        details.push_back({{"kind", KindKey(h.Kind)},
                           {"text", h.Text},
                           {"page", PageKey(h.Place.Page)},
                           {"terms", terms},
                           {"cells", CellsJson(h.Place.Cells)}});
    }
    json doc = {{"variables", vars},
                {"rules", rules},
                {"hints", hints},
                {"hintDetails", details},
                {"noRuleRegions", NoRuleRegionsJson(p)}};
    if (diag != nullptr) {
        doc["formatError"] =
            diag->ok ? json(nullptr) : json{{"line", diag->line}, {"expected", diag->expected}, {"found", diag->found}};
        doc["zeroReads"] = diag->zeroReads;
    }
    // Names are valid UTF-8 (decoded from Windows-1252); replace anything else.
    out << doc.dump(2, ' ', false, json::error_handler_t::replace) << '\n';
}

int EvalLines(Project& p, bool heights, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::size_t expected = p.B.Defined ? 2 : 1;
    int malformed = 0;
    std::string line;
    for (long lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        std::vector<std::string> tokens;
        for (std::string t; fields >> t;) tokens.push_back(t);
        // Blank lines and comments are no cases.
        if (tokens.empty() || tokens[0][0] == '#') continue;
        const std::string nr = std::to_string(lineNo);
        if (tokens.size() != expected) {
            err << ErrorLine(fuzzy::Fmt(
                       expected == 2 ? fuzzy::Tr("fuzzysim eval", "Zeile %1: Zwei Zahlen erwartet (A B), gefunden: %2.")
                                     : fuzzy::Tr("fuzzysim eval",
                                                 "Zeile %1: Eine Zahl erwartet (A), denn Eingang B ist "
                                                 "nicht definiert, gefunden: %2."),
                       {nr, std::to_string(tokens.size())}))
                << '\n';
            ++malformed;
            continue;
        }
        std::array<float, 2> values{};
        bool ok = true;
        for (std::size_t n = 0; n < tokens.size() && ok; ++n) {
            const auto v = ParseNumber(tokens[n]);
            if (!v) {
                err << ErrorLine(
                           fuzzy::Fmt(fuzzy::Tr("fuzzysim eval", "Zeile %1: \"%2\" ist keine Zahl."), {nr, tokens[n]}))
                    << '\n';
                ok = false;
            } else if (std::fabs(*v) > FLT_MAX) {
                err << ErrorLine(fuzzy::Fmt(fuzzy::Tr("fuzzysim eval",
                                                      "Zeile %1: %2 liegt au\xC3\x9F"
                                                      "erhalb des Zahlenbereichs."),
                                            {nr, tokens[n]}))
                    << '\n';
                ok = false;
            } else {
                values[n] = static_cast<float>(*v);
            }
        }
        if (!ok) {
            ++malformed;
            continue;
        }
        p.A.Value = values[0];
        p.B.Value = values[1];
        fuzzy::Infer(p.Rules, p.A, p.B, p.Out);
        const float result = p.Out.Defuzzify();
        // A NaN or an infinity is no output of a controller: named as what
        // went wrong, never printed as a result.
        if (!std::isfinite(result)) {
            err << ErrorLine(
                       fuzzy::Fmt(fuzzy::Tr("fuzzysim eval", "Zeile %1: Das Ergebnis ist keine endliche Zahl (%2): %3"),
                                  {nr, G9(result), NotFiniteCause(p)}))
                << '\n';
            ++malformed;
            continue;
        }
        out << G9(result);
        if (heights) {
            for (int k = 1; k <= fuzzy::MaxTerms; ++k) {
                out << ' ' << (k <= p.Out.UsedTerms() ? G9(p.Out.GetParam(k, fuzzy::ParamH)) : std::string("-"));
            }
        }
        out << '\n';
    }
    return malformed;
}

int RunCheck(const std::vector<std::string>& args) {
    const Args a(args, {"--json"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Projektdatei (DATEI)"));
    const std::string& file = a.Positional()[0];
    Project p;
    // check lists the lines read as 0 in its report.
    const int status = LoadForTool(file, p, false);
    if (status == ExitUnreadable) return status;
    const fuzzy::ProjectDiagnosis diag = Diagnose(file);
    if (status == ExitFormatError && !diag.ok) std::cerr << ErrorLine(file + ": " + diag.Describe()) << '\n';
    if (a.Has("--json")) {
        PrintJson(p, std::cout, &diag);
    } else {
        PrintSummary(file, p, std::cout);
        if (!diag.zeroReads.empty()) {
            std::cout << '\n' << fuzzy::Tr("fuzzysim check", "Zeilen ohne Zahl (gelesen als 0):") << '\n';
            for (const auto& z : diag.zeroReads) std::cout << "  - " << z << '\n';
        }
    }
    return status;
}

int RunEval(const std::vector<std::string>& args) {
    const Args a(args, {"--heights"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Projektdatei (DATEI)"));
    Project p;
    const int status = LoadForTool(a.Positional()[0], p);
    if (status != ExitOk) return status;
    if (!p.A.Defined || !p.Out.Defined) {
        std::cerr << ErrorLine(!p.A.Defined
                                   ? fuzzy::Tr("fuzzysim eval",
                                               "Das Projekt definiert keinen Eingang A; es gibt nichts auszuwerten.")
                                   : fuzzy::Tr("fuzzysim eval",
                                               "Das Projekt definiert keinen Ausgang; es gibt nichts auszuwerten."))
                  << '\n';
        return ExitFormatError;
    }
    // Typed by hand, the tool would otherwise just wait without a word.
    if (::isatty(STDIN_FILENO))
        std::cerr << fuzzy::Tr("fuzzysim eval", "Eingaben: A [B] je Zeile, Ende mit Strg+D") << '\n';
    const int malformed = EvalLines(p, a.Has("--heights"), std::cin, std::cout, std::cerr);
    return malformed > 0 ? ExitFormatError : ExitOk;
}

}  // namespace fuzzysim
