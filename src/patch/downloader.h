#pragma once
#include "support/launcher_error.h"

#include <QByteArray>
#include <QThread>
#include <QUrl>
#include <QCoro/QCoroTask>
#include <functional>

class DownloadWorker;

// A body that grew past the size the caller allowed; the transfer was stopped at once.
class BodyTooLarge : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// Fetches URLs into temporary files on a thread of its own with its own network manager, so that
// bodies go straight to disk without touching the GUI thread. Any number of downloads may run at
// once; each caller is resumed exactly once, on its own thread.
class Downloader {
public:
    Downloader(QByteArray userAgent, int idleTimeoutMs);
    ~Downloader();  // cancels what still runs; never waits (the thread ends and goes on its own)
    Downloader(const Downloader &) = delete;
    Downloader &operator=(const Downloader &) = delete;

    // Returns the path of a new file "vantorel-<UUID>" in the download folder holding the body of
    // a 200 answer; the caller owns and removes it. onBytes gets the growth of the body on disk
    // (from the worker thread). maxBytes >= 0 stops a body that grows past it (BodyTooLarge).
    // Throws Http::TransportError, LauncherError::patch for another status, or a file error.
    QCoro::Task<QString> download(QUrl url, std::function<void(qint64)> onBytes, qint64 maxBytes = -1);

    // Cancels every running transfer (each ends with the cancelled-transfer error) and refuses new
    // ones. Returns at once; the transfers end on the downloader's thread.
    void invalidateAndCancel();

private:
    QThread *m_thread;
    DownloadWorker *m_worker;
};
