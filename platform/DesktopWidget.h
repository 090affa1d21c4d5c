#pragma once

class QWindow;

namespace platform {

// Makes a top-level window part of the desktop rather than an application window: shown on every
// workspace, left in place by "Show Desktop", kept out of the taskbar, the pager and window switching.
// Call after the native window exists and before it is first shown. Nothing happens where the window
// system offers no such hints.
void MakeDesktopWidget(QWindow* window);

// Whether the window manager moves this window when asked to (QWindow::startSystemMove); false when
// it has said that it will not, so the program moves the window itself. True where nothing is known.
bool WindowManagerMoves(QWindow* window);

} // namespace platform
