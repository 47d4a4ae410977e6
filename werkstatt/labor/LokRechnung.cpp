#include "werkstatt/labor/LokRechnung.h"

#include "fuzzy/NoRuleRegions.h"
#include "werkstatt/labor/TruckRechnung.h"

#include <QCoreApplication>

namespace labor {

LokErgebnis RechneLok(fuzzy::Project p, const LokEinstellung& e, const std::atomic<bool>* abbruch,
                      bool truckProbieren) {
    LokErgebnis r;
    r.Einstellung = e;
    const fuzzy::Controller regler(p);
    if (!regler.AllDefined()) {
        r.Fehler =
            QCoreApplication::translate("labor::LokLabor", "Eingang A, Eingang B und Ausgang müssen definiert sein.")
                .toStdString();
        return r;
    }
    pemrak::RunOptions basis;
    basis.Start.Reibung = e.Reibung;
    basis.Start.AbstandCm = e.AbstandCm;
    for (const float m : pemrak::LabMasses()) {
        basis.Start.Masse = m;
        if (const auto fehler = pemrak::StartValuesError(basis.Start)) {
            r.Fehler = *fehler;
            return r;
        }
    }
    r.Laeufe = pemrak::RunSeries(regler, basis, pemrak::LabMasses(), {e.Dt}, abbruch);

    // The controller sees s and v at every recorded moment; where no rule
    // fires there, it hands the locomotive the output's range start.
    fuzzy::RuleFiring feuert(p);
    r.Rueckfall = p.Out.RangeMin;
    r.KeineRegelAmStart = !feuert.At(e.AbstandCm, 0.0f);
    if (!r.KeineRegelAmStart) {
        for (std::size_t m = 0; m < r.Laeufe.size(); ++m) {
            const std::vector<pemrak::TrackPoint>& v = r.Laeufe[m].Run.Track;
            for (std::size_t i = 1; i < v.size(); ++i) {
                if (r.KeineRegelUnterwegs && v[i].t >= r.KeineRegelUnterwegs->T) break;
                if (!feuert.At(v[i].sCm, v[i].vCms)) {
                    r.KeineRegelUnterwegs = LokStelle{static_cast<int>(m), v[i].t, v[i].sCm, v[i].vCms};
                    break;
                }
            }
        }
    }
    bool ruhe = false;
    for (const pemrak::JudgedRun& l : r.Laeufe) ruhe = ruhe || l.AtRestFrom.has_value();
    if (truckProbieren && !ruhe && !(abbruch && abbruch->load())) {
        const TruckErgebnis t = RechneTruckRaster(p, -1.0f, abbruch, 1);
        if (!t.Raster.Cancelled) r.TruckProbe = t.Raster.Figures;
    }
    return r;
}

}  // namespace labor
