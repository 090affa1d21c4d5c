#include "PictureArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace saver::art {

namespace {

constexpr double kWidth = 150;
constexpr double kHeight = 75;

void Sky(QPainter& p, QColor top, QColor bottom, double height = kHeight) {
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, kWidth, height), g);
}

// A candle flame standing on base, with a soft glow around it.
void Flame(QPainter& p, QPointF base, double size) {
    QRadialGradient glow(base.x(), base.y() - size, size * 2.6);
    glow.setColorAt(0, QColor(255, 220, 120, 150));
    glow.setColorAt(1, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(base.x(), base.y() - size), size * 2.6, size * 2.6);

    QPainterPath flame;
    flame.moveTo(base.x(), base.y() - size * 2.4);
    flame.cubicTo(base.x() + size * 0.9, base.y() - size * 1.2, base.x() + size * 0.8, base.y(), base.x(),
                  base.y());
    flame.cubicTo(base.x() - size * 0.8, base.y(), base.x() - size * 0.9, base.y() - size * 1.2, base.x(),
                  base.y() - size * 2.4);
    QLinearGradient fill(base.x(), base.y() - size * 2.4, base.x(), base.y());
    fill.setColorAt(0, QColor(255, 245, 200));
    fill.setColorAt(0.5, QColor(255, 200, 60));
    fill.setColorAt(1, QColor(240, 110, 30));
    p.setBrush(fill);
    p.drawPath(flame);
}

void Candle(QPainter& p, QRectF body, QColor colour, double flame) {
    QLinearGradient shade(body.left(), 0, body.right(), 0);
    shade.setColorAt(0, colour.darker(115));
    shade.setColorAt(0.4, colour.lighter(110));
    shade.setColorAt(1, colour.darker(135));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(body, 1.5, 1.5);
    p.setPen(QPen(QColor(60, 40, 30), 1.0));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), body.top() - 2.5));
    Flame(p, QPointF(body.center().x(), body.top() - 2.0), flame);
}

void Sun(QPainter& p, QPointF centre, double radius, QColor inner, QColor outer) {
    QRadialGradient g(centre, radius * 1.8);
    g.setColorAt(0, inner);
    g.setColorAt(0.55, outer);
    g.setColorAt(1, QColor(outer.red(), outer.green(), outer.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius * 1.8, radius * 1.8);
    p.setBrush(inner);
    p.drawEllipse(centre, radius, radius);
}

// The ground from the left edge at height `left` to the right edge at `right`, curving through the two
// control points, down to the picture's bottom.
QPainterPath Ground(double left, QPointF c1, QPointF c2, double right) {
    QPainterPath ground;
    ground.moveTo(0, left);
    ground.cubicTo(c1, c2, QPointF(kWidth, right));
    ground.lineTo(kWidth, kHeight);
    ground.lineTo(0, kHeight);
    ground.closeSubpath();
    return ground;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (QPointF point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// A cake tier: a rounded body with a lighter top edge and a row of pearls along the bottom.
void Tier(QPainter& p, QRectF body, QColor colour, QColor trim) {
    QLinearGradient shade(body.left(), 0, body.right(), 0);
    shade.setColorAt(0, colour.darker(108));
    shade.setColorAt(0.35, colour.lighter(104));
    shade.setColorAt(1, colour.darker(118));
    p.setPen(QPen(colour.darker(125), 0.6));
    p.setBrush(shade);
    p.drawRoundedRect(body, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(trim);
    for (double x = body.left() + 2.5; x < body.right() - 1; x += 3.5)
        p.drawEllipse(QPointF(x, body.bottom() - 1.2), 1.2, 1.2);
}

} // namespace

void DrawLogo(QPainter& p) {
    Sky(p, QColor(20, 33, 61), QColor(44, 62, 120));
    // An hourglass in a golden ring: the time left until the day.
    const QPointF c(34, 37.5);
    p.setPen(QPen(QColor(244, 196, 48), 3));
    p.setBrush(QColor(255, 255, 255, 25));
    p.drawEllipse(c, 25, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 235, 200));
    p.drawPath(Polygon({{c.x() - 12, c.y() - 16},
                        {c.x() + 12, c.y() - 16},
                        {c.x() + 1.5, c.y()},
                        {c.x() + 12, c.y() + 16},
                        {c.x() - 12, c.y() + 16},
                        {c.x() - 1.5, c.y()}}));
    p.setBrush(QColor(244, 196, 48));
    p.drawPath(Polygon({{c.x() - 6, c.y() - 8}, {c.x() + 6, c.y() - 8}, {c.x(), c.y()}}));
    p.drawPath(Polygon({{c.x(), c.y() + 5}, {c.x() + 10, c.y() + 15}, {c.x() - 10, c.y() + 15}}));
    p.setPen(QPen(QColor(244, 196, 48), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 14, c.y() - 17), QPointF(c.x() + 14, c.y() - 17));
    p.drawLine(QPointF(c.x() - 14, c.y() + 17), QPointF(c.x() + 14, c.y() + 17));

    QFont name(QStringLiteral("Arial"));
    name.setPixelSize(19);
    name.setBold(true);
    p.setFont(name);
    p.setPen(Qt::white);
    p.drawText(QRectF(62, 16, 88, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Veltrane"));
    QFont motto(QStringLiteral("Arial"));
    motto.setPixelSize(9);
    p.setFont(motto);
    p.setPen(QColor(244, 196, 48));
    p.drawText(QRectF(63, 42, 87, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("counting the days"));
}

void DrawBirthdayCake(QPainter& p) {
    Sky(p, QColor(255, 243, 214), QColor(255, 204, 221));
    // Confetti.
    const QColor confetti[] = {QColor(255, 99, 132), QColor(54, 162, 235), QColor(255, 206, 86),
                               QColor(75, 192, 120)};
    for (int i = 0; i < 40; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(confetti[i % 4]);
        // Scattered by a fixed sequence, so the picture is the same every time.
        const unsigned h = (i + 1) * 2654435761u;
        const double x = (h % 1487) / 10.0, y = 2 + ((h >> 11) % 260) / 10.0;
        if (x > 30 && x < 120 && y > 12)
            continue;
        p.drawEllipse(QPointF(x, y), 1.3, 1.3);
    }
    // Plate.
    p.setBrush(QColor(230, 230, 240));
    p.setPen(QPen(QColor(190, 190, 205), 0.8));
    p.drawEllipse(QRectF(24, 61, 102, 11));
    // Cake body and icing.
    QLinearGradient body(0, 36, 0, 66);
    body.setColorAt(0, QColor(150, 90, 60));
    body.setColorAt(1, QColor(110, 62, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(34, 36, 82, 30), 3, 3);
    p.setBrush(QColor(255, 150, 190));
    p.drawRect(QRectF(34, 49, 82, 4)); // the filling
    QPainterPath icing;
    icing.moveTo(34, 38);
    icing.lineTo(34, 43);
    for (double x = 34; x < 116; x += 8.2)
        icing.cubicTo(x + 1, 49, x + 4, 49, x + 4.1, 43), icing.cubicTo(x + 5, 40, x + 7, 41, x + 8.2, 43);
    icing.lineTo(116, 38);
    icing.closeSubpath();
    p.setBrush(QColor(255, 250, 250));
    p.drawPath(icing);
    p.drawEllipse(QRectF(34, 32, 82, 10));
    // Sprinkles on the icing.
    for (int i = 0; i < 12; ++i) {
        p.setBrush(confetti[i % 4]);
        p.drawRoundedRect(QRectF(40 + i * 6.1, 35 + (i % 3) * 1.6, 2.4, 1.1), 0.5, 0.5);
    }
    // Three striped candles.
    for (int i = 0; i < 3; ++i) {
        const double x = 59 + i * 15;
        const QRectF candle(x - 2, 17, 4, 19);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 190, 255));
        p.drawRect(candle);
        p.setPen(QPen(Qt::white, 1.2));
        for (double y = 19; y < 35; y += 4)
            p.drawLine(QPointF(x - 2, y + 1.5), QPointF(x + 2, y - 0.5));
        p.setPen(QPen(QColor(60, 40, 30), 0.8));
        p.drawLine(QPointF(x, 17), QPointF(x, 15));
        Flame(p, QPointF(x, 15.5), 3.2);
    }
}

void DrawCandles(QPainter& p) {
    QRadialGradient dark(75, 45, 90);
    dark.setColorAt(0, QColor(70, 40, 70));
    dark.setColorAt(1, QColor(15, 8, 22));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), dark);
    // The table the candles stand on, catching their light.
    QLinearGradient table(0, 64, 0, 75);
    table.setColorAt(0, QColor(110, 60, 40));
    table.setColorAt(1, QColor(50, 25, 18));
    p.fillRect(QRectF(0, 64, kWidth, 11), table);
    Candle(p, QRectF(30, 36, 18, 31), QColor(250, 240, 215), 4.5);
    Candle(p, QRectF(65, 24, 20, 43), QColor(245, 225, 190), 5.0);
    Candle(p, QRectF(103, 44, 17, 23), QColor(250, 235, 205), 4.2);
    // Drips of melted wax.
    p.setBrush(QColor(255, 250, 235));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(33, 36, 3, 8), 1.5, 1.5);
    p.drawRoundedRect(QRectF(79, 24, 3, 11), 1.5, 1.5);
    p.drawRoundedRect(QRectF(106, 44, 2.5, 6), 1.2, 1.2);
}

void DrawHammock(QPainter& p) {
    Sky(p, QColor(110, 190, 245), QColor(205, 238, 255), 50);
    Sun(p, QPointF(75, 14), 7, QColor(255, 245, 170), QColor(255, 225, 120));
    QLinearGradient sea(0, 46, 0, 56);
    sea.setColorAt(0, QColor(40, 170, 200));
    sea.setColorAt(1, QColor(90, 210, 215));
    p.fillRect(QRectF(0, 46, kWidth, 10), sea);
    const QPainterPath sand = Ground(58, {40, 53}, {100, 56}, 54);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 215, 160));
    p.drawPath(sand);

    // Two leaning palms.
    auto palm = [&p](QPointF foot, QPointF top) {
        QPainterPath trunk;
        trunk.moveTo(foot);
        trunk.quadTo(QPointF((foot.x() + top.x()) / 2 + (top.x() < 75 ? -8 : 8), (foot.y() + top.y()) / 2),
                     top);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(125, 85, 50), 4.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(trunk);
        p.setPen(QPen(QColor(95, 60, 35), 0.7));
        p.drawPath(trunk);
        p.setPen(Qt::NoPen);
        const double angles[] = {-170, -135, -95, -50, -10, 25, 160};
        for (int i = 0; i < 7; ++i) {
            const double a = angles[i] * std::numbers::pi / 180;
            const QPointF tip(top.x() + 19 * std::cos(a), top.y() + 11 * std::sin(a) + 6);
            QPainterPath leaf;
            leaf.moveTo(top);
            const QPointF mid((top.x() + tip.x()) / 2, (top.y() + tip.y()) / 2 - 5);
            leaf.quadTo(mid + QPointF(0, -2.5), tip);
            leaf.quadTo(mid + QPointF(0, 3), top);
            p.setBrush(i % 2 ? QColor(40, 140, 60) : QColor(60, 170, 75));
            p.drawPath(leaf);
        }
    };
    palm(QPointF(14, 72), QPointF(22, 14));
    palm(QPointF(138, 72), QPointF(128, 16));

    // The hammock: a striped cloth sagging between the trunks on two ropes.
    p.setPen(QPen(QColor(120, 90, 60), 0.9));
    p.drawLine(QPointF(20, 30), QPointF(38, 38));
    p.drawLine(QPointF(130, 32), QPointF(112, 38));
    QPainterPath cloth;
    cloth.moveTo(38, 38);
    cloth.cubicTo(60, 56, 90, 56, 112, 38);
    cloth.cubicTo(90, 48, 60, 48, 38, 38);
    QLinearGradient stripes(38, 0, 50, 0);
    stripes.setSpread(QGradient::RepeatSpread);
    stripes.setColorAt(0, QColor(230, 70, 60));
    stripes.setColorAt(0.49, QColor(230, 70, 60));
    stripes.setColorAt(0.5, QColor(255, 240, 200));
    stripes.setColorAt(1, QColor(255, 240, 200));
    p.setPen(QPen(QColor(160, 50, 45), 0.8));
    p.setBrush(stripes);
    p.drawPath(cloth);
    // Its shadow on the sand.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawEllipse(QRectF(48, 63, 56, 5));
}

void DrawMountains(QPainter& p) {
    Sky(p, QColor(100, 170, 230), QColor(225, 242, 255));
    Sun(p, QPointF(120, 17), 6.5, QColor(255, 250, 210), QColor(255, 235, 150));
    p.setPen(Qt::NoPen);
    // Far range.
    p.setBrush(QColor(150, 170, 205));
    p.drawPath(Polygon({{0, 52},
                        {18, 34},
                        {34, 44},
                        {58, 22},
                        {80, 40},
                        {100, 28},
                        {125, 45},
                        {150, 32},
                        {150, 75},
                        {0, 75}}));
    // Near range with snow on its peaks.
    p.setBrush(QColor(85, 100, 140));
    p.drawPath(Polygon(
        {{0, 62}, {30, 30}, {50, 50}, {78, 12}, {108, 52}, {126, 38}, {150, 58}, {150, 75}, {0, 75}}));
    p.setBrush(QColor(250, 252, 255));
    p.drawPath(Polygon({{78, 12}, {87.5, 25}, {83, 23}, {78, 27}, {73, 22}, {69.5, 25}}));
    p.drawPath(Polygon({{30, 30}, {37, 37}, {33, 36}, {29, 39}, {26, 34.5}}));
    p.drawPath(Polygon({{126, 38}, {131, 42}, {127, 41.5}, {122, 43}}));
    // Meadow and a lake.
    QLinearGradient meadow(0, 60, 0, 75);
    meadow.setColorAt(0, QColor(95, 160, 75));
    meadow.setColorAt(1, QColor(55, 115, 50));
    const QPainterPath hills = Ground(64, {40, 56}, {90, 68}, 60);
    p.setBrush(meadow);
    p.drawPath(hills);
    p.setBrush(QColor(120, 185, 230));
    p.drawEllipse(QRectF(56, 66, 44, 6));
    // A few pines.
    p.setBrush(QColor(30, 80, 45));
    for (double x : {12.0, 20.0, 128.0, 137.0, 144.0})
        p.drawPath(Polygon({{x, 58}, {x + 3.5, 68}, {x - 3.5, 68}}));
}

void DrawCruiseShip(QPainter& p) {
    Sky(p, QColor(120, 190, 240), QColor(215, 238, 255), 52);
    QLinearGradient sea(0, 50, 0, 75);
    sea.setColorAt(0, QColor(30, 110, 170));
    sea.setColorAt(1, QColor(15, 60, 110));
    p.fillRect(QRectF(0, 50, kWidth, 25), sea);
    // Gulls.
    p.setPen(QPen(QColor(70, 80, 95), 0.9));
    p.setBrush(Qt::NoBrush);
    for (QPointF g : {QPointF(18, 12), QPointF(28, 8), QPointF(134, 16)}) {
        QPainterPath gull;
        gull.moveTo(g + QPointF(-3.5, 0));
        gull.quadTo(g + QPointF(-1.5, -2), g);
        gull.quadTo(g + QPointF(1.5, -2), g + QPointF(3.5, 0));
        p.drawPath(gull);
    }
    // Smoke from the funnel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 205, 170));
    p.drawEllipse(QPointF(104, 5), 4, 3);
    p.drawEllipse(QPointF(111, 3.5), 3, 2.4);
    // Funnel.
    p.setBrush(QColor(215, 50, 45));
    p.drawPath(Polygon({{90, 8}, {100, 8}, {98, 20}, {88, 20}}));
    p.setBrush(QColor(30, 30, 35));
    p.drawPath(Polygon({{90, 8}, {100, 8}, {99.6, 10.5}, {89.6, 10.5}}));
    // Decks.
    p.setBrush(QColor(250, 250, 252));
    p.setPen(QPen(QColor(170, 180, 195), 0.5));
    p.drawRect(QRectF(52, 18, 48, 8));
    p.drawRect(QRectF(38, 25, 78, 9));
    p.drawRect(QRectF(26, 33, 100, 9));
    // Hull: white above, navy below, the bow on the right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 252));
    p.drawPath(Polygon({{14, 41}, {140, 41}, {136, 49}, {20, 49}}));
    p.setBrush(QColor(25, 45, 95));
    p.drawPath(Polygon({{20, 49}, {136, 49}, {128, 60}, {26, 60}}));
    p.setBrush(QColor(215, 50, 45));
    p.drawRect(QRectF(22, 49, 112, 1.6));
    // Rows of windows and portholes.
    p.setBrush(QColor(60, 120, 190));
    for (double x = 56; x < 98; x += 5)
        p.drawRect(QRectF(x, 20.5, 3, 2.5));
    for (double x = 42; x < 114; x += 5)
        p.drawRect(QRectF(x, 28, 3, 3));
    for (double x = 30; x < 124; x += 5)
        p.drawRect(QRectF(x, 36, 3, 3));
    for (double x = 26; x < 132; x += 6)
        p.drawEllipse(QPointF(x, 45), 1.2, 1.2);
    // The bow wave and the wake.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    p.drawLine(QPointF(128, 60), QPointF(144, 61));
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.9));
    for (double y = 64; y < 75; y += 4)
        p.drawLine(QPointF(8 + (y - 64) * 3, y), QPointF(40 + (y - 64) * 5, y));
}

void DrawSunset(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 46);
    sky.setColorAt(0, QColor(45, 28, 80));
    sky.setColorAt(0.45, QColor(190, 65, 95));
    sky.setColorAt(0.8, QColor(255, 140, 66));
    sky.setColorAt(1, QColor(255, 205, 110));
    p.fillRect(QRectF(0, 0, kWidth, 46), sky);
    // Thin clouds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 50, 100, 150));
    p.drawRoundedRect(QRectF(12, 16, 46, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(96, 22, 40, 2.5), 1.2, 1.2);
    p.drawRoundedRect(QRectF(30, 27, 30, 2), 1, 1);
    // The sun sinking into the sea.
    p.save();
    p.setClipRect(QRectF(0, 0, kWidth, 46));
    Sun(p, QPointF(75, 46), 17, QColor(255, 225, 120), QColor(255, 150, 60));
    p.restore();
    QLinearGradient sea(0, 46, 0, 75);
    sea.setColorAt(0, QColor(120, 50, 90));
    sea.setColorAt(1, QColor(30, 20, 60));
    p.fillRect(QRectF(0, 46, kWidth, 29), sea);
    // Its reflection, broken by the waves.
    p.setBrush(QColor(255, 190, 90, 210));
    for (int i = 0; i < 8; ++i) {
        const double half = 18 - i * 2.1, y = 48 + i * 3.4;
        p.drawRoundedRect(QRectF(75 - half, y, 2 * half, 1.5), 0.7, 0.7);
    }
    // Two birds.
    p.setPen(QPen(QColor(40, 20, 45), 1.0));
    p.setBrush(Qt::NoBrush);
    for (QPointF g : {QPointF(110, 10), QPointF(120, 14)}) {
        QPainterPath bird;
        bird.moveTo(g + QPointF(-4, 0));
        bird.quadTo(g + QPointF(-2, -2.2), g);
        bird.quadTo(g + QPointF(2, -2.2), g + QPointF(4, 0));
        p.drawPath(bird);
    }
}

void DrawWreath(QPainter& p) {
    Sky(p, QColor(128, 24, 36), QColor(88, 14, 24));
    const QPointF c(75, 35);
    // Leaves in two rings, turned along the circle.
    const QColor greens[] = {QColor(30, 110, 50), QColor(50, 140, 65), QColor(20, 85, 40)};
    p.setPen(Qt::NoPen);
    for (int ring = 0; ring < 3; ++ring) {
        const double radius = 21 + ring * 5;
        const int count = 22 + ring * 4;
        for (int i = 0; i < count; ++i) {
            const double angle = 360.0 * (i + ring * 0.5) / count;
            const double a = angle * std::numbers::pi / 180;
            p.save();
            p.translate(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
            p.rotate(angle + 90 + (i % 2 ? 25 : -25));
            p.setBrush(greens[(i + ring) % 3]);
            p.drawEllipse(QRectF(-6, -2.2, 12, 4.4));
            p.restore();
        }
    }
    // Berries.
    for (int i = 0; i < 14; ++i) {
        const double a = (i * 360.0 / 14 + 8) * std::numbers::pi / 180;
        const double r = 23 + (i % 3) * 4;
        const QPointF berry(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        p.setBrush(QColor(230, 30, 40));
        p.drawEllipse(berry, 2.1, 2.1);
        p.setBrush(QColor(255, 200, 200));
        p.drawEllipse(berry + QPointF(-0.6, -0.6), 0.6, 0.6);
    }
    // A golden bow at the bottom.
    const QPointF bow(75, 62);
    p.setBrush(QColor(240, 190, 50));
    p.setPen(QPen(QColor(170, 120, 20), 0.6));
    p.drawPath(Polygon({bow, {bow.x() - 12, bow.y() - 6}, {bow.x() - 13, bow.y() + 5}}));
    p.drawPath(Polygon({bow, {bow.x() + 12, bow.y() - 6}, {bow.x() + 13, bow.y() + 5}}));
    p.drawPath(Polygon({bow, {bow.x() - 3, bow.y() + 12}, {bow.x() - 7, bow.y() + 11}}));
    p.drawPath(Polygon({bow, {bow.x() + 3, bow.y() + 12}, {bow.x() + 7, bow.y() + 11}}));
    p.drawEllipse(bow, 2.6, 2.6);
}

void DrawWeddingCake(QPainter& p) {
    Sky(p, QColor(240, 232, 248), QColor(214, 198, 236));
    // Cake stand.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 170, 90));
    p.drawRect(QRectF(70, 68, 10, 5));
    p.drawEllipse(QRectF(34, 64, 82, 6));
    const QColor ivory(255, 252, 242);
    const QColor pearls(235, 215, 160);
    Tier(p, QRectF(38, 48, 74, 18), ivory, pearls);
    Tier(p, QRectF(48, 34, 54, 15), ivory, pearls);
    Tier(p, QRectF(58, 22, 34, 13), ivory, pearls);
    // Ribbons and roses.
    p.setBrush(QColor(235, 150, 180));
    p.drawRect(QRectF(38, 53, 74, 2.2));
    p.drawRect(QRectF(48, 38.5, 54, 2));
    p.drawRect(QRectF(58, 26, 34, 1.8));
    for (QPointF rose : {QPointF(45, 50), QPointF(105, 50), QPointF(56, 36), QPointF(95, 36)}) {
        p.setBrush(QColor(220, 90, 130));
        p.drawEllipse(rose, 2.6, 2.6);
        p.setBrush(QColor(250, 170, 200));
        p.drawEllipse(rose, 1.3, 1.3);
    }
    // Two golden rings on top.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(215, 170, 50), 1.8));
    p.drawEllipse(QPointF(71.5, 14), 5, 5);
    p.drawEllipse(QPointF(78.5, 14), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 235, 255));
    p.drawEllipse(QPointF(78.5, 8.6), 1.4, 1.4);
}

} // namespace saver::art
