#pragma once

#include <QPixmap>

namespace about {

// The maker's logo: an hourglass in a rounded square, drawn at the given size.
QPixmap TarnwickLogo(int size);

} // namespace about
