#include "exercise/TeacherCheck.h"

#include "exercise/Points.h"
#include "exercise/ShippedFiles.h"
#include "exercise/Sections.h"
#include "fuzzy/FuzUnits.h"
#include "fuzzy/Surface.h"
#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Templates.h"
#include "truck/model/Grid.h"

#include <algorithm>
#include <cmath>
#include <cctype>
#include <functional>

namespace exercise {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

// Every point a hand step may be worked out at: its one point, or each the
// name may draw.
void ForEachPoint(const HandCheck& h, const std::function<void(float, std::optional<float>)>& f) {
    const std::vector<float> as = h.AChoices.empty() ? std::vector<float>{h.A} : h.AChoices;
    std::vector<std::optional<float>> bs;
    if (h.BChoices.empty())
        bs.push_back(h.B);
    else
        for (const float b : h.BChoices) bs.emplace_back(b);
    for (const float a : as)
        for (const auto& b : bs) f(a, b);
}

// The numbers of a hand step the check compares with: degrees, strengths
// (of the cells with a rule), heights, the output.
std::vector<float> EngineNumbers(const HandCheck& h, const fuzzy::Project& p, float a, std::optional<float> b) {
    const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(p, a, b.value_or(0.0f));
    std::vector<float> out;
    for (const Quantity q : h.Asked) switch (q) {
        case Quantity::Membership:
            for (int i = 0; i < p.A.UsedTerms(); ++i) out.push_back(s.DegreeA[static_cast<std::size_t>(i)]);
            if (p.B.Defined && b)
                for (int i = 0; i < p.B.UsedTerms(); ++i) out.push_back(s.DegreeB[static_cast<std::size_t>(i)]);
            break;
        case Quantity::Firing:
            for (int r = 1; r <= (p.B.Defined ? p.B.UsedTerms() : 1); ++r)
                for (int c = 1; c <= p.A.UsedTerms(); ++c) {
                    const int k = p.Rules.Get(r, c);
                    if (k >= 1 && k <= p.Out.UsedTerms())
                        out.push_back(s.Strength[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)]);
                }
            break;
        case Quantity::Heights:
            for (int k = 0; k < p.Out.UsedTerms(); ++k) out.push_back(s.Activation[static_cast<std::size_t>(k)]);
            break;
        case Quantity::Output: out.push_back(s.Output); break;
        }
    return out;
}

// The numbers written in a text: digits with a decimal point or comma, a
// sign ("-" or the true minus) before them. Each with its count of decimals.
struct Written {
    double Value = 0.0;
    int Decimals = 0;
};

std::vector<Written> NumbersIn(const std::string& text) {
    std::vector<Written> out;
    for (std::size_t i = 0; i < text.size();) {
        if (!(text[i] >= '0' && text[i] <= '9') ||
            (i > 0 && (std::isalpha(static_cast<unsigned char>(text[i - 1])) || text[i - 1] == '_'))) {
            ++i;
            continue;
        }
        bool negative = (i >= 1 && text[i - 1] == '-') || (i >= 3 && text.compare(i - 3, 3, "\xE2\x88\x92") == 0);
        std::string digits;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') digits += text[i++];
        int decimals = 0;
        if (i + 1 < text.size() && (text[i] == '.' || text[i] == ',') && text[i + 1] >= '0' && text[i + 1] <= '9') {
            digits += '.';
            ++i;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
                digits += text[i++];
                ++decimals;
            }
        }
        double v = 0.0;
        if (digits.size() > 15) continue;
        fuzzy::ReadNumber(digits.data(), digits.data() + digits.size(), v);
        out.push_back({negative ? -v : v, decimals});
    }
    return out;
}

std::string Quote(const std::string& s) {
    return fuzzy::ActiveLanguage() == fuzzy::Language::English ? "\xE2\x80\x9C" + s + "\xE2\x80\x9D"
                                                               : "\xE2\x80\x9E" + s + "\xE2\x80\x9C";
}

// The hints of an exercise with the line of their section.
std::vector<std::pair<std::string, int>> Hints(const Exercise& e) {
    std::vector<std::pair<std::string, int>> out;
    const auto add = [&](const Text& t, int line) {
        if (!t.De.empty()) out.emplace_back(t.De, line);
        if (!t.En.empty()) out.emplace_back(t.En, line);
    };
    add(e.Hint, 0);
    for (const CoverageCheck& c : e.Coverage) add(c.Hint, c.Line);
    for (const HandCheck& c : e.Hand) add(c.Hint, c.Line);
    for (const TruckCheck& c : e.Truck) add(c.Hint, c.Line);
    for (const LocoCheck& c : e.Loco) add(c.Hint, c.Line);
    return out;
}

// The cells a rule may stand in where the terms cannot change.
int Cells(const Exercise& e, const fuzzy::Project& p) {
    if (e.MayChange.Terms) return p.B.Defined ? 25 : 5;
    return p.A.UsedTerms() * (p.B.Defined ? p.B.UsedTerms() : 1);
}

bool TermsWithinRange(const fuzzy::TFuzzy& v) {
    for (int i = 1; i <= v.UsedTerms(); ++i)
        for (const int j : {fuzzy::ParamA, fuzzy::ParamB, fuzzy::ParamC, fuzzy::ParamD}) {
            const float x = v.GetParam(i, j);
            if (!(x >= v.RangeMin && x <= v.RangeMax)) return false;
        }
    return true;
}

void Static(const Exercise& e, const fuzzy::Project& p, std::vector<Finding>& out) {
    const auto never = [&](std::string text, int line) { out.push_back({"never_fails", std::move(text), line}); };
    const auto always = [&](std::string text, int line) { out.push_back({"always_fails", std::move(text), line}); };
    const int starts = static_cast<int>(dorvane::GridStarts().size());
    const auto rules = [&](const std::optional<int>& most, int line) {
        if (!most) return;
        if (*most >= Cells(e, p))
            never(Fmt(Tr("Aufgabe",
                         "regeln_max = %1: Mehr als %2 Regelfelder gibt es nicht, die Pr\xC3\xBC"
                         "fung kann nicht fehlschlagen."),
                      {std::to_string(*most), std::to_string(Cells(e, p))}),
                  line);
        if (*most == 0 && !e.Coverage.empty())
            always(Tr("Aufgabe",
                      "regeln_max = 0, aber [abdeckung] verlangt, dass \xC3\xBC"
                      "berall eine Regel feuert: Beides zugleich geht nie."),
                   line);
    };
    for (const TruckCheck& t : e.Truck) {
        if (t.MinDocked && *t.MinDocked == 0)
            never(Tr("Aufgabe", "angedockt_min = 0: Auch ein Truck, der nie andockt, erf\xC3\xBCllt das."), t.Line);
        if (t.MaxLeftRoad && *t.MaxLeftRoad >= starts)
            never(Fmt(Tr("Aufgabe",
                         "strasse_verlassen_max = %1: So viele Starts hat das Raster, die Pr\xC3\xBC"
                         "fung kann nicht fehlschlagen."),
                      {std::to_string(*t.MaxLeftRoad)}),
                  t.Line);
        rules(t.MaxRules, t.Line);
    }
    const bool outputFixed = !e.MayChange.Terms && !e.MayChange.Ranges;
    for (const LocoCheck& l : e.Loco) {
        rules(l.MaxRules, l.Line);
        if (l.MaxSignChanges) {
            const float shortest = *std::min_element(l.Steps.begin(), l.Steps.end());
            const double steps = std::ceil(double(l.MaxTime) / double(shortest)) + 1.0;
            if (double(*l.MaxSignChanges) >= steps)
                never(Fmt(Tr("Aufgabe",
                             "vorzeichenwechsel_max = %1: Eine Fahrt hat h\xC3\xB6"
                             "chstens %2 Schritte, die Pr\xC3\xBC"
                             "fung kann nicht fehlschlagen."),
                          {std::to_string(*l.MaxSignChanges), NumberText(steps)}),
                      l.Line);
        }
        // The crisp output lies within the span of the output's terms.
        if (l.ForceInRange && outputFixed && TermsWithinRange(p.Out))
            never(Tr("Aufgabe",
                     "kraft_im_bereich = ja: Die Terme des Ausgangs sind gesperrt und liegen in seinem Bereich, "
                     "also bleibt die Kraft immer darin."),
                  l.Line);
        // Nothing is at rest before it has crossed the distance with the
        // largest force the output has, friction aside (it only slows).
        const double force = std::max(std::fabs(double(p.Out.RangeMin)), std::fabs(double(p.Out.RangeMax)));
        const double way = std::fabs(double(l.DistanceCm)) / 100.0 - 0.01;
        if (l.RestWithin && outputFixed && std::isfinite(force) && way > 0.0)
            for (const float m : l.Masses) {
                const double soonest = force > 0.0 ? std::sqrt(2.0 * way * double(m) / force) : HUGE_VAL;
                if (double(*l.RestWithin) < soonest) {
                    always(Fmt(Tr("Aufgabe",
                                  "ruhe_bis = %1 s: Mit h\xC3\xB6"
                                  "chstens %2 N braucht die Lok mit %3 kg f\xC3\xBCr %4 cm schon mindestens %5 s."),
                               {NumberText(*l.RestWithin), NumberText(force), NumberText(m),
                                NumberText(std::fabs(l.DistanceCm)), NumberText(std::round(soonest * 100.0) / 100.0)}),
                           l.Line);
                    break;
                }
            }
    }
    for (const HandCheck& h : e.Hand) {
        const bool grades = h.Asks(Quantity::Membership) || h.Asks(Quantity::Firing) || h.Asks(Quantity::Heights);
        if (grades && h.Tolerance >= 0.5f)
            never(Fmt(Tr("Aufgabe",
                         "toleranz = %1: Jeder Grad liegt zwischen 0 und 1, die Antwort 0,5 stimmt bei %2 also "
                         "immer."),
                      {NumberText(h.Tolerance), h.Point}),
                  h.Line);
        const double half = (double(p.Out.RangeMax) - double(p.Out.RangeMin)) / 2.0;
        if (h.Asks(Quantity::Output) && double(h.OutputTolerance) >= half)
            never(Fmt(Tr("Aufgabe",
                         "toleranz_ausgang = %1: Die Mitte des Ausgangsbereichs liegt immer so nah am Ausgang, "
                         "bei %2 stimmt sie also immer."),
                      {NumberText(h.OutputTolerance), h.Point}),
                  h.Line);
    }
}

std::string Failing(const CheckResult& r) {
    std::string s;
    for (const CriterionResult& c : r.Criteria)
        if (!c.Passed) s += (s.empty() ? "" : "; ") + Summary(c);
    for (const std::string& c : r.Changes) s += (s.empty() ? "" : "; ") + c;
    return s;
}

}  // namespace

std::vector<NamedProject> ShippedProjects() {
    std::vector<NamedProject> out;
    for (const ShippedFile& f : ShippedFiles()) {
        try {
            out.push_back({f.Name, fuzzy::LoadProjectBytes(f.Bytes)});
        } catch (const fuzzy::Error&) {
            // A shipped file that does not load is the tests' business, not the teacher's.
        }
    }
    for (const char* t : {"leer", "truck", "lok"})
        if (const auto p = fuzzy::TemplateNamed(t)) out.push_back({Fmt(Tr("Aufgabe", "Vorlage %1"), {t}), *p});
    return out;
}

std::optional<float> MinMaxOutput(const fuzzy::Project& p, float a, std::optional<float> b) {
    const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(p, a, b.value_or(0.0f));
    struct Clipped {
        double A, B, C, D, H;
        double At(double y) const {
            if (y <= A || y >= D) return (y >= B && y <= C) ? H : 0.0;
            if (y < B) return std::min(H, (y - A) / (B - A));
            if (y <= C) return H;
            return std::min(H, (D - y) / (D - C));
        }
    };
    std::vector<Clipped> terms;
    std::vector<double> edges;
    for (int k = 1; k <= p.Out.UsedTerms(); ++k) {
        const double h = s.Activation[static_cast<std::size_t>(k - 1)];
        if (!(h > 0.0) || !std::isfinite(h)) continue;
        Clipped t{p.Out.GetParam(k, fuzzy::ParamA), p.Out.GetParam(k, fuzzy::ParamB), p.Out.GetParam(k, fuzzy::ParamC),
                  p.Out.GetParam(k, fuzzy::ParamD), std::min(h, 1.0)};
        if (!(std::isfinite(t.A) && std::isfinite(t.D))) return std::nullopt;
        terms.push_back(t);
        // Where the clipped term bends: its corners and where it meets its height.
        for (const double x : {t.A, t.B, t.C, t.D, t.A + (t.B - t.A) * t.H, t.D - (t.D - t.C) * t.H})
            edges.push_back(x);
    }
    if (terms.empty()) return std::nullopt;
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    // Between two bends each clipped term is a straight line; their maximum
    // bends only where two cross, which fine pieces follow closely.
    constexpr int Pieces = 256;
    double area = 0.0, moment = 0.0;
    const auto mu = [&](double y) {
        double m = 0.0;
        for (const Clipped& t : terms) m = std::max(m, t.At(y));
        return m;
    };
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const double w = (edges[i + 1] - edges[i]) / Pieces;
        for (int j = 0; j < Pieces; ++j) {
            const double y0 = edges[i] + w * j, y1 = y0 + w;
            const double m0 = mu(y0), m1 = mu(y1);
            area += (m0 + m1) * w / 2.0;
            moment += (y0 * m0 + y1 * m1) * w / 2.0;
        }
    }
    if (!(area > 0.0)) return std::nullopt;
    return static_cast<float>(moment / area);
}

std::vector<Finding> TeacherCheck(const Exercise& e, const TeacherCheckInput& in, const CheckOptions& options) {
    std::vector<Finding> out;
    const fuzzy::Project start = e.StartProject();

    // Numbers the check compares with, and hints that state one.
    std::vector<float> answers;
    for (const HandCheck& h : e.Hand) {
        bool finite = true;
        ForEachPoint(h, [&](float a, std::optional<float> b) {
            for (const float v : EngineNumbers(h, start, a, b)) {
                finite = finite && std::isfinite(v);
                answers.push_back(v);
            }
        });
        if (!finite)
            out.push_back({"not_finite",
                           Fmt(Tr("Aufgabe",
                                  "Bei %1 rechnet die Engine keine endliche Zahl aus (die Ecken des Projekts sind zu "
                                  "gro\xC3\x9F): Niemand kann diese Rechnung bestehen."),
                               {h.Point}),
                           h.Line});
        // A class that computes by the book must not fail for the method.
        if (!finite || !h.Asks(Quantity::Output)) continue;
        bool reported = false;
        ForEachPoint(h, [&](float a, std::optional<float> b) {
            if (reported) return;
            const float engine = fuzzy::BreakDownStep(start, a, b.value_or(0.0f)).Output;
            const std::optional<float> book = MinMaxOutput(start, a, b);
            if (!book || !(std::fabs(double(*book) - engine) > h.OutputTolerance)) return;
            reported = true;
            out.push_back(
                {"method_differs",
                 Fmt(Tr("Aufgabe",
                        "Bei %1 (A = %2) ergibt die Rechnung nach dem Lehrbuch (Minimum, Maximum, "
                        "Schwerpunkt der abgeschnittenen Terme) %3, die Pr\xC3\xBC"
                        "fung erwartet %4 (skalierte Terme, summierte Fl\xC3\xA4"
                        "chen): mehr als die Toleranz %5 auseinander. Nennen Sie der Klasse das Verfahren."),
                     {h.Point, NumberText(a), NumberText(*book), NumberText(engine), NumberText(h.OutputTolerance)}),
                 h.Line});
        });
    }
    for (const auto& [hint, line] : Hints(e))
        for (const Written& w : NumbersIn(hint)) {
            if (w.Value == 0.0 || w.Value == 1.0) continue;
            const double scale = std::pow(10.0, w.Decimals);
            const bool names = std::any_of(answers.begin(), answers.end(), [&](float v) {
                return std::isfinite(v) && std::fabs(std::round(double(v) * scale) / scale - w.Value) < 0.5 / scale &&
                       std::fabs(double(v) - w.Value) <= 0.5 / scale;
            });
            if (names) {
                out.push_back(
                    {"hint_answer",
                     Fmt(Tr("Aufgabe", "Der Hinweis %1 nennt eine Zahl, die eine Antwort ist (%2)."),
                         {Quote(hint.size() > 60 ? hint.substr(0, 57) + "\xE2\x80\xA6" : hint), NumberText(w.Value)}),
                     line});
                break;
            }
        }

    Static(e, start, out);

    // Where nothing may change, the start's outcome is every student's.
    const CheckResult atStart = Check(e, start, Answers{}, options);
    if (atStart.Cancelled) return out;
    const std::vector<PlannedCriterion> plan = PlannedCriteria(e);
    if (atStart.Passed())
        out.push_back(
            {"start_passes", Tr("Aufgabe", "Das Startprojekt besteht die Aufgabe schon: Wer nichts tut, besteht."), 0});
    for (std::size_t i = 0; i < atStart.Criteria.size() && i < plan.size(); ++i) {
        const CriterionResult& c = atStart.Criteria[i];
        if (c.Id.rfind("hand.", 0) == 0) continue;
        if (e.MayChange.Nothing()) {
            out.push_back(c.Passed ? Finding{"never_fails",
                                             Fmt(Tr("Aufgabe",
                                                    "%1: Die Aufgabe l\xC3\xA4sst nichts \xC3\xA4ndern, und das "
                                                    "Startprojekt erf\xC3\xBCllt es; das bleibt so."),
                                                 {c.Name}),
                                             c.Line}
                                   : Finding{"always_fails",
                                             Fmt(Tr("Aufgabe",
                                                    "%1: Die Aufgabe l\xC3\xA4sst nichts \xC3\xA4ndern, und das "
                                                    "Startprojekt erf\xC3\xBCllt es nicht; das bleibt so."),
                                                 {c.Name}),
                                             c.Line});
        } else if (c.Passed && !plan[i].EvenAtStart && !atStart.Passed()) {
            out.push_back({"start_meets",
                           Fmt(Tr("Aufgabe",
                                  "%1: Das Startprojekt erf\xC3\xBCllt es schon; es bringt keine Punkte (au\xC3\x9F"
                                  "er mit startpunkte)."),
                               {c.Name}),
                           c.Line});
        }
    }

    // The reference solution.
    if (!in.Reference && !in.ReferenceAnswers) {
        out.push_back({"no_reference",
                       Tr("Aufgabe",
                          "Keine Musterl\xC3\xB6sung gefunden (NAME.loesung.fuz oder NAME.loesung.fuzantwort neben der "
                          "Aufgabe): Ob die Aufgabe l\xC3\xB6sbar ist, bleibt ungepr\xC3\xBC"
                          "ft."),
                       0});
    } else {
        // Numbers drawn by name have no one reference answer: only the rest is tried.
        Exercise tried = e;
        tried.Hand.erase(
            std::remove_if(tried.Hand.begin(), tried.Hand.end(), [](const HandCheck& h) { return h.ByName(); }),
            tried.Hand.end());
        const bool anything =
            !tried.Hand.empty() || !tried.Coverage.empty() || !tried.Truck.empty() || !tried.Loco.empty();
        if (anything) {
            const CheckResult r = Check(tried, e.NeedsProject() && in.Reference ? *in.Reference : start,
                                        in.ReferenceAnswers.value_or(Answers{}), options);
            if (r.Cancelled) return out;
            if (!r.Passed())
                out.push_back({"reference_fails",
                               Fmt(Tr("Aufgabe", "Die Musterl\xC3\xB6sung besteht nicht: %1"), {Failing(r)}), 0});
        }
    }

    // What a student could hand in without any work.
    if (e.NeedsProject())
        for (const NamedProject& x : in.Examples) {
            const CheckResult r = Check(e, x.Project, Answers{}, options);
            if (r.Cancelled) return out;
            if (r.Passed())
                out.push_back({"example_passes",
                               Fmt(Tr("Aufgabe",
                                      "%1 besteht die Aufgabe unver\xC3\xA4ndert: Wer es l\xC3\xA4"
                                      "dt und abgibt, "
                                      "besteht. Sperren Sie, was es anders hat (aenderbar), oder \xC3\xA4ndern Sie "
                                      "das Startprojekt."),
                                   {Quote(x.Name)}),
                               0});
        }
    std::stable_sort(out.begin(), out.end(),
                     [](const Finding& a, const Finding& b) { return a.Fault() && !b.Fault(); });
    return out;
}

}  // namespace exercise
