#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace desk {

QIcon AppIcon() {
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = side / 16.0;
        const QRectF page(1 * unit, 1.5 * unit, 14 * unit, 13 * unit);
        painter.setPen(QPen(QColor(60, 60, 60), std::max<qreal>(1, unit * 0.75)));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(page, 1.5 * unit, 1.5 * unit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 30, 30));
        painter.drawRect(QRectF(page.left(), page.top(), page.width(), 4 * unit));
        painter.setBrush(QColor(60, 60, 60));
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                painter.drawRect(
                    QRectF((3 + col * 3.8) * unit, (8 + row * 3) * unit, 2.2 * unit, 1.8 * unit));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace desk
