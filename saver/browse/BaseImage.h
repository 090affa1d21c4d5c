#pragma once

#include <QImage>
#include <QString>

namespace saver {

// One built-in picture as the image browser shows it: the picture and the tag that captions it.
struct BaseImage {
    QImage image;
    QString tag;
};

} // namespace saver
