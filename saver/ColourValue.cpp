#include "ColourValue.h"

#include <QGuiApplication>
#include <QPalette>

namespace saver {

namespace {

QColor SystemColour(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8:  // window text
    case 18: // button text
        return palette.color(QPalette::Text);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 14: // highlighted text
        return palette.color(QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 23: // tooltip text
        return palette.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return palette.color(QPalette::ToolTipBase);
    default: // the desktop and everything else
        return palette.color(QPalette::Window);
    }
}

} // namespace

QColor ColourFromValue(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (bits & 0x80000000u)
        return SystemColour(int(bits & 0xFFu));
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}

} // namespace saver
