#include "net/curl_transfer.h"

namespace Net {
namespace {
// A file body is read in large blocks (the most libcurl takes); small answers need little.
constexpr long bulkBufferBytes = 512 << 10;
constexpr long smallBufferBytes = 64 << 10;
constexpr long maxRedirects = 10;

QByteArray statusCodeOf(const QByteArray &line)
{
    const QList<QByteArray> parts = line.split(' ');
    return parts.size() > 1 ? parts.at(1) : QByteArray();
}

void received(Transfer *t, qint64 bytes)
{
    t->lastByte = Clock::now();
    t->windowBytes += bytes;
}

// The idle and speed clocks start when the request goes out, not while it waits for a connection.
int onPrereq(void *data, char *, char *, int, int)
{
    auto *t = static_cast<Transfer *>(data);
    t->begun = true;
    t->lastByte = t->windowStart = Clock::now();
    t->windowBytes = 0;
    return CURL_PREREQFUNC_OK;
}

size_t onHeader(char *data, size_t size, size_t count, void *user)
{
    auto *t = static_cast<Transfer *>(user);
    const size_t length = size * count;
    received(t, qint64(length));
    const QByteArray line = QByteArray(data, qsizetype(length)).trimmed();
    if (line.startsWith("HTTP/")) {
        t->response = {};  // a new answer: after a redirect, or an interim one
        t->response.status = statusCodeOf(line).toInt();
    } else if (const qsizetype colon = line.indexOf(':'); colon > 0) {
        t->response.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    return length;
}


size_t onWrite(char *data, size_t size, size_t count, void *user)
{
    auto *t = static_cast<Transfer *>(user);
    const size_t length = size * count;
    if (!t->announced && !t->redirected)
        t->redirected = !redirectOf(t).isEmpty();
    if (t->redirected) {  // the page of a redirect: read past, never shown
        received(t, qint64(length));
        return length;
    }
    if (!t->announced)
        announce(t);
    if (t->refused)
        return CURL_WRITEFUNC_ERROR;
    switch (t->sink->onBody(data, qint64(length))) {
    case Sink::Take::All:
        t->bodyBytes += qint64(length);
        received(t, qint64(length));
        return length;
    case Sink::Take::Later: {
        t->paused = true;
        t->pausedAt = Clock::now();
        const int ms = t->sink->laterMs();
        t->wakeAt = ms < 0 ? std::nullopt : std::optional(t->pausedAt + std::chrono::milliseconds(ms));
        return CURL_WRITEFUNC_PAUSE;
    }
    case Sink::Take::Stop:
        break;
    }
    t->refused = true;
    return CURL_WRITEFUNC_ERROR;
}

}

CURL *openEasy(Transfer *t, CURLSH *share, const QByteArray &proxy)
{
    const Request &r = t->request;
    CURL *e = curl_easy_init();
    if (!e)
        return nullptr;
    // An option this libcurl refuses (built without a protocol, too old) would change what is
    // sent without a word: such a transfer does not start.
    bool ok = true;
    const auto set = [e, &ok](CURLoption option, auto value) { ok = ok && curl_easy_setopt(e, option, value) == CURLE_OK; };
    const bool https = r.url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
    set(CURLOPT_URL, r.url.toEncoded().constData());
    set(CURLOPT_PRIVATE, t);
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_SHARE, share);
    set(CURLOPT_ERRORBUFFER, t->error);
    set(CURLOPT_PROTOCOLS_STR, "http,https");
    // Redirects are followed by the engine, hop by hop: each may need another proxy.
    set(CURLOPT_FOLLOWLOCATION, 0L);
    set(CURLOPT_CONNECTTIMEOUT_MS, long(r.idleMs));
    set(CURLOPT_BUFFERSIZE, r.bufferBytes > 0 ? long(r.bufferBytes) : r.bulk ? bulkBufferBytes : smallBufferBytes);
    // Over TLS a file waits to share an HTTP/2 connection rather than open one of its own; plain
    // HTTP is 1.1, where waiting would only hold it behind a slow answer.
    set(CURLOPT_PIPEWAIT, r.bulk && https ? 1L : 0L);
    set(CURLOPT_PROXY, proxy.constData());
    set(CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    if (r.decode)
        set(CURLOPT_ACCEPT_ENCODING, "");
    if (!r.userAgent.isEmpty())
        set(CURLOPT_USERAGENT, r.userAgent.constData());
    for (const auto &[name, value] : r.headers)
        t->headerList = curl_slist_append(t->headerList, (value.isEmpty() ? name + ';' : name + ": " + value).constData());
    if (r.body) {
        t->headerList = curl_slist_append(t->headerList, "Expect:");  // no waiting for 100-continue
        set(CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(r.body->size()));
        set(CURLOPT_COPYPOSTFIELDS, r.body->constData());
    }
    if (r.method == "HEAD")
        set(CURLOPT_NOBODY, 1L);
    else if (r.method != "GET" && !(r.method == "POST" && r.body))
        set(CURLOPT_CUSTOMREQUEST, r.method.constData());
    set(CURLOPT_HTTPHEADER, t->headerList);
    set(CURLOPT_HEADERFUNCTION, &onHeader);
    set(CURLOPT_HEADERDATA, t);
    set(CURLOPT_WRITEFUNCTION, &onWrite);
    set(CURLOPT_WRITEDATA, t);
    set(CURLOPT_PREREQFUNCTION, &onPrereq);
    set(CURLOPT_PREREQDATA, t);
    if (!ok) {
        curl_easy_cleanup(e);
        return nullptr;
    }
    return e;
}

QUrl redirectOf(const Transfer *t)
{
    const int status = t->response.status;
    if (!t->request.followRedirects || (status != 301 && status != 302 && status != 303 && status != 307 && status != 308))
        return {};
    const QByteArray location = t->response.header("Location");
    return location.isEmpty() ? QUrl() : t->request.url.resolved(QUrl::fromEncoded(location));
}

bool redirect(Transfer *t, const QUrl &next, QString &why)
{
    Request &r = t->request;
    const QString from = r.url.scheme().toLower(), to = next.scheme().toLower();
    if (++t->hops > maxRedirects) {
        why = QStringLiteral("The server redirected more than %1 times.").arg(maxRedirects);
        return false;
    }
    if (!next.isValid() || (to != QLatin1String("http") && to != QLatin1String("https"))
        || (from == QLatin1String("https") && to != QLatin1String("https"))) {
        why = QStringLiteral("The server redirected to an address that is not followed: %1").arg(next.toDisplayString());
        return false;
    }
    const int status = t->response.status;
    if ((status == 303 && r.method != "HEAD") || ((status == 301 || status == 302) && r.method == "POST")) {
        r.method = "GET";
        r.body.reset();
    }
    const bool sameOrigin = from == to && r.url.host().compare(next.host(), Qt::CaseInsensitive) == 0
        && r.url.port(from == QLatin1String("https") ? 443 : 80) == next.port(to == QLatin1String("https") ? 443 : 80);
    if (!sameOrigin)
        r.headers.removeIf([](const Header &h) {
            return h.first.compare("Authorization", Qt::CaseInsensitive) == 0 || h.first.compare("Cookie", Qt::CaseInsensitive) == 0;
        });
    r.url = next;
    t->response = {};
    t->redirected = false;
    t->bodyBytes = 0;
    t->error[0] = 0;
    return true;
}

void announce(Transfer *t)
{
    t->announced = true;
    long code = 0;
    curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &code);
    t->response.status = int(code);
    if (!t->sink->onResponse(t->response))
        t->refused = true;
}

// A body shorter than its length said: HTTP/2 streams reset or ended by GOAWAY may be reported
// complete by this libcurl.
bool cutShort(const Transfer *t)
{
    if (t->request.method == "HEAD" || t->response.status == 204 || t->response.status == 304)
        return false;
    bool known = false;
    const qint64 length = t->response.header("Content-Length").toLongLong(&known);
    if (!known)
        return false;
    // The length counts the bytes as sent, before any decoding: so does libcurl's own count.
    curl_off_t received = 0;
    if (curl_easy_getinfo(t->easy, CURLINFO_SIZE_DOWNLOAD_T, &received) != CURLE_OK)
        received = t->bodyBytes;
    return length != qint64(received);
}

Ending failureOf(Transfer *t, CURLcode code)
{
    Ending ending{Ending::Failed, Ending::Other, QString::fromUtf8(t->error[0] ? t->error : curl_easy_strerror(code))};
    long connectCode = 0;
    curl_easy_getinfo(t->easy, CURLINFO_HTTP_CONNECTCODE, &connectCode);
    if (connectCode == 407) {
        ending.cause = Ending::Proxy;
        ending.message = QStringLiteral("Proxy requires authentication");
    } else if (connectCode >= 300) {
        ending.cause = Ending::Proxy;
        ending.message = QStringLiteral("Proxy denied connection (HTTP %1)").arg(connectCode);
    } else if (code == CURLE_COULDNT_RESOLVE_PROXY) {
        ending.cause = Ending::Proxy;
    }
    switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
        if (ending.cause == Ending::Other)
            ending.cause = Ending::Tls;
        break;
    case CURLE_OPERATION_TIMEDOUT:
        ending.kind = Ending::TimedOut;
        break;
    default:
        break;
    }
    return ending;
}


}
