#pragma once
#include "core/states.h"
#include "patch/manifest.h"

#include <QUrl>
#include <QCoro/QCoroTask>
#include <atomic>
#include <functional>
#include <memory>

// The patcher's operations, split over files by role: manifest fetch, install diff, apply.
namespace Patcher {

// Downloads and decodes the manifest: five attempts, waits of 0.4, 0.8, 1.2 and 1.6 s, then
// LauncherError::network whatever the causes were.
QCoro::Task<Manifest> fetchManifest(QUrl url);

// Entries whose file is missing or has another size (no content read, links not followed), in
// manifest order; launcher-owned entries never appear. Throws for an unsafe path.
QList<ManifestEntry> quickDiff(const Manifest &manifest, const QString &root);

// Entries whose file is missing or whose SHA-256 differs, verified 4 at a time off the calling
// thread, in completion order. progress(done, total) is called from worker threads.
using VerifyProgress = std::function<void(qint64 done, qint64 total)>;
QCoro::Task<QList<ManifestEntry>> fullDiff(Manifest manifest, QString root, VerifyProgress progress);

// Downloads, checks and installs the entries, 6 at a time, 5 attempts each. progress is called
// from several threads with downloading phases, then once with finishing. Bodies cut off by a
// transport failure are kept and resumed (in this run or the next); a run that would not fit on
// the disk is refused before any download.
using PhaseProgress = std::function<void(const PatchPhase &)>;
// What a run took from where (for the headless tool's summary).
struct ApplyStats {
    std::atomic<qint64> kept{0};      // bytes of bodies kept from before and resumed
    std::atomic<qint64> fetched{0};   // bytes that came over the network
    std::atomic<qint64> reused{0};    // bytes of changed files copied from their old versions
    QList<QPair<QString, qint64>> perOrigin;  // bytes each origin sent, filled when the run ends
};
// With mirrors, every file and range may come from any origin that serves its URL's prefix.
QCoro::Task<> apply(QList<ManifestEntry> entries, QString root, PhaseProgress progress,
                    std::shared_ptr<ApplyStats> stats = nullptr, Mirrors mirrors = {});

// Removes the bodies that the install folder's runs kept and no running process is writing (a run
// that needs no download leaves nothing of its folder behind either). Other folders' bodies stay.
QCoro::Task<> clearDownloadArea(QString root);

// Knobs that tests shorten; production values are the defaults.
struct Timing {
    int manifestIdleMs = 30'000;
    int manifestDeadlineMs = 180'000;  // one attempt at the manifest (or its signature) in all
    int downloadIdleMs = 60'000;
    double retryWaitScale = 1.0;  // multiplies every wait between attempts
    int originAsideMs = 30'000;   // an origin that failed is tried again after this (doubling)
    int slowJudgeMs = 2'000;      // a transfer's rate is compared with other origins' after this
};
Timing &timing();

}
