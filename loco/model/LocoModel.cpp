#include "loco/model/LocoModel.h"

#include "fuzzy/Language.h"

#include <algorithm>
#include <cmath>

namespace pemrak {

Punkt Aufzeichnung::Get(int i) const {
    if (i < 1 || i > MaxPunkte) return {};
    return Punkte_[static_cast<std::size_t>(i - 1)];
}

void Aufzeichnung::Leeren() {
    Anzahl = 0;
    Punkte_.fill(Punkt{});
}

void Aufzeichnung::Speichern(const SimZustand& z) {
    if (Anzahl < 1 || Anzahl > MaxPunkte) return;
    Punkte_[Anzahl - 1u] = Punkt{static_cast<float>(double(z.s) * 100.0), static_cast<float>(double(z.v) * 100.0)};
}

std::optional<std::string> StartValuesError(const StartValues& w) {
    // "not greater than 0" rather than "<= 0", so that a NaN is refused too.
    if (!(w.Masse > 0.0f))
        return std::string(fuzzy::Tr("KernLok",
                                     "Die Masse muss gr\xC3\xB6\xC3\x9F"
                                     "er als 0 sein."));
    // The model keeps the distance in metres as a single: a distance that
    // becomes 0 there (1e-45 cm) is a distance of 0 to the run and its drawing.
    if (StartMetres(w.AbstandCm) == 0.0f || std::isnan(w.AbstandCm))
        return std::string(fuzzy::Tr("KernLok", "Der Abstand darf nicht 0 sein."));
    return std::nullopt;
}

void SimInit(SimZustand& z, Aufzeichnung& r, const StartValues& w) {
    r.Leeren();
    z.Kraft = 0.0f;
    z.Masse = w.Masse;
    z.v = 0.0f;
    z.Reibung = w.Reibung;
    z.s = StartMetres(w.AbstandCm);
    z.s0 = z.s;
    z.dt = FirstStepSeconds;
    z.t = 0.0f;
}

float StartMetres(float abstandCm) { return static_cast<float>(double(abstandCm) / 100.0); }

double SubSteps(double dt, double masse, double reibung) {
    if (!(dt > 0.0)) return 1.0;
    // Velocity first: v' = v (1 - h R/m) - h F/m. For h up to m/R the factor
    // lies in [0, 1), so v moves towards its terminal value without
    // overshooting it; a longer h swings past it and, beyond 2 m/R, away.
    // The limit as a single, like the steps it is compared with: a measured
    // 0.1 s is one part.
    double teil = double(static_cast<float>(MaxSubStep));
    if (reibung > 0.0 && masse > 0.0) teil = std::min(teil, masse / reibung);
    const double n = std::ceil(dt / teil * (1.0 - 1e-12));
    return n > 1.0 ? n : 1.0;
}

void Step(SimZustand& z) {
    const double n = SubSteps(double(z.dt), double(z.Masse), double(z.Reibung));
    // One part: exactly the plain step over dt.
    const double h = n == 1.0 ? double(z.dt) : double(z.dt) / n;
    for (double i = 0.0; i < n; i += 1.0) {
        const float vVorher = z.v;
        z.a = static_cast<float>((-double(z.Kraft) - double(z.Reibung) * double(z.v)) / double(z.Masse));
        z.v = static_cast<float>(double(z.v) + double(z.a) * h);
        if ((i > 0.0 && z.v == vVorher) || i >= MaxSubSteps) {
            // The velocity has settled at its terminal value (with parts no
            // longer than m/R it does so within a few hundred): the remaining
            // parts would all add the same distance.
            z.s = static_cast<float>(double(z.s) + double(z.v) * h * (n - i));
            break;
        }
        z.s = static_cast<float>(double(z.s) + double(z.v) * h);
    }
    z.t = static_cast<float>(double(z.t) + double(z.dt));
}

float Kraft(const fuzzy::Controller& regler, const SimZustand& z) {
    const float a = static_cast<float>(double(z.s) * 100.0);
    const float b = static_cast<float>(double(z.v) * 100.0);
    return regler.Step(a, b);
}

bool InTargetBand(const SimZustand& z) { return std::fabs(double(z.s)) < TargetBand; }

bool OnTrack(const SimZustand& z) { return double(z.s) > RunOutLimit; }

float TickSeconds(std::uint32_t start, std::uint32_t jetzt) {
    const std::uint32_t ms = jetzt - start;  // unsigned: modulo 2^32
    return static_cast<float>(double(ms) / 1000.0);
}

int SceneColumn(float x, float s0, int szenenBreite) {
    double px = double(x) / double(s0) * double(szenenBreite) * 0.9;
    // Far beyond either edge the picture is invisible anyway; keeping it a
    // little further out than the picture is wide avoids an overflow (and a
    // NaN from a runaway state) in the conversion to int.
    constexpr double Weit = 1.0e6;
    if (std::isnan(px)) return -static_cast<int>(Weit);
    if (px > Weit)
        px = Weit;
    else if (px < -Weit)
        px = -Weit;
    return static_cast<int>(std::nearbyint(px));
}

}  // namespace pemrak
