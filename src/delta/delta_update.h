#pragma once
#include "delta/chunk_index.h"
#include "transfer/downloader.h"
#include "manifest/manifest.h"
#include "transfer/resume_store.h"

#include <QCoro/QCoroTask>
#include <functional>
#include <optional>

class OriginPool;
class QThreadPool;

namespace Patcher {

// How a delta build reports its bytes (from any thread) and learns that its run was cancelled.
struct DeltaHooks {
    std::function<void(qint64)> onReused;   // bytes of the new file copied from files on disk
    std::function<void(qint64)> onFetched;  // bytes of the new file that came over the network
    std::function<void(qint64)> onTakenBack;  // bytes of a failed range attempt: they come again
    std::function<bool()> cancelled;
    std::shared_ptr<OriginPool> origins;  // where ranges may come from; none: the entry's URL only
};

// What a delta build ended with: the new body, or why the whole file has to be downloaded instead.
struct DeltaOutcome {
    std::optional<DownloadResult> body;
    QString whyNot;
};

// Builds the new body of an entry that has a chunk index from the chunks it shares with the old
// file at its path and with a kept partial body, fetching only the others from the entry's URL
// with range requests. Nothing but the download area is written; any surprise (no or bad index,
// a server that ignores ranges, a chunk that fails its hash) ends it with nothing left behind.
// The caller checks the body's SHA-256 as for any download. Throws Background::Stopped on quit.
QCoro::Task<DeltaOutcome> buildByDelta(ManifestEntry entry, QString oldFile, std::optional<ResumeStore::PartialBody> kept,
                                       Downloader *downloader, DeltaHooks hooks, QThreadPool *pool);

// How the new file is assembled: runs of chunks copied from a source file, and ranges of the
// entry's URL. Exposed for tests and the benchmark.
struct DeltaPlan {
    struct Step {
        int source = -1;        // -1: fetched; else the index of the source file
        qint64 from = 0;        // offset in the source, or in the new file for a fetch
        qint64 length = 0;
        qsizetype firstChunk = 0, endChunk = 0;  // the index's chunks this step writes
    };
    QList<Step> steps;
    qint64 reused = 0;
    qint64 fetched = 0;
};
// Where each chunk of `index` is found in the sources (found[hash] = source, offset), merged into
// steps: adjacent fetches become one range, short runs of local chunks between two fetches are
// fetched with them, and no range exceeds maxRange bytes or the plan maxRanges ranges.
struct ChunkPlace {
    int source;
    qint64 offset;
};
DeltaPlan planDelta(const ChunkIndex &index, const QHash<Chunker::ChunkHash, ChunkPlace> &found,
                    qint64 maxRange = 16 << 20, int maxRanges = 4096);
}
