#include "werkstatt/labor/LokRechnung.h"

#include "lab/LocoLab.h"
#include "werkstatt/labor/TruckRechnung.h"

namespace labor {

LokErgebnis RechneLok(const fuzzy::Project& p, const LokEinstellung& e, const std::atomic<bool>* abbruch,
                      bool truckProbieren) {
    LokErgebnis r;
    r.Einstellung = e;
    lab::LocoRequest anfrage;
    anfrage.Base.Start.Reibung = e.Reibung;
    anfrage.Base.Start.AbstandCm = e.AbstandCm;
    anfrage.Masses = e.Massen.empty() ? pemrak::LabMasses() : e.Massen;
    anfrage.Steps = {e.Dt};
    anfrage.Cancel = abbruch;
    lab::LocoSet satz = lab::RunLocos(p, anfrage);
    r.Fehler = satz.Error;
    if (r.Fehler) return r;
    r.Laeufe = std::move(satz.Runs);
    r.Rueckfall = satz.Fallback;
    r.KeineRegelAmStart = satz.NoRuleAtStart;
    if (satz.NoRuleOnTheWay) {
        const lab::LocoPlace& o = *satz.NoRuleOnTheWay;
        r.KeineRegelUnterwegs = LokStelle{o.Run, o.T, o.SCm, o.VCms};
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
