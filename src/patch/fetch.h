#pragma once
#include "manifest/manifest.h"
#include "patch/patcher.h"
#include "transfer/resume_store.h"
#include "support/launcher_error.h"

#include <QCoro/QCoroTask>
#include <atomic>
#include <memory>
#include <optional>

class Downloader;
class Meter;
class OriginPool;

namespace Patcher {
class InstallBatch;
}

// One entry of an apply run: its attempts, and the delta build it may try before them.
namespace Patcher {

class Cancelled : public PlatformError {
public:
    Cancelled() : PlatformError(QStringLiteral("The update was cancelled.")) {}
};

// What every fetch of one run shares.
struct FetchRun {
    struct State {
        std::atomic<bool> cancelled{false};
    };
    QString root;
    QString folder;  // the root as the download area names it
    Downloader *downloader = nullptr;
    std::shared_ptr<Meter> meter;
    std::shared_ptr<State> state = std::make_shared<State>();
    std::shared_ptr<ApplyStats> stats;
    std::shared_ptr<OriginPool> origins;
    std::shared_ptr<InstallBatch> batch;  // small files go into place through it
};

// Which kept body an entry of the install folder may resume.
ResumeStore::BodyKey bodyKey(const ManifestEntry &entry, const QString &folder);

// Brings the entry's file into place: a delta build when it has a chunk index and something on
// disk to build from, else up to 5 downloads with waits of 0.5, 1, 1.5 and 2 s between them.
// `from` is a body kept from an earlier run, whose bytes the meter already counts.
QCoro::Task<> fetch(ManifestEntry entry, std::optional<ResumeStore::PartialBody> from, FetchRun run);

// A changed file with a chunk index: only the chunks the old file (or a kept body) lacks are
// fetched. False, with every byte it counted taken back, when the whole file must be downloaded.
QCoro::Task<bool> buildFromChunks(ManifestEntry entry, QString old, std::optional<ResumeStore::PartialBody> from,
                                  QString destination, FetchRun run);
}
