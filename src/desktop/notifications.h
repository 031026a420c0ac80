#pragma once
#include <QObject>
#include <QSet>

// Desktop notifications of the launcher (the freedesktop notification service of the session).
class Notifications : public QObject {
    Q_OBJECT
public:
    explicit Notifications(QObject *parent = nullptr);
    // Returns at once; without a notification service, nothing is shown.
    void show(const QString &summary, const QString &body);

signals:
    // The player clicked one of ours. token: the Wayland activation token the service handed over
    // with the click, if any.
    void activated(const QByteArray &token);

private slots:
    void actionInvoked(uint id, const QString &action);
    void activationToken(uint id, const QString &token);

private:
    QSet<uint> m_shown;
    QByteArray m_token;
};
