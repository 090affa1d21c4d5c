// How long the image browser takes to open on a stored picture file of camera size, which it decodes
// for the preview:  browse_benchmark [runs]   (prints the median and slowest time per format)
#include "frmBrowse.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).canonicalPath() + u'/';

    QImage photo(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, 6000, 4000);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(photo.rect(), gradient);
    painter.end();
    const struct {
        const char* name;
        const char* format;
    } files[] = {{"", nullptr}, {"photo.jpg", "JPG"}, {"photo.bmp", "BMP"}}; // Qt writes no GIF
    for (const auto& f : files) {
        if (f.format)
            photo.save(folder + QString::fromLatin1(f.name), f.format);
    }

    std::vector<saver::BaseImage> base(9, {QImage(150, 75, QImage::Format_RGB32), QStringLiteral("Tag")});
    const QString drive = QStorageInfo(folder).rootPath();
    std::printf("opening the browser on a 6000 x 4000 picture, %d runs each\n", runs);
    for (const auto& f : files) {
        std::vector<double> ms;
        for (int run = 0; run < runs; ++run) {
            saver::PendingImage pending{1, QString::fromLatin1(f.name), folder, 1, 1, "Tag", drive};
            const saver::PendingImage loaded = pending;
            QElapsedTimer timer;
            timer.start();
            saver::frmBrowse dialog(pending, loaded, base, QSizeF(28800, 16200), "Pellmora");
            ms.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-10s median %7.1f ms   slowest %7.1f ms\n", *f.name ? f.name : "(no file)",
                    ms[ms.size() / 2], ms.back());
    }
    return 0;
}
