// Saves pictures of both pages of the image browser, to look at the layout:
//   browse_shots <output folder> [picture folder]
// The base pictures are plain colour fields with their tags; the file page opens on the given folder.
#include "frmBrowse.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>
#include <QTabBar>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: browse_shots <output folder> [picture folder]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const QString pictures = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::homePath();

    std::vector<saver::BaseImage> base;
    const char* tags[] = {"Logo",        "Birthday Cake", "Candles", "Hammock",     "Mountains",
                          "Cruise Ship", "Sunset",        "Wreath",  "Wedding Cake"};
    for (int n = 0; n < 9; ++n) {
        QImage image(150, 75, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(n * 40, 120, 230));
        QPainter painter(&image);
        painter.drawText(image.rect(), Qt::AlignCenter, QString::number(n + 1));
        base.push_back({image, QString::fromLatin1(tags[n])});
    }
    saver::PendingImage pending{1,
                                argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString(),
                                QDir(pictures).absolutePath() + u'/',
                                1,
                                2,
                                "Birthday Cake",
                                "/"};
    const saver::PendingImage loaded = pending;
    saver::frmBrowse dialog(pending, loaded, base, QSizeF(28800, 16200), "Pellmora");
    dialog.show();
    QTimer::singleShot(1500, [&] {
        dialog.grab().save(out + "/browse-files.png");
        dialog.tbsImages->setCurrentIndex(0);
        QTimer::singleShot(300, [&] {
            dialog.grab().save(out + "/browse-base.png");
            std::printf("%dx%d\n", dialog.width(), dialog.height());
            app.quit();
        });
    });
    return app.exec();
}
