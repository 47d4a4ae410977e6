#include "tuning/Finish.h"

#include "tuning/Fired.h"
#include "tuning/Moves.h"
#include "fuzzy/StepGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace tuning {

bool Finishing::Take(const fuzzy::Project& candidate) {
    const std::uint32_t changed = Changed(candidate, Best);
    if (changed == 0) return true;
    if (Names && !NamesFit(candidate, *Names)) return false;
    Evaluation e = EvaluateRuns(candidate, Kind, nullptr, nullptr, &Eval, changed);
    if (!e.Result.Complete || Better(Eval.Result, e.Result)) return false;
    Best = candidate;
    Eval = std::move(e);
    return true;
}

void FillReachedCells(Finishing& f) {
    const int outs = f.Best.Out.UsedTerms();
    if (outs == 0) return;
    for (int r = 1; r <= TableRows(f.Best); ++r)
        for (int c = 1; c <= f.Best.A.UsedTerms(); ++c) {
            if (HasRule(f.Best, r, c) || (f.Eval.Result.Reached & CellBit(r, c)) == 0) continue;
            const std::int32_t say = NeighboursSay(f.Best, r, c);
            std::vector<std::int32_t> terms(static_cast<std::size_t>(outs));
            std::iota(terms.begin(), terms.end(), 1);
            std::stable_sort(terms.begin(), terms.end(),
                             [say](std::int32_t x, std::int32_t y) { return std::abs(x - say) < std::abs(y - say); });
            for (const std::int32_t k : terms) {
                fuzzy::Project q = f.Best;
                q.Rules.Set(r, c, k);
                if (f.Take(q)) break;
            }
        }
}

namespace {

void Rounded(fuzzy::TFuzzy& v) {
    const double step = fuzzy::CornerStep(v);
    for (int t = 1; t <= v.UsedTerms(); ++t) {
        for (int k = 1; k <= 4; ++k) v.SetParam(t, k, fuzzy::OnStepGrid(v.GetParam(t, k), step));
        for (int k = 2; k <= 4; ++k)
            if (v.GetParam(t, k) < v.GetParam(t, k - 1)) v.SetParam(t, k, v.GetParam(t, k - 1));
    }
}

}  // namespace

void PutOnGrid(Finishing& f) {
    fuzzy::Project all = f.Best;
    for (int which = 0; which < 3; ++which)
        if (Variable(all, which).Defined) Rounded(Variable(all, which));
    if (f.Take(all)) return;
    for (int which = 0; which < 3; ++which) {
        if (!Variable(f.Best, which).Defined) continue;
        const double step = fuzzy::CornerStep(Variable(f.Best, which));
        for (int t = 1; t <= Variable(f.Best, which).UsedTerms(); ++t)
            for (int k = 1; k <= 4; ++k) {
                const float x = Variable(f.Best, which).GetParam(t, k);
                if (fuzzy::IsOnStepGrid(x, step)) continue;
                const float nearer = fuzzy::OnStepGrid(x, step);
                const float other = fuzzy::OnStepGrid(
                    static_cast<float>(nearer < x ? double(nearer) + step : double(nearer) - step), step);
                bool done = false;
                for (const float g : {nearer, other}) {
                    fuzzy::Project q = f.Best;
                    fuzzy::TFuzzy& v = Variable(q, which);
                    if ((k > 1 && g < v.GetParam(t, k - 1)) || (k < 4 && g > v.GetParam(t, k + 1))) continue;
                    v.SetParam(t, k, g);
                    if (f.Take(q)) {
                        done = true;
                        break;
                    }
                }
                if (!done) ++f.OffGrid;
            }
    }
}

void OutputEndsOut(Finishing& f, const fuzzy::Project& start) {
    const int n = start.Out.UsedTerms();
    if (n < 2 || f.Best.Out.UsedTerms() != n) return;
    const double mid = (double(start.Out.RangeMin) + start.Out.RangeMax) / 2.0;
    for (const int t : {1, n}) {
        const double inwards =
            std::fabs(double(start.Out.TermCentroid(t)) - mid) - std::fabs(double(f.Best.Out.TermCentroid(t)) - mid);
        if (!(inwards > 0.0)) continue;
        fuzzy::Project q = f.Best;
        for (int k = 1; k <= 4; ++k) q.Out.SetParam(t, k, start.Out.GetParam(t, k));
        if (KeepsMeaning(q.Out, start.Out, true)) f.Take(q);
    }
}

}  // namespace tuning

namespace tuning {

namespace {

// Moves every cell of `cells` to start's output term, or, where the order
// forbids it, to the term nearest to it between the cells below and left of
// it and those above and right of it. Cell by cell, in passes, as long as one
// still moves: each step keeps the table monotone.
void BackInOrder(fuzzy::RuleTable& t, const fuzzy::RuleTable& start, const RankedTable& ranks, std::uint32_t cells) {
    for (int pass = 0; pass < fuzzy::MaxTerms * fuzzy::MaxTerms; ++pass) {
        bool moved = false;
        for (int r = 0; r < ranks.Rows(); ++r)
            for (int c = 0; c < ranks.Cols(); ++c) {
                const int want = ranks.Get(start, r, c);
                if ((cells & ranks.Bit(r, c)) == 0 || want < 1) continue;
                int lo = 1, hi = ranks.Outs();
                if (c > 0) lo = std::max(lo, ranks.Get(t, r, c - 1));
                if (r > 0) lo = std::max(lo, ranks.Get(t, r - 1, c));
                if (c + 1 < ranks.Cols()) hi = std::min(hi, ranks.Get(t, r, c + 1));
                if (r + 1 < ranks.Rows()) hi = std::min(hi, ranks.Get(t, r + 1, c));
                if (lo > hi) continue;
                const int v = std::clamp(want, lo, hi);
                if (v == ranks.Get(t, r, c)) continue;
                ranks.Set(t, r, c, v);
                moved = true;
            }
        if (!moved) return;
    }
}

}  // namespace

std::uint32_t UnfiredCellsBack(Finishing& f, const fuzzy::Project& start, bool monotone) {
    const std::uint32_t fired = FiredCells(f.Best, f.Kind);
    std::uint32_t back = 0;
    for (int r = 1; r <= TableRows(f.Best); ++r)
        for (int c = 1; c <= f.Best.A.UsedTerms(); ++c)
            if ((fired & CellBit(r, c)) == 0 && HasRule(start, r, c)) back |= CellBit(r, c);
    fuzzy::Project q = f.Best;
    if (monotone) {
        BackInOrder(q.Rules, start.Rules, RankedTable(start), back);
    } else {
        for (int r = 1; r <= TableRows(q); ++r)
            for (int c = 1; c <= q.A.UsedTerms(); ++c)
                if ((back & CellBit(r, c)) != 0) q.Rules.Set(r, c, start.Rules.Get(r, c));
    }
    f.Take(q);
    return ChangedCells(f.Best.Rules, start.Rules) & ~fired;
}

}  // namespace tuning
