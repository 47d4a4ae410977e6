#include "KennfeldSzene.h"

#include "Farbskala.h"
#include "Fonts.h"

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
double YMin(const KennfeldSzene& s) { return s.gitter.zweiEingaenge ? s.gitter.bMin : s.skalaMin; }
double YMax(const KennfeldSzene& s) { return s.gitter.zweiEingaenge ? s.gitter.bMax : s.skalaMax; }

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
    const double aMin = s.gitter.aMin, aMax = s.gitter.aMax;
    for (double v : RundeTeilung(aMin, aMax, 6)) {
        const double x = plot.left() + Teil(v, aMin, aMax) * plot.width();
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
        const QString t = Beschriftung(v);
        p.drawText(QPointF(x - fm.horizontalAdvance(t) / 2.0, plot.bottom() + 7 + fm.ascent()), t);
    }
    const double yMin = YMin(s), yMax = YMax(s);
    for (double v : RundeTeilung(yMin, yMax, 6)) {
        const double y = plot.bottom() - Teil(v, yMin, yMax) * plot.height();
        p.drawLine(QPointF(plot.left() - 5, y), QPointF(plot.left(), y));
        const QString t = Beschriftung(v);
        p.drawText(QPointF(plot.left() - 8 - fm.horizontalAdvance(t), y + fm.ascent() / 2.0 - 1), t);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    p.setFont(titel);
    p.setPen(QColor(128, 0, 0));
    const QString xTitel = QStringLiteral("A: %1").arg(Text(s.projekt.A.Name));
    p.drawText(QRectF(plot.left(), plot.bottom() + 24, plot.width(), 22), Qt::AlignHCenter | Qt::AlignTop, xTitel);
    const QString yTitel = s.gitter.zweiEingaenge ? QStringLiteral("B: %1").arg(Text(s.projekt.B.Name))
                                                  : QStringLiteral("Ausgang: %1").arg(Text(s.projekt.Out.Name));
    p.save();
    p.translate(6, plot.bottom());
    p.rotate(-90);
    p.drawText(QRectF(0, 0, plot.height(), 20), Qt::AlignHCenter | Qt::AlignTop, yTitel);
    p.restore();
}

void Legende(QPainter& p, const KennfeldSzene& s, const QRectF& r) {
    const QRectF balken(r.left() + 22, r.top() + 22, 20, r.height() - 22);
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
    for (double v : RundeTeilung(s.skalaMin, s.skalaMax, 8)) {
        const double y = balken.bottom() - Anteil(s, v) * balken.height();
        p.drawLine(QPointF(balken.left() - 3, y), QPointF(balken.right() + 4, y));
        p.drawText(QPointF(balken.right() + 7, y + fm.ascent() / 2.0 - 1), Beschriftung(v));
    }
    p.setFont(widgets::PixelFont(widgets::SansFamily(), 13, true));
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRectF(r.left(), r.top() - 4, r.width() + 10, 20), Qt::AlignLeft | Qt::AlignTop,
               Text(s.projekt.Out.Name));
}

// Each contour line gets its value written on it once, where it lies
// farthest from the values already written and from the plot's edges.
void Linienwerte(QPainter& p, const KennfeldSzene& s, const QRectF& plot) {
    const fuzzy::KennfeldGitter& g = s.gitter;
    const QFont schrift = widgets::PixelFont(widgets::SansFamily(), 11, true);
    const QFontMetrics fm(schrift);
    const QRectF innen = plot.adjusted(24, 14, -24, -14);
    std::vector<QPointF> plaetze;
    p.setFont(schrift);
    for (std::size_t k = 0; k < s.stufen.size(); ++k) {
        QPointF bester;
        double besterAbstand = -1.0;
        for (const Strecke& st : s.linien[k]) {
            const QPointF m = Abbilden(plot, (st.x0 + st.x1) / 2.0 / (g.nx - 1), (st.y0 + st.y1) / 2.0 / (g.ny - 1));
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
        const QString t = Beschriftung(s.stufen[k]);
        const QColor grund = Skalenfarbe(Anteil(s, s.stufen[k]));
        const QRectF kasten(bester.x() - fm.horizontalAdvance(t) / 2.0 - 2, bester.y() - fm.height() / 2.0,
                            fm.horizontalAdvance(t) + 4, fm.height());
        p.fillRect(kasten, grund);
        p.setPen(grund.lightness() < 120 ? Qt::white : Qt::black);
        p.drawText(kasten, Qt::AlignCenter, t);
    }
}

void Flaeche(QPainter& p, const KennfeldSzene& s, const QRectF& plot) {
    const fuzzy::KennfeldGitter& g = s.gitter;
    // Each sample is the centre of its pixel: from the centre of the first
    // to the centre of the last, the picture spans the plot area exactly.
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(plot, s.farbbild, QRectF(0.5, 0.5, g.nx - 1, g.ny - 1));
    for (std::size_t k = 0; k < s.stufen.size(); ++k) {
        QPainterPath pfad;
        for (const Strecke& st : s.linien[k]) {
            pfad.moveTo(Abbilden(plot, st.x0 / (g.nx - 1), st.y0 / (g.ny - 1)));
            pfad.lineTo(Abbilden(plot, st.x1 / (g.nx - 1), st.y1 / (g.ny - 1)));
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
    const fuzzy::KennfeldGitter& g = s.gitter;
    p.save();
    p.setClipRect(plot.adjusted(-2, -2, 2, 2));
    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (double v : RundeTeilung(YMin(s), YMax(s), 6)) {
        const double y = plot.bottom() - Teil(v, YMin(s), YMax(s)) * plot.height();
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (double v : RundeTeilung(g.aMin, g.aMax, 6)) {
        const double x = plot.left() + Teil(v, g.aMin, g.aMax) * plot.width();
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    QPainterPath pfad;
    double laufY = 0.0;
    for (int i = 0; i < g.nx; ++i) {
        QPointF pt = Abbilden(plot, double(i) / (g.nx - 1), Teil(g.Wert(i, 0), YMin(s), YMax(s)));
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

void Marke(QPainter& p, const KennfeldSzene& s, const QRectF& plot, QSize groesse) {
    if (!s.marke) return;
    const QPointF welt = s.gitter.zweiEingaenge ? *s.marke : QPointF(s.marke->x(), s.markeWert);
    const QPointF pt = PixelPunkt(s, groesse, welt);
    if (!plot.adjusted(-1, -1, 1, 1).contains(pt)) return;
    p.save();
    if (!s.gitter.zweiEingaenge) {
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
    const fuzzy::KennfeldGitter& g = s.gitter;
    s.linien.clear();
    s.stufen.clear();
    s.farbbild = QImage();
    if (g.leer()) return;
    s.skalaMin = std::min<double>(s.projekt.Out.RangeMin, g.minimum);
    s.skalaMax = std::max<double>(s.projekt.Out.RangeMax, g.maximum);
    if (!(s.skalaMax > s.skalaMin)) s.skalaMax = s.skalaMin + 1.0;
    if (!g.zweiEingaenge) return;

    s.farbbild = QImage(g.nx, g.ny, QImage::Format_RGB32);
    for (int j = 0; j < g.ny; ++j) {
        auto* zeile = reinterpret_cast<QRgb*>(s.farbbild.scanLine(g.ny - 1 - j));
        for (int i = 0; i < g.nx; ++i) zeile[i] = Skalenfarbe(Anteil(s, g.Wert(i, j))).rgb();
    }
    // Contour lines at the round values strictly inside the field's values.
    for (double v : RundeTeilung(s.skalaMin, s.skalaMax, 8)) {
        if (v <= g.minimum || v >= g.maximum) continue;
        s.stufen.push_back(v);
        s.linien.push_back(Hoehenlinie(g.Werte, g.nx, g.ny, static_cast<float>(v)));
    }
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
    if (s.gitter.leer()) return std::nullopt;
    const QRectF plot = KennfeldAufteilen(groesse, s.gitter.zweiEingaenge).plot;
    if (pixel.x() < plot.left() || pixel.x() > plot.right() || pixel.y() < plot.top() || pixel.y() > plot.bottom())
        return std::nullopt;
    const double fx = (pixel.x() - plot.left()) / plot.width();
    const double fy = (plot.bottom() - pixel.y()) / plot.height();
    return QPointF(s.gitter.aMin + fx * (double(s.gitter.aMax) - s.gitter.aMin), YMin(s) + fy * (YMax(s) - YMin(s)));
}

QPointF PixelPunkt(const KennfeldSzene& s, QSize groesse, QPointF welt) {
    const QRectF plot = KennfeldAufteilen(groesse, s.gitter.zweiEingaenge).plot;
    return Abbilden(plot, Teil(welt.x(), s.gitter.aMin, s.gitter.aMax), Teil(welt.y(), YMin(s), YMax(s)));
}

void MaleKennfeld(QPainter& p, QSize groesse, const KennfeldSzene& s) {
    p.save();
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    if (s.gitter.leer()) {
        p.setFont(widgets::PixelFont(widgets::SansFamily(), 14, false));
        p.setPen(Qt::black);
        p.drawText(QRect(QPoint(0, 0), groesse), Qt::AlignCenter,
                   QStringLiteral("Kein Kennfeld: Eingang A und Ausgang m\u00FCssen definiert sein."));
        p.restore();
        return;
    }
    const bool zwei = s.gitter.zweiEingaenge;
    const KennfeldAufteilung a = KennfeldAufteilen(groesse, zwei);
    // The title names all three variables when it fits, else the output only.
    const QFont titelSchrift = widgets::PixelFont(widgets::SansFamily(), 15, true);
    const QFontMetrics fm(titelSchrift);
    const QRectF zeile(6, 6, groesse.width() - 12, 24);
    QString titel =
        zwei ? QStringLiteral("Kennfeld: %1 \u00FCber %2 und %3")
                   .arg(Text(s.projekt.Out.Name), Text(s.projekt.A.Name), Text(s.projekt.B.Name))
             : QStringLiteral("Kennlinie: %1 \u00FCber %2").arg(Text(s.projekt.Out.Name), Text(s.projekt.A.Name));
    if (fm.horizontalAdvance(titel) > zeile.width())
        titel = (zwei ? QStringLiteral("Kennfeld: ") : QStringLiteral("Kennlinie: ")) + Text(s.projekt.Out.Name);
    titel = fm.elidedText(titel, Qt::ElideRight, static_cast<int>(zeile.width()));
    p.setFont(titelSchrift);
    p.setPen(Qt::black);
    p.drawText(zeile, Qt::AlignHCenter | Qt::AlignTop, titel);
    if (zwei) {
        Flaeche(p, s, a.plot);
        Legende(p, s, a.legende);
    } else {
        Kurve(p, s, a.plot);
    }
    Achsen(p, s, a.plot);
    Marke(p, s, a.plot, groesse);
    p.restore();
}

}  // namespace ansichten
