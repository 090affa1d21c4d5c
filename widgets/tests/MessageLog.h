#pragma once

#include "MessageBoxes.h"

#include <QStringList>

#include <vector>

// While it lives, every message box is answered with OK and recorded here instead of shown.
class MessageLog {
public:
    MessageLog()
        : previous_(ui::SetMessageAnswerer([this](const ui::MessageRequest& request) {
              requests.push_back(request);
              return QMessageBox::Ok;
          })) {}
    ~MessageLog() { ui::SetMessageAnswerer(previous_); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList Texts() const {
        QStringList texts;
        for (const auto& r : requests)
            texts << r.text;
        return texts;
    }

    std::vector<ui::MessageRequest> requests;

private:
    ui::MessageAnswerer previous_;
};
