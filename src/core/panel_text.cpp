#include "core/panel_text.h"

#include <cmath>

PanelText panelText(const InstallState &install, const std::optional<PatchPhase> &phase)
{
    PanelText text;
    text.caption = install.kind == InstallState::Working ? QStringLiteral("UPDATING") : QStringLiteral("GAME FILES");
    switch (install.kind) {
    case InstallState::NotInstalled:
        text.title = QStringLiteral("Not installed");
        text.detail = formatFileSize(install.bytes) + QStringLiteral(" download");
        text.mainButton = QStringLiteral("Install");
        text.mainEnabled = text.runsUpdate = true;
        break;
    case InstallState::UpdateAvailable:
        text.title = QStringLiteral("Update available");
        text.detail = QStringLiteral("%1 files, ").arg(install.files) + formatFileSize(install.bytes);
        text.mainButton = QStringLiteral("Update");
        text.mainEnabled = text.runsUpdate = true;
        break;
    case InstallState::Failed:
        text.title = QStringLiteral("Couldn't finish");
        text.detail = install.message;
        text.detailIsFailure = true;
        text.mainButton = QStringLiteral("Try Again");
        text.mainEnabled = text.runsUpdate = true;
        break;
    case InstallState::Checking:
        text.title = QStringLiteral("Checking for updates");
        text.mainButton = QStringLiteral("Checking");
        break;
    case InstallState::Ready:
        text.showStatus = false;
        text.mainButton = QStringLiteral("Play");
        text.mainEnabled = true;
        break;
    case InstallState::Working:
        text.mainButton = QStringLiteral("Updating");
        if (phase && phase->kind == PatchPhase::Verifying) {
            text.title = QStringLiteral("Verifying files");
            if (phase->total >= 1) {
                text.progress = qBound(0.0, double(phase->done) / double(phase->total), 1.0);
                text.detail = QStringLiteral("%1 of %2 files").arg(phase->done).arg(phase->total);
            } else {
                text.progress = -1;
            }
        } else if (phase && phase->kind == PatchPhase::Downloading) {
            text.title = QStringLiteral("Downloading");
            text.progress = qBound(0.0, double(phase->done) / double(qMax<qint64>(phase->total, 1)), 1.0);
            const double rate = std::isfinite(phase->perSecond) ? std::trunc(phase->perSecond) : 0;
            text.detail = formatFileSize(phase->done) + QStringLiteral(" of ") + formatFileSize(phase->total)
                + QStringLiteral(" \u00b7 ") + formatFileSize(qint64(rate)) + QStringLiteral("/s");
        } else {
            text.title = QStringLiteral("Finishing");
            text.progress = -1;
        }
        break;
    }
    return text;
}
