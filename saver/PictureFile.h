#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

namespace saver {

// A picture file as the full-screen show draws it, at the size ShownPictureSize gives. A null image when
// the file is missing or cannot be read as a picture (corrupt, not a picture, too large to decode); the
// show then falls back to a base picture.
QImage ReadPictureFile(const QString& path, std::int32_t imageSize, QSize screen);

// The largest picture the show decodes, in megabytes of pixels; a larger one counts as unreadable.
inline constexpr int kPictureDecodeLimitMB = 128;

} // namespace saver
