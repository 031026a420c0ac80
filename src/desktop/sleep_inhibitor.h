#pragma once
#include <QDBusUnixFileDescriptor>
#include <QObject>

// Keeps the machine awake (no suspend, no idle action) while held, through logind. The lock is the
// descriptor logind hands out: it holds as long as the descriptor is open, also if this process dies.
class SleepInhibitor : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Both return at once; the answer of logind arrives later. Without logind, nothing happens.
    void hold();
    void release();
    bool held() const { return m_lock.isValid(); }

private:
    void taken(const QDBusUnixFileDescriptor &lock);

    bool m_wanted = false;
    bool m_asking = false;
    QDBusUnixFileDescriptor m_lock;
};
