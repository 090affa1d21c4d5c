#include "WindowMove.h"

#include <QWidget>

namespace platform {

void MoveTopLevelWindow(QWidget& window, QPoint topLeft) {
    window.move(topLeft);
}

} // namespace platform
