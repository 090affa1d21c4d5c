#include "BasePictures.h"

#include "PictureArt.h"

#include <QPainter>

#include <array>

namespace saver {

namespace {

struct Entry {
    const char* tag;
    void (*draw)(QPainter&);
};

// The order and the tags are what the settings store keeps (ImageIndex, ImageTag).
const std::array<Entry, 9> kPictures{{
    {"Logo", art::DrawLogo},
    {"Birthday Cake", art::DrawBirthdayCake},
    {"Candles", art::DrawCandles},
    {"Hammock", art::DrawHammock},
    {"Mountains", art::DrawMountains},
    {"Cruise Ship", art::DrawCruiseShip},
    {"Sunset", art::DrawSunset},
    {"Wreath", art::DrawWreath},
    {"Wedding Cake", art::DrawWeddingCake},
}};

// Every drawing works in a 150 x 75 canvas; other sizes scale it.
QImage Render(void (*draw)(QPainter&), int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(width / double(kBasePictureWidth), height / double(kBasePictureHeight));
    draw(painter);
    painter.end();
    return image;
}

} // namespace

int BasePictureCount() {
    return int(kPictures.size());
}

QString BasePictureTag(int n) {
    if (n < 1 || n > BasePictureCount())
        return {};
    return QString::fromLatin1(kPictures[n - 1].tag);
}

QImage BasePicture(int n) {
    if (n < 1 || n > BasePictureCount())
        return {};
    return Render(kPictures[n - 1].draw, kBasePictureWidth, kBasePictureHeight);
}

QImage PreviewPicture() {
    return Render(art::DrawLogo, kPreviewPictureWidth, kPreviewPictureHeight);
}

} // namespace saver
