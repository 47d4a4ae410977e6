#include "werkstatt/labor/TruckRechnung.h"

#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/ParallelFor.h"
#include "werkstatt/labor/LokRechnung.h"

#include <vector>

namespace labor {

TruckUrteil Beurteile(const dorvane::Quality& q) {
    if (q.Good()) return TruckUrteil::Angedockt;
    if (q.MustKeepRoad && !q.KeptRoad) return TruckUrteil::StrasseVerlassen;
    return TruckUrteil::NichtAngedockt;
}

TruckErgebnis RechneTruckRaster(fuzzy::Project p, float geschwindigkeit, const std::atomic<bool>* abbruch, int teile,
                                bool lokProbieren) {
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
    std::vector<fuzzy::RuleFiring> feuert(static_cast<std::size_t>(threads), fuzzy::RuleFiring(p));
    std::vector<std::vector<dorvane::StartRun>> laeufe(starts.size());
    // 0: a rule fires all the way, 1: none at the start, 2: none later on.
    std::vector<char> ohneRegel(starts.size(), 0);
    fuzzy::ParallelFor(starts.size(), threads, [&](std::size_t i, int w) {
        fuzzy::Project& q = eigen[static_cast<std::size_t>(w)];
        const fuzzy::Controller c(q);
        laeufe[i] = dorvane::RunStarts(c, {starts[i]}, geschwindigkeit, dorvane::DefaultMaxSteps, true, abbruch);
        for (const dorvane::StartRun& r : laeufe[i])
            switch (dorvane::WhereNoRuleFires(feuert[static_cast<std::size_t>(w)], r.Result)) {
            case dorvane::NoRulePlace::Never: break;
            case dorvane::NoRulePlace::AtStart: ohneRegel[i] = 1; break;
            case dorvane::NoRulePlace::OnTheWay: ohneRegel[i] = 2; break;
            }
    });
    for (auto& l : laeufe)
        for (auto& r : l) e.Raster.Runs.push_back(std::move(r));
    e.Raster.Cancelled = e.Raster.Runs.size() < starts.size();
    e.Raster.Figures = dorvane::Figures(e.Raster.Runs);
    e.Rueckfall = p.Out.RangeMin;
    for (const char o : ohneRegel) {
        e.KeineRegelAmStart += o == 1;
        e.KeineRegelUnterwegs += o == 2;
    }
    if (lokProbieren && !e.Raster.Cancelled && 2 * e.Raster.Figures.Docked < e.Raster.Figures.Starts) {
        const LokErgebnis l = RechneLok(p, LokEinstellung{}, abbruch);
        bool ruhe = false;
        for (const pemrak::JudgedRun& v : l.Laeufe) ruhe = ruhe || v.AtRestFrom.has_value();
        if (!l.Fehler && !(abbruch && abbruch->load())) e.LokProbeInRuhe = ruhe;
    }
    return e;
}

}  // namespace labor
