#include "desktop/sleep_inhibitor.h"
#include "desktop/missing_service.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
MissingService logind(QStringLiteral("inhibit: no answer from logind (%1); the computer may sleep during updates"));
}

void SleepInhibitor::hold()
{
    m_wanted = true;
    if (m_asking || m_lock.isValid())
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        logind.tell(QStringLiteral("no system bus"));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                                      QStringLiteral("/org/freedesktop/login1"),
                                                      QStringLiteral("org.freedesktop.login1.Manager"),
                                                      QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("Vantorel") << tr("Updating the game files")
         << QStringLiteral("block");
    m_asking = true;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        m_asking = false;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *watcher;
        if (reply.isError()) {
            logind.tell(reply.error().name());
            return;
        }
        taken(reply.value());
    });
}

void SleepInhibitor::taken(const QDBusUnixFileDescriptor &lock)
{
    // The run may have ended while logind was answering: then the lock goes at once.
    if (m_wanted)
        m_lock = lock;
}

void SleepInhibitor::release()
{
    m_wanted = false;
    m_lock = QDBusUnixFileDescriptor();  // closes our copy of the descriptor
}
