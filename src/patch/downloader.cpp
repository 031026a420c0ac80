#include "patch/downloader.h"
#include "net/http.h"
#include "support/background.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPromise>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <QCoro/QCoroFuture>
#include <memory>

namespace {
struct Outcome {
    QString file;
    std::exception_ptr error;
};
}

// Lives on the downloader's thread; everything in it runs there.
class DownloadWorker : public QObject {
public:
    DownloadWorker(QByteArray userAgent, int idleMs) : m_userAgent(std::move(userAgent)), m_idleMs(idleMs) {}
    // The thread ended with transfers still running (the application quit): drop their bodies.
    ~DownloadWorker() override
    {
        for (const auto &transfer : std::as_const(m_transfers)) {
            transfer->file.close();
            transfer->file.remove();
        }
    }

    void start(QUrl url, std::function<void(qint64)> onBytes, qint64 maxBytes, std::shared_ptr<QPromise<Outcome>> promise)
    {
        if (m_cancelled) {
            resolve(promise, {{}, std::make_exception_ptr(Http::TransportError(QStringLiteral("Operation canceled")))});
            return;
        }
        // Only HTTP answers have a status. Other schemes (file:, data:, ftp:) would make the network
        // manager read local files or other services for a manifest's URL: never asked for.
        const QString scheme = url.scheme().toLower();
        if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
            resolve(promise, {{}, std::make_exception_ptr(LauncherError::patch(LauncherError::downloadStatus(0)))});
            return;
        }
        if (!m_manager) {
            m_manager = new QNetworkAccessManager(this);
            m_manager->setAutoDeleteReplies(false);
        }
        const QString folder = Paths::downloadTemp();
        QDir().mkpath(folder);
        auto transfer = std::make_shared<Transfer>();
        transfer->onBytes = std::move(onBytes);
        transfer->maxBytes = maxBytes;
        transfer->promise = std::move(promise);
        transfer->file.setFileName(folder + QStringLiteral("/vantorel-")
                                   + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
        // Unbuffered: every write reaches the file system at once, so a full disk is seen (and named) at once.
        if (!transfer->file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            resolve(transfer->promise, {{}, std::make_exception_ptr(PlatformError(
                QStringLiteral("Couldn't create a download file in %1: %2").arg(folder, transfer->file.errorString())))});
            return;
        }
        QNetworkRequest request(url);
        request.setRawHeader("User-Agent", m_userAgent);
        request.setTransferTimeout(m_idleMs);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        QNetworkReply *reply = m_manager->get(request);
        // Back-pressure: the network thread buffers at most this much ahead of the disk.
        reply->setReadBufferSize(1 << 20);
        transfer->reply = reply;
        m_transfers.insert(reply, transfer);
        connect(reply, &QNetworkReply::readyRead, this, [this, reply] { onData(reply); });
        connect(reply, &QNetworkReply::finished, this, [this, reply] { onFinished(reply); });
    }

    void cancelAll()
    {
        m_cancelled = true;
        const auto replies = m_transfers.keys();
        for (QNetworkReply *reply : replies)
            reply->abort();
    }

private:
    struct Transfer {
        QNetworkReply *reply = nullptr;
        QFile file;
        qint64 written = 0;
        qint64 maxBytes = -1;
        std::function<void(qint64)> onBytes;
        std::shared_ptr<QPromise<Outcome>> promise;
    };

    static void resolve(const std::shared_ptr<QPromise<Outcome>> &promise, Outcome outcome)
    {
        promise->addResult(std::move(outcome));
        promise->finish();
    }

    // Ends a transfer exactly once: whichever path comes first takes it out of the map.
    void end(QNetworkReply *reply, Outcome outcome)
    {
        const auto transfer = m_transfers.take(reply);
        if (!transfer)
            return;
        transfer->file.close();
        if (outcome.error)
            transfer->file.remove();
        reply->disconnect(this);
        reply->deleteLater();
        resolve(transfer->promise, std::move(outcome));
    }

    void onData(QNetworkReply *reply)
    {
        const auto transfer = m_transfers.value(reply);
        if (!transfer)
            return;
        const QByteArray data = reply->readAll();
        if (transfer->maxBytes >= 0 && transfer->written + data.size() > transfer->maxBytes) {
            end(reply, {{}, std::make_exception_ptr(BodyTooLarge(QStringLiteral("The download is larger than expected.")))});
            reply->abort();
            return;
        }
        if (transfer->file.write(data) != data.size()) {
            const int error = errno;
            end(reply, {{}, std::make_exception_ptr(PlatformError(
                QStringLiteral("Couldn't write the download: %1").arg(QString::fromLocal8Bit(strerror(error)))))});
            reply->abort();
            return;
        }
        const qint64 before = transfer->written;
        transfer->written += data.size();
        if (transfer->onBytes && data.size())
            transfer->onBytes(transfer->written - before);
    }

    void onFinished(QNetworkReply *reply)
    {
        const auto transfer = m_transfers.value(reply);
        if (!transfer)
            return;
        if (reply->isOpen())
            onData(reply);  // whatever arrived with the end
        if (!m_transfers.contains(reply))
            return;
        if (!Http::isAnswer(reply)) {
            // Finished without an error and without a status: whatever answered was not HTTP.
            if (reply->error() == QNetworkReply::NoError) {
                end(reply, {{}, std::make_exception_ptr(LauncherError::patch(LauncherError::downloadStatus(0)))});
                return;
            }
            end(reply, {{}, std::make_exception_ptr(Http::TransportError(reply->errorString()))});
            return;
        }
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status != 200) {
            end(reply, {{}, std::make_exception_ptr(LauncherError::patch(LauncherError::downloadStatus(status)))});
            return;
        }
        if (!transfer->file.flush()) {
            end(reply, {{}, std::make_exception_ptr(PlatformError(
                QStringLiteral("Couldn't write the download: %1").arg(transfer->file.errorString())))});
            return;
        }
        end(reply, {transfer->file.fileName(), nullptr});
    }

    QByteArray m_userAgent;
    int m_idleMs;
    QNetworkAccessManager *m_manager = nullptr;
    QHash<QNetworkReply *, std::shared_ptr<Transfer>> m_transfers;
    bool m_cancelled = false;
};

Downloader::Downloader(QByteArray userAgent, int idleTimeoutMs)
    : m_thread(new QThread), m_worker(new DownloadWorker(std::move(userAgent), idleTimeoutMs))
{
    m_thread->setObjectName(QStringLiteral("vantorel.download"));
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    Background::track(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(m_worker, [] { Background::yieldToInterface(); });
}

Downloader::~Downloader()
{
    invalidateAndCancel();
    // Queued behind the cancellation, so the worker sees it before its loop ends.
    QMetaObject::invokeMethod(m_worker, [thread = m_thread] { thread->quit(); });
}

void Downloader::invalidateAndCancel()
{
    // Calls are queued in order, so a download asked for after this is refused by the worker.
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->cancelAll(); });
}

QCoro::Task<QString> Downloader::download(QUrl url, std::function<void(qint64)> onBytes, qint64 maxBytes)
{
    auto promise = std::make_shared<QPromise<Outcome>>();
    QFuture<Outcome> future = promise->future();
    promise->start();
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, url, onBytes, maxBytes, promise] {
        worker->start(url, onBytes, maxBytes, promise);
    });
    const Outcome outcome = co_await future;
    if (outcome.error)
        std::rethrow_exception(outcome.error);
    co_return outcome.file;
}
