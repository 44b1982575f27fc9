#pragma once

class QWidget;

namespace zarnet {

// Moves the window, frame included, to the middle of its screen's free area.
void CenterOnScreen(QWidget& window);

}  // namespace zarnet
