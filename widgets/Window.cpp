#include "widgets/Window.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace widgets {

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace widgets
