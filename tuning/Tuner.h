#pragma once

// The tuner: a seeded local search over the rule table and, on request, the
// corners of the terms, that keeps whatever improves the vehicle's score.
//
// Each round draws a fixed number of candidates from the current project;
// which candidates, is decided by the seed, the round and the candidate's
// place alone. The threads only share out their evaluation, and the best
// candidate of the round (the first one on a tie) becomes the current project
// when it is not worse; it becomes the result only when it is better. So a
// run with the same seed and number of rounds gives the same project on any
// number of threads, the result never scores worse than the start, and when
// nothing better turns up the result is the start, unchanged.
//
// What a search may change (Moves.h): by default the rule table stays
// monotone in both inputs and every cell has a rule; without Monotone, only
// cells that some run of the current project reached change, and a cell
// leaving a place without a firing rule gets one. With Terms, the corners of
// the terms move on their variable's step grid and keep their meaning.
//
// A better result is finished before it is returned, each step kept only when
// the score stays as good and the names still fit their terms: reached cells
// without a rule get one, corners the search left off the step grid (those of
// the start) are put on it, the output's end terms go back out as far as they
// were at the start, and cells that no run of the result fires get back the
// rule they had, as far as a monotone table's order allows (Result::Unfired
// names the others).

#include "tuning/Score.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tuning {

struct Options {
    Vehicle Kind = Vehicle::Truck;
    bool Terms = false;     // also move the corners of the terms
    bool Monotone = true;   // rule tables rise along both inputs
    double Seconds = 60.0;  // ends when this time is up; <= 0: no time limit
    int MaxRounds = 0;      // ends after this many rounds; 0 = no limit
    std::uint64_t Seed = 1;
    int Threads = 0;  // 0 = every core
    int CandidatesPerRound = 24;
    // Rounds without a better current project after which the search climbs
    // on from elsewhere (a seed, or the best so far with a handful of changes).
    int RestartAfter = 100;
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
    // The best score the search itself found, before finishing: BestScore is
    // never worse.
    Score Searched;
    int Rounds = 0;
    long Evaluations = 0;
    int Improvements = 0;
    int BestRound = 0;         // the round that last improved the score (0: none did)
    double BestSeconds = 0.0;  // and when it ended, since the start
    double Seconds = 0.0;
    // How often the search, stuck, climbed on from a seed or from the best
    // so far with a handful of changes.
    int Restarts = 0;
    // Corners the finish could not put on the step grid without a worse
    // score (they stay where the search or the start had them).
    int OffGrid = 0;
    // Cells whose rule differs from the start's although no lab run of Best
    // fires them (FiredCells): in a monotone table only where the order
    // needs it, in a free one only cells the start left empty. Bits as
    // Score::Reached.
    std::uint32_t Unfired = 0;
    bool Cancelled = false;
};

// Tunes a copy of start. The cancel flag, when given, is read by the runs as
// they go; once it is set (or the time is up) the round under way is dropped
// and the best project of the rounds completed is returned (Cancelled true
// when cancelled). Throws fuzzy::Error with a German message when the
// project does not fit the vehicle (see Unsuitable).
Result Tune(const fuzzy::Project& start, const Options& options, const std::atomic<bool>* cancel = nullptr,
            const ProgressFn& progress = {});

// A term whose corners differ between two projects: variable 0 (input A),
// 1 (input B) or 2 (the output), term 1..5.
struct TermChange {
    int Variable = 0;
    int Term = 0;
};
std::vector<TermChange> ChangedTerms(const fuzzy::Project& before, const fuzzy::Project& after);

// The sentences naming r's Unfired cells by their terms and saying why they
// changed (start had a rule there: for the order of the table; start left
// them empty: they were given one), one a line, in the active language;
// empty when there are none.
std::string UnfiredText(const Result& r, const fuzzy::Project& start);

// The candidates of one round, as Tune draws them from the current project
// (exposed for the tests). With its score, only the rule cells its runs
// reached change in a free table (Score::Reached), and places without a
// firing rule get rules first; without one, every cell may change.
std::vector<fuzzy::Project> DrawCandidates(const fuzzy::Project& best, const fuzzy::Project& start,
                                           const Options& options, int round, const Score* bestScore = nullptr);

}  // namespace tuning
