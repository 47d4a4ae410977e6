#include "Tuner.h"

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
Rng RoundRng(std::uint64_t seed, int round)
{
    std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                      static_cast<std::uint32_t>(round), 0x7475u};
    return Rng(seq);
}

int Pick(Rng& rng, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

void MoveRule(Project& p, Rng& rng)
{
    const int cols = p.A.UsedTerms();
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    const int outs = p.Out.UsedTerms();
    if (cols == 0 || rows == 0)
        return;
    const int r = 1 + Pick(rng, rows), c = 1 + Pick(rng, cols);
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

fuzzy::TFuzzy& Variable(Project& p, int which)
{
    return which == 0 ? p.A : which == 1 ? p.B : p.Out;
}

const fuzzy::TFuzzy& Variable(const Project& p, int which)
{
    return which == 0 ? p.A : which == 1 ? p.B : p.Out;
}

void MoveCorner(Project& p, const Project& start, Rng& rng)
{
    std::vector<int> vars{0, 2};
    if (p.B.Defined)
        vars.push_back(1);
    const int which = vars[static_cast<std::size_t>(Pick(rng, static_cast<int>(vars.size())))];
    fuzzy::TFuzzy& v = Variable(p, which);
    const fuzzy::TFuzzy& v0 = Variable(start, which);
    if (v.UsedTerms() == 0)
        return;
    const int t = 1 + Pick(rng, v.UsedTerms());
    const int k = 1 + Pick(rng, 4);
    // A corner stays within the variable's range (or where the term already
    // reached beyond it at the start) and between its neighbours.
    const float termLo = std::min(v0.RangeMin, v0.GetParam(t, 1));
    const float termHi = std::max(v0.RangeMax, v0.GetParam(t, 4));
    const float lo = k == 1 ? termLo : v.GetParam(t, k - 1);
    const float hi = k == 4 ? termHi : v.GetParam(t, k + 1);
    double span = double(v0.RangeMax) - v0.RangeMin;
    if (!(span > 0.0))
        span = double(termHi) - termLo;
    static constexpr double Widths[] = {0.02, 0.08, 0.25};
    const double sigma = span * Widths[Pick(rng, 3)];
    const double moved = v.GetParam(t, k) + sigma * std::normal_distribution<double>(0.0, 1.0)(rng);
    if (!(lo <= hi) || !std::isfinite(moved))
        return;
    v.SetParam(t, k, std::clamp(static_cast<float>(moved), lo, hi));
}

double Elapsed(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

std::vector<Project> DrawCandidates(const Project& best, const Project& start, const Options& options, int round)
{
    Rng rng = RoundRng(options.Seed, round);
    std::vector<Project> candidates;
    const int n = std::max(1, options.CandidatesPerRound);
    candidates.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        Project p = best;
        // Mostly one change, sometimes a few together to cross a ridge.
        static constexpr int Changes[] = {1, 1, 1, 1, 1, 2, 2, 2, 3, 4};
        const int changes = Changes[Pick(rng, 10)];
        for (int c = 0; c < changes; ++c) {
            if (options.Terms && Pick(rng, 5) < 2)
                MoveCorner(p, start, rng);
            else
                MoveRule(p, rng);
        }
        candidates.push_back(std::move(p));
    }
    return candidates;
}

Result Tune(const Project& start, const Options& options, const std::atomic<bool>* cancel, const ProgressFn& progress)
{
    if (const auto why = Unsuitable(start, options.Kind))
        throw std::invalid_argument(*why);
    const auto began = std::chrono::steady_clock::now();
    const int threads = options.Threads > 0 ? options.Threads
                                            : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
    // The runs read one flag: set by the caller's cancel or when the time is
    // up. A round it cuts short is dropped whole, so the result is always
    // that of the rounds completed, the same on any machine.
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    const auto deadline = began + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                      std::chrono::duration<double>(options.Seconds > 0 ? options.Seconds : 1e9));
    std::thread watcher([&] {
        while (!finished.load()) {
            if (cancelled() || std::chrono::steady_clock::now() >= deadline)
                stop.store(true);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    struct JoinAtEnd {
        std::atomic<bool>& finished;
        std::thread& watcher;
        ~JoinAtEnd()
        {
            finished.store(true);
            watcher.join();
        }
    } joinAtEnd{finished, watcher};

    Result res;
    res.Best = start;
    res.Start = Evaluate(start, options.Kind, nullptr, cancel);  // the time limit spares the start
    res.BestScore = res.Start;
    auto report = [&] {
        if (!progress)
            return;
        Progress p;
        p.Round = res.Rounds;
        p.Evaluations = res.Evaluations;
        p.Seconds = Elapsed(began);
        if (options.MaxRounds > 0)
            p.Fraction = double(res.Rounds) / options.MaxRounds;
        if (options.Seconds > 0)
            p.Fraction = std::max(p.Fraction, p.Seconds / options.Seconds);
        p.Fraction = std::min(p.Fraction, 1.0);
        p.Best = &res.BestScore;
        p.BestProject = &res.Best;
        p.Improvements = res.Improvements;
        progress(p);
    };
    if (!res.Start.Complete) {
        res.Cancelled = true;
        res.Seconds = Elapsed(began);
        return res;
    }
    report();

    for (int round = 0;; ++round) {
        if (options.MaxRounds > 0 && round >= options.MaxRounds)
            break;
        if (stop.load() && !cancelled())
            break;  // time is up
        if (options.MaxRounds <= 0 && !(options.Seconds > 0))
            break;  // no limit given: nothing to do
        if (cancelled()) {
            res.Cancelled = true;
            break;
        }
        const std::vector<Project> candidates = DrawCandidates(res.Best, start, options, round);
        std::vector<Score> scores(candidates.size());
        std::atomic<std::size_t> next{0};
        const Score bound = res.BestScore;
        auto work = [&] {
            for (std::size_t i = next++; i < candidates.size(); i = next++)
                scores[i] = Evaluate(candidates[i], options.Kind, &bound, &stop);
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < std::min<int>(threads, static_cast<int>(candidates.size())); ++t)
            helpers.emplace_back(work);
        work();
        for (auto& h : helpers)
            h.join();
        if (stop.load()) {
            res.Cancelled = cancelled();
            break;
        }

        std::size_t pick = 0;
        for (std::size_t i = 1; i < scores.size(); ++i)
            if (Better(scores[i], scores[pick]))
                pick = i;
        if (scores[pick].Complete && !Better(res.BestScore, scores[pick])) {
            if (Better(scores[pick], res.BestScore)) {
                ++res.Improvements;
                res.BestRound = round + 1;
                res.BestSeconds = Elapsed(began);
            }
            res.Best = candidates[pick];
            res.BestScore = scores[pick];
        }
        res.Rounds = round + 1;
        res.Evaluations += static_cast<long>(candidates.size());
        report();
    }
    res.Seconds = Elapsed(began);
    return res;
}

}  // namespace tuning
