#include "support/file_size.h"

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
