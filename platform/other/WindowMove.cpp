#include "WindowMove.h"

#include <QWidget>

namespace platform {

void MoveTopLevelWindow(QWidget& window, QPoint topLeft) {
    window.move(topLeft);
}

void AdoptWindowSystemPosition(QWindow*) {}

} // namespace platform
