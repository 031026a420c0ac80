#include "desktop/notifications.h"
#include "desktop/missing_service.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <utility>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
MissingService notificationService(QStringLiteral("notify: no notification service (%1)"));
}

Notifications::Notifications(QObject *parent) : QObject(parent)
{
    // From any sender: naming the service would make Qt ask for its owner and wait for the answer.
    // Only the ids the service gave us count.
    QDBusConnection::sessionBus().connect(QString(), path, service, QStringLiteral("ActionInvoked"), this,
                                          SLOT(actionInvoked(uint,QString)));
    // Sent just before the click itself, by services that speak version 1.2 of the protocol.
    QDBusConnection::sessionBus().connect(QString(), path, service, QStringLiteral("ActivationToken"), this,
                                          SLOT(activationToken(uint,QString)));
}

void Notifications::show(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("com.vantorel.Launcher")}};
    call << QStringLiteral("Vantorel") << uint(0) << QStringLiteral("com.vantorel.Launcher") << summary << body
         << QStringList{QStringLiteral("default"), tr("Open")} << hints << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            notificationService.tell(reply.error().name());
            return;
        }
        m_shown.insert(reply.value());
    });
}

void Notifications::actionInvoked(uint id, const QString &action)
{
    const QByteArray token = std::exchange(m_token, {});
    if (action == QLatin1String("default") && m_shown.contains(id))
        emit activated(token);
}

void Notifications::activationToken(uint id, const QString &token)
{
    if (m_shown.contains(id))
        m_token = token.toUtf8();
}
