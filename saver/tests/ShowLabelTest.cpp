#include "ShowLabel.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

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

QImage Look(QLabel& label) {
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The cached label looks exactly like a plain label, after each change as well.
TEST(ShowLabel, DrawsLikeALabelAfterEveryChange) {
    saver::ShowLabel cached;
    QLabel plain;
    const struct {
        const char* change;
        std::function<void(QLabel&)> apply;
    } steps[] = {
        {"first text",
         [](QLabel& l) { Style(l, QStringLiteral(" 7 months  6 days!"), Qt::red, Qt::AlignLeft, 16); }},
        {"new text of the same width (the next day)",
         [](QLabel& l) { Style(l, QStringLiteral(" 7 months  5 days!"), Qt::red, Qt::AlignLeft, 16); }},
        {"new colour",
         [](QLabel& l) { Style(l, QStringLiteral(" 7 months  6 days!"), Qt::yellow, Qt::AlignLeft, 16); }},
        {"new size",
         [](QLabel& l) { Style(l, QStringLiteral(" 7 months  6 days!"), Qt::yellow, Qt::AlignLeft, 30); }},
        {"wider, centred", [](QLabel& l) {
             Style(l, QStringLiteral("Short"), Qt::yellow, Qt::AlignHCenter | Qt::AlignTop, 16);
             l.resize(300, l.height());
         }}};
    QImage previous;
    for (const auto& step : steps) {
        step.apply(cached);
        step.apply(plain);
        const QImage look = Look(cached);
        EXPECT_EQ(look, Look(plain)) << step.change;
        EXPECT_NE(look, previous) << step.change;
        previous = look;
    }
}

} // namespace
