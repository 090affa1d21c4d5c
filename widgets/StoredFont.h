#pragma once

#include "TextFont.h"

#include <QFont>

#include <cstdint>

class QLabel;

namespace ui {

// The font that stored fields name, at a size kept between 1 and 400 points whatever the store holds.
QFont FontFromStored(const core::TextFont& stored);

// A label in a stored font and its colour, over a stored background colour.
void ShowInStoredFont(QLabel* label, const core::TextFont& font, std::int32_t background);

} // namespace ui
