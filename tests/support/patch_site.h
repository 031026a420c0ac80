#pragma once
#include "config/launcher_config.h"
#include "manifest/manifest.h"
#include "support/origins.h"
#include "standin/standin.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

// Files served by an in-process stand-in, and the manifest entries that name them.
class PatchSite {
public:
    PatchSite() { m_server = std::make_unique<Standin::Service>(m_dir.path()); m_server->listen(); }
    Standin::Service &server() { return *m_server; }

    // Serves `content` at /files/<path> and returns its entry.
    ManifestEntry add(const QString &path, const QByteArray &content);
    static QString sha256(const QByteArray &content)
    {
        return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
    }
    QString folder() const { return m_dir.path(); }
    // "status Range; " for each request to a path so far, for failure messages.
    QString requestSummary(const QByteArray &path) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Standin::Service> m_server;
};

// The stand-in's small demo site, written into `folder` by the stand-in program itself and served
// in-process; null when it could not be made.
std::unique_ptr<Standin::Service> serveSmallDemoSite(const QString &standinProgram, const QString &folder);

// A launcher that talks to this stand-in only, for every server, and installs into `installPath`.
LauncherConfig launcherConfigFor(const Standin::Service &server, const QString &installPath);
Origins originsOf(const Standin::Service &server);

// Deterministic bytes of a given size.
QByteArray bytesOf(qint64 size, char seed = 'a');
