#pragma once
#include "delta/chunk_index.h"
#include "delta/delta_update.h"

#include <QStringList>
#include <atomic>
#include <memory>

// The three steps of a delta build, in the order buildByDelta runs them.
namespace Patcher::Delta {

[[noreturn]] void fail(const QString &why);

// The entry's chunk index: fetched within the size the manifest names, checked against its
// SHA-256 and decoded, reading the file a piece at a time.
// Any origin of the index's URL will do: the first that answers.
QCoro::Task<std::shared_ptr<const ChunkIndex>> fetchIndex(ManifestEntry entry, Downloader *downloader, QThreadPool *pool,
                                                          std::shared_ptr<OriginPool> origins = nullptr);

// Cuts each source (a prefix of `limits` bytes, all of it when negative) as the publisher cut the
// file and plans the new file from where its chunks were found. Runs on a worker thread.
DeltaPlan findChunks(const ChunkIndex &index, const QStringList &sources, const QList<qint64> &limits,
                     const std::function<bool()> &stop);

// Writes the new body in the download area by the plan: copies from the sources, and ranges of
// the entry's URL, each chunk checked against the index before it joins the body. A range gets
// the attempts and waits of a whole file; a refused range or a chunk that fails its check ends
// the build at once.
QCoro::Task<DownloadResult> assemble(ManifestEntry entry, std::shared_ptr<const ChunkIndex> index, DeltaPlan plan,
                                     QStringList sources, Downloader *downloader, DeltaHooks hooks, QThreadPool *pool);
}
