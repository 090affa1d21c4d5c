#include "PreviewFit.h"

namespace core {

PreviewFit FitPreview(double width, double height, double frameWidth, double frameHeight) {
    if (!(width > frameWidth) && !(height > frameHeight))
        return {false, width, height};
    const double ratio = height > 0 ? width / height : 1.0;
    if (ratio > 1)
        return {true, frameWidth - 80, frameHeight / ratio};
    return {true, frameWidth * ratio, frameHeight - 200};
}

QString PreviewCaption(bool reduced, std::int32_t pixelWidth, std::int32_t pixelHeight) {
    return (reduced ? QStringLiteral("Preview - (Reduced) - Actual Size ")
                    : QStringLiteral("Preview - Actual Size ")) +
           QStringLiteral("%1 x %2").arg(pixelWidth).arg(pixelHeight);
}

} // namespace core
