#pragma once

// The tuner: a seeded local search over the rule table and, on request, the
// corners of the terms, that keeps whatever improves the vehicle's score.
//
// Each round draws a fixed number of candidates from the current project;
// which candidates, is decided by the seed and the round alone. The threads
// only share out their evaluation, and the best candidate of the round (the
// first one on a tie) becomes the current project when it is not worse; it
// becomes the result only when it is better. So a run with the same seed and
// number of rounds gives the same project on any number of threads, the
// result never scores worse than the start, and when nothing better turns up
// the result is the start, unchanged.
//
// What a search may change: only rule cells that some run of the current
// project reached (a cell no run reaches keeps its entry), except that a cell
// leaving a place without a firing rule gets one; with Terms, the corners of
// the terms, each within its range (an input's shoulder as far beyond it as
// at the start), between its neighbours (a <= b <= c <= d), the centroids in
// their order and on their side of the range's middle.

#include "tuning/Score.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace tuning {

struct Options {
    Vehicle Kind = Vehicle::Truck;
    bool Terms = false;     // also move the corners of the terms
    double Seconds = 60.0;  // ends when this time is up; <= 0: no time limit
    int MaxRounds = 0;      // ends after this many rounds; 0 = no limit
    std::uint64_t Seed = 1;
    int Threads = 0;  // 0 = every core
    int CandidatesPerRound = 24;
};

struct Progress {
    int Round = 0;          // rounds done
    long Evaluations = 0;   // candidates scored so far
    double Seconds = 0.0;   // since the start
    double Fraction = 0.0;  // of the allowed time or rounds, 0 .. 1
    const Score* Best = nullptr;
    const fuzzy::Project* BestProject = nullptr;
    int Improvements = 0;
};

// Called once before the first round and after every round, on the thread
// that called Tune. Pointers are valid during the call only.
using ProgressFn = std::function<void(const Progress&)>;

struct Result {
    fuzzy::Project Best;
    Score Start;
    Score BestScore;
    int Rounds = 0;
    long Evaluations = 0;
    int Improvements = 0;
    int BestRound = 0;         // the round that last improved the score (0: none did)
    double BestSeconds = 0.0;  // and when it ended, since the start
    double Seconds = 0.0;
    bool Cancelled = false;
};

// Tunes a copy of start. The cancel flag, when given, is read by the runs as
// they go; once it is set (or the time is up) the round under way is dropped
// and the best project of the rounds completed is returned (Cancelled true
// when cancelled). Throws
// fuzzy::Error with a German message when the project does not fit
// the vehicle (see Unsuitable).
Result Tune(const fuzzy::Project& start, const Options& options, const std::atomic<bool>* cancel = nullptr,
            const ProgressFn& progress = {});

// The candidates of one round, as Tune draws them from the current project
// (exposed for the tests). With its score, only the rule cells its runs
// reached change (Score::Reached), and places without a firing rule get
// rules first; without one, every cell may change.
std::vector<fuzzy::Project> DrawCandidates(const fuzzy::Project& best, const fuzzy::Project& start,
                                           const Options& options, int round, const Score* bestScore = nullptr);

}  // namespace tuning
