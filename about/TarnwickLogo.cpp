#include "TarnwickLogo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace about {

QPixmap TarnwickLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    QLinearGradient back(0, 0, 0, s);
    back.setColorAt(0, QColor(32, 74, 135));
    back.setColorAt(1, QColor(16, 38, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);

    // Hourglass: two triangles meeting in the middle, frame bars above and below.
    const QColor gold(236, 186, 72);
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(s * 0.24, s * 0.14, s * 0.52, s * 0.07), s * 0.02, s * 0.02);
    p.drawRoundedRect(QRectF(s * 0.24, s * 0.79, s * 0.52, s * 0.07), s * 0.02, s * 0.02);
    QPainterPath glass;
    glass.moveTo(s * 0.30, s * 0.21);
    glass.lineTo(s * 0.70, s * 0.21);
    glass.lineTo(s * 0.53, s * 0.50);
    glass.lineTo(s * 0.70, s * 0.79);
    glass.lineTo(s * 0.30, s * 0.79);
    glass.lineTo(s * 0.47, s * 0.50);
    glass.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 60));
    p.setPen(QPen(QColor(255, 255, 255, 200), s * 0.025));
    p.drawPath(glass);

    // Sand: a little left above, a heap below.
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    QPainterPath top;
    top.moveTo(s * 0.40, s * 0.36);
    top.lineTo(s * 0.60, s * 0.36);
    top.lineTo(s * 0.51, s * 0.49);
    top.lineTo(s * 0.49, s * 0.49);
    top.closeSubpath();
    p.drawPath(top);
    QPainterPath heap;
    heap.moveTo(s * 0.33, s * 0.77);
    heap.quadTo(s * 0.50, s * 0.58, s * 0.67, s * 0.77);
    heap.closeSubpath();
    p.drawPath(heap);
    p.drawRect(QRectF(s * 0.495, s * 0.50, s * 0.01, s * 0.20));
    return pixmap;
}

} // namespace about
