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

namespace Paths {
QString support()
{
    static const QString path = firstLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Vantorel");
    return path;
}
QString launcherDir()
{
    static const QString path = support() + QStringLiteral("/launcher");
    return path;
}
QString config()
{
    static const QString path = launcherDir() + QStringLiteral("/config.json");
    return path;
}
QString logs()
{
    static const QString path = launcherDir() + QStringLiteral("/logs");
    return path;
}
QString defaultInstall()
{
    static const QString path = support() + QStringLiteral("/client");
    return path;
}
QString downloadTemp()
{
    static const QString path = [] {
        QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (cache.isEmpty())
            cache = QDir::homePath() + QStringLiteral("/.cache");
        return cache + QStringLiteral("/Vantorel/tmp");
    }();
    return path;
}
}
