#include "delta/delta_update.h"
#include "patch/fetch.h"
#include "support/sha256.h"
#include "install/install.h"
#include "patch/meter.h"
#include "support/background.h"
#include "support/log.h"

#include <QFile>

namespace Patcher {

QCoro::Task<bool> buildFromChunks(ManifestEntry entry, QString old, std::optional<ResumeStore::PartialBody> from,
                                  QString destination, FetchRun run)
{
    auto reused = std::make_shared<std::atomic<qint64>>(0);
    auto fetched = std::make_shared<std::atomic<qint64>>(0);
    const std::shared_ptr<Meter> meter = run.meter;
    const std::shared_ptr<ApplyStats> stats = run.stats;
    DeltaHooks hooks;
    hooks.onReused = [reused, meter, stats](qint64 n) {
        *reused += n;
        stats->reused += n;
        meter->addKept(n);
        meter->add(0);  // reports the bar; the rate counts only the network
    };
    hooks.onFetched = [fetched, meter, stats](qint64 n) {
        *fetched += n;
        stats->fetched += n;
        meter->add(n);
    };
    hooks.onTakenBack = [fetched, meter](qint64 n) {
        *fetched -= n;
        meter->add(-n);
    };
    hooks.cancelled = [state = run.state] { return state->cancelled.load(); };
    hooks.origins = run.origins;
    // A kept body's bytes are already on the bar; the build counts them again as it copies them.
    const qint64 kept = from ? from->bytes : 0;
    meter->addKept(-kept);
    const DeltaOutcome delta = co_await buildByDelta(entry, old, from, run.downloader, hooks, &installPool());
    QString whyNot = delta.whyNot;
    if (delta.body) {
        // Checked, then moved into place or removed (why not, when not), off the calling thread.
        const auto place = [body = *delta.body, destination, from, expected = entry.sha256]() -> std::optional<QString> {
            if (!sameDigest(body.sha256, expected)) {
                QFile::remove(body.file);
                return QStringLiteral("the file it built failed its checksum");
            }
            try {
                Background::yieldToInterface();
                Background::throwIfStopping();
                install(body.file, destination);
                if (from)
                    ResumeStore::discard(from->file);
                return std::nullopt;
            } catch (const Background::Stopped &) {
                QFile::remove(body.file);
                throw;
            } catch (...) {
                QFile::remove(body.file);
                return describeCurrentException();
            }
        };
        const std::optional<QString> failed = co_await Background::run(place, &installPool());
        if (!failed)
            co_return true;
        whyNot = *failed;
    }
    meter->addKept(kept - reused->load());
    meter->add(-fetched->load());
    stats->reused -= reused->load();
    if (!run.state->cancelled)
        Log::info(QString::fromLatin1("patch: ") + entry.path + QString::fromLatin1(": no delta update (") + whyNot
                  + QString::fromLatin1("); downloading the whole file"));
    co_return false;
}
}
