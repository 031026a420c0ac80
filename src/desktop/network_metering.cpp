#include "desktop/network_metering.h"
#include "desktop/missing_service.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QCoro/QCoroDBusPendingCall>

namespace {
// NMMetered: 1 yes, 3 guess yes.
constexpr uint meteredYes = 1;
constexpr uint meteredGuessYes = 3;

MissingService networkManager(QStringLiteral("metering: no answer from NetworkManager (%1); the connection counts as not metered"));
}

QCoro::Task<bool> NetworkMetering::isMetered()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        networkManager.tell(QStringLiteral("no system bus"));
        co_return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.NetworkManager"),
                                                      QStringLiteral("/org/freedesktop/NetworkManager"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    call << QStringLiteral("org.freedesktop.NetworkManager") << QStringLiteral("Metered");
    const QDBusMessage reply = co_await bus.asyncCall(call, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        networkManager.tell(reply.errorName());
        co_return false;
    }
    const uint metered = reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
    co_return metered == meteredYes || metered == meteredGuessYes;
}
