#include "core/home_feed.h"
#include "support/launcher_error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

HomeFeed HomeFeed::decode(const QByteArray &json)
{
    const auto fail = [](const char *why) {
        throw PlatformError(QStringLiteral("The home feed isn't in the correct format (%1).").arg(QLatin1String(why)));
    };
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        fail("not an object");
    const QJsonValue hero = document.object().value(QLatin1String("hero"));
    HomeFeed feed;
    if (hero.isUndefined() || hero.isNull())
        return feed;
    if (!hero.isArray())
        fail("hero");
    QList<HeroSlide> slides;
    for (const QJsonValue &item : hero.toArray()) {
        if (!item.isObject())
            fail("slide");
        const QJsonObject object = item.toObject();
        const QJsonValue image = object.value(QLatin1String("image"));
        const QJsonValue headline = object.value(QLatin1String("headline"));
        const QJsonValue sub = object.value(QLatin1String("sub"));
        if (!image.isString() || !headline.isString())
            fail("image or headline");
        if (!sub.isUndefined() && !sub.isNull() && !sub.isString())
            fail("sub");
        slides.append(HeroSlide{image.toString(), headline.toString(),
                                sub.isString() ? std::optional<QString>(sub.toString()) : std::nullopt});
    }
    feed.hero = slides;
    return feed;
}
