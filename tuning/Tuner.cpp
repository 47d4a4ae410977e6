#include "tuning/Tuner.h"

#include "fuzzy/Errors.h"
#include "fuzzy/Language.h"
#include "tuning/Evaluation.h"
#include "tuning/Finish.h"
#include "tuning/Moves.h"
#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/ParallelFor.h"
#include "fuzzy/StepGrid.h"
#include "tuning/Workers.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <numeric>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tuning {

namespace {

bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

Rng CandidateRng(std::uint64_t seed, int round, int index) {
    return Rng(seed, static_cast<std::uint64_t>(round), static_cast<std::uint64_t>(index));
}

// Gives every cell that leaves a place without a firing rule a rule: the
// cells a run reached a drawn one, the others what their neighbours say (the
// runs cannot tell what is right there).
void FillHoles(fuzzy::Project& p, std::uint32_t reached, Rng& rng) {
    std::uint32_t holes = 0;
    for (const fuzzy::NoRuleBox& b : fuzzy::FindNoRuleRegions(p).Boxes) holes |= b.Cells;
    const int outs = p.Out.UsedTerms();
    if (outs == 0) return;
    for (const bool reachedCells : {true, false})
        for (int r = 1; r <= fuzzy::MaxTerms; ++r)
            for (int c = 1; c <= fuzzy::MaxTerms; ++c) {
                if ((holes & CellBit(r, c)) == 0 || ((reached & CellBit(r, c)) != 0) != reachedCells) continue;
                p.Rules.Set(r, c, reachedCells ? 1 + Pick(rng, outs) : NeighboursSay(p, r, c));
            }
}

bool EmptyTable(const fuzzy::Project& p) {
    for (int r = 1; r <= TableRows(p); ++r)
        for (int c = 1; c <= p.A.UsedTerms(); ++c)
            if (HasRule(p, r, c)) return false;
    return true;
}

// Where a search starts when the start's table gives it little to go on (no
// rule, places without a firing rule, or out of order in a monotone search):
// even tables of several gains, with terms on inputs crowded towards the
// middle as well (the gain a controller needs near its goal is seldom what
// an even spread of terms gives).
struct Seed {
    double GainA, GainB, Shift, CrowdA, CrowdB;
};

std::vector<Seed> Seeds(bool terms) {
    std::vector<Seed> s;
    static constexpr double Gains[] = {0.5, 1.0, 1.5, 2.5};
    for (const double ga : Gains)
        for (const double gb : Gains) s.push_back({ga, gb, 0.0, 1.0, 1.0});
    if (terms)
        for (const double crowdA : {0.5, 0.25})
            for (const double crowdB : {1.0, 0.5})
                for (const double g : {1.0, 2.0}) s.push_back({g, g, 0.0, crowdA, crowdB});
    return s;
}

fuzzy::Project SeedCandidate(const fuzzy::Project& start, const RankedTable& ranks, const Seed& s) {
    fuzzy::Project p = start;
    ranks.Even(p.Rules, s.GainA, s.GainB, s.Shift);
    if (s.CrowdA != 1.0) ScaleTerms(p.A, start.A, false, s.CrowdA);
    if (s.CrowdB != 1.0 && p.B.Defined) ScaleTerms(p.B, start.B, false, s.CrowdB);
    return p;
}

// Draws the candidates of a search: what it needs of the start is worked out
// once.
class Drawer {
public:
    Drawer(const fuzzy::Project& start, const Options& options)
        : start_(start), options_(options), ranks_(start), perRound_(std::max(1, options.CandidatesPerRound)) {
        // Where the start's table gives a search little to go on (no rule,
        // or in a monotone search out of order or with places without a
        // firing rule), the first rounds try the seeds. A free search fills
        // the holes of a table it was given instead.
        const bool needsSeeds =
            EmptyTable(start) ||
            (options.Monotone && (!ranks_.Monotone(start.Rules) || !fuzzy::FindNoRuleRegions(start).Empty()));
        if (needsSeeds) seeds_ = Seeds(options.Terms);
        seedRounds_ = static_cast<int>((seeds_.size() + static_cast<std::size_t>(perRound_) - 1) /
                                       static_cast<std::size_t>(perRound_));
    }

    int PerRound() const { return perRound_; }
    int SeedRounds() const { return seedRounds_; }
    // Whether candidate i of the round is a seed (and not drawn from best).
    bool IsSeed(int round, int i) const { return SeedIndex(round, i) < seeds_.size(); }

    // Candidate i of the round, drawn from best (whose score it is, when
    // known) by seed, round and place alone.
    fuzzy::Project Draw(const fuzzy::Project& best, const Score* bestScore, int round, int i, bool terms = true) const {
        if (IsSeed(round, i)) return SeedCandidate(start_, ranks_, seeds_[SeedIndex(round, i)]);
        Rng rng = CandidateRng(options_.Seed, round, i);
        const std::uint32_t reached = bestScore ? bestScore->Reached : ~0u;
        fuzzy::Project p = best;
        if (options_.Monotone) {
            if (!ranks_.Monotone(p.Rules)) ranks_.MakeMonotone(p.Rules);
        } else if (bestScore && bestScore->NoRulePieces > 0 && i % 2 == 0) {
            FillHoles(p, reached, rng);
        }
        // Mostly one change, sometimes a few together to cross a ridge; the
        // last two candidates of a round take a long jump out of a local
        // optimum. With terms, every other candidate changes terms (and
        // rules now and then), the others rules only: a table that suits the
        // terms is found far faster than terms that suit a table.
        static constexpr int Changes[] = {1, 1, 1, 1, 1, 2, 2, 2, 3, 4};
        const int changes = i >= perRound_ - 2 ? 4 + Pick(rng, 4) : Changes[Pick(rng, 10)];
        std::vector<int> vars{0, 2};
        if (p.B.Defined) vars.push_back(1);
        for (int c = 0; c < changes; ++c) {
            const int kind = terms && options_.Terms && i % 2 == 1 ? Pick(rng, 10) : 9;
            if (kind < 5) {
                const int which = vars[static_cast<std::size_t>(Pick(rng, static_cast<int>(vars.size())))];
                fuzzy::TFuzzy& v = Variable(p, which);
                const fuzzy::TFuzzy& v0 = Variable(start_, which);
                const bool output = which == 2;
                if (kind < 3)
                    MoveCorner(v, v0, output, rng);
                else if (kind < 4)
                    MoveTerm(v, v0, output, rng);
                else
                    ScaleTerms(v, v0, output, std::exp(0.5 * std::normal_distribution<double>(0.0, 1.0)(rng)));
            } else if (options_.Monotone) {
                MonotoneRuleMove(p.Rules, ranks_, reached, rng);
            } else {
                FreeRuleMove(p, reached, rng);
            }
        }
        return p;
    }

private:
    std::size_t SeedIndex(int round, int i) const {
        return round < 0 || i < 0 || i >= perRound_ ? seeds_.size() : static_cast<std::size_t>(round) * perRound_ + i;
    }

    const fuzzy::Project& start_;
    const Options& options_;
    RankedTable ranks_;
    int perRound_;
    std::vector<Seed> seeds_;
    int seedRounds_ = 0;
};

double Elapsed(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

std::vector<TermChange> ChangedTerms(const fuzzy::Project& before, const fuzzy::Project& after) {
    std::vector<TermChange> changes;
    for (int which = 0; which < 3; ++which) {
        const fuzzy::TFuzzy& x = Variable(before, which);
        const fuzzy::TFuzzy& y = Variable(after, which);
        if (!x.Defined || !y.Defined) continue;
        for (int t = 1; t <= std::min(x.UsedTerms(), y.UsedTerms()); ++t)
            for (int k = 1; k <= 5; ++k)
                if (!SameBits(x.GetParam(t, k), y.GetParam(t, k))) {
                    changes.push_back({which, t});
                    break;
                }
    }
    return changes;
}

std::string UnfiredText(const Result& r, const fuzzy::Project& start) {
    const fuzzy::Project& p = r.Best;
    // Cells that had a rule changed for the order alone; empty ones were given one.
    std::string ordered, filled;
    for (int row = 1; row <= TableRows(p); ++row)
        for (int col = 1; col <= p.A.UsedTerms(); ++col) {
            if ((r.Unfired & CellBit(row, col)) == 0) continue;
            std::string cell = "A = " + p.A.GetTermName(col);
            if (p.B.Defined) cell += ", B = " + p.B.GetTermName(row);
            std::string& list = HasRule(start, row, col) ? ordered : filled;
            list += (list.empty() ? "" : "; ") + cell;
        }
    std::string text;
    if (!ordered.empty())
        text = fuzzy::Fmt(fuzzy::Tr("KernOptimierer",
                                    "Felder, die keine Fahrt erreicht, nur ge\xC3\xA4ndert, damit die Tabelle "
                                    "monoton bleibt: %1."),
                          {ordered});
    if (!filled.empty())
        text += (text.empty() ? "" : "\n") +
                fuzzy::Fmt(fuzzy::Tr("KernOptimierer",
                                     "Felder, die keine Fahrt erreicht, haben eine Regel bekommen, weil sie leer "
                                     "waren: %1."),
                           {filled});
    return text;
}

std::vector<fuzzy::Project> DrawCandidates(const fuzzy::Project& best, const fuzzy::Project& start,
                                           const Options& options, int round, const Score* bestScore) {
    const Drawer drawer(start, options);
    std::vector<fuzzy::Project> candidates;
    candidates.reserve(static_cast<std::size_t>(drawer.PerRound()));
    for (int i = 0; i < drawer.PerRound(); ++i) candidates.push_back(drawer.Draw(best, bestScore, round, i));
    return candidates;
}

Result Tune(const fuzzy::Project& start, const Options& options, const std::atomic<bool>* cancel,
            const ProgressFn& progress) {
    if (const auto why = Unsuitable(start, options.Kind)) throw fuzzy::Error(*why);
    const auto began = std::chrono::steady_clock::now();
    Workers workers(fuzzy::ThreadsFor(options.Threads, static_cast<std::size_t>(options.CandidatesPerRound)));
    auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
    // The runs read one flag: set by the caller's cancel or when the time is
    // up. A round it cuts short is dropped whole, so the result is always
    // that of the rounds completed, the same on any machine.
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    const auto deadline = began + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                      std::chrono::duration<double>(options.Seconds > 0 ? options.Seconds : 1e9));
    // Where no thread can watch the clock, the loop looks at it after each
    // round's work and drops the round that ran past the end, as the
    // watcher would have cut it short.
    auto timeUp = [&] {
        if (!fuzzy::HasThreads && (cancelled() || std::chrono::steady_clock::now() >= deadline)) stop.store(true);
        return stop.load();
    };
    std::thread watcher;
    if (fuzzy::HasThreads)
        watcher = std::thread([&] {
            while (!finished.load()) {
                if (cancelled() || std::chrono::steady_clock::now() >= deadline) stop.store(true);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    struct JoinAtEnd {
        std::atomic<bool>& finished;
        std::thread& watcher;
        ~JoinAtEnd() {
            finished.store(true);
            if (watcher.joinable()) watcher.join();
        }
    } joinAtEnd{finished, watcher};

    Result res;
    res.Best = start;
    Evaluation currentEval = EvaluateRuns(start, options.Kind, nullptr, cancel);  // the time limit spares the start
    res.Start = currentEval.Result;
    res.BestScore = res.Start;
    auto report = [&] {
        if (!progress) return;
        Progress p;
        p.Round = res.Rounds;
        p.Evaluations = res.Evaluations;
        p.Seconds = Elapsed(began);
        if (options.MaxRounds > 0) p.Fraction = double(res.Rounds) / options.MaxRounds;
        if (options.Seconds > 0) p.Fraction = std::max(p.Fraction, p.Seconds / options.Seconds);
        p.Fraction = std::min(p.Fraction, 1.0);
        p.Best = &res.BestScore;
        p.BestProject = &res.Best;
        p.Improvements = res.Improvements;
        progress(p);
    };
    // Cancelled before the search began: the result is the start.
    auto cancelledAtStart = [&] {
        res.Cancelled = true;
        res.Searched = res.Start;
        res.Seconds = Elapsed(began);
        return res;
    };
    if (!res.Start.Complete) return cancelledAtStart();
    Evaluation bestEval = currentEval;
    // The search starts from the start with its inputs' ends covered (a
    // search moving terms cannot do it itself), kept as a result only when
    // that alone scores better.
    fuzzy::Project from = start;
    if (options.Terms) {
        bool covered = CoverRangeEnds(from.A);
        if (from.B.Defined) covered = CoverRangeEnds(from.B) || covered;
        if (covered) {
            currentEval = EvaluateRuns(from, options.Kind, nullptr, cancel);
            if (!currentEval.Result.Complete) return cancelledAtStart();
            if (Better(currentEval.Result, res.Start)) {
                res.Best = from;
                res.BestScore = currentEval.Result;
                bestEval = currentEval;
            }
        }
    }
    fuzzy::Project current = from;
    const Drawer drawer(from, options);
    report();

    const int n = drawer.PerRound();
    std::vector<fuzzy::Project> candidates(static_cast<std::size_t>(n));
    std::vector<Evaluation> evals(static_cast<std::size_t>(n));
    std::vector<std::uint32_t> changed(static_cast<std::size_t>(n));
    std::vector<std::size_t> order(static_cast<std::size_t>(n));
    std::vector<int> cost(static_cast<std::size_t>(n));
    // The seeds, best first, for climbs from another place later on.
    struct Restart {
        fuzzy::Project Project;
        Evaluation Eval;
    };
    std::vector<Restart> seeds;
    std::size_t nextSeed = 0;
    int stale = 0;  // rounds since the current project last got better
    // With terms, a climb from a seed changes the rules alone (a table that
    // suits the terms is found far faster than terms that suit a table);
    // the terms move in the climbs from the best so far.
    bool termsOn = drawer.SeedRounds() == 0;
    for (int round = 0;; ++round) {
        if (options.MaxRounds > 0 && round >= options.MaxRounds) break;
        if (stop.load() && !cancelled()) break;                       // time is up
        if (options.MaxRounds <= 0 && !(options.Seconds > 0)) break;  // no limit given: nothing to do
        if (cancelled()) {
            res.Cancelled = true;
            break;
        }
        const Score bound = currentEval.Result;
        auto draw = [&](std::size_t i) {
            candidates[i] = drawer.Draw(current, &bound, round, static_cast<int>(i), termsOn);
            changed[i] = Changed(candidates[i], current);
        };
        auto evaluate = [&](std::size_t i) {
            evals[i] = EvaluateRuns(candidates[i], options.Kind, &bound, &stop, &currentEval, changed[i]);
        };
        if (options.Kind == Vehicle::Truck) {
            // A truck candidate runs only the starts its changes touch: from
            // a few to all 328. The threads score the costliest first, so that
            // none is left with a long one at the end of the round while the
            // others wait.
            workers.Run(order.size(), {}, draw);
            for (std::size_t i = 0; i < order.size(); ++i) {
                order[i] = i;
                cost[i] = RunsToMake(options.Kind, &currentEval, changed[i]);
            }
            std::stable_sort(order.begin(), order.end(),
                             [&](std::size_t x, std::size_t y) { return cost[x] > cost[y]; });
            workers.Run(order.size(), order, evaluate);
        } else {
            // A locomotive candidate makes all six runs, most of them cut
            // short within a fraction of a millisecond: drawing and scoring
            // go together, in one hand-out per round.
            workers.Run(order.size(), {}, [&](std::size_t i) {
                draw(i);
                evaluate(i);
            });
        }
        if (timeUp()) {
            res.Cancelled = cancelled();
            break;
        }

        std::size_t pick = 0;
        for (std::size_t i = 1; i < evals.size(); ++i)
            if (Better(evals[i].Result, evals[pick].Result)) pick = i;
        // The search walks on to a candidate that scores as well as the
        // current project (to cross a plateau), but the result changes only
        // when the score gets better: without one, it is the start itself.
        ++stale;
        if (Better(evals[pick].Result, currentEval.Result)) stale = 0;
        if (round < drawer.SeedRounds())
            for (std::size_t i = 0; i < evals.size(); ++i)
                if (drawer.IsSeed(round, static_cast<int>(i)) && evals[i].Result.Complete)
                    seeds.push_back({candidates[i], evals[i]});
        if (evals[pick].Result.Complete && !Better(currentEval.Result, evals[pick].Result)) {
            current = candidates[pick];
            currentEval = std::move(evals[pick]);
            if (Better(currentEval.Result, res.BestScore)) {
                ++res.Improvements;
                res.BestRound = round + 1;
                res.BestSeconds = Elapsed(began);
                res.Best = current;
                res.BestScore = currentEval.Result;
                bestEval = currentEval;
            }
        }
        res.Rounds = round + 1;
        res.Evaluations += static_cast<long>(n);
        if (round + 1 == drawer.SeedRounds())
            std::stable_sort(seeds.begin(), seeds.end(),
                             [](const Restart& x, const Restart& y) { return Better(x.Eval.Result, y.Eval.Result); });
        if (options.RestartAfter > 0 && stale >= options.RestartAfter) {
            // Stuck: climb on from elsewhere, taken whatever it scores; the
            // result keeps the best so far. By turns the next best seed (the
            // first climb started from the best), and the best so far with a
            // handful of changes at once.
            ++res.Restarts;
            if (res.Restarts % 2 == 1 && nextSeed + 1 < seeds.size()) {
                ++nextSeed;
                current = seeds[nextSeed].Project;
                currentEval = seeds[nextSeed].Eval;
                termsOn = false;
            } else {
                termsOn = true;
                fuzzy::Project kicked = res.Best;
                for (int k = 0; k < 3; ++k) kicked = drawer.Draw(kicked, nullptr, round, n + k);
                Evaluation e = EvaluateRuns(kicked, options.Kind, nullptr, &stop);
                if (e.Result.Complete) {
                    current = std::move(kicked);
                    currentEval = std::move(e);
                }
            }
            stale = 0;
        }
        report();
    }
    res.Searched = res.BestScore;
    if (Better(res.BestScore, res.Start)) {
        Finishing f;
        f.Kind = options.Kind;
        f.Best = res.Best;
        f.Eval = std::move(bestEval);
        f.Names = &start;
        if (!options.Monotone) FillReachedCells(f);
        if (options.Terms) {
            PutOnGrid(f);
            OutputEndsOut(f, start);
        }
        res.Unfired = UnfiredCellsBack(f, start, options.Monotone);
        res.Best = std::move(f.Best);
        res.BestScore = f.Eval.Result;
        res.OffGrid = f.OffGrid;
    }
    res.Seconds = Elapsed(began);
    return res;
}

}  // namespace tuning
