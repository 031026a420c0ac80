#include "auth/session.h"
#include "support/launcher_error.h"

#include <QJsonDocument>
#include <QJsonParseError>

QByteArray Session::encoded() const
{
    const QJsonObject object{{QStringLiteral("token"), token},
                             {QStringLiteral("username"), username},
                             {QStringLiteral("station_id"), stationId},
                             {QStringLiteral("device_id"), deviceId}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

namespace {
[[noreturn]] void decodingFailed(const QString &why)
{
    throw PlatformError(QStringLiteral("The data couldn't be read because it isn't in the correct format (%1).").arg(why));
}

QString requireString(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        decodingFailed(QStringLiteral("missing key \"%1\"").arg(QLatin1String(key)));
    if (!value.isString())
        decodingFailed(QStringLiteral("\"%1\" is not a string").arg(QLatin1String(key)));
    return value.toString();
}
}

Session Session::decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        decodingFailed(QStringLiteral("not a JSON object"));
    const QJsonObject object = document.object();
    Session session;
    session.token = requireString(object, "token");
    session.username = requireString(object, "username");
    const QJsonValue station = object.value(QLatin1String("station_id"));
    if (station.isUndefined())
        decodingFailed(QStringLiteral("missing key \"station_id\""));
    const double number = station.toDouble(0.5);
    if (!station.isDouble() || number != double(station.toInteger()))
        decodingFailed(QStringLiteral("\"station_id\" is not an integer"));
    session.stationId = station.toInteger();
    session.deviceId = requireString(object, "device_id");
    return session;
}
