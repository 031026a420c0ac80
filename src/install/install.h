#pragma once
#include <QString>

class QThreadPool;

namespace Patcher {
// Moves a checked download into place through "<name>.part" beside the destination, creating the
// folders it needs. The staged bytes reach the disk before the one-step rename, so a crash never
// leaves a partial file under the final name. Throws PlatformError; the staging file may remain.
void install(const QString &download, const QString &destination);

// Removes an empty folder that stands where a file goes (a rename cannot replace it); anything
// else there is left for the rename. Throws PlatformError.
void removeEmptyFolderAt(const QString &destination);

// The disk work of update runs (checksums, installs, removals), one thread per running fetch.
QThreadPool &installPool();
}
