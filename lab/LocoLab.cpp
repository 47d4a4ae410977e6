#include "lab/LocoLab.h"

#include "fuzzy/Language.h"
#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/ParallelFor.h"

namespace lab {

LocoSet RunLocos(const fuzzy::Project& p, const LocoRequest& req) {
    LocoSet set;
    set.Fallback = p.Out.RangeMin;
    if (!p.A.Defined || !p.B.Defined || !p.Out.Defined) {
        set.Error = fuzzy::Tr("lab", "Eingang A, Eingang B und Ausgang m\xC3\xBCssen definiert sein.");
        return set;
    }
    const std::vector<float> masses = req.Masses.empty() ? std::vector<float>{req.Base.Start.Masse} : req.Masses;
    const std::vector<float> steps = req.Steps.empty() ? std::vector<float>{req.Base.Dt} : req.Steps;
    std::vector<pemrak::RunOptions> options;
    for (const float m : masses) {
        pemrak::RunOptions o = req.Base;
        o.Start.Masse = m;
        if (const auto error = pemrak::StartValuesError(o.Start)) {
            set.Error = *error;
            return set;
        }
        for (const float dt : steps) {
            o.Dt = dt;
            options.push_back(o);
        }
    }

    const int threads = fuzzy::ThreadsFor(req.Threads, options.size());
    std::vector<fuzzy::Project> copies(static_cast<std::size_t>(threads), p);
    std::vector<pemrak::JudgedRun> runs(options.size());
    std::vector<char> done(options.size(), 0);
    fuzzy::ParallelFor(options.size(), threads, [&](std::size_t i, int w) {
        if (req.Cancel && req.Cancel->load(std::memory_order_relaxed)) return;
        const fuzzy::Controller c(copies[static_cast<std::size_t>(w)]);
        runs[i] = pemrak::RunAndJudge(c, options[i]);
        done[i] = 1;
    });
    std::size_t n = 0;
    while (n < done.size() && done[n]) ++n;
    set.Cancelled = n < done.size();
    runs.resize(n);
    set.Runs = std::move(runs);

    // The controller sees s and v at every recorded moment; where no rule
    // fires there, it hands the locomotive the output's range start.
    fuzzy::RuleFiring firing(p);
    set.NoRuleAtStart = !firing.At(req.Base.Start.AbstandCm, 0.0f);
    if (!set.NoRuleAtStart) {
        for (std::size_t r = 0; r < set.Runs.size(); ++r) {
            const std::vector<pemrak::TrackPoint>& v = set.Runs[r].Run.Track;
            for (std::size_t i = 1; i < v.size(); ++i) {
                if (set.NoRuleOnTheWay && v[i].t >= set.NoRuleOnTheWay->T) break;
                if (!firing.At(v[i].sCm, v[i].vCms)) {
                    set.NoRuleOnTheWay = LocoPlace{static_cast<int>(r), v[i].t, v[i].sCm, v[i].vCms};
                    break;
                }
            }
        }
    }
    return set;
}

}  // namespace lab
