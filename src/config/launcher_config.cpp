#include "config/launcher_config.h"
#include "support/origins.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QUuid>

namespace {
QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// Reads one string key; false when the key holds a value of another type.
bool readString(const QJsonObject &object, const QString &key, const QString &fallback, QString &out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) {
        out = fallback;
        return true;
    }
    if (!value.isString())
        return false;
    out = value.toString();
    return true;
}
}

LauncherConfig::LauncherConfig()
    : deviceId(QUuid::createUuid().toString(QUuid::WithoutBraces).toLower()),
      installPath(withoutTrailingSlash(Paths::defaultInstall())),
      authUrl(Origins::compiledIn().auth),
      manifestBase(Origins::compiledIn().patch),
      channel(QStringLiteral("release"))
{
}

std::optional<LauncherConfig> LauncherConfig::fromJson(const QJsonObject &object)
{
    const LauncherConfig defaults;
    LauncherConfig config;
    if (!readString(object, QStringLiteral("device_id"), defaults.deviceId, config.deviceId)
        || !readString(object, QStringLiteral("install_path"), defaults.installPath, config.installPath)
        || !readString(object, QStringLiteral("auth_url"), defaults.authUrl, config.authUrl)
        || !readString(object, QStringLiteral("manifest_base"), defaults.manifestBase, config.manifestBase)
        || !readString(object, QStringLiteral("channel"), defaults.channel, config.channel))
        return std::nullopt;
    if (config.deviceId.isEmpty())
        config.deviceId = defaults.deviceId;
    if (config.installPath.isEmpty())
        config.installPath = defaults.installPath;
    return config;
}

QJsonObject LauncherConfig::toJson() const
{
    return QJsonObject{{QStringLiteral("device_id"), deviceId},
                       {QStringLiteral("install_path"), installPath},
                       {QStringLiteral("auth_url"), authUrl},
                       {QStringLiteral("manifest_base"), manifestBase},
                       {QStringLiteral("channel"), channel}};
}

QByteArray LauncherConfig::encoded() const
{
    // QJsonObject keeps its keys sorted, so the indented form lists them in sorted order.
    return QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
}

LauncherConfig LauncherConfig::load()
{
    QFile file(Paths::config());
    if (file.open(QIODevice::ReadOnly)) {
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
        if (document.isObject()) {
            if (auto config = fromJson(document.object()))
                return *config;
        }
    }
    LauncherConfig defaults;
    QDir().mkpath(Paths::launcherDir());
    if (!QFileInfo::exists(Paths::config()) && !QFileInfo(Paths::config()).isSymLink()) {
        QFile out(Paths::config());
        if (out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            out.write(defaults.encoded());
    }
    return defaults;
}

QUrl LauncherConfig::manifestURL() const
{
    QString base = manifestBase;
    if (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + QLatin1Char('/') + channel + QStringLiteral("/manifest.json"), QUrl::StrictMode);
}
