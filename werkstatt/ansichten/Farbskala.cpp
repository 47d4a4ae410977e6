#include "werkstatt/ansichten/Farbskala.h"

#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"
#include "widgets/Zahlformat.h"

#include <algorithm>
#include <array>
#include <cmath>

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
    // The workshop's style whatever the user's locale: the decimal sign of the
    // program's language, true minus.
    QString s = QString::fromStdString(fuzzy::GeneralText(double(v), 9));
    s.replace(QLatin1Char('.'), QLatin1Char(fuzzy::DecimalSign()));
    s.replace(QLatin1Char('-'), QChar(0x2212));  // the sign and an exponent's sign
    return s;
}

QString Rechenwert(float v, const fuzzy::TFuzzy& variable, int nachkomma) {
    const float w = fuzzy::ZeroBelowRounding(v, variable.RangeMin, variable.RangeMax);
    return nachkomma < 0 ? NeunStellen(w) : zahl::Fest(w, nachkomma);
}

QString Beschriftung(double v) {
    if (std::fabs(v) < 1e-12) v = 0.0;
    QString s = QString::number(v, 'g', 6);
    s.replace(QLatin1Char('.'), QLatin1Char(fuzzy::DecimalSign()));
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, QChar(0x2212));
    return s;
}

QString AchsenZahl(double v) {
    QString s = Beschriftung(v);
    s.replace(QLatin1Char('.'), QLatin1Char(fuzzy::DecimalSign()));
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, QChar(0x2212));
    return s;
}

std::vector<double> AchsenTeilung(double lo, double hi, int ungefaehr) {
    std::vector<double> t;
    if (!(hi > lo) || ungefaehr < 1 || !std::isfinite(lo) || !std::isfinite(hi)) return t;
    const double roh = (hi - lo) / ungefaehr;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    double schritt = zehner * 10.0;
    for (double m : {1.0, 2.0, 5.0}) {
        if (roh <= m * zehner * (1 + 1e-9)) {
            schritt = m * zehner;
            break;
        }
    }
    const double erster = std::ceil(lo / schritt - 1e-9) * schritt;
    for (int k = 0; k <= 1000; ++k) {
        double v = erster + k * schritt;
        if (v > hi + schritt * 1e-9) break;
        // Multiples of the step, without the rounding errors of the sum.
        v = std::round(v / schritt) * schritt;
        if (std::fabs(v) < schritt * 1e-9) v = 0.0;  // no "-0"
        t.push_back(v);
    }
    return t;
}

void DruckFarben(fuzzy::TFuzzy& v) {
    static constexpr std::array<fuzzy::TColor, fuzzy::MaxTerms> Farben{
        {{0, 50, 160}, {200, 0, 60}, {0, 135, 60}, {225, 125, 0}, {130, 50, 180}}};
    for (int i = 1; i <= fuzzy::MaxTerms; ++i) v.SetColour(i, Farben[static_cast<std::size_t>(i - 1)]);
}

Qt::PenStyle TermStil(int term) {
    switch (term) {
    case 2: return Qt::DashLine;
    case 3: return Qt::DotLine;
    case 4: return Qt::DashDotLine;
    case 5: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

}  // namespace ansichten
