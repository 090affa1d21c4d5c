#pragma once

#include <QIcon>

namespace desk {

// The program's icon: a tear-off calendar page with a red band, drawn at the sizes trays ask for.
QIcon AppIcon();

} // namespace desk
