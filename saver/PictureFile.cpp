#include "PictureFile.h"

#include "SaverPicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace saver {

QImage ReadPictureFile(const QString& path, std::int32_t imageSize, QSize screen) {
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader::setAllocationLimit(kPictureDecodeLimitMB);
    QImageReader reader(path);
    if (!reader.canRead())
        return {};
    QSize natural = reader.size();
    QImage image;
    if (!natural.isValid()) {
        // The format tells its size only once decoded.
        image = reader.read();
        if (image.isNull())
            return {};
        natural = image.size();
    }
    const QSize shown = ShownPictureSize(natural, imageSize, screen);
    if (shown.isEmpty())
        return {};
    if (image.isNull()) {
        // Formats that can decode straight to a smaller size (JPEG) never hold the full picture.
        if (shown != natural)
            reader.setScaledSize(shown);
        image = reader.read();
        if (image.isNull())
            return {};
    }
    if (image.size() != shown)
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace saver
