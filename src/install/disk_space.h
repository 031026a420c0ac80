#pragma once
#include <QString>

namespace Patcher {
// Refuses, before anything is downloaded, a run that cannot fit: `downloadBytes` must fit on the
// download area's file system and, when the install folder is on another one, `stagingBytes` (the
// copies staged beside the files) on that. Throws LauncherError::patch naming the folder, the
// space needed and the space free. A file system that cannot be asked is not checked.
void checkFreeSpace(const QString &downloadArea, qint64 downloadBytes, const QString &installRoot, qint64 stagingBytes);
}
