#pragma once

class QPoint;
class QWidget;

namespace platform {

// Moves a top-level widget so that its frame's top-left corner is at `topLeft` (what QWidget::move takes),
// for a window that moves many times a second. On X11 a shown window gets one configure request on the
// toolkit's own connection and nothing else (no size hints or other properties rewritten), the toolkit is
// told of the new place at once instead of asking the server, and the server's notice of a move the
// program made itself is not sent or not acted on. Elsewhere, and for a window not yet shown, this is
// QWidget::move. Either way the widget's position reads back as `topLeft` at once.
void MoveTopLevelWindow(QWidget& window, QPoint topLeft);

} // namespace platform
