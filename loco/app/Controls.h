#pragma once

// Two plain controls of Pemrak's main window that Qt does not have as such.

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

namespace pemrak {

// The round indicator: a circle filled with its brush colour, black outline.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    QColor Brush() const { return brush_; }
    void SetBrush(const QColor& c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_{255, 0, 0};
};

// The scene's paint area. It shows an image it does not own (the window's
// scene). A repaint the window asked for (Zeigen) copies that image; any other
// repaint (first showing, the area exposed again) first runs the window's
// paint handler, which puts the bare landscape back.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    void SetImage(const QImage* image) { image_ = image; }
    void SetOnPaint(std::function<void()> handler) { onPaint_ = std::move(handler); }

    // The window has drawn into the image: show it as it is.
    void Zeigen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_ = nullptr;
    std::function<void()> onPaint_;
    bool eigeneZeichnung_ = false;
};

}  // namespace pemrak
