#include "MessageBoxes.h"

#include <QApplication>

#include <utility>

namespace ui {

namespace {
MessageAnswerer& Answerer() {
    static MessageAnswerer answerer;
    return answerer;
}
} // namespace

QMessageBox::StandardButton ShowMessage(const MessageRequest& request) {
    if (Answerer())
        return Answerer()(request);
    const QString caption = request.caption.isEmpty() ? QApplication::applicationName() : request.caption;
    QMessageBox box(request.icon, caption, request.text, request.buttons, request.parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

MessageAnswerer SetMessageAnswerer(MessageAnswerer answerer) {
    return std::exchange(Answerer(), std::move(answerer));
}

} // namespace ui
