#include "support/launcher_error.h"
#include "support/file_size.h"

LauncherError::LauncherError(Kind kind, QString message)
    : m_kind(kind), m_message(std::move(message)), m_utf8(m_message.toStdString())
{
}

QString LauncherError::emailCodeRefused()
{
    return QStringLiteral("Couldn't send the email code. Try again in a minute.");
}
QString LauncherError::keychainRead(int status)
{
    return QStringLiteral("Couldn't read your saved sign-in from the Keychain (error %1). Sign in again.").arg(status);
}
QString LauncherError::keychainSave(int status)
{
    return QStringLiteral("Couldn't save your sign-in to the Keychain (error %1). Allow access when macOS asks, "
                          "then sign in again.")
        .arg(status);
}
QString LauncherError::loginUnreachable()
{
    return QStringLiteral("Can't reach the login server. Check your connection and try again.");
}
QString LauncherError::patchUnreachable()
{
    return QStringLiteral("Can't reach the patch server. Check your connection and try again.");
}
QString LauncherError::unsafePath(const QString &path)
{
    return QStringLiteral("The patch list has an unsafe file path (") + path
        + QStringLiteral("). Nothing was written. Report this to the Vantorel team.");
}
QString LauncherError::badUrl(const QString &path)
{
    return QStringLiteral("The patch list has a bad download URL for ") + path
        + QStringLiteral(". Report this to the Vantorel team.");
}
QString LauncherError::checksumFailed(const QString &path)
{
    return path + QStringLiteral(" failed its checksum after download. Try again.");
}
QString LauncherError::downloadStatus(int status)
{
    return QStringLiteral("The download server returned HTTP %1. Try again later.").arg(status);
}

QString LauncherError::notEnoughSpace(const QString &folder, qint64 needed, qint64 free)
{
    return QStringLiteral("There isn't enough free space for this update in ") + folder + QStringLiteral(": it needs ")
        + formatFileSize(needed) + QStringLiteral(" and ") + formatFileSize(free)
        + QStringLiteral(" is free. Free up some space, then try again.");
}

QString LauncherError::folderBusy()
{
    return QStringLiteral("Another update of this game folder is running. Try again when it has finished.");
}

QString LauncherError::manifestUnsigned()
{
    return QStringLiteral("The patch list isn't signed. Nothing was written. Report this to the Vantorel team.");
}
QString LauncherError::manifestBadSignature()
{
    return QStringLiteral("The patch list's signature isn't valid. Nothing was written. Report this to the Vantorel team.");
}
QString LauncherError::manifestUndated()
{
    return QStringLiteral("The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.");
}
QString LauncherError::manifestExpired(const QDateTime &expires)
{
    return QStringLiteral("The patch list expired on ") + expires.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
        + QStringLiteral(" UTC. Nothing was written. Report this to the Vantorel team.");
}
QString LauncherError::manifestRolledBack(qint64 version, qint64 accepted)
{
    return QStringLiteral("The patch list is older (version %1) than one this launcher already used (version %2). "
                          "Nothing was written. Report this to the Vantorel team.")
        .arg(version)
        .arg(accepted);
}

QString LauncherError::manifestWrongChannel(const QString &channel, const QString &expected)
{
    const QString which = channel.isEmpty() ? QStringLiteral("The patch list doesn't name its channel")
                                            : QStringLiteral("The patch list is for the \"") + channel
            + QStringLiteral("\" channel, not \"") + expected + QStringLiteral("\"");
    return which + QStringLiteral(". Nothing was written. Report this to the Vantorel team.");
}

PlatformError::PlatformError(QString description)
    : m_description(std::move(description)), m_utf8(m_description.toStdString())
{
}

QString describeError(const std::exception &error)
{
    if (auto launcher = dynamic_cast<const LauncherError *>(&error))
        return launcher->errorDescription();
    if (auto platform = dynamic_cast<const PlatformError *>(&error))
        return platform->errorDescription();
    return QString::fromUtf8(error.what());
}

QString describeCurrentException()
{
    try {
        throw;
    } catch (const std::exception &error) {
        return describeError(error);
    } catch (...) {
        return QStringLiteral("An unexpected error occurred.");
    }
}
