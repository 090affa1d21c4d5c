#include "SizeButtonIcons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <functional>

namespace saver {

namespace {

constexpr int kSide = 20;

// Draws at twice the size as well, so the icons stay sharp on high-density screens.
QIcon Draw(const std::function<void(QPainter&, int side)>& paint) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(kSide * scale, kSide * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, kSide * scale);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Bar(QPainter& p, int side, bool vertical) {
    const double thick = side * 0.16;
    const double margin = side * 0.18;
    const QRectF bar = vertical ? QRectF((side - thick) / 2, margin, thick, side - 2 * margin)
                                : QRectF(margin, (side - thick) / 2, side - 2 * margin, thick);
    p.fillRect(bar, QColor(0, 0, 96));
}

} // namespace

QIcon DecreaseSizeIcon() {
    return Draw([](QPainter& p, int side) { Bar(p, side, false); });
}

QIcon IncreaseSizeIcon() {
    return Draw([](QPainter& p, int side) {
        Bar(p, side, false);
        Bar(p, side, true);
    });
}

QIcon ActualSizeIcon() {
    return Draw([](QPainter& p, int side) {
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(side * 9 / 20);
        p.setFont(font);
        p.setPen(QColor(0, 0, 96));
        p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("1:1"));
    });
}

} // namespace saver
