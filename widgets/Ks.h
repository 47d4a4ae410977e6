#pragma once

#include "fuzzy/Colour.h"
#include "fuzzy/Plot.h"
#include "widgets/PlotScale.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class TKoordinatensystem;

namespace widgets {
inline QColor ToQColor(fuzzy::TColor c) { return QColor(c.r, c.g, c.b); }
inline fuzzy::TColor ToTColor(const QColor& c) {
    return fuzzy::TColor{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                         static_cast<std::uint8_t>(c.blue())};
}
}  // namespace widgets

// The drawing surface of a plot component: a pen (colour, width, style, mode),
// a pen position, the component's font with a font colour, and text output,
// all on the component's own image. Lines never use antialiasing, so a stroke
// in exclusive-or mode drawn a second time restores the pixels exactly.
// Lines exclude their end point, so the joints of a polyline are hit once.
class TCanvas {
public:
    explicit TCanvas(TKoordinatensystem& owner) : owner_(owner) {}

    QColor penColor() const { return penColor_; }
    void setPenColor(const QColor& c) { penColor_ = c; }
    int penWidth() const { return penWidth_; }
    void setPenWidth(int w) { penWidth_ = w < 1 ? 1 : w; }
    Qt::PenStyle penStyle() const { return penStyle_; }
    void setPenStyle(Qt::PenStyle s) { penStyle_ = s; }
    fuzzy::PenMode penMode() const { return penMode_; }
    void setPenMode(fuzzy::PenMode m) { penMode_ = m; }
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& c) { fontColor_ = c; }
    // The canvas font is the component's font.
    QFont font() const;
    void setFont(const QFont& f);

    QPoint penPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
    // Draws from the pen position to (x, y) and leaves the pen there.
    void LineTo(int x, int y);
    // Text in the font colour with its top-left corner at (x, y), on a
    // transparent background, always combined as copy.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

private:
    TKoordinatensystem& owner_;
    QColor penColor_{Qt::black};
    int penWidth_ = 1;
    Qt::PenStyle penStyle_ = Qt::SolidLine;
    fuzzy::PenMode penMode_ = fuzzy::PenMode::Copy;
    QColor fontColor_{Qt::black};
    QPoint penPos_;
};

// Plot component: maps a world rectangle x1..x2 / y1..y2 onto a plot area of
// its own canvas (margins 30, 20 more at the left for the y labels), draws a
// dotted grid with labels and polylines in world coordinates.
//
// The canvas is a QImage of the component's size that holds what lies beneath
// the component (the parent's background colour, or an image given with
// SetBackground); paintEvent only copies it. Refresh() repaints it with that
// background. The canvas is also cleared whenever the component is shown after
// being hidden and whenever its size changes: drawing made before a window is
// shown is not kept, the owner draws in its activation handler.
//
// The world point properties are called x and y in the plot's own terms; as
// QWidget already has x() and y() (the position), they are read with GetX()
// and GetY() and written with Setx() and Sety(); as properties they are named
// wx and wy.
//
// Degenerate settings never divide by zero: a span of 0 maps every world value
// to fraction 0 (the lower or left edge of the plot area), a plot area of zero
// width or height maps every pixel to fraction 0, and a Rasteranzahl of 0
// draws the single grid line i = 0 = N, at fraction 0, on each axis. Pixel
// positions are not clamped to the component, only to +-1000000 to stay
// within integer range.
class TKoordinatensystem : public QWidget, public fuzzy::IPlot {
    Q_OBJECT
    Q_PROPERTY(TSkala Skalenart READ Skalenart WRITE setSkalenart)
    Q_PROPERTY(QColor GraphFarbe READ graphFarbe WRITE setGraphFarbe)
    Q_PROPERTY(QColor KSFarbe READ ksFarbe WRITE setKSFarbe)
    Q_PROPERTY(float x1 READ x1 WRITE setX1)
    Q_PROPERTY(float x2 READ x2 WRITE setX2)
    Q_PROPERTY(float y1 READ y1 WRITE setY1)
    Q_PROPERTY(float y2 READ y2 WRITE setY2)
    Q_PROPERTY(float wx READ GetX WRITE Setx)
    Q_PROPERTY(float wy READ GetY WRITE Sety)
    Q_PROPERTY(TStiftart Stiftart READ stiftart WRITE setStiftart)
    Q_PROPERTY(int Rasteranzahl READ Rasteranzahl WRITE setRasteranzahl)
    Q_PROPERTY(int xint READ xint WRITE setXint)
    Q_PROPERTY(int yint READ yint WRITE setYint)

public:
    enum TSkala { ganz, teilweise, keine };
    Q_ENUM(TSkala)
    // Pen modes as a .ui file names them; the same as fuzzy::PenMode.
    enum TStiftart { pmCopy, pmXor };
    Q_ENUM(TStiftart)

    static constexpr int MarginX = widgets::plotscale::MarginX;
    static constexpr int MarginY = widgets::plotscale::MarginY;
    static constexpr int LabelWidth = widgets::plotscale::LabelWidth;
    // Grid lines drawn at most per axis; more would only fill the plot area.
    static constexpr int MaxGridLines = 10000;

    explicit TKoordinatensystem(QWidget* parent = nullptr);
    ~TKoordinatensystem() override;

    // The text of a grid label; empty: "%7.2f" as the vehicle programs show
    // it. A program with its own number style sets it before drawing.
    std::function<QString(double)> Beschriftung;

    // --- properties -------------------------------------------------------
    TSkala Skalenart() const { return skalenart_; }
    void setSkalenart(TSkala s) { skalenart_ = s; }
    QColor graphFarbe() const { return graphFarbe_; }
    void setGraphFarbe(const QColor& c) { graphFarbe_ = c; }
    void setGraphFarbe(fuzzy::TColor c) override { graphFarbe_ = widgets::ToQColor(c); }
    QColor ksFarbe() const { return ksFarbe_; }
    void setKSFarbe(const QColor& c) { ksFarbe_ = c; }
    fuzzy::TColor KSFarbe() const override { return widgets::ToTColor(ksFarbe_); }

    float x1() const override { return x1_; }
    float x2() const override { return x2_; }
    float y1() const override { return y1_; }
    float y2() const override { return y2_; }
    void setX1(float v) override;
    void setX2(float v) override;
    void setY1(float v) override;
    void setY2(float v) override;

    float GetX() const { return x_; }
    float GetY() const { return y_; }
    void Setx(float v) override;
    void Sety(float v);

    TStiftart stiftart() const { return stiftart_ == fuzzy::PenMode::Xor ? pmXor : pmCopy; }
    fuzzy::PenMode penMode() const { return stiftart_; }
    void setStiftart(TStiftart m) { stiftart_ = m == pmXor ? fuzzy::PenMode::Xor : fuzzy::PenMode::Copy; }
    void setStiftart(fuzzy::PenMode m) override { stiftart_ = m; }

    int Rasteranzahl() const { return rasteranzahl_; }
    // Stores, then UpdateScale and DrawAxes.
    void setRasteranzahl(int n);

    int xint() const override { return xint_; }
    int yint() const { return yint_; }
    // Sets x from the pixel column; xint keeps its value.
    void setXint(int column);
    // Sets y from the pixel row; yint keeps its value.
    void setYint(int row);

    // --- layout fields ----------------------------------------------------
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    float SpanX() const { return spanX_; }
    float SpanY() const { return spanY_; }

    // --- conversions ------------------------------------------------------
    float NormX(float x) const;
    float NormY(float y) const;
    int FracToPixelX(float f) const;
    int FracToPixelY(float f) const;
    float PixelToFracX(int column) const;
    float PixelToFracY(int row) const;
    float FracToWorldX(float f) const;
    float FracToWorldY(float f) const;

    // --- drawing ----------------------------------------------------------
    void UpdateScale() override;
    void DrawAxes() override;
    void MoveToWorld(float x, float y) override;
    void LineToWorld(float x, float y) override;
    void Refresh() override;
    void SetFontColour(fuzzy::TColor c) override;
    void TextOut(int column, int row, const std::string& text) override;

    TCanvas& Canvas() { return canvas_; }
    const TCanvas& Canvas() const { return canvas_; }
    // The canvas as it is now (the component's size).
    const QImage& Image() const;

    // What lies beneath the component: a picture, scaled to the component's
    // size, instead of the parent's background colour. Repaints the canvas.
    void SetBackground(const QImage& picture);
    // Back to the parent's background colour. Repaints the canvas.
    void ClearBackground();
    QColor BackgroundColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class TCanvas;
    // The image at the component's current size; re-created with the
    // background when the size has changed. Null for an empty component.
    QImage* EnsureCanvas() const;
    void FillBackground() const;
    void DrawLine(QPoint from, QPoint to, const QColor& colour, int width, Qt::PenStyle style, fuzzy::PenMode mode);
    void DrawText(int x, int y, const QString& text, const QColor& colour);

    TCanvas canvas_;
    // Kept at the component's size whenever it is used, also by readers.
    mutable QImage image_;
    QImage background_;

    TSkala skalenart_ = teilweise;
    QColor graphFarbe_{0, 0, 0};
    QColor ksFarbe_{255, 0, 0};
    float x1_ = -10.0f, x2_ = 10.0f, y1_ = -10.0f, y2_ = 10.0f;
    float x_ = 0.0f, y_ = 0.0f;
    fuzzy::PenMode stiftart_ = fuzzy::PenMode::Copy;
    int rasteranzahl_ = 4;
    int xint_ = 0, yint_ = 0;

    int plotWidth_ = 0, plotHeight_ = 0;
    float spanX_ = 20.0f, spanY_ = 20.0f;
};
