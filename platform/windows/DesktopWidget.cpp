#include "DesktopWidget.h"

namespace platform {

// Tool windows never get a taskbar button on Windows, and the system moves any window it is asked to:
// the window's own flags already see to all of it.
void MakeDesktopWidget(QWindow*) {}

bool WindowManagerMoves(QWindow*) {
    return true;
}

} // namespace platform
