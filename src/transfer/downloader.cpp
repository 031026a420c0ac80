#include "transfer/downloader.h"
#include "net/http.h"
#include "transfer/download_worker.h"
#include "support/background.h"

#include <QThread>
#include <QCoro/QCoroFuture>

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

void Downloader::stop(std::shared_ptr<const void> handle, QString why)
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, handle = std::move(handle), why = std::move(why)] {
        worker->stop(handle, why);
    });
}

QCoro::Task<DownloadResult> Downloader::fetch(DownloadRequest request)
{
    auto promise = std::make_shared<QPromise<DownloadWorker::Outcome>>();
    QFuture<DownloadWorker::Outcome> future = promise->future();
    promise->start();
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, request = std::move(request), promise]() mutable {
        worker->start(std::move(request), promise);
    });
    const DownloadWorker::Outcome outcome = co_await future;
    if (outcome.error)
        std::rethrow_exception(outcome.error);
    co_return outcome.result;
}

QCoro::Task<QString> Downloader::download(QUrl url, std::function<void(qint64)> onBytes, qint64 maxBytes)
{
    DownloadRequest request;
    request.url = std::move(url);
    request.onBytes = std::move(onBytes);
    request.maxBytes = maxBytes;
    const DownloadResult result = co_await fetch(std::move(request));
    co_return result.file;
}
