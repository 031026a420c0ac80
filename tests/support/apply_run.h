#pragma once
#include "core/states.h"
#include "manifest/manifest.h"
#include "patch/patcher.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace Patcher {
struct ApplyStats;
}

// One Patcher::apply run to its end: every phase it reported, and the message it failed with ("" none).
struct ApplyRun {
    QList<PatchPhase> phases;
    QString error;
};
ApplyRun runApply(const QList<ManifestEntry> &entries, const QString &root,
                  std::shared_ptr<Patcher::ApplyStats> stats = nullptr, const Mirrors &mirrors = {},
                  const Patcher::PeerHooks &peers = {});

class PatchSite;
// Before each test of a patch run: an empty install folder and download area, no log yet, and a
// site with no faults and no requests seen.
void startClean(PatchSite &site, const QString &install);

// The messages of the log's "WARN" lines so far, in order.
QStringList warningLines();
