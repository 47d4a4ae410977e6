#pragma once

// The truck's closed-loop runs from many starts at once: the teaching grid at
// one speed, every trajectory and the figures judged on them. The command-line
// tool, the tests, the tuner and the workshop's lab all run this code.

#include "fuzzy/NoRuleRegions.h"
#include "truck/model/Control.h"

#include <atomic>
#include <vector>

namespace dorvane {

// One start and how it went.
struct StartRun {
    RunResult Result;
    dorvane::Quality Quality;
    float StartRearX = 0.0f;
};

// What a set of runs achieved.
struct GridFigures {
    int Starts = 0;
    int Arrived = 0;
    int Aborted = 0;             // runs that ended at a steering angle that was no finite number
    int Docked = 0;              // the teaching goal met (Quality::Good)
    int MustKeepRoad = 0;        // starts whose rear point begins at x <= 0 ...
    int KeptRoad = 0;            // ... and of these the ones that never left the road
    double WorstX = 0.0;         // largest |x| at the end of an arrived run, m
    double WorstAttitude = 0.0;  // largest |attitude| at the end of an arrived run, degrees
    int MostSteps = 0;

    int LeftRoad() const { return MustKeepRoad - KeptRoad; }
    bool AllDocked() const { return Docked == Starts; }
};

struct GridRun {
    float Speed = 0.0f;
    std::vector<StartRun> Runs;  // in the order of the starts
    GridFigures Figures;
    bool Cancelled = false;  // stopped early: Runs and Figures cover the starts done
};

// Runs the starts one after the other. A cancel flag, when given, is read
// before each start; once it is set no further start is run.
std::vector<StartRun> RunStarts(const fuzzy::Controller& c, const std::vector<StartValues>& starts, float speed,
                                int maxSteps = DefaultMaxSteps, bool record = false,
                                const std::atomic<bool>* cancel = nullptr);

GridFigures Figures(const std::vector<StartRun>& runs);
// Counts one more run into f (Figures does this for every run).
void AddTo(GridFigures& f, const StartRun& r);

// The teaching grid (GridStarts) at one speed, with the trajectories when
// record is set. The controller's variables are written during the runs
// (inputs and output heights): a run in another thread needs its own copy.
GridRun RunGrid(const fuzzy::Controller& c, float speed, bool record = true, int maxSteps = DefaultMaxSteps,
                const std::atomic<bool>* cancel = nullptr);

// Where a recorded run first comes to a place at which no rule of the
// controller fires, so that the steering falls to the output's range start:
// never, already at the start, or later on its way. The controller sees the
// rear x and the attitude at every recorded moment but the one it arrived at.
// `firing` belongs to the caller's thread (it works on its own project).
enum class NoRulePlace { Never, AtStart, OnTheWay };
NoRulePlace WhereNoRuleFires(fuzzy::RuleFiring& firing, const RunResult& run);

}  // namespace dorvane
