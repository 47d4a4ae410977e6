#include "fuzzy/NoRuleRegions.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace fuzzy {

namespace {

// Single-precision values in their order as integers, -0 and +0 as one
// (the memberships cannot tell them apart: a flank turns either into a zero
// of one sign or the other). Consecutive keys are neighbouring values, so an
// interval of values is an interval of keys and its ends are exact.
using Key = std::int64_t;
constexpr Key KeyInf = 0x7F800000;  // +infinity; -KeyInf is -infinity

Key KeyOf(float x) {
    if (x == 0.0f) return 0;
    std::uint32_t u = 0;
    std::memcpy(&u, &x, sizeof u);
    return (u & 0x80000000u) != 0 ? -static_cast<Key>(u & 0x7FFFFFFFu) : static_cast<Key>(u);
}

float ValueOf(Key k) {
    const std::uint32_t u = k < 0 ? (0x80000000u | static_cast<std::uint32_t>(-k)) : static_cast<std::uint32_t>(k);
    float f = 0.0f;
    std::memcpy(&f, &u, sizeof f);
    return f;
}

struct KeySpan {
    Key lo = 1, hi = 0;  // empty unless lo <= hi
    bool Empty() const { return lo > hi; }
};

// Asks the engine itself for the memberships, so the analysis follows every
// rule of its flanks to the last bit.
class Probe {
public:
    explicit Probe(const TFuzzy& v) { v_.Assign(v); }
    float At(int term, Key k) {
        v_.Value = ValueOf(k);
        std::array<float, MaxTerms> m{};
        v_.Memberships(m);
        return m[static_cast<std::size_t>(term - 1)];
    }
    bool Fires(int term, Key k) { return At(term, k) > 0.0f; }
    const TFuzzy& Variable() const { return v_; }

private:
    TFuzzy v_;
};

// Where the term is above 0, over all values. The membership is 0 left of a,
// then a rising flank on [a, b) that never falls, a plateau of height h on
// [max(a, b), c), a falling flank on [max(a, b, c), d) that never rises, and
// 0 from d on; every piece is computed in double and rounded, which keeps
// the flanks monotone. So the values above 0 are one interval, and each
// piece is highest at a known place: the rising flank just below b, the
// plateau and the falling flank at their start. One of them lies inside the
// interval if any value does; from there a bisection over the keys finds
// both ends.
KeySpan FiringKeys(Probe& probe, int term) {
    const TFuzzy& v = probe.Variable();
    const float a = v.GetParam(term, ParamA), b = v.GetParam(term, ParamB), c = v.GetParam(term, ParamC),
                d = v.GetParam(term, ParamD), h = v.GetParam(term, ParamH);
    KeySpan none;
    if (!(h > 0.0f)) return none;
    std::array<std::optional<Key>, 3> candidates{};
    const float plateau = std::max(a, b);
    if (plateau < c) candidates[0] = KeyOf(plateau);
    if (a < b && KeyOf(b) - 1 >= KeyOf(a)) candidates[1] = KeyOf(b) - 1;
    const float falling = std::max(plateau, c);
    if (falling < d) candidates[2] = KeyOf(falling);
    std::optional<Key> anchor;
    for (const auto& k : candidates)
        if (k && *k >= -KeyInf && *k <= KeyInf && probe.Fires(term, *k)) {
            anchor = k;
            break;
        }
    if (!anchor) return none;
    KeySpan s;
    // The smallest key above 0: everything between it and the anchor is.
    Key lo = -KeyInf, hi = *anchor;
    while (lo < hi) {
        const Key mid = lo + (hi - lo) / 2;
        if (probe.Fires(term, mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    s.lo = hi;
    lo = *anchor;
    hi = KeyInf;
    while (lo < hi) {
        const Key mid = hi - (hi - lo) / 2;
        if (probe.Fires(term, mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    s.hi = lo;
    return s;
}

// The keys of the variable's range, both ends included; empty when the range
// is reversed or not a number.
KeySpan Domain(const TFuzzy& v) {
    KeySpan d;
    if (!(v.RangeMin <= v.RangeMax)) return d;
    d.lo = KeyOf(v.RangeMin);
    d.hi = KeyOf(v.RangeMax);
    return d;
}

// An input variable taken apart: each term's keys above 0, and the range cut
// into pieces on which the set of terms above 0 does not change.
struct Axis {
    KeySpan domain;
    std::array<KeySpan, MaxTerms> firing{};
    std::vector<KeySpan> pieces;
    std::vector<std::uint8_t> active;  // per piece: bit i - 1 for term i above 0
    std::vector<float> corners;        // the values a reader recognises

    bool IsCorner(float x) const { return std::find(corners.begin(), corners.end(), x) != corners.end(); }
};

Axis Analyse(const TFuzzy& v) {
    Axis ax;
    ax.domain = Domain(v);
    Probe probe(v);
    const int n = v.UsedTerms();
    ax.corners = {v.RangeMin, v.RangeMax};
    for (int i = 1; i <= n; ++i) {
        ax.firing[static_cast<std::size_t>(i - 1)] = FiringKeys(probe, i);
        for (int j = ParamA; j <= ParamD; ++j) ax.corners.push_back(v.GetParam(i, j));
    }
    if (ax.domain.Empty()) return ax;
    std::vector<Key> cuts{ax.domain.lo, ax.domain.hi + 1};
    auto cut = [&](Key k) {
        if (k > ax.domain.lo && k <= ax.domain.hi) cuts.push_back(k);
    };
    for (int i = 0; i < n; ++i) {
        const KeySpan& f = ax.firing[static_cast<std::size_t>(i)];
        if (f.Empty()) continue;
        cut(f.lo);
        cut(f.hi + 1);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        const KeySpan piece{cuts[k], cuts[k + 1] - 1};
        std::uint8_t mask = 0;
        for (int i = 0; i < n; ++i) {
            const KeySpan& f = ax.firing[static_cast<std::size_t>(i)];
            if (!f.Empty() && f.lo <= piece.lo && piece.lo <= f.hi) mask |= static_cast<std::uint8_t>(1u << i);
        }
        ax.pieces.push_back(piece);
        ax.active.push_back(mask);
    }
    return ax;
}

// The keys lo..hi as an interval with ends a reader recognises: an end next
// to a corner (or a range end) is written as that corner, left out, when the
// key itself is no corner; otherwise the key itself, included. Both say the
// same values.
Interval Present(const Axis& ax, Key lo, Key hi) {
    Interval r;
    r.Low = {ValueOf(lo), true};
    r.High = {ValueOf(hi), true};
    if (lo != ax.domain.lo && lo - 1 >= -KeyInf && ax.IsCorner(ValueOf(lo - 1)) && !ax.IsCorner(ValueOf(lo)))
        r.Low = {ValueOf(lo - 1), false};
    if (hi != ax.domain.hi && hi + 1 <= KeyInf && ax.IsCorner(ValueOf(hi + 1)) && !ax.IsCorner(ValueOf(hi)))
        r.High = {ValueOf(hi + 1), false};
    return r;
}

// The terms above 0 on the keys lo..hi or on the value right beside them.
std::uint8_t TermsNear(const Axis& ax, Key lo, Key hi) {
    std::uint8_t mask = 0;
    for (std::size_t i = 0; i < ax.firing.size(); ++i) {
        const KeySpan& f = ax.firing[i];
        if (!f.Empty() && f.lo <= hi + 1 && f.hi >= lo - 1) mask |= static_cast<std::uint8_t>(1u << i);
    }
    return mask;
}

std::uint32_t CellBit(int row, int column) { return 1u << ((row - 1) * 5 + (column - 1)); }

// The cells where a rule works: inside the terms the inference reads, naming
// an output term that Defuzzify sums.
std::uint32_t WorkingCells(const TFuzzy& A, const TFuzzy& B, const TFuzzy& Out, const RuleTable& Rules) {
    const int rows = B.Defined ? B.UsedTerms() : 1;
    std::uint32_t mask = 0;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= A.UsedTerms(); ++c) {
            const std::int32_t k = Rules.Get(r, c);
            if (k >= 1 && k <= Out.UsedTerms()) mask |= CellBit(r, c);
        }
    return mask;
}

std::uint32_t CellsOf(std::uint8_t columns, std::uint8_t rows) {
    std::uint32_t mask = 0;
    for (int r = 1; r <= MaxTerms; ++r)
        for (int c = 1; c <= MaxTerms; ++c)
            if ((rows >> (r - 1) & 1u) != 0 && (columns >> (c - 1) & 1u) != 0) mask |= CellBit(r, c);
    return mask;
}

// A rectangle of pieces, ends included.
struct Block {
    int i0, i1, j0, j1;
};

// Covers the dead pieces with rectangles that cannot grow in any direction,
// taking first the one that covers most of what is still uncovered: a gap
// across the whole of one input then reads as one box, not as many slices.
std::vector<Block> Cover(const std::vector<std::vector<bool>>& dead) {
    const int na = static_cast<int>(dead.size());
    const int nb = na > 0 ? static_cast<int>(dead[0].size()) : 0;
    auto allDead = [&](int i0, int i1, int j0, int j1) {
        for (int i = i0; i <= i1; ++i)
            for (int j = j0; j <= j1; ++j)
                if (!dead[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]) return false;
        return true;
    };
    std::vector<Block> maximal;
    for (int i0 = 0; i0 < na; ++i0)
        for (int j0 = 0; j0 < nb; ++j0) {
            if (!dead[static_cast<std::size_t>(i0)][static_cast<std::size_t>(j0)]) continue;
            for (int i1 = i0; i1 < na && allDead(i1, i1, j0, j0); ++i1)
                for (int j1 = j0; j1 < nb && allDead(i0, i1, j1, j1); ++j1) {
                    const bool growsLeft = i0 > 0 && allDead(i0 - 1, i0 - 1, j0, j1);
                    const bool growsRight = i1 + 1 < na && allDead(i1 + 1, i1 + 1, j0, j1);
                    const bool growsDown = j0 > 0 && allDead(i0, i1, j0 - 1, j0 - 1);
                    const bool growsUp = j1 + 1 < nb && allDead(i0, i1, j1 + 1, j1 + 1);
                    if (!growsLeft && !growsRight && !growsDown && !growsUp) maximal.push_back({i0, i1, j0, j1});
                }
        }
    std::vector<std::vector<bool>> open = dead;
    std::vector<Block> chosen;
    for (;;) {
        int best = -1, bestNew = 0;
        for (std::size_t k = 0; k < maximal.size(); ++k) {
            const Block& m = maximal[k];
            int fresh = 0;
            for (int i = m.i0; i <= m.i1; ++i)
                for (int j = m.j0; j <= m.j1; ++j)
                    fresh += open[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            if (fresh > bestNew) {
                best = static_cast<int>(k);
                bestNew = fresh;
            }
        }
        if (best < 0) break;
        const Block m = maximal[static_cast<std::size_t>(best)];
        for (int i = m.i0; i <= m.i1; ++i)
            for (int j = m.j0; j <= m.j1; ++j) open[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = false;
        chosen.push_back(m);
    }
    return chosen;
}

}  // namespace

bool Interval::Contains(float x) const {
    const bool aboveLow = x > Low.Value || (Low.Included && x == Low.Value);
    const bool belowHigh = x < High.Value || (High.Included && x == High.Value);
    return aboveLow && belowHigh;
}

bool NoRuleBox::HasCell(int row, int column) const {
    if (row < 1 || row > MaxTerms || column < 1 || column > MaxTerms) return false;
    return (Cells & CellBit(row, column)) != 0;
}

bool NoRuleBox::Contains(float a, float b) const { return A.Contains(a) && (!HasB || B.Contains(b)); }

bool NoRuleRegions::Contains(float a, float b) const {
    return std::any_of(Boxes.begin(), Boxes.end(), [&](const NoRuleBox& x) { return x.Contains(a, b); });
}

NoRuleRegions FindNoRuleRegions(const Project& p) {
    const TFuzzy& A = p.A;
    const TFuzzy& B = p.B;
    const TFuzzy& Out = p.Out;
    const RuleTable& Rules = p.Rules;
    NoRuleRegions result;
    result.TwoInputs = B.Defined;
    result.Fallback = Out.RangeMin;
    if (!A.Defined || !Out.Defined) return result;
    const Axis ax = Analyse(A);
    if (ax.pieces.empty()) return result;
    Axis bx;
    if (B.Defined) {
        bx = Analyse(B);
        if (bx.pieces.empty()) return result;
    } else {
        // Without input B the inference reads row 1 for every value of A.
        bx.pieces.push_back({0, 0});
        bx.active.push_back(1u);
    }
    const std::uint32_t working = WorkingCells(A, B, Out, Rules);
    const std::size_t na = ax.pieces.size(), nb = bx.pieces.size();
    std::vector<std::vector<bool>> dead(na, std::vector<bool>(nb));
    for (std::size_t i = 0; i < na; ++i)
        for (std::size_t j = 0; j < nb; ++j) {
            dead[i][j] = (CellsOf(ax.active[i], bx.active[j]) & working) == 0;
            result.DeadPieces += dead[i][j];
        }

    for (const Block& m : Cover(dead)) {
        NoRuleBox box;
        const auto i0 = static_cast<std::size_t>(m.i0), i1 = static_cast<std::size_t>(m.i1);
        const auto j0 = static_cast<std::size_t>(m.j0), j1 = static_cast<std::size_t>(m.j1);
        box.A = Present(ax, ax.pieces[i0].lo, ax.pieces[i1].hi);
        box.WholeA = i0 == 0 && i1 + 1 == na;
        box.TermsA = TermsNear(ax, ax.pieces[i0].lo, ax.pieces[i1].hi);
        box.WholeB = j0 == 0 && j1 + 1 == nb;
        box.HasB = B.Defined;
        if (B.Defined) {
            box.B = Present(bx, bx.pieces[j0].lo, bx.pieces[j1].hi);
            box.TermsB = TermsNear(bx, bx.pieces[j0].lo, bx.pieces[j1].hi);
        }
        int gapsA = 0, gapsB = 0;
        for (std::size_t i = i0; i <= i1; ++i) {
            gapsA += ax.active[i] == 0;
            for (std::size_t j = j0; j <= j1; ++j) box.Cells |= CellsOf(ax.active[i], bx.active[j]);
        }
        for (std::size_t j = j0; j <= j1 && B.Defined; ++j) gapsB += bx.active[j] == 0;
        box.GapA = gapsA == m.i1 - m.i0 + 1;
        box.GapB = B.Defined && gapsB == m.j1 - m.j0 + 1;
        box.PartlyGapA = gapsA > 0 && !box.GapA;
        box.PartlyGapB = gapsB > 0 && !box.GapB;
        result.Boxes.push_back(box);
    }
    auto order = [](const NoRuleBox& x) {
        return std::array<Key, 4>{KeyOf(x.A.Low.Value) * 2 + !x.A.Low.Included,
                                  KeyOf(x.B.Low.Value) * 2 + !x.B.Low.Included, KeyOf(x.A.High.Value),
                                  KeyOf(x.B.High.Value)};
    };
    std::sort(result.Boxes.begin(), result.Boxes.end(),
              [&](const NoRuleBox& x, const NoRuleBox& y) { return order(x) < order(y); });
    return result;
}

std::vector<TermGap> FindTermGaps(const TFuzzy& v) {
    const Axis ax = Analyse(v);
    std::vector<TermGap> gaps;
    for (std::size_t i = 0; i < ax.pieces.size(); ++i) {
        if (ax.active[i] != 0) continue;
        std::size_t j = i;
        while (j + 1 < ax.pieces.size() && ax.active[j + 1] == 0) ++j;
        gaps.push_back(
            {Present(ax, ax.pieces[i].lo, ax.pieces[j].hi), TermsNear(ax, ax.pieces[i].lo, ax.pieces[j].hi)});
        i = j;
    }
    return gaps;
}

bool TermFiringInterval(const TFuzzy& v, int i, Interval& within) {
    if (i < 1 || i > v.UsedTerms()) return false;
    Probe probe(v);
    const KeySpan f = FiringKeys(probe, i);
    const KeySpan d = Domain(v);
    const Key lo = std::max(f.lo, d.lo), hi = std::min(f.hi, d.hi);
    if (f.Empty() || d.Empty() || lo > hi) return false;
    Axis ax;
    ax.domain = d;
    ax.corners = {v.RangeMin, v.RangeMax};
    for (int t = 1; t <= v.UsedTerms(); ++t)
        for (int j = ParamA; j <= ParamD; ++j) ax.corners.push_back(v.GetParam(t, j));
    within = Present(ax, lo, hi);
    return true;
}

bool RuleFiring::At(float a, float b) {
    if (!P_.A.Defined || !P_.Out.Defined) return false;
    P_.A.Value = a;
    P_.B.Value = b;
    Infer(P_.Rules, P_.A, P_.B, P_.Out);
    for (int i = 1; i <= P_.Out.UsedTerms(); ++i)
        if (P_.Out.GetParam(i, ParamH) > 0.0f) return true;
    return false;
}

}  // namespace fuzzy
