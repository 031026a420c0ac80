#pragma once
#include "manifest/manifest_fetch.h"
#include "patch/phase.h"
#include "support/patch_timing.h"

#include <QUrl>
#include <QCoro/QCoroTask>
#include <atomic>
#include <functional>
#include <memory>

// The patcher's operations, split over files by role: manifest fetch, install diff, apply.
namespace Patcher {

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
// Computers on the local network that hold the same list: what a run may take from them, and what
// it tells them it has.
struct PeerHooks {
    // The URLs of the file with this SHA-256 at each peer that may hold it (from any thread).
    std::function<QStringList(const QString &sha256)> peersOf;
    // A file of the run is checked and in place (on the thread that runs apply).
    std::function<void(const ManifestEntry &)> installed;
};
// With mirrors, every file and range may come from any origin that serves its URL's prefix.
QCoro::Task<> apply(QList<ManifestEntry> entries, QString root, PhaseProgress progress,
                    std::shared_ptr<ApplyStats> stats = nullptr, Mirrors mirrors = {}, PeerHooks peers = {});

// Removes the bodies that the install folder's runs kept and no running process is writing (a run
// that needs no download leaves nothing of its folder behind either). Other folders' bodies stay.
QCoro::Task<> clearDownloadArea(QString root);

}
