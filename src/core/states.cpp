#include "core/states.h"

// Short readable forms, for test failures and debugging.
QString describe(const Screen &screen)
{
    static const char *names[] = {"starting", "login", "mfa", "main", "unreachable"};
    QString text = QString::fromLatin1(names[screen.kind]);
    if (screen.kind == Screen::Mfa)
        text += QLatin1Char('(') + screen.method + QLatin1Char(')');
    return text;
}

QString describe(const InstallState &state)
{
    switch (state.kind) {
    case InstallState::NotInstalled: return QStringLiteral("notInstalled(%1)").arg(state.bytes);
    case InstallState::UpdateAvailable: return QStringLiteral("updateAvailable(%1,%2)").arg(state.files).arg(state.bytes);
    case InstallState::Failed: return QStringLiteral("failed(%1)").arg(state.message);
    case InstallState::Checking: return QStringLiteral("checking");
    case InstallState::Ready: return QStringLiteral("ready");
    case InstallState::Working: return QStringLiteral("working");
    }
    return {};
}

QString describe(const PatchPhase &phase)
{
    switch (phase.kind) {
    case PatchPhase::Verifying: return QStringLiteral("verifying(%1,%2)").arg(phase.done).arg(phase.total);
    case PatchPhase::Downloading:
        return QStringLiteral("downloading(%1,%2,%3)").arg(phase.done).arg(phase.total).arg(phase.perSecond);
    case PatchPhase::Finishing: return QStringLiteral("finishing");
    }
    return {};
}
