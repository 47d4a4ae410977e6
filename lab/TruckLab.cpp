#include "lab/TruckLab.h"

#include "fuzzy/Language.h"
#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/ParallelFor.h"

#include <algorithm>
#include <cmath>

namespace lab {

int UsualSteps(float speed) {
    const double metresPerStep = std::fabs(double(speed)) * double(dorvane::StepSeconds);
    if (!(metresPerStep > 0.0)) return dorvane::DefaultMaxSteps;
    return static_cast<int>(std::min(1.0e9, std::ceil(double(UsualPathMetres) / metresPerStep - 1e-9)));
}

TruckVerdict Judge(const dorvane::StartRun& r, float speed) {
    const dorvane::Quality& q = r.Quality;
    if (q.MustKeepRoad && !q.KeptRoad) return TruckVerdict::LeftRoad;
    if (q.Good()) {
        if (r.Result.Steps > UsualSteps(speed)) return TruckVerdict::DockedSlowly;
        return r.Result.LeftRoad ? TruckVerdict::DockedOffRoad : TruckVerdict::Docked;
    }
    return r.Result.Arrived ? TruckVerdict::Inexact : TruckVerdict::NotArrived;
}

bool Docked(TruckVerdict v) {
    return v == TruckVerdict::Docked || v == TruckVerdict::DockedSlowly || v == TruckVerdict::DockedOffRoad;
}

const char* VerdictText(TruckVerdict v) {
    switch (v) {
    case TruckVerdict::LeftRoad:
        return fuzzy::Tr("fuzzysim truck",
                         "Stra\xC3\x9F"
                         "e verlassen");
    case TruckVerdict::Docked: return fuzzy::Tr("fuzzysim truck", "gut");
    case TruckVerdict::DockedSlowly: return fuzzy::Tr("lab", "gut, aber langsam");
    case TruckVerdict::DockedOffRoad:
        return fuzzy::Tr("fuzzysim truck",
                         "gut, Stra\xC3\x9F"
                         "e kurz verlassen");
    case TruckVerdict::Inexact: return fuzzy::Tr("fuzzysim truck", "ungenau");
    case TruckVerdict::NotArrived: return fuzzy::Tr("fuzzysim truck", "nicht angekommen");
    }
    return "";
}

TruckClass ClassOf(TruckVerdict v) {
    if (Docked(v)) return TruckClass::Docked;
    return v == TruckVerdict::LeftRoad ? TruckClass::LeftRoad : TruckClass::Missed;
}

TruckFigures FiguresOf(const std::vector<TruckRun>& runs) {
    TruckFigures f;
    for (const TruckRun& r : runs) {
        dorvane::AddTo(f.Grid, r.Run);
        f.Slow += r.Verdict == TruckVerdict::DockedSlowly;
        f.NoRuleAtStart += r.NoRule == dorvane::NoRulePlace::AtStart;
        f.NoRuleOnTheWay += r.NoRule == dorvane::NoRulePlace::OnTheWay;
    }
    return f;
}

TruckSet RunTrucks(const fuzzy::Project& p, const TruckRequest& req) {
    TruckSet set;
    set.Speed = req.Speed;
    if (!p.A.Defined || !p.Out.Defined) return set;
    set.Defined = true;
    set.Fallback = p.Out.RangeMin;
    static const std::vector<dorvane::StartValues> grid = dorvane::GridStarts();
    const std::vector<dorvane::StartValues>& starts = req.Starts.empty() ? grid : req.Starts;

    // Inference writes the output's heights: every worker drives with its
    // own copy of the project, and each start's run goes to its own place.
    const int threads = fuzzy::ThreadsFor(req.Threads, starts.size());
    std::vector<fuzzy::Project> copies(static_cast<std::size_t>(threads), p);
    std::vector<fuzzy::RuleFiring> firing(static_cast<std::size_t>(threads), fuzzy::RuleFiring(p));
    std::vector<TruckRun> runs(starts.size());
    std::vector<char> done(starts.size(), 0);
    fuzzy::ParallelFor(starts.size(), threads, [&](std::size_t i, int w) {
        if (req.Cancel && req.Cancel->load(std::memory_order_relaxed)) return;
        const fuzzy::Controller c(copies[static_cast<std::size_t>(w)]);
        TruckRun& r = runs[i];
        r.Run.StartRearX = dorvane::RearXAtStart(starts[i]);
        r.Run.Result = dorvane::RunFuzzy(c, starts[i], req.Speed, req.MaxSteps, true);
        r.Run.Quality = dorvane::Judge(r.Run.Result, r.Run.StartRearX);
        r.Verdict = Judge(r.Run, req.Speed);
        r.NoRule = dorvane::WhereNoRuleFires(firing[static_cast<std::size_t>(w)], r.Run.Result);
        if (!req.KeepTracks) r.Run.Result.Track = {};
        done[i] = 1;
    });
    // A cancelled set keeps the starts done before the first one left out.
    const auto first = std::find(done.begin(), done.end(), 0);
    set.Cancelled = first != done.end();
    runs.resize(static_cast<std::size_t>(first - done.begin()));
    set.Runs = std::move(runs);
    set.Figures = FiguresOf(set.Runs);
    return set;
}

}  // namespace lab
