#include "support/file_size.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString formatFileSize(qint64 bytes)
{
    if (bytes < 1000)
        return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < 999'500)
        return QStringLiteral("%1 KB").arg(qRound64(bytes / 1e3));
    if (bytes < 999'950'000)
        return QStringLiteral("%1 MB").arg(bytes / 1e6, 0, 'f', 1);
    if (bytes < 999'995'000'000)
        return QStringLiteral("%1 GB").arg(bytes / 1e9, 0, 'f', 2);
    return QStringLiteral("%1 TB").arg(bytes / 1e12, 0, 'f', 2);
}

namespace {
QLocale &numberLocale()
{
    static QLocale locale = QLocale::c();
    return locale;
}
}

QLocale displayNumberLocale() { return numberLocale(); }
void setDisplayNumberLocale(const QLocale &locale) { numberLocale() = locale; }

QString displayFileSize(qint64 bytes)
{
    const QLocale locale = displayNumberLocale();
    if (locale.language() == QLocale::C)
        return formatFileSize(bytes);
    if (bytes == 1)
        return QCoreApplication::translate("FileSize", "1 byte");
    QString number;
    const char *unit;
    if (bytes < 1000)
        number = locale.toString(bytes), unit = QT_TRANSLATE_NOOP("FileSize", "%1 bytes");
    else if (bytes < 999'500)
        number = locale.toString(qRound64(bytes / 1e3)), unit = QT_TRANSLATE_NOOP("FileSize", "%1 KB");
    else if (bytes < 999'950'000)
        number = locale.toString(bytes / 1e6, 'f', 1), unit = QT_TRANSLATE_NOOP("FileSize", "%1 MB");
    else if (bytes < 999'995'000'000)
        number = locale.toString(bytes / 1e9, 'f', 2), unit = QT_TRANSLATE_NOOP("FileSize", "%1 GB");
    else
        number = locale.toString(bytes / 1e12, 'f', 2), unit = QT_TRANSLATE_NOOP("FileSize", "%1 TB");
    return QCoreApplication::translate("FileSize", unit).arg(number);
}

QString displayFileSizeText(const QString &english)
{
    static const QRegularExpression size(QStringLiteral("^([0-9]+)(?:\\.([0-9]+))? (bytes?|KB|MB|GB|TB)$"));
    const QLocale locale = displayNumberLocale();
    const auto found = size.match(english);
    if (locale.language() == QLocale::C || !found.hasMatch())
        return english;
    const QString unit = found.captured(3);
    if (unit == QLatin1String("byte"))
        return QCoreApplication::translate("FileSize", "1 byte");
    const QString fraction = found.captured(2);
    const QString number = fraction.isEmpty()
        ? locale.toString(found.captured(1).toLongLong())
        : locale.toString((found.captured(1) + QLatin1Char('.') + fraction).toDouble(), 'f', int(fraction.size()));
    const QByteArray source = "%1 " + unit.toLatin1();
    return QCoreApplication::translate("FileSize", source.constData()).arg(number);
}
