#include "loco/model/LocoLauf.h"

#include <algorithm>
#include <cmath>

namespace pemrak {

namespace {

TrackPoint Messpunkt(const SimZustand& z) {
    return TrackPoint{z.t, static_cast<float>(double(z.s) * 100.0), static_cast<float>(double(z.v) * 100.0), z.Kraft};
}

float Schrittweite(float dt) { return dt > 0.0f ? dt : 0.001f; }

}  // namespace

bool AnotherStep(const RunOptions& o, int steps) {
    const double ende = double(Schrittweite(o.FirstDt)) + double(steps) * double(Schrittweite(o.Dt));
    // The steps are floats: 0.1f lies a little above 0.1, and 600 of them a
    // little above 60 s. A millionth of the limit covers that, far below any step.
    return ende <= double(o.MaxTime) * (1.0 + 1.0e-6);
}

RunResult RunFuzzy(const fuzzy::Controller& regler, const RunOptions& o) {
    RunResult lauf;
    SimZustand z;
    SimInit(z, lauf.Punkte, o.Start);
    z.dt = Schrittweite(o.FirstDt);
    lauf.Track.push_back(Messpunkt(z));
    const float dt = Schrittweite(o.Dt);
    do {
        const float kraft = Kraft(regler, z);
        if (!std::isfinite(kraft)) {
            lauf.Aborted = true;
            lauf.AbortedT = static_cast<float>(double(z.t) + double(z.dt));
            break;
        }
        lauf.Punkte.Zaehlen();
        z.s_alt = z.s;
        z.Kraft = kraft;
        Step(z);
        lauf.Punkte.Speichern(z);
        lauf.Track.push_back(Messpunkt(z));
        z.dt = dt;
    } while (OnTrack(z) && AnotherStep(o, static_cast<int>(lauf.Track.size()) - 1));
    // A position that is no number is not "past the line": the run broke
    // down, and saying it ran out would be a verdict it never earned.
    lauf.RanOut = !lauf.Aborted && std::isfinite(z.s) && !OnTrack(z);
    return lauf;
}

RunFigures FiguresOf(const RunResult& lauf) {
    RunFigures k;
    if (lauf.Track.empty()) return k;
    const TrackPoint& ende = lauf.Track.back();
    k.EndT = ende.t;
    k.EndSCm = ende.sCm;
    k.EndVCms = ende.vCms;
    k.Steps = static_cast<int>(lauf.Track.size()) - 1;
    k.Finite = std::isfinite(ende.sCm) && std::isfinite(ende.vCms);
    k.RanOut = lauf.RanOut && k.Finite;
    k.Aborted = lauf.Aborted;
    int letztesVorzeichen = 0;
    for (std::size_t i = 1; i < lauf.Track.size(); ++i) {
        const TrackPoint& p = lauf.Track[i];
        if (std::fabs(double(p.sCm)) < TargetBand * 100.0) k.BandReached = true;
        k.OvershootCm = std::max(k.OvershootCm, -p.sCm);
        const int vz = (p.Kraft > 0.0f) - (p.Kraft < 0.0f);
        if (vz != 0) {
            if (letztesVorzeichen != 0 && vz != letztesVorzeichen) ++k.SignChanges;
            letztesVorzeichen = vz;
        }
    }
    return k;
}

std::optional<float> RestingFrom(const RunResult& lauf, float sTolCm, float vTolCms) {
    std::optional<float> ab;
    for (const TrackPoint& p : lauf.Track) {
        const bool ruhig = std::fabs(p.sCm) < sTolCm && std::fabs(p.vCms) < vTolCms;
        if (!ruhig)
            ab.reset();
        else if (!ab)
            ab = p.t;
    }
    return ab;
}

}  // namespace pemrak
