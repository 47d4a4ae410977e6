#include "werkstatt/ansichten/PainterPlot.h"

#include "werkstatt/ansichten/Farbskala.h"
#include "widgets/Fonts.h"
#include "widgets/Ks.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

namespace ansichten {

using widgets::ToQColor;

void MaleTermdiagramm(QPainter& p, QSize groesse, const fuzzy::TFuzzy& v, const QString& titel) {
    const QRect ganz(QPoint(0, 0), groesse);
    p.fillRect(ganz, Qt::white);
    QRect bereich = ganz;
    p.save();
    if (!titel.isEmpty()) {
        // A picture on its own says what it shows: the role, the variable
        // with its unit (part of the name) and the range.
        const QFont kopf = widgets::PixelFont(widgets::SansFamily(), 14, true);
        p.setFont(kopf);
        p.setPen(Qt::black);
        const int h = QFontMetrics(kopf).height() + 6;
        QString text = v.Defined ? QStringLiteral("%1: %2").arg(titel, QString::fromStdString(v.Name)) : titel;
        text = QFontMetrics(kopf).elidedText(text, Qt::ElideRight, std::max(10, groesse.width() - 16));
        p.drawText(QRect(8, 2, groesse.width() - 16, h), Qt::AlignLeft | Qt::AlignVCenter, text);
        bereich.setTop(h + 2);
    }
    fuzzy::TFuzzy farbig = v;
    DruckFarben(farbig);
    p.setFont(widgets::PixelFont(widgets::SansFamily(), 12, false));
    {
        PainterPlot plot(p, bereich);
        plot.setLinienbreite(2.0);
        farbig.DrawTerms(plot);
    }
    p.restore();
}

bool Beschneiden(QLineF& linie, const QRectF& r) {
    // Liang-Barsky: the part of the segment p1 + t (p2 - p1), 0 <= t <= 1,
    // that lies inside r.
    const double dx = linie.dx(), dy = linie.dy();
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {linie.x1() - r.left(), r.right() - linie.x1(), linie.y1() - r.top(), r.bottom() - linie.y1()};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF a = linie.p1();
    linie = QLineF(a + QPointF(dx, dy) * t0, a + QPointF(dx, dy) * t1);
    return true;
}

PainterPlot::PainterPlot(QPainter& painter, const QRect& bereich) : p_(painter), bereich_(bereich) {
    p_.save();
    p_.setClipRect(bereich_, Qt::IntersectClip);
    UpdateScale();
}

PainterPlot::~PainterPlot() { p_.restore(); }

void PainterPlot::setX1(float v) {
    x1_ = v;
    UpdateScale();
}

void PainterPlot::setX2(float v) {
    x2_ = v;
    UpdateScale();
}

void PainterPlot::setY1(float v) {
    y1_ = v;
    UpdateScale();
}

void PainterPlot::setY2(float v) {
    y2_ = v;
    UpdateScale();
}

void PainterPlot::setGraphFarbe(fuzzy::TColor c) {
    graphFarbe_ = ToQColor(c);
    // The engine sets the colour once per term, in term order, after the
    // axes: the count is the term's number and chooses its dash pattern.
    ++termNr_;
}

fuzzy::TColor PainterPlot::KSFarbe() const { return widgets::ToTColor(ksFarbe_); }

void PainterPlot::Setx(float x) {
    x_ = x;
    xint_ = FracToPixelX(NormX(x));
}

void PainterPlot::Refresh() { p_.fillRect(bereich_, hintergrund_); }

void PainterPlot::UpdateScale() {
    plotWidth_ = widgets::plotscale::PlotWidth(bereich_.width());
    plotHeight_ = widgets::plotscale::PlotHeight(bereich_.height());
    spanX_ = widgets::plotscale::OrderedSpan(x1_, x2_);
    spanY_ = widgets::plotscale::OrderedSpan(y1_, y2_);
    xint_ = FracToPixelX(NormX(x_));
}

float PainterPlot::NormX(float x) const { return widgets::plotscale::Norm(x, x1_, spanX_); }

float PainterPlot::NormY(float y) const { return widgets::plotscale::Norm(y, y1_, spanY_); }

int PainterPlot::FracToPixelX(float f) const { return widgets::plotscale::FracToPixelX(f, plotWidth_); }

int PainterPlot::FracToPixelY(float f) const {
    return widgets::plotscale::FracToPixelY(f, plotHeight_, bereich_.height());
}

QPoint PainterPlot::Punkt(float x, float y) const {
    return bereich_.topLeft() + QPoint(FracToPixelX(NormX(x)), FracToPixelY(NormY(y)));
}

QRect PainterPlot::Plotflaeche() const {
    const QPoint lo = bereich_.topLeft() + QPoint(FracToPixelX(0.0f), FracToPixelY(1.0f));
    const QPoint hi = bereich_.topLeft() + QPoint(FracToPixelX(1.0f), FracToPixelY(0.0f));
    return QRect(lo, hi);
}

void PainterPlot::Linie(QPoint von, QPoint bis, const QColor& farbe, Qt::PenStyle stil, double breite) {
    QPen pen(farbe);
    pen.setWidthF(breite);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (stil == Qt::DotLine)
        pen.setDashPattern({1.0, 2.0});
    else
        pen.setStyle(stil);
    p_.setPen(pen);
    p_.drawLine(von + bereich_.topLeft(), bis + bereich_.topLeft());
}

void PainterPlot::DrawAxes() {
    const QFontMetrics fm(p_.font());
    const int rowBottom = FracToPixelY(0.0f);
    const int rowTop = FracToPixelY(1.0f);
    const int colLeft = FracToPixelX(0.0f);
    const int colRight = FracToPixelX(1.0f);
    termNr_ = 0;
    labels_.clear();
    // Round ticks (1, 2, 5 times a power of ten), as many as there is room
    // for; the labels beside the plot area where no term line runs.
    const double xEnde = double(x1_) + spanX_, yEnde = double(y1_) + spanY_;
    const int xAnzahl = std::max(2, (colRight - colLeft) / 80);
    const int yAnzahl = std::max(1, (rowBottom - rowTop) / 35);
    p_.setPen(ksFarbe_);
    QRect letztes;
    for (double v : AchsenTeilung(x1_, xEnde, xAnzahl)) {
        const int column = FracToPixelX(NormX(static_cast<float>(v)));
        Linie(QPoint(column, rowBottom), QPoint(column, rowTop), ksFarbe_, Qt::DotLine, 1.0);
        const QString t = AchsenZahl(v);
        const int w = fm.horizontalAdvance(t);
        // Below the half line the y label "0" takes beside the corner.
        QRect r(column - w / 2, rowBottom + fm.height() / 2 + 1, w, fm.height());
        // Inside the area, and never over the label before.
        r.moveLeft(std::clamp(r.left(), 1, std::max(1, bereich_.width() - w - 2)));
        if (!letztes.isNull() && r.left() < letztes.right() + 8) continue;
        p_.setPen(schriftFarbe());
        p_.drawText(r.translated(bereich_.topLeft()), Qt::AlignCenter, t);
        labels_.push_back(r);
        letztes = r;
    }
    letztes = QRect();
    for (double v : AchsenTeilung(y1_, yEnde, yAnzahl)) {
        const int row = FracToPixelY(NormY(static_cast<float>(v)));
        Linie(QPoint(colLeft, row), QPoint(colRight, row), ksFarbe_, Qt::DotLine, 1.0);
        const QString t = AchsenZahl(v);
        const int w = fm.horizontalAdvance(t);
        const QRect r(std::max(0, colLeft - 5 - w), row - fm.height() / 2, w, fm.height());
        if (!letztes.isNull() && r.intersects(letztes.adjusted(0, -2, 0, 2))) continue;
        p_.setPen(schriftFarbe());
        p_.drawText(r.translated(bereich_.topLeft()), Qt::AlignCenter, t);
        labels_.push_back(r);
        letztes = r;
    }
    schriftFarbe_ = ksFarbe_;
}

void PainterPlot::MoveToWorld(float x, float y) {
    xint_ = FracToPixelX(NormX(x));
    stift_ = QPoint(xint_, FracToPixelY(NormY(y)));
}

void PainterPlot::LineToWorld(float x, float y) {
    xint_ = FracToPixelX(NormX(x));
    const QPoint bis(xint_, FracToPixelY(NormY(y)));
    // Term lines stay within the columns of the plot area: corners far
    // outside the range would otherwise run over the labels. Cut by hand, as
    // not every paint device (SVG) keeps a clip.
    const QRect f = Plotflaeche().translated(-bereich_.topLeft());
    const QRectF rahmen(f.left(), 0, f.width(), bereich_.height());
    QLineF linie(stift_, bis);
    if (bis != stift_ && Beschneiden(linie, rahmen))
        Linie(linie.p1().toPoint(), linie.p2().toPoint(), graphFarbe_, TermStil(termNr_), linienbreite_);
    stift_ = bis;
}

void PainterPlot::SetFontColour(fuzzy::TColor c) { schriftFarbe_ = ToQColor(c); }

void PainterPlot::TextOut(int column, int row, const std::string& text) {
    if (text.empty()) return;
    const QFontMetrics fm(p_.font());
    const QString t = QString::fromStdString(text);
    const int w = fm.horizontalAdvance(t);
    // Term labels of neighbouring terms would run together ("NKNUPK"): a
    // label that meets one already written moves a line down, and every
    // label stays inside the area.
    QRect r(std::clamp(column, 1, std::max(1, bereich_.width() - w - 2)), row, w, fm.height());
    for (int versuch = 0; versuch < 4; ++versuch) {
        bool frei = true;
        for (const QRect& q : labels_)
            if (r.adjusted(-3, 0, 3, 0).intersects(q)) frei = false;
        if (frei) break;
        r.translate(0, fm.height());
    }
    labels_.push_back(r);
    // The term's colour, a little darker: light hues read poorly as text.
    p_.setPen(schriftFarbe_.darker(125));
    p_.drawText(bereich_.topLeft() + QPoint(r.left(), r.top() + fm.ascent()), t);
}

}  // namespace ansichten
