#include "LocoModel.h"

#include <cmath>

namespace pemrak {

Punkt Aufzeichnung::Get(int i) const
{
    if (i < 1 || i > MaxPunkte)
        return {};
    return Punkte_[static_cast<std::size_t>(i - 1)];
}

void Aufzeichnung::Leeren()
{
    Anzahl = 0;
    Punkte_.fill(Punkt{});
}

void Aufzeichnung::Speichern(const SimZustand& z)
{
    if (Anzahl < 1 || Anzahl > MaxPunkte)
        return;
    Punkte_[Anzahl - 1u] = Punkt{static_cast<float>(double(z.s) * 100.0),
                                 static_cast<float>(double(z.v) * 100.0)};
}

std::optional<std::string> StartwerteFehler(const Startwerte& w)
{
    // "not greater than 0" rather than "<= 0", so that a NaN is refused too.
    if (!(w.Masse > 0.0f))
        return std::string("Die Masse muss gr\xC3\xB6\xC3\x9F" "er als 0 sein.");
    if (w.AbstandCm == 0.0f || std::isnan(w.AbstandCm))
        return std::string("Der Abstand darf nicht 0 sein.");
    return std::nullopt;
}

void SimInit(SimZustand& z, Aufzeichnung& r, const Startwerte& w)
{
    r.Leeren();
    z.Kraft = 0.0f;
    z.Masse = w.Masse;
    z.v = 0.0f;
    z.Reibung = w.Reibung;
    z.s = static_cast<float>(double(w.AbstandCm) / 100.0);
    z.s0 = z.s;
    z.dt = ErsterZeitschritt;
    z.t = 0.0f;
}

void Schritt(SimZustand& z)
{
    z.a = static_cast<float>((-double(z.Kraft) - double(z.Reibung) * double(z.v)) / double(z.Masse));
    z.v = static_cast<float>(double(z.v) + double(z.a) * double(z.dt));
    z.s = static_cast<float>(double(z.s) + double(z.v) * double(z.dt));
    z.t = static_cast<float>(double(z.t) + double(z.dt));
}

bool FuzzyRegler::Brauchbar() const
{
    return EingangA.Defined && EingangB.Defined && Ausgang.Defined;
}

float FuzzyRegler::Kraft(const SimZustand& z) const
{
    EingangA.Value = static_cast<float>(double(z.s) * 100.0);
    EingangB.Value = static_cast<float>(double(z.v) * 100.0);
    fuzzy::Infer(Regeln, EingangA, EingangB, Ausgang);
    return Ausgang.Defuzzify();
}

bool ImZielband(const SimZustand& z)
{
    return std::fabs(double(z.s)) < Zielband;
}

bool NochAufDerStrecke(const SimZustand& z)
{
    return double(z.s) > Auslaufgrenze;
}

float TickDauer(std::uint32_t start, std::uint32_t jetzt)
{
    const std::uint32_t ms = jetzt - start;  // unsigned: modulo 2^32
    return static_cast<float>(double(ms) / 1000.0);
}

int SzenenSpalte(float x, float s0, int szenenBreite)
{
    double px = double(x) / double(s0) * double(szenenBreite) * 0.9;
    // Far beyond either edge the picture is invisible anyway; keeping it a
    // little further out than the picture is wide avoids an overflow (and a
    // NaN from a runaway state) in the conversion to int.
    constexpr double Weit = 1.0e6;
    if (std::isnan(px))
        return -static_cast<int>(Weit);
    if (px > Weit)
        px = Weit;
    else if (px < -Weit)
        px = -Weit;
    return static_cast<int>(std::nearbyint(px));
}

}  // namespace pemrak
