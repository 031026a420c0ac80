#pragma once
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

// One launcher per profile: two processes on one install folder would race. The first start holds
// a lock in the launcher directory and listens; a later start asks it to come to the front, then exits.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &launcherDir);
    // True when this process is the one to run (also when no lock can be made at all); otherwise
    // the running one has been asked to show itself.
    bool claim();
    // Called in the running launcher with the activation token the second start was given
    // (XDG_ACTIVATION_TOKEN on Wayland; empty when none).
    std::function<void(const QByteArray &token)> onActivate;

private:
    QString m_name;
    QLockFile m_lock;
    QLocalServer m_server;
};
