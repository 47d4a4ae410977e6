#include "tuning/Moves.h"

#include "fuzzy/StepGrid.h"

#include <algorithm>
#include <cstring>
#include <cmath>
#include <vector>

namespace tuning {

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Rng::Rng(std::uint64_t seed) {
    for (std::uint64_t& w : s_) w = SplitMix(seed);
}

Rng::Rng(std::uint64_t seed, std::uint64_t round, std::uint64_t place) {
    std::uint64_t x = seed;
    const std::uint64_t a = SplitMix(x);
    x = a ^ round;
    const std::uint64_t b = SplitMix(x);
    x = b ^ place;
    for (std::uint64_t& w : s_) w = SplitMix(x);
}

Rng::result_type Rng::operator()() {
    const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
}

namespace {

bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

bool SameVariableTerms(const fuzzy::TFuzzy& x, const fuzzy::TFuzzy& y) {
    for (int t = 1; t <= fuzzy::MaxTerms; ++t)
        for (int k = 1; k <= 5; ++k)
            if (!SameBits(x.GetParam(t, k), y.GetParam(t, k))) return false;
    return true;
}

}  // namespace

bool SameTerms(const fuzzy::Project& p, const fuzzy::Project& q) {
    return SameVariableTerms(p.A, q.A) && SameVariableTerms(p.B, q.B) && SameVariableTerms(p.Out, q.Out);
}

std::uint32_t Changed(const fuzzy::Project& p, const fuzzy::Project& from) {
    if (!SameTerms(p, from) || p.A.Defined != from.A.Defined || p.B.Defined != from.B.Defined ||
        p.A.TermCount != from.A.TermCount || p.B.TermCount != from.B.TermCount || p.Out.TermCount != from.Out.TermCount)
        return ~0u;
    std::uint32_t m = 0;
    for (std::size_t k = 0; k < p.Rules.Entries.size(); ++k)
        if (p.Rules.Entries[k] != from.Rules.Entries[k]) m |= 1u << k;
    return m;
}

fuzzy::TFuzzy& Variable(fuzzy::Project& p, int which) { return which == 0 ? p.A : which == 1 ? p.B : p.Out; }
const fuzzy::TFuzzy& Variable(const fuzzy::Project& p, int which) {
    return which == 0 ? p.A : which == 1 ? p.B : p.Out;
}

bool HasRule(const fuzzy::Project& p, int r, int c) {
    const std::int32_t k = p.Rules.Get(r, c);
    return k >= 1 && k <= p.Out.UsedTerms();
}

int TableRows(const fuzzy::Project& p) { return p.B.Defined ? p.B.UsedTerms() : 1; }

std::int32_t NeighboursSay(const fuzzy::Project& p, int r, int c) {
    const int cols = p.A.UsedTerms();
    const int rows = TableRows(p);
    for (int reach = 1; reach < 5; ++reach) {
        int sum = 0, n = 0;
        for (int rr = std::max(1, r - reach); rr <= std::min(rows, r + reach); ++rr)
            for (int cc = std::max(1, c - reach); cc <= std::min(cols, c + reach); ++cc)
                if ((rr != r || cc != c) && HasRule(p, rr, cc)) {
                    sum += p.Rules.Get(rr, cc);
                    ++n;
                }
        if (n > 0) return static_cast<std::int32_t>(std::lround(double(sum) / n));
    }
    return (p.Out.UsedTerms() + 1) / 2;
}

int Pick(Rng& rng, int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng); }

namespace {

// Term indices 1..n of v, left to right by centroid (ties keep their order).
std::array<int, fuzzy::MaxTerms> ByCentroid(const fuzzy::TFuzzy& v, int n) {
    std::array<int, fuzzy::MaxTerms> order{};
    for (int k = 0; k < n; ++k) order[static_cast<std::size_t>(k)] = k + 1;
    std::stable_sort(order.begin(), order.begin() + n,
                     [&v](int x, int y) { return v.TermCentroid(x) < v.TermCentroid(y); });
    return order;
}

}  // namespace

RankedTable::RankedTable(const fuzzy::Project& start) {
    cols_ = start.A.UsedTerms();
    rows_ = start.B.Defined ? start.B.UsedTerms() : 1;
    outs_ = start.Out.UsedTerms();
    col_ = ByCentroid(start.A, cols_);
    if (start.B.Defined)
        row_ = ByCentroid(start.B, rows_);
    else
        row_[0] = 1;
    out_ = ByCentroid(start.Out, outs_);
    for (int k = 0; k < outs_; ++k) outRank_[static_cast<std::size_t>(out_[static_cast<std::size_t>(k)])] = k + 1;
}

int RankedTable::Get(const fuzzy::RuleTable& t, int row, int col) const {
    const int e = t.Get(row_[static_cast<std::size_t>(row)], col_[static_cast<std::size_t>(col)]);
    return e >= 1 && e <= outs_ ? outRank_[static_cast<std::size_t>(e)] : 0;
}

void RankedTable::Set(fuzzy::RuleTable& t, int row, int col, int rank) const {
    const int e = rank >= 1 && rank <= outs_ ? out_[static_cast<std::size_t>(rank - 1)] : 0;
    t.Set(row_[static_cast<std::size_t>(row)], col_[static_cast<std::size_t>(col)], e);
}

std::uint32_t RankedTable::Bit(int row, int col) const {
    return CellBit(row_[static_cast<std::size_t>(row)], col_[static_cast<std::size_t>(col)]);
}

bool RankedTable::Monotone(const fuzzy::RuleTable& t) const {
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c) {
            const int m = Get(t, r, c);
            if (m < 1) return false;
            if (c > 0 && m < Get(t, r, c - 1)) return false;
            if (r > 0 && m < Get(t, r - 1, c)) return false;
        }
    return true;
}

void RankedTable::MakeMonotone(fuzzy::RuleTable& t) const {
    if (outs_ < 1 || cols_ < 1) return;
    bool any = false;
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c) any = any || Get(t, r, c) >= 1;
    if (!any) {
        Even(t, 1.0, 1.0, 0.0);
        return;
    }
    std::array<std::array<int, fuzzy::MaxTerms>, fuzzy::MaxTerms> m{};
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c) {
            // The smallest monotone value above every filled cell below and
            // to the left, the largest below every filled cell above and to
            // the right.
            int up = 0, down = outs_ + 1;
            for (int rr = 0; rr < rows_; ++rr)
                for (int cc = 0; cc < cols_; ++cc) {
                    const int x = Get(t, rr, cc);
                    if (x < 1) continue;
                    if (rr <= r && cc <= c) up = std::max(up, x);
                    if (rr >= r && cc >= c) down = std::min(down, x);
                }
            int v;
            if (up >= 1 && down <= outs_)
                v = static_cast<int>(std::lround((up + down) / 2.0));
            else if (up >= 1)
                v = up;
            else if (down <= outs_)
                v = down;
            else
                v = (outs_ + 1) / 2;
            m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = v;
        }
    // What the mean may still leave out of order is lifted: each cell at
    // least its neighbours below and to the left.
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c) {
            int& v = m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (c > 0) v = std::max(v, m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c - 1)]);
            if (r > 0) v = std::max(v, m[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)]);
            Set(t, r, c, std::clamp(v, 1, outs_));
        }
}

void RankedTable::Even(fuzzy::RuleTable& t, double ga, double gb, double shift) const {
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c) {
            const double a = cols_ > 1 ? double(c) / (cols_ - 1) : 0.5;
            const double b = rows_ > 1 ? double(r) / (rows_ - 1) : 0.5;
            const double x = (outs_ - 1) * (0.5 + ga * (a - 0.5) + gb * (b - 0.5)) + shift;
            Set(t, r, c, std::clamp(1 + static_cast<int>(std::lround(x)), 1, std::max(outs_, 1)));
        }
}

void RankedTable::Push(fuzzy::RuleTable& t, int row, int col, int delta) const {
    const int v = std::clamp(Get(t, row, col) + delta, 1, std::max(outs_, 1));
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c) {
            const int x = Get(t, r, c);
            if (delta > 0 && r >= row && c >= col && x < v) Set(t, r, c, v);
            if (delta < 0 && r <= row && c <= col && x > v) Set(t, r, c, v);
        }
}

void MonotoneRuleMove(fuzzy::RuleTable& t, const RankedTable& ranks, std::uint32_t reached, Rng& rng) {
    const int rows = ranks.Rows(), cols = ranks.Cols(), outs = ranks.Outs();
    if (rows < 1 || cols < 1 || outs < 2) return;
    std::vector<std::pair<int, int>> cells, all;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            all.emplace_back(r, c);
            if ((reached & ranks.Bit(r, c)) != 0) cells.emplace_back(r, c);
        }
    if (cells.empty() || Pick(rng, 10) == 0) cells = all;
    const fuzzy::RuleTable before = t;
    // A move that changes nothing (a push against the end of the output's
    // terms) is drawn again: a few tries, then the table stays.
    for (int attempt = 0; attempt < 8 && t == before; ++attempt) {
        const int kind = Pick(rng, 20);
        if (kind < 15) {
            const auto [r, c] = cells[static_cast<std::size_t>(Pick(rng, static_cast<int>(cells.size())))];
            const int size = Pick(rng, 5) == 0 ? 2 : 1;
            ranks.Push(t, r, c, Pick(rng, 2) ? size : -size);
        } else if (kind < 16) {
            // The whole table a term up or down.
            const int d = Pick(rng, 2) ? 1 : -1;
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) ranks.Set(t, r, c, std::clamp(ranks.Get(before, r, c) + d, 1, outs));
        } else if (kind < 18) {
            // The whole table a cell along one input: the boundaries between
            // the output's terms move together.
            const int d = Pick(rng, 2) ? 1 : -1;
            const bool alongA = Pick(rng, 2) == 0 || rows < 2;
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) {
                    const int rr = alongA ? r : std::clamp(r - d, 0, rows - 1);
                    const int cc = alongA ? std::clamp(c - d, 0, cols - 1) : c;
                    ranks.Set(t, r, c, ranks.Get(before, rr, cc));
                }
        } else {
            // An even table of other gains, averaged with the current one.
            const double ga = std::exp(0.6 * std::normal_distribution<double>(0.0, 1.0)(rng));
            const double gb = std::exp(0.6 * std::normal_distribution<double>(0.0, 1.0)(rng));
            const double shift = 0.5 * std::normal_distribution<double>(0.0, 1.0)(rng);
            fuzzy::RuleTable even = before;
            ranks.Even(even, ga, gb, shift);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) {
                    const int x = kind == 18 ? ranks.Get(even, r, c)
                                             : static_cast<int>((ranks.Get(even, r, c) + ranks.Get(before, r, c)) / 2);
                    ranks.Set(t, r, c, x);
                }
            ranks.MakeMonotone(t);
        }
    }
}

void FreeRuleMove(fuzzy::Project& p, std::uint32_t reached, Rng& rng) {
    const int cols = p.A.UsedTerms();
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    const int outs = p.Out.UsedTerms();
    if (outs < 1) return;
    std::vector<std::pair<int, int>> cells;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if ((reached & CellBit(r, c)) != 0) cells.emplace_back(r, c);
    if (cells.empty()) return;
    const auto [r, c] = cells[static_cast<std::size_t>(Pick(rng, static_cast<int>(cells.size())))];
    const std::int32_t old = p.Rules.Get(r, c);
    auto drawn = [&] { return 1 + Pick(rng, outs); };
    switch (Pick(rng, 6)) {
    case 0:
    case 1:  // one term further up or down, or a first rule
        p.Rules.Set(r, c,
                    old < 1 || old > outs ? drawn() : std::clamp<std::int32_t>(old + (Pick(rng, 2) ? 1 : -1), 1, outs));
        break;
    case 2: {  // what a neighbouring cell says
        const std::int32_t v =
            p.Rules.Get(std::clamp(r + Pick(rng, 3) - 1, 1, rows), std::clamp(c + Pick(rng, 3) - 1, 1, cols));
        p.Rules.Set(r, c, v >= 1 && v <= outs ? v : drawn());
        break;
    }
    case 3:  // any term
        p.Rules.Set(r, c, drawn());
        break;
    case 4: {  // the reached cells of a 2x2 block alike
        const int r0 = std::min(r, std::max(1, rows - 1)), c0 = std::min(c, std::max(1, cols - 1));
        const std::int32_t v = old >= 1 && old <= outs ? old : drawn();
        for (int rr = r0; rr <= std::min(rows, r0 + 1); ++rr)
            for (int cc = c0; cc <= std::min(cols, c0 + 1); ++cc)
                if ((reached & CellBit(rr, cc)) != 0) p.Rules.Set(rr, cc, v);
        break;
    }
    default: {  // the reached cells of the row a term up or down
        const int d = Pick(rng, 2) ? 1 : -1;
        for (int cc = 1; cc <= cols; ++cc) {
            if ((reached & CellBit(r, cc)) == 0) continue;
            const std::int32_t v = p.Rules.Get(r, cc);
            p.Rules.Set(r, cc, v >= 1 && v <= outs ? std::clamp<std::int32_t>(v + d, 1, outs) : drawn());
        }
        break;
    }
    }
}

// --- terms ----------------------------------------------------------------------

namespace {

// -1, 0 or 1: where a term's centroid lies against the middle of the range.
int Side(const fuzzy::TFuzzy& v, int t) {
    const double mid = (double(v.RangeMin) + v.RangeMax) / 2.0;
    const double x = v.TermCentroid(t);
    return (x > mid) - (x < mid);
}

// Where a term's corners may go: within the range. (The outer corners of an
// input's end terms, which may lie beyond it, do not move at all.)
float LowLimit(const fuzzy::TFuzzy& v0, int, bool) { return v0.RangeMin; }
float HighLimit(const fuzzy::TFuzzy& v0, int, bool) { return v0.RangeMax; }

// The part of the range where term t is above 0.
double Covered(const fuzzy::TFuzzy& v, int t) {
    const double lo = std::max(double(v.GetParam(t, fuzzy::ParamA)), double(v.RangeMin));
    const double hi = std::min(double(v.GetParam(t, fuzzy::ParamD)), double(v.RangeMax));
    return std::max(0.0, hi - lo);
}

// The corners (1..4) of term t that a move may change: not the outer two of
// an end term, which keep it a shoulder.
bool Movable(int t, int k, int n) { return !((t == 1 && k <= 2) || (t == n && k >= 3)); }

constexpr double MostCovered = 0.75;  // of the range
constexpr int LeastSteps = 2;         // a term at least this many grid steps wide

// Whether term t's peak (the corners at full height) lies on the side of
// the middle its centroid lies on: a "positive" term peaks at a positive
// value, the middle term's peak takes in the middle.
bool PeakOnItsSide(const fuzzy::TFuzzy& v, int t, int side) {
    const double mid = (double(v.RangeMin) + v.RangeMax) / 2.0;
    const double b = v.GetParam(t, fuzzy::ParamB), c = v.GetParam(t, fuzzy::ParamC);
    if (side > 0) return b >= mid;
    if (side < 0) return c <= mid;
    return b <= mid && c >= mid;
}

// Whether some corner of term t reaches further right past the same corner
// of u than at the start: past it at all where the start's corner lay at or
// left of u's, else further than the start's did. A start whose terms
// already reach into each other is not put right, but never made worse.
bool ReachesFurtherPast(const fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0, int t, int u) {
    for (int k = 1; k <= 4; ++k) {
        const double past = double(v.GetParam(t, k)) - v.GetParam(u, k);
        const double past0 = double(v0.GetParam(t, k)) - v0.GetParam(u, k);
        if (!(past <= std::max(0.0, past0))) return true;
    }
    return false;
}

// The side of zero the name of term t gives it, as its core in v0 shows: 1
// above, -1 below, 0 holding 0.
int NameSide(const fuzzy::TFuzzy& v0, int t) {
    if (v0.GetParam(t, fuzzy::ParamB) > 0.0f) return 1;
    if (v0.GetParam(t, fuzzy::ParamC) < 0.0f) return -1;
    return 0;
}

bool FitsItsName(const fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0, int t) {
    const float a = v.GetParam(t, fuzzy::ParamA), b = v.GetParam(t, fuzzy::ParamB);
    const float c = v.GetParam(t, fuzzy::ParamC), d = v.GetParam(t, fuzzy::ParamD);
    switch (NameSide(v0, t)) {
    case 1: return b > 0.0f && a >= std::min(0.0f, v0.GetParam(t, fuzzy::ParamA));
    case -1: return c < 0.0f && d <= std::max(0.0f, v0.GetParam(t, fuzzy::ParamD));
    default: return b <= 0.0f && c >= 0.0f;
    }
}

}  // namespace

bool NamesFit(const fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0) {
    if (v.UsedTerms() != v0.UsedTerms()) return false;
    for (int t = 1; t <= v.UsedTerms(); ++t)
        if (!FitsItsName(v, v0, t)) return false;
    return true;
}

bool NamesFit(const fuzzy::Project& p, const fuzzy::Project& start) {
    for (int which = 0; which < 3; ++which) {
        const fuzzy::TFuzzy& v = Variable(p, which);
        if (v.Defined && !NamesFit(v, Variable(start, which))) return false;
    }
    return true;
}

bool KeepsMeaning(const fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0, bool output) {
    const int n = v.UsedTerms();
    if (n != v0.UsedTerms()) return false;
    const double span = double(v0.RangeMax) - v0.RangeMin;
    const double step = fuzzy::CornerStep(v0);
    for (int t = 1; t <= n; ++t) {
        for (int k = 1; k <= 4; ++k) {
            const float x = v.GetParam(t, k);
            if (!std::isfinite(x)) return false;
            if (k > 1 && x < v.GetParam(t, k - 1)) return false;
            if (!Movable(t, k, n) && x != v0.GetParam(t, k)) return false;
        }
        for (int k = 1; k <= 4; ++k)
            if (Movable(t, k, n) && v.GetParam(t, k) != v0.GetParam(t, k) &&
                (v.GetParam(t, k) < LowLimit(v0, t, output) || v.GetParam(t, k) > HighLimit(v0, t, output)))
                return false;
        // Wide enough to be seen, never spread over (almost) the whole range;
        // a start that already went further is not made to go back.
        const double w = Covered(v, t), w0 = Covered(v0, t);
        if (w < std::min(LeastSteps * step, w0)) return false;
        if (w > std::max(MostCovered * span, w0)) return false;
        // In its place among the others: centroids in the same order, and no
        // corner reaches past the same corner of a term to its right (or
        // further past it than at the start): a term does not creep into its
        // neighbour.
        for (int u = 1; u <= n; ++u) {
            if (u == t) continue;
            const float s0 = v0.TermCentroid(t), s1 = v0.TermCentroid(u);
            const float n0 = v.TermCentroid(t), n1 = v.TermCentroid(u);
            if (s0 < s1 && !(n0 < n1)) return false;
            if (s0 < s1 && ReachesFurtherPast(v, v0, t, u)) return false;
        }
        // On its side of the middle, its peak too.
        const int side0 = Side(v0, t);
        if (side0 != 0 && Side(v, t) != side0) return false;
        if (PeakOnItsSide(v0, t, side0) && !PeakOnItsSide(v, t, side0)) return false;
        if (!FitsItsName(v, v0, t)) return false;
    }
    return true;
}

namespace {

bool NoTermAt(fuzzy::TFuzzy& v, float x) {
    const float kept = v.Value;
    v.Value = x;
    std::array<float, fuzzy::MaxTerms> m{};
    const int n = v.Memberships(m);
    v.Value = kept;
    return std::all_of(m.begin(), m.begin() + n, [](float d) { return !(d > 0.0f); });
}

}  // namespace

bool CoverRangeEnds(fuzzy::TFuzzy& v) {
    const int n = v.UsedTerms();
    if (!v.Defined || n < 2 || !(v.RangeMin < v.RangeMax)) return false;
    const double step = fuzzy::CornerStep(v);
    bool changed = false;
    // Only a plain shoulder (its outer corners together) at the end: a term
    // shaped otherwise there is the author's, and stays.
    if (NoTermAt(v, v.RangeMax) && v.GetParam(n, 3) == v.GetParam(n, 4) && v.GetParam(n, 4) <= v.RangeMax &&
        v.GetParam(n, 5) > 0.0f) {
        const float past = fuzzy::OnStepGrid(static_cast<float>(double(v.RangeMax) + step), step);
        if (std::isfinite(past) && past > v.RangeMax) {
            v.SetParam(n, 4, past);
            v.SetParam(n, 3, past);
            changed = true;
        }
    }
    if (NoTermAt(v, v.RangeMin) && v.GetParam(1, 1) == v.GetParam(1, 2) && v.GetParam(1, 1) > v.RangeMin &&
        v.GetParam(1, 5) > 0.0f) {
        v.SetParam(1, 1, v.RangeMin);
        v.SetParam(1, 2, v.RangeMin);
        changed = true;
    }
    return changed;
}

void MoveCorner(fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0, bool output, Rng& rng) {
    const int n = v.UsedTerms();
    if (n == 0) return;
    std::vector<std::pair<int, int>> corners;
    for (int t = 1; t <= n; ++t)
        for (int k = 1; k <= 4; ++k)
            if (Movable(t, k, n)) corners.emplace_back(t, k);
    if (corners.empty()) return;
    const auto [t, k] = corners[static_cast<std::size_t>(Pick(rng, static_cast<int>(corners.size())))];
    const double step = fuzzy::CornerStep(v0);
    const float lo = k == 1 ? LowLimit(v0, t, output) : std::max(LowLimit(v0, t, output), v.GetParam(t, k - 1));
    const float hi = k == 4 ? HighLimit(v0, t, output) : std::min(HighLimit(v0, t, output), v.GetParam(t, k + 1));
    if (!(lo <= hi)) return;
    // Steps in proportion to the room the corner has, so that terms crowded
    // together move finely and spread ones boldly; now and then a step in
    // proportion to the whole range. At least one grid step either way.
    const double span = double(v0.RangeMax) - v0.RangeMin;
    const double room = double(hi) - lo;
    static constexpr double Widths[] = {0.05, 0.15, 0.4};
    const int pick = Pick(rng, 4);
    const double sigma = (pick < 3 && room > 0.0 && room < span ? room * Widths[pick] : span * 0.1) / step;
    long steps = std::lround(sigma * std::normal_distribution<double>(0.0, 1.0)(rng));
    if (steps == 0) steps = Pick(rng, 2) ? 1 : -1;
    const float before = v.GetParam(t, k);
    const float moved = fuzzy::OnStepGrid(static_cast<float>(double(before) + double(steps) * step), step);
    if (!std::isfinite(moved)) return;
    v.SetParam(t, k, std::clamp(moved, lo, hi));
    if (!KeepsMeaning(v, v0, output)) v.SetParam(t, k, before);
}

void MoveTerm(fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0, bool output, Rng& rng) {
    const int n = v.UsedTerms();
    if (n == 0) return;
    const int t = 1 + Pick(rng, n);
    const double step = fuzzy::CornerStep(v0);
    const int size = 1 + Pick(rng, 3) + (Pick(rng, 4) == 0 ? 3 * Pick(rng, 4) : 0);
    const int steps = Pick(rng, 2) ? size : -size;
    const fuzzy::TFuzzy before = v;
    // Corners are written in the order that keeps a <= b <= c <= d on the way.
    for (int i = 0; i < 4; ++i) {
        const int k = steps > 0 ? 4 - i : 1 + i;
        if (!Movable(t, k, n)) continue;
        v.SetParam(t, k, fuzzy::OnStepGrid(static_cast<float>(double(v.GetParam(t, k)) + steps * step), step));
    }
    if (!KeepsMeaning(v, v0, output)) v = before;
}

bool ScaleTerms(fuzzy::TFuzzy& v, const fuzzy::TFuzzy& v0, bool output, double factor) {
    const int n = v.UsedTerms();
    if (n < 2 || !(factor > 0.0) || !std::isfinite(factor)) return false;
    const double mid = (double(v0.RangeMin) + v0.RangeMax) / 2.0;
    const double step = fuzzy::CornerStep(v0);
    const fuzzy::TFuzzy before = v;
    for (int t = 1; t <= n; ++t) {
        for (int k = 1; k <= 4; ++k) {
            if (!Movable(t, k, n)) continue;
            const double x = mid + (double(v.GetParam(t, k)) - mid) * factor;
            const float g = fuzzy::OnStepGrid(static_cast<float>(x), step);
            if (std::isfinite(g)) v.SetParam(t, k, std::clamp(g, LowLimit(v0, t, output), HighLimit(v0, t, output)));
        }
        for (int k = 2; k <= 4; ++k)
            if (v.GetParam(t, k) < v.GetParam(t, k - 1)) {
                // The fixed outer corners of an end term hold; the moved ones give way.
                if (Movable(t, k, n))
                    v.SetParam(t, k, v.GetParam(t, k - 1));
                else
                    for (int j = k - 1; j >= 1 && v.GetParam(t, j) > v.GetParam(t, k); --j)
                        v.SetParam(t, j, v.GetParam(t, k));
            }
    }
    if (!KeepsMeaning(v, v0, output)) {
        v = before;
        return false;
    }
    for (int t = 1; t <= n; ++t)
        for (int k = 1; k <= 4; ++k)
            if (v.GetParam(t, k) != before.GetParam(t, k)) return true;
    return false;
}

}  // namespace tuning
