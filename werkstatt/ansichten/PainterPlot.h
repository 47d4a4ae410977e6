#pragma once

#include "fuzzy/FuzUnits.h"
#include "fuzzy/Plot.h"
#include "widgets/PlotScale.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QLineF;
class QPainter;
class QRectF;

namespace ansichten {

// A plot for the engine's drawing (TFuzzy::DrawTerms) that paints into any
// QPainter: the screen, a PNG image or an SVG file alike. It maps the world
// rectangle onto the given area exactly as the plot component does (margins
// of 30 pixels, 20 more at the left for the y labels, nearest pixel with a
// half to the even neighbour) and draws the same dotted grid with labels at
// the ends of each axis; pixel positions are relative to the area's corner.
//
// Term lines (LineToWorld) are cut off at the left and right edges of the
// plot area, so that corners far outside the range do not run over the
// labels. Unlike the component it keeps no canvas: Refresh fills the area with the
// background colour, everything else is painted at once. Pen mode xor has no
// meaning on a vector device and is drawn as copy.
class PainterPlot : public fuzzy::IPlot {
public:
    static constexpr int MarginX = widgets::plotscale::MarginX;
    static constexpr int MarginY = widgets::plotscale::MarginY;
    static constexpr int LabelWidth = widgets::plotscale::LabelWidth;

    // The painter must outlive the plot; its font is the plot's font. While
    // the plot lives, the painter draws only inside the area, as a component
    // shows nothing beyond its own edges.
    PainterPlot(QPainter& painter, const QRect& bereich);
    ~PainterPlot() override;
    PainterPlot(const PainterPlot&) = delete;
    PainterPlot& operator=(const PainterPlot&) = delete;

    float x1() const override { return x1_; }
    float x2() const override { return x2_; }
    float y1() const override { return y1_; }
    float y2() const override { return y2_; }
    void setX1(float v) override;
    void setX2(float v) override;
    void setY1(float v) override;
    void setY2(float v) override;

    void setStiftart(fuzzy::PenMode) override {}
    void setGraphFarbe(fuzzy::TColor c) override;
    fuzzy::TColor KSFarbe() const override;
    void setKSFarbe(const QColor& c) { ksFarbe_ = c; }
    void setHintergrund(const QColor& c) { hintergrund_ = c; }
    // Width of the term lines (the grid stays one pixel).
    void setLinienbreite(double w) { linienbreite_ = w; }

    void Setx(float x) override;
    int xint() const override { return xint_; }

    void Refresh() override;
    void UpdateScale() override;
    void DrawAxes() override;
    void MoveToWorld(float x, float y) override;
    void LineToWorld(float x, float y) override;
    void SetFontColour(fuzzy::TColor c) override;
    void TextOut(int column, int row, const std::string& text) override;

    // The conversions, relative to the area's corner as the engine sees them.
    int FracToPixelX(float f) const;
    int FracToPixelY(float f) const;
    float NormX(float x) const;
    float NormY(float y) const;
    // A world point in the painter's coordinates.
    QPoint Punkt(float x, float y) const;
    // The plot area (fraction 0..1 on both axes) in the painter's coordinates.
    QRect Plotflaeche() const;
    const QRect& Bereich() const { return bereich_; }
    // The rectangles of the labels written so far (axes and terms), relative
    // to the area: the tests check that none overlaps another.
    const std::vector<QRect>& Beschriftungen() const { return labels_; }

private:
    void Linie(QPoint von, QPoint bis, const QColor& farbe, Qt::PenStyle stil, double breite);
    // Axis labels a little darker than the grid, so that they read in print.
    QColor schriftFarbe() const { return ksFarbe_.darker(160); }

    QPainter& p_;
    QRect bereich_;
    float x1_ = -10.0f, x2_ = 10.0f, y1_ = -10.0f, y2_ = 10.0f;
    float spanX_ = 20.0f, spanY_ = 20.0f;
    int plotWidth_ = 0, plotHeight_ = 0;
    float x_ = 0.0f;
    int xint_ = 0;
    QPoint stift_;
    QColor graphFarbe_{Qt::black};
    QColor ksFarbe_{128, 128, 128};
    QColor schriftFarbe_{Qt::black};
    QColor hintergrund_{Qt::white};
    double linienbreite_ = 1.0;
    int termNr_ = 0;
    std::vector<QRect> labels_;  // every label written, relative to the area
};

// The term diagram of a variable as the views draw it (white ground, the
// print-safe term colours with their dash patterns, lines two pixels wide,
// 12-pixel sans labels) over the whole of groesse: for the screen, or a
// picture through SpeichereAnsicht. With a title ("Eingang A"), a heading
// names it and the variable. An undefined variable leaves the ground empty.
void MaleTermdiagramm(QPainter& p, QSize groesse, const fuzzy::TFuzzy& v, const QString& titel = QString());

// Cuts a line down to the part inside r; false when nothing is left.
bool Beschneiden(QLineF& linie, const QRectF& r);

}  // namespace ansichten
