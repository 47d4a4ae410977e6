// Where the other tools sample the output, and what their centroids come to:
// the grid of the exported output range, its error bound, and exact
// centroids of the ways other tools combine the scaled terms.
#include "exchange/Detail.h"

#include "fuzzy/Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

namespace exchange::detail {

// ---- sampling grid of the output --------------------------------------------

namespace {

struct Decimal {
    std::int64_t digits;  // value * 10^scale
    int scale;
};

// The shortest decimal of a single number as an integer and a power of ten.
std::optional<Decimal> ToDecimal(float v) {
    const std::string s = fuzzy::NumberText(v, fuzzy::NumberForm::Fixed);
    const std::size_t point = s.find('.');
    const int scale = point == std::string::npos ? 0 : static_cast<int>(s.size() - point - 1);
    std::string all = s;
    if (point != std::string::npos) all.erase(point, 1);
    if (all.size() > 16) return std::nullopt;
    std::int64_t n = 0;
    const auto r2 = std::from_chars(all.data(), all.data() + all.size(), n);
    if (r2.ec != std::errc()) return std::nullopt;
    return Decimal{n, scale};
}

std::int64_t Pow10(int k) {
    std::int64_t p = 1;
    for (int i = 0; i < k; ++i) p *= 10;
    return p;
}

// The largest number of the form 2^i 5^j that is at most n (n >= 1).
std::int64_t NiceAtMost(std::int64_t n) {
    std::int64_t best = 1;
    for (std::int64_t p2 = 1; p2 <= n; p2 *= 2) {
        for (std::int64_t p = p2; p <= n; p *= 5) best = std::max(best, p);
    }
    return best;
}

// The smallest number of the form 2^i 5^j that is at least n (n >= 1).
std::int64_t NiceAtLeast(std::int64_t n) {
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (std::int64_t p2 = 1; p2 < 4 * n; p2 *= 2) {
        for (std::int64_t p = p2; p < 8 * n; p *= 5) {
            if (p >= n) best = std::min(best, p);
        }
    }
    return best;
}

struct Corners {
    double a, b, c, d;
};

// A trapezoid of height 1 as the other tool evaluates it (closed left flank).
double Unit(const Corners& t, double x) {
    if (x < t.a) return 0.0;
    if (x < t.b) return t.a == t.b ? 1.0 : (x - t.a) / (t.b - t.a);
    if (x < t.c) return 1.0;
    if (x < t.d) return t.c == t.d ? 1.0 : 1.0 - (x - t.c) / (t.d - t.c);
    return 0.0;
}

double UnitArea(const Corners& t) { return ((t.c - t.b) + (t.d - t.a)) / 2.0; }

double UnitMoment(const Corners& t) {
    // Six times the moments of the flanks and the plateau, as in TermCentroid.
    const double n = (t.b - t.a) * (2 * t.b + t.a) + 3 * (t.c * t.c - t.b * t.b) + (t.d - t.c) * (2 * t.c + t.d);
    return n / 6.0;
}

// The bound of the centroid's sampling error: for any positive activations
// w_k, (sum w_k (dM_k - c dA_k)) / (sum w_k A^_k) lies within the largest
// ratio of the single terms, with the unknown centroid c anywhere in the range.
void ComputeBound(const std::vector<Corners>& terms, OutputGrid& g) {
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // Only the comment's figure depends on it; the fuzzer checks what the file carries.
    if (g.resolution > 1000) {
        g.bound = 0.0;
        return;
    }
#endif
    const double lo = *ParseDouble(g.loText), hi = *ParseDouble(g.hiText);
    const double dx = (hi - lo) / g.resolution;
    const double mid = (lo + hi) / 2.0, half = (hi - lo) / 2.0;
    double bound = 0.0;
    for (const Corners& t : terms) {
        const double area = UnitArea(t);
        if (area <= 0.0) continue;
        double sa = 0.0, sm = 0.0;
        for (int i = 0; i < g.resolution; ++i) {
            const double x = lo + (i + 0.5) * dx;
            const double y = Unit(t, x);
            sa += y;
            sm += y * x;
        }
        sa *= dx;
        sm *= dx;
        if (sa <= 0.0) {
            bound = std::numeric_limits<double>::infinity();
            continue;
        }
        const double dA = sa - area, dM = sm - UnitMoment(t);
        bound = std::max(bound, (std::fabs(dM - mid * dA) + half * std::fabs(dA)) / sa);
    }
    g.bound = bound;
}

}  // namespace

OutputGrid ChooseGrid(const fuzzy::TFuzzy& out, int fixedResolution) {
    // More cells than this cost the other tool seconds per evaluation for a
    // gain in the last digits; where alignment needs more, the grid is not aligned.
    constexpr std::int64_t kMaxCells = 100000;
    std::vector<float> values = {out.RangeMin, out.RangeMax};
    std::vector<Corners> terms;
    for (int i = 1; i <= out.UsedTerms(); ++i) {
        Corners t{};
        for (int j = 1; j <= 4; ++j) values.push_back(out.GetParam(i, j));
        t.a = *ParseDouble(Num(out.GetParam(i, 1)));
        t.b = *ParseDouble(Num(out.GetParam(i, 2)));
        t.c = *ParseDouble(Num(out.GetParam(i, 3)));
        t.d = *ParseDouble(Num(out.GetParam(i, 4)));
        terms.push_back(t);
    }
    const float lo0 = *std::min_element(values.begin(), values.end());
    const float hi0 = *std::max_element(values.begin(), values.end());

    OutputGrid g;
    g.resolution = fixedResolution > 0 ? fixedResolution : 20000;
    g.maxCells = fixedResolution > 0 ? fixedResolution : static_cast<int>(kMaxCells);
    g.lo = lo0;
    g.hi = hi0;
    g.loText = Num(lo0);
    g.hiText = Num(hi0);

    // Put every corner on the sampling grid if decimals allow it.
    std::vector<Decimal> dec;
    int scale = 0;
    bool ok = true;
    for (float v : values) {
        const auto d = ToDecimal(v);
        if (!d || d->scale > 6) {
            ok = false;
            break;
        }
        dec.push_back(*d);
        scale = std::max(scale, d->scale);
    }
    // Every step below is checked: corners of any size must not wrap an
    // integer into a grid that only looks aligned.
    std::vector<std::int64_t> ints;
    for (std::size_t i = 0; ok && i < dec.size(); ++i) {
        std::int64_t v = 0;
        ok = !__builtin_mul_overflow(dec[i].digits, Pow10(scale - dec[i].scale), &v);
        ints.push_back(v);
    }
    std::int64_t iLo = 0, iHi = 0, step = 0, whole = 0;
    if (ok) {
        iLo = *std::min_element(ints.begin(), ints.end());
        iHi = *std::max_element(ints.begin(), ints.end());
        ok = !__builtin_sub_overflow(iHi, iLo, &whole);
    }
    if (ok) {
        for (std::int64_t v : ints) step = std::gcd(step, v - iLo);
    }
    // Cells at one step each; beyond the cap no aligned grid is tried.
    const std::int64_t span = ok && step > 0 ? whole / step : 0;
    if (span > 0 && span <= kMaxCells) {
        std::int64_t m = 0;  // each step divided into m cells
        std::int64_t cells = 0;
        if (fixedResolution > 0) {
            // The other tool's cells are fixed: the finest division whose
            // grid still holds all terms; spare cells widen the range.
            if (span <= fixedResolution) {
                m = NiceAtMost(fixedResolution / span);
                cells = fixedResolution;
            }
        } else {
            // At least 10000 cells, so that jumps (vertical flanks) cost little.
            m = NiceAtLeast(std::max<std::int64_t>(1, (10000 + span - 1) / span));
            if (span * m > kMaxCells) m = NiceAtMost(kMaxCells / span);
            cells = span * m;
        }
        const std::int64_t extra = cells - span * m;
        const std::int64_t left = extra / 2;
        std::int64_t den = 0, scaled = 0, shift = 0, loNum = 0, width = 0, hiNum = 0;
        // span * m <= kMaxCells, so only the products with the corners' digits can overflow.
        if (m > 0 && !__builtin_mul_overflow(Pow10(scale), m, &den) && !__builtin_mul_overflow(iLo, m, &scaled) &&
            !__builtin_mul_overflow(left, step, &shift) && !__builtin_sub_overflow(scaled, shift, &loNum) &&
            !__builtin_mul_overflow(cells, step, &width) && !__builtin_add_overflow(loNum, width, &hiNum)) {
            g.lo = static_cast<double>(loNum) / static_cast<double>(den);
            g.hi = static_cast<double>(hiNum) / static_cast<double>(den);
            g.loText = Num(g.lo);
            g.hiText = Num(g.hi);
            g.resolution = static_cast<int>(cells);
            g.aligned = true;
        }
    }
    g.widened = !(g.lo == static_cast<double>(out.RangeMin) && g.hi == static_cast<double>(out.RangeMax));
    ComputeBound(terms, g);
    return g;
}

// ---- measurements ------------------------------------------------------------

std::vector<InputPoint> MeasureGrid(const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B) {
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // The fuzzer checks what an export carries, not the figures its comments
    // measure: a coarse grid keeps it at thousands of inputs a second.
    constexpr int n = 4;
#else
    constexpr int n = 40;
#endif
    auto at = [](const fuzzy::TFuzzy& v, int i) {
        return static_cast<float>(v.RangeMin + (static_cast<double>(v.RangeMax) - v.RangeMin) * i / n);
    };
    std::vector<InputPoint> pts;
    for (int i = 0; i <= n; ++i) {
        if (!B.Defined) {
            pts.emplace_back(at(A, i), 0.0f);
            continue;
        }
        for (int j = 0; j <= n; ++j) pts.emplace_back(at(A, i), at(B, j));
    }
    return pts;
}

float EngineOutput(const fuzzy::Project& project, InputPoint p) {
    fuzzy::Project q = project;
    q.A.Value = p.first;
    q.B.Value = p.second;
    fuzzy::Infer(q.Rules, q.A, q.B, q.Out);
    return q.Out.Defuzzify();
}

namespace {

struct Scaled {
    Corners t;
    double w;
};

// The activation of every firing rule cell with its output term.
std::vector<std::pair<int, double>> FiringCells(const fuzzy::Project& project, InputPoint p) {
    const fuzzy::RuleTable& Rules = project.Rules;
    const fuzzy::TFuzzy& Out = project.Out;
    fuzzy::TFuzzy a, b;
    a.Assign(project.A);
    b.Assign(project.B);
    a.Value = p.first;
    b.Value = p.second;
    std::vector<std::pair<int, double>> cells;
    for (int i = 1; i <= a.UsedTerms(); ++i) {
        const int rows = b.Defined ? b.UsedTerms() : 1;
        for (int j = 1; j <= rows; ++j) {
            const int k = b.Defined ? Rules.Get(j, i) : Rules.Get(1, i);
            if (k <= 0 || k > Out.UsedTerms()) continue;
            const float w = b.Defined ? fuzzy::MinSingle(a.Membership(i), b.Membership(j)) : a.Membership(i);
            if (w > 0.0f) cells.emplace_back(k, w);
        }
    }
    return cells;
}

// The corners as the other tool reads them from the exported text.
Corners TermCorners(const fuzzy::TFuzzy& Out, int k) {
    auto read = [&](int j) { return *ParseDouble(Num(Out.GetParam(k, j))); };
    return {read(1), read(2), read(3), read(4)};
}

// Scaled terms summed, their maximum, or their sum cut at 1; the Clip forms
// cut each term at its activation (minimum implication) instead of scaling it.
enum class Combine { Sum, Max, CappedSum, ClipSum, ClipMax };

double Combined(const std::vector<Scaled>& parts, double x, Combine how) {
    const bool clip = how == Combine::ClipSum || how == Combine::ClipMax;
    if (how == Combine::ClipSum) how = Combine::Sum;
    if (how == Combine::ClipMax) how = Combine::Max;
    double r = 0.0;
    for (const Scaled& s : parts) {
        const double y = clip ? std::min(s.w, Unit(s.t, x)) : s.w * Unit(s.t, x);
        r = how == Combine::Max ? std::max(r, y) : r + y;
    }
    return how == Combine::CappedSum ? std::min(r, 1.0) : r;
}

// Exact centroid of the combined function: it is linear between the corners
// and the points where two parts cross (or the sum crosses 1).
double ExactCentroid(const std::vector<Scaled>& parts, Combine how, double fallback) {
    std::vector<double> xs;
    for (const Scaled& s : parts) xs.insert(xs.end(), {s.t.a, s.t.b, s.t.c, s.t.d});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    // Values at both ends of an open interval where f is linear.
    auto ends = [](auto f, double x0, double x1) {
        const double q1 = f(x0 + (x1 - x0) / 4), q3 = f(x0 + 3 * (x1 - x0) / 4);
        return std::pair<double, double>{1.5 * q1 - 0.5 * q3, 1.5 * q3 - 0.5 * q1};
    };
    double area = 0.0, moment = 0.0;
    for (std::size_t n = 0; n + 1 < xs.size(); ++n) {
        const double x0 = xs[n], x1 = xs[n + 1];
        std::vector<double> cuts = {x0, x1};
        if (how == Combine::Max) {
            for (std::size_t i = 0; i < parts.size(); ++i) {
                for (std::size_t j = i + 1; j < parts.size(); ++j) {
                    const auto diff = ends(
                        [&](double x) { return parts[i].w * Unit(parts[i].t, x) - parts[j].w * Unit(parts[j].t, x); },
                        x0, x1);
                    if (diff.first * diff.second < 0.0) {
                        cuts.push_back(x0 + (x1 - x0) * diff.first / (diff.first - diff.second));
                    }
                }
            }
        } else if (how == Combine::CappedSum) {
            const auto s = ends([&](double x) { return Combined(parts, x, Combine::Sum) - 1.0; }, x0, x1);
            if (s.first * s.second < 0.0) cuts.push_back(x0 + (x1 - x0) * s.first / (s.first - s.second));
        }
        std::sort(cuts.begin(), cuts.end());
        for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
            const double u0 = cuts[c], u1 = cuts[c + 1];
            if (!(u1 > u0)) continue;
            const auto f = ends([&](double x) { return Combined(parts, x, how); }, u0, u1);
            area += (u1 - u0) * (f.first + f.second) / 2.0;
            moment += (u1 - u0) / 6.0 * (u0 * (2 * f.first + f.second) + u1 * (f.first + 2 * f.second));
        }
    }
    return area > 0.0 ? moment / area : fallback;
}

}  // namespace

namespace {

// The centroid as fuzzylite samples it: the midpoints of the grid's cells.
double SampledCentroid(const std::vector<Scaled>& parts, Combine how, const OutputGrid& g, double fallback) {
    const double lo = *ParseDouble(g.loText), hi = *ParseDouble(g.hiText);
    const double dx = (hi - lo) / g.resolution;
    double area = 0.0, moment = 0.0;
    for (int i = 0; i < g.resolution; ++i) {
        const double x = lo + (i + 0.5) * dx;
        const double y = Combined(parts, x, how);
        area += y;
        moment += y * x;
    }
    return area > 0.0 ? moment / area : fallback;
}

double Centroid(const std::vector<Scaled>& parts, Combine how, const OutputGrid* g, double fallback) {
    if (parts.empty()) return fallback;
    return g ? SampledCentroid(parts, how, *g, fallback) : ExactCentroid(parts, how, fallback);
}

}  // namespace

double CellRuleOutput(const fuzzy::Project& project, InputPoint p, CellAggregation agg, const OutputGrid* grid) {
    std::vector<Scaled> parts;
    for (const auto& [k, w] : FiringCells(project, p)) parts.push_back({TermCorners(project.Out, k), w});
    return Centroid(parts, agg == CellAggregation::Sum ? Combine::Sum : Combine::Max, grid, project.Out.RangeMin);
}

namespace {

// One part per output term with its largest cell, as the ORed rules give it.
std::vector<Scaled> TermParts(const fuzzy::Project& project, InputPoint p) {
    const fuzzy::TFuzzy& Out = project.Out;
    std::array<double, fuzzy::MaxTerms + 1> w{};
    for (const auto& [k, v] : FiringCells(project, p))
        w[static_cast<std::size_t>(k)] = std::max(w[static_cast<std::size_t>(k)], v);
    std::vector<Scaled> parts;
    for (int k = 1; k <= Out.UsedTerms(); ++k) {
        if (w[static_cast<std::size_t>(k)] > 0.0)
            parts.push_back({TermCorners(Out, k), w[static_cast<std::size_t>(k)]});
    }
    return parts;
}

}  // namespace

double CappedSumOutput(const fuzzy::Project& project, InputPoint p, const OutputGrid* grid) {
    return Centroid(TermParts(project, p), Combine::CappedSum, grid, project.Out.RangeMin);
}

double InferenceDeviation(const fuzzy::Project& project, bool minImplication, bool maxAggregation) {
    const fuzzy::TFuzzy& Out = project.Out;
    // The other tool's centroid, integrated on fine cells over the terms' span:
    // clipped terms are no longer linear between the corners.
    OutputGrid g;
    double lo = 0.0, hi = 0.0;
    for (int k = 1; k <= Out.UsedTerms(); ++k) {
        const Corners t = TermCorners(Out, k);
        lo = k == 1 ? std::min(t.a, t.d) : std::min({lo, t.a, t.d});
        hi = k == 1 ? std::max(t.a, t.d) : std::max({hi, t.a, t.d});
    }
    if (!(hi > lo) || !std::isfinite(hi - lo)) return 0.0;
    g.loText = Num(lo);
    g.hiText = Num(hi);
    g.resolution = 4000;
    const Combine how = minImplication ? (maxAggregation ? Combine::ClipMax : Combine::ClipSum)
                                       : (maxAggregation ? Combine::Max : Combine::Sum);
    double worst = 0.0;
    for (const InputPoint& p : MeasureGrid(project.A, project.B)) {
        const std::vector<Scaled> parts = TermParts(project, p);
        if (parts.empty()) continue;  // no rule fires: the tools' defaults differ anyway
        const double theirs = SampledCentroid(parts, how, g, Out.RangeMin);
        worst = std::max(worst, std::fabs(theirs - double(EngineOutput(project, p))));
    }
    return worst;
}

namespace {

template <class F>
Deviation Measure(const fuzzy::Project& project, F other) {
    Deviation d;
    for (const InputPoint& p : MeasureGrid(project.A, project.B)) {
        const double ours = EngineOutput(project, p);
        d.exact = std::max(d.exact, std::fabs(other(p, false) - ours));
        d.sampled = std::max(d.sampled, std::fabs(other(p, true) - ours));
    }
    return d;
}

}  // namespace

Deviation CellRuleDeviation(const fuzzy::Project& project, CellAggregation agg, const OutputGrid& grid) {
    return Measure(project, [&](InputPoint p, bool sampled) {
        return CellRuleOutput(project, p, agg, sampled ? &grid : nullptr);
    });
}

Deviation CappedSumDeviation(const fuzzy::Project& project, const OutputGrid& grid) {
    return Measure(project,
                   [&](InputPoint p, bool sampled) { return CappedSumOutput(project, p, sampled ? &grid : nullptr); });
}

}  // namespace exchange::detail
