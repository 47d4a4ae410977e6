#include "tuning/Evaluation.h"

#include "loco/model/LocoVersuch.h"
#include "fuzzy/NoRuleRegions.h"

#include <algorithm>
#include <optional>
#include <cmath>

namespace tuning {

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

// The rule cells that may take part in inference at the inputs' values: a
// superset of those whose memberships are both above 0 (row 1 alone without
// input B). A term is above 0 only between its outer corners (a <= x < d),
// and that is all it takes to count here. Where a membership could be
// something else than a plain number >= +0 (a corner or height that is not
// a finite number >= +0, an input that is no number), inference looks at
// every rule, and so every cell counts.
class FiringCells {
public:
    FiringCells(const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B) {
        plain_ = Load(A, a_) && (!B.Defined || Load(B, b_));
        oneInput_ = !B.Defined;
    }

    std::uint32_t At(float x, float y) const {
        if (!plain_ || !(x == x) || (!oneInput_ && !(y == y))) return AllCells;
        const std::uint32_t cols = Terms(a_, x);
        const std::uint32_t rows = oneInput_ ? 1u : Terms(b_, y);
        std::uint32_t cells = 0;
        for (int j = 0; j < fuzzy::MaxTerms; ++j)
            if ((rows >> j & 1u) != 0) cells |= cols << (j * 5);
        return cells;
    }

private:
    struct Span {
        int Count = 0;
        std::array<float, fuzzy::MaxTerms> Lo{}, Hi{};
    };

    static bool Load(const fuzzy::TFuzzy& v, Span& s) {
        s.Count = v.UsedTerms();
        for (int t = 1; t <= s.Count; ++t) {
            const float h = v.GetParam(t, fuzzy::ParamH);
            if (!(h > 0.0f || (h == 0.0f && !std::signbit(h)))) return false;
            for (int k = 1; k <= 4; ++k)
                if (!std::isfinite(v.GetParam(t, k)) || !std::isfinite(h)) return false;
            s.Lo[static_cast<std::size_t>(t - 1)] = v.GetParam(t, fuzzy::ParamA);
            s.Hi[static_cast<std::size_t>(t - 1)] = v.GetParam(t, fuzzy::ParamD);
        }
        return true;
    }

    static std::uint32_t Terms(const Span& s, float x) {
        std::uint32_t m = 0;
        for (int t = 0; t < s.Count; ++t)
            if (x >= s.Lo[static_cast<std::size_t>(t)] && x <= s.Hi[static_cast<std::size_t>(t)]) m |= 1u << t;
        return m;
    }

    Span a_, b_;
    bool plain_ = true;
    bool oneInput_ = false;
};

bool Cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

// How the first key compares with the bound's: the evaluation can be spared
// when it is worse, and the runs must match the bound's count when equal.
enum class AgainstBound { NoBound, Better, Equal, Worse };

AgainstBound Compare(int pieces, const Score* bound) {
    if (!bound || !bound->Complete) return AgainstBound::NoBound;
    if (pieces < bound->NoRulePieces) return AgainstBound::Better;
    return pieces == bound->NoRulePieces ? AgainstBound::Equal : AgainstBound::Worse;
}

bool Reusable(const Evaluation* parent, std::size_t run, std::uint32_t changed) {
    return parent && (changed & ~AllCells) == 0 && run < parent->Fired.size() && (parent->Fired[run] & changed) == 0;
}

// A scored truck run: the control loop of dorvane::RunFuzzy, given up as
// lost once the rear point is 30 m beside the target line or 10 m above
// where it started (the truck has turned round), or after 150 m of driving.
// None of these can end in docking on the road; giving up early keeps a
// hopeless table cheap.
dorvane::RunResult ScoreRun(const fuzzy::Controller& c, const FiringCells& cells, dorvane::StartValues start,
                            float speed, std::uint32_t& fired) {
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
        fired |= cells.At(c.A.Value, c.B.Value);
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

Evaluation EvaluateTruck(fuzzy::Project& p, const Score* bound, const std::atomic<bool>* cancel,
                         const Evaluation* parent, std::uint32_t changed) {
    Evaluation e;
    Score& s = e.Result;
    s.Kind = Vehicle::Truck;
    s.NoRulePieces = fuzzy::FindNoRuleRegions(p).DeadPieces;
    const AgainstBound against = Compare(s.NoRulePieces, bound);
    if (against == AgainstBound::Worse) return e;
    const fuzzy::Controller c(p);
    const FiringCells cells(p.A, p.B);
    const std::size_t n = Starts().size();
    const int total = static_cast<int>(n * TruckSpeeds.size());
    const int allowedMisses = against == AgainstBound::Equal ? total - bound->Truck.Docked() : total;
    int misses = 0;
    e.TruckRuns.resize(n * TruckSpeeds.size());
    e.Fired.assign(n * TruckSpeeds.size(), 0u);
    // The fast runs are short: a hopeless table shows itself cheaply there.
    for (const std::size_t g : {std::size_t{1}, std::size_t{0}}) {
        const float speed = TruckSpeeds[g];
        for (std::size_t i = 0; i < n; ++i) {
            if (Cancelled(cancel) || misses > allowedMisses) return e;
            const std::size_t k = g * n + i;
            dorvane::StartRun& r = e.TruckRuns[k];
            if (Reusable(parent, k, changed)) {
                r = parent->TruckRuns[k];
                e.Fired[k] = parent->Fired[k];
            } else {
                r.StartRearX = StartRearXs()[i];
                r.Result = ScoreRun(c, cells, Starts()[i], speed, e.Fired[k]);
                r.Quality = dorvane::Judge(r.Result, r.StartRearX);
            }
            if (!r.Quality.Good()) ++misses;
        }
    }
    if (misses > allowedMisses) return e;
    for (std::size_t g = 0; g < TruckSpeeds.size(); ++g)
        s.Truck.Grid[g] = dorvane::Figures(
            std::vector<dorvane::StartRun>(e.TruckRuns.begin() + static_cast<std::ptrdiff_t>(g * n),
                                           e.TruckRuns.begin() + static_cast<std::ptrdiff_t>((g + 1) * n)));
    for (const std::uint32_t f : e.Fired) s.Reached |= f;
    s.Complete = true;
    const double worstX = std::max(s.Truck.Grid[0].WorstX, s.Truck.Grid[1].WorstX);
    const double worstAttitude = std::max(s.Truck.Grid[0].WorstAttitude, s.Truck.Grid[1].WorstAttitude);
    s.Keys = {double(s.NoRulePieces),
              -double(s.Truck.Docked()),
              double(s.Truck.LeftRoad()),
              std::max(worstX / 0.1, worstAttitude),
              -double(s.Truck.Arrived()),
              0.0,
              0.0,
              0.0};
    return e;
}

// What a locomotive run may not do once the bound is met: it is beaten as
// soon as it breaks one of these, and the rest of it is spared.
struct LocoLimits {
    bool MustBeGood = false;    // a run that is not good loses
    bool OnlyTime = false;      // ... and so does one later at rest than
    double LatestRest = 0.0;    // this, or
    int SignChanges = 1 << 30;  // with more sign changes than this
};

// A run as pemrak::RunFuzzy makes it (the same steps, the same numbers),
// judged as it goes as pemrak::Judge judges it. False when the limits beat
// it before its end (r is then incomplete).
bool RunLoco(fuzzy::Project& p, const FiringCells& cells, float masse, float dt, const LocoLimits& limits, LocoRun& r,
             std::uint32_t& fired) {
    const fuzzy::Controller regler(p);
    pemrak::RunOptions o;
    o.Start.Masse = masse;
    o.Dt = dt;
    pemrak::SimZustand z;
    pemrak::Aufzeichnung punkte;
    pemrak::SimInit(z, punkte, o.Start);
    z.dt = o.FirstDt > 0.0f ? o.FirstDt : 0.001f;
    const float schritt = o.Dt > 0.0f ? o.Dt : 0.001f;
    std::optional<float> ruheAb;
    int letztesVorzeichen = 0;
    r = LocoRun{};
    // One point of the run: the start (without a force of its own) and the
    // state after each step with the force that made it.
    auto punkt = [&](float t, float sCm, float vCms, float kraft, bool erster) {
        const bool ruhig = std::fabs(sCm) < pemrak::ExactSCm && std::fabs(vCms) < pemrak::RestVCms;
        if (!ruhig)
            ruheAb.reset();
        else if (!ruheAb)
            ruheAb = t;
        if (!(kraft >= p.Out.RangeMin && kraft <= p.Out.RangeMax)) r.ForceWithin = false;
        if (erster) return true;
        r.Overshoot = std::max(r.Overshoot, -sCm);
        const int vz = (kraft > 0.0f) - (kraft < 0.0f);
        if (vz != 0) {
            if (letztesVorzeichen != 0 && vz != letztesVorzeichen) ++r.SignChanges;
            letztesVorzeichen = vz;
        }
        if (limits.MustBeGood && (!r.ForceWithin || double(r.Overshoot) > GoodOvershootCm)) return false;
        if (limits.OnlyTime && ((!ruhig && double(t) >= limits.LatestRest) || r.SignChanges > limits.SignChanges))
            return false;
        return true;
    };
    auto cm = [](float m) { return static_cast<float>(double(m) * 100.0); };
    punkt(z.t, cm(z.s), cm(z.v), z.Kraft, true);
    bool abgebrochen = false;
    int schritte = 0;
    do {
        const float kraft = pemrak::Kraft(regler, z);
        // Kraft has put the state into the inputs: the cells of this step.
        fired |= cells.At(p.A.Value, p.B.Value);
        // A force that is no finite number ends the run there, as in the
        // lab: it never comes to rest, whatever it did before.
        if (!std::isfinite(kraft)) {
            abgebrochen = true;
            r.ForceWithin = false;
            break;
        }
        punkte.Zaehlen();
        z.s_alt = z.s;
        z.Kraft = kraft;
        pemrak::Step(z);
        ++schritte;
        if (!punkt(z.t, cm(z.s), cm(z.v), z.Kraft, false)) return false;
        z.dt = schritt;
    } while (pemrak::OnTrack(z) && pemrak::AnotherStep(o, schritte));
    r.AtRest = !abgebrochen && ruheAb.has_value();
    r.RestFrom = ruheAb.value_or(0.0f);
    const double miss = std::fabs(double(cm(z.s))) + std::fabs(double(cm(z.v)));
    r.EndMiss = std::isfinite(miss) ? miss : 1.0e9;
    return true;
}

bool GoodRun(const LocoRun& r) { return r.AtRest && r.ForceWithin && double(r.Overshoot) <= GoodOvershootCm; }

Evaluation EvaluateLoco(fuzzy::Project& p, const Score* bound, const std::atomic<bool>* cancel,
                        const Evaluation* parent, std::uint32_t changed) {
    Evaluation e;
    Score& s = e.Result;
    s.Kind = Vehicle::Loco;
    s.NoRulePieces = fuzzy::FindNoRuleRegions(p).DeadPieces;
    const AgainstBound against = Compare(s.NoRulePieces, bound);
    if (against == AgainstBound::Worse) return e;
    const std::size_t total = pemrak::LabMasses().size() * pemrak::LabSteps().size();
    const int allowedMisses =
        against == AgainstBound::Equal ? static_cast<int>(total) - bound->Loco.Good : static_cast<int>(total);
    // Against a bound whose runs are all good without surplus sign changes,
    // only the time of coming to rest can still make a difference: a run at
    // rest later than the bound's latest, or with a surplus sign change, is
    // beaten already.
    const bool onlyTime = against == AgainstBound::Equal && bound->Loco.Good == static_cast<int>(total) &&
                          bound->Loco.ExcessSignChanges == 0;
    LocoLimits limits;
    limits.MustBeGood = against == AgainstBound::Equal && bound->Loco.Good == static_cast<int>(total);
    limits.OnlyTime = onlyTime;
    if (onlyTime) {
        limits.LatestRest = bound->Loco.LatestRest;
        limits.SignChanges = FreeSignChanges;
    }
    e.LocoRuns.resize(total);
    e.Fired.assign(total, 0u);
    const FiringCells cells(p.A, p.B);
    LocoFigures& f = s.Loco;
    std::size_t k = 0;
    for (const float masse : pemrak::LabMasses()) {
        for (const float dt : pemrak::LabSteps()) {
            if (Cancelled(cancel) || f.Runs - f.Good > allowedMisses) return e;
            LocoRun& r = e.LocoRuns[k];
            if (Reusable(parent, k, changed)) {
                r = parent->LocoRuns[k];
                e.Fired[k] = parent->Fired[k];
            } else {
                if (!RunLoco(p, cells, masse, dt, limits, r, e.Fired[k])) return e;
            }
            ++k;
            ++f.Runs;
            f.ForceOutside += !r.ForceWithin;
            f.AtRest += r.AtRest;
            f.Good += GoodRun(r);
            f.MostSignChanges = std::max(f.MostSignChanges, r.SignChanges);
            f.ExcessSignChanges += std::max(0, r.SignChanges - FreeSignChanges);
            if (r.AtRest) {
                f.LatestRest = std::max(f.LatestRest, double(r.RestFrom));
                f.MeanRest += double(r.RestFrom);
            }
            f.Overshoot = std::max(f.Overshoot, double(r.Overshoot));
            f.EndMiss += r.EndMiss;
            if (onlyTime && (f.ExcessSignChanges > 0 || f.LatestRest > bound->Loco.LatestRest)) return e;
        }
    }
    if (f.Runs - f.Good > allowedMisses) return e;
    for (const std::uint32_t fr : e.Fired) s.Reached |= fr;
    if (f.AtRest > 0) f.MeanRest /= f.AtRest;
    s.Complete = true;
    s.Keys = {double(s.NoRulePieces), -double(f.Good), -double(f.AtRest), double(f.ExcessSignChanges),
              f.LatestRest,           f.MeanRest,      f.Overshoot,       f.EndMiss};
    return e;
}

}  // namespace

std::uint32_t ChangedCells(const fuzzy::RuleTable& a, const fuzzy::RuleTable& b) {
    std::uint32_t m = 0;
    for (std::size_t k = 0; k < a.Entries.size(); ++k)
        if (a.Entries[k] != b.Entries[k]) m |= 1u << k;
    return m;
}

Evaluation EvaluateRuns(const fuzzy::Project& p, Vehicle v, const Score* bound, const std::atomic<bool>* cancel,
                        const Evaluation* parent, std::uint32_t changed) {
    fuzzy::Project copy = p;
    if (parent && !parent->Result.Complete) parent = nullptr;
    return v == Vehicle::Truck ? EvaluateTruck(copy, bound, cancel, parent, changed)
                               : EvaluateLoco(copy, bound, cancel, parent, changed);
}

int RunsToMake(Vehicle v, const Evaluation* parent, std::uint32_t changed) {
    const std::size_t total = v == Vehicle::Truck ? Starts().size() * TruckSpeeds.size()
                                                  : pemrak::LabMasses().size() * pemrak::LabSteps().size();
    if (!parent || !parent->Result.Complete) return static_cast<int>(total);
    int n = 0;
    for (std::size_t k = 0; k < total; ++k) n += !Reusable(parent, k, changed);
    return n;
}

}  // namespace tuning
