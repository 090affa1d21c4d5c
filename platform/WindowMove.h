#pragma once

class QPoint;
class QWidget;
class QWindow;

namespace platform {

// Moves a top-level widget so that its frame's top-left corner is at `topLeft` (what QWidget::move takes),
// for a window that moves many times a second. On X11 a shown window gets one configure request on the
// toolkit's own connection and nothing else (no size hints or other properties rewritten), the toolkit is
// told of the new place at once instead of asking the server, and the server's notice of a move the
// program made itself is not sent or not acted on. Elsewhere, and for a window not yet shown, this is
// QWidget::move. Either way the widget's position reads back as `topLeft` at once.
void MoveTopLevelWindow(QWidget& window, QPoint topLeft);

// Brings the toolkit's record of a shown top-level window's place in line with where the window system
// has it. A window manager that puts a frame around a window as it first shows it can leave the toolkit
// with the place the frame had for a moment; a drag, or a window placed beside this one, would start
// from there. Where the toolkit's record is always current, this does nothing.
void AdoptWindowSystemPosition(QWindow* window);

// Hands a drag over to the window manager, as QWindow::startSystemMove does, but from the press at
// `pressedAt` (global, in the toolkit's pixels) on: the window keeps up with the pointer's whole travel,
// the part before the drag was told from a click included, instead of trailing it by that much. False
// where the window manager takes no such request (the program then moves the window itself).
bool StartSystemMove(QWindow* window, QPoint pressedAt);

} // namespace platform
