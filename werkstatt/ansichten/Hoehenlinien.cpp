#include "werkstatt/ansichten/Hoehenlinien.h"

#include "widgets/PlotScale.h"

#include <cmath>
#include <cstddef>

namespace ansichten {

namespace {

struct P {
    float x, y;
};

}  // namespace

std::vector<Strecke> Hoehenlinie(const std::vector<float>& werte, int nx, int ny, float niveau) {
    std::vector<Strecke> linie;
    if (nx < 2 || ny < 2 || werte.size() < static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny)) return linie;
    auto w = [&](int i, int j) { return werte[static_cast<std::size_t>(j) * nx + i]; };
    // Where the level crosses between two corners, t from the first.
    auto t = [niveau](float a, float b) { return a == b ? 0.5f : (niveau - a) / (b - a); };
    for (int j = 0; j + 1 < ny; ++j) {
        for (int i = 0; i + 1 < nx; ++i) {
            const float v0 = w(i, j), v1 = w(i + 1, j), v2 = w(i + 1, j + 1), v3 = w(i, j + 1);
            const int fall =
                (v0 >= niveau ? 1 : 0) | (v1 >= niveau ? 2 : 0) | (v2 >= niveau ? 4 : 0) | (v3 >= niveau ? 8 : 0);
            if (fall == 0 || fall == 15) continue;
            const float fi = static_cast<float>(i), fj = static_cast<float>(j);
            // Edges: 0 bottom (v0-v1), 1 right (v1-v2), 2 top (v3-v2), 3 left (v0-v3).
            const P kante[4] = {
                {fi + t(v0, v1), fj}, {fi + 1.0f, fj + t(v1, v2)}, {fi + t(v3, v2), fj + 1.0f}, {fi, fj + t(v0, v3)}};
            auto add = [&](int a, int b) { linie.push_back({kante[a].x, kante[a].y, kante[b].x, kante[b].y}); };
            const bool mitteOben = (v0 + v1 + v2 + v3) / 4.0f >= niveau;
            switch (fall) {
            case 1:
            case 14: add(3, 0); break;
            case 2:
            case 13: add(0, 1); break;
            case 3:
            case 12: add(3, 1); break;
            case 4:
            case 11: add(1, 2); break;
            case 6:
            case 9: add(0, 2); break;
            case 7:
            case 8: add(2, 3); break;
            case 5:
                if (mitteOben) {
                    add(0, 1);
                    add(2, 3);
                } else {
                    add(3, 0);
                    add(1, 2);
                }
                break;
            case 10:
                if (mitteOben) {
                    add(3, 0);
                    add(1, 2);
                } else {
                    add(0, 1);
                    add(2, 3);
                }
                break;
            default: break;
            }
        }
    }
    return linie;
}

std::vector<double> RundeTeilung(double lo, double hi, int ungefaehr) {
    std::vector<double> t;
    if (!(hi > lo) || ungefaehr < 1 || !std::isfinite(lo) || !std::isfinite(hi)) return t;
    const double schritt = widgets::plotscale::RoundStep((hi - lo) / ungefaehr, {1.0, 2.0, 2.5, 5.0});
    const double erster = std::ceil(lo / schritt - 1e-9) * schritt;
    for (int k = 0;; ++k) {
        double v = erster + k * schritt;
        if (v > hi + schritt * 1e-9) break;
        if (std::fabs(v) < schritt * 1e-9) v = 0.0;  // no "-0"
        t.push_back(v);
        if (k > 1000) break;
    }
    return t;
}

}  // namespace ansichten
