// AppModel: preferences the player sets in the settings window.
#include "config/preferences.h"
#include "core/app_model.h"
#include "patch/rate_limiter.h"
#include "support/background.h"

#include <QLocale>
#include <cmath>

namespace {
QCoro::Task<> save(Preferences preferences)
{
    const auto write = [preferences] { preferences.save(); };
    try {
        co_await Background::run(write);
    } catch (...) {
        // Not saved: the limit still holds for this run.
    }
}
}

void AppModel::applyDownloadLimit(qint64 bytesPerSecond)
{
    RateLimiter::global().setLimit(bytesPerSecond);
    if (m_downloadLimit == bytesPerSecond)
        return;
    m_downloadLimit = bytesPerSecond;
    emit downloadLimitChanged();
}

bool AppModel::setDownloadLimit(const QString &megabytesPerSecond)
{
    QString text = megabytesPerSecond.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    double megabytes = 0;
    if (!text.isEmpty()) {
        bool ok = false;
        megabytes = text.toDouble(&ok);
        if (!ok || !std::isfinite(megabytes) || megabytes < 0 || megabytes > 1e6)
            return false;
    }
    // Decimal megabytes, as the game panel writes sizes and rates.
    const qint64 bytes = qRound64(megabytes * 1e6);
    if (bytes == m_downloadLimit)
        return true;
    applyDownloadLimit(bytes);
    save(Preferences{bytes});
    return true;
}

QString AppModel::downloadLimitText() const
{
    if (m_downloadLimit <= 0)
        return {};
    return QLocale::c().toString(m_downloadLimit / 1e6, 'g', 6);
}
