#pragma once

// The truck's runs as every front end makes and judges them: the teaching
// grid or single starts at one speed, shared out over threads, cancellable,
// with the tracks kept when asked; each run's verdict, where on its way no
// rule fires, and the figures of the whole set. fuzzysim, the Werkstatt's
// lab, the exercises' check and the browser's engine all call this.

#include "fuzzy/Project.h"
#include "truck/model/Grid.h"

#include <atomic>
#include <vector>

namespace lab {

// What became of one run, in this order of precedence: a start that had to
// keep to the road and left it; docked (the teaching goal met), perhaps
// slowly or after a start beyond the road's right verge that went off the
// road for a while; arrived but not on the line; not arrived at all.
enum class TruckVerdict { LeftRoad, Docked, DockedSlowly, DockedOffRoad, Inexact, NotArrived };

TruckVerdict Judge(const dorvane::StartRun& r, float speed);
// Docked, DockedSlowly and DockedOffRoad: the teaching goal met.
bool Docked(TruckVerdict v);

// The verdict in a word or two, as fuzzysim's table writes it.
const char* VerdictText(TruckVerdict v);

// The colours of the tracks: docked, missed, left the road.
enum class TruckClass { Docked, Missed, LeftRoad };
TruckClass ClassOf(TruckVerdict v);

// A docked run needs more than the lab's usual time when it drives more than
// this far: twice the longest way any shipped controller needs, so that only
// a truck that crawls to the line (steering pinned at a stop) is named.
constexpr float UsualPathMetres = 200.0f;
// The lab's usual time at this speed, in steps of dorvane::StepSeconds.
int UsualSteps(float speed);

struct TruckRequest {
    float Speed = -1.0f;                       // m/s
    std::vector<dorvane::StartValues> Starts;  // empty: the teaching grid
    int MaxSteps = dorvane::DefaultMaxSteps;
    bool KeepTracks = true;                     // false: the tracks are dropped once judged
    int Threads = 0;                            // 0: one per core
    const std::atomic<bool>* Cancel = nullptr;  // read before each start
};

struct TruckRun {
    dorvane::StartRun Run;
    TruckVerdict Verdict = TruckVerdict::NotArrived;
    dorvane::NoRulePlace NoRule = dorvane::NoRulePlace::Never;
};

struct TruckFigures {
    dorvane::GridFigures Grid;
    int Slow = 0;            // docked, but in more than the usual time
    int NoRuleAtStart = 0;   // starts at which no rule fires
    int NoRuleOnTheWay = 0;  // further runs that come to such a place later
    int NoRule() const { return NoRuleAtStart + NoRuleOnTheWay; }
};

struct TruckSet {
    bool Defined = false;  // input A and the output are there; otherwise nothing was run
    float Speed = 0.0f;
    std::vector<TruckRun> Runs;  // in the order of the starts
    TruckFigures Figures;
    // Where no rule fires, the steering falls to the output's range start.
    float Fallback = 0.0f;
    bool Cancelled = false;  // stopped early: Runs and Figures cover the starts done
};

// The starts of the request at its speed; each worker drives with its own
// copy of the project, so the runs are the same from any number of threads.
TruckSet RunTrucks(const fuzzy::Project& p, const TruckRequest& r);

// The figures of these runs.
TruckFigures FiguresOf(const std::vector<TruckRun>& runs);

}  // namespace lab
