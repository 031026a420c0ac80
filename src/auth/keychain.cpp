#include "auth/keychain.h"
#include "support/launcher_error.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QCoro/QCoroSignal>
#include <memory>
#include <qt6keychain/keychain.h>

namespace {
const QString service = QStringLiteral("vantorel-launcher");
const QString key = QStringLiteral("session");

// Jobs delete themselves after finishing unless told otherwise; the coroutine owns them instead.
template<typename Job>
std::unique_ptr<Job, void (*)(Job *)> makeJob()
{
    auto *job = new Job(service);
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    job->setKey(key);
    return {job, [](Job *j) { j->deleteLater(); }};
}

template<typename Job>
QCoro::Task<> run(Job *job)
{
    // A job may finish inside start(); a signal emitted before the co_await would be lost.
    bool done = false;
    QObject::connect(job, &QKeychain::Job::finished, job, [&done] { done = true; });
    job->start();
    if (!done)
        co_await qCoro(job, &QKeychain::Job::finished);
}

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
    if (error == QKeychain::OtherError && !co_await secretServicePresent())
        error = QKeychain::NoBackendAvailable;
    co_return Keychain::statusCode(error);
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

QCoro::Task<std::optional<Session>> load()
{
    auto job = makeJob<QKeychain::ReadPasswordJob>();
    co_await run(job.get());
    const int status = co_await statusOf(job->error());
    if (status == -25300)
        co_return std::nullopt;
    if (status != 0)
        throw LauncherError::keychain(LauncherError::keychainRead(status));
    co_return Session::decode(job->binaryData());
}

QCoro::Task<> store(Session session)
{
    auto job = makeJob<QKeychain::WritePasswordJob>();
    // Text, so the secret is the JSON itself for every client of the item; binary data would be
    // stored as base64. Items of that older form still read back (QtKeychain decodes them).
    job->setTextData(QString::fromUtf8(session.encoded()));
    co_await run(job.get());
    const int status = co_await statusOf(job->error());
    if (status != 0)
        throw LauncherError::keychain(LauncherError::keychainSave(status));
}

QCoro::Task<> clear()
{
    auto job = makeJob<QKeychain::DeletePasswordJob>();
    co_await run(job.get());
}
}
