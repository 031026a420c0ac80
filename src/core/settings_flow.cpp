// AppModel: preferences the player sets in the settings window.
#include "config/preferences.h"
#include "core/app_model.h"
#include "transfer/rate_limiter.h"
#include "support/background.h"
#include "support/log.h"
#include "support/display_language.h"

#include <QLocale>

#include <QRegularExpression>
#include <mutex>

namespace {
// Saves run on the pool and may finish out of order: the newest asked for is the one kept.
std::mutex savingLock;
quint64 asked = 0;    // GUI thread
quint64 written = 0;  // under savingLock

QCoro::Task<> write(Preferences preferences)
{
    const auto write = [preferences, mine = ++asked] {
        const std::lock_guard guard(savingLock);
        if (mine < written)
            return;
        written = mine;
        preferences.save();
    };
    try {
        co_await Background::run(write);
    } catch (...) {
        // Not saved: the preferences still hold for this run.
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

namespace {
// The settings fields' text: megabytes per second, decimal; "" or "0" for no limit. The field's
// own rule: up to six digits, then up to three decimals. Nullopt for other text.
std::optional<qint64> bytesPerSecondOf(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{0,6}([.,][0-9]{0,3})?$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    QString number = text;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    // Decimal megabytes, as the game panel writes sizes and rates.
    return number.isEmpty() || number == QLatin1String(".") ? 0 : qRound64(number.toDouble() * 1e6);
}

// In the field's own form, so that what it shows is always text it accepts: "12.5", never "1e+06".
QString megabytesText(qint64 bytesPerSecond)
{
    if (bytesPerSecond <= 0)
        return {};
    const qint64 limit = qMin(bytesPerSecond, Preferences::maxDownloadLimit);
    QString text = QString::number(qRound64(double(limit) / 1e3)).rightJustified(4, QLatin1Char('0'));
    text.insert(text.size() - 3, QLatin1Char('.'));
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("0") ? QStringLiteral("0.001") : text;
}
}

bool AppModel::setDownloadLimit(const QString &megabytesPerSecond)
{
    const QString text = megabytesPerSecond.trimmed();
    // What the field shows stands for the limit as it is, even when it was rounded for showing.
    if (text == downloadLimitText())
        return true;
    const std::optional<qint64> bytes = bytesPerSecondOf(text);
    if (!bytes)
        return false;
    if (*bytes == m_downloadLimit)
        return true;
    applyDownloadLimit(*bytes);
    savePreferences();
    return true;
}

bool AppModel::setUploadLimit(const QString &megabytesPerSecond)
{
    const QString text = megabytesPerSecond.trimmed();
    if (text == uploadLimitText())
        return true;
    const std::optional<qint64> bytes = bytesPerSecondOf(text);
    if (!bytes)
        return false;
    if (*bytes == m_uploadLimit)
        return true;
    m_uploadLimit = *bytes;
    emit uploadLimitChanged();
    applySharing();
    savePreferences();
    return true;
}

QString AppModel::uploadLimitText() const
{
    return megabytesText(m_uploadLimit);
}

void AppModel::setShareOnNetwork(bool on)
{
    if (m_shareOnNetwork == on)
        return;
    m_shareOnNetwork = on;
    emit shareOnNetworkChanged();
    applySharing();
    savePreferences();
}

void AppModel::setAutomaticUpdates(bool on)
{
    if (m_automaticUpdates == on)
        return;
    m_automaticUpdates = on;
    emit automaticUpdatesChanged();
    savePreferences();
}

void AppModel::savePreferences() const
{
    write(Preferences{m_downloadLimit, m_automaticUpdates, m_language, m_shareOnNetwork, m_uploadLimit});
}

void AppModel::setLanguage(const QString &code)
{
    if (m_language == code)
        return;
    m_language = code;
    applyLanguage();
    showLanguage();
    savePreferences();
}

void AppModel::showLanguage()
{
    emit languageChanged();
    // The texts composed here follow, as the views' own do on retranslate().
    emit noticeChanged();
    emit installChanged();
    emit panelChanged();
}

void AppModel::applyLanguage() const
{
    const QString code = DisplayLanguage::resolve(m_language, QLocale::system().uiLanguages(), DisplayLanguage::shipped());
    if (code != DisplayLanguage::current())
        Log::info(QStringLiteral("language: ") + (code.isEmpty() ? QStringLiteral("en") : code));
    DisplayLanguage::apply(code);
}

QVariantList AppModel::languages() const
{
    QVariantList list;
    for (const QString &code : QStringList{QStringLiteral("en")} + DisplayLanguage::shipped())
        list.append(QVariantMap{{QStringLiteral("code"), code}, {QStringLiteral("name"), DisplayLanguage::nativeName(code)}});
    return list;
}

QString AppModel::downloadLimitText() const
{
    return megabytesText(m_downloadLimit);
}
