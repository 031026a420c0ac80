#include "delta/delta_update.h"
#include "delta/delta_steps.h"
#include "support/background.h"
#include "support/launcher_error.h"

namespace Patcher {

QCoro::Task<DeltaOutcome> buildByDelta(ManifestEntry entry, QString oldFile, std::optional<ResumeStore::PartialBody> kept,
                                       Downloader *downloader, DeltaHooks hooks, QThreadPool *pool)
{
    DeltaOutcome outcome;
    try {
        const std::shared_ptr<const ChunkIndex> index = co_await Delta::fetchIndex(entry, downloader, pool, hooks.origins);

        QStringList sources;
        QList<qint64> limits;
        if (!oldFile.isEmpty()) {
            sources << oldFile;
            limits << -1;
        }
        if (kept) {
            sources << kept->file;
            limits << kept->bytes;
        }
        const auto cancelled = hooks.cancelled;
        const auto plan = [index, sources, limits, cancelled] {
            Background::yieldToInterface();
            const auto stop = [cancelled] { return Background::stopping() || (cancelled && cancelled()); };
            return Delta::findChunks(*index, sources, limits, stop);
        };
        const DeltaPlan steps = co_await Background::run(plan, pool);
        Background::throwIfStopping();
        if (cancelled && cancelled())
            Delta::fail(QStringLiteral("the update was cancelled"));
        if (steps.reused * 10 < entry.size)
            Delta::fail(QStringLiteral("less than a tenth of it is on disk"));

        outcome.body = co_await Delta::assemble(entry, index, steps, sources, downloader, hooks, pool);
    } catch (const Background::Stopped &) {
        throw;
    } catch (...) {
        outcome.whyNot = describeCurrentException();
    }
    co_return outcome;
}
}
