#pragma once

// A run of the locomotive without a window: the loop of the program with the
// wall-clock pacing replaced by a fixed simulated step. The command-line tool
// and the controller's tests use it, so both judge a controller alike.

#include "loco/model/LocoModel.h"

#include <optional>
#include <vector>

namespace pemrak {

struct RunOptions {
    StartValues Start;
    // The program's first step always integrates over 0.1 s (nothing has been
    // measured yet); every later one over the measured duration of the step
    // before, a little over 50 ms. Here: ErsterDt, then Dt.
    float FirstDt = FirstStepSeconds;
    float Dt = 0.055f;
    // Simulated seconds after which a run that has not ended by itself stops.
    float MaxTime = 60.0f;
};

// The state after one step, in the units the window shows.
struct TrackPoint {
    float t = 0.0f;      // s
    float sCm = 0.0f;    // cm
    float vCms = 0.0f;   // cm/s
    float Kraft = 0.0f;  // N, the force used in this step
};

struct RunResult {
    std::vector<TrackPoint> Track;  // index 0 is the start state
    Aufzeichnung Punkte;            // what the plot of the program would show
    bool RanOut = false;            // ended 30 cm past the mark (never a state that is no number)
    // Ended at a step whose force was no finite number (the step was not
    // driven); AbortedT is the time that step would have ended at.
    bool Aborted = false;
    float AbortedT = 0.0f;
};

// Whether a run that has made `steps` steps may make one more: the time it
// would end at, the first step and then steps of Dt counted as the decimals
// they stand for, lies within MaxTime (the longest a run lasts).
bool AnotherStep(const RunOptions& o, int steps);

// Runs under fuzzy control. The caller checks the start values first
// (StartValuesError) and that the controller is usable; a FirstDt or Dt
// that is not positive is taken as 0.001 s so that the run still ends.
RunResult RunFuzzy(const fuzzy::Controller& regler, const RunOptions& o);

struct RunFigures {
    float EndT = 0.0f;
    float EndSCm = 0.0f;
    float EndVCms = 0.0f;
    int Steps = 0;
    bool RanOut = false;
    bool Aborted = false;      // ended at a force that was no finite number
    bool Finite = true;        // position and speed at the end are finite numbers
    bool BandReached = false;  // |s| < 1 cm at the end of some step
    float OvershootCm = 0.0f;  // how far past the mark it went at most (>= 0)
    int SignChanges = 0;       // of the force, zeros skipped
};

RunFigures FiguresOf(const RunResult& lauf);

// The time from which on |s| < sTolCm and |v| < vTolCms held up to the end of
// the run; nothing when the last state is outside the tolerance.
std::optional<float> RestingFrom(const RunResult& lauf, float sTolCm, float vTolCms);

}  // namespace pemrak
