#pragma once

class QWidget;

namespace widgets {

// Centres a top-level window, frame included, on the screen it is on.
void CentreOnScreen(QWidget& window);

}  // namespace widgets
