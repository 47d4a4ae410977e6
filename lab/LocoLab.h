#pragma once

// The locomotive's runs as every front end makes and judges them: each mass
// with each step, shared out over threads, cancellable, every run judged
// (at rest, exact, overshoot, sign changes of the force, the target band),
// and where on the way no rule fires. fuzzysim, the Werkstatt's lab, the
// exercises' check and the browser's engine all call this.

#include "fuzzy/Project.h"
#include "loco/model/LocoVersuch.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace lab {

struct LocoRequest {
    pemrak::RunOptions Base;  // friction, distance, first step, time limit (and mass and step when the lists are empty)
    std::vector<float> Masses;                  // kg; empty: Base's
    std::vector<float> Steps;                   // s; empty: Base's
    int Threads = 0;                            // 0: one per core
    const std::atomic<bool>* Cancel = nullptr;  // read before each run
};

// A moment of a run: which run (index into LocoSet::Runs), when and where.
struct LocoPlace {
    int Run = 0;
    float T = 0.0f, SCm = 0.0f, VCms = 0.0f;
};

struct LocoSet {
    // Why nothing was run (a variable missing, start values the model
    // cannot run with), in the active language; nothing when the runs are there.
    std::optional<std::string> Error;
    std::vector<pemrak::JudgedRun> Runs;  // masses outside, steps inside
    // Where no rule fires, so that the force falls to Fallback (the output's
    // range start): at the start, which all runs share, or else the earliest
    // moment of any run after its start.
    bool NoRuleAtStart = false;
    std::optional<LocoPlace> NoRuleOnTheWay;
    float Fallback = 0.0f;
    bool Cancelled = false;  // stopped early: Runs holds the runs before the first left out
};

// The runs of the request, the same from any number of threads.
LocoSet RunLocos(const fuzzy::Project& p, const LocoRequest& r);

}  // namespace lab
