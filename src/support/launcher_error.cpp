#include "support/launcher_error.h"
#include "support/file_size.h"

#include <QCoreApplication>

// The messages are English sentences with numbered places for their values. They are composed in
// English (the log quotes them exactly); the window translates them when it shows them.
namespace {
const char *const sources[] = {
    QT_TRANSLATE_NOOP("LauncherError", "Couldn't send the email code. Try again in a minute."),
    QT_TRANSLATE_NOOP("LauncherError", "Couldn't read your saved sign-in from the Keychain (error %1). Sign in again."),
    QT_TRANSLATE_NOOP("LauncherError", "Couldn't save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again."),
    QT_TRANSLATE_NOOP("LauncherError", "Can't reach the login server. Check your connection and try again."),
    QT_TRANSLATE_NOOP("LauncherError", "Can't reach the patch server. Check your connection and try again."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list has a bad download URL for %1. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "%1 failed its checksum after download. Try again."),
    QT_TRANSLATE_NOOP("LauncherError", "The download server returned HTTP %1. Try again later."),
    QT_TRANSLATE_NOOP("LauncherError", "There isn't enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again."),
    QT_TRANSLATE_NOOP("LauncherError", "Another update of this game folder is running. Try again when it has finished."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list isn't signed. Nothing was written. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list's signature isn't valid. Nothing was written. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list doesn't name its channel. Nothing was written. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "The patch list is for the \"%1\" channel, not \"%2\". Nothing was written. Report this to the Vantorel team."),
    QT_TRANSLATE_NOOP("LauncherError", "An unexpected error occurred."),
};
enum Source {
    EmailCodeRefused, KeychainRead, KeychainSave, LoginUnreachable, PatchUnreachable, UnsafePath, BadUrl,
    ChecksumFailed, DownloadStatus, NotEnoughSpace, FolderBusy, ManifestUnsigned, ManifestBadSignature,
    ManifestUndated, ManifestExpired, ManifestRolledBack, ManifestNoChannel, ManifestWrongChannel, Unexpected,
};
static_assert(std::size(sources) == Unexpected + 1);

QString english(Source source) { return QString::fromUtf8(sources[source]); }
}

LauncherError::LauncherError(Kind kind, QString message)
    : m_kind(kind), m_message(std::move(message)), m_utf8(m_message.toStdString())
{
}

QList<const char *> LauncherError::sourceTexts() { return {std::begin(sources), std::end(sources)}; }

QString LauncherError::emailCodeRefused() { return english(EmailCodeRefused); }
QString LauncherError::keychainRead(int status) { return english(KeychainRead).arg(status); }
QString LauncherError::keychainSave(int status) { return english(KeychainSave).arg(status); }
QString LauncherError::loginUnreachable() { return english(LoginUnreachable); }
QString LauncherError::patchUnreachable() { return english(PatchUnreachable); }
QString LauncherError::unsafePath(const QString &path) { return english(UnsafePath).arg(path); }
QString LauncherError::badUrl(const QString &path) { return english(BadUrl).arg(path); }
QString LauncherError::checksumFailed(const QString &path) { return english(ChecksumFailed).arg(path); }
QString LauncherError::downloadStatus(int status) { return english(DownloadStatus).arg(status); }

QString LauncherError::notEnoughSpace(const QString &folder, qint64 needed, qint64 free)
{
    return english(NotEnoughSpace).arg(folder, formatFileSize(needed), formatFileSize(free));
}

QString LauncherError::folderBusy() { return english(FolderBusy); }
QString LauncherError::manifestUnsigned() { return english(ManifestUnsigned); }
QString LauncherError::manifestBadSignature() { return english(ManifestBadSignature); }
QString LauncherError::manifestUndated() { return english(ManifestUndated); }
QString LauncherError::manifestExpired(const QDateTime &expires)
{
    return english(ManifestExpired).arg(expires.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}
QString LauncherError::manifestRolledBack(qint64 version, qint64 accepted)
{
    return english(ManifestRolledBack).arg(version).arg(accepted);
}

QString LauncherError::manifestWrongChannel(const QString &channel, const QString &expected)
{
    return channel.isEmpty() ? english(ManifestNoChannel) : english(ManifestWrongChannel).arg(channel, expected);
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
        return english(Unexpected);
    }
}
