#include "fuzzy/KennfeldGitter.h"

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

float Stellwert(Project& arbeit, float a, float b) {
    arbeit.A.Value = a;
    arbeit.B.Value = b;
    Infer(arbeit.Rules, arbeit.A, arbeit.B, arbeit.Out);
    return arbeit.Out.Defuzzify();
}

float KennfeldGitter::A(int i) const { return Stelle(aMin, aMax, i, nx); }

float KennfeldGitter::B(int j) const { return zweiEingaenge ? Stelle(bMin, bMax, j, ny) : bMin; }

KennfeldGitter KennfeldVorbereiten(const Project& p, int nx, int ny) {
    const TFuzzy& A = p.A;
    const TFuzzy& B = p.B;
    const TFuzzy& Out = p.Out;
    KennfeldGitter k;
    if (!A.Defined || !Out.Defined) return k;
    k.zweiEingaenge = B.Defined;
    k.nx = std::max(nx, 2);
    k.ny = k.zweiEingaenge ? std::max(ny, 2) : 1;
    k.aMin = A.RangeMin;
    k.aMax = A.RangeMax;
    k.bMin = k.zweiEingaenge ? B.RangeMin : 0.0f;
    k.bMax = k.zweiEingaenge ? B.RangeMax : 0.0f;
    k.Werte.assign(static_cast<std::size_t>(k.nx) * static_cast<std::size_t>(k.ny), 0.0f);
    return k;
}

void KennfeldZeilen(KennfeldGitter& k, const Project& p, int jVon, int jBis) {
    if (k.leer()) return;
    // An own copy: inference writes the output's heights, and the caller's
    // project may be read by other rows at the same time.
    Project arbeit = p;
    jVon = std::max(jVon, 0);
    jBis = std::min(jBis, k.ny);
    for (int j = jVon; j < jBis; ++j) {
        const float bWert = k.B(j);
        float* zeile = k.Werte.data() + static_cast<std::size_t>(j) * k.nx;
        for (int i = 0; i < k.nx; ++i) zeile[i] = Stellwert(arbeit, k.A(i), bWert);
    }
}

void KennfeldGrenzen(KennfeldGitter& k) {
    if (k.leer()) {
        k.minimum = k.maximum = 0.0f;
        return;
    }
    const auto [lo, hi] = std::minmax_element(k.Werte.begin(), k.Werte.end());
    k.minimum = *lo;
    k.maximum = *hi;
}

KennfeldGitter BerechneKennfeld(const Project& p, int nx, int ny) {
    KennfeldGitter k = KennfeldVorbereiten(p, nx, ny);
    KennfeldZeilen(k, p, 0, k.ny);
    KennfeldGrenzen(k);
    return k;
}

Auswertung SchrittZerlegen(const Project& p, float a, float b) {
    Auswertung e;
    Project arbeit = p;
    e.zweiEingaenge = p.B.Defined;
    e.a = a;
    e.b = b;
    e.ausgang = Stellwert(arbeit, a, b);
    e.skaliert = arbeit.Out;
    const TFuzzy& va = arbeit.A;
    const TFuzzy& vb = arbeit.B;
    const RuleTable& R = p.Rules;

    const int na = va.UsedTerms();
    const int nb = vb.UsedTerms();
    for (int i = 1; i <= na; ++i) e.gradA[i - 1] = va.Membership(i);
    if (e.zweiEingaenge)
        for (int j = 1; j <= nb; ++j) e.gradB[j - 1] = vb.Membership(j);

    const int zeilen = e.zweiEingaenge ? nb : 1;
    for (int r = 1; r <= zeilen; ++r)
        for (int c = 1; c <= na; ++c)
            e.staerke[r - 1][c - 1] = e.zweiEingaenge ? MinSingle(e.gradA[c - 1], e.gradB[r - 1]) : e.gradA[c - 1];

    const int nOut = e.skaliert.UsedTerms();
    for (int k = 1; k <= nOut; ++k) e.aktivierung[k - 1] = e.skaliert.GetParam(k, ParamH);
    // The cell that sets each height, found in Infer's own order: columns
    // (terms of A) outside, rows (terms of B) inside.
    for (int c = 1; c <= na; ++c) {
        for (int r = 1; r <= zeilen; ++r) {
            const int k = R.Get(r, c);
            if (k < 1 || k > nOut) continue;
            auto& m = e.massgeblich[k - 1];
            if (m[0] == 0 && e.aktivierung[k - 1] > 0.0f && e.staerke[r - 1][c - 1] == e.aktivierung[k - 1]) m = {r, c};
        }
    }
    return e;
}

}  // namespace fuzzy
