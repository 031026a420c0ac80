#pragma once
#include "support/sha256.h"
#include "transfer/download_failure.h"
#include "transfer/resume_store.h"
#include "support/launcher_error.h"

#include <QByteArray>
#include <QUrl>
#include <QCoro/QCoroTask>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>


// One body to fetch.
struct DownloadRequest {
    QUrl url;
    // Growth of the body from the network, called on the downloader's thread.
    std::function<void(qint64)> onBytes;
    // Bytes read that are not the body's (an error page), on the downloader's thread.
    std::function<void(qint64)> onOtherBytes;
    // The kept prefix (from) turned out unusable and was dropped: its size.
    std::function<void(qint64)> onDropped;
    qint64 maxBytes = -1;                               // >= 0: stop a body that grows past it
    std::optional<ResumeStore::BodyKey> key;            // set: a cut body is kept to be resumed
    std::optional<ResumeStore::PartialBody> from;       // continue this kept body
    std::shared_ptr<Sha256Stream> digest;      // holds from's prefix already, when resuming
    // Set: the body is written straight to this new file (its folder made first, anything in its
    // place removed) and never kept for resuming; the result names it.
    QString staging;
    // rangeFirst >= 0: only bytes rangeFirst..rangeLast of a body of rangeOf bytes. Anything but a
    // 206 of exactly that range ends the transfer at once with RangeRefused.
    qint64 rangeFirst = -1;
    qint64 rangeLast = -1;
    qint64 rangeOf = -1;
    // A kept body resumed from another origin than the one that sent it: that origin's validator
    // means nothing here, so the rest is asked for by range alone.
    bool ifRange = true;
    // Set with from: ask for the whole body, which replaces the kept one once it has overtaken it
    // (the range was refused before).
    bool wholeOverKept = false;
    // Names the transfer for stop().
    std::shared_ptr<const void> handle;
    // Set while the transfer is held back (by the speed limit, or a disk that is behind): its
    // origin is not silent then.
    std::shared_ptr<std::atomic<bool>> held;
};

struct DownloadResult {
    QString file;    // "vantorel-<UUID>" in the download folder; the caller owns it
    QString sha256;  // of the whole body, taken as it arrived
    // Keeps a body of the download area locked (no other run sweeps it away) until dropped.
    std::shared_ptr<void> hold;
};

struct DownloadGroup;

// Fetches URLs into temporary files through the process's network thread, so that bodies go
// straight to disk without touching the GUI thread. Any number of downloads may run at once; each
// caller is resumed exactly once, on its own thread. Every transfer reads within the process's
// download speed limit (RateLimiter::global()).
class Downloader {
public:
    Downloader(QByteArray userAgent, int idleTimeoutMs);
    ~Downloader();  // cancels what still runs; never waits
    Downloader(const Downloader &) = delete;
    Downloader &operator=(const Downloader &) = delete;

    // Returns the path of a new file "vantorel-<UUID>" in the download folder holding the body of
    // a 200 answer; the caller owns and removes it. onBytes gets the growth of the body on disk
    // (from the network thread). maxBytes >= 0 stops a body that grows past it (BodyTooLarge).
    // Throws Http::TransportError, LauncherError::patch for another status, or a file error.
    QCoro::Task<QString> download(QUrl url, std::function<void(qint64)> onBytes, qint64 maxBytes = -1);

    // The same for a request that may resume a kept body (Range from its end, If-Range with its
    // validator; only a 206 from exactly there with the entry's total is appended, a 200 replaces
    // it) and that keeps its own body, with a record, when a transport failure cuts it off.
    QCoro::Task<DownloadResult> fetch(DownloadRequest request);

    // Ends the transfer of the request with this handle as if its connection broke (its body is
    // kept for resuming); false, doing nothing, when none is running (not begun, or ended).
    bool stop(std::shared_ptr<const void> handle, QString why);

    // Cancels every running transfer (each ends with a transport error) and refuses new ones.
    // Returns at once.
    void invalidateAndCancel();

    // The message of a transfer that was cancelled.
    static QString cancelledWhy();

private:
    QByteArray m_userAgent;
    int m_idleMs;
    std::shared_ptr<DownloadGroup> m_group;
};
