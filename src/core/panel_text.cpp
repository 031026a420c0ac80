#include "core/panel_text.h"
#include "support/message_text.h"

#include <QCoreApplication>

#include <cmath>

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(PanelText)
};
QString count(qint64 n) { return displayNumberLocale().toString(n); }
}

PanelText panelText(const InstallState &install, const std::optional<PatchPhase> &phase)
{
    PanelText text;
    text.caption = install.kind == InstallState::Working ? Words::tr("UPDATING") : Words::tr("GAME FILES");
    switch (install.kind) {
    case InstallState::NotInstalled:
        text.title = Words::tr("Not installed");
        text.detail = Words::tr("%1 download").arg(displayFileSize(install.bytes));
        text.mainButton = Words::tr("Install");
        text.mainEnabled = text.runsUpdate = true;
        break;
    case InstallState::UpdateAvailable:
        text.title = Words::tr("Update available");
        text.detail = Words::tr("%1 files, %2").arg(count(install.files), displayFileSize(install.bytes));
        text.mainButton = Words::tr("Update");
        text.mainEnabled = text.runsUpdate = true;
        break;
    case InstallState::Failed:
        text.title = Words::tr("Couldn't finish");
        text.detail = translatedMessage(install.message);
        text.detailIsFailure = true;
        text.mainButton = Words::tr("Try Again");
        text.mainEnabled = text.runsUpdate = true;
        break;
    case InstallState::Checking:
        text.title = Words::tr("Checking for updates");
        text.mainButton = Words::tr("Checking");
        break;
    case InstallState::Ready:
        text.showStatus = false;
        text.mainButton = Words::tr("Play");
        text.mainEnabled = true;
        break;
    case InstallState::Working:
        text.mainButton = Words::tr("Updating");
        if (phase && phase->kind == PatchPhase::Verifying) {
            text.title = Words::tr("Verifying files");
            if (phase->total >= 1) {
                text.progress = qBound(0.0, double(phase->done) / double(phase->total), 1.0);
                text.detail = Words::tr("%1 of %2 files").arg(count(phase->done), count(phase->total));
            } else {
                text.progress = -1;
            }
        } else if (phase && phase->kind == PatchPhase::Downloading) {
            text.title = Words::tr("Downloading");
            text.progress = qBound(0.0, double(phase->done) / double(qMax<qint64>(phase->total, 1)), 1.0);
            const double rate = std::isfinite(phase->perSecond) ? std::trunc(phase->perSecond) : 0;
            text.detail = Words::tr("%1 of %2 \u00b7 %3/s")
                              .arg(displayFileSize(phase->done), displayFileSize(phase->total),
                                   displayFileSize(qint64(rate)));
            text.timeLeft = timeLeftText(phase->secondsLeft);
        } else {
            text.title = Words::tr("Finishing");
            text.progress = -1;
        }
        break;
    }
    return text;
}

QString timeLeftText(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return {};
    if (seconds < 60)
        return Words::tr("Less than a minute left");
    // Rounded to the unit shown: a steady rate then moves the line by one unit at a time.
    const qint64 minutes = qRound64(seconds / 60);
    if (minutes < 2)
        return Words::tr("About a minute left");
    if (minutes < 60)
        return Words::tr("About %1 minutes left", nullptr, int(minutes)).arg(count(minutes));
    const qint64 hours = qRound64(seconds / 3600);
    if (hours < 2)
        return Words::tr("About an hour left");
    if (hours < 48)
        return Words::tr("About %1 hours left", nullptr, int(hours)).arg(count(hours));
    const qint64 days = qRound64(seconds / 86400);
    return Words::tr("About %1 days left", nullptr, int(qMin<qint64>(days, 1'000'000))).arg(count(days));
}
