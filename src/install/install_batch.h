#pragma once
#include <QCoro/QCoroTask>
#include <QFuture>
#include <QList>
#include <QString>
#include <chrono>
#include <exception>
#include <memory>
#include <mutex>

namespace Patcher {

// Installs checked small files together instead of one by one: a batch's staging files reach the
// disk together (fdatasync spread over a few threads), are then renamed over their destinations,
// and each touched folder (with the folders above it, up to the root) is flushed once. A file
// under its final name is thus always old or new, whenever the process dies; after finish() every
// file handed over is on disk under its final name.
class InstallBatch : public std::enable_shared_from_this<InstallBatch> {
public:
    // Bodies up to this size are written straight to their staging file and installed in batches;
    // larger ones take the resumable path and are installed one by one.
    static constexpr qint64 smallBody = 256 << 10;
    // How long a checked file may wait for its batch to fill: files go into place while a slow
    // download goes on, and a player who quits keeps them.
    static constexpr std::chrono::milliseconds maxWait{1500};

    explicit InstallBatch(QString root) : m_root(std::move(root)) {}
    ~InstallBatch();
    InstallBatch(const InstallBatch &) = delete;
    InstallBatch &operator=(const InstallBatch &) = delete;

    // A checked staging file for destination; the batch owns it from now on. Never blocks: a full
    // batch, or one that has waited maxWait, is flushed on the install pool. Call it on a thread
    // with an event loop, and on a batch held by a shared_ptr.
    void add(const QString &staging, const QString &destination, qint64 bytes);
    // Flushes what is left and waits for every flush; throws the first flush's failure.
    QCoro::Task<> finish();
    // A flush has failed: the run ends with that error.
    bool failed() const;

private:
    struct Staged {
        QString staging;
        QString destination;
    };
    void flushAsync();
    void flush(const QList<Staged> &items);

    QString m_root;
    mutable std::mutex m_lock;   // guards everything below
    std::mutex m_flushing;       // one flush at a time, in the order they were started
    QList<Staged> m_pending;
    qint64 m_pendingBytes = 0;
    quint64 m_started = 0;  // flushAsync calls so far: which pending batch a timer was set for
    QList<QFuture<void>> m_flushes;
    std::exception_ptr m_error;
};
}
