#pragma once

#include <QImage>
#include <QString>

namespace saver {

// The nine built-in pictures (the base pictures), numbered 1 to 9, each 150 x 75 pixels with a tag
// that names it, and the 100 x 50 picture the preview shows. All are drawn here, once per call.
inline constexpr int kBasePictureWidth = 150;
inline constexpr int kBasePictureHeight = 75;
inline constexpr int kPreviewPictureWidth = 100;
inline constexpr int kPreviewPictureHeight = 50;

int BasePictureCount();
// The tag of picture n; empty outside 1..9.
QString BasePictureTag(int n);
// Picture n at its natural size; a null image outside 1..9.
QImage BasePicture(int n);
QImage PreviewPicture();

} // namespace saver
