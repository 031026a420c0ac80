#include "transfer/download_worker.h"
#include "net/http.h"
#include "transfer/rate_limiter.h"
#include "support/paths.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
constexpr qint64 checkpointBytes = 64 << 20;  // a cut body loses at most this much to a crash

std::exception_ptr writeError(int error)
{
    return std::make_exception_ptr(
        PlatformError(QStringLiteral("Couldn't write the download: %1").arg(QString::fromLocal8Bit(strerror(error)))));
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

DownloadWorker::DownloadWorker(QByteArray userAgent, int idleMs)
    : m_userAgent(std::move(userAgent)), m_idleMs(idleMs), m_pump(new QTimer(this))
{
    m_pump->setInterval(20);
    connect(m_pump, &QTimer::timeout, this, &DownloadWorker::pump);
}

DownloadWorker::~DownloadWorker()
{
    for (const TransferPtr &t : std::as_const(m_transfers)) {
        if (t->resumable())
            keep(*t);
        else
            ResumeStore::discard(t->file.fileName());
        t->file.close();
    }
}

void DownloadWorker::resolve(const Promise &promise, Outcome outcome)
{
    promise->addResult(std::move(outcome));
    promise->finish();
}

void DownloadWorker::start(DownloadRequest request, Promise promise)
{
    if (m_cancelled) {
        resolve(promise, {{}, std::make_exception_ptr(Http::TransportError(QStringLiteral("Operation canceled")))});
        return;
    }
    // Only HTTP answers have a status. Other schemes (file:, data:, ftp:) would make the network
    // manager read local files or other services for a manifest's URL: never asked for.
    const QString scheme = request.url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        resolve(promise, {{}, std::make_exception_ptr(LauncherError::patch(LauncherError::downloadStatus(0)))});
        return;
    }
    if (!m_manager) {
        m_manager = new QNetworkAccessManager(this);
        m_manager->setAutoDeleteReplies(false);
    }
    auto t = std::make_shared<Transfer>();
    t->request = std::move(request);
    t->promise = std::move(promise);
    if (!t->request.digest)
        t->request.digest = std::make_shared<Sha256Stream>();
    const QString folder = Paths::downloadTemp();
    if (t->request.staging.isEmpty())
        QDir().mkpath(folder);

    if (const auto &from = t->request.from) {
        t->file.setFileName(from->file);
        // Unbuffered: the body writer writes through the descriptor; nothing may wait in QFile.
        if (t->file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) && ResumeStore::lock(int(t->file.handle()))
            && t->file.size() == from->bytes && t->file.seek(from->bytes)) {
            t->base = from->bytes;
            t->out.reset(int(t->file.handle()), from->bytes);
            t->validator = from->validator;
        } else {
            t->file.close();
            t->request.digest->reset();
            if (t->request.onDropped)
                t->request.onDropped(from->bytes);
        }
    }
    if (t->base == 0 && !t->request.staging.isEmpty()) {
        if (!openStaging(t->file, t->request.staging)) {
            resolve(t->promise, {{}, std::make_exception_ptr(PlatformError(
                QStringLiteral("Couldn't create \"%1\": %2").arg(t->request.staging, t->file.errorString())))});
            return;
        }
        t->out.reset(int(t->file.handle()), 0);
    } else if (t->base == 0) {
        t->file.setFileName(folder + QStringLiteral("/vantorel-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
        if (!t->file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            resolve(t->promise, {{}, std::make_exception_ptr(PlatformError(
                QStringLiteral("Couldn't create a download file in %1: %2").arg(folder, t->file.errorString())))});
            return;
        }
        ResumeStore::lock(int(t->file.handle()));
        t->out.reset(int(t->file.handle()), 0);
    }
    send(t);
}

void DownloadWorker::send(const TransferPtr &t)
{
    QNetworkRequest request(t->request.url);
    request.setRawHeader("User-Agent", m_userAgent);
    request.setTransferTimeout(m_idleMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHttp2Configuration(Http::bulkHttp2Configuration());
    if (t->request.rangeFirst >= 0) {
        request.setRawHeader("Range", "bytes=" + QByteArray::number(t->request.rangeFirst) + '-'
                                          + QByteArray::number(t->request.rangeLast));
        request.setRawHeader("Accept-Encoding", "identity");
    } else if (t->base > 0) {
        request.setRawHeader("Range", "bytes=" + QByteArray::number(t->base) + '-');
        if (t->request.ifRange)
            request.setRawHeader("If-Range", t->validator.ifRange());
        // Ranges count the bytes as sent: no transparent decompression in between.
        request.setRawHeader("Accept-Encoding", "identity");
    }
    QNetworkReply *reply = m_manager->get(request);
    // Back-pressure: the network thread buffers at most this much ahead of the disk.
    reply->setReadBufferSize(readBufferSize());
    t->reply = reply;
    m_transfers.insert(reply, t);
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { onData(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onFinished(reply); });
}

// Judges the status line once. False when the transfer was restarted or ended (the reply is gone).
bool DownloadWorker::judge(const TransferPtr &t)
{
    if (t->checked)
        return true;
    const QVariant status = t->reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return true;
    t->checked = true;
    const int code = status.toInt();
    if (t->request.rangeFirst >= 0)
        return judgeRange(t, code);
    if (t->base > 0)
        return judgeResumed(t, code);
    judgeWhole(*t, code);
    return true;
}

// A range of a file: exactly that range, or the caller learns at once that ranges don't work here.
bool DownloadWorker::judgeRange(const TransferPtr &t, int code)
{
    qint64 first = -1, last = -1, total = -1;
    if (code == 206 && parseContentRange(t->reply->rawHeader("Content-Range"), first, last, total)
        && first == t->request.rangeFirst && last == t->request.rangeLast && total == t->request.rangeOf) {
        t->body = true;
        return true;
    }
    if (code != 200 && code != 206 && code != 416)
        return true;  // an error answer, reported as its status
    QNetworkReply *reply = t->reply;
    end(t, {{}, std::make_exception_ptr(RangeRefused(QStringLiteral("The server didn't send the part of the file that was asked for.")))}, false);
    reply->abort();
    return false;
}

// The rest of a kept body: only a 206 from exactly its end continues it.
bool DownloadWorker::judgeResumed(const TransferPtr &t, int code)
{
    if (code == 206) {
        qint64 first = -1, last = -1, total = -1;
        if (parseContentRange(t->reply->rawHeader("Content-Range"), first, last, total) && first == t->base
            && total == t->request.maxBytes) {
            t->body = true;
            return true;
        }
        restart(t);
        return false;
    }
    if (code == 416) {
        restart(t);
        return false;
    }
    if (code != 200)
        return true;  // an error answer: the kept body stays as it is
    // The server ignored the range, or the file changed: the whole body replaces the kept one.
    dropKept(*t);
    judgeWhole(*t, code);
    return true;
}

void DownloadWorker::judgeWhole(Transfer &t, int code)
{
    if (code != 200)
        return;
    t.body = true;
    t.validator = ResumeStore::Validator::of(t.reply->rawHeader("ETag"), t.reply->rawHeader("Last-Modified"));
}

// Forgets the bytes the file holds. The record goes first: a crash after this never finds one
// that vouches for bytes that are gone.
void DownloadWorker::dropKept(Transfer &t)
{
    QFile::remove(t.file.fileName() + QStringLiteral(".resume"));
    t.file.resize(0);
    t.file.seek(0);
    t.out.reset(int(t.file.handle()), 0);
    t.request.digest->reset();
    if (t.request.onDropped && t.base > 0)
        t.request.onDropped(t.base);
    t.base = t.written = t.recorded = 0;
}

// A range answer that does not fit: forget the kept bytes and ask for the whole body, unless the
// run was cancelled meanwhile (then nothing more is asked for).
void DownloadWorker::restart(const TransferPtr &t)
{
    QNetworkReply *old = t->reply;
    if (m_cancelled) {
        dropKept(*t);
        end(t, {{}, std::make_exception_ptr(Http::TransportError(QStringLiteral("Operation canceled")))}, false);
        old->abort();
        return;
    }
    m_transfers.remove(old);
    old->disconnect(this);
    old->abort();
    old->deleteLater();
    dropKept(*t);
    t->checked = t->body = t->finished = false;
    t->validator = {};
    send(t);
}

void DownloadWorker::onData(QNetworkReply *reply)
{
    const TransferPtr t = m_transfers.value(reply);
    if (!t || !judge(t))
        return;
    if (!t->body) {
        reply->readAll();  // an error page: not the file
        return;
    }
    RateLimiter &limiter = RateLimiter::global();
    if (!limiter.limited()) {
        consume(t, reply->readAll());
        return;
    }
    // What the bucket holds is taken at once; the pump shares out the rest as it refills.
    const QByteArray data = readUpTo(reply, limiter.take(reply->bytesAvailable()));
    if (!consume(t, data))
        return;
    if (reply->bytesAvailable() > 0) {
        m_heldBack = true;
        if (!m_pump->isActive())
            m_pump->start();
    }
}

void DownloadWorker::onFinished(QNetworkReply *reply)
{
    const TransferPtr t = m_transfers.value(reply);
    if (!t || !judge(t))
        return;
    t->finished = true;
    if (t->body && reply->bytesAvailable() > 0 && RateLimiter::global().limited()) {
        if (!m_pump->isActive())
            m_pump->start();
        return;  // the pump hands over the last bytes, then completes
    }
    if (t->body && reply->isOpen() && !consume(t, reply->readAll()))
        return;
    complete(t);
}

// Writes bytes of the body. False when that ended the transfer.
bool DownloadWorker::consume(const TransferPtr &t, const QByteArray &data)
{
    if (data.isEmpty())
        return true;
    QNetworkReply *reply = t->reply;
    if (t->request.maxBytes >= 0 && t->total() + data.size() > t->request.maxBytes) {
        end(t, {{}, std::make_exception_ptr(BodyTooLarge(QStringLiteral("The download is larger than expected.")))}, false);
        reply->abort();
        return false;
    }
    if (!t->out.write(data.constData(), data.size())) {
        end(t, {{}, writeError(errno)}, false);
        reply->abort();
        return false;
    }
    t->request.digest->update(data.constData(), data.size());
    t->written += data.size();
    if (t->request.onBytes)
        t->request.onBytes(data.size());
    // Durable before recorded: after a power loss the record never claims bytes that are not there.
    if (t->resumable() && t->total() - t->recorded >= checkpointBytes && t->out.sync()) {
        ResumeStore::record(t->file.fileName(), *t->request.key, t->validator, t->total());
        t->recorded = t->total();
    }
    return true;
}

void DownloadWorker::complete(const TransferPtr &t)
{
    QNetworkReply *reply = t->reply;
    if (!Http::isAnswer(reply)) {
        if (reply->error() == QNetworkReply::NoError)  // finished without a status: not HTTP
            end(t, {{}, std::make_exception_ptr(LauncherError::patch(LauncherError::downloadStatus(0)))}, false);
        else
            end(t, {{}, std::make_exception_ptr(Http::TransportError(reply->errorString()))}, true);
        return;
    }
    if (!t->body) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        end(t, {{}, std::make_exception_ptr(LauncherError::patch(LauncherError::downloadStatus(status)))}, t->base > 0);
        return;
    }
    // The network layer may resend a cut request by itself and then end the range early as if
    // complete: that is a transport failure like any other cut, and is tried again.
    if (t->request.rangeFirst >= 0 && t->written != t->request.rangeLast - t->request.rangeFirst + 1) {
        end(t, {{}, std::make_exception_ptr(Http::TransportError(QStringLiteral("The part of the file that was asked for arrived cut short.")))}, false);
        return;
    }
    if (!t->file.flush()) {
        end(t, {{}, std::make_exception_ptr(PlatformError(
            QStringLiteral("Couldn't write the download: %1").arg(t->file.errorString())))}, false);
        return;
    }
    if (t->request.key)
        QFile::remove(t->file.fileName() + QStringLiteral(".resume"));
    end(t, {DownloadResult{t->file.fileName(), t->request.digest->hex()}, nullptr}, true);
}

void DownloadWorker::keep(Transfer &t)
{
    if (!t.resumable()) {
        ResumeStore::discard(t.file.fileName());
        return;
    }
    if (t.out.sync())
        ResumeStore::record(t.file.fileName(), *t.request.key, t.validator, t.total());
    else
        ResumeStore::discard(t.file.fileName());
}

// Ends a transfer exactly once: whichever path comes first takes it out of the map.
void DownloadWorker::end(const TransferPtr &t, Outcome outcome, bool keepBody)
{
    if (!m_transfers.remove(t->reply))
        return;
    t->reply->disconnect(this);
    t->reply->deleteLater();
    if (outcome.error) {
        if (keepBody)
            keep(*t);
        else
            ResumeStore::discard(t->file.fileName());
    }
    t->file.close();
    resolve(t->promise, std::move(outcome));
}

void DownloadWorker::stop(const std::shared_ptr<const void> &handle, const QString &why)
{
    for (const TransferPtr &each : std::as_const(m_transfers)) {
        if (!handle || each->request.handle != handle)
            continue;
        const TransferPtr t = each;  // end() takes it out of the map
        QNetworkReply *reply = t->reply;
        end(t, {{}, std::make_exception_ptr(Http::TransportError(why))}, true);
        reply->abort();
        return;
    }
}

void DownloadWorker::cancelAll()
{
    m_cancelled = true;
    const auto replies = m_transfers.keys();
    for (QNetworkReply *reply : replies)
        if (m_transfers.contains(reply))
            reply->abort();
}
