#include "manifest_builder.h"
#include "patch/hashing.h"
#include "support/launcher_error.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <atomic>

namespace ManifestBuilder {
Manifest build(const QString &folder, const QString &baseUrl,
               const std::function<void(qint64, qint64)> &progress)
{
    const QFileInfo root(folder);
    if (!root.isDir())
        throw PlatformError(QStringLiteral("No such build folder: %1").arg(folder));
    const QDir base(root.absoluteFilePath());

    QList<ManifestEntry> entries;
    qint64 totalBytes = 0;
    QDirIterator it(base.path(), QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = base.relativeFilePath(info.absoluteFilePath());
        if (info.isSymLink() || !info.isFile())
            throw PlatformError(QStringLiteral("Not a regular file: %1").arg(relative));
        Patcher::resolve(QStringLiteral("/"), relative);  // refuses what the launcher would refuse
        ManifestEntry entry;
        entry.path = relative;
        entry.size = info.size();
        totalBytes += entry.size;
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const ManifestEntry &a, const ManifestEntry &b) { return a.path.toUtf8() < b.path.toUtf8(); });

    QString prefix = baseUrl;
    if (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    std::atomic<qint64> done{0};
    QtConcurrent::blockingMap(entries, [&](ManifestEntry &entry) {
        entry.sha256 = Patcher::sha256Of(base.filePath(entry.path));
        entry.url = prefix + QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(entry.path, "/"));
        const qint64 now = done += entry.size;
        if (progress)
            progress(now, totalBytes);
    });
    return Manifest{entries};
}

void writeAtomically(const Manifest &manifest, const QString &outputFile)
{
    QDir().mkpath(QFileInfo(outputFile).absolutePath());
    QSaveFile file(outputFile);
    if (!file.open(QIODevice::WriteOnly))
        throw PlatformError(QStringLiteral("Can't write %1: %2").arg(outputFile, file.errorString()));
    file.write(manifest.encoded(true));
    if (!file.commit())
        throw PlatformError(QStringLiteral("Can't write %1: %2").arg(outputFile, file.errorString()));
}
}
