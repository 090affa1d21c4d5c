#pragma once

#include <QIcon>

namespace saver {

// The pictures of the three size buttons, drawn in code: a minus, "1:1" and a plus.
QIcon DecreaseSizeIcon();
QIcon ActualSizeIcon();
QIcon IncreaseSizeIcon();

} // namespace saver
