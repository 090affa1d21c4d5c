#include "SystemColors.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace platform {

namespace {
std::uint32_t FromQColor(const QColor& c) {
    return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}
} // namespace

std::uint32_t SystemColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 1:
        // X11 desktops have no desktop colour to ask for: the classic steel blue stands in for it.
        return 0xA56E3A;
    case 5:
        return FromQColor(palette.color(QPalette::Base));
    case 8:  // window text
    case 18: // button text
        return FromQColor(palette.color(QPalette::Text));
    case 13:
        return FromQColor(palette.color(QPalette::Highlight));
    case 14:
        return FromQColor(palette.color(QPalette::HighlightedText));
    case 15:
        return FromQColor(palette.color(QPalette::Button));
    case 23:
        return FromQColor(palette.color(QPalette::ToolTipText));
    case 24:
        return FromQColor(palette.color(QPalette::ToolTipBase));
    default:
        return 0;
    }
}

} // namespace platform
