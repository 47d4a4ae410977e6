#include "tuning/Tuner.h"

#include "fuzzy/Errors.h"

#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/ParallelFor.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tuning {

namespace {

using Rng = std::mt19937_64;

// The generator of one round: the seed and the round number mixed so that
// neighbouring seeds or rounds give unrelated sequences.
Rng RoundRng(std::uint64_t seed, int round) {
    std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                      static_cast<std::uint32_t>(round), 0x7475u};
    return Rng(seq);
}

int Pick(Rng& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

std::uint32_t CellBit(int row, int column) { return 1u << ((row - 1) * 5 + (column - 1)); }

// Changes one rule cell, one that some run of the project reached: a cell no
// run reaches does not change the score, and rewriting it would only scramble
// what the user wrote.
void MoveRule(fuzzy::Project& p, std::uint32_t reached, Rng& rng) {
    const int cols = p.A.UsedTerms();
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    const int outs = p.Out.UsedTerms();
    std::vector<std::pair<int, int>> cells;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if ((reached & CellBit(r, c)) != 0) cells.emplace_back(r, c);
    if (cells.empty()) return;
    const auto [r, c] = cells[static_cast<std::size_t>(Pick(rng, static_cast<int>(cells.size())))];
    const std::int32_t old = p.Rules.Get(r, c);
    std::int32_t v = old;
    switch (Pick(rng, 4)) {
    case 0: {  // one term further up or down, or a first rule
        if (old < 1 || old > outs)
            v = 1 + Pick(rng, std::max(outs, 1));
        else
            v = std::clamp<std::int32_t>(old + (Pick(rng, 2) ? 1 : -1), 1, std::max(outs, 1));
        break;
    }
    case 1: {  // what a neighbouring cell says
        const int dr = Pick(rng, 3) - 1, dc = Pick(rng, 3) - 1;
        v = p.Rules.Get(std::clamp(r + dr, 1, rows), std::clamp(c + dc, 1, cols));
        break;
    }
    default:  // anything, "no rule" included
        v = Pick(rng, outs + 1);
        break;
    }
    p.Rules.Set(r, c, v);
}

bool Works(const fuzzy::Project& p, int r, int c) {
    const std::int32_t k = p.Rules.Get(r, c);
    return k >= 1 && k <= p.Out.UsedTerms();
}

// What the working cells around (r, c) say, for a cell that no run reaches:
// the rounded mean of its working neighbours, or of the nearest working
// cells further off, or the middle output term when there is none.
std::int32_t NeighboursSay(const fuzzy::Project& p, int r, int c) {
    const int cols = p.A.UsedTerms();
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    for (int reach = 1; reach < 5; ++reach) {
        int sum = 0, n = 0;
        for (int rr = std::max(1, r - reach); rr <= std::min(rows, r + reach); ++rr)
            for (int cc = std::max(1, c - reach); cc <= std::min(cols, c + reach); ++cc)
                if ((rr != r || cc != c) && Works(p, rr, cc)) {
                    sum += p.Rules.Get(rr, cc);
                    ++n;
                }
        if (n > 0) return static_cast<std::int32_t>(std::lround(double(sum) / n));
    }
    return (p.Out.UsedTerms() + 1) / 2;
}

// How a hole gets its rule: a drawn output term (reached cells only), or the
// term that a table rising (or falling) evenly along both inputs puts there,
// the shape most controllers' tables have.
enum class Fill { Drawn, Rising, Falling };

std::int32_t EvenTable(const fuzzy::Project& p, int r, int c, bool rising) {
    const int cols = p.A.UsedTerms();
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    const int outs = p.Out.UsedTerms();
    const int steps = (cols - 1) + (rows - 1);
    const double at = steps > 0 ? double((c - 1) + (r - 1)) / steps : 0.5;
    const auto k = static_cast<std::int32_t>(1 + std::lround(at * (outs - 1)));
    return rising ? k : outs + 1 - k;
}

// Gives every cell that leaves a place without a firing rule a rule. In a
// drawn fill only the cells a run reached are drawn; the others take what
// their neighbours say (the runs cannot tell what is right there).
void FillHoles(fuzzy::Project& p, std::uint32_t reached, Fill fill, Rng& rng) {
    std::uint32_t holes = 0;
    for (const fuzzy::NoRuleBox& b : fuzzy::FindNoRuleRegions(p).Boxes) holes |= b.Cells;
    const int outs = p.Out.UsedTerms();
    if (outs == 0) return;
    for (const bool reachedCells : {true, false})
        for (int r = 1; r <= fuzzy::MaxTerms; ++r)
            for (int c = 1; c <= fuzzy::MaxTerms; ++c) {
                if ((holes & CellBit(r, c)) == 0 || ((reached & CellBit(r, c)) != 0) != reachedCells) continue;
                if (fill != Fill::Drawn)
                    p.Rules.Set(r, c, EvenTable(p, r, c, fill == Fill::Rising));
                else
                    p.Rules.Set(r, c, reachedCells ? 1 + Pick(rng, outs) : NeighboursSay(p, r, c));
            }
}

fuzzy::TFuzzy& Variable(fuzzy::Project& p, int which) { return which == 0 ? p.A : which == 1 ? p.B : p.Out; }

const fuzzy::TFuzzy& Variable(const fuzzy::Project& p, int which) {
    return which == 0 ? p.A : which == 1 ? p.B : p.Out;
}

// -1, 0 or 1: where a term's centroid lies against the middle of the range.
int Side(const fuzzy::TFuzzy& v, int t) {
    const double mid = (double(v.RangeMin) + v.RangeMax) / 2.0;
    const double x = v.TermCentroid(t);
    return (x > mid) - (x < mid);
}

// What a term may not lose by moving its corners: its place among the other
// terms (the centroids keep their order, "negativ groß" stays left of
// "negativ klein"), and the side of the range's middle it lies on (a term
// named "positiv klein" does not become a negative one).
bool KeepsItsPlace(const fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0, int t) {
    for (int u = 1; u <= v.UsedTerms(); ++u) {
        if (u == t) continue;
        const int lo = std::min(t, u), hi = std::max(t, u);
        const float s0 = v0.TermCentroid(lo), s1 = v0.TermCentroid(hi);
        const float n0 = v.TermCentroid(lo), n1 = v.TermCentroid(hi);
        if (s0 < s1 && !(n0 < n1)) return false;
        if (s0 <= s1 && !(n0 <= n1)) return false;
    }
    const int side0 = Side(v0, t);
    return side0 == 0 || Side(v, t) == side0;
}

void MoveCorner(fuzzy::Project& p, const fuzzy::Project& start, Rng& rng) {
    std::vector<int> vars{0, 2};
    if (p.B.Defined) vars.push_back(1);
    const int which = vars[static_cast<std::size_t>(Pick(rng, static_cast<int>(vars.size())))];
    fuzzy::TFuzzy& v = Variable(p, which);
    const fuzzy::TFuzzy& v0 = Variable(start, which);
    if (v.UsedTerms() == 0) return;
    const int t = 1 + Pick(rng, v.UsedTerms());
    const int k = 1 + Pick(rng, 4);
    // A corner stays between its neighbours and within the variable's range;
    // an input's shoulder may keep reaching as far beyond it as it did at the
    // start, but the output's terms, and so every force or steering angle the
    // controller can ask for, stay inside the output's range.
    const bool output = which == 2;
    const float termLo = output ? v0.RangeMin : std::min(v0.RangeMin, v0.GetParam(t, 1));
    const float termHi = output ? v0.RangeMax : std::max(v0.RangeMax, v0.GetParam(t, 4));
    const float lo = k == 1 ? termLo : std::max(termLo, v.GetParam(t, k - 1));
    const float hi = k == 4 ? termHi : std::min(termHi, v.GetParam(t, k + 1));
    // Steps in proportion to the room the corner has, so that terms crowded
    // together move finely and spread ones boldly; now and then a step in
    // proportion to the whole range.
    double span = double(v0.RangeMax) - v0.RangeMin;
    if (!(span > 0.0)) span = double(termHi) - termLo;
    const double room = double(hi) - lo;
    static constexpr double Widths[] = {0.02, 0.08, 0.25};
    const int pick = Pick(rng, 4);
    const double sigma = pick < 3 && room > 0.0 && room < span ? room * 2.0 * Widths[pick] : span * Widths[pick % 3];
    const double moved = v.GetParam(t, k) + sigma * std::normal_distribution<double>(0.0, 1.0)(rng);
    if (!(lo <= hi) || !std::isfinite(moved)) return;
    const float before = v.GetParam(t, k);
    v.SetParam(t, k, std::clamp(static_cast<float>(moved), lo, hi));
    if (!KeepsItsPlace(v, v0, t)) v.SetParam(t, k, before);
}

// Draws every inner corner of a variable towards the middle of its range or
// away from it by one factor: the terms keep their shapes and their order but
// crowd together or spread out, which changes the controller's gain near the
// middle in one step, where single corners would have to move one by one.
// The outer corners of the end terms stay; every corner stays within its
// limits as in MoveCorner, and a move that costs a term its place is undone.
void ScaleTerms(fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0, bool output, double factor) {
    const int n = v.UsedTerms();
    if (n < 2 || !(factor > 0.0) || !std::isfinite(factor)) return;
    const double mid = (double(v0.RangeMin) + v0.RangeMax) / 2.0;
    const fuzzy::TFuzzy before = v;
    for (int t = 1; t <= n; ++t) {
        const float termLo = output ? v0.RangeMin : std::min(v0.RangeMin, v0.GetParam(t, 1));
        const float termHi = output ? v0.RangeMax : std::max(v0.RangeMax, v0.GetParam(t, 4));
        for (int k = 1; k <= 4; ++k) {
            const bool outer = (t == 1 && k <= 2) || (t == n && k >= 3);
            if (outer) continue;
            const double x = mid + (double(v.GetParam(t, k)) - mid) * factor;
            if (std::isfinite(x)) v.SetParam(t, k, std::clamp(static_cast<float>(x), termLo, termHi));
        }
        for (int k = 2; k <= 4; ++k)
            if (v.GetParam(t, k) < v.GetParam(t, k - 1)) v.SetParam(t, k, v.GetParam(t, k - 1));
    }
    for (int t = 1; t <= n; ++t)
        if (!KeepsItsPlace(v, v0, t)) {
            v = before;
            return;
        }
}

void MoveScale(fuzzy::Project& p, const fuzzy::Project& start, Rng& rng) {
    std::vector<int> vars{0, 2};
    if (p.B.Defined) vars.push_back(1);
    const int which = vars[static_cast<std::size_t>(Pick(rng, static_cast<int>(vars.size())))];
    const double factor = std::exp(0.8 * std::normal_distribution<double>(0.0, 1.0)(rng));
    ScaleTerms(Variable(p, which), Variable(start, which), which == 2, factor);
}

double Elapsed(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

std::vector<fuzzy::Project> DrawCandidates(const fuzzy::Project& best, const fuzzy::Project& start,
                                           const Options& options, int round, const Score* bestScore) {
    Rng rng = RoundRng(options.Seed, round);
    const std::uint32_t reached = bestScore ? bestScore->Reached : ~0u;
    const bool holes = bestScore && bestScore->NoRulePieces > 0;
    std::vector<fuzzy::Project> candidates;
    const int n = std::max(1, options.CandidatesPerRound);
    candidates.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        fuzzy::Project p = best;
        // Places without a firing rule are filled first: until then the runs
        // say little about the table. With terms, the first candidates then
        // try even tables on inputs crowded towards the middle by steps (the
        // gain a controller needs is seldom what an even spread gives).
        if (holes && options.Terms && i < 16) {
            FillHoles(p, reached, i < 8 ? Fill::Rising : Fill::Falling, rng);
            static constexpr double CrowdA[] = {1.0, 0.5, 0.25, 0.1};
            static constexpr double CrowdB[] = {1.0, 0.3};
            ScaleTerms(p.A, start.A, false, CrowdA[i % 4]);
            if (p.B.Defined) ScaleTerms(p.B, start.B, false, CrowdB[(i / 4) % 2]);
            candidates.push_back(std::move(p));
            continue;
        }
        if (holes && i % 2 == 0) FillHoles(p, reached, Fill::Drawn, rng);
        // Mostly one change, sometimes a few together to cross a ridge.
        static constexpr int Changes[] = {1, 1, 1, 1, 1, 2, 2, 2, 3, 4};
        // Two candidates of a round take a long jump out of a local optimum.
        const int changes = i >= n - 2 ? 6 + Pick(rng, 4) : Changes[Pick(rng, 10)];
        for (int c = 0; c < changes; ++c) {
            const int kind = options.Terms ? Pick(rng, 10) : 9;
            if (kind < 3)
                MoveCorner(p, start, rng);
            else if (kind < 4)
                MoveScale(p, start, rng);
            else
                MoveRule(p, reached, rng);
        }
        candidates.push_back(std::move(p));
    }
    return candidates;
}

Result Tune(const fuzzy::Project& start, const Options& options, const std::atomic<bool>* cancel,
            const ProgressFn& progress) {
    if (const auto why = Unsuitable(start, options.Kind)) throw fuzzy::Error(*why);
    const auto began = std::chrono::steady_clock::now();
    const int threads = fuzzy::ThreadsFor(options.Threads, static_cast<std::size_t>(options.CandidatesPerRound));
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
    res.Start = Evaluate(start, options.Kind, nullptr, cancel);  // the time limit spares the start
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
    fuzzy::Project current = start;
    Score currentScore = res.Start;
    if (!res.Start.Complete) {
        res.Cancelled = true;
        res.Seconds = Elapsed(began);
        return res;
    }
    report();

    for (int round = 0;; ++round) {
        if (options.MaxRounds > 0 && round >= options.MaxRounds) break;
        if (stop.load() && !cancelled()) break;                       // time is up
        if (options.MaxRounds <= 0 && !(options.Seconds > 0)) break;  // no limit given: nothing to do
        if (cancelled()) {
            res.Cancelled = true;
            break;
        }
        const std::vector<fuzzy::Project> candidates = DrawCandidates(current, start, options, round, &currentScore);
        std::vector<Score> scores(candidates.size());
        const Score bound = currentScore;
        fuzzy::ParallelFor(candidates.size(), threads, [&](std::size_t i, int) {
            scores[i] = Evaluate(candidates[i], options.Kind, &bound, &stop);
        });
        if (timeUp()) {
            res.Cancelled = cancelled();
            break;
        }

        std::size_t pick = 0;
        for (std::size_t i = 1; i < scores.size(); ++i)
            if (Better(scores[i], scores[pick])) pick = i;
        // The search walks on to a candidate that scores as well as the
        // current project (to cross a plateau), but the result changes only
        // when the score gets better: without one, it is the start itself.
        Score picked = scores[pick];
        if (picked.Complete && picked.Provisional && !Better(currentScore, picked)) {
            picked = Evaluate(candidates[pick], options.Kind, nullptr, &stop);
            if (timeUp()) {
                res.Cancelled = cancelled();
                break;
            }
        }
        if (picked.Complete && !Better(currentScore, picked)) {
            current = candidates[pick];
            currentScore = picked;
            if (Better(currentScore, res.BestScore)) {
                ++res.Improvements;
                res.BestRound = round + 1;
                res.BestSeconds = Elapsed(began);
                res.Best = current;
                res.BestScore = currentScore;
            }
        }
        res.Rounds = round + 1;
        res.Evaluations += static_cast<long>(candidates.size());
        report();
    }
    res.Seconds = Elapsed(began);
    return res;
}

}  // namespace tuning
