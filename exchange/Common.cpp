#include "Detail.h"

#include "Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

namespace exchange {

namespace {

bool HasSuffix(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && detail::EqualsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

}  // namespace

std::optional<Format> FormatFromPath(std::string_view path) {
    if (HasSuffix(path, ".fll")) return Format::Fll;
    if (HasSuffix(path, ".fis")) return Format::Fis;
    if (HasSuffix(path, ".fcl")) return Format::Fcl;
    return std::nullopt;
}

std::optional<Format> FormatFromName(std::string_view name) {
    if (detail::EqualsNoCase(name, "fll")) return Format::Fll;
    if (detail::EqualsNoCase(name, "fis")) return Format::Fis;
    if (detail::EqualsNoCase(name, "fcl")) return Format::Fcl;
    return std::nullopt;
}

const char* FormatName(Format f) {
    switch (f) {
        case Format::Fll: return "fll";
        case Format::Fis: return "fis";
        case Format::Fcl: return "fcl";
    }
    return "";
}

std::string ImportResult::Describe() const {
    return line > 0 ? "Zeile " + std::to_string(line) + ": " + message : message;
}

namespace detail {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = (a[i] >= 'A' && a[i] <= 'Z') ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = (b[i] >= 'A' && b[i] <= 'Z') ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y) return false;
    }
    return true;
}

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return std::string(s.substr(b, e - b));
}

std::string Quoted(std::string_view s) { return "\xE2\x80\x9E" + std::string(s) + "\xE2\x80\x9C"; }

bool IsKeyword(std::string_view word) {
    static constexpr std::array<const char*, 38> kKeywords = {
        "if",        "is",          "and",          "or",          "then",       "with",     "not",
        "very",      "somewhat",    "seldom",       "extremely",   "any",        "none",     "rule",
        "term",      "range",       "method",       "accu",        "default",    "act",      "real",
        "var_input", "var_output",  "end_var",      "fuzzify",     "end_fuzzify", "defuzzify", "end_defuzzify",
        "ruleblock", "end_ruleblock", "function_block", "end_function_block", "engine", "inputvariable",
        "outputvariable", "nc", "cog", "lm"};
    for (const char* k : kKeywords) {
        if (EqualsNoCase(word, k)) return true;
    }
    return false;
}

std::string MakeIdentifier(std::string_view utf8, std::string_view fallback) {
    std::string id;
    for (char32_t cp : fuzzy::text::Utf8ToCodePoints(utf8)) {
        switch (cp) {
            case U'\u00E4': id += "ae"; break;
            case U'\u00F6': id += "oe"; break;
            case U'\u00FC': id += "ue"; break;
            case U'\u00C4': id += "Ae"; break;
            case U'\u00D6': id += "Oe"; break;
            case U'\u00DC': id += "Ue"; break;
            case U'\u00DF': id += "ss"; break;
            default:
                if ((cp >= U'a' && cp <= U'z') || (cp >= U'A' && cp <= U'Z') || (cp >= U'0' && cp <= U'9')) {
                    id += static_cast<char>(cp);
                } else if (id.empty() || id.back() != '_') {
                    id += '_';
                }
        }
    }
    while (!id.empty() && id.front() == '_') id.erase(id.begin());
    while (!id.empty() && id.back() == '_') id.pop_back();
    if (id.empty()) return std::string(fallback);
    if (id.front() >= '0' && id.front() <= '9') id = std::string(fallback) + "_" + id;
    if (IsKeyword(id)) id += '_';
    return id;
}

std::string UniqueIdentifier(std::string_view utf8, std::string_view fallback, std::set<std::string>& used) {
    const std::string base = MakeIdentifier(utf8, fallback);
    std::string id = base;
    for (int n = 2; used.count(Lower(id)) > 0; ++n) id = base + "_" + std::to_string(n);
    used.insert(Lower(id));
    return id;
}

std::string Num(float v) {
    std::array<char, 48> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), res.ptr);
}

std::string Num(double v) {
    std::array<char, 48> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), res.ptr);
}

std::optional<double> ParseDouble(std::string_view s) {
    const std::string t = Trim(s);
    if (t.empty()) return std::nullopt;
    std::string canon = t;
    if (canon[0] == '+') canon.erase(canon.begin());
    // from_chars takes no leading '+' and no bare leading point; give it a zero.
    if (!canon.empty() && canon[0] == '.') canon.insert(canon.begin(), '0');
    if (canon.size() > 1 && canon[0] == '-' && canon[1] == '.') canon.insert(1, "0");
    double d = 0.0;
    const auto res = std::from_chars(canon.data(), canon.data() + canon.size(), d);
    if (res.ec != std::errc() || res.ptr != canon.data() + canon.size()) return std::nullopt;
    if (!std::isfinite(d)) return std::nullopt;
    return d;
}

// ---- sampling grid of the output --------------------------------------------

namespace {

struct Decimal {
    std::int64_t digits;  // value * 10^scale
    int scale;
};

// The shortest decimal of a single number as an integer and a power of ten.
std::optional<Decimal> ToDecimal(float v) {
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed);
    const std::string s(buf.data(), res.ptr);
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
    if (ok) {
        std::vector<std::int64_t> ints;
        for (const Decimal& d : dec) ints.push_back(d.digits * Pow10(scale - d.scale));
        const std::int64_t iLo = *std::min_element(ints.begin(), ints.end());
        const std::int64_t iHi = *std::max_element(ints.begin(), ints.end());
        std::int64_t step = 0;
        for (std::int64_t v : ints) step = std::gcd(step, v - iLo);
        const std::int64_t span = step > 0 ? (iHi - iLo) / step : 0;  // cells at one step each
        std::int64_t m = 0;  // each step divided into m cells
        std::int64_t cells = 0;
        if (span > 0 && fixedResolution > 0) {
            // The other tool's cells are fixed: the finest division whose
            // grid still holds all terms; spare cells widen the range.
            if (span <= fixedResolution) {
                m = NiceAtMost(fixedResolution / span);
                cells = fixedResolution;
            }
        } else if (span > 0) {
            // At least 10000 cells, so that jumps (vertical flanks) cost little.
            m = NiceAtLeast(std::max<std::int64_t>(1, (10000 + span - 1) / span));
            if (span * m > 100000) m = NiceAtMost(100000 / span);
            cells = span * m;
        }
        if (m > 0) {
            const std::int64_t extra = cells - span * m;
            const std::int64_t left = extra / 2;
            const std::int64_t den = Pow10(scale) * m;
            const std::int64_t loNum = iLo * m - left * step;
            const std::int64_t hiNum = loNum + cells * step;
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
    constexpr int n = 40;
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

float EngineOutput(const fuzzy::RuleTable& Rules, const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B,
                   const fuzzy::TFuzzy& Out, InputPoint p) {
    fuzzy::TFuzzy a, b, out;
    a.Assign(A);
    b.Assign(B);
    out.Assign(Out);
    a.Value = p.first;
    b.Value = p.second;
    fuzzy::Infer(Rules, a, b, out);
    return out.Defuzzify();
}

namespace {

struct Scaled {
    Corners t;
    double w;
};

// The activation of every firing rule cell with its output term.
std::vector<std::pair<int, double>> FiringCells(const fuzzy::RuleTable& Rules, const fuzzy::TFuzzy& A,
                                                const fuzzy::TFuzzy& B, const fuzzy::TFuzzy& Out, InputPoint p) {
    fuzzy::TFuzzy a, b;
    a.Assign(A);
    b.Assign(B);
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

enum class Combine { Sum, Max, CappedSum };

double Combined(const std::vector<Scaled>& parts, double x, Combine how) {
    double r = 0.0;
    for (const Scaled& s : parts) {
        const double y = s.w * Unit(s.t, x);
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

double CellRuleOutput(const fuzzy::RuleTable& Rules, const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B,
                      const fuzzy::TFuzzy& Out, InputPoint p, CellAggregation agg, const OutputGrid* grid) {
    std::vector<Scaled> parts;
    for (const auto& [k, w] : FiringCells(Rules, A, B, Out, p)) parts.push_back({TermCorners(Out, k), w});
    return Centroid(parts, agg == CellAggregation::Sum ? Combine::Sum : Combine::Max, grid, Out.RangeMin);
}

double CappedSumOutput(const fuzzy::RuleTable& Rules, const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B,
                       const fuzzy::TFuzzy& Out, InputPoint p, const OutputGrid* grid) {
    // One part per output term with its largest cell, as the ORed rules give it.
    std::array<double, fuzzy::MaxTerms + 1> w{};
    for (const auto& [k, v] : FiringCells(Rules, A, B, Out, p)) w[static_cast<std::size_t>(k)] = std::max(w[static_cast<std::size_t>(k)], v);
    std::vector<Scaled> parts;
    for (int k = 1; k <= Out.UsedTerms(); ++k) {
        if (w[static_cast<std::size_t>(k)] > 0.0) parts.push_back({TermCorners(Out, k), w[static_cast<std::size_t>(k)]});
    }
    return Centroid(parts, Combine::CappedSum, grid, Out.RangeMin);
}

namespace {

template <class F>
Deviation Measure(const fuzzy::RuleTable& Rules, const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B,
                  const fuzzy::TFuzzy& Out, F other) {
    Deviation d;
    for (const InputPoint& p : MeasureGrid(A, B)) {
        const double ours = EngineOutput(Rules, A, B, Out, p);
        d.exact = std::max(d.exact, std::fabs(other(p, false) - ours));
        d.sampled = std::max(d.sampled, std::fabs(other(p, true) - ours));
    }
    return d;
}

}  // namespace

Deviation CellRuleDeviation(const fuzzy::RuleTable& Rules, const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B,
                            const fuzzy::TFuzzy& Out, CellAggregation agg, const OutputGrid& grid) {
    return Measure(Rules, A, B, Out, [&](InputPoint p, bool sampled) {
        return CellRuleOutput(Rules, A, B, Out, p, agg, sampled ? &grid : nullptr);
    });
}

Deviation CappedSumDeviation(const fuzzy::RuleTable& Rules, const fuzzy::TFuzzy& A, const fuzzy::TFuzzy& B,
                             const fuzzy::TFuzzy& Out, const OutputGrid& grid) {
    return Measure(Rules, A, B, Out, [&](InputPoint p, bool sampled) {
        return CappedSumOutput(Rules, A, B, Out, p, sampled ? &grid : nullptr);
    });
}

// ---- provenance comments -----------------------------------------------------

std::string ProvenanceLine(std::string_view comment, const Provenance& p) {
    std::string name;
    for (char c : p.name) {
        if (c == '"' || c == '\\') name += '\\';
        // A line break would end the comment and spill the rest into the engine.
        name += (c == '\n' || c == '\r') ? ' ' : c;
    }
    std::string s = std::string(comment) + " fuzzysim: " + p.key + " = \"" + name + "\"";
    if (p.hasRange) s += ", Bereich " + Num(p.lo) + " " + Num(p.hi);
    if (p.hasHeight) s += ", H\xC3\xB6he " + Num(p.height);
    return s;
}

bool ParseProvenance(std::string_view rest, Provenance& p) {
    std::string s = Trim(rest);
    const std::string tag = "fuzzysim:";
    if (s.compare(0, tag.size(), tag) != 0) return false;
    s = Trim(std::string_view(s).substr(tag.size()));
    const std::size_t eq = s.find(" = \"");
    if (eq == std::string::npos) return false;
    Provenance r;
    r.key = Trim(std::string_view(s).substr(0, eq));
    std::size_t i = eq + 4;
    bool closed = false;
    for (; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            r.name += s[++i];
        } else if (s[i] == '"') {
            closed = true;
            ++i;
            break;
        } else {
            r.name += s[i];
        }
    }
    if (!closed || r.key.empty() || r.name.empty()) return false;
    std::string tail = s.substr(i);
    auto take = [&tail](const std::string& label, int count, std::array<double, 2>& v) {
        const std::size_t at = tail.find(", " + label + " ");
        if (at == std::string::npos) return false;
        std::string nums = tail.substr(at + label.size() + 3);
        const std::size_t next = nums.find(',');
        if (next != std::string::npos) nums.resize(next);
        std::size_t pos = 0;
        for (int n = 0; n < count; ++n) {
            while (pos < nums.size() && nums[pos] == ' ') ++pos;
            const std::size_t end = std::min(nums.find(' ', pos), nums.size());
            const auto d = ParseDouble(std::string_view(nums).substr(pos, end - pos));
            if (!d) return false;
            v[static_cast<std::size_t>(n)] = *d;
            pos = end;
        }
        return true;
    };
    std::array<double, 2> v{};
    if (take("Bereich", 2, v)) {
        r.hasRange = true;
        r.lo = static_cast<float>(v[0]);
        r.hi = static_cast<float>(v[1]);
    }
    if (take("H\xC3\xB6he", 1, v)) {
        r.hasHeight = true;
        r.height = static_cast<float>(v[0]);
    }
    p = r;
    return true;
}

}  // namespace detail
}  // namespace exchange
