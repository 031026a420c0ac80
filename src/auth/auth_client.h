#pragma once
#include "auth/session.h"
#include "net/http.h"

#include <QString>
#include <QCoro/QCoroTask>
#include <optional>

// The answer of a sign-in or code request.
struct LoginOutcome {
    enum Kind { Ok, Mfa, RateLimited, Failed };
    Kind kind = Failed;
    Session session;     // Ok
    QString method;      // Mfa
    qint64 retryAfter = 0;  // RateLimited, seconds
    QString message;     // Failed: the sentence to show

    static LoginOutcome ok(Session session) { return {Ok, std::move(session), {}, 0, {}}; }
    static LoginOutcome mfa(QString method) { return {Mfa, {}, std::move(method), 0, {}}; }
    static LoginOutcome rateLimited(qint64 seconds) { return {RateLimited, {}, {}, seconds, {}}; }
    static LoginOutcome failed(QString message) { return {Failed, {}, {}, 0, std::move(message)}; }
    bool operator==(const LoginOutcome &) const = default;
};

// The answer of a saved-session check.
enum class SessionCheck { Valid, Invalid, Unreachable };

// Client of the authentication server's JSON API. A plain value made afresh for every call; the
// one HTTP session it uses is shared by the process.
struct AuthClient {
    QString baseURL;
    QString deviceId;

    // Throws LauncherError::network when the server cannot be reached.
    QCoro::Task<LoginOutcome> login(QString email, QString password, std::optional<QString> code = std::nullopt) const;
    QCoro::Task<LoginOutcome> verifyMfa(QString email, QString code) const;
    // Throws the transport error unchanged, or LauncherError::auth for a status above 299.
    QCoro::Task<> beginEmailMfa(QString email) const;
    // Never throws.
    QCoro::Task<SessionCheck> validate(Session session) const;
    QCoro::Task<> logout(Session session) const;

    // The process-wide session: 20 s idle time-out, the launcher's User-Agent, and redirects kept
    // on the same origin so that a password or token never travels elsewhere.
    static Http::Session &session();
    static constexpr int requestTimeoutMs = 60'000;
    // An answer larger than any the server sends, or one that never ends or trickles in, is no
    // answer: the caller meets it as an unreachable server.
    static constexpr qint64 answerMaxBytes = 1 << 20;
    static inline int answerDeadlineMs = requestTimeoutMs;  // one request in all; tests shorten it

    // The server's reply body, read leniently: one field of the wrong type empties it all.
    struct Reply {
        std::optional<QString> token;
        std::optional<bool> mfaRequired;
        std::optional<QString> method;
        std::optional<QString> message;
        std::optional<QString> error;
        std::optional<qint64> stationId;
        static Reply read(const QByteArray &body);
    };
    // "Retry-After" as a signed decimal number of seconds, else 60.
    static qint64 retryAfter(const QByteArray &header);

private:
    QCoro::Task<Http::Reply> post(QString path, QList<Http::Header> headers, std::optional<QByteArray> body) const;
    QCoro::Task<LoginOutcome> finish(QString email, QString path, QList<Http::Header> headers, QByteArray body,
                                     QString fallback, bool allowMfa) const;
};
