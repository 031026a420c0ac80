#include "support/patch_site.h"
#include "support/test_profile.h"

#include <QProcess>
#include <QUrl>

ManifestEntry PatchSite::add(const QString &path, const QByteArray &content)
{
    writeFile(m_dir.path() + QStringLiteral("/files/") + path, content);
    return ManifestEntry{path, sha256(content), content.size(),
                         m_server->origin() + QStringLiteral("/files/")
                             + QString::fromLatin1(QUrl::toPercentEncoding(path, "/")), {}};
}

QString PatchSite::requestSummary(const QByteArray &path) const
{
    QString out;
    for (const auto &r : m_server->requestsTo(path))
        out += QString::number(r.status) + QLatin1Char(' ') + QString::fromLatin1(r.header("Range")) + QStringLiteral("; ");
    return out;
}

QByteArray bytesOf(qint64 size, char seed)
{
    QByteArray out(size, Qt::Uninitialized);
    quint32 state = quint8(seed) * 2654435761u + 1;
    for (qint64 i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        out[i] = char(state >> 24);
    }
    return out;
}

std::unique_ptr<Standin::Service> serveSmallDemoSite(const QString &standinProgram, const QString &folder)
{
    QProcess maker;
    maker.start(standinProgram, {QStringLiteral("--make-demo"), folder, QStringLiteral("--small")});
    if (!maker.waitForFinished(120000) || maker.exitCode() != 0)
        return nullptr;
    auto server = std::make_unique<Standin::Service>(folder);
    if (!server->listen())
        return nullptr;
    return server;
}

LauncherConfig launcherConfigFor(const Standin::Service &server, const QString &installPath)
{
    LauncherConfig config;
    config.authUrl = server.origin();
    config.manifestBase = server.origin();
    config.installPath = installPath;
    return config;
}

Origins originsOf(const Standin::Service &server)
{
    return Origins{server.origin(), server.origin(), server.origin()};
}
