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
constexpr float RestSCm = 1.0f;
constexpr float ExactSCm = 0.5f;  // the stricter band: within half a centimetre
constexpr float RestVCms = 0.5f;

struct JudgedRun {
    RunOptions Options;
    RunResult Run;  // the trajectory
    RunFigures Figures;
    std::optional<float> AtRestFrom;  // |s| < 1 cm, |v| < 0.5 cm/s to the end
    std::optional<float> ExactFrom;   // |s| < 0.5 cm, |v| < 0.5 cm/s to the end
};

// The figures of a run made with these options.
JudgedRun Judge(const RunOptions& o, RunResult fahrt);

// One run under fuzzy control with its figures. The caller checks the start
// values and the controller first, as for Simuliere.
JudgedRun RunAndJudge(const fuzzy::Controller& regler, const RunOptions& o);

// Every mass with every step size, masses outside, steps inside; friction,
// distance, first step and time limit come from basis. A cancel flag, when
// given, is read before each run; once it is set no further run is made.
std::vector<JudgedRun> RunSeries(const fuzzy::Controller& regler, const RunOptions& basis,
                                 const std::vector<float>& massen, const std::vector<float>& schritte,
                                 const std::atomic<bool>* cancel = nullptr);

// The lab's and the tuner's set: 1, 2 and 4 kg at steps of 0.055 s and 0.1 s.
const std::vector<float>& LabMasses();
const std::vector<float>& LabSteps();

}  // namespace pemrak
