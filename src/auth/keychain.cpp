#include "auth/keychain.h"
#include "support/launcher_error.h"
#include "support/log.h"

#include <QDBusConnection>
#include <QTimer>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QCoro/QCoroSignal>
#include <memory>
#include <qt6keychain/keychain.h>

namespace {
const QString service = QStringLiteral("vantorel-launcher");
const QString key = QStringLiteral("session");

std::chrono::milliseconds answerDeadline{10'000};

// A store that never answers (a daemon stuck on a prompt nobody can see) must not hold the start
// for ever: past the deadline the job is left to finish on its own and the caller hears a failure.
template<typename Job>
struct JobHandle {
    Job *job = new Job(service);
    bool answered = false;
    JobHandle()
    {
        job->setAutoDelete(false);
        job->setInsecureFallback(false);
        job->setKey(key);
    }
    ~JobHandle()
    {
        if (answered)
            job->deleteLater();
        else  // the backend still holds it: it goes when it finally finishes
            QObject::connect(job, &QKeychain::Job::finished, job, &QObject::deleteLater);
    }
    JobHandle(const JobHandle &) = delete;
    JobHandle &operator=(const JobHandle &) = delete;

    QCoro::Task<bool> run()
    {
        // One signal ends the wait, the job's end or the deadline; it goes with this frame, so
        // an end that comes too late resumes nothing.
        QTimer wake;
        wake.setSingleShot(true);
        bool finished = false;
        QObject::connect(job, &QKeychain::Job::finished, &wake, [&finished, &wake] {
            finished = true;
            wake.start(0);
        });
        wake.start(answerDeadline);
        job->start();  // may finish in here
        co_await qCoro(&wake, &QTimer::timeout);
        answered = finished;
        if (!answered)
            Log::info(QStringLiteral("keychain: the secret service did not answer in %1 s")
                          .arg(qMax<qint64>(1, answerDeadline.count() / 1000)));
        co_return answered;
    }
};

// Asked of the bus without waiting on it: a bus that is slow to answer must not freeze the window.
QCoro::Task<bool> secretServicePresent()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        co_return false;
    const QDBusPendingCall call = bus.interface()->asyncCall(QStringLiteral("NameHasOwner"), QStringLiteral("org.freedesktop.secrets"));
    QDBusPendingCallWatcher watcher(call);
    if (!watcher.isFinished())
        co_await qCoro(&watcher, &QDBusPendingCallWatcher::finished);
    const QDBusPendingReply<bool> reply = watcher;
    co_return reply.isValid() && reply.value();
}

// The libsecret backend reports a missing bus or daemon as a generic failure.
QCoro::Task<int> statusOf(int error)
{
    if (error != QKeychain::OtherError)
        co_return Keychain::statusCode(error);
    // Awaited in a statement of its own: GCC 12 mis-handles the task's lifetime inside a condition.
    const bool present = co_await secretServicePresent();
    co_return Keychain::statusCode(present ? error : int(QKeychain::NoBackendAvailable));
}
}

namespace Keychain {
int statusCode(int error)
{
    switch (QKeychain::Error(error)) {
    case QKeychain::NoError: return 0;
    case QKeychain::EntryNotFound: return -25300;
    case QKeychain::NoBackendAvailable: return -25291;
    case QKeychain::AccessDenied: return -25293;
    case QKeychain::AccessDeniedByUser: return -128;
    default: return -2070;
    }
}

void setAnswerDeadline(std::chrono::milliseconds deadline) { answerDeadline = deadline; }

QCoro::Task<std::optional<Session>> load()
{
    JobHandle<QKeychain::ReadPasswordJob> handle;
    auto *job = handle.job;
    if (!co_await handle.run())
        throw LauncherError::keychain(LauncherError::keychainRead(timedOutStatus));
    const int status = co_await statusOf(job->error());
    if (status == -25300)
        co_return std::nullopt;
    if (status != 0)
        throw LauncherError::keychain(LauncherError::keychainRead(status));
    co_return Session::decode(job->binaryData());
}

QCoro::Task<> store(Session session)
{
    JobHandle<QKeychain::WritePasswordJob> handle;
    auto *job = handle.job;
    // Text, so the secret is the JSON itself for every client of the item; binary data would be
    // stored as base64. Items of that older form still read back (QtKeychain decodes them).
    job->setTextData(QString::fromUtf8(session.encoded()));
    if (!co_await handle.run())
        throw LauncherError::keychain(LauncherError::keychainSave(timedOutStatus));
    const int status = co_await statusOf(job->error());
    if (status != 0)
        throw LauncherError::keychain(LauncherError::keychainSave(status));
}

QCoro::Task<> clear()
{
    JobHandle<QKeychain::DeletePasswordJob> handle;
    co_await handle.run();
}
}
