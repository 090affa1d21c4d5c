#pragma once

#include <QString>

#include <functional>

class QObject;

namespace platform {

// Shows a notification through the desktop's notification service. answered runs on the event loop
// once the service has answered: true when it took the notification, false when it refused it or no
// service is on the bus. Where the system has no service this program talks to, answered never runs.
// context ends the wait for the answer when it is destroyed.
void ShowDesktopNotification(const QString& appName, const QString& summary, const QString& body,
                             QObject* context, std::function<void(bool shown)> answered);

// Runs appeared on the event loop each time the notification service comes onto the session bus, for
// as long as context lives; never where the system has no such service.
void WatchNotificationService(QObject* context, std::function<void()> appeared);

} // namespace platform
