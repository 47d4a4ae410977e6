#include "werkstatt/labor/KurvenDiagramm.h"

#include "widgets/Fonts.h"
#include "widgets/PlotScale.h"
#include "werkstatt/labor/Zahl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace labor {

namespace {

// A tick spacing of 1, 2 or 5 times a power of ten giving about n ticks.
double Teilung(double spanne, int n) { return widgets::plotscale::RoundStep(spanne / std::max(1, n), {1.0, 2.0, 5.0}); }

// A mark's number as the labs write numbers, with the decimals the step needs.
QString Beschriftung(double v, double schritt) {
    const int stellen = std::clamp(static_cast<int>(-std::floor(std::log10(schritt) + 1e-9)), 0, 4);
    return Zahl(std::fabs(v) < schritt * 1e-6 ? 0.0 : v, stellen);
}

// Values far outside any sensible plot (a runaway controller) are cut here so
// that the pixel arithmetic stays finite.
constexpr double Grenze = 1.0e6;
// The smallest span of values an axis shows; the labels have at most four
// decimals.
constexpr double MinSpanne = 1.0e-2;
// How close to a curve's point a click must be to pick it, in pixels.
constexpr double Fangweite = 10.0;

}  // namespace

KurvenDiagramm::KurvenDiagramm(const QString& titel, const QString& xAchse, const QString& yAchse, QWidget* parent)
    : QWidget(parent), Titel_(titel), XAchse_(xAchse), YAchse_(yAchse) {
    // Small enough that four fit the page of a small window without
    // overlapping; the plot then shrinks, the labels stay.
    setMinimumSize(220, 140);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void KurvenDiagramm::setKurven(QVector<Kurve> kurven) {
    Kurven_ = std::move(kurven);
    update();
}

void KurvenDiagramm::setXBereich(double von, double bis) {
    XFest_ = bis > von;
    XVon_ = von;
    XBis_ = bis;
    update();
}

void KurvenDiagramm::setVeraltet(bool v) {
    Veraltet_ = v;
    update();
}

void KurvenDiagramm::setMarke(int kurve, int punkt) {
    MarkeKurve_ = kurve;
    MarkePunkt_ = punkt;
    update();
}

QPointF KurvenDiagramm::ZuBild(QPointF wert) const {
    const double x = std::clamp(wert.x(), -Grenze, Grenze), y = std::clamp(wert.y(), -Grenze, Grenze);
    return {Feld_.left() + (x - X1_) / (X2_ - X1_) * Feld_.width(),
            Feld_.bottom() - (y - Y1_) / (Y2_ - Y1_) * Feld_.height()};
}

std::pair<int, int> KurvenDiagramm::PunktBei(QPointF pos) const {
    // The mapping of the last painting on screen; none before it.
    if (Gemalt_ != size() || Feld_.isEmpty()) return {-1, -1};
    std::pair<int, int> best{-1, -1};
    double bestAbstand = Fangweite;
    for (int i = 0; i < Kurven_.size(); ++i) {
        const Kurve& k = Kurven_[i];
        if (k.Blass) continue;
        for (int j = 0; j < k.Punkte.size(); ++j) {
            const QPointF& q = k.Punkte[j];
            if (!std::isfinite(q.x()) || !std::isfinite(q.y())) break;
            if (XFest_ && q.x() > XBis_) break;
            const QPointF d = ZuBild(q) - pos;
            const double abstand = std::hypot(d.x(), d.y());
            if (abstand < bestAbstand) {
                bestAbstand = abstand;
                best = {i, j};
            }
        }
    }
    return best;
}

void KurvenDiagramm::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || Veraltet_) return;
    const auto [kurve, punkt] = PunktBei(e->position());
    if (kurve >= 0) emit punktGeklickt(kurve, punkt);
}

void KurvenDiagramm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    malen(p, size());
    // The chosen step, on the screen only (pictures and sheets show the
    // runs without it): a black ring with a white edge, on a time axis with
    // a line across, so that it shows on every curve and in grey.
    if (Veraltet_ || Feld_.width() < 20 || MarkeKurve_ < 0 || MarkeKurve_ >= Kurven_.size() || MarkePunkt_ < 0 ||
        MarkePunkt_ >= Kurven_[MarkeKurve_].Punkte.size())
        return;
    const QPointF q = Kurven_[MarkeKurve_].Punkte[MarkePunkt_];
    if (!std::isfinite(q.x()) || !std::isfinite(q.y()) || (XFest_ && q.x() > XBis_)) return;
    const QPointF b = ZuBild(q);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(Feld_.adjusted(-6, -6, 6, 6));
    if (XFest_) {
        p.setPen(QPen(QColor(60, 60, 60), 1, Qt::DashDotLine));
        p.drawLine(QPointF(b.x(), Feld_.top()), QPointF(b.x(), Feld_.bottom()));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(b, 5.0, 5.0);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(b, 5.0, 5.0);
}

void KurvenDiagramm::malen(QPainter& p, QSize groesse) const {
    p.save();
    const QRectF ganz(QPointF(0, 0), groesse);
    const double gw = groesse.width(), gh = groesse.height();
    p.fillRect(ganz, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    // One sans font at a fixed pixel size: the same on the screen, in a
    // picture and on paper.
    const QFont schrift = widgets::PixelFont(widgets::SansFamily(), 12);
    p.setFont(schrift);
    const QFontMetrics fm(schrift);

    // The ranges: the curves' points (within the fixed x range), always with 0.
    double x1 = XFest_ ? XVon_ : 0.0, x2 = XFest_ ? XBis_ : 0.0, y1 = 0.0, y2 = 0.0;
    bool leer = true;
    for (const Kurve& k : Kurven_) {
        for (const QPointF& q : k.Punkte) {
            if (!std::isfinite(q.x()) || !std::isfinite(q.y())) break;
            if (XFest_ && (q.x() < XVon_ || q.x() > XBis_)) continue;
            const double x = std::clamp(q.x(), -Grenze, Grenze), y = std::clamp(q.y(), -Grenze, Grenze);
            if (!XFest_) {
                x1 = std::min(x1, x);
                x2 = std::max(x2, x);
            }
            y1 = std::min(y1, y);
            y2 = std::max(y2, y);
            leer = false;
        }
    }
    // A range too small to label apart (a standing locomotive's speed of a
    // few millionths) is widened around its middle: the ticks would all read
    // the same after rounding.
    if (!(x2 - x1 > MinSpanne)) {
        const double mitte = (x1 + x2) / 2;
        x1 = mitte - 1;
        x2 = mitte + 1;
    }
    if (!(y2 - y1 > MinSpanne)) {
        const double mitte = (y1 + y2) / 2;
        y1 = mitte - 1;
        y2 = mitte + 1;
    }
    const double rand = (y2 - y1) * 0.05;
    y1 -= rand;
    y2 += rand;

    const int links = fm.horizontalAdvance(QStringLiteral("−0000,0")) + 10;
    // Title, legend row, axis name above the field; ticks and axis name below.
    const QRectF feld(links, fm.height() * 3 + 6, gw - links - 12, gh - fm.height() * 5 - 14);
    YTexte_.clear();
    Feld_ = feld;
    Legende_ = QRectF();
    X1_ = x1;
    X2_ = x2;
    Y1_ = y1;
    Y2_ = y2;
    Gemalt_ = groesse;
    if (feld.width() < 20 || feld.height() < 20) {
        p.restore();
        return;
    }
    auto X = [&](double x) { return feld.left() + (std::clamp(x, -Grenze, Grenze) - x1) / (x2 - x1) * feld.width(); };
    auto Y = [&](double y) {
        return feld.bottom() - (std::clamp(y, -Grenze, Grenze) - y1) / (y2 - y1) * feld.height();
    };

    // Title, grid with labels, axis names.
    p.setPen(Qt::black);
    const QFont fett = widgets::PixelFont(widgets::SansFamily(), 12, true);
    p.setFont(fett);
    p.drawText(QRectF(0, 2, gw, fm.height() + 2), Qt::AlignHCenter, Titel_);
    p.setFont(schrift);
    const double dx = Teilung(x2 - x1, 5), dy = Teilung(y2 - y1, 4);
    p.setPen(QPen(QColor(215, 215, 215), 1, Qt::DotLine));
    for (double x = std::ceil(x1 / dx) * dx; x <= x2 + dx * 1e-6; x += dx) {
        p.setPen(QPen(QColor(215, 215, 215), 1, Qt::DotLine));
        p.drawLine(QPointF(X(x), feld.top()), QPointF(X(x), feld.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(X(x) - 40, feld.bottom() + 2, 80, fm.height()), Qt::AlignHCenter, Beschriftung(x, dx));
    }
    QString letzte;
    for (double y = std::ceil(y1 / dy) * dy; y <= y2 + dy * 1e-6; y += dy) {
        p.setPen(QPen(QColor(215, 215, 215), 1, Qt::DotLine));
        p.drawLine(QPointF(feld.left(), Y(y)), QPointF(feld.right(), Y(y)));
        p.setPen(Qt::black);
        // Never the same label twice on one axis.
        const QString text = Beschriftung(y, dy);
        if (text == letzte) continue;
        letzte = text;
        YTexte_ << text;
        p.drawText(QRectF(0, Y(y) - fm.height() / 2.0, links - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   text);
    }
    p.drawText(QRectF(feld.left(), feld.bottom() + fm.height() + 2, feld.width(), fm.height()), Qt::AlignHCenter,
               XAchse_);
    p.drawText(QRectF(feld.left() + 4, fm.height() * 2 + 4, feld.width(), fm.height()), Qt::AlignLeft, YAchse_);
    // The mark and standstill: dashed red zero lines.
    p.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
    if (y1 < 0 && y2 > 0) p.drawLine(QPointF(feld.left(), Y(0)), QPointF(feld.right(), Y(0)));
    if (x1 < 0 && x2 > 0) p.drawLine(QPointF(X(0), feld.top()), QPointF(X(0), feld.bottom()));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(feld);

    p.save();
    p.setClipRect(feld.adjusted(-1, -1, 1, 1));
    // The compared curves first, so the current ones lie on top.
    QVector<const Kurve*> reihe;
    for (const Kurve& k : Kurven_)
        if (k.Blass) reihe.append(&k);
    for (const Kurve& k : Kurven_)
        if (!k.Blass) reihe.append(&k);
    for (const Kurve* kp : reihe) {
        const Kurve& k = *kp;
        QPainterPath pfad;
        bool erster = true;
        for (const QPointF& q : k.Punkte) {
            if (!std::isfinite(q.x()) || !std::isfinite(q.y())) break;
            if (XFest_ && q.x() > XBis_) break;
            const QPointF b(X(q.x()), Y(q.y()));
            if (erster)
                pfad.moveTo(b);
            else
                pfad.lineTo(b);
            erster = false;
        }
        if (k.Blass) {
            QColor hell = k.Farbe;
            hell.setAlpha(110);
            p.setPen(QPen(hell, 1.4, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin));
        } else {
            p.setPen(QPen(k.Farbe, 1.8, k.Stil, Qt::FlatCap, Qt::RoundJoin));
        }
        p.drawPath(pfad);
    }
    p.restore();

    // The legend in its own row between title and field, right-aligned:
    // it never lies over a curve.
    if (!Kurven_.isEmpty() && !leer) {
        QVector<std::pair<QString, QPen>> eintraege;
        bool blass = false;
        for (const Kurve& k : Kurven_) {
            if (k.Blass) {
                blass = true;
                continue;
            }
            eintraege.append({k.Name, QPen(k.Farbe, 2.0, k.Stil, Qt::FlatCap)});
        }
        if (blass) eintraege.append({tr("Vergleich"), QPen(QColor(120, 120, 120), 1.4, Qt::DashLine, Qt::FlatCap)});
        double breite = 0;
        for (const auto& e : eintraege) breite += 32 + fm.horizontalAdvance(e.first) + 10;
        double x = std::max(2.0, gw - 8 - breite);
        const double y = fm.height() * 1.5 + 3;
        Legende_ = QRectF(x, y - fm.height() / 2.0, breite, fm.height());
        for (const auto& [name, stift] : eintraege) {
            p.setPen(stift);
            p.drawLine(QPointF(x, y), QPointF(x + 28, y));
            p.setPen(Qt::black);
            p.drawText(QRectF(x + 32, y - fm.height() / 2.0, fm.horizontalAdvance(name) + 4, fm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, name);
            x += 32 + fm.horizontalAdvance(name) + 10;
        }
    }
    if (Veraltet_) {
        p.fillRect(ganz, QColor(255, 255, 255, 150));
        p.setPen(Qt::black);
        p.setFont(fett);
        p.drawText(ganz, Qt::AlignCenter, tr("wird berechnet …"));
    }
    p.restore();
}

}  // namespace labor
