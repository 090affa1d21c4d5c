#pragma once

#include <QString>

#include <functional>

class QObject;

namespace platform {

// Shows a notification through the desktop's notification service. shown runs, on the event loop, once
// the service has taken it; without a service, or where the system has none this program talks to,
// nothing happens and shown never runs. context ends the wait for the answer when it is destroyed.
void ShowDesktopNotification(const QString& appName, const QString& summary, const QString& body,
                             QObject* context, std::function<void()> shown);

} // namespace platform
