#include "TruckRechnung.h"

#include <algorithm>
#include <thread>
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
    if (teile <= 0) teile = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    teile = std::clamp(teile, 1, static_cast<int>(starts.size()));

    // The runs are independent: each thread takes a contiguous share of the
    // starts with its own copy of the controller, and the shares are joined
    // in the order of the starts.
    std::vector<std::vector<dorvane::StartRun>> anteile(static_cast<std::size_t>(teile));
    auto rechne = [&](int i) {
        fuzzy::Project eigen = p;
        const dorvane::Controller c{eigen.A, eigen.B, eigen.Out, eigen.Rules};
        const std::size_t von = starts.size() * static_cast<std::size_t>(i) / static_cast<std::size_t>(teile);
        const std::size_t bis = starts.size() * static_cast<std::size_t>(i + 1) / static_cast<std::size_t>(teile);
        const std::vector<dorvane::StartValues> teil(starts.begin() + static_cast<std::ptrdiff_t>(von),
                                                     starts.begin() + static_cast<std::ptrdiff_t>(bis));
        anteile[static_cast<std::size_t>(i)] =
            dorvane::RunStarts(c, teil, geschwindigkeit, dorvane::DefaultMaxSteps, true, abbruch);
    };
    std::vector<std::thread> helfer;
    for (int i = 1; i < teile; ++i) helfer.emplace_back(rechne, i);
    rechne(0);
    for (std::thread& t : helfer) t.join();
    for (auto& a : anteile)
        for (auto& r : a) e.Raster.Runs.push_back(std::move(r));
    e.Raster.Cancelled = e.Raster.Runs.size() < starts.size();
    e.Raster.Figures = dorvane::Figures(e.Raster.Runs);
    return e;
}

}  // namespace labor
