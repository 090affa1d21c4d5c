#pragma once

#include "TextFont.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace ui {

// A font with its effects and colour, as the settings store keeps it.
using FontChoice = core::TextFont;

// The font chooser (font, size, style, effects and colour) and the colour chooser. Nothing when the
// user cancels. Tests install answerers; while one is installed no dialog is shown.
std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& initial);
std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial);

using FontAnswerer = std::function<std::optional<FontChoice>(const FontChoice&)>;
using ColorAnswerer = std::function<std::optional<QColor>(const QColor&)>;
FontAnswerer SetFontAnswerer(FontAnswerer answerer);
ColorAnswerer SetColorAnswerer(ColorAnswerer answerer);

} // namespace ui
