#include "ScreenUnits.h"

#include "Rounding.h"

#include <QGuiApplication>
#include <QScreen>

namespace ui {

double TwipsPerPixelX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return core::TwipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

double TwipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return core::TwipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

} // namespace ui
