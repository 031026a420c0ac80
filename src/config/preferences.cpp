#include "config/preferences.h"
#include "support/log.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {
QString file() { return Paths::launcherDir() + QStringLiteral("/preferences.json"); }
const QString limitKey = QStringLiteral("download_limit");
const QString automaticKey = QStringLiteral("automatic_updates");
const QString languageKey = QStringLiteral("language");
const QString shareKey = QStringLiteral("share_on_network");
const QString uploadKey = QStringLiteral("upload_limit");

// A missing or null value is the default; anything else must have the expected type and range.
bool readBool(const QJsonObject &object, const QString &key, bool &out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    out = value.toBool();
    return value.isBool();
}

bool readRate(const QJsonObject &object, const QString &key, qint64 &out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isDouble() || value.toDouble() < 0 || value.toDouble() > double(Preferences::maxDownloadLimit))
        return false;
    out = qint64(value.toDouble());
    return true;
}
}

Preferences Preferences::load()
{
    QFile in(file());
    if (!in.exists())
        return {};
    Preferences preferences;
    const auto damaged = [] {
        Log::warn(QStringLiteral("preferences: preferences.json is damaged; downloads are not limited"));
        return Preferences{};
    };
    if (!in.open(QIODevice::ReadOnly) || in.size() > 64 * 1024)
        return damaged();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return damaged();
    const QJsonValue automatic = document.object().value(automaticKey);
    const bool automaticMissing = automatic.isUndefined() || automatic.isNull();
    if (!automaticMissing && !automatic.isBool())
        return damaged();
    preferences.automaticUpdates = automatic.toBool(false);
    // Any other value than a string follows the system, as a missing one does.
    preferences.language = document.object().value(languageKey).toString();
    if (!readBool(document.object(), shareKey, preferences.shareOnNetwork)
        || !readRate(document.object(), uploadKey, preferences.uploadLimit))
        return damaged();
    const QJsonValue limit = document.object().value(limitKey);
    if (limit.isUndefined() || limit.isNull())
        return preferences;
    if (!limit.isDouble() || limit.toDouble() < 0 || limit.toDouble() > double(maxDownloadLimit))
        return damaged();
    preferences.downloadLimit = qint64(limit.toDouble());
    return preferences;
}

bool Preferences::save() const
{
    QDir().mkpath(Paths::launcherDir());
    QSaveFile out(file());
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QJsonObject object{{limitKey, downloadLimit}, {automaticKey, automaticUpdates}};
    if (!language.isEmpty())
        object.insert(languageKey, language);
    object.insert(shareKey, shareOnNetwork);
    if (uploadLimit > 0)
        object.insert(uploadKey, uploadLimit);
    out.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    return out.commit();
}
