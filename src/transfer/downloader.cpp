#include "transfer/downloader.h"
#include "transfer/download_sink.h"
#include "transfer/disk_queue.h"


Downloader::Downloader(QByteArray userAgent, int idleTimeoutMs)
    : m_userAgent(std::move(userAgent)), m_idleMs(idleTimeoutMs), m_group(std::make_shared<DownloadGroup>())
{
}

Downloader::~Downloader()
{
    invalidateAndCancel();
}

QString Downloader::cancelledWhy()
{
    return QStringLiteral("The download was cancelled.");
}

void Downloader::invalidateAndCancel()
{
    std::lock_guard lock(m_group->mutex);
    m_group->cancelled = true;
    for (DownloadSink *sink : m_group->running)
        sink->cancel(cancelledWhy());
}

bool Downloader::stop(std::shared_ptr<const void> handle, QString why)
{
    std::lock_guard lock(m_group->mutex);
    bool found = false;
    for (DownloadSink *sink : m_group->running)
        if (handle && sink->request().handle == handle) {
            sink->cancel(why);
            found = true;
        }
    return found;
}

QCoro::Task<DownloadResult> Downloader::fetch(DownloadRequest request)
{
    auto sink = std::make_shared<DownloadSink>(std::move(request), m_userAgent, m_idleMs, m_group);
    const auto handoff = sink->outcome();
    // Files are opened on the disk's thread, never on the caller's nor the network's.
    DiskQueue::post([sink] { sink->begin(); });
    const DownloadSink::Outcome outcome = co_await *handoff;
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
