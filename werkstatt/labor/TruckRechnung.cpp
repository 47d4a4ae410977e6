#include "werkstatt/labor/TruckRechnung.h"

#include "fuzzy/ParallelFor.h"

#include <vector>

namespace labor {

TruckUrteil Beurteile(const dorvane::Quality& q) {
    if (q.Good()) return TruckUrteil::Angedockt;
    if (q.MustKeepRoad && !q.KeptRoad) return TruckUrteil::StrasseVerlassen;
    return TruckUrteil::NichtAngedockt;
}

TruckErgebnis RechneTruckRaster(fuzzy::Project p, float geschwindigkeit, const std::atomic<bool>* abbruch, int teile) {
    TruckErgebnis e;
    e.Raster.Speed = geschwindigkeit;
    if (!p.A.Defined || !p.Out.Defined) return e;
    e.Definiert = true;
    static const std::vector<dorvane::StartValues> starts = dorvane::GridStarts();

    // The runs are independent: every worker drives with its own copy of the
    // project (inference writes the output's heights), each start's run goes
    // to its own place, and the places are read in the order of the starts.
    const int threads = fuzzy::ThreadsFor(teile, starts.size());
    std::vector<fuzzy::Project> eigen(static_cast<std::size_t>(threads), p);
    std::vector<std::vector<dorvane::StartRun>> laeufe(starts.size());
    fuzzy::ParallelFor(starts.size(), threads, [&](std::size_t i, int w) {
        fuzzy::Project& q = eigen[static_cast<std::size_t>(w)];
        const fuzzy::Controller c(q);
        laeufe[i] = dorvane::RunStarts(c, {starts[i]}, geschwindigkeit, dorvane::DefaultMaxSteps, true, abbruch);
    });
    for (auto& l : laeufe)
        for (auto& r : l) e.Raster.Runs.push_back(std::move(r));
    e.Raster.Cancelled = e.Raster.Runs.size() < starts.size();
    e.Raster.Figures = dorvane::Figures(e.Raster.Runs);
    return e;
}

}  // namespace labor
