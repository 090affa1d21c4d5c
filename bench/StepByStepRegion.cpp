#include "StepByStepRegion.h"

namespace {

// Outside the image a read gives an impossible colour, so it always differs.
QRgb PixelAt(const QImage& image, int x, int y) {
    return image.valid(x, y) ? image.pixel(x, y) & 0xFFFFFF : 0xFFFFFFFF;
}

} // namespace

QRegion StepByStepRegion(const QImage& image, QRgb rgb) {
    const QRgb colour = rgb & 0xFFFFFF;
    QRegion window, runs;
    const int width = image.width(), height = image.height();
    for (int x = 1; x < width; ++x) {
        for (int y = 1; y < height; ++y) {
            if (PixelAt(image, x, y) != colour) {
                const int start = y;
                while (y < height && PixelAt(image, x, y + 1) != colour)
                    ++y;
                runs = runs.united(QRect(x, start, 1, y - start + 1));
            }
        }
        window = window.united(runs);
    }
    return window;
}
