#pragma once
#include "core/states.h"
#include "support/file_size.h"

#include <QString>
#include <optional>

// What the game panel shows for an install state and update phase.
struct PanelText {
    bool showStatus = true;    // false when ready: no status block at all
    QString caption;           // "GAME FILES" or "UPDATING"
    QString title;
    QString detail;
    bool detailIsFailure = false;
    QString timeLeft;          // downloading: a second detail line, once the rate is steady
    double progress = -2;      // -2: no bar, -1: indeterminate, else 0..1
    QString mainButton;        // "Install", "Update", "Try Again", "Checking", "Updating", "Play"
    bool mainEnabled = false;
    bool runsUpdate = false;   // the main button starts patch()
};

PanelText panelText(const InstallState &install, const std::optional<PatchPhase> &phase);
// "About 3 minutes left"; empty for a negative (unknown) time.
QString timeLeftText(double seconds);
