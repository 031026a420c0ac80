#include "delta/delta_steps.h"
#include "support/background.h"
#include "support/launcher_error.h"

#include <QSet>
#include <vector>

namespace Patcher {

namespace {
constexpr qint64 mergeGap = 64 << 10;  // fetching this much costs less than one more request
}

DeltaPlan planDelta(const ChunkIndex &index, const QHash<Chunker::ChunkHash, ChunkPlace> &found, qint64 maxRange,
                    int maxRanges)
{
    const qsizetype n = index.chunks.size();
    std::vector<bool> local(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        local[size_t(i)] = found.contains(index.chunks.at(i).hash);
    for (qint64 gap = mergeGap;; gap *= 2) {
        // A short run of local chunks between two fetched ones is fetched with them.
        std::vector<bool> copied = local;
        for (qsizetype i = 0; i < n;) {
            if (!copied[size_t(i)]) {
                ++i;
                continue;
            }
            qsizetype end = i;
            qint64 bytes = 0;
            while (end < n && copied[size_t(end)])
                bytes += index.chunks.at(end++).length;
            if (i > 0 && end < n && bytes <= gap)
                std::fill(copied.begin() + i, copied.begin() + end, false);
            i = end;
        }
        DeltaPlan plan;
        int ranges = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const Chunker::Chunk &chunk = index.chunks.at(i);
            DeltaPlan::Step step;
            if (copied[size_t(i)]) {
                const ChunkPlace place = found.value(chunk.hash);
                step = {place.source, place.offset, chunk.length, i, i + 1};
                plan.reused += chunk.length;
            } else {
                step = {-1, chunk.offset, chunk.length, i, i + 1};
                plan.fetched += chunk.length;
            }
            if (!plan.steps.isEmpty()) {
                DeltaPlan::Step &last = plan.steps.last();
                if (last.source == step.source && last.from + last.length == step.from
                    && (step.source >= 0 || last.length + step.length <= maxRange)) {
                    last.length += step.length;
                    last.endChunk = step.endChunk;
                    continue;
                }
            }
            ranges += step.source < 0;
            plan.steps.append(step);
        }
        if (ranges <= maxRanges || gap > index.fileSize)
            return plan;
    }
}

namespace Delta {

DeltaPlan findChunks(const ChunkIndex &index, const QStringList &sources, const QList<qint64> &limits,
                     const std::function<bool()> &stop)
{
    QSet<Chunker::ChunkHash> wanted;
    for (const Chunker::Chunk &chunk : index.chunks)
        wanted.insert(chunk.hash);
    QHash<Chunker::ChunkHash, ChunkPlace> found;
    for (int s = 0; s < sources.size() && found.size() < wanted.size(); ++s) {
        try {
            Chunker::cutFile(sources.at(s), index.params, [&](const Chunker::Chunk &chunk) {
                if (wanted.contains(chunk.hash) && !found.contains(chunk.hash))
                    found.insert(chunk.hash, {s, chunk.offset});
                return found.size() < wanted.size();
            }, limits.at(s), stop);
        } catch (const PlatformError &) {
            // An unreadable source only gives no chunks.
        }
    }
    Background::throwIfStopping();
    return planDelta(index, found);
}
}
}
