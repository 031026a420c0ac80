#include "standin.h"
#include "manifest/manifest_trust.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMimeDatabase>
#include <QUrl>
#include <QUuid>

namespace Standin {

namespace {
struct Account {
    QString password;
    QString method;  // "" signs in directly
    QString code;
};

const QHash<QString, Account> &accounts()
{
    static const QHash<QString, Account> all{
        {QStringLiteral("player@example.com"), {QStringLiteral("vantorel"), {}, {}}},
        {QStringLiteral("mail@example.com"), {QStringLiteral("vantorel"), QStringLiteral("email"), QStringLiteral("123456")}},
        {QStringLiteral("app@example.com"), {QStringLiteral("vantorel"), QStringLiteral("totp"), QStringLiteral("654321")}},
    };
    return all;
}

QJsonObject bodyObject(const Request &request)
{
    return QJsonDocument::fromJson(request.body).object();
}

QByteArray json(const QJsonObject &object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

const char *pageHtml(const QByteArray &path)
{
    if (path == "/register")
        return "<h1>Create a Vantorel account</h1><p>This is the local stand-in.</p>";
    if (path == "/password/forgot")
        return "<h1>Reset your password</h1><p>This is the local stand-in.</p>";
    if (path == "/support")
        return "<h1>Vantorel support</h1><p>This is the local stand-in.</p>";
    if (path == "/")
        return "<h1>Vantorel</h1><p>This is the local stand-in of the web site.</p>";
    return nullptr;
}
}

QByteArray RecordedRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

Service::Service(QString siteFolder, QObject *parent)
    : QObject(parent), m_http([this](const Request &r) { return handle(r); }), m_site(std::move(siteFolder))
{
    m_http.onAnswered = [this](const Request &request, int status) {
        RecordedRequest record{request.method, request.path, request.headers, request.body, status};
        m_requests.append(record);
        if (m_log) {
            QJsonArray headers;
            for (const auto &[key, value] : request.headers)
                headers.append(QJsonArray{QString::fromLatin1(key), QString::fromUtf8(value)});
            m_log->write(json(QJsonObject{{QStringLiteral("method"), QString::fromLatin1(request.method)},
                                          {QStringLiteral("path"), QString::fromUtf8(request.path)},
                                          {QStringLiteral("status"), status},
                                          {QStringLiteral("headers"), headers},
                                          {QStringLiteral("body"), QString::fromUtf8(request.body)}})
                         + '\n');
            m_log->flush();
        }
    };
}

void Service::setRequestLog(const QString &file)
{
    m_log = std::make_unique<QFile>(file);
    if (!m_log->open(QIODevice::WriteOnly | QIODevice::Append))
        m_log.reset();
}

QList<RecordedRequest> Service::requestsTo(const QByteArray &path) const
{
    QList<RecordedRequest> out;
    for (const RecordedRequest &r : m_requests)
        if (r.path == path)
            out.append(r);
    return out;
}

Response Service::handle(const Request &request)
{
    if (auto route = m_routes.find(request.path); route != m_routes.end())
        return (*route)(request);
    if (request.method == "POST") {
        if (request.path == "/login")
            return login(request);
        if (request.path == "/mfa/verify")
            return verifyMfa(request);
        if (request.path == "/mfa/email/begin")
            return beginEmail(request);
        if (request.path == "/session/validate")
            return validate(request);
        if (request.path == "/logout")
            return logout(request);
        return Response::json(404, R"({"error":"not found"})");
    }
    if (const char *page = pageHtml(request.path))
        return Response::text(200, QByteArray("<!doctype html><meta charset=utf-8><title>Vantorel</title>") + page,
                              "text/html; charset=utf-8");
    return siteFile(request);
}

Response Service::issueToken(const QString &email)
{
    const QString token = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_tokens.insert(token);
    return Response::json(200, json(QJsonObject{{QStringLiteral("token"), token},
                                                {QStringLiteral("station_id"), m_nextStation++},
                                                {QStringLiteral("username"), email}}));
}

Response Service::login(const Request &request)
{
    const QJsonObject body = bodyObject(request);
    const QString email = body.value(QStringLiteral("email")).toString();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (m_lockedUntil.contains(email)) {
        const qint64 left = now.secsTo(m_lockedUntil.value(email));
        if (left > 0) {
            Response r = Response::json(429, R"({"error":"rate_limited"})");
            r.headers.append(Header{"Retry-After", QByteArray::number(left)});
            return r;
        }
        m_lockedUntil.remove(email);
        m_failures.remove(email);
    }
    const auto account = accounts().find(email);
    if (account == accounts().end() || account->password != body.value(QStringLiteral("password")).toString()) {
        if (++m_failures[email] >= 5) {
            m_lockedUntil.insert(email, now.addSecs(lockSeconds));
            Response r = Response::json(429, R"({"error":"rate_limited"})");
            r.headers.append(Header{"Retry-After", QByteArray::number(lockSeconds)});
            return r;
        }
        return Response::json(401, R"({"message":"Wrong email or password."})");
    }
    m_failures.remove(email);
    if (!account->method.isEmpty())
        return Response::json(200, json(QJsonObject{{QStringLiteral("mfaRequired"), true},
                                                    {QStringLiteral("method"), account->method}}));
    return issueToken(email);
}

Response Service::verifyMfa(const Request &request)
{
    const QJsonObject body = bodyObject(request);
    const QString email = body.value(QStringLiteral("email")).toString();
    const auto account = accounts().find(email);
    if (account != accounts().end() && !account->method.isEmpty()
        && body.value(QStringLiteral("code")).toString() == account->code)
        return issueToken(email);
    return Response::json(401, R"({"message":"That code didn't work. Check it and try again."})");
}

Response Service::beginEmail(const Request &request)
{
    const QString email = bodyObject(request).value(QStringLiteral("username")).toString();
    const auto account = accounts().find(email);
    if (account != accounts().end() && account->method == QLatin1String("email"))
        return Response::text(204, {});
    return Response::json(400, R"({"error":"no email factor"})");
}

Response Service::validate(const Request &request)
{
    const QByteArray auth = request.header("Authorization");
    if (auth.startsWith("Bearer ") && m_tokens.contains(QString::fromUtf8(auth.mid(7))))
        return Response::json(200, R"({"valid":true})");
    return Response::json(401, R"({"error":"invalid session"})");
}

Response Service::logout(const Request &request)
{
    const QByteArray auth = request.header("Authorization");
    if (auth.startsWith("Bearer "))
        m_tokens.remove(QString::fromUtf8(auth.mid(7)));
    return Response::text(204, {});
}

Response Service::siteFile(const Request &request)
{
    if (m_site.isEmpty() || (request.method != "GET" && request.method != "HEAD"))
        return Response::text(404, "not found\n");
    const QString relative = QString::fromUtf8(request.path);
    const QString cleaned = QDir::cleanPath(relative);
    if (!cleaned.startsWith(QLatin1Char('/')) || cleaned.contains(QStringLiteral("/../")) || cleaned == QStringLiteral("/.."))
        return Response::text(404, "not found\n");
    if (cleaned.endsWith(QStringLiteral(".pem")))
        return Response::text(404, "not found\n");  // the site's signing key stays private
    // The manifest is rewritten below, so its publisher's key (when the site has one) signs what
    // this server actually serves.
    const QString signingKey = m_site + QStringLiteral("/signing-key.pem");
    if (cleaned.endsWith(QStringLiteral("/manifest.json.sig")) && QFile::exists(signingKey)) {
        Request unsigned_ = request;
        unsigned_.path.chop(4);
        const Response manifest = siteFile(unsigned_);
        QFile key(signingKey);
        if (manifest.status != 200 || !key.open(QIODevice::ReadOnly))
            return Response::text(404, "not found\n");
        return Response::text(200, Patcher::signManifest(manifest.body, key.readAll()) + '\n');
    }
    QString file = m_site + cleaned;
    if (build > 1 && cleaned == QLatin1String("/release/manifest.json"))
        file = m_site + QStringLiteral("/release/manifest-%1.json").arg(build);
    const QFileInfo info(file);
    if (!info.isFile())
        return Response::text(404, "not found\n");

    const QString self = origin() + cleaned;
    // Manifest and feed are written with addresses relative to the site; make them absolute here
    // so that one site works on any port.
    if (cleaned.endsWith(QStringLiteral("/manifest.json")) || cleaned == QStringLiteral("/launcher/home.json")) {
        QFile in(file);
        in.open(QIODevice::ReadOnly);
        QJsonObject document = QJsonDocument::fromJson(in.readAll()).object();
        const QString listKey = document.contains(QStringLiteral("files")) ? QStringLiteral("files") : QStringLiteral("hero");
        const QString urlKey = listKey == QLatin1String("files") ? QStringLiteral("url") : QStringLiteral("image");
        QJsonArray list = document.value(listKey).toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            QJsonObject item = list.at(i).toObject();
            item.insert(urlKey, QUrl(self).resolved(QUrl(item.value(urlKey).toString())).toString(QUrl::FullyEncoded));
            list[i] = item;
        }
        document.insert(listKey, list);
        return Response::json(200, QJsonDocument(document).toJson(QJsonDocument::Compact));
    }
    Response response;
    response.headers.append(Header{"Content-Type", QMimeDatabase().mimeTypeForFile(info).name().toLatin1()});
    // Strong validators, as a static file server gives them: size and modification time.
    const QDateTime modified = info.lastModified().toUTC();
    response.headers.append(Header{"ETag", '"' + QByteArray::number(info.size(), 16) + '-'
                                               + QByteArray::number(modified.toMSecsSinceEpoch(), 16) + '"'});
    response.headers.append(Header{"Last-Modified", QLocale::c().toString(modified, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'")).toLatin1()});
    response.filePath = file;
    return response;
}

}
