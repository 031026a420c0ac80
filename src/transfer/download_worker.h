#pragma once
#include "transfer/body_writer.h"
#include "transfer/downloader.h"

#include <QFile>
#include <QFuture>
#include <QHash>
#include <QSet>
#include <QObject>
#include <QPromise>
#include <QTimer>
#include <exception>

class QNetworkAccessManager;
class QNetworkReply;

// The downloader's thread-side half: owns the network manager and every transfer, writes bodies,
// hashes them as they arrive, keeps cut bodies for resuming and reads within the speed limit.
// Everything in it runs on the downloader's thread.
class DownloadWorker : public QObject {
public:
    struct Outcome {
        DownloadResult result;
        std::exception_ptr error;
    };
    using Promise = std::shared_ptr<QPromise<Outcome>>;

    DownloadWorker(QByteArray userAgent, int idleMs);
    // The thread ended with transfers still running (the application quit): resumable bodies are
    // kept with their record, the others dropped.
    ~DownloadWorker() override;

    void start(DownloadRequest request, Promise promise);
    void cancelAll();
    void stop(const std::shared_ptr<const void> &handle, const QString &why);

private:
    struct Transfer {
        DownloadRequest request;
        QNetworkReply *reply = nullptr;
        QFile file;
        BodyWriter out;
        qint64 base = 0;           // bytes of the body before this response (a kept prefix)
        qint64 written = 0;        // bytes of this response written
        qint64 recorded = 0;       // bytes made durable and recorded
        bool checked = false;      // the status line has been judged
        bool body = false;         // this response's body is the file's content
        bool finished = false;     // the reply ended; its last bytes wait for the speed limit
        ResumeStore::Validator validator;
        Promise promise;
        qint64 total() const { return base + written; }
        bool resumable() const { return request.key && !validator.isEmpty() && total() > 0; }
    };
    using TransferPtr = std::shared_ptr<Transfer>;

    void send(const TransferPtr &t);
    bool judge(const TransferPtr &t);
    bool judgeRange(const TransferPtr &t, int code);
    bool judgeResumed(const TransferPtr &t, int code);
    static void judgeWhole(Transfer &t, int code);
    static void dropKept(Transfer &t);
    void restart(const TransferPtr &t);
    void onData(QNetworkReply *reply);
    void onFinished(QNetworkReply *reply);
    void complete(const TransferPtr &t);
    bool consume(const TransferPtr &t, const QByteArray &data);
    void pump();
    static QByteArray readUpTo(QNetworkReply *reply, qint64 bytes);
    qint64 readBufferSize() const;
    void keep(Transfer &t);
    void end(const TransferPtr &t, Outcome outcome, bool keepBody);
    static void resolve(const Promise &promise, Outcome outcome);
    bool openStaging(QFile &file, const QString &path);  // download_staging.cpp

    QByteArray m_userAgent;
    int m_idleMs;
    QNetworkAccessManager *m_manager = nullptr;
    QHash<QNetworkReply *, TransferPtr> m_transfers;
    QTimer *m_pump;
    qint64 m_bufferSize = 1 << 20;
    bool m_heldBack = false;  // the speed limit has made bytes wait
    bool m_cancelled = false;
    QSet<QString> m_madeFolders;  // staging folders known to exist
};
