#include "widgets/Ks.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

// --- TCanvas ----------------------------------------------------------------

QFont TCanvas::font() const { return owner_.font(); }

void TCanvas::setFont(const QFont& f) { owner_.setFont(f); }

void TCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    owner_.DrawLine(penPos_, to, penColor_, penWidth_, penStyle_, penMode_);
    penPos_ = to;
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    owner_.DrawText(x, y, text, fontColor_);
    penPos_ = QPoint(x + TextWidth(text), y);
}

int TCanvas::TextWidth(const QString& text) const { return QFontMetrics(font()).horizontalAdvance(text); }

int TCanvas::TextHeight(const QString& text) const {
    Q_UNUSED(text);
    return QFontMetrics(font()).height();
}

// --- TKoordinatensystem -----------------------------------------------------

TKoordinatensystem::TKoordinatensystem(QWidget* parent) : QWidget(parent), canvas_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
    canvas_.setPenColor(graphFarbe_);
    UpdateScale();
}

TKoordinatensystem::~TKoordinatensystem() = default;

void TKoordinatensystem::setX1(float v) {
    x1_ = v;
    UpdateScale();
}

void TKoordinatensystem::setX2(float v) {
    x2_ = v;
    UpdateScale();
}

void TKoordinatensystem::setY1(float v) {
    y1_ = v;
    UpdateScale();
}

void TKoordinatensystem::setY2(float v) {
    y2_ = v;
    UpdateScale();
}

void TKoordinatensystem::Setx(float v) {
    x_ = v;
    xint_ = FracToPixelX(NormX(v));
}

void TKoordinatensystem::Sety(float v) {
    y_ = v;
    yint_ = FracToPixelY(NormY(v));
}

void TKoordinatensystem::setRasteranzahl(int n) {
    rasteranzahl_ = n;
    UpdateScale();
    DrawAxes();
}

void TKoordinatensystem::setXint(int column) { x_ = FracToWorldX(PixelToFracX(column)); }

void TKoordinatensystem::setYint(int row) { y_ = FracToWorldY(PixelToFracY(row)); }

float TKoordinatensystem::NormX(float x) const { return widgets::plotscale::Norm(x, x1_, spanX_); }

float TKoordinatensystem::NormY(float y) const { return widgets::plotscale::Norm(y, y1_, spanY_); }

int TKoordinatensystem::FracToPixelX(float f) const { return widgets::plotscale::FracToPixelX(f, plotWidth_); }

int TKoordinatensystem::FracToPixelY(float f) const {
    return widgets::plotscale::FracToPixelY(f, plotHeight_, height());
}

float TKoordinatensystem::PixelToFracX(int column) const {
    if (plotWidth_ == 0) return 0.0f;
    return static_cast<float>((static_cast<double>(column) - MarginX - LabelWidth) / plotWidth_);
}

float TKoordinatensystem::PixelToFracY(int row) const {
    if (plotHeight_ == 0) return 0.0f;
    return static_cast<float>((static_cast<double>(height()) - row - MarginY) / plotHeight_);
}

float TKoordinatensystem::FracToWorldX(float f) const {
    return static_cast<float>(static_cast<double>(f) * spanX_ + x1_);
}

float TKoordinatensystem::FracToWorldY(float f) const {
    return static_cast<float>(static_cast<double>(f) * spanY_ + y1_);
}

void TKoordinatensystem::UpdateScale() {
    plotWidth_ = widgets::plotscale::PlotWidth(width());
    plotHeight_ = widgets::plotscale::PlotHeight(height());
    spanX_ = widgets::plotscale::OrderedSpan(x1_, x2_);
    spanY_ = widgets::plotscale::OrderedSpan(y1_, y2_);
    xint_ = FracToPixelX(NormX(x_));
    yint_ = FracToPixelY(NormY(y_));
}

void TKoordinatensystem::DrawAxes() {
    canvas_.setPenColor(ksFarbe_);
    canvas_.setPenStyle(Qt::DotLine);
    canvas_.setFontColor(ksFarbe_);
    canvas_.setPenMode(fuzzy::PenMode::Copy);

    if (rasteranzahl_ >= 0) {
        const int n = std::min(rasteranzahl_, MaxGridLines);
        // With no grid step (n = 0) the only line, i = 0 = n, lies at fraction 0.
        auto frac = [n](int i) { return n == 0 ? 0.0f : static_cast<float>(static_cast<double>(i) / n); };
        auto value = [n](int i, float span, float low) {
            if (n == 0) return low;
            return static_cast<float>(static_cast<double>(i) * span / n + low);
        };
        auto labelled = [this, n](int i) { return skalenart_ != keine && (skalenart_ == ganz || i == 0 || i == n); };

        const int rowBottom = FracToPixelY(0.0f);
        const int rowTop = FracToPixelY(1.0f);
        for (int i = 0; i <= n; ++i) {
            const int column = FracToPixelX(frac(i));
            canvas_.MoveTo(column, rowBottom);
            canvas_.LineTo(column, rowTop);
            if (labelled(i)) {
                const QString text = Beschriftung
                                         ? Beschriftung(static_cast<double>(value(i, spanX_, x1_)))
                                         : QString::asprintf("%7.2f", static_cast<double>(value(i, spanX_, x1_)));
                const int w = canvas_.TextWidth(text);
                canvas_.TextOut(column - w / 2, rowBottom + MarginY / 3, text);
            }
        }

        const int colLeft = FracToPixelX(0.0f);
        const int colRight = FracToPixelX(1.0f);
        for (int i = 0; i <= n; ++i) {
            const int row = FracToPixelY(frac(i));
            canvas_.MoveTo(colLeft, row);
            canvas_.LineTo(colRight, row);
            if (labelled(i)) {
                const QString text = Beschriftung
                                         ? Beschriftung(static_cast<double>(value(i, spanY_, y1_)))
                                         : QString::asprintf("%7.2f", static_cast<double>(value(i, spanY_, y1_)));
                const int h = canvas_.TextHeight(text);
                canvas_.TextOut(2, row - h / 2, text);
            }
        }
    }

    canvas_.setPenColor(graphFarbe_);
    canvas_.setPenMode(stiftart_);
    canvas_.setPenStyle(Qt::SolidLine);
}

void TKoordinatensystem::MoveToWorld(float x, float y) {
    xint_ = FracToPixelX(NormX(x));
    yint_ = FracToPixelY(NormY(y));
    canvas_.MoveTo(xint_, yint_);
}

void TKoordinatensystem::LineToWorld(float x, float y) {
    canvas_.setPenColor(graphFarbe_);
    canvas_.setPenStyle(Qt::SolidLine);
    canvas_.setPenMode(stiftart_);
    xint_ = FracToPixelX(NormX(x));
    yint_ = FracToPixelY(NormY(y));
    canvas_.LineTo(xint_, yint_);
}

void TKoordinatensystem::Refresh() {
    if (EnsureCanvas()) FillBackground();
    update();
}

void TKoordinatensystem::SetFontColour(fuzzy::TColor c) { canvas_.setFontColor(widgets::ToQColor(c)); }

void TKoordinatensystem::TextOut(int column, int row, const std::string& text) {
    canvas_.TextOut(column, row, QString::fromStdString(text));
}

const QImage& TKoordinatensystem::Image() const {
    EnsureCanvas();
    return image_;
}

void TKoordinatensystem::SetBackground(const QImage& picture) {
    background_ = picture;
    Refresh();
}

void TKoordinatensystem::ClearBackground() {
    background_ = QImage();
    Refresh();
}

QColor TKoordinatensystem::BackgroundColour() const {
    if (const QWidget* p = parentWidget()) return p->palette().color(p->backgroundRole());
    return palette().color(QPalette::Window);
}

QImage* TKoordinatensystem::EnsureCanvas() const {
    if (width() <= 0 || height() <= 0) {
        image_ = QImage();
        return nullptr;
    }
    if (image_.size() != size()) {
        image_ = QImage(size(), QImage::Format_RGB32);
        FillBackground();
    }
    return &image_;
}

void TKoordinatensystem::FillBackground() const {
    if (image_.isNull()) return;
    if (background_.isNull()) {
        image_.fill(BackgroundColour());
        return;
    }
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (background_.size() == image_.size())
        p.drawImage(0, 0, background_);
    else
        p.drawImage(0, 0, background_.scaled(image_.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void TKoordinatensystem::DrawLine(QPoint from, QPoint to, const QColor& colour, int width, Qt::PenStyle style,
                                  fuzzy::PenMode mode) {
    QImage* img = EnsureCanvas();
    if (!img) return;
    // A line ends before its end point, so a line of no length draws nothing.
    if (from == to) return;
    QPainter p(img);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (mode == fuzzy::PenMode::Xor) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(colour);
    if (width <= 1) {
        pen.setWidth(1);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        if (style == Qt::DotLine)
            pen.setDashPattern({1.0, 1.0});
        else
            pen.setStyle(style);
    } else {
        // Broad pens draw solid whatever the style, like a broad brush.
        pen.setWidth(width);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
    }
    p.setPen(pen);
    p.drawLine(from, to);
    p.end();
    update();
}

void TKoordinatensystem::DrawText(int x, int y, const QString& text, const QColor& colour) {
    QImage* img = EnsureCanvas();
    if (!img || text.isEmpty()) return;
    // Plain, unsmoothed glyphs: the text has exactly the font colour, like
    // the lines beside it.
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias);
    QPainter p(img);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(x, y + QFontMetrics(f).ascent(), text);
    p.end();
    update();
}

void TKoordinatensystem::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (EnsureCanvas())
        p.drawImage(event->rect(), image_, event->rect());
    else
        p.fillRect(event->rect(), BackgroundColour());
}

void TKoordinatensystem::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    EnsureCanvas();
}

void TKoordinatensystem::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Shown again after being hidden: what was drawn before is gone, as on a
    // screen repainted from scratch. The owner draws again on activation.
    if (!event->spontaneous()) Refresh();
}
