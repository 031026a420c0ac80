#include "share/lan_discovery.h"
#include "support/log.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSysInfo>

namespace {
const QString avahi = QStringLiteral("org.freedesktop.Avahi");
const QString serverInterface = QStringLiteral("org.freedesktop.Avahi.Server");
const QString browserInterface = QStringLiteral("org.freedesktop.Avahi.ServiceBrowser");
const QString groupInterface = QStringLiteral("org.freedesktop.Avahi.EntryGroup");
const QString resolverInterface = QStringLiteral("org.freedesktop.Avahi.ServiceResolver");
constexpr int anyInterface = -1;
constexpr int anyProtocol = -1;
constexpr int inet = 0;
constexpr uint ourOwn = 16;  // AVAHI_LOOKUP_RESULT_OUR_OWN
constexpr int groupCollision = 3;
constexpr int callMs = 5'000;

QDBusMessage call(const QString &path, const QString &interface, const QString &method, const QVariantList &args = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(avahi, path, interface, method);
    message.setArguments(args);
    return message;
}

template<typename F>
void whenAnswered(QObject *context, const QDBusMessage &message, F then)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        // No bus at all: answered at once, but never on the caller's stack.
        const QDBusMessage error = message.createErrorReply(QDBusError::Disconnected, bus.lastError().message());
        QMetaObject::invokeMethod(context, [then, error] { then(error); }, Qt::QueuedConnection);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, callMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, then] {
        watcher->deleteLater();
        then(watcher->reply());
    });
}

QString keyOf(int interface, int protocol, const QString &name)
{
    return QString::number(interface) + QLatin1Char('/') + QString::number(protocol) + QLatin1Char('/') + name;
}
}

LanDiscovery::LanDiscovery(QObject *parent) : QObject(parent)
{
    qDBusRegisterMetaType<QList<QByteArray>>();
}

LanDiscovery::~LanDiscovery()
{
    // The daemon frees what a client made when the client leaves the bus; this is for a client
    // that stays (the launcher with sharing switched off).
    withdraw();
    QDBusConnection bus = QDBusConnection::systemBus();
    for (const QString &resolver : std::as_const(m_resolvers))
        if (!resolver.isEmpty())
            bus.asyncCall(call(resolver, resolverInterface, QStringLiteral("Free")));
    if (!m_browser.isEmpty())
        bus.asyncCall(call(m_browser, browserInterface, QStringLiteral("Free")));
}

void LanDiscovery::start()
{
    whenAnswered(this, call(QStringLiteral("/"), serverInterface, QStringLiteral("GetState")), [this](const QDBusMessage &reply) {
        m_available = reply.type() == QDBusMessage::ReplyMessage;
        if (!m_available) {
            Log::info(QStringLiteral("share: Avahi is not running; game files are not shared on this network (")
                      + reply.errorName() + QLatin1Char(')'));
            emit ready(false);
            return;
        }
        browse();
        emit ready(true);
    });
}

void LanDiscovery::browse()
{
    // Connected before the browser exists (any path: it has none yet), so that no result can
    // arrive before anyone listens. Avahi sends a browser's signals to its owner only.
    QDBusConnection bus = QDBusConnection::systemBus();
    bus.connect(avahi, QString(), browserInterface, QStringLiteral("ItemNew"), this,
                SLOT(itemNew(int, int, QString, QString, QString, uint)));
    bus.connect(avahi, QString(), browserInterface, QStringLiteral("ItemRemove"), this,
                SLOT(itemRemove(int, int, QString, QString, QString, uint)));
    bus.connect(avahi, QString(), resolverInterface, QStringLiteral("Found"), this, SLOT(found(QDBusMessage)));
    const QVariantList args{anyInterface, anyProtocol, serviceType, QString(), 0u};
    whenAnswered(this, call(QStringLiteral("/"), serverInterface, QStringLiteral("ServiceBrowserNew"), args),
                 [this](const QDBusMessage &reply) {
                     if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                         Log::warn(QStringLiteral("share: cannot browse this network: ") + reply.errorMessage());
                         return;
                     }
                     m_browser = reply.arguments().first().value<QDBusObjectPath>().path();
                 });
}

void LanDiscovery::itemNew(int interface, int protocol, const QString &name, const QString &type, const QString &domain,
                           uint flags)
{
    const QString key = keyOf(interface, protocol, name);
    // A service of this computer is never a peer (two programs here cannot share one port).
    if ((flags & ourOwn) || m_resolvers.contains(key))
        return;
    // A resolver that stays: it reports the service again whenever its address or TXT changes
    // (a peer that moved on to a new list).
    m_resolvers.insert(key, QString());
    const QVariantList args{interface, protocol, name, type, domain, inet, 0u};
    whenAnswered(this, call(QStringLiteral("/"), serverInterface, QStringLiteral("ServiceResolverNew"), args),
                 [this, key](const QDBusMessage &reply) {
                     if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                         m_resolvers.remove(key);
                         return;
                     }
                     const QString path = reply.arguments().first().value<QDBusObjectPath>().path();
                     if (m_resolvers.contains(key))
                         m_resolvers.insert(key, path);
                     else  // removed meanwhile
                         QDBusConnection::systemBus().asyncCall(call(path, resolverInterface, QStringLiteral("Free")));
                 });
}

void LanDiscovery::found(const QDBusMessage &message)
{
    const QVariantList values = message.arguments();
    if (values.size() < 10)
        return;
    const QString key = keyOf(values.at(0).toInt(), values.at(1).toInt(), values.at(2).toString());
    if (!m_resolvers.contains(key))
        return;
    Peer peer;
    peer.name = values.at(2).toString();
    peer.address = QHostAddress(values.at(7).toString());
    peer.port = quint16(values.at(8).toUInt());
    QList<QByteArray> txt;
    values.at(9).value<QDBusArgument>() >> txt;
    for (const QByteArray &item : std::as_const(txt)) {
        const qsizetype at = item.indexOf('=');
        if (at > 0)
            peer.txt.insert(QString::fromUtf8(item.left(at)), QString::fromUtf8(item.mid(at + 1)));
    }
    if (peer.address.isNull() || peer.port == 0)
        return;
    m_peers.insert(key, peer);
    emit peersChanged();
}

void LanDiscovery::itemRemove(int interface, int protocol, const QString &name, const QString &, const QString &, uint)
{
    const QString key = keyOf(interface, protocol, name);
    const QString resolver = m_resolvers.take(key);
    if (!resolver.isEmpty())
        QDBusConnection::systemBus().asyncCall(call(resolver, resolverInterface, QStringLiteral("Free")));
    if (m_peers.remove(key) > 0)
        emit peersChanged();
}

void LanDiscovery::announce(quint16 port, const QHash<QString, QString> &txt)
{
    if (!m_available)
        return;
    m_port = port;
    m_txt = txt;
    if (m_serviceName.isEmpty())
        m_serviceName = QStringLiteral("Vantorel on ") + QSysInfo::machineHostName();
    if (!m_group.isEmpty()) {
        whenAnswered(this, call(m_group, groupInterface, QStringLiteral("Reset")), [this](const QDBusMessage &) { addService(); });
        return;
    }
    whenAnswered(this, call(QStringLiteral("/"), serverInterface, QStringLiteral("EntryGroupNew")), [this](const QDBusMessage &reply) {
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            Log::warn(QStringLiteral("share: cannot announce on this network: ") + reply.errorMessage());
            return;
        }
        m_group = reply.arguments().first().value<QDBusObjectPath>().path();
        QDBusConnection::systemBus().connect(avahi, m_group, groupInterface, QStringLiteral("StateChanged"), this,
                                             SLOT(groupStateChanged(int, QString)));
        addService();
    });
}

void LanDiscovery::addService()
{
    if (m_group.isEmpty() || m_port == 0)
        return;
    QList<QByteArray> txt;
    for (auto it = m_txt.cbegin(); it != m_txt.cend(); ++it)
        txt.append(it.key().toUtf8() + '=' + it.value().toUtf8());
    std::sort(txt.begin(), txt.end());
    const QVariantList args{anyInterface, anyProtocol, 0u, m_serviceName, serviceType, QString(), QString(),
                            QVariant::fromValue(m_port), QVariant::fromValue(txt)};
    whenAnswered(this, call(m_group, groupInterface, QStringLiteral("AddService"), args), [this](const QDBusMessage &reply) {
        if (reply.errorName() == QLatin1String("org.freedesktop.Avahi.CollisionError") && ++m_collisions < 20) {
            renameAndAnnounce();
            return;
        }
        if (reply.type() != QDBusMessage::ReplyMessage) {
            Log::warn(QStringLiteral("share: cannot announce on this network: ") + reply.errorMessage());
            return;
        }
        QDBusConnection::systemBus().asyncCall(call(m_group, groupInterface, QStringLiteral("Commit")));
        Log::info(QStringLiteral("share: announced \"") + m_serviceName + QStringLiteral("\" on port ") + QString::number(m_port));
    });
}

void LanDiscovery::groupStateChanged(int state, const QString &)
{
    if (state == groupCollision && ++m_collisions < 20)
        renameAndAnnounce();
}

void LanDiscovery::renameAndAnnounce()
{
    // Another computer (or a program here) has the name: take the daemon's next one ("... #2").
    whenAnswered(this, call(QStringLiteral("/"), serverInterface, QStringLiteral("GetAlternativeServiceName"), {m_serviceName}),
                 [this](const QDBusMessage &reply) {
                     if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                         return;
                     m_serviceName = reply.arguments().first().toString();
                     announce(m_port, m_txt);
                 });
}

void LanDiscovery::withdraw()
{
    m_port = 0;
    if (m_group.isEmpty())
        return;
    QDBusConnection::systemBus().asyncCall(call(m_group, groupInterface, QStringLiteral("Free")));
    QDBusConnection::systemBus().disconnect(avahi, m_group, groupInterface, QStringLiteral("StateChanged"), this,
                                            SLOT(groupStateChanged(int, QString)));
    m_group.clear();
}
