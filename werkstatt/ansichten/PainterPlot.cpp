#include "PainterPlot.h"

#include "Fonts.h"
#include "Ks.h"
#include "Zahlformat.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

namespace ansichten {

using widgets::ToQColor;

void MaleTermdiagramm(QPainter& p, QSize groesse, const fuzzy::TFuzzy& v) {
    const QRect bereich(QPoint(0, 0), groesse);
    p.fillRect(bereich, Qt::white);
    fuzzy::TFuzzy farbig = v;
    farbig.InitColours();
    p.save();
    p.setFont(widgets::PixelFont(widgets::SerifFamily(), 12, false));
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

void PainterPlot::setGraphFarbe(fuzzy::TColor c) { graphFarbe_ = ToQColor(c); }

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
    const int n = 4;
    const QFontMetrics fm(p_.font());
    const int rowBottom = FracToPixelY(0.0f);
    const int rowTop = FracToPixelY(1.0f);
    const int colLeft = FracToPixelX(0.0f);
    const int colRight = FracToPixelX(1.0f);
    for (int i = 0; i <= n; ++i) {
        const float f = static_cast<float>(double(i) / n);
        const int column = FracToPixelX(f);
        Linie(QPoint(column, rowBottom), QPoint(column, rowTop), ksFarbe_, Qt::DotLine, 1.0);
        const int row = FracToPixelY(f);
        Linie(QPoint(colLeft, row), QPoint(colRight, row), ksFarbe_, Qt::DotLine, 1.0);
    }
    p_.setPen(ksFarbe_);
    // Labels at the first and the last grid line of each axis, two decimals
    // in the workshop's number style.
    for (int i : {0, n}) {
        const float xv = static_cast<float>(double(i) * spanX_ / n + x1_);
        const QString xt = zahl::Fest(xv, 2);
        const int column = FracToPixelX(static_cast<float>(double(i) / n));
        p_.drawText(
            bereich_.topLeft() + QPoint(column - fm.horizontalAdvance(xt) / 2, rowBottom + MarginY / 3 + fm.ascent()),
            xt);
        const float yv = static_cast<float>(double(i) * spanY_ / n + y1_);
        const QString yt = zahl::Fest(yv, 2);
        const int row = FracToPixelY(static_cast<float>(double(i) / n));
        p_.drawText(bereich_.topLeft() + QPoint(2, row - fm.height() / 2 + fm.ascent()), yt);
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
        Linie(linie.p1().toPoint(), linie.p2().toPoint(), graphFarbe_, Qt::SolidLine, linienbreite_);
    stift_ = bis;
}

void PainterPlot::SetFontColour(fuzzy::TColor c) { schriftFarbe_ = ToQColor(c); }

void PainterPlot::TextOut(int column, int row, const std::string& text) {
    if (text.empty()) return;
    const QFontMetrics fm(p_.font());
    p_.setPen(schriftFarbe_);
    p_.drawText(bereich_.topLeft() + QPoint(column, row + fm.ascent()), QString::fromStdString(text));
}

}  // namespace ansichten
