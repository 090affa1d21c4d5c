#include "DesktopNotification.h"

namespace platform {

// No notification service is used here.
void ShowDesktopNotification(const QString&, const QString&, const QString&, QObject*,
                             std::function<void(bool)>) {}

void WatchNotificationService(QObject*, std::function<void()>) {}

} // namespace platform
