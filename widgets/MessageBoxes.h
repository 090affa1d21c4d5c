#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <utility>

class QWidget;

namespace ui {

// Every message box of both programs goes through here, so tests can answer them without a modal
// window. The caption is the program's title (QApplication::applicationName) unless given.
struct MessageRequest {
    MessageRequest(QWidget* parent_, QString text_, QMessageBox::Icon icon_ = QMessageBox::NoIcon,
                   QMessageBox::StandardButtons buttons_ = QMessageBox::Ok, QString caption_ = QString())
        : parent(parent_), text(std::move(text_)), icon(icon_), buttons(buttons_),
          caption(std::move(caption_)) {}

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
