#include "StoredFont.h"

#include "StoredColor.h"

#include <QLabel>

#include <algorithm>

namespace ui {

QFont FontFromStored(const core::TextFont& stored) {
    QFont font(stored.Name);
    font.setPointSize(std::clamp(stored.Size, 1, 400));
    font.setBold(stored.Bold);
    font.setItalic(stored.Italic);
    font.setStrikeOut(stored.Strikethru);
    font.setUnderline(stored.Underline);
    return font;
}

void ShowInStoredFont(QLabel* label, const core::TextFont& font, std::int32_t background) {
    label->setFont(FontFromStored(font));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, ColorFromStored(font.Color));
    colours.setColor(QPalette::Window, ColorFromStored(background));
    label->setPalette(colours);
}

} // namespace ui
