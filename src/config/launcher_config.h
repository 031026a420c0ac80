#pragma once
#include <QJsonObject>
#include <QString>
#include <QUrl>
#include <optional>

// The launcher's persistent configuration ("config.json" in the launcher directory).
struct LauncherConfig {
    QString deviceId;
    QString installPath;
    QString authUrl;
    QString manifestBase;
    QString channel;

    // The defaults; every call makes a new random device id.
    LauncherConfig();

    // The configuration for this run. Never fails: a missing or unusable file gives the
    // defaults, and a missing file is created with them.
    static LauncherConfig load();

    // Lenient reading: absent or null keys take defaults; a key of another type fails the reading.
    static std::optional<LauncherConfig> fromJson(const QJsonObject &object);
    QJsonObject toJson() const;
    // Pretty-printed, keys sorted.
    QByteArray encoded() const;

    // <manifestBase without one trailing "/">/<channel>/manifest.json
    QUrl manifestURL() const;

    bool operator==(const LauncherConfig &) const = default;
};
