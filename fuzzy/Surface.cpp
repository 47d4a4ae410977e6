#include "fuzzy/Surface.h"

#include "fuzzy/Controller.h"

#include <algorithm>

namespace fuzzy {

namespace {

// Sample i of n between lo and hi; both ends exactly.
float Stelle(float lo, float hi, int i, int n) {
    if (n < 2 || i <= 0) return lo;
    if (i >= n - 1) return hi;
    return static_cast<float>(double(lo) + (double(hi) - lo) * i / (n - 1));
}

}  // namespace

float SurfaceGrid::A(int i) const { return Stelle(AMin, AMax, i, Nx); }

float SurfaceGrid::B(int j) const { return TwoInputs ? Stelle(BMin, BMax, j, Ny) : BMin; }

SurfaceGrid PrepareSurface(const Project& p, int nx, int ny) {
    const TFuzzy& A = p.A;
    const TFuzzy& B = p.B;
    const TFuzzy& Out = p.Out;
    SurfaceGrid k;
    if (!A.Defined || !Out.Defined) return k;
    k.TwoInputs = B.Defined;
    k.Nx = std::max(nx, 2);
    k.Ny = k.TwoInputs ? std::max(ny, 2) : 1;
    k.AMin = A.RangeMin;
    k.AMax = A.RangeMax;
    k.BMin = k.TwoInputs ? B.RangeMin : 0.0f;
    k.BMax = k.TwoInputs ? B.RangeMax : 0.0f;
    k.Values.assign(static_cast<std::size_t>(k.Nx) * static_cast<std::size_t>(k.Ny), 0.0f);
    return k;
}

void FillSurfaceRows(SurfaceGrid& k, const Project& p, int jVon, int jBis) {
    if (k.Empty()) return;
    // An own copy: inference writes the output's heights, and the caller's
    // project may be read by other rows at the same time.
    Project arbeit = p;
    const Controller regler(arbeit);
    jVon = std::max(jVon, 0);
    jBis = std::min(jBis, k.Ny);
    for (int j = jVon; j < jBis; ++j) {
        const float bWert = k.B(j);
        float* zeile = k.Values.data() + static_cast<std::size_t>(j) * k.Nx;
        for (int i = 0; i < k.Nx; ++i) zeile[i] = regler.Step(k.A(i), bWert);
    }
}

void SetSurfaceBounds(SurfaceGrid& k) {
    if (k.Empty()) {
        k.Min = k.Max = 0.0f;
        return;
    }
    const auto [lo, hi] = std::minmax_element(k.Values.begin(), k.Values.end());
    k.Min = *lo;
    k.Max = *hi;
}

SurfaceGrid ComputeSurface(const Project& p, int nx, int ny) {
    SurfaceGrid k = PrepareSurface(p, nx, ny);
    FillSurfaceRows(k, p, 0, k.Ny);
    SetSurfaceBounds(k);
    return k;
}

StepBreakdown BreakDownStep(const Project& p, float a, float b) {
    StepBreakdown e;
    Project arbeit = p;
    e.TwoInputs = p.B.Defined;
    e.A = a;
    e.B = b;
    e.Output = Controller(arbeit).Step(a, b);
    e.Scaled = arbeit.Out;
    const TFuzzy& va = arbeit.A;
    const TFuzzy& vb = arbeit.B;
    const RuleTable& R = p.Rules;

    const int na = va.UsedTerms();
    const int nb = vb.UsedTerms();
    for (int i = 1; i <= na; ++i) e.DegreeA[i - 1] = va.Membership(i);
    if (e.TwoInputs)
        for (int j = 1; j <= nb; ++j) e.DegreeB[j - 1] = vb.Membership(j);

    const int zeilen = e.TwoInputs ? nb : 1;
    for (int r = 1; r <= zeilen; ++r)
        for (int c = 1; c <= na; ++c)
            e.Strength[r - 1][c - 1] = e.TwoInputs ? MinSingle(e.DegreeA[c - 1], e.DegreeB[r - 1]) : e.DegreeA[c - 1];

    const int nOut = e.Scaled.UsedTerms();
    for (int k = 1; k <= nOut; ++k) e.Activation[k - 1] = e.Scaled.GetParam(k, ParamH);
    // The cell that sets each height, found in Infer's own order: columns
    // (terms of A) outside, rows (terms of B) inside.
    for (int c = 1; c <= na; ++c) {
        for (int r = 1; r <= zeilen; ++r) {
            const int k = R.Get(r, c);
            if (k < 1 || k > nOut) continue;
            auto& m = e.Decisive[k - 1];
            if (m[0] == 0 && e.Activation[k - 1] > 0.0f && e.Strength[r - 1][c - 1] == e.Activation[k - 1]) m = {r, c};
        }
    }
    return e;
}

}  // namespace fuzzy
