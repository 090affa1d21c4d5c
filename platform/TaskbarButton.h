#pragma once

class QWindow;

namespace platform {

// Keeps a top-level window out of the taskbar and the pager. Call after the native window exists and
// before it is first shown. Nothing happens where the window system offers no such hint.
void HideTaskbarButton(QWindow* window);

} // namespace platform
