#include "TruckRechnung.h"

namespace labor {

TruckUrteil Beurteile(const dorvane::Quality& q)
{
    if (q.Good())
        return TruckUrteil::Angedockt;
    if (q.MustKeepRoad && !q.KeptRoad)
        return TruckUrteil::StrasseVerlassen;
    return TruckUrteil::NichtAngedockt;
}

TruckErgebnis RechneTruckRaster(Projekt p, float geschwindigkeit, const std::atomic<bool>* abbruch)
{
    TruckErgebnis e;
    e.Raster.Speed = geschwindigkeit;
    if (!p.A.Defined || !p.Out.Defined)
        return e;
    e.Definiert = true;
    const dorvane::Controller c{p.A, p.B, p.Out, p.Regeln};
    e.Raster = dorvane::RunGrid(c, geschwindigkeit, true, dorvane::DefaultMaxSteps, abbruch);
    return e;
}

}  // namespace labor
