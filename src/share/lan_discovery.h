#pragma once
#include <QByteArray>
#include <QDBusObjectPath>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class QDBusMessage;

// DNS-SD through the system's Avahi daemon over D-Bus: announces this computer's service and
// finds the others'. Asynchronous throughout; without Avahi it stays inert after one INFO line.
class LanDiscovery : public QObject {
    Q_OBJECT
public:
    static inline const QString serviceType = QStringLiteral("_vantorel._tcp");

    struct Peer {
        QString name;
        QHostAddress address;
        quint16 port = 0;
        QHash<QString, QString> txt;  // "v", "channel", "list"
    };

    explicit LanDiscovery(QObject *parent = nullptr);
    ~LanDiscovery() override;

    // Asks whether Avahi runs; emits ready(true) and starts browsing, or ready(false).
    void start();
    bool available() const { return m_available; }
    // Announces (or re-announces with new TXT) the service on `port`; withdraw() takes it back.
    void announce(quint16 port, const QHash<QString, QString> &txt);
    void withdraw();
    QList<Peer> peers() const { return m_peers.values(); }

signals:
    void ready(bool available);
    void peersChanged();

private slots:
    void itemNew(int interface, int protocol, const QString &name, const QString &type, const QString &domain, uint flags);
    void itemRemove(int interface, int protocol, const QString &name, const QString &type, const QString &domain, uint flags);
    void groupStateChanged(int state, const QString &error);
    void found(const QDBusMessage &message);

private:
    void browse();
    void addService();
    void renameAndAnnounce();

    bool m_available = false;
    QString m_browser;
    QString m_group;
    QString m_serviceName;
    quint16 m_port = 0;
    int m_collisions = 0;
    QHash<QString, QString> m_txt;
    QHash<QString, Peer> m_peers;  // by "interface/protocol/name"
    QHash<QString, QString> m_resolvers;  // their resolvers' paths (empty while being made)
};
