#include "DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace platform {

void ShowDesktopNotification(const QString& appName, const QString& summary, const QString& body,
                             QObject* context, std::function<void()> shown) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the server's)
    call << appName << 0u << QString() << summary << body << QStringList() << QVariantMap() << -1;
    // Asynchronous: a slow or missing service must not hold up the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, shown = std::move(shown)] {
                         const QDBusPendingReply<uint> reply = *watcher;
                         if (!reply.isError() && shown)
                             shown();
                         watcher->deleteLater();
                     });
}

} // namespace platform
