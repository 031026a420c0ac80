#pragma once
#include "core/states.h"

#include <QByteArray>
#include <QList>
#include <optional>

// The home-feed document: {"hero": [{"image", "headline", "sub"?}, ...]?}. Strict: one bad slide
// rejects the whole document (PlatformError).
struct HomeFeed {
    std::optional<QList<HeroSlide>> hero;
    static HomeFeed decode(const QByteArray &json);
};

// The User-Agent of the home feed and its pictures.
inline constexpr const char *homeUserAgent =
    "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 Chrome/124.0.0.0 Safari/537.36";
