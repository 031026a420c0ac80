#pragma once
#include "http_server.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QString>

namespace Standin {

struct RecordedRequest {
    QByteArray method;
    QByteArray path;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    int status = 0;
    QByteArray header(const QByteArray &name) const;
};

// The local stand-in for the launcher's servers: the authentication API with demo accounts, a
// patch site served from a folder, the home feed, and small web pages. Records every request.
class Service : public QObject {
    Q_OBJECT
public:
    explicit Service(QString siteFolder = {}, QObject *parent = nullptr);
    bool listen(quint16 port = 0) { return m_http.listen(port); }
    void enableTls() { m_http.enableTls(); }
    void enableTls(const QSslConfiguration &configuration) { m_http.enableTls(configuration); }
    QString origin() const { return m_http.origin(); }
    HttpServer &http() { return m_http; }

    void setRequestLog(const QString &file);
    const QList<RecordedRequest> &requests() const { return m_requests; }
    QList<RecordedRequest> requestsTo(const QByteArray &path) const;
    void clearRequests() { m_requests.clear(); }

    // Lets a test answer a path itself (takes precedence over everything else).
    void setRoute(const QByteArray &path, HttpServer::Handler handler) { m_routes.insert(path, std::move(handler)); }
    void clearRoutes() { m_routes.clear(); }
    // The tokens this server issued and that have not been logged out.
    const QSet<QString> &liveTokens() const { return m_tokens; }
    // Which build the "release" channel publishes: 2 serves release/manifest-2.json as its manifest.
    int build = 1;
    // Remaining seconds of rate limiting after repeated failures (30 by default).
    int lockSeconds = 30;

private:
    Response handle(const Request &request);
    Response login(const Request &request);
    Response verifyMfa(const Request &request);
    Response beginEmail(const Request &request);
    Response validate(const Request &request);
    Response logout(const Request &request);
    Response siteFile(const Request &request);
    Response issueToken(const QString &email);

    HttpServer m_http;
    QString m_site;
    QList<RecordedRequest> m_requests;
    std::unique_ptr<QFile> m_log;
    QHash<QByteArray, HttpServer::Handler> m_routes;
    QSet<QString> m_tokens;
    QHash<QString, int> m_failures;
    QHash<QString, QDateTime> m_lockedUntil;
    int m_nextStation = 4100;
};

// Writes the deterministic demo site: the "release" channel (two builds, the second with changes
// inside its large files, each with a manifest and chunk indexes), the home feed
// and its pictures, and the web pages. `small` makes a quick few-megabyte build for tests.
void makeDemoSite(const QString &folder, bool small);

}
