#pragma once

// A run of the locomotive without a window: the loop of the program with the
// wall-clock pacing replaced by a fixed simulated step. The command-line tool
// and the controller's tests use it, so both judge a controller alike.

#include "loco/model/LocoModel.h"

#include <optional>
#include <vector>

namespace pemrak {

struct LaufOptionen {
    Startwerte Start;
    // The program's first step always integrates over 0.1 s (nothing has been
    // measured yet); every later one over the measured duration of the step
    // before, a little over 50 ms. Here: ErsterDt, then Dt.
    float ErsterDt = ErsterZeitschritt;
    float Dt = 0.055f;
    // Simulated seconds after which a run that has not ended by itself stops.
    float MaxZeit = 60.0f;
};

// The state after one step, in the units the window shows.
struct LaufPunkt {
    float t = 0.0f;      // s
    float sCm = 0.0f;    // cm
    float vCms = 0.0f;   // cm/s
    float Kraft = 0.0f;  // N, the force used in this step
};

struct Lauf {
    std::vector<LaufPunkt> Verlauf;  // index 0 is the start state
    Aufzeichnung Punkte;             // what the plot of the program would show
    bool Ausgelaufen = false;        // ended 30 cm past the mark (never a state that is no number)
};

// Runs under fuzzy control. The caller checks the start values first
// (StartwerteFehler) and that the controller is usable; an ErsterDt or Dt
// that is not positive is taken as 0.001 s so that the run still ends.
Lauf Simuliere(const FuzzyRegler& regler, const LaufOptionen& o);

struct Kennzahlen {
    float EndeT = 0.0f;
    float EndeSCm = 0.0f;
    float EndeVCms = 0.0f;
    int Schritte = 0;
    bool Ausgelaufen = false;
    bool Endlich = true;            // position and speed at the end are finite numbers
    bool BandErreicht = false;      // |s| < 1 cm at the end of some step
    float UeberschwingenCm = 0.0f;  // how far past the mark it went at most (>= 0)
    int Vorzeichenwechsel = 0;      // of the force, zeros skipped
};

Kennzahlen KennzahlenVon(const Lauf& lauf);

// The time from which on |s| < sTolCm and |v| < vTolCms held up to the end of
// the run; nothing when the last state is outside the tolerance.
std::optional<float> RuheAb(const Lauf& lauf, float sTolCm, float vTolCms);

}  // namespace pemrak
