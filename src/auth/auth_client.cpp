#include "auth/auth_client.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

Http::Session &AuthClient::session()
{
    static Http::Session *shared =
        new Http::Session("VantorelLauncher/mac", 20'000, Http::Redirects::SameOrigin);
    return *shared;
}

AuthClient::Reply AuthClient::Reply::read(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject())
        return {};
    const QJsonObject object = document.object();
    Reply reply;
    bool wrongType = false;
    const auto text = [&](const char *key, std::optional<QString> &out) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isString())
            out = value.toString();
        else if (!value.isUndefined() && !value.isNull())
            wrongType = true;
    };
    text("token", reply.token);
    text("method", reply.method);
    text("message", reply.message);
    text("error", reply.error);
    const QJsonValue mfa = object.value(QLatin1String("mfaRequired"));
    if (mfa.isBool())
        reply.mfaRequired = mfa.toBool();
    else if (!mfa.isUndefined() && !mfa.isNull())
        wrongType = true;
    const QJsonValue station = object.value(QLatin1String("station_id"));
    if (station.isDouble() && station.toDouble() == double(station.toInteger()))
        reply.stationId = station.toInteger();
    else if (!station.isUndefined() && !station.isNull())
        wrongType = true;
    return wrongType ? Reply{} : reply;
}

qint64 AuthClient::retryAfter(const QByteArray &header)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = QString::fromLatin1(header);
    if (!decimal.match(text).hasMatch())
        return 60;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? value : 60;
}

QCoro::Task<Http::Reply> AuthClient::post(QString path, QList<Http::Header> headers, std::optional<QByteArray> body) const
{
    headers.prepend(Http::Header(QByteArray("Content-Type"), QByteArray("application/json")));
    // The path is appended to the origin as written; a text that does not parse fails as transport.
    const QUrl url(baseURL + path, QUrl::StrictMode);
    co_return co_await session().send("POST", url, headers, body, requestTimeoutMs, answerMaxBytes, answerDeadlineMs);
}

static Http::Header bearer(const Session &session)
{
    return {QByteArray("Authorization"), "Bearer " + session.token.toUtf8()};
}

static QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Bodies and header lists are built outside the co_await expressions: GCC 12 cannot keep an
// initializer list's array alive across a suspension.
static QByteArray emailBody(const QString &email)
{
    return compact(QJsonObject{{QStringLiteral("username"), email}});
}

static QByteArray validateBody(const Session &saved)
{
    return compact(QJsonObject{{QStringLiteral("stationId"), saved.stationId}, {QStringLiteral("deviceId"), saved.deviceId}});
}

QCoro::Task<LoginOutcome> AuthClient::finish(QString email, QString path, QList<Http::Header> headers, QByteArray body,
                                             QString fallback, bool allowMfa) const
{
    Http::Reply answer;
    try {
        answer = co_await post(path, headers, body);
    } catch (const Http::TransportError &) {
        throw LauncherError::network(LauncherError::loginUnreachable());
    }
    if (answer.status == 429)
        co_return LoginOutcome::rateLimited(retryAfter(answer.header("Retry-After")));
    const Reply reply = Reply::read(answer.body);
    if (answer.status >= 200 && answer.status <= 299 && reply.token)
        co_return LoginOutcome::ok(Session{*reply.token, email, reply.stationId.value_or(0), deviceId});
    if (allowMfa && reply.mfaRequired.value_or(false))
        co_return LoginOutcome::mfa(reply.method.value_or(QStringLiteral("totp")));
    co_return LoginOutcome::failed(reply.message ? *reply.message : reply.error ? *reply.error : fallback);
}

QCoro::Task<LoginOutcome> AuthClient::login(QString email, QString password, std::optional<QString> code) const
{
    QJsonObject body{{QStringLiteral("email"), email},
                     {QStringLiteral("password"), password},
                     {QStringLiteral("deviceId"), deviceId}};
    if (code)
        body.insert(QStringLiteral("code"), *code);
    const QList<Http::Header> headers{Http::Header(QByteArray("X-VANTOREL-Client"), QByteArray("launcher"))};
    co_return co_await finish(email, QStringLiteral("/login"), headers, compact(body),
                              QStringLiteral("Wrong email or password."), true);
}

QCoro::Task<LoginOutcome> AuthClient::verifyMfa(QString email, QString code) const
{
    const QJsonObject body{{QStringLiteral("email"), email},
                           {QStringLiteral("code"), code},
                           {QStringLiteral("deviceId"), deviceId}};
    co_return co_await finish(email, QStringLiteral("/mfa/verify"), {}, compact(body),
                              QStringLiteral("That code didn't work. Check it and try again."), false);
}

QCoro::Task<> AuthClient::beginEmailMfa(QString email) const
{
    const Http::Reply answer = co_await post(QString::fromLatin1("/mfa/email/begin"), {}, emailBody(email));
    if (answer.status > 299)
        throw LauncherError::auth(LauncherError::emailCodeRefused());
}

QCoro::Task<SessionCheck> AuthClient::validate(Session saved) const
{
    const QList<Http::Header> headers{bearer(saved)};
    try {
        const Http::Reply answer = co_await post(QString::fromLatin1("/session/validate"), headers, validateBody(saved));
        co_return (answer.status == 401 || answer.status == 403) ? SessionCheck::Invalid : SessionCheck::Valid;
    } catch (...) {
        co_return SessionCheck::Unreachable;
    }
}

QCoro::Task<> AuthClient::logout(Session saved) const
{
    const QList<Http::Header> headers{bearer(saved)};
    try {
        co_await post(QString::fromLatin1("/logout"), headers, std::nullopt);
    } catch (...) {
    }
}
