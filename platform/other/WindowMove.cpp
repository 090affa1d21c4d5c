#include "WindowMove.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void MoveTopLevelWindow(QWidget& window, QPoint topLeft) {
    window.move(topLeft);
}

void AdoptWindowSystemPosition(QWindow*) {}

bool StartSystemMove(QWindow* window, QPoint) {
    return window && window->startSystemMove();
}

} // namespace platform
