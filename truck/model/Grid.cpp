#include "truck/model/Grid.h"

#include <algorithm>
#include <cmath>

namespace dorvane {

std::vector<StartRun> RunStarts(const fuzzy::Controller& c, const std::vector<StartValues>& starts, float speed,
                                int maxSteps, bool record, const std::atomic<bool>* cancel) {
    std::vector<StartRun> runs;
    runs.reserve(starts.size());
    for (const auto& s : starts) {
        if (cancel && cancel->load(std::memory_order_relaxed)) break;
        StartRun r;
        r.StartRearX = RearXAtStart(s);
        r.Result = RunFuzzy(c, s, speed, maxSteps, record);
        r.Quality = Judge(r.Result, r.StartRearX);
        runs.push_back(std::move(r));
    }
    return runs;
}

GridFigures Figures(const std::vector<StartRun>& runs) {
    GridFigures f;
    for (const StartRun& r : runs) AddTo(f, r);
    return f;
}

void AddTo(GridFigures& f, const StartRun& r) {
    ++f.Starts;
    if (r.Result.Aborted) ++f.Aborted;
    if (r.Result.Arrived) {
        ++f.Arrived;
        f.WorstX = std::max(f.WorstX, double(std::fabs(r.Result.X)));
        f.WorstAttitude = std::max(f.WorstAttitude, double(std::fabs(r.Result.Attitude)));
    }
    if (r.Quality.Good()) ++f.Docked;
    if (r.Quality.MustKeepRoad) {
        ++f.MustKeepRoad;
        if (r.Quality.KeptRoad) ++f.KeptRoad;
    }
    f.MostSteps = std::max(f.MostSteps, r.Result.Steps);
}

GridRun RunGrid(const fuzzy::Controller& c, float speed, bool record, int maxSteps, const std::atomic<bool>* cancel) {
    static const std::vector<StartValues> starts = GridStarts();
    GridRun g;
    g.Speed = speed;
    g.Runs = RunStarts(c, starts, speed, maxSteps, record, cancel);
    g.Cancelled = g.Runs.size() < starts.size();
    g.Figures = Figures(g.Runs);
    return g;
}

NoRulePlace WhereNoRuleFires(fuzzy::RuleFiring& firing, const RunResult& run) {
    const std::vector<TrackPoint>& t = run.Track;
    const std::size_t n = run.Arrived && !t.empty() ? t.size() - 1 : t.size();
    for (std::size_t k = 0; k < n; ++k)
        if (!firing.At(t[k].RearX, t[k].Attitude)) return k == 0 ? NoRulePlace::AtStart : NoRulePlace::OnTheWay;
    return NoRulePlace::Never;
}

}  // namespace dorvane
