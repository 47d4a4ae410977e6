#include "loco/model/LocoLauf.h"

#include <algorithm>
#include <cmath>

namespace pemrak {

namespace {

LaufPunkt Messpunkt(const SimZustand& z) {
    return LaufPunkt{z.t, static_cast<float>(double(z.s) * 100.0), static_cast<float>(double(z.v) * 100.0), z.Kraft};
}

float Schrittweite(float dt) { return dt > 0.0f ? dt : 0.001f; }

}  // namespace

Lauf Simuliere(const FuzzyRegler& regler, const LaufOptionen& o) {
    Lauf lauf;
    SimZustand z;
    SimInit(z, lauf.Punkte, o.Start);
    z.dt = Schrittweite(o.ErsterDt);
    lauf.Verlauf.push_back(Messpunkt(z));
    const float dt = Schrittweite(o.Dt);
    do {
        lauf.Punkte.Zaehlen();
        z.s_alt = z.s;
        z.Kraft = regler.Kraft(z);
        Schritt(z);
        lauf.Punkte.Speichern(z);
        lauf.Verlauf.push_back(Messpunkt(z));
        z.dt = dt;
    } while (NochAufDerStrecke(z) && z.t < o.MaxZeit);
    // A position that is no number is not "past the line": the run broke
    // down, and saying it ran out would be a verdict it never earned.
    lauf.Ausgelaufen = std::isfinite(z.s) && !NochAufDerStrecke(z);
    return lauf;
}

Kennzahlen KennzahlenVon(const Lauf& lauf) {
    Kennzahlen k;
    if (lauf.Verlauf.empty()) return k;
    const LaufPunkt& ende = lauf.Verlauf.back();
    k.EndeT = ende.t;
    k.EndeSCm = ende.sCm;
    k.EndeVCms = ende.vCms;
    k.Schritte = static_cast<int>(lauf.Verlauf.size()) - 1;
    k.Endlich = std::isfinite(ende.sCm) && std::isfinite(ende.vCms);
    k.Ausgelaufen = lauf.Ausgelaufen && k.Endlich;
    int letztesVorzeichen = 0;
    for (std::size_t i = 1; i < lauf.Verlauf.size(); ++i) {
        const LaufPunkt& p = lauf.Verlauf[i];
        if (std::fabs(double(p.sCm)) < Zielband * 100.0) k.BandErreicht = true;
        k.UeberschwingenCm = std::max(k.UeberschwingenCm, -p.sCm);
        const int vz = (p.Kraft > 0.0f) - (p.Kraft < 0.0f);
        if (vz != 0) {
            if (letztesVorzeichen != 0 && vz != letztesVorzeichen) ++k.Vorzeichenwechsel;
            letztesVorzeichen = vz;
        }
    }
    return k;
}

std::optional<float> RuheAb(const Lauf& lauf, float sTolCm, float vTolCms) {
    std::optional<float> ab;
    for (const LaufPunkt& p : lauf.Verlauf) {
        const bool ruhig = std::fabs(p.sCm) < sTolCm && std::fabs(p.vCms) < vTolCms;
        if (!ruhig)
            ab.reset();
        else if (!ab)
            ab = p.t;
    }
    return ab;
}

}  // namespace pemrak
