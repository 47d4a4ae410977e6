#include "werkstatt/labor/TruckRechnung.h"

#include "werkstatt/labor/LokRechnung.h"

namespace labor {

TruckUrteil Beurteile(const dorvane::StartRun& r, float geschwindigkeit) {
    switch (lab::ClassOf(lab::Judge(r, geschwindigkeit))) {
    case lab::TruckClass::Docked: return TruckUrteil::Angedockt;
    case lab::TruckClass::LeftRoad: return TruckUrteil::StrasseVerlassen;
    case lab::TruckClass::Missed: break;
    }
    return TruckUrteil::NichtAngedockt;
}

TruckErgebnis RechneTruckRaster(const fuzzy::Project& p, float geschwindigkeit, const std::atomic<bool>* abbruch,
                                int teile, bool lokProbieren) {
    lab::TruckRequest anfrage;
    anfrage.Speed = geschwindigkeit;
    anfrage.Threads = teile;
    anfrage.Cancel = abbruch;
    lab::TruckSet satz = lab::RunTrucks(p, anfrage);
    TruckErgebnis e;
    e.Raster.Speed = geschwindigkeit;
    e.Definiert = satz.Defined;
    if (!e.Definiert) return e;
    for (lab::TruckRun& r : satz.Runs) e.Raster.Runs.push_back(std::move(r.Run));
    e.Raster.Cancelled = satz.Cancelled;
    e.Raster.Figures = satz.Figures.Grid;
    e.KeineRegelAmStart = satz.Figures.NoRuleAtStart;
    e.KeineRegelUnterwegs = satz.Figures.NoRuleOnTheWay;
    e.Langsam = satz.Figures.Slow;
    e.Rueckfall = satz.Fallback;
    if (lokProbieren && !e.Raster.Cancelled && 2 * e.Raster.Figures.Docked < e.Raster.Figures.Starts) {
        const LokErgebnis l = RechneLok(p, LokEinstellung{}, abbruch);
        bool ruhe = false;
        for (const pemrak::JudgedRun& v : l.Laeufe) ruhe = ruhe || v.AtRestFrom.has_value();
        if (!l.Fehler && !(abbruch && abbruch->load())) e.LokProbeInRuhe = ruhe;
    }
    return e;
}

}  // namespace labor
