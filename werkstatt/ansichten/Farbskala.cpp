#include "Farbskala.h"

#include "Zahlformat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <charconv>

namespace ansichten {

QColor Skalenfarbe(double anteil) {
    // Nine stops, evenly spaced from 0 to 1.
    static constexpr std::array<std::array<int, 3>, 9> Stufen{{{68, 1, 84},
                                                               {72, 40, 120},
                                                               {62, 74, 137},
                                                               {49, 104, 142},
                                                               {38, 130, 142},
                                                               {31, 158, 137},
                                                               {53, 183, 121},
                                                               {109, 205, 89},
                                                               {253, 231, 37}}};
    if (std::isnan(anteil)) anteil = 0.0;
    const double f = std::clamp(anteil, 0.0, 1.0) * (Stufen.size() - 1);
    const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(f), Stufen.size() - 2);
    const double t = f - static_cast<double>(k);
    auto mix = [&](int c) {
        return static_cast<int>(std::lround(Stufen[k][c] + (Stufen[k + 1][c] - Stufen[k][c]) * t));
    };
    return QColor(mix(0), mix(1), mix(2));
}

QString KurzeZahl(float v) { return zahl::Kurz(v); }

QString NeunStellen(float v) {
    // The workshop's style whatever the user's locale: decimal comma, true minus.
    std::array<char, 32> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), double(v), std::chars_format::general, 9);
    QString s = QString::fromLatin1(buf.data(), static_cast<int>(r.ptr - buf.data()));
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, QChar(0x2212));
    return s;
}

QString Beschriftung(double v) {
    if (std::fabs(v) < 1e-12) v = 0.0;
    QString s = QString::number(v, 'g', 6);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, QChar(0x2212));
    return s;
}

}  // namespace ansichten
