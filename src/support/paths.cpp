#include "support/paths.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString firstLocation(QStandardPaths::StandardLocation location)
{
    const QStringList all = QStandardPaths::standardLocations(location);
    // Without any data directory there is nowhere sensible to go but the home folder.
    return all.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : all.first();
}
}

// Every path outlives main(): the log's and the disk's threads may still read one while the
// process exits, after its statics are gone.
namespace Paths {
QString support()
{
    static const QString &path = *new QString(firstLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Vantorel"));
    return path;
}
QString launcherDir()
{
    static const QString &path = *new QString(support() + QStringLiteral("/launcher"));
    return path;
}
QString config()
{
    static const QString &path = *new QString(launcherDir() + QStringLiteral("/config.json"));
    return path;
}
QString logs()
{
    static const QString &path = *new QString(launcherDir() + QStringLiteral("/logs"));
    return path;
}
QString defaultInstall()
{
    static const QString &path = *new QString(support() + QStringLiteral("/client"));
    return path;
}
QString downloadTemp()
{
    static const QString &path = *new QString([] {
        QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (cache.isEmpty())
            cache = QDir::homePath() + QStringLiteral("/.cache");
        return cache + QStringLiteral("/Vantorel/tmp");
    }());
    return path;
}
}
