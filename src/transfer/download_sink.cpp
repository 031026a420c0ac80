#include "transfer/download_sink.h"
#include "net/http.h"
#include "transfer/rate_limiter.h"
#include "transfer/disk_queue.h"
#include "support/patch_timing.h"
#include "support/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {
constexpr qint64 checkpointBytes = 64 << 20;  // a cut body loses at most this much to a crash
constexpr int partialContent = 206;
constexpr int rangeNotSatisfiable = 416;
constexpr qint64 errorBodyCap = 64 << 10;  // enough of an error page for any log; the status says the rest
// Bytes handed to the writer at once, and how far it may fall behind before the transfer waits.
constexpr qsizetype writeBytes = 256 << 10;
constexpr qint64 queuedBytes = 4 << 20;
constexpr int longestWaitMs = 100;  // a limit raised meanwhile is seen this soon

// Buffers between the network and the writer, used again: fresh ones of this size would cost
// the kernel a page fault for every 4 KiB of every body.
class Buffers {
public:
    static QByteArray take()
    {
        {
            std::lock_guard lock(mutex());
            if (!spare().empty()) {
                QByteArray buffer = std::move(spare().back());
                spare().pop_back();
                return buffer;
            }
        }
        QByteArray buffer;
        buffer.reserve(writeBytes);
        return buffer;
    }
    static void give(QByteArray &&buffer)
    {
        buffer.resize(0);  // keeps its capacity
        std::lock_guard lock(mutex());
        if (spare().size() < 32)
            spare().push_back(std::move(buffer));
    }

private:
    // Both outlive main(): the writer's thread may give a buffer back while the process exits.
    static std::mutex &mutex()
    {
        static std::mutex *m = new std::mutex;
        return *m;
    }
    static std::vector<QByteArray> &spare()
    {
        static std::vector<QByteArray> *buffers = new std::vector<QByteArray>;
        return *buffers;
    }
};

std::exception_ptr writeError(int error)
{
    return std::make_exception_ptr(
        LocalFailure(QStringLiteral("Couldn't write the download: %1").arg(QString::fromLocal8Bit(strerror(error)))));
}

qint64 contentLength(const Net::Response &response)
{
    bool known = false;
    const qint64 length = response.header("Content-Length").toLongLong(&known);
    return known ? length : -1;
}

std::exception_ptr transportError(const QString &why)
{
    return std::make_exception_ptr(Http::TransportError(why));
}

// "bytes <first>-<last>/<total>" of a 206.
bool parseContentRange(const QByteArray &value, qint64 &first, qint64 &last, qint64 &total)
{
    static const QRegularExpression form(QStringLiteral("^bytes (\\d+)-(\\d+)/(\\d+)$"));
    const auto match = form.match(QString::fromLatin1(value.trimmed()));
    if (!match.hasMatch())
        return false;
    bool a = false, b = false, c = false;
    first = match.captured(1).toLongLong(&a);
    last = match.captured(2).toLongLong(&b);
    total = match.captured(3).toLongLong(&c);
    return a && b && c && last >= first && last < total;
}

}

DownloadSink::DownloadSink(DownloadRequest request, QByteArray userAgent, int idleMs, std::shared_ptr<DownloadGroup> group)
    : m_request(std::move(request)), m_userAgent(std::move(userAgent)), m_idleMs(idleMs), m_group(std::move(group))
{
    if (!m_request.digest)
        m_request.digest = std::make_shared<Sha256Stream>();
}

void DownloadSink::begin()
{
    bool cancelled = false;
    {
        std::lock_guard lock(m_group->mutex);
        cancelled = m_group->cancelled;
        if (!cancelled)
            m_group->running.insert(this);
    }
    if (cancelled) {
        end(transportError(Downloader::cancelledWhy()), false);
        return;
    }
    // Only HTTP answers have a status; other schemes are never asked for.
    const QString scheme = m_request.url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        end(std::make_exception_ptr(StatusFailure(0)), false);
        return;
    }
    if (const auto &from = m_request.from) {
        m_file->setFileName(from->file);
        // Unbuffered: the body writer writes through the descriptor; nothing may wait in QFile.
        if (m_file->open(QIODevice::ReadWrite | QIODevice::Unbuffered) && ResumeStore::lock(int(m_file->handle()))
            && m_file->size() == from->bytes && m_file->seek(from->bytes)) {
            m_base = from->bytes;
            m_out.reset(int(m_file->handle()), from->bytes);
            m_validator = from->validator;
        } else {
            m_file->close();
            m_request.digest->reset();
            if (m_request.onDropped)
                m_request.onDropped(from->bytes);
        }
    }
    if (m_base == 0 && !m_request.staging.isEmpty()) {
        if (!openStaging()) {
            end(std::make_exception_ptr(LocalFailure(
                    QStringLiteral("Couldn't create \"%1\": %2").arg(m_request.staging, m_file->errorString()))),
                false);
            return;
        }
        m_out.reset(int(m_file->handle()), 0);
    } else if (m_base == 0) {
        if (!openInDownloadArea(*m_file)) {
            end(std::make_exception_ptr(LocalFailure(QStringLiteral("Couldn't create a download file in %1: %2")
                                                         .arg(Paths::downloadTemp(), m_file->errorString()))),
                false);
            return;
        }
        m_out.reset(int(m_file->handle()), 0);
    }
    send();
}

bool DownloadSink::openInDownloadArea(QFile &file)
{
    const QString folder = Paths::downloadTemp();
    QDir().mkpath(folder);
    file.setFileName(folder + QStringLiteral("/vantorel-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return false;
    ResumeStore::lock(int(file.handle()));
    return true;
}

// A small body goes straight to its staging file beside its destination: no move out of the
// download area later, and its inode is made where the file will live (ext4 allocates near the
// folder). The install folder's lock keeps other runs off the name.
bool DownloadSink::openStaging()
{
    // Folders known to exist, for the thousands of small files of one folder (network thread only).
    static thread_local QSet<QString> madeFolders;
    const QString folder = QFileInfo(m_request.staging).absolutePath();
    m_file->setFileName(m_request.staging);
    const auto mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    // A folder made earlier may be gone since (the game was deleted while the launcher ran): a
    // failure looks at it again, once.
    for (int round = 0; round < 2; ++round) {
        if (round > 0 || !madeFolders.contains(folder)) {
            if (!QDir().mkpath(folder))
                break;
            madeFolders.insert(folder);
        }
        if (m_file->open(mode))
            return true;
        // Exclusive creation never writes through a leftover (it may be a link): one is removed first.
        ::unlink(QFile::encodeName(m_request.staging).constData());
        if (m_file->open(mode))
            return true;
    }
    madeFolders.remove(folder);
    return false;
}

void DownloadSink::send()
{
    Net::Request request;
    request.url = m_request.url;
    request.userAgent = m_userAgent;
    request.idleMs = m_idleMs;
    request.minimumWindowMs = Patcher::timing().slowWindowMs;
    request.bulk = true;
    // Under a limit, small reads: every transfer gets its turn often, none runs far ahead.
    if (const qint64 limit = RateLimiter::global().limit(); limit > 0)
        request.bufferBytes = RateLimiter::quantum(limit);
    if (m_request.rangeFirst >= 0) {
        request.headers.append({"Range", "bytes=" + QByteArray::number(m_request.rangeFirst) + '-'
                                             + QByteArray::number(m_request.rangeLast)});
    } else if (m_base > 0 && !m_request.wholeOverKept) {
        request.headers.append({"Range", "bytes=" + QByteArray::number(m_base) + '-'});
        if (m_request.ifRange)
            request.headers.append({"If-Range", m_validator.ifRange()});
    }
    m_body = false;
    {
        // Under the group's lock: a cancel either sees this transfer's id or is seen here.
        std::lock_guard lock(m_group->mutex);
        if (!m_group->cancelled) {
            m_id = Net::Engine::instance().start(std::move(request), shared_from_this());
            return;
        }
    }
    end(transportError(Downloader::cancelledWhy()), true);
}

bool DownloadSink::onResponse(const Net::Response &response)
{
    if (m_request.rangeFirst >= 0)
        return judgeRange(response);
    if (m_base > 0)
        return judgeResumed(response);
    judgeWhole(response);
    return true;
}

// A range of a file: exactly that range, or the caller learns at once that ranges don't work here.
bool DownloadSink::judgeRange(const Net::Response &response)
{
    const int code = response.status;
    qint64 first = -1, last = -1, total = -1;
    if (code == partialContent && parseContentRange(response.header("Content-Range"), first, last, total)
        && first == m_request.rangeFirst && last == m_request.rangeLast && total == m_request.rangeOf) {
        m_body = true;
        return true;
    }
    if (code != 200 && code != partialContent && code != rangeNotSatisfiable)
        return true;  // an error answer, reported as its status
    return refuse(QStringLiteral("The server didn't send the part of the file that was asked for."));
}

bool DownloadSink::refuse(const QString &why)
{
    m_error = std::make_exception_ptr(RangeRefused(why));
    return false;
}

bool DownloadSink::refuseResume(const QString &why)
{
    m_error = std::make_exception_ptr(ResumeRefused(why));
    return false;
}

// The rest of a kept body: only exactly what was asked continues it, a 206 from its end to the
// entry's end with the same validator. Anything else leaves it as it is and fails the attempt.
bool DownloadSink::judgeResumed(const Net::Response &response)
{
    const int code = response.status;
    if (code == 200)
        return replaceKept(response);
    if (code != partialContent && code != rangeNotSatisfiable)
        return true;  // an error answer: the kept body stays as it is
    qint64 first = -1, last = -1, total = -1;
    if (code != partialContent || !parseContentRange(response.header("Content-Range"), first, last, total) || first != m_base
        || total != m_request.maxBytes || last != total - 1 || contentLength(response) > last - first + 1)
        return refuseResume(QStringLiteral("The server didn't send the rest of the file that was asked for."));
    // A validator of the origin that sent the kept bytes must not have changed; another
    // origin's means nothing here.
    const auto answered = ResumeStore::Validator::of(response.header("ETag"), response.header("Last-Modified"));
    const bool changed = m_request.ifRange
        && ((!answered.etag.isEmpty() && !m_validator.etag.isEmpty() && answered.etag != m_validator.etag)
            || (answered.etag.isEmpty() && m_validator.etag.isEmpty() && !answered.lastModified.isEmpty()
                && answered.lastModified != m_validator.lastModified));
    if (changed)
        return refuseResume(QStringLiteral("The file changed on the server since its download began."));
    m_body = true;
    return true;
}

// A whole body instead of the rest: taken only with the entry's length, into a file of its own;
// the kept body goes only once this one has overtaken it (overtake()).
bool DownloadSink::replaceKept(const Net::Response &response)
{
    if (m_request.maxBytes < 0 || contentLength(response) != m_request.maxBytes)
        return refuse(QStringLiteral("The server sent a whole body of another size than the file."));
    auto next = std::make_shared<QFile>();
    if (!openInDownloadArea(*next)) {
        m_error = std::make_exception_ptr(LocalFailure(
            QStringLiteral("Couldn't create a download file in %1: %2").arg(Paths::downloadTemp(), next->errorString())));
        return false;
    }
    m_kept = std::exchange(m_file, next);
    m_keptBytes = m_base;
    DiskQueue::write([self = shared_from_this(), fd = int(m_file->handle())] {
        self->m_out.reset(fd, 0);
        self->m_request.digest->reset();
    });
    // The bar counts the new body from here; the kept bytes only wait on disk as a fallback.
    if (m_request.onDropped)
        m_request.onDropped(m_base);
    m_base = m_written = m_recorded = 0;
    judgeWhole(response);
    return true;
}

void DownloadSink::judgeWhole(const Net::Response &response)
{
    if (response.status != 200)
        return;
    m_body = true;
    m_validator = ResumeStore::Validator::of(response.header("ETag"), response.header("Last-Modified"));
}

Net::Sink::Take DownloadSink::later(int ms)
{
    m_laterMs = ms;
    if (m_request.held)
        *m_request.held = true;
    return Take::Later;
}

// The part of an error page that is read counts against the limit (not as bytes of the file);
// the rest is never read.
Net::Sink::Take DownloadSink::readErrorBody(qint64 size)
{
    if (m_errorBytes + size > errorBodyCap) {
        m_errorCapped = true;
        return Take::Stop;
    }
    double wait = 0;
    if (!RateLimiter::global().admit(size, &wait))
        return later(qBound(1, int(wait * 1000) + 1, longestWaitMs));
    m_errorBytes += size;
    if (m_request.onOtherBytes)
        m_request.onOtherBytes(size);
    return Take::All;
}

Net::Sink::Take DownloadSink::onBody(const char *data, qint64 size)
{
    if (!m_body)
        return readErrorBody(size);
    if (const int error = m_writeError) {
        m_error = writeError(error);
        return Take::Stop;
    }
    if (m_request.maxBytes >= 0 && total() + size > m_request.maxBytes) {
        m_error = std::make_exception_ptr(BodyTooLarge(QStringLiteral("The download is larger than expected.")));
        return Take::Stop;
    }
    if (!roomToWrite())
        return later(-1);
    double wait = 0;
    if (!RateLimiter::global().admit(size, &wait))
        return later(qBound(1, int(wait * 1000) + 1, longestWaitMs));
    if (m_request.held)
        *m_request.held = false;
    if (m_gathered.capacity() == 0)
        m_gathered = Buffers::take();
    m_gathered.append(data, size);
    if (m_gathered.size() >= writeBytes)
        pushWrites();
    m_written += size;
    if (m_request.onBytes)
        m_request.onBytes(size);
    if (m_kept && m_written > m_keptBytes)
        overtake();
    if (!m_kept && resumable() && total() - m_recorded >= checkpointBytes)
        checkpoint();
    return Take::All;
}

// False, and the writer wakes the transfer once it has caught up, while it is far behind.
bool DownloadSink::roomToWrite()
{
    std::lock_guard lock(m_writesMutex);
    if (m_queued < queuedBytes)
        return true;
    m_waitingForRoom = true;
    return false;
}

void DownloadSink::pushWrites()
{
    if (m_gathered.isEmpty())
        return;
    {
        std::lock_guard lock(m_writesMutex);
        m_queued += m_gathered.size();
    }
    DiskQueue::write([self = shared_from_this(), bytes = std::exchange(m_gathered, {})]() mutable {
        self->writeOut(bytes);
        Buffers::give(std::move(bytes));
    });
}

void DownloadSink::writeOut(const QByteArray &bytes)
{
    // After a failed write nothing more is written: the record must never claim a hole.
    if (!m_writeError && !m_out.write(bytes.constData(), bytes.size()))
        m_writeError = errno ? errno : EIO;
    m_request.digest->update(bytes.constData(), bytes.size());
    bool wake = false;
    {
        std::lock_guard lock(m_writesMutex);
        m_queued -= bytes.size();
        wake = m_waitingForRoom && m_queued <= queuedBytes / 2;
        if (wake)
            m_waitingForRoom = false;
    }
    if (wake)
        Net::Engine::instance().resume(this);
}

// Durable before recorded: after a power loss the record never claims bytes that are not there.
// The writer hands the bytes so far to the file; the wait for the disk happens on the slow thread.
void DownloadSink::checkpoint()
{
    pushWrites();
    m_recorded = total();
    DiskQueue::write([self = shared_from_this(), fd = int(m_file->handle()), file = m_file->fileName(),
                      key = *m_request.key, validator = m_validator, bytes = total()] {
        const int copy = !self->m_writeError && self->m_out.flush() ? ::dup(fd) : -1;
        if (copy < 0)
            return;  // a write that failed shows at the next one
        DiskQueue::post([copy, file, key, validator, bytes] {
            if (::fdatasync(copy) == 0)
                ResumeStore::record(file, key, validator, bytes);
            ::close(copy);
        });
    });
}

// The new body holds more than the kept one did: that one is no longer worth keeping.
void DownloadSink::overtake()
{
    DiskQueue::afterWrites([kept = std::move(m_kept)] {
        kept->close();
        ResumeStore::discard(kept->fileName());
    });
    m_kept.reset();
    m_keptBytes = 0;
}

void DownloadSink::onEnd(const Net::Ending &ending, const Net::Response &response)
{
    if (m_errorCapped) {
        complete(response);
        return;
    }
    if (m_error) {
        // An answer refused at its head leaves the kept body as it was.
        end(m_error, m_base > 0 && !m_body);
        return;
    }
    if (ending.kind != Net::Ending::Complete) {
        end(transportError(ending.message), true);
        return;
    }
    complete(response);
}

void DownloadSink::complete(const Net::Response &response)
{
    if (!m_body) {
        end(std::make_exception_ptr(StatusFailure(response.status)), m_base > 0 || m_kept);
        return;
    }
    if (m_request.rangeFirst >= 0 && m_written != m_request.rangeLast - m_request.rangeFirst + 1) {
        end(transportError(QStringLiteral("The part of the file that was asked for arrived cut short.")), false);
        return;
    }
    pushWrites();
    if (m_kept)  // a whole body as short as the kept one was
        overtake();
    {
        std::lock_guard lock(m_group->mutex);
        m_group->running.erase(this);
    }
    DiskQueue::write([self = shared_from_this()] {
        if (!self->m_writeError && !self->m_out.flush())
            self->m_writeError = errno ? errno : EIO;
        DiskQueue::post([self] {
            if (const int error = self->m_writeError)
                self->deliverFailure(writeError(error), false);
            else
                self->deliverWhole();
        });
    });
}

void DownloadSink::deliverWhole()
{
    if (m_request.key) {
        // Whole, it stays on record until the caller has put it in place: a quit or a crash
        // before then costs nothing of the download (the next run checks it again).
        if (total() == m_request.maxBytes)
            ResumeStore::record(m_file->fileName(), *m_request.key, m_validator, total(), false);
        else
            QFile::remove(m_file->fileName() + QStringLiteral(".resume"));
    }
    DownloadResult result{m_file->fileName(), m_request.digest->hex(), nullptr};
    // A body in the download area stays locked until the caller has put it in place: another
    // folder's run never takes it for a leftover.
    if (m_request.staging.isEmpty())
        result.hold = m_file;
    else
        m_file->close();
    m_outcome->deliver(Outcome{std::move(result), nullptr});
}

void DownloadSink::keep()
{
    if (m_kept) {
        // The new body never overtook the kept one: that one stays, with its record, untouched.
        m_file->close();
        QFile::remove(m_file->fileName());
        m_file = std::move(m_kept);
        return;
    }
    if (!resumable() || m_writeError) {
        ResumeStore::discard(m_file->fileName());
        return;
    }
    if (m_out.sync())
        ResumeStore::record(m_file->fileName(), *m_request.key, m_validator, total());
    else
        ResumeStore::discard(m_file->fileName());
}

// Ends the download with an error, exactly once.
void DownloadSink::end(std::exception_ptr error, bool keepBody)
{
    pushWrites();
    {
        std::lock_guard lock(m_group->mutex);
        m_group->running.erase(this);
    }
    DiskQueue::afterWrites([self = shared_from_this(), error = std::move(error), keepBody]() mutable {
        self->deliverFailure(std::move(error), keepBody);
    });
}

void DownloadSink::deliverFailure(std::exception_ptr error, bool keepBody)
{
    if (m_file->isOpen() || !m_file->fileName().isEmpty()) {
        if (keepBody)
            keep();
        else if (!m_file->fileName().isEmpty())
            ResumeStore::discard(m_file->fileName());
    }
    if (m_kept) {
        m_kept->close();
        ResumeStore::discard(m_kept->fileName());
        m_kept.reset();
    }
    m_file->close();
    m_outcome->deliver(Outcome{{}, std::move(error)});
}

void DownloadSink::cancel(const QString &why)
{
    Net::Engine::instance().cancel(m_id, why);
}
