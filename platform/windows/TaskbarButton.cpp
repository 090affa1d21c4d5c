#include "TaskbarButton.h"

namespace platform {

// Tool windows never get a taskbar button on Windows: the window's own flags already see to it.
void HideTaskbarButton(QWindow*) {}

} // namespace platform
