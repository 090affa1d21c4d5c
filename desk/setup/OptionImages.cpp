#include "OptionImages.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace desk {

namespace {

// Each picture is drawn on a 16 x 16 grid and scaled, so both sizes look alike.
void DrawGeneral(QPainter& p) {
    // A cog: a ring with eight teeth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 100, 120));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(8, 8);
        p.rotate(i * 45.0);
        p.drawRect(QRectF(-1.3, -7.5, 2.6, 3.5));
        p.restore();
    }
    p.drawEllipse(QPointF(8, 8), 5.2, 5.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 2.2, 2.2);
}

void DrawStyle(QPainter& p) {
    // A palette with four colour dots.
    p.setPen(QPen(QColor(120, 80, 30), 0.8));
    p.setBrush(QColor(235, 205, 150));
    p.drawEllipse(QRectF(1, 2, 14, 12));
    p.setPen(Qt::NoPen);
    const QColor dots[] = {QColor(220, 30, 30), QColor(30, 150, 40), QColor(30, 80, 220),
                           QColor(240, 190, 0)};
    const QPointF at[] = {{5, 5.5}, {9, 4.5}, {12, 7.5}, {5, 9.5}};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(at[i], 1.6, 1.6);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 11), 1.5, 1.5);
}

void DrawMovement(QPainter& p) {
    // A bold arrow to the right with speed lines.
    p.setPen(QPen(QColor(0, 110, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(1, 5), QPointF(5, 5));
    p.drawLine(QPointF(0.5, 8), QPointF(5, 8));
    p.drawLine(QPointF(1, 11), QPointF(5, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 110, 200));
    QPainterPath arrow;
    arrow.moveTo(6, 6);
    arrow.lineTo(10, 6);
    arrow.lineTo(10, 2.5);
    arrow.lineTo(15.5, 8);
    arrow.lineTo(10, 13.5);
    arrow.lineTo(10, 10);
    arrow.lineTo(6, 10);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

void DrawPosition(QPainter& p) {
    // Cross hairs on a target.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 40, 40), 1.2));
    p.drawEllipse(QPointF(8, 8), 6, 6);
    p.drawEllipse(QPointF(8, 8), 2.8, 2.8);
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.drawLine(QPointF(8, 0.5), QPointF(8, 5));
    p.drawLine(QPointF(8, 11), QPointF(8, 15.5));
    p.drawLine(QPointF(0.5, 8), QPointF(5, 8));
    p.drawLine(QPointF(11, 8), QPointF(15.5, 8));
}

void DrawHints(QPainter& p) {
    // A light bulb.
    p.setPen(QPen(QColor(150, 110, 0), 0.8));
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(QRectF(3, 0.8, 10, 10));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(5.5, 10.5, 5, 3));
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.drawLine(QPointF(5.5, 12), QPointF(10.5, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(6.5, 13.5, 3, 1.6));
}

void DrawQuickHelp(QPainter& p) {
    // A question mark in a blue disc.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 190));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRectF(0.5, 0.5, 15, 15), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

QPixmap OptionImage(int page, int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    if (page < 1 || page > 6)
        return picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 16.0, size / 16.0);
    switch (page) {
    case 1:
        DrawGeneral(p);
        break;
    case 2:
        DrawStyle(p);
        break;
    case 3:
        DrawMovement(p);
        break;
    case 4:
        DrawPosition(p);
        break;
    case 5:
        DrawHints(p);
        break;
    default:
        DrawQuickHelp(p);
        break;
    }
    return picture;
}

} // namespace desk
