#include "DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <QVariantMap>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");

} // namespace

void ShowDesktopNotification(const QString& appName, const QString& summary, const QString& body,
                             QObject* context, std::function<void(bool shown)> answered) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, context, [answered = std::move(answered)] { answered(false); });
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/freedesktop/Notifications"), kService, QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the server's)
    call << appName << 0u << QString() << summary << body << QStringList() << QVariantMap() << -1;
    // Asynchronous: a slow or missing service must not hold up the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, answered = std::move(answered)] {
                         const QDBusPendingReply<uint> reply = *watcher;
                         watcher->deleteLater();
                         answered(!reply.isError());
                     });
}

void WatchNotificationService(QObject* context, std::function<void()> appeared) {
    auto* watcher = new QDBusServiceWatcher(kService, QDBusConnection::sessionBus(),
                                            QDBusServiceWatcher::WatchForRegistration, context);
    QObject::connect(watcher, &QDBusServiceWatcher::serviceRegistered, context,
                     [appeared = std::move(appeared)] { appeared(); });
}

} // namespace platform
