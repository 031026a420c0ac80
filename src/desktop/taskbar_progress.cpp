#include "desktop/taskbar_progress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <cmath>

void TaskbarProgress::show(double fraction)
{
    // A download reports many times a second; a tenth of a percent is finer than any bar.
    const int permille = int(std::lround(qBound(0.0, fraction, 1.0) * 1000));
    if (m_shown && permille == m_permille)
        return;
    m_shown = true;
    m_permille = permille;
    send(permille / 1000.0, true);
}

void TaskbarProgress::clear()
{
    if (!m_shown)
        return;
    m_shown = false;
    m_permille = -1;
    send(0, false);
}

void TaskbarProgress::send(double fraction, bool visible)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/com/vantorel/Launcher"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    const QVariantMap properties{{QStringLiteral("progress"), fraction},
                                 {QStringLiteral("progress-visible"), visible}};
    signal << QStringLiteral("application://com.vantorel.Launcher.desktop") << properties;
    QDBusConnection::sessionBus().send(signal);
}
