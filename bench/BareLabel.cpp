// The least a Qt program can do to show the desktop window's text: one frameless label window. The
// desktop window's start-up time and memory are measured against it.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Bare"), nullptr,
                 Qt::FramelessWindowHint);
    label.setWindowTitle(QStringLiteral("Bare"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(16);
    font.setBold(true);
    label.setFont(font);
    label.setStyleSheet(QStringLiteral("color: red"));
    label.show();
    return app.exec();
}
