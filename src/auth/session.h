#pragma once
#include <QByteArray>
#include <QJsonObject>
#include <QString>

// A signed-in session, as saved in the credential store.
struct Session {
    QString token;
    QString username;
    qint64 stationId = 0;
    QString deviceId;

    // Compact JSON with the keys "token", "username", "station_id", "device_id".
    QByteArray encoded() const;
    // All four keys are required with their JSON types; anything else throws a decoding error.
    static Session decode(const QByteArray &json);

    bool operator==(const Session &) const = default;
};
