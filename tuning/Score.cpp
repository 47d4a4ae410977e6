#include "tuning/Score.h"

#include "loco/model/LocoVersuch.h"
#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/Language.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace tuning {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

constexpr float LostBesideLine = 30.0f;  // m
constexpr float LostAboveStart = 10.0f;  // m

const std::vector<dorvane::StartValues>& Starts() {
    static const std::vector<dorvane::StartValues> starts = dorvane::GridStarts();
    return starts;
}

const std::vector<float>& StartRearXs() {
    static const std::vector<float> rear = [] {
        std::vector<float> r;
        for (const auto& s : Starts()) r.push_back(dorvane::RearXAtStart(s));
        return r;
    }();
    return rear;
}

// The rule cells whose firing strength is above 0 at the inputs' current
// values (row 1 alone without input B).
std::uint32_t CellsFiring(const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B) {
    std::array<float, fuzzy::MaxTerms> ma{}, mb{};
    const int na = A.Memberships(ma);
    std::uint32_t rows = 1;
    if (B.Defined) {
        rows = 0;
        const int nb = B.Memberships(mb);
        for (int j = 0; j < nb; ++j)
            if (mb[static_cast<std::size_t>(j)] > 0.0f) rows |= 1u << j;
    }
    std::uint32_t cells = 0;
    for (int i = 0; i < na; ++i)
        if (ma[static_cast<std::size_t>(i)] > 0.0f)
            for (int j = 0; j < fuzzy::MaxTerms; ++j)
                if ((rows >> j & 1u) != 0) cells |= 1u << (j * 5 + i);
    return cells;
}

// How the first key compares with the bound's: the evaluation can be spared
// when it is worse, and the runs must match the bound's count when equal.
enum class AgainstBound { NoBound, Better, Equal, Worse };

AgainstBound Compare(int pieces, const Score* bound) {
    if (!bound || !bound->Complete) return AgainstBound::NoBound;
    if (pieces < bound->NoRulePieces) return AgainstBound::Better;
    return pieces == bound->NoRulePieces ? AgainstBound::Equal : AgainstBound::Worse;
}

// A scored truck run: the control loop of dorvane::RunFuzzy, given up as
// lost once the rear point is 30 m beside the target line or 10 m above
// where it started (the truck has turned round), or after 150 m of driving.
// None of these can end in docking on the road; giving up early keeps a
// hopeless table cheap.
dorvane::RunResult ScoreRun(const fuzzy::Controller& c, dorvane::StartValues start, float speed,
                            std::uint32_t& reached) {
    dorvane::RunResult r;
    r.Start = start;
    dorvane::TTruck truck;
    dorvane::PlaceTruck(truck, start.CabX, dorvane::HeadingForAttitude(start.Attitude), speed);
    const float startY = truck.RearY;
    float heading = truck.Heading();
    const int maxSteps = TruckScoreSteps(speed);
    auto note = [&] {
        const float ax = std::fabs(truck.RearX);
        if (ax > r.MaxAbsX) r.MaxAbsX = ax;
        if (!dorvane::OnRoad(truck.RearX)) r.LeftRoad = true;
    };
    note();
    while (r.Steps < maxSteps && !dorvane::Arrived(truck)) {
        if (!(std::fabs(truck.RearX) <= LostBesideLine && truck.RearY <= startY + LostAboveStart)) break;
        const bool driven = dorvane::FuzzyControlStepFrom(truck, c, heading);
        reached |= CellsFiring(c.A, c.B);
        if (!driven) {
            r.Aborted = true;
            break;
        }
        ++r.Steps;
        heading = truck.Heading();
        note();
    }
    r.Arrived = !r.Aborted && dorvane::Arrived(truck);
    r.X = truck.RearX;
    r.Attitude = dorvane::AttitudeOfHeading(heading);
    return r;
}

bool Cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

Score EvaluateTruck(fuzzy::Project& p, const Score* bound, const std::atomic<bool>* cancel) {
    Score s;
    s.Kind = Vehicle::Truck;
    s.NoRulePieces = fuzzy::FindNoRuleRegions(p).DeadPieces;
    const AgainstBound against = Compare(s.NoRulePieces, bound);
    if (against == AgainstBound::Worse) return s;
    const fuzzy::Controller c(p);
    const int total = static_cast<int>(Starts().size() * TruckSpeeds.size());
    const int allowedMisses = against == AgainstBound::Equal ? total - bound->Truck.Docked() : total;
    int misses = 0;
    // The fast runs are short: a hopeless table shows itself cheaply there.
    for (const std::size_t g : {std::size_t{1}, std::size_t{0}}) {
        const float speed = TruckSpeeds[g];
        std::vector<dorvane::StartRun> runs;
        runs.reserve(Starts().size());
        for (std::size_t i = 0; i < Starts().size(); ++i) {
            if (Cancelled(cancel) || misses > allowedMisses) return s;
            dorvane::StartRun r;
            r.StartRearX = StartRearXs()[i];
            r.Result = ScoreRun(c, Starts()[i], speed, s.Reached);
            r.Quality = dorvane::Judge(r.Result, r.StartRearX);
            if (!r.Quality.Good()) ++misses;
            runs.push_back(std::move(r));
        }
        s.Truck.Grid[g] = dorvane::Figures(runs);
    }
    if (misses > allowedMisses) return s;
    s.Complete = true;
    double worst = 0.0;
    for (const auto& f : s.Truck.Grid) worst = std::max(worst, f.WorstX / 0.1 + f.WorstAttitude);
    s.Keys = {double(s.NoRulePieces),     -double(s.Truck.Docked()),
              double(s.Truck.LeftRoad()), worst,
              -double(s.Truck.Arrived()), 0.0};
    return s;
}

// A good locomotive run: at rest at the mark, not far past it, the force
// within the output's range all the way.
bool ForceWithin(const pemrak::RunResult& lauf, const fuzzy::TFuzzy& out) {
    for (const pemrak::TrackPoint& pt : lauf.Track)
        if (!(pt.Kraft >= out.RangeMin && pt.Kraft <= out.RangeMax)) return false;
    return true;
}

Score EvaluateLoco(fuzzy::Project& p, const Score* bound, const std::atomic<bool>* cancel) {
    Score s;
    s.Kind = Vehicle::Loco;
    s.NoRulePieces = fuzzy::FindNoRuleRegions(p).DeadPieces;
    const AgainstBound against = Compare(s.NoRulePieces, bound);
    if (against == AgainstBound::Worse) return s;
    const fuzzy::Controller regler(p);
    pemrak::RunOptions basis;
    const int total = static_cast<int>(pemrak::LabMasses().size() * pemrak::LabSteps().size());
    const int allowedMisses = against == AgainstBound::Equal ? total - bound->Loco.Good : total;
    // Against a bound whose runs are all good without surplus sign changes,
    // only the time of coming to rest can still make a difference: a run not
    // at rest a second after the bound's latest time is beaten already.
    if (against == AgainstBound::Equal && bound->Loco.Good == total && bound->Loco.ExcessSignChanges == 0) {
        basis.MaxTime = std::min(basis.MaxTime, static_cast<float>(bound->Loco.LatestRest + 1.0));
        s.Provisional = true;
    }
    LocoFigures& f = s.Loco;
    for (const float masse : pemrak::LabMasses()) {
        for (const float dt : pemrak::LabSteps()) {
            if (Cancelled(cancel) || f.Runs - f.Good > allowedMisses) return s;
            pemrak::RunOptions o = basis;
            o.Start.Masse = masse;
            o.Dt = dt;
            const pemrak::JudgedRun v = pemrak::RunAndJudge(regler, o);
            ++f.Runs;
            const bool forceWithin = ForceWithin(v.Run, p.Out);
            f.ForceOutside += !forceWithin;
            if (v.ExactFrom) ++f.AtRest;
            if (v.ExactFrom && forceWithin && double(v.Figures.OvershootCm) <= GoodOvershootCm) ++f.Good;
            f.MostSignChanges = std::max(f.MostSignChanges, v.Figures.SignChanges);
            f.ExcessSignChanges += std::max(0, v.Figures.SignChanges - FreeSignChanges);
            f.LatestRest = std::max(f.LatestRest, double(v.ExactFrom.value_or(v.Figures.EndT)));
            f.Overshoot = std::max(f.Overshoot, double(v.Figures.OvershootCm));
            const double miss = std::fabs(double(v.Figures.EndSCm)) + std::fabs(double(v.Figures.EndVCms));
            f.EndMiss += std::isfinite(miss) ? miss : 1.0e9;
            // Each step's force came from the state the step started in: every
            // point but the last.
            for (std::size_t i = 0; i + 1 < v.Run.Track.size(); ++i) {
                p.A.Value = v.Run.Track[i].sCm;
                p.B.Value = v.Run.Track[i].vCms;
                s.Reached |= CellsFiring(p.A, p.B);
            }
        }
    }
    if (f.Runs - f.Good > allowedMisses) return s;
    s.Complete = true;
    s.Keys = {double(s.NoRulePieces), -double(f.Good), double(f.ExcessSignChanges),
              f.LatestRest,           f.Overshoot,     f.EndMiss};
    return s;
}

std::string Fixed(double v, int decimals, Decimals d) {
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s << std::fixed << std::setprecision(decimals) << v;
    std::string t = s.str();
    if (d == Decimals::Comma) std::replace(t.begin(), t.end(), '.', fuzzy::DecimalSign());
    return t;
}

// A decimal written into the text, such as "0.5": with the chosen sign.
std::string Num(const char* text, Decimals d) {
    std::string t = text;
    if (d == Decimals::Comma) std::replace(t.begin(), t.end(), '.', fuzzy::DecimalSign());
    return t;
}

}  // namespace

int TruckScoreSteps(float speed) {
    const double perStep = std::fabs(double(speed) * dorvane::StepSeconds);
    if (!(perStep > 0.0)) return dorvane::DefaultMaxSteps;
    return static_cast<int>(std::min(double(dorvane::DefaultMaxSteps), std::ceil(150.0 / perStep)));
}

bool Better(const Score& a, const Score& b) {
    if (a.Complete != b.Complete) return a.Complete;
    if (!a.Complete) return false;
    // NaN never wins: a key that is not a number counts as the worst.
    for (std::size_t i = 0; i < a.Keys.size(); ++i) {
        const double x = std::isnan(a.Keys[i]) ? HUGE_VAL : a.Keys[i];
        const double y = std::isnan(b.Keys[i]) ? HUGE_VAL : b.Keys[i];
        if (x != y) return x < y;
    }
    return false;
}

std::string Describe(const Score& s, Decimals d) {
    if (!s.Complete) return Tr("KernBewertung", "nicht vollst\xC3\xA4ndig bewertet");
    // One pattern per line; the labels are padded so that the figures line
    // up, in each language as it needs.
    std::vector<std::string> lines;
    if (s.Kind == Vehicle::Truck) {
        const TruckFigures& t = s.Truck;
        std::string grid;
        for (std::size_t g = 0; g < TruckSpeeds.size(); ++g) {
            std::ostringstream speed;
            speed << TruckSpeeds[g];
            grid += (g ? ", " : "") +
                    Fmt(Tr("KernBewertung", "%1 von %2 bei %3 m/s"),
                        {std::to_string(t.Grid[g].Docked), std::to_string(t.Grid[g].Starts), speed.str()});
        }
        lines.push_back(Fmt(Tr("KernBewertung", "Ziel erreicht:     %1"), {grid}));
        lines.push_back(Fmt(Tr("KernBewertung",
                               "Stra\xC3\x9F"
                               "e verlassen:  %1 Starts (hinten x <= 0 beim Start)"),
                            {std::to_string(t.LeftRoad())}));
        lines.push_back(Fmt(Tr("KernBewertung", "angekommen:        %1 von %2"),
                            {std::to_string(t.Arrived()), std::to_string(t.Starts())}));
        // Without an arrival there is no end position to speak of: no zeros.
        if (t.Arrived() == 0)
            lines.push_back(
                Tr("KernBewertung", "gr\xC3\xB6\xC3\x9Fte |x| am Ende: \xE2\x80\x93 (kein Lauf angekommen)"));
        else
            lines.push_back(
                Fmt(Tr("KernBewertung",
                       "gr\xC3\xB6\xC3\x9Fte |x| am Ende: %1 m, gr\xC3\xB6\xC3\x9Fte |Lage| am Ende: %2 Grad"),
                    {Fixed(std::max(t.Grid[0].WorstX, t.Grid[1].WorstX), 4, d),
                     Fixed(std::max(t.Grid[0].WorstAttitude, t.Grid[1].WorstAttitude), 3, d)}));
    } else {
        const LocoFigures& l = s.Loco;
        const std::string runs = std::to_string(l.Runs);
        lines.push_back(Fmt(Tr("KernBewertung",
                               "gut:               %1 von %2 L\xC3\xA4ufen (in Ruhe, h\xC3\xB6"
                               "chstens %3 cm hinter der Marke, Kraft im Ausgangsbereich)"),
                            {std::to_string(l.Good), runs, Num("0.5", d)}));
        lines.push_back(Fmt(Tr("KernBewertung",
                               "in Ruhe:           %1 von %2 L\xC3\xA4ufen (|s| < %3 cm, |v| < %3 cm/s; 1, 2, 4 kg; "
                               "Schritte %4 s und %5 s)"),
                            {std::to_string(l.AtRest), runs, Num("0.5", d), Num("0.055", d), Num("0.1", d)}));
        std::string changes = Fmt(Tr("KernBewertung",
                                     "Kraftwechsel:      h\xC3\xB6"
                                     "chstens %1 Vorzeichenwechsel in einem Lauf"),
                                  {std::to_string(l.MostSignChanges)});
        if (l.ExcessSignChanges > 0)
            changes = Fmt(Tr("KernBewertung",
                             "%1 (%2 \xC3\xBC"
                             "ber %3 je Lauf)"),
                          {changes, std::to_string(l.ExcessSignChanges), std::to_string(FreeSignChanges)});
        lines.push_back(changes);
        if (l.AtRest == 0)
            lines.push_back(Tr("KernBewertung", "sp\xC3\xA4testens ab:     \xE2\x80\x93 (kein Lauf kommt zur Ruhe)"));
        else
            lines.push_back(Fmt(l.AtRest < l.Runs ? Tr("KernBewertung",
                                                       "sp\xC3\xA4testens ab:     t = %1 s (L\xC3\xA4ufe ohne Ruhe mit "
                                                       "ihrem Ende)")
                                                  : Tr("KernBewertung", "sp\xC3\xA4testens ab:     t = %1 s"),
                                {Fixed(l.LatestRest, 3, d)}));
        lines.push_back(Fmt(Tr("KernBewertung",
                               "\xC3\x9C"
                               "berschwingen:    %1 cm hinter der Marke"),
                            {Fixed(l.Overshoot, 4, d)}));
    }
    lines.push_back(s.NoRulePieces == 0
                        ? std::string(Tr("KernBewertung", "ohne Regel:        keine Stelle der Eingangsbereiche"))
                        : Fmt(Tr("KernBewertung",
                                 "ohne Regel:        %1 St\xC3\xBC"
                                 "cke der Eingangsbereiche, dort f\xC3\xA4llt der Ausgang auf den Bereichsanfang"),
                              {std::to_string(s.NoRulePieces)}));
    std::string out;
    for (const std::string& line : lines) out += (out.empty() ? "" : "\n") + line;
    return out;
}

std::string OneLine(const Score& s, Decimals d) {
    if (!s.Complete) return Tr("KernBewertung", "nicht vollst\xC3\xA4ndig bewertet");
    std::string out = s.Kind == Vehicle::Truck
                          ? Fmt(Tr("KernBewertung",
                                   "Ziel erreicht %1 von %2, Stra\xC3\x9F"
                                   "e verlassen %3"),
                                {std::to_string(s.Truck.Docked()), std::to_string(s.Truck.Starts()),
                                 std::to_string(s.Truck.LeftRoad())})
                          : Fmt(Tr("KernBewertung", "gut %1 von %2, in Ruhe %3, sp\xC3\xA4testens ab %4 s"),
                                {std::to_string(s.Loco.Good), std::to_string(s.Loco.Runs),
                                 std::to_string(s.Loco.AtRest), Fixed(s.Loco.LatestRest, 3, d)});
    if (s.NoRulePieces > 0)
        out = Fmt(Tr("KernBewertung",
                     "%1, %2 St\xC3\xBC"
                     "cke ohne Regel"),
                  {out, std::to_string(s.NoRulePieces)});
    return out;
}

std::optional<std::string> Unsuitable(const fuzzy::Project& p, Vehicle v) {
    if (v == Vehicle::Truck) {
        if (!p.A.Defined || !p.Out.Defined)
            return std::string(Tr("KernBewertung", "Eingang A und/oder Ausgang (noch) nicht definiert!"));
        return std::nullopt;
    }
    if (!p.A.Defined || !p.B.Defined || !p.Out.Defined)
        return std::string(Tr("KernBewertung",
                              "Kein (geeignetes) Fuzzyprojekt vorhanden (Eingang A, Eingang B und Ausgang m\xC3\xBC"
                              "ssen definiert sein)."));
    return std::nullopt;
}

Score Evaluate(const fuzzy::Project& p, Vehicle v, const Score* bound, const std::atomic<bool>* cancel) {
    fuzzy::Project copy = p;
    return v == Vehicle::Truck ? EvaluateTruck(copy, bound, cancel) : EvaluateLoco(copy, bound, cancel);
}

}  // namespace tuning
