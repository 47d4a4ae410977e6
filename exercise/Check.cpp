#include "exercise/Check.h"

#include "fuzzy/Numbers.h"
#include "exercise/Sections.h"
#include "lab/LocoLab.h"
#include "lab/TruckLab.h"
#include "lab/Wording.h"
#include "fuzzy/Controller.h"
#include "fuzzy/Language.h"
#include "fuzzy/Surface.h"
#include "loco/model/LocoVersuch.h"
#include "truck/model/Grid.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace exercise {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

// At most this many places are named in one reason; the references hold all.
constexpr std::size_t NamedPlaces = 5;

bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

// A name in the quotation marks of the active language.
std::string Quote(const std::string& s) {
    return fuzzy::ActiveLanguage() == fuzzy::Language::English ? "\xE2\x80\x9C" + s + "\xE2\x80\x9D"
                                                               : "\xE2\x80\x9E" + s + "\xE2\x80\x9C";
}

// A number with a fixed count of decimals in the active language's style.
std::string Dec(double v, int decimals) { return lab::Number(v, decimals); }

// The decimals a criterion's figures are shown with: counts whole, times and
// distances to a hundredth. Its verdict and its reasons use the same.
int DecimalsOf(const std::string& unit) { return unit.empty() ? 0 : 2; }

// Whether v meets the limit as both are shown: a verdict never contradicts
// the figures beside it.
bool Meets(double v, double limit, Compare cmp, int decimals) {
    const double shown = lab::AsShown(v, decimals), bound = lab::AsShown(limit, decimals);
    return cmp == Compare::AtLeast ? shown >= bound : shown <= bound;
}

std::string Num(double v) { return NumberText(v); }

// A bound of an input interval for a person: four significant digits, and
// what lies within a millionth of 0 is 0 (the end just below 0 is a float
// next to it).
std::string Bound(float v) {
    if (std::fabs(v) < 1.0e-6f) return "0";
    const std::string t = fuzzy::GeneralText(double(v), 4);
    double d = 0.0;
    fuzzy::ReadNumber(t.data(), t.data() + t.size(), d);
    return NumberText(d);
}

const char* VariableLabel(int which) {
    switch (which) {
    case 0: return Tr("Aufgabe", "Eingang A");
    case 1: return Tr("Aufgabe", "Eingang B");
    default: return Tr("Aufgabe", "Ausgang");
    }
}

std::string TermName(const fuzzy::TFuzzy& v, int i) {
    const std::string n = v.GetTermName(i);
    return n.empty() ? "#" + std::to_string(i) : n;
}

// The places named in a reason, the first few of them.
std::string Places(const std::vector<std::string>& all, const char* separator = ", ") {
    std::string s;
    for (std::size_t i = 0; i < all.size() && i < NamedPlaces; ++i) s += (i ? separator : "") + all[i];
    if (all.size() > NamedPlaces) s += " \xE2\x80\xA6";
    return s;
}

std::string StartText(const dorvane::StartValues& s) {
    return "(" + Dec(s.CabX, 0) + " m, " + Dec(s.Attitude, 0) + "\xC2\xB0)";
}

std::string RunText(const pemrak::RunOptions& o) {
    return Fmt(Tr("Aufgabe", "bei %1 kg, Schritt %2 s"), {Num(o.Start.Masse), Num(o.Dt)});
}

CriterionResult Criterion(const char* id, std::string name, double measured, double limit, Compare cmp,
                          std::string unit, int line) {
    CriterionResult c;
    c.Id = id;
    c.Name = std::move(name);
    c.Measured = measured;
    c.Limit = limit;
    c.Direction = cmp;
    c.Unit = std::move(unit);
    c.Passed = Meets(measured, limit, cmp, DecimalsOf(c.Unit));
    c.Line = line;
    return c;
}

// ---- what changed ----------------------------------------------------------

void VariableChanges(int which, const fuzzy::TFuzzy& was, const fuzzy::TFuzzy& is, const Permissions& may,
                     std::vector<std::string>& out) {
    const char* label = VariableLabel(which);
    if (was.Defined != is.Defined) {
        out.push_back(Fmt(was.Defined ? Tr("Aufgabe", "%1 wurde entfernt.") : Tr("Aufgabe", "%1 kam hinzu."), {label}));
        return;
    }
    if (!was.Defined) return;
    if (!may.Ranges && (!SameBits(was.RangeMin, is.RangeMin) || !SameBits(was.RangeMax, is.RangeMax)))
        out.push_back(Fmt(Tr("Aufgabe", "Bereich von %1 ge\xC3\xA4ndert (%2 bis %3 statt %4 bis %5)."),
                          {label, Num(is.RangeMin), Num(is.RangeMax), Num(was.RangeMin), Num(was.RangeMax)}));
    if (may.Terms) return;
    if (was.UsedTerms() != is.UsedTerms()) {
        out.push_back(Fmt(Tr("Aufgabe", "Anzahl der Terme von %1 ge\xC3\xA4ndert (%2 statt %3)."),
                          {label, std::to_string(is.UsedTerms()), std::to_string(was.UsedTerms())}));
        return;
    }
    std::vector<std::string> terms;
    for (int i = 1; i <= was.UsedTerms(); ++i)
        for (int j = 1; j <= 5; ++j)
            if (!SameBits(was.GetParam(i, j), is.GetParam(i, j))) {
                terms.push_back(Quote(TermName(was, i)));
                break;
            }
    if (!terms.empty()) out.push_back(Fmt(Tr("Aufgabe", "Terme von %1 ge\xC3\xA4ndert: %2."), {label, Places(terms)}));
}

// ---- the checks ------------------------------------------------------------

void CheckCoverage(const CoverageCheck& cc, const fuzzy::Project& p, CheckResult& r) {
    const fuzzy::NoRuleRegions regions = fuzzy::FindNoRuleRegions(p);
    CriterionResult c = Criterion("coverage", Tr("Aufgabe", "Stellen ohne feuernde Regel"),
                                  static_cast<double>(regions.Boxes.size()), 0.0, Compare::AtMost, "", cc.Line);
    std::vector<std::string> places;
    for (const fuzzy::NoRuleBox& b : regions.Boxes) {
        // A range narrower than its figures show is the one value it shows.
        const auto range = [](const fuzzy::Interval& i) {
            const std::string low = Bound(i.Low.Value), high = Bound(i.High.Value);
            return low == high ? low : Fmt(Tr("Aufgabe", "%1 bis %2"), {low, high});
        };
        places.push_back(regions.TwoInputs ? Fmt(Tr("Aufgabe", "(A %1 / B %2)"), {range(b.A), range(b.B)})
                                           : Fmt(Tr("Aufgabe", "(A %1)"), {range(b.A)}));
    }
    if (!c.Passed) {
        c.Reasons.push_back(Fmt(Tr("Aufgabe", "Keine Regel feuert bei: %1"), {Places(places, "; ")}));
        c.Boxes = regions.Boxes;
    }
    r.Criteria.push_back(std::move(c));
}

// An answer within the tolerance of the engine's value. A deviation of
// exactly the tolerance counts as within it on either side: the slack covers
// the last digit of single precision in which the numbers are typed.
bool WithinTolerance(float student, float engine, double tolerance) {
    if (!std::isfinite(student) || !std::isfinite(engine)) return false;
    const double d = std::fabs(double(student) - double(engine));
    const double slack =
        4.0 * FLT_EPSILON * std::max({std::fabs(double(student)), std::fabs(double(engine)), tolerance});
    return d <= tolerance + slack;
}

struct Asked {
    std::string Label;
    float Engine = 0.0f;
    // Not given: not answered, whatever the right value (an empty box that
    // counted as 0 would tell which answers are 0); NaN: typed, but no number.
    std::optional<float> Student;
};

void CheckHand(const HandCheck& h, const fuzzy::Project& p, const Answers& answers, CheckResult& r) {
    const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(p, h.A, h.B.value_or(0.0f));
    static const PointAnswers none;
    const auto found = answers.Points.find(h.Point);
    const PointAnswers& a = found == answers.Points.end() ? none : found->second;
    const bool missing = found == answers.Points.end();
    const auto item = [](std::string label, float engine, const std::optional<float>& student) {
        return Asked{std::move(label), engine, student};
    };
    for (const Quantity q : h.Asked) {
        std::vector<Asked> items;
        const char* id = "";
        std::string name;
        switch (q) {
        case Quantity::Membership:
            id = "hand.membership";
            name = Tr("Aufgabe", "Zugeh\xC3\xB6rigkeitsgrade");
            for (int i = 1; i <= p.A.UsedTerms(); ++i)
                items.push_back(item(Fmt(Tr("Aufgabe", "Grad von %1 (A)"), {Quote(TermName(p.A, i))}),
                                     s.DegreeA[static_cast<std::size_t>(i - 1)],
                                     a.MembershipA[static_cast<std::size_t>(i - 1)]));
            if (p.B.Defined && h.B)
                for (int i = 1; i <= p.B.UsedTerms(); ++i)
                    items.push_back(item(Fmt(Tr("Aufgabe", "Grad von %1 (B)"), {Quote(TermName(p.B, i))}),
                                         s.DegreeB[static_cast<std::size_t>(i - 1)],
                                         a.MembershipB[static_cast<std::size_t>(i - 1)]));
            break;
        case Quantity::Firing: {
            id = "hand.firing";
            name = Tr("Aufgabe", "Feuerst\xC3\xA4rken der Regeln");
            const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
            for (int row = 1; row <= rows; ++row)
                for (int col = 1; col <= p.A.UsedTerms(); ++col) {
                    const int k = p.Rules.Get(row, col);
                    if (k < 1 || k > p.Out.UsedTerms()) continue;
                    const std::string label = p.B.Defined ? Fmt(Tr("Aufgabe", "Feuerst\xC3\xA4rke der Regel %1 und %2"),
                                                                {Quote(TermName(p.A, col)), Quote(TermName(p.B, row))})
                                                          : Fmt(Tr("Aufgabe", "Feuerst\xC3\xA4rke der Regel %1"),
                                                                {Quote(TermName(p.A, col))});
                    const std::size_t cell = static_cast<std::size_t>((row - 1) * 5 + col - 1);
                    items.push_back(
                        item(label, s.Strength[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)],
                             a.Firing[cell]));
                }
            break;
        }
        case Quantity::Heights:
            id = "hand.heights";
            name = Tr("Aufgabe", "H\xC3\xB6hen der Ausgangsterme");
            for (int k = 1; k <= p.Out.UsedTerms(); ++k)
                items.push_back(item(Fmt(Tr("Aufgabe", "H\xC3\xB6he von %1"), {Quote(TermName(p.Out, k))}),
                                     s.Activation[static_cast<std::size_t>(k - 1)],
                                     a.Heights[static_cast<std::size_t>(k - 1)]));
            break;
        case Quantity::Output:
            id = "hand.output";
            name = Tr("Aufgabe", "Scharfer Ausgangswert");
            // The value the sheet and the inspector show: a centroid that is
            // zero up to rounding is 0, so a tolerance is the same on both sides.
            items.push_back(item(Tr("Aufgabe", "Ausgangswert"),
                                 fuzzy::ZeroBelowRounding(s.Output, p.Out.RangeMin, p.Out.RangeMax), a.Output));
            break;
        }
        // What is wrong, never by how much: a deviation or a missing value
        // would hand the engine's number back to whoever reads it.
        const double tolerance = q == Quantity::Output ? h.OutputTolerance : h.Tolerance;
        std::vector<std::string> reasons;
        for (const Asked& it : items) {
            if (!it.Student) {
                reasons.push_back(Fmt(Tr("Aufgabe", "%1: nicht beantwortet."), {it.Label}));
                continue;
            }
            if (!std::isfinite(*it.Student)) {
                reasons.push_back(Fmt(Tr("Aufgabe", "%1: Der Eintrag ist keine Zahl."), {it.Label}));
                continue;
            }
            if (WithinTolerance(*it.Student, it.Engine, tolerance)) continue;
            reasons.push_back(
                Fmt(Tr("Aufgabe", "%1 stimmt nicht (erlaubte Abweichung %2)."), {it.Label, Num(tolerance)}));
        }
        CriterionResult c = Criterion(id, Fmt(Tr("Aufgabe", "%1 bei %2"), {name, h.Point}),
                                      static_cast<double>(reasons.size()), 0.0, Compare::AtMost, "", h.Line);
        c.Point = h.Point;
        if (missing && !c.Passed) c.Reasons.push_back(Fmt(Tr("Aufgabe", "Zu %1 gibt es keine Antworten."), {h.Point}));
        c.Reasons.insert(c.Reasons.end(), reasons.begin(), reasons.end());
        r.Criteria.push_back(std::move(c));
    }
}

CriterionResult RulesCriterion(const fuzzy::Project& p, int limit, int line) {
    const int filled = FilledRules(p);
    CriterionResult c =
        Criterion("rules", Tr("Aufgabe", "Gef\xC3\xBCllte Regelfelder"), filled, limit, Compare::AtMost, "", line);
    if (!c.Passed)
        c.Reasons.push_back(Fmt(Tr("Aufgabe",
                                   "Die Tabelle hat %1 Regeln, erlaubt sind h\xC3\xB6"
                                   "chstens %2."),
                                {std::to_string(filled), std::to_string(limit)}));
    return c;
}

// Every truck run of all sections, each speed once, without the tracks.
struct TruckRuns {
    std::vector<float> Speeds;
    std::vector<lab::TruckSet> Sets;  // per speed
};

bool RunTrucks(const Exercise& e, const fuzzy::Project& p, const CheckOptions& o, TruckRuns& out) {
    for (const TruckCheck& t : e.Truck)
        for (float v : t.Speeds)
            if (std::find_if(out.Speeds.begin(), out.Speeds.end(), [&](float x) { return SameBits(x, v); }) ==
                out.Speeds.end())
                out.Speeds.push_back(v);
    for (const float v : out.Speeds) {
        if (!o.Run) {
            out.Sets.emplace_back();
            continue;
        }
        lab::TruckRequest request;
        request.Speed = v;
        request.KeepTracks = false;
        request.Threads = o.Threads;
        request.Cancel = o.Cancel;
        out.Sets.push_back(lab::RunTrucks(p, request));
        if (out.Sets.back().Cancelled) return false;
    }
    return true;
}

// Whether a docked run docked in time: within the exercise's limit, or
// without one within the lab's usual time (a crawl to the line is no docking).
bool DockedInTime(const lab::TruckRun& r, const TruckCheck& t) {
    if (!lab::Docked(r.Verdict)) return false;
    if (!t.MaxDockSeconds) return r.Verdict != lab::TruckVerdict::DockedSlowly;
    return Meets(r.Run.Result.Steps * double(dorvane::StepSeconds), *t.MaxDockSeconds, Compare::AtMost, 1);
}

void CheckTruck(const TruckCheck& t, const fuzzy::Project& p, const TruckRuns& runs, CheckResult& r) {
    for (float v : t.Speeds) {
        std::size_t g = 0;
        while (!SameBits(runs.Speeds[g], v)) ++g;
        const std::vector<lab::TruckRun>& rs = runs.Sets[g].Runs;
        const lab::TruckFigures& f = runs.Sets[g].Figures;
        const std::string speed = Num(v) + " m/s";
        const auto start = [&rs](std::size_t i) { return rs[i].Run.Result.Start; };
        if (t.MinDocked) {
            int docked = 0;
            std::vector<std::string> missed, slow;
            for (std::size_t i = 0; i < rs.size(); ++i) {
                if (DockedInTime(rs[i], t))
                    ++docked;
                else
                    (lab::Docked(rs[i].Verdict) ? slow : missed).push_back(StartText(start(i)));
            }
            CriterionResult c = Criterion("truck.docked", Fmt(Tr("Aufgabe", "Angedockt bei %1"), {speed}), docked,
                                          *t.MinDocked, Compare::AtLeast, "", t.Line);
            c.Speed = v;
            if (!c.Passed) {
                for (std::size_t i = 0; i < rs.size(); ++i)
                    if (!DockedInTime(rs[i], t)) c.Starts.push_back(StartRef{v, static_cast<int>(i), start(i)});
                c.Reasons.push_back(
                    Fmt(Tr("Aufgabe", "%1 von %2 Starts docken an, verlangt sind %3. Nicht angedockt: %4"),
                        {std::to_string(docked), std::to_string(f.Grid.Starts), std::to_string(*t.MinDocked),
                         missed.empty() ? std::string(lab::None) : Places(missed)}));
                // A crawl to the line reaches it, but not in the time a lesson allows.
                const double limit =
                    t.MaxDockSeconds ? double(*t.MaxDockSeconds) : lab::UsualSteps(v) * double(dorvane::StepSeconds);
                if (!slow.empty())
                    c.Reasons.push_back(
                        Fmt(Tr("Aufgabe", "Erst nach mehr als %1 s angedockt: %2"), {Dec(limit, 1), Places(slow)}));
            }
            r.Criteria.push_back(std::move(c));
        }
        if (t.MaxLeftRoad) {
            CriterionResult c = Criterion("truck.left_road",
                                          Fmt(Tr("Aufgabe",
                                                 "Stra\xC3\x9F"
                                                 "e verlassen bei %1"),
                                              {speed}),
                                          f.Grid.LeftRoad(), *t.MaxLeftRoad, Compare::AtMost, "", t.Line);
            c.Speed = v;
            std::vector<std::string> places;
            for (std::size_t i = 0; i < rs.size(); ++i)
                if (rs[i].Verdict == lab::TruckVerdict::LeftRoad) {
                    places.push_back(StartText(start(i)));
                    if (!c.Passed) c.Starts.push_back(StartRef{v, static_cast<int>(i), start(i)});
                }
            if (!c.Passed)
                c.Reasons.push_back(Fmt(Tr("Aufgabe",
                                           "Starts, die die Stra\xC3\x9F"
                                           "e verlassen: %1 \xE2\x80\x93 %2"),
                                        {std::to_string(f.Grid.LeftRoad()), Places(places)}));
            r.Criteria.push_back(std::move(c));
        }
        {
            // Always: a truck that docks only because the steering falls to
            // the range start where no rule fires has not been controlled.
            CriterionResult c = Criterion(
                "truck.no_rule", Fmt(Tr("Aufgabe", "Fahrten durch Stellen ohne feuernde Regel bei %1"), {speed}),
                static_cast<double>(f.NoRule()), 0.0, Compare::AtMost, "", t.Line);
            c.Speed = v;
            std::vector<std::string> places;
            for (std::size_t i = 0; i < rs.size(); ++i)
                if (rs[i].NoRule != dorvane::NoRulePlace::Never) {
                    places.push_back(StartText(start(i)));
                    c.Starts.push_back(StartRef{v, static_cast<int>(i), start(i)});
                }
            if (!c.Passed)
                c.Reasons.push_back(Fmt(Tr("Aufgabe",
                                           "%1 von %2 Fahrten kommen an Stellen, an denen keine Regel feuert "
                                           "(dort f\xC3\xA4llt der Ausgang auf den Anfang seines Bereichs): %3"),
                                        {std::to_string(f.NoRule()), std::to_string(f.Grid.Starts), Places(places)}));
            r.Criteria.push_back(std::move(c));
        }
    }
    if (t.MaxRules) r.Criteria.push_back(RulesCriterion(p, *t.MaxRules, t.Line));
}

bool ForceWithin(const pemrak::RunResult& run, const fuzzy::TFuzzy& out) {
    for (const pemrak::TrackPoint& pt : run.Track)
        if (!(pt.Kraft >= out.RangeMin && pt.Kraft <= out.RangeMax)) return false;
    return true;
}

// The point of a track its reason names, for the lab to show: where it came
// to rest (the end when it never does), its farthest past the mark, its
// first force beyond the range, the sign change beyond the limit.
int RestPoint(const pemrak::JudgedRun& j) {
    const auto& track = j.Run.Track;
    if (track.empty()) return 0;
    if (j.AtRestFrom)
        for (std::size_t k = track.size(); k-- > 0;)
            if (track[k].t == *j.AtRestFrom) return static_cast<int>(k);
    return static_cast<int>(track.size()) - 1;
}

int OvershootPoint(const pemrak::RunResult& run) {
    int bei = 0;
    for (std::size_t k = 1; k < run.Track.size(); ++k)
        if (-run.Track[k].sCm > -run.Track[static_cast<std::size_t>(bei)].sCm || !std::isfinite(run.Track[k].sCm))
            bei = static_cast<int>(k);
    return bei;
}

int ForcePoint(const pemrak::RunResult& run, const fuzzy::TFuzzy& out) {
    for (std::size_t k = 0; k < run.Track.size(); ++k)
        if (!(run.Track[k].Kraft >= out.RangeMin && run.Track[k].Kraft <= out.RangeMax)) return static_cast<int>(k);
    return 0;
}

int SignChangePoint(const pemrak::RunResult& run, int limit) {
    int zuletzt = 0, wechsel = 0;
    for (std::size_t k = 1; k < run.Track.size(); ++k) {
        const float f = run.Track[k].Kraft;
        const int vz = (f > 0.0f) - (f < 0.0f);
        if (vz == 0) continue;
        if (zuletzt != 0 && vz != zuletzt && ++wechsel > limit) return static_cast<int>(k);
        zuletzt = vz;
    }
    return 0;
}

bool CheckLoco(const LocoCheck& l, const fuzzy::Project& p, const CheckOptions& o, CheckResult& r) {
    const std::vector<pemrak::RunOptions> runs = l.Runs();
    lab::LocoRequest request;
    request.Base = runs.empty() ? pemrak::RunOptions{} : runs.front();
    request.Masses = l.Masses;
    request.Steps = l.Steps;
    request.Threads = o.Threads;
    request.Cancel = o.Cancel;
    const lab::LocoSet set = o.Run ? lab::RunLocos(p, request) : lab::LocoSet{};
    if (set.Cancelled) return false;
    // Runs that could not be made fail every criterion, with the reason why.
    const std::vector<pemrak::JudgedRun>& judged = set.Runs;
    const auto refused = [&](CriterionResult& c) {
        if (!set.Error) return false;
        c.Passed = false;
        c.Measured = HUGE_VAL;
        c.Reasons.push_back(*set.Error);
        c.Runs = runs;
        c.RunPoints.assign(runs.size(), 0);
        r.Criteria.push_back(std::move(c));
        return true;
    };
    const int shown = DecimalsOf("s");

    if (l.RestWithin) {
        double latest = 0.0;
        CriterionResult c =
            Criterion("loco.rest", Tr("Aufgabe", "In Ruhe nach"), 0.0, *l.RestWithin, Compare::AtMost, "s", l.Line);
        if (!refused(c)) {
            for (std::size_t i = 0; i < judged.size(); ++i) {
                const pemrak::JudgedRun& j = judged[i];
                // A run that never rests has no time to show: its end is no
                // time at which it rested, and it may well lie below the limit.
                const double at = j.AtRestFrom ? double(*j.AtRestFrom) : HUGE_VAL;
                latest = std::max(latest, at);
                if (j.AtRestFrom && Meets(at, *l.RestWithin, Compare::AtMost, shown)) continue;
                c.Runs.push_back(runs[i]);
                c.RunPoints.push_back(RestPoint(j));
                c.Reasons.push_back(
                    j.AtRestFrom ? Fmt(Tr("Aufgabe", "%1 erst nach %2 s in Ruhe"), {RunText(runs[i]), Dec(at, shown)})
                                 : Fmt(Tr("Aufgabe", "%1 nicht in Ruhe (Ende nach %2 s)"),
                                       {RunText(runs[i]), Dec(j.Figures.EndT, shown)}));
            }
            c.Measured = latest;
            c.Passed = c.Runs.empty();
            r.Criteria.push_back(std::move(c));
        }
    }
    if (l.MaxOvershootCm) {
        double most = 0.0;
        CriterionResult c = Criterion("loco.overshoot",
                                      Tr("Aufgabe",
                                         "\xC3\x9C"
                                         "ber die Marke hinaus"),
                                      0.0, *l.MaxOvershootCm, Compare::AtMost, "cm", l.Line);
        if (!refused(c)) {
            for (std::size_t i = 0; i < judged.size(); ++i) {
                const double over = judged[i].Figures.OvershootCm;
                const bool finite = judged[i].Figures.Finite && std::isfinite(over);
                most = std::max(most, finite ? over : 1.0e9);
                if (finite && Meets(over, *l.MaxOvershootCm, Compare::AtMost, shown)) continue;
                c.Runs.push_back(runs[i]);
                c.RunPoints.push_back(OvershootPoint(judged[i].Run));
                c.Reasons.push_back(Fmt(Tr("Aufgabe",
                                           "%1 %2 cm \xC3\xBC"
                                           "ber die Marke"),
                                        {RunText(runs[i]), finite ? Dec(over, shown) : std::string("\xE2\x88\x9E")}));
            }
            c.Measured = most;
            c.Passed = c.Runs.empty();
            r.Criteria.push_back(std::move(c));
        }
    }
    if (l.ForceInRange) {
        CriterionResult c = Criterion("loco.force",
                                      Tr("Aufgabe",
                                         "Fahrten mit Kraft au\xC3\x9F"
                                         "erhalb des Ausgangsbereichs"),
                                      0.0, 0.0, Compare::AtMost, "", l.Line);
        if (!refused(c)) {
            for (std::size_t i = 0; i < judged.size(); ++i) {
                if (ForceWithin(judged[i].Run, p.Out)) continue;
                c.Runs.push_back(runs[i]);
                c.RunPoints.push_back(ForcePoint(judged[i].Run, p.Out));
                c.Reasons.push_back(Fmt(Tr("Aufgabe",
                                           "%1 liegt die Kraft au\xC3\x9F"
                                           "erhalb von %2 bis %3 N"),
                                        {RunText(runs[i]), Num(p.Out.RangeMin), Num(p.Out.RangeMax)}));
            }
            c.Measured = static_cast<double>(c.Runs.size());
            c.Passed = c.Runs.empty();
            r.Criteria.push_back(std::move(c));
        }
    }
    if (l.MaxSignChanges) {
        int most = 0;
        CriterionResult c = Criterion("loco.sign_changes", Tr("Aufgabe", "Vorzeichenwechsel der Kraft"), 0.0,
                                      *l.MaxSignChanges, Compare::AtMost, "", l.Line);
        if (!refused(c)) {
            for (std::size_t i = 0; i < judged.size(); ++i) {
                const int n = judged[i].Figures.SignChanges;
                most = std::max(most, n);
                if (n <= *l.MaxSignChanges) continue;
                c.Runs.push_back(runs[i]);
                c.RunPoints.push_back(SignChangePoint(judged[i].Run, *l.MaxSignChanges));
                c.Reasons.push_back(Fmt(Tr("Aufgabe", "%1 wechselt die Kraft %2-mal das Vorzeichen"),
                                        {RunText(runs[i]), std::to_string(n)}));
            }
            c.Measured = most;
            c.Passed = c.Runs.empty();
            r.Criteria.push_back(std::move(c));
        }
    }
    if (l.MaxRules) r.Criteria.push_back(RulesCriterion(p, *l.MaxRules, l.Line));
    return true;
}

}  // namespace

int FilledRules(const fuzzy::Project& p) {
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    int n = 0;
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= p.A.UsedTerms(); ++col) {
            const int k = p.Rules.Get(row, col);
            if (k >= 1 && k <= p.Out.UsedTerms()) ++n;
        }
    return n;
}

std::vector<std::string> ForbiddenChanges(const Exercise& e, const fuzzy::Project& student) {
    std::vector<std::string> out;
    const fuzzy::Project start = e.StartProject();
    VariableChanges(0, start.A, student.A, e.MayChange, out);
    VariableChanges(1, start.B, student.B, e.MayChange, out);
    VariableChanges(2, start.Out, student.Out, e.MayChange, out);
    if (!e.MayChange.Rules) {
        std::vector<std::string> cells;
        for (int row = 1; row <= 5; ++row)
            for (int col = 1; col <= 5; ++col)
                if (start.Rules.Get(row, col) != student.Rules.Get(row, col))
                    cells.push_back(start.B.Defined
                                        ? Quote(TermName(start.A, col)) + " / " + Quote(TermName(start.B, row))
                                        : Quote(TermName(start.A, col)));
        if (!cells.empty())
            out.push_back(Fmt(Tr("Aufgabe", "Regeln ge\xC3\xA4ndert (%1 Felder): %2"),
                              {std::to_string(cells.size()), Places(cells)}));
    }
    return out;
}

CheckResult Check(const Exercise& e, const fuzzy::Project& student, const Answers& answers, const CheckOptions& o) {
    CheckResult r;
    r.TeacherMarks = e.MarkedBy != Marking::Automatic;
    r.Changes = ForbiddenChanges(e, student);
    if (!r.Changes.empty()) {
        r.Overall = Verdict::Refused;
        return r;
    }
    std::vector<std::string> hints;
    // A section's hint is about its runs and places: the rule count says
    // all there is to say in its own reason.
    const auto failedFrom = [&](std::size_t before, const Text& hint) {
        for (std::size_t i = before; i < r.Criteria.size(); ++i)
            if (!r.Criteria[i].Passed && r.Criteria[i].Id != "rules") {
                if (!hint.Empty() && std::find(hints.begin(), hints.end(), hint.Active()) == hints.end())
                    hints.push_back(hint.Active());
                return;
            }
    };
    for (const CoverageCheck& c : e.Coverage) {
        const std::size_t before = r.Criteria.size();
        CheckCoverage(c, student, r);
        failedFrom(before, c.Hint);
    }
    for (const HandCheck& h : e.Hand) {
        const std::size_t before = r.Criteria.size();
        CheckHand(h, student, answers, r);
        failedFrom(before, h.Hint);
    }
    TruckRuns trucks;
    if (!RunTrucks(e, student, o, trucks)) {
        r.Cancelled = true;
        return r;
    }
    for (const TruckCheck& t : e.Truck) {
        const std::size_t before = r.Criteria.size();
        CheckTruck(t, student, trucks, r);
        failedFrom(before, t.Hint);
    }
    for (const LocoCheck& l : e.Loco) {
        const std::size_t before = r.Criteria.size();
        if (!CheckLoco(l, student, o, r)) {
            r.Cancelled = true;
            return r;
        }
        failedFrom(before, l.Hint);
    }
    const bool all =
        std::all_of(r.Criteria.begin(), r.Criteria.end(), [](const CriterionResult& c) { return c.Passed; });
    r.Overall = all ? Verdict::Passed : Verdict::Failed;
    if (!all) {
        r.Hints = hints;
        if (!e.Hint.Empty()) r.Hints.push_back(e.Hint.Active());
    }
    return r;
}

std::string FigureText(const CriterionResult& c, double v) {
    // A run that never rests has no time; counts (a hand step's wrong or
    // missing answers too) whole; times and distances to a hundredth.
    if (!std::isfinite(v))
        return c.Id == "loco.rest" ? std::string(Tr("Aufgabe", "kommt nicht zur Ruhe")) : std::string(lab::None);
    return Dec(v, DecimalsOf(c.Unit));
}

std::string MeasuredText(const CriterionResult& c) {
    if (c.Id == "loco.rest" && !std::isfinite(c.Measured)) return Tr("Aufgabe", "kommt nicht zur Ruhe");
    return FigureText(c, c.Measured) + (c.Unit.empty() ? "" : " " + c.Unit);
}

std::string LimitText(const CriterionResult& c) {
    const std::string limit = FigureText(c, c.Limit) + (c.Unit.empty() ? "" : " " + c.Unit);
    return c.Direction == Compare::AtLeast ? Fmt(Tr("Aufgabe", "mindestens %1"), {limit})
                                           : Fmt(Tr("Aufgabe",
                                                    "h\xC3\xB6"
                                                    "chstens %1"),
                                                 {limit});
}

std::string Summary(const CriterionResult& c) {
    const std::string limit = LimitText(c);
    if (c.Id.rfind("hand.", 0) == 0)
        return Fmt(Tr("Aufgabe", "%1: %2 falsch oder nicht beantwortet (%3)"),
                   {c.Name, FigureText(c, c.Measured), limit});
    if (c.Id == "loco.rest" && !std::isfinite(c.Measured))
        return Fmt(Tr("Aufgabe", "%1: kommt nicht zur Ruhe (%2)"), {c.Name, limit});
    return Fmt(Tr("Aufgabe", "%1: %2 (%3)"), {c.Name, MeasuredText(c), limit});
}

std::string VerdictText(Verdict v) {
    switch (v) {
    case Verdict::Passed: return Tr("Aufgabe", "bestanden");
    case Verdict::Failed: return Tr("Aufgabe", "nicht bestanden");
    case Verdict::Refused: return Tr("Aufgabe", "abgelehnt: ge\xC3\xA4ndert, was die Aufgabe nicht erlaubt");
    }
    return {};
}

}  // namespace exercise
