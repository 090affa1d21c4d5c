#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Every message box of both programs goes through here, so tests can answer them without a modal
// window. The caption is the program's title (QApplication::applicationName) unless given.
struct MessageRequest {
    QWidget* parent = nullptr;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QString caption; // empty: the program's title
};

QMessageBox::StandardButton ShowMessage(const MessageRequest& request);

// Tests install an answerer; while one is installed no box is shown. Returns the previous one.
using MessageAnswerer = std::function<QMessageBox::StandardButton(const MessageRequest&)>;
MessageAnswerer SetMessageAnswerer(MessageAnswerer answerer);

} // namespace ui
