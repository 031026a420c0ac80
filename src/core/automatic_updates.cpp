// AppModel: updates that start without a click, and the check the launcher repeats while it runs.
#include "core/app_model.h"
#include "desktop/network_metering.h"
#include "support/log.h"

QCoro::Task<> AppModel::updateIfAutomatic()
{
    // A whole install is the player's decision, whatever the setting says.
    if (!m_automaticUpdates || m_install.kind != InstallState::UpdateAvailable)
        co_return;
    const bool metered = co_await NetworkMetering::isMetered();
    // The answer took a while: the setting or the install may have changed meanwhile.
    if (!m_automaticUpdates || m_install.kind != InstallState::UpdateAvailable)
        co_return;
    if (metered) {
        if (!m_toldMetered)
            Log::info(QStringLiteral("check: update available; not updating automatically on a metered connection"));
        m_toldMetered = true;
        co_return;
    }
    m_toldMetered = false;
    Log::info(QStringLiteral("check: update available; updating automatically"));
    co_await patch();
}

void AppModel::recheck()
{
    // Only where a check can lead anywhere: signed in, on the main screen, no run going.
    if (!m_session || m_screen.kind != Screen::Main || m_install.kind == InstallState::Working)
        return;
    checkInstall();
}
