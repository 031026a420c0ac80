#pragma once
#include "patch/manifest.h"

#include <QString>
#include <functional>

namespace ManifestBuilder {
// Walks a build folder and lists every regular file (paths relative, "/"-separated, sorted by
// their UTF-8 bytes) with its SHA-256 and size; URLs are the base followed by the percent-encoded
// path. Hashes on all cores. Throws PlatformError/LauncherError for a missing folder, an
// unreadable file or a name the launcher would refuse.
Manifest build(const QString &folder, const QString &baseUrl,
               const std::function<void(qint64 doneBytes, qint64 totalBytes)> &progress = {});
// Writes the manifest through a temporary file and a rename, so no half manifest is ever seen.
void writeAtomically(const Manifest &manifest, const QString &outputFile);
}
