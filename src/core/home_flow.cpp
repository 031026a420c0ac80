// AppModel: the home feed and its pictures.
#include "core/app_model.h"
#include "core/home_feed.h"
#include "core/slide_images.h"

#include "support/background.h"

#include <algorithm>

namespace {
// The feed is unsigned and names any host: answers larger than a feed or a picture could be are
// stopped as they arrive, and none may take longer than this in all.
constexpr qint64 feedMaxBytes = 4 << 20;
constexpr qint64 pictureMaxBytes = 32 << 20;
constexpr int homeDeadlineMs = 120'000;
}

Http::Session &AppModel::homeSession()
{
    static Http::Session *session = new Http::Session(homeUserAgent, 60'000);
    return *session;
}

QCoro::Task<> AppModel::loadHome()
{
    try {
        const QUrl url(m_origins.patch + QString::fromLatin1("/launcher/home.json"));
        const Http::Reply reply = co_await homeSession().send("GET", url, {}, std::nullopt, 60'000, feedMaxBytes, homeDeadlineMs);
        const HomeFeed feed = HomeFeed::decode(reply.body);  // whatever the status
        if (feed.hero && !feed.hero->isEmpty())
            setSlides(feed.hero->mid(0, maxSlides));
    } catch (...) {
        // Silent: the current slides stay.
    }
    const QList<HeroSlide> slides = m_slides;
    for (const HeroSlide &slide : slides)
        co_await loadImage(slide.image);
}

QCoro::Task<> AppModel::loadImage(QString address)
{
    if (m_images.contains(address))
        co_return;
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || address.isEmpty())
        co_return;
    try {
        const Http::Reply reply = co_await homeSession().send("GET", url, {}, std::nullopt, 60'000, pictureMaxBytes,
                                                              homeDeadlineMs);
        const QByteArray body = reply.body;
        const auto decode = [body, drawn = m_pictureSize] {
            return decodeSlidePicture(body, drawn, picturesMaxBytes / maxSlides);
        };
        const QImage image = co_await Background::run(decode);
        // A feed that arrived meanwhile may show other pictures: this one would only take memory.
        const bool shown = std::any_of(m_slides.cbegin(), m_slides.cend(),
                                       [&address](const HeroSlide &slide) { return slide.image == address; });
        if (image.isNull() || !shown)
            co_return;
        m_images.insert(address, image);
        ++m_imagesRevision;
        emit imagesChanged();
    } catch (...) {
    }
}

void AppModel::setPictureSize(QSize size)
{
    if (m_pictureSize == size)
        return;
    m_pictureSize = size;
    emit pictureSizeChanged();
}
