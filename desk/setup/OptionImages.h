#pragma once

#include <QPixmap>

namespace desk {

// The small pictures of the settings dialog's six pages (1 General, 2 Style, 3 Movement, 4 Position,
// 5 Hints, 6 Quick Help), drawn at any square size; an unknown page gives an empty picture.
QPixmap OptionImage(int page, int size);

} // namespace desk
