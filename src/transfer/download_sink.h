#pragma once
#include "net/engine.h"
#include "support/handoff.h"
#include "transfer/body_writer.h"
#include "transfer/downloader.h"

#include <QFile>
#include <atomic>
#include <exception>
#include <mutex>
#include <unordered_set>

// What one Downloader's transfers share: which are running (for stop and cancel), and whether
// the run was cancelled.
struct DownloadGroup {
    std::mutex mutex;
    bool cancelled = false;
    std::unordered_set<class DownloadSink *> running;
};

// One body on its way to disk: judges the answer's status and range, reads within the speed
// limit, hands the bytes to the disk's writer (which writes and hashes them), has them made
// durable and recorded now and then, and keeps a cut body for resuming. It decides on the network
// thread; everything that touches the disk runs on the disk's threads, in order. A writer that
// falls behind holds the transfer back until it has caught up.
class DownloadSink : public Net::Sink, public std::enable_shared_from_this<DownloadSink> {
public:
    struct Outcome {
        DownloadResult result;
        std::exception_ptr error;
    };

    DownloadSink(DownloadRequest request, QByteArray userAgent, int idleMs, std::shared_ptr<DownloadGroup> group);
    std::shared_ptr<Handoff<Outcome>> outcome() const { return m_outcome; }

    // Opens the file (a new one, a staging file, or the kept body) and sends the request.
    void begin();
    void cancel(const QString &why);
    const DownloadRequest &request() const { return m_request; }

    bool onResponse(const Net::Response &response) override;
    Take onBody(const char *data, qint64 size) override;
    int laterMs() override { return m_laterMs; }
    void onEnd(const Net::Ending &ending, const Net::Response &response) override;

private:
    void send();
    bool judgeRange(const Net::Response &response);
    bool judgeResumed(const Net::Response &response);
    bool replaceKept(const Net::Response &response);
    void judgeWhole(const Net::Response &response);
    bool refuse(const QString &why);
    bool refuseResume(const QString &why);
    void overtake();
    Take readErrorBody(qint64 size);
    Take later(int ms);
    bool roomToWrite();
    void pushWrites();
    void writeOut(const QByteArray &bytes);  // on the writer's thread
    void complete(const Net::Response &response);
    void checkpoint();
    void keep();
    void end(std::exception_ptr error, bool keepBody);
    // The ends of a download, on the disk's thread.
    void deliverWhole();
    void deliverFailure(std::exception_ptr error, bool keepBody);
    bool openStaging();
    bool openInDownloadArea(QFile &file);

    qint64 total() const { return m_base + m_written; }
    bool resumable() const { return m_request.key && !m_validator.isEmpty() && total() > 0; }

    DownloadRequest m_request;
    QByteArray m_userAgent;
    int m_idleMs;
    std::shared_ptr<DownloadGroup> m_group;
    std::shared_ptr<Handoff<Outcome>> m_outcome = std::make_shared<Handoff<Outcome>>();
    std::atomic<Net::Engine::Id> m_id{0};
    std::shared_ptr<QFile> m_file = std::make_shared<QFile>();
    BodyWriter m_out;
    qint64 m_base = 0;      // bytes of the body before this answer (a kept prefix)
    qint64 m_written = 0;   // bytes of this answer written
    qint64 m_recorded = 0;  // bytes made durable and recorded
    bool m_body = false;    // this answer's body is the file's content
    qint64 m_errorBytes = 0;    // bytes of an error answer's body read
    bool m_errorCapped = false; // ... and no more will be: the status is all that is needed
    // The kept body while a whole one on its way replaces it, once it has overtaken it.
    std::shared_ptr<QFile> m_kept;
    qint64 m_keptBytes = 0;
    ResumeStore::Validator m_validator;
    std::exception_ptr m_error;  // why this sink stopped the transfer
    int m_laterMs = 5;
    QByteArray m_gathered;  // taken, not yet handed to the writer (network thread)
    std::mutex m_writesMutex;
    qint64 m_queued = 0;           // handed to the writer, not yet written
    bool m_waitingForRoom = false; // the transfer waits for the writer to catch up
    std::atomic<int> m_writeError{0};  // errno of the first write that failed
};
