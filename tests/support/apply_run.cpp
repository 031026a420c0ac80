#include "support/apply_run.h"
#include "patch/patcher.h"
#include "support/await_task.h"
#include "support/launcher_error.h"
#include "support/log.h"
#include "support/patch_site.h"
#include "support/paths.h"
#include "support/test_profile.h"

#include <QDir>
#include <QMutex>

ApplyRun runApply(const QList<ManifestEntry> &entries, const QString &root, std::shared_ptr<Patcher::ApplyStats> stats,
                  const Mirrors &mirrors, const Patcher::PeerHooks &peers)
{
    auto phases = std::make_shared<QList<PatchPhase>>();
    auto mutex = std::make_shared<QMutex>();
    const Patcher::PhaseProgress progress = [=](const PatchPhase &p) {
        QMutexLocker lock(mutex.get());
        phases->append(p);
    };
    ApplyRun run;
    try {
        awaitTask(Patcher::apply(entries, root, progress, std::move(stats), mirrors, peers));
    } catch (...) {
        run.error = describeCurrentException();
    }
    QMutexLocker lock(mutex.get());
    run.phases = *phases;
    return run;
}

void startClean(PatchSite &site, const QString &install)
{
    QDir(install).removeRecursively();
    QDir().mkpath(install);
    QDir(Paths::downloadTemp()).removeRecursively();
    site.server().http().clearFaults();
    site.server().clearRequests();
    Log::flush();
    QFile::remove(Log::file());
}

QStringList warningLines()
{
    Log::flush();
    QStringList out;
    for (const QString &line : readText(Log::file()).split('\n'))
        if (line.contains(QStringLiteral("[WARN] ")))
            out.append(line.mid(line.indexOf(QStringLiteral("[WARN] ")) + 7));
    return out;
}
