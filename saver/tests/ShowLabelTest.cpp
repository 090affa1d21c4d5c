#include "ShowLabel.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

void Style(QLabel& label, const QString& text, QColor colour, Qt::Alignment alignment, int points) {
    label.setAutoFillBackground(true);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(points);
    label.setFont(font);
    label.setAlignment(alignment);
    label.setText(text);
    label.adjustSize();
}

const auto Look = [](QLabel& label) { return label.grab().toImage().convertToFormat(QImage::Format_RGB32); };

// The cached label looks exactly like a plain label, after each change as well.
TEST(ShowLabel, DrawsLikeALabelAfterEveryChange) {
    saver::ShowLabel cached;
    QLabel plain;
    const struct {
        const char *change, *text;
        QColor colour;
        Qt::Alignment alignment;
        int points, width; // 0: the text's own width
    } steps[] = {
        {"first text", " 7 months  6 days!", Qt::red, Qt::AlignLeft, 16, 0},
        {"new text of the same width (the next day)", " 7 months  5 days!", Qt::red, Qt::AlignLeft, 16, 0},
        {"new colour", " 7 months  6 days!", Qt::yellow, Qt::AlignLeft, 16, 0},
        {"new size", " 7 months  6 days!", Qt::yellow, Qt::AlignLeft, 30, 0},
        {"wider, centred", "Short", Qt::yellow, Qt::AlignHCenter | Qt::AlignTop, 16, 300}};
    QImage previous;
    for (const auto& step : steps) {
        for (QLabel* l : {static_cast<QLabel*>(&cached), &plain}) {
            Style(*l, QString::fromLatin1(step.text), step.colour, step.alignment, step.points);
            if (step.width)
                l->resize(step.width, l->height());
        }
        const QImage look = Look(cached);
        EXPECT_EQ(look, Look(plain)) << step.change;
        EXPECT_NE(look, previous) << step.change;
        previous = look;
    }
}

} // namespace
