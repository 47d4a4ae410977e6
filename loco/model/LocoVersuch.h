#pragma once

// A run of the locomotive together with the figures that judge it, and the
// set of runs the lab shows side by side (several masses, two step sizes).
// The command-line tool, the tests, the tuner and the workshop's lab all run
// this code.

#include "loco/model/LocoLauf.h"

#include <atomic>
#include <optional>
#include <vector>

namespace pemrak {

// "In Ruhe": |s| and |v| below these up to the end of the run.
constexpr float RuheSCm = 1.0f;
constexpr float GenauSCm = 0.5f;  // the stricter band: within half a centimetre
constexpr float RuheVCms = 0.5f;

struct Versuch {
    LaufOptionen Optionen;
    Lauf Fahrt;  // the trajectory
    Kennzahlen Zahlen;
    std::optional<float> InRuheAb;  // |s| < 1 cm, |v| < 0.5 cm/s to the end
    std::optional<float> GenauAb;   // |s| < 0.5 cm, |v| < 0.5 cm/s to the end
};

// The figures of a run made with these options.
Versuch Bewerte(const LaufOptionen& o, Lauf fahrt);

// One run under fuzzy control with its figures. The caller checks the start
// values and the controller first, as for Simuliere.
Versuch Fahre(const FuzzyRegler& regler, const LaufOptionen& o);

// Every mass with every step size, masses outside, steps inside; friction,
// distance, first step and time limit come from basis. A cancel flag, when
// given, is read before each run; once it is set no further run is made.
std::vector<Versuch> Versuchsreihe(const FuzzyRegler& regler, const LaufOptionen& basis,
                                   const std::vector<float>& massen, const std::vector<float>& schritte,
                                   const std::atomic<bool>* cancel = nullptr);

// The lab's and the tuner's set: 1, 2 and 4 kg at steps of 0.055 s and 0.1 s.
const std::vector<float>& LaborMassen();
const std::vector<float>& LaborSchritte();

}  // namespace pemrak
