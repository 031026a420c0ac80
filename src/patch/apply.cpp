#include "install/disk_space.h"
#include "transfer/downloader.h"
#include "patch/fetch.h"
#include "install/install.h"
#include "install/install_batch.h"
#include "patch/meter.h"
#include "transfer/origin_pool.h"
#include "patch/patcher.h"
#include "transfer/resume_store.h"
#include "support/background.h"
#include "support/log.h"
#include "support/paths.h"

#include <QFuture>
#include <QPromise>
#include <QCoro/QCoroFuture>

namespace Patcher {

namespace {
const QByteArray userAgent = "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/537.36 (KHTML, like Gecko) "
                             "Chrome/124.0.0.0 Safari/537.36";

// Runs the fetches of one apply, at most 6 at once, and says when all have ended.
struct Group {
    QList<ManifestEntry> entries;
    FetchRun run;
    QHash<QString, ResumeStore::PartialBody> kept;  // by entry path
    qsizetype next = 0;
    int running = 0;
    std::exception_ptr firstError;
    QPromise<void> done;
    PeerHooks peers;
    QList<ManifestEntry> batched;  // fetched small files, told to peers once their batch is in place
};

QCoro::Task<> runFetch(std::shared_ptr<Group> group, ManifestEntry entry);

void startMore(const std::shared_ptr<Group> &group)
{
    while (!group->firstError && group->running < 6 && group->next < group->entries.size()) {
        ++group->running;
        runFetch(group, group->entries.at(group->next++));
    }
    if (group->running == 0)
        group->done.finish();
}

QCoro::Task<> runFetch(std::shared_ptr<Group> group, ManifestEntry entry)
{
    try {
        std::optional<ResumeStore::PartialBody> from;
        if (group->kept.contains(entry.path))
            from = group->kept.value(entry.path);
        co_await fetch(entry, from, group->run);
        if (group->run.batch->failed())
            throw Cancelled();  // finish() names the failure
        if (group->peers.installed) {
            if (entry.size <= InstallBatch::smallBody)
                group->batched.append(entry);
            else
                group->peers.installed(entry);
        }
    } catch (...) {
        if (!group->firstError) {
            group->firstError = std::current_exception();
            group->run.state->cancelled = true;
            group->run.downloader->invalidateAndCancel();
        }
    }
    --group->running;
    startMore(group);
}

struct Prepared {
    QString folder;
    QHash<QString, ResumeStore::PartialBody> kept;
};

// Before any download: entries that would overwrite each other cannot all be installed; the
// download area keeps only what this folder's run can resume (and what belongs to other folders);
// and the run must fit on the disk.
Prepared prepare(const QList<ManifestEntry> &entries, const QString &root)
{
    checkPathsAreDistinct(entries);
    Prepared out;
    out.folder = ResumeStore::folderOf(root);
    QList<ResumeStore::BodyKey> keys;
    for (const ManifestEntry &entry : entries)
        keys.append(bodyKey(entry, out.folder));
    ResumeStore::sweep(out.folder, keys);
    out.kept = ResumeStore::findAll(keys);
    qint64 keptBytes = 0;
    for (const ResumeStore::PartialBody &body : std::as_const(out.kept))
        keptBytes += body.bytes;
    const qint64 total = totalSize(entries);
    checkFreeSpace(Paths::downloadTemp(), total - keptBytes, root, total);
    return out;
}
}

QCoro::Task<> apply(QList<ManifestEntry> entries, QString root, PhaseProgress progress, std::shared_ptr<ApplyStats> stats,
                    Mirrors mirrors, PeerHooks peers)
{
    auto group = std::make_shared<Group>();
    group->peers = peers;
    group->run.root = std::move(root);
    group->run.stats = stats ? stats : std::make_shared<ApplyStats>();
    group->run.origins = std::make_shared<OriginPool>(std::move(mirrors));
    group->run.batch = std::make_shared<InstallBatch>(group->run.root);
    if (peers.peersOf) {
        QHash<QString, QString> digestOf;
        for (const ManifestEntry &entry : std::as_const(entries))
            digestOf.insert(entry.url, entry.sha256.toLower());
        group->run.origins->setPeers([digestOf, find = peers.peersOf](const QString &url) {
            const QString digest = digestOf.value(url);
            return digest.isEmpty() ? QStringList() : find(digest);
        });
    }
    const auto look = [entries, root = group->run.root] { return prepare(entries, root); };
    const Prepared prepared = co_await Background::run(look, &installPool());
    group->run.folder = prepared.folder;
    group->kept = prepared.kept;
    Downloader downloader(userAgent, timing().downloadIdleMs);
    group->entries = std::move(entries);
    group->run.downloader = &downloader;
    group->run.meter = std::make_shared<Meter>(totalSize(group->entries), progress);
    // The bar starts where the kept bodies stopped.
    qint64 keptBytes = 0;
    for (const ResumeStore::PartialBody &body : std::as_const(group->kept))
        keptBytes += body.bytes;
    group->run.meter->addKept(keptBytes);
    group->done.start();
    QFuture<void> finished = group->done.future();
    startMore(group);
    co_await finished;
    downloader.invalidateAndCancel();
    group->run.stats->perOrigin = group->run.origins->bytesPerOrigin();
    if (group->run.origins->hasMirrors() || group->run.origins->hasPeers())
        Log::info(QString::fromLatin1("patch: bytes per origin: ") + group->run.origins->summary());
    // Files whose fetch ended well go into place even when another fetch failed.
    std::exception_ptr installError;
    try {
        co_await group->run.batch->finish();
        if (group->peers.installed)
            for (const ManifestEntry &entry : std::as_const(group->batched))
                group->peers.installed(entry);
    } catch (...) {
        installError = std::current_exception();
    }
    if (installError)
        std::rethrow_exception(installError);
    if (group->firstError)
        std::rethrow_exception(group->firstError);
    progress(PatchPhase::finishing());
}

QCoro::Task<> clearDownloadArea(QString root)
{
    const auto sweep = [root] { ResumeStore::sweep(ResumeStore::folderOf(root), {}); };
    co_await Background::run(sweep, &installPool());
}
}
