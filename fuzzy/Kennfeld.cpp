#include "Kennfeld.h"

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

float Ausgang(const RuleTable& R, TFuzzy& A, TFuzzy& B, TFuzzy& Out, float a, float b) {
    A.Value = a;
    B.Value = b;
    Infer(R, A, B, Out);
    return Out.Defuzzify();
}

float KennfeldGitter::A(int i) const { return Stelle(aMin, aMax, i, nx); }

float KennfeldGitter::B(int j) const { return zweiEingaenge ? Stelle(bMin, bMax, j, ny) : bMin; }

KennfeldGitter KennfeldVorbereiten(const TFuzzy& A, const TFuzzy& B, const TFuzzy& Out, int nx, int ny) {
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

void KennfeldZeilen(KennfeldGitter& k, const TFuzzy& A, const TFuzzy& B, const TFuzzy& Out, const RuleTable& R,
                    int jVon, int jBis) {
    if (k.leer()) return;
    // Own copies: inference writes the output's heights, and the caller's
    // variables may be read by other rows at the same time.
    TFuzzy a = A, b = B, out = Out;
    jVon = std::max(jVon, 0);
    jBis = std::min(jBis, k.ny);
    for (int j = jVon; j < jBis; ++j) {
        const float bWert = k.B(j);
        float* zeile = k.Werte.data() + static_cast<std::size_t>(j) * k.nx;
        for (int i = 0; i < k.nx; ++i) zeile[i] = Ausgang(R, a, b, out, k.A(i), bWert);
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

KennfeldGitter BerechneKennfeld(const TFuzzy& A, const TFuzzy& B, const TFuzzy& Out, const RuleTable& R, int nx,
                                int ny) {
    KennfeldGitter k = KennfeldVorbereiten(A, B, Out, nx, ny);
    KennfeldZeilen(k, A, B, Out, R, 0, k.ny);
    KennfeldGrenzen(k);
    return k;
}

Auswertung Auswerten(const TFuzzy& A, const TFuzzy& B, const TFuzzy& Out, const RuleTable& R, float a, float b) {
    Auswertung e;
    TFuzzy va = A, vb = B;
    e.zweiEingaenge = B.Defined;
    e.a = a;
    e.b = b;
    e.skaliert = Out;
    e.ausgang = Ausgang(R, va, vb, e.skaliert, a, b);

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
