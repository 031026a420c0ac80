#include "support/desktop.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace Desktop {
void openURL(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return;
    QDesktopServices::openUrl(url);
}

void revealFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    const QUrl folder = QUrl::fromLocalFile(clean + QLatin1Char('/'));
    const QUrl parent = QUrl::fromLocalFile(QFileInfo(clean).absolutePath());
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{folder.toString()} << QString();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QDesktopServices::openUrl(parent);
        return;
    }
    // Never wait on the bus from the GUI thread: the answer arrives later, a failure falls back.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [parent](QDBusPendingCallWatcher *w) {
        if (w->isError())
            QDesktopServices::openUrl(parent);
        w->deleteLater();
    });
}
}
