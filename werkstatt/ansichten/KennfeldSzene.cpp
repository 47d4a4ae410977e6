#include "werkstatt/ansichten/KennfeldSzene.h"

#include "werkstatt/ansichten/Farbskala.h"
#include "werkstatt/ansichten/PainterPlot.h"
#include "widgets/Fonts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ansichten {

namespace {

constexpr double Oben = 34;
constexpr double Links = 74;
constexpr double Unten = 54;
constexpr double LegendeBreite = 110;

QString Text(const std::string& s) { return QString::fromStdString(s); }

double Anteil(const KennfeldSzene& s, double v) {
    return s.skalaMax > s.skalaMin ? (v - s.skalaMin) / (s.skalaMax - s.skalaMin) : 0.0;
}

// The vertical axis: B for a surface, the output for a curve.
double YMin(const KennfeldSzene& s) { return s.gitter.TwoInputs ? s.gitter.BMin : s.skalaMin; }
double YMax(const KennfeldSzene& s) { return s.gitter.TwoInputs ? s.gitter.BMax : s.skalaMax; }

QPointF Abbilden(const QRectF& plot, double fx, double fy) {
    return QPointF(plot.left() + fx * plot.width(), plot.bottom() - fy * plot.height());
}

double Teil(double v, double lo, double hi) { return hi > lo ? (v - lo) / (hi - lo) : 0.0; }

void Achsen(QPainter& p, const KennfeldSzene& s, const QRectF& plot) {
    const QFont schrift = widgets::PixelFont(widgets::SansFamily(), 12, false);
    const QFont titel = widgets::PixelFont(widgets::SansFamily(), 13, true);
    const QFontMetrics fm(schrift);
    p.setFont(schrift);
    p.setPen(QPen(Qt::black, 1));
    const double aMin = s.gitter.AMin, aMax = s.gitter.AMax;
    double letzteRechts = -1e9;
    for (double v : AchsenTeilung(aMin, aMax, std::max(2, static_cast<int>(plot.width() / 80)))) {
        const double x = plot.left() + Teil(v, aMin, aMax) * plot.width();
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
        const QString t = AchsenZahl(v);
        const double links = x - fm.horizontalAdvance(t) / 2.0;
        if (links < letzteRechts + 8) continue;  // never on top of the label before
        p.drawText(QPointF(links, plot.bottom() + 7 + fm.ascent()), t);
        letzteRechts = links + fm.horizontalAdvance(t);
    }
    const double yMin = YMin(s), yMax = YMax(s);
    for (double v : AchsenTeilung(yMin, yMax, std::max(2, static_cast<int>(plot.height() / 50)))) {
        const double y = plot.bottom() - Teil(v, yMin, yMax) * plot.height();
        p.drawLine(QPointF(plot.left() - 5, y), QPointF(plot.left(), y));
        const QString t = AchsenZahl(v);
        p.drawText(QPointF(plot.left() - 8 - fm.horizontalAdvance(t), y + fm.ascent() / 2.0 - 1), t);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    p.setFont(titel);
    p.setPen(QColor(128, 0, 0));
    const QString xTitel = QStringLiteral("A: %1").arg(Text(s.projekt.A.Name));
    p.drawText(QRectF(plot.left(), plot.bottom() + 24, plot.width(), 22), Qt::AlignHCenter | Qt::AlignTop, xTitel);
    const QString yTitel =
        s.gitter.TwoInputs
            ? QStringLiteral("B: %1").arg(Text(s.projekt.B.Name))
            : QCoreApplication::translate("ansichten::Kennfeld", "Ausgang: %1").arg(Text(s.projekt.Out.Name));
    p.save();
    p.translate(6, plot.bottom());
    p.rotate(-90);
    p.drawText(QRectF(0, 0, plot.height(), 20), Qt::AlignHCenter | Qt::AlignTop, yTitel);
    p.restore();
}

// Room under the colour bar for the entry of the hatching.
constexpr double SchraffurEintrag = 46;

void Legende(QPainter& p, const KennfeldSzene& s, const QRectF& r, double rechterRand) {
    // The output's name over the bar, on up to two lines within the picture
    // (a single line was cut to "Lenkwinkel i").
    const QFont titel = widgets::PixelFont(widgets::SansFamily(), 12, true);
    const QFontMetrics ft(titel);
    const QRectF titelFeld(r.left(), r.top() - 6, std::max(20.0, rechterRand - r.left() - 2), 2 * ft.height());
    const double unten = s.keineRegel.Empty() ? 0.0 : SchraffurEintrag;
    const QRectF balken(r.left() + 22, titelFeld.bottom() + 6, 20,
                        std::max(10.0, r.bottom() - titelFeld.bottom() - 6 - unten));
    // The bar from the bottom (smallest) to the top (largest), in fine steps.
    const int n = std::max(2, static_cast<int>(balken.height()));
    for (int k = 0; k < n; ++k) {
        const double f0 = double(k) / n, f1 = double(k + 1) / n;
        p.fillRect(QRectF(balken.left(), balken.bottom() - f1 * balken.height(), balken.width(),
                          (f1 - f0) * balken.height() + 0.6),
                   Skalenfarbe((f0 + f1) / 2));
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(balken);
    const QFont schrift = widgets::PixelFont(widgets::SansFamily(), 12, false);
    const QFontMetrics fm(schrift);
    p.setFont(schrift);
    double letzteOben = 1e9;
    for (double v : RundeTeilung(s.skalaMin, s.skalaMax, 8)) {
        const double y = balken.bottom() - Anteil(s, v) * balken.height();
        p.drawLine(QPointF(balken.left() - 3, y), QPointF(balken.right() + 4, y));
        // Labels a line apart at least; the marks stay.
        if (y + fm.height() / 2.0 > letzteOben) continue;
        p.drawText(QPointF(balken.right() + 7, y + fm.ascent() / 2.0 - 1), AchsenZahl(v));
        letzteOben = y - fm.height() / 2.0;
    }
    p.setFont(titel);
    p.setPen(QColor(128, 0, 0));
    QString name = Text(s.projekt.Out.Name);
    // Two lines at most; what does not fit ends in "…".
    const int zeile = static_cast<int>(titelFeld.width());
    if (ft.horizontalAdvance(name) > zeile) {
        const int bruch = name.lastIndexOf(QLatin1Char(' '), static_cast<int>(name.size()) / 2 + 4);
        QString erste = bruch > 0 ? name.left(bruch) : name;
        QString zweite = bruch > 0 ? name.mid(bruch + 1) : QString();
        if (ft.horizontalAdvance(erste) > zeile) {
            erste = ft.elidedText(name, Qt::ElideRight, zeile);
            zweite.clear();
        }
        name = erste + QLatin1Char('\n') + ft.elidedText(zweite, Qt::ElideRight, zeile);
    }
    p.drawText(titelFeld, Qt::AlignLeft | Qt::AlignTop, name);
}

// Each contour line gets its value written on it once, where it lies
// farthest from the values already written and from the plot's edges.
void Linienwerte(QPainter& p, const KennfeldSzene& s, const QRectF& plot) {
    const fuzzy::SurfaceGrid& g = s.gitter;
    const QFont schrift = widgets::PixelFont(widgets::SansFamily(), 11, true);
    const QFontMetrics fm(schrift);
    const QRectF innen = plot.adjusted(24, 14, -24, -14);
    std::vector<QPointF> plaetze;
    p.setFont(schrift);
    for (std::size_t k = 0; k < s.stufen.size(); ++k) {
        QPointF bester;
        double besterAbstand = -1.0;
        for (const Strecke& st : s.linien[k]) {
            const QPointF m = Abbilden(plot, (st.x0 + st.x1) / 2.0 / (g.Nx - 1), (st.y0 + st.y1) / 2.0 / (g.Ny - 1));
            if (!innen.contains(m)) continue;
            double abstand =
                std::min({m.x() - plot.left(), plot.right() - m.x(), m.y() - plot.top(), plot.bottom() - m.y()}) * 2.0;
            for (const QPointF& q : plaetze) abstand = std::min(abstand, std::hypot(q.x() - m.x(), q.y() - m.y()));
            if (abstand > besterAbstand) {
                besterAbstand = abstand;
                bester = m;
            }
        }
        if (besterAbstand < 40.0) continue;
        plaetze.push_back(bester);
        const QString t = AchsenZahl(s.stufen[k]);
        const QColor grund = Skalenfarbe(Anteil(s, s.stufen[k]));
        const QRectF kasten(bester.x() - fm.horizontalAdvance(t) / 2.0 - 2, bester.y() - fm.height() / 2.0,
                            fm.horizontalAdvance(t) + 4, fm.height());
        p.fillRect(kasten, grund);
        p.setPen(grund.lightness() < 120 ? Qt::white : Qt::black);
        p.drawText(kasten, Qt::AlignCenter, t);
    }
}

void Flaeche(QPainter& p, const KennfeldSzene& s, const QRectF& plot) {
    const fuzzy::SurfaceGrid& g = s.gitter;
    // Each sample is the centre of its pixel: from the centre of the first
    // to the centre of the last, the picture spans the plot area exactly.
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(plot, s.farbbild, QRectF(0.5, 0.5, g.Nx - 1, g.Ny - 1));
    for (std::size_t k = 0; k < s.stufen.size(); ++k) {
        QPainterPath pfad;
        for (const Strecke& st : s.linien[k]) {
            pfad.moveTo(Abbilden(plot, st.x0 / (g.Nx - 1), st.y0 / (g.Ny - 1)));
            pfad.lineTo(Abbilden(plot, st.x1 / (g.Nx - 1), st.y1 / (g.Ny - 1)));
        }
        // Light lines on the dark end of the scale, dark ones on the light end.
        const bool hell = Skalenfarbe(Anteil(s, s.stufen[k])).lightness() < 120;
        p.setPen(QPen(hell ? QColor(255, 255, 255, 200) : QColor(0, 0, 0, 170), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pfad);
    }
    Linienwerte(p, s, plot);
    p.restore();
}

void Kurve(QPainter& p, const KennfeldSzene& s, const QRectF& plot) {
    const fuzzy::SurfaceGrid& g = s.gitter;
    p.save();
    p.setClipRect(plot.adjusted(-2, -2, 2, 2));
    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (double v : AchsenTeilung(YMin(s), YMax(s), std::max(2, static_cast<int>(plot.height() / 50)))) {
        const double y = plot.bottom() - Teil(v, YMin(s), YMax(s)) * plot.height();
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (double v : AchsenTeilung(g.AMin, g.AMax, std::max(2, static_cast<int>(plot.width() / 80)))) {
        const double x = plot.left() + Teil(v, g.AMin, g.AMax) * plot.width();
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    QPainterPath pfad;
    double laufY = 0.0;
    for (int i = 0; i < g.Nx; ++i) {
        QPointF pt = Abbilden(plot, double(i) / (g.Nx - 1), Teil(g.Value(i, 0), YMin(s), YMax(s)));
        // Outputs a rounding step apart would make a flat stretch shimmer
        // with smoothing: hold it at the height where it began.
        if (i > 0 && std::fabs(pt.y() - laufY) < 0.05)
            pt.setY(laufY);
        else
            laufY = pt.y();
        if (i == 0)
            pfad.moveTo(pt);
        else
            pfad.lineTo(pt);
    }
    p.setPen(QPen(QColor(20, 60, 160), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pfad);
    p.restore();
}

// Diagonal lines 5 pixels apart, drawn as lines rather than with a pattern
// brush: a pattern is laid out in device pixels, so on a printer or in a PDF
// it would shrink to a grey film, and a picture saved as SVG would lose it.
// Each line is cut to the rectangle by hand: an SVG keeps no clip, and the
// lines would run over places where rules fire and out of the picture.
void Schraffieren(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    for (double t = -r.height(); t < r.width(); t += 5.0) {
        QLineF linie(QPointF(r.left() + t, r.bottom()), QPointF(r.left() + t + r.height(), r.top()));
        if (Beschneiden(linie, r) && linie.length() > 0.0) p.drawLine(linie);
    }
    p.restore();
}

// The places without a firing rule: lightened, hatched and framed, so that
// they read as "no value of the controller" on any colour of the scale.
void Schraffur(QPainter& p, const KennfeldSzene& s, const QRectF& plot) {
    if (s.keineRegel.Empty()) return;
    p.save();
    p.setClipRect(plot);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const fuzzy::NoRuleBox& box : s.keineRegel.Boxes) {
        const QRectF r = SchraffurRechteck(s, plot, box);
        if (r.isEmpty()) continue;
        p.fillRect(r, QColor(255, 255, 255, 150));
        Schraffieren(p, r);
        p.setPen(QPen(QColor(0, 0, 0, 220), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    p.restore();
}

void SchraffurEintragMalen(QPainter& p, const KennfeldSzene& s, QSize groesse) {
    const QRectF r = SchraffurLegende(s, groesse);
    if (r.isEmpty()) return;
    p.save();
    const QRectF kaestchen(r.left(), r.top() + 2, 20, 14);
    p.fillRect(kaestchen, Qt::white);
    Schraffieren(p, kaestchen);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawRect(kaestchen);
    p.setFont(widgets::PixelFont(widgets::SansFamily(), 12, false));
    p.setPen(Qt::black);
    p.drawText(QRectF(kaestchen.right() + 5, r.top(), r.width() - kaestchen.width() - 5, r.height()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QCoreApplication::translate("ansichten::Kennfeld", "keine Regel feuert"));
    p.restore();
}

void Marke(QPainter& p, const KennfeldSzene& s, const QRectF& plot, QSize groesse) {
    if (!s.marke) return;
    const QPointF welt = s.gitter.TwoInputs ? *s.marke : QPointF(s.marke->x(), s.markeWert);
    const QPointF pt = PixelPunkt(s, groesse, welt);
    if (!plot.adjusted(-1, -1, 1, 1).contains(pt)) return;
    p.save();
    if (!s.gitter.TwoInputs) {
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawLine(QPointF(pt.x(), plot.top()), QPointF(pt.x(), plot.bottom()));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(pt, 6, 6);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(pt, 6, 6);
    p.drawLine(pt - QPointF(11, 0), pt - QPointF(7, 0));
    p.drawLine(pt + QPointF(7, 0), pt + QPointF(11, 0));
    p.drawLine(pt - QPointF(0, 11), pt - QPointF(0, 7));
    p.drawLine(pt + QPointF(0, 7), pt + QPointF(0, 11));
    p.restore();
}

}  // namespace

void SzeneAufbereiten(KennfeldSzene& s) {
    const fuzzy::SurfaceGrid& g = s.gitter;
    s.linien.clear();
    s.stufen.clear();
    s.farbbild = QImage();
    s.keineRegel = {};
    if (g.Empty()) return;
    s.keineRegel = fuzzy::FindNoRuleRegions(s.projekt);
    s.skalaMin = std::min<double>(s.projekt.Out.RangeMin, g.Min);
    s.skalaMax = std::max<double>(s.projekt.Out.RangeMax, g.Max);
    if (!(s.skalaMax > s.skalaMin)) s.skalaMax = s.skalaMin + 1.0;
    if (!g.TwoInputs) return;

    s.farbbild = QImage(g.Nx, g.Ny, QImage::Format_RGB32);
    for (int j = 0; j < g.Ny; ++j) {
        auto* zeile = reinterpret_cast<QRgb*>(s.farbbild.scanLine(g.Ny - 1 - j));
        for (int i = 0; i < g.Nx; ++i) zeile[i] = Skalenfarbe(Anteil(s, g.Value(i, j))).rgb();
    }
    // Contour lines at the round values strictly inside the field's values.
    for (double v : RundeTeilung(s.skalaMin, s.skalaMax, 8)) {
        if (v <= g.Min || v >= g.Max) continue;
        s.stufen.push_back(v);
        s.linien.push_back(Hoehenlinie(g.Values, g.Nx, g.Ny, static_cast<float>(v)));
    }
}

QRectF SchraffurRechteck(const KennfeldSzene& s, const QRectF& plot, const fuzzy::NoRuleBox& box) {
    const fuzzy::SurfaceGrid& g = s.gitter;
    if (g.Empty()) return {};
    // One side as pixels: the ends mapped, widened about its middle to the
    // least width, limited to the plot.
    auto seite = [](double lo, double hi, double min, double max, double von, double bis) -> std::pair<double, double> {
        if (!(max > min) || hi < min || lo > max) return {1.0, 0.0};
        double p0 = von + Teil(lo, min, max) * (bis - von);
        double p1 = von + Teil(hi, min, max) * (bis - von);
        if (p1 - p0 < Mindestbreite && bis - von > Mindestbreite) {
            // A place at a range end grows inwards, not half out of sight.
            const double m = std::clamp((p0 + p1) / 2.0, von + Mindestbreite / 2.0, bis - Mindestbreite / 2.0);
            p0 = m - Mindestbreite / 2.0;
            p1 = m + Mindestbreite / 2.0;
        }
        return {std::max(p0, von), std::min(p1, bis)};
    };
    const auto [x0, x1] = seite(box.A.Low.Value, box.A.High.Value, g.AMin, g.AMax, plot.left(), plot.right());
    if (!(x1 > x0)) return {};
    if (!g.TwoInputs || !box.HasB) return QRectF(QPointF(x0, plot.top()), QPointF(x1, plot.bottom()));
    // B grows upwards: its low end is the lower edge.
    const auto [y0, y1] = seite(box.B.Low.Value, box.B.High.Value, g.BMin, g.BMax, 0.0, plot.height());
    if (!(y1 > y0)) return {};
    return QRectF(QPointF(x0, plot.bottom() - y1), QPointF(x1, plot.bottom() - y0));
}

QRectF SchraffurLegende(const KennfeldSzene& s, QSize groesse) {
    if (s.keineRegel.Empty() || s.gitter.Empty()) return {};
    const KennfeldAufteilung a = KennfeldAufteilen(groesse, s.gitter.TwoInputs);
    // Under the colour bar; a curve has no bar, so its entry sits in the
    // plot's upper right corner.
    if (s.gitter.TwoInputs)
        return QRectF(a.legende.left(), a.legende.bottom() - SchraffurEintrag + 8, LegendeBreite - 14,
                      SchraffurEintrag - 8);
    return QRectF(a.plot.right() - 150, a.plot.top() + 6, 144, 20);
}

KennfeldAufteilung KennfeldAufteilen(QSize groesse, bool zweiEingaenge) {
    const double rechts = zweiEingaenge ? LegendeBreite : 24;
    KennfeldAufteilung a;
    a.plot = QRectF(Links, Oben, std::max(10.0, groesse.width() - Links - rechts),
                    std::max(10.0, groesse.height() - Oben - Unten));
    a.legende = QRectF(a.plot.right() + 8, Oben, rechts - 40, a.plot.height());
    return a;
}

std::optional<QPointF> WeltPunkt(const KennfeldSzene& s, QSize groesse, QPointF pixel) {
    if (s.gitter.Empty()) return std::nullopt;
    const QRectF plot = KennfeldAufteilen(groesse, s.gitter.TwoInputs).plot;
    if (pixel.x() < plot.left() || pixel.x() > plot.right() || pixel.y() < plot.top() || pixel.y() > plot.bottom())
        return std::nullopt;
    const double fx = (pixel.x() - plot.left()) / plot.width();
    const double fy = (plot.bottom() - pixel.y()) / plot.height();
    return QPointF(s.gitter.AMin + fx * (double(s.gitter.AMax) - s.gitter.AMin), YMin(s) + fy * (YMax(s) - YMin(s)));
}

QPointF PixelPunkt(const KennfeldSzene& s, QSize groesse, QPointF welt) {
    const QRectF plot = KennfeldAufteilen(groesse, s.gitter.TwoInputs).plot;
    return Abbilden(plot, Teil(welt.x(), s.gitter.AMin, s.gitter.AMax), Teil(welt.y(), YMin(s), YMax(s)));
}

void MaleKennfeld(QPainter& p, QSize groesse, const KennfeldSzene& s) {
    p.save();
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    if (s.gitter.Empty()) {
        p.setFont(widgets::PixelFont(widgets::SansFamily(), 14, false));
        p.setPen(Qt::black);
        p.drawText(QRect(QPoint(0, 0), groesse), Qt::AlignCenter,
                   QCoreApplication::translate("ansichten::Kennfeld",
                                               "Kein Kennfeld: Eingang A und Ausgang müssen definiert sein."));
        p.restore();
        return;
    }
    const bool zwei = s.gitter.TwoInputs;
    const KennfeldAufteilung a = KennfeldAufteilen(groesse, zwei);
    // The title names all three variables when it fits, else the output only.
    const QFont titelSchrift = widgets::PixelFont(widgets::SansFamily(), 15, true);
    const QFontMetrics fm(titelSchrift);
    const QRectF zeile(6, 6, groesse.width() - 12, 24);
    QString titel = zwei ? QCoreApplication::translate("ansichten::Kennfeld", "Kennfeld: %1 über %2 und %3")
                               .arg(Text(s.projekt.Out.Name), Text(s.projekt.A.Name), Text(s.projekt.B.Name))
                         : QCoreApplication::translate("ansichten::Kennfeld", "Kennlinie: %1 über %2")
                               .arg(Text(s.projekt.Out.Name), Text(s.projekt.A.Name));
    if (fm.horizontalAdvance(titel) > zeile.width())
        titel = (zwei ? QCoreApplication::translate("ansichten::Kennfeld", "Kennfeld: %1")
                      : QCoreApplication::translate("ansichten::Kennfeld", "Kennlinie: %1"))
                    .arg(Text(s.projekt.Out.Name));
    titel = fm.elidedText(titel, Qt::ElideRight, static_cast<int>(zeile.width()));
    p.setFont(titelSchrift);
    p.setPen(Qt::black);
    p.drawText(zeile, Qt::AlignHCenter | Qt::AlignTop, titel);
    if (zwei) {
        Flaeche(p, s, a.plot);
        Legende(p, s, a.legende, groesse.width());
    } else {
        Kurve(p, s, a.plot);
    }
    Schraffur(p, s, a.plot);
    Achsen(p, s, a.plot);
    if (!zwei && !s.keineRegel.Empty()) p.fillRect(SchraffurLegende(s, groesse).adjusted(-4, -2, 4, 2), Qt::white);
    SchraffurEintragMalen(p, s, groesse);
    Marke(p, s, a.plot, groesse);
    p.restore();
}

}  // namespace ansichten
