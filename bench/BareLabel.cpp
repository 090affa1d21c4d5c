// The least a Qt program can do to show the desktop window's text: one frameless label window, moved
// leftwards by 3 pixels every 16 ms with --move. The desktop window's start-up time, memory and CPU
// are measured against it.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool moving = argc > 2 && std::strcmp(argv[2], "--move") == 0;
    QLabel label(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Bare"), nullptr,
                 Qt::FramelessWindowHint);
    label.setWindowTitle(QStringLiteral("Bare"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(16);
    font.setBold(true);
    label.setFont(font);
    label.setStyleSheet(QStringLiteral("color: red"));
    label.show();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(16);
    const int right = QGuiApplication::primaryScreen()->geometry().width();
    QObject::connect(&timer, &QTimer::timeout, &label, [&label, right] {
        const int x = label.x() - 3;
        label.move(x < -label.width() ? right : x, label.y());
    });
    if (moving)
        timer.start();
    return app.exec();
}
