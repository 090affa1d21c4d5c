#pragma once

namespace ui {

// Twips per pixel of the primary screen (15 at 96 logical dots per inch).
double TwipsPerPixelX();
double TwipsPerPixelY();

} // namespace ui
