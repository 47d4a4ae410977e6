#include "loco/app/Controls.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace pemrak {

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::SetBrush(const QColor& c) {
    if (c == brush_) return;
    brush_ = c;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(brush_);
    p.drawEllipse(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0));
}

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TPaintBox::Zeigen() {
    // Only a repaint that will come while the area is on the screen is the
    // window's own. A hidden or minimised window paints again when it comes
    // back, and that repaint must put the bare landscape back.
    const QWindow* fenster = window()->windowHandle();
    if (!isVisible() || !fenster || !fenster->isExposed()) return;
    eigeneZeichnung_ = true;
    update();
}

void TPaintBox::paintEvent(QPaintEvent* event) {
    if (!eigeneZeichnung_ && onPaint_) onPaint_();
    eigeneZeichnung_ = false;
    QPainter p(this);
    if (image_ && !image_->isNull())
        p.drawImage(event->rect(), *image_, event->rect());
    else
        p.fillRect(event->rect(), Qt::white);
}

}  // namespace pemrak
