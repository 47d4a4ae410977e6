#include "werkstatt/labor/BahnenBild.h"

#include "widgets/Fonts.h"
#include "werkstatt/labor/Zahl.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace labor {

namespace {

// The world shown: the road with a margin on both sides, from above the
// highest start down to the red bar.
constexpr double WeltLinks = -24.0, WeltRechts = 6.0, WeltUnten = -28.0, WeltOben = 29.0;
constexpr double Grenze = 1000.0;
constexpr int LegendeHoehe = 40;

double Begrenzt(double v) { return std::clamp(v, -Grenze, Grenze); }

bool Endlich(const dorvane::TrackPoint& t) { return std::isfinite(t.RearX) && std::isfinite(t.RearY); }

struct Abbildung {
    QRectF feld;
    double s = 1.0;
    QPointF operator()(double x, double y) const {
        return {feld.left() + (Begrenzt(x) - WeltLinks) * s, feld.top() + (WeltOben - Begrenzt(y)) * s};
    }
};

double AbstandZurGeraden(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double l = std::hypot(ab.x(), ab.y());
    if (l == 0.0) return std::hypot(p.x() - a.x(), p.y() - a.y());
    return std::fabs(ab.x() * (a.y() - p.y()) - ab.y() * (a.x() - p.x())) / l;
}

Abbildung Abbilden(QSize g);

// A track as few points as draw the same line: a step of 10 cm adds nothing
// a reader can see, and 160 tracks of 500 points each make a file of
// megabytes. A point is left out while every point it stands for lies within
// a quarter of a pixel of the straight line that replaces them.
std::vector<QPointF> Vereinfacht(const std::vector<dorvane::TrackPoint>& track, const Abbildung& z) {
    std::vector<QPointF> alle;
    alle.reserve(track.size());
    for (const dorvane::TrackPoint& pt : track) {
        if (!Endlich(pt)) break;
        alle.push_back(z(pt.RearX, pt.RearY));
    }
    if (alle.size() <= 2) return alle;
    std::vector<QPointF> aus{alle.front()};
    std::size_t anfang = 0;
    for (std::size_t k = 2; k < alle.size(); ++k) {
        bool gerade = true;
        for (std::size_t m = anfang + 1; m < k && gerade; ++m)
            gerade = AbstandZurGeraden(alle[m], alle[anfang], alle[k]) <= 0.25;
        // A long straight run still gets a point now and then, which bounds
        // the work per point.
        if (!gerade || k - anfang > 200) {
            anfang = k - 1;
            aus.push_back(alle[anfang]);
        }
    }
    aus.push_back(alle.back());
    return aus;
}

Abbildung Abbilden(QSize g) {
    const double frei = std::max(10, g.height() - LegendeHoehe);
    const double s = std::max(0.01, std::min(g.width() / (WeltRechts - WeltLinks), frei / (WeltOben - WeltUnten)));
    const double w = s * (WeltRechts - WeltLinks), h = s * (WeltOben - WeltUnten);
    return {QRectF((g.width() - w) / 2, (frei - h) / 2, w, h), s};
}

}  // namespace

QColor BahnFarbe(TruckUrteil u) {
    switch (u) {
    case TruckUrteil::Angedockt: return QColor(0, 40, 150);
    case TruckUrteil::NichtAngedockt: return QColor(240, 150, 30);
    case TruckUrteil::StrasseVerlassen: return QColor(200, 0, 120);
    }
    return Qt::black;
}

Qt::PenStyle BahnStil(TruckUrteil u) {
    switch (u) {
    case TruckUrteil::Angedockt: return Qt::SolidLine;
    case TruckUrteil::NichtAngedockt: return Qt::DashLine;
    case TruckUrteil::StrasseVerlassen: return Qt::DotLine;
    }
    return Qt::SolidLine;
}

QString UrteilText(TruckUrteil u) {
    switch (u) {
    case TruckUrteil::Angedockt: return QCoreApplication::translate("labor::BahnenBild", "angedockt");
    case TruckUrteil::NichtAngedockt: return QCoreApplication::translate("labor::BahnenBild", "nicht angedockt");
    case TruckUrteil::StrasseVerlassen: return QCoreApplication::translate("labor::BahnenBild", "Straße verlassen");
    }
    return {};
}

QString BahnenTitel(const TruckErgebnis& e) {
    const dorvane::GridFigures& z = e.Raster.Figures;
    return QCoreApplication::translate("labor::BahnenBild",
                                       "Truck-Labor: %1 Starts bei %2 m/s, angedockt: %3, Straße verlassen: %4 von %5")
        .arg(z.Starts)
        .arg(Zahl(e.Raster.Speed, 0))
        .arg(z.Docked)
        .arg(z.LeftRoad())
        .arg(z.MustKeepRoad);
}

void MaleBahnen(QPainter& p, QSize groesse, const TruckErgebnis& e, const QString& titel) {
    p.save();
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    if (!titel.isEmpty()) {
        const QFont kopf = widgets::PixelFont(widgets::SansFamily(), 14, true);
        const int h = QFontMetrics(kopf).height() + 8;
        p.setFont(kopf);
        p.setPen(Qt::black);
        p.drawText(QRect(8, 0, groesse.width() - 16, h), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(kopf).elidedText(titel, Qt::ElideRight, groesse.width() - 16));
        p.translate(0, h);
        groesse.setHeight(std::max(10, groesse.height() - h));
    }
    const Abbildung z = Abbilden(groesse);
    p.setClipRect(z.feld);

    // The road: light grey between its edges, the target line x = 0 and the
    // bar at the arrival line.
    const QPointF lo = z(dorvane::RoadLeft, WeltOben), ru = z(dorvane::RoadRight, WeltUnten);
    p.fillRect(QRectF(lo, ru), QColor(238, 238, 238));
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(lo.x(), z.feld.top()), QPointF(lo.x(), z.feld.bottom()));
    p.drawLine(QPointF(ru.x(), z.feld.top()), QPointF(ru.x(), z.feld.bottom()));
    const double ziel = z(0, dorvane::ArrivalY).y();
    p.fillRect(QRectF(QPointF(lo.x(), ziel), QPointF(ru.x(), z.feld.bottom())), QColor(120, 120, 120));
    p.setPen(QPen(Qt::black, 1.0, Qt::DashDotLine));
    p.drawLine(z(0, WeltOben), QPointF(z(0, 0).x(), ziel));

    // Docked tracks first, so the failures lie on top where they can be seen.
    for (const TruckUrteil u : {TruckUrteil::Angedockt, TruckUrteil::NichtAngedockt, TruckUrteil::StrasseVerlassen}) {
        QPen stift(BahnFarbe(u), 1.1, BahnStil(u), Qt::FlatCap, Qt::RoundJoin);
        for (const dorvane::StartRun& t : e.Raster.Runs) {
            if (Beurteile(t, e.Raster.Speed) != u) continue;
            QPainterPath pfad;
            const std::vector<QPointF> punkte = Vereinfacht(t.Result.Track, z);
            for (std::size_t k = 0; k < punkte.size(); ++k) {
                if (k == 0)
                    pfad.moveTo(punkte[k]);
                else
                    pfad.lineTo(punkte[k]);
            }
            p.setPen(stift);
            p.setBrush(Qt::NoBrush);
            p.drawPath(pfad);
            if (!punkte.empty()) {
                p.setPen(Qt::NoPen);
                p.setBrush(BahnFarbe(u));
                p.drawEllipse(pfad.elementAt(0), 2.0, 2.0);
            }
        }
    }
    p.setClipping(false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(z.feld);

    // The legend below the road, one entry per verdict with its pen.
    const QFont schrift = widgets::PixelFont(widgets::SansFamily(), 12);
    const QFontMetrics fm(schrift);
    p.setFont(schrift);
    const QString axe =
        QCoreApplication::translate("labor::BahnenBild", "Bahnen des Hinterachspunkts, x = 0: Ziellinie");
    const double links = std::max(4.0, std::min(z.feld.left(), groesse.width() - 430.0));
    double x = links;
    const double y = z.feld.bottom() + 8 + fm.height() / 2.0;
    for (const TruckUrteil u : {TruckUrteil::Angedockt, TruckUrteil::NichtAngedockt, TruckUrteil::StrasseVerlassen}) {
        p.setPen(QPen(BahnFarbe(u), 2.0, BahnStil(u), Qt::FlatCap));
        p.drawLine(QPointF(x, y), QPointF(x + 28, y));
        p.setPen(Qt::black);
        const QString t = UrteilText(u);
        p.drawText(QPointF(x + 32, y + fm.ascent() / 2.0 - 1), t);
        x += 32 + fm.horizontalAdvance(t) + 14;
    }
    p.setPen(QColor(80, 80, 80));
    p.drawText(QPointF(links, y + fm.height() / 2.0 + 4 + fm.ascent()), axe);
    p.restore();
}

}  // namespace labor
