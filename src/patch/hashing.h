#pragma once
#include <QString>

namespace Patcher {
// SHA-256 of a file's content as 64 lower-case hex digits, read 4 MiB at a time.
// Throws PlatformError when the file cannot be opened or read.
QString sha256Of(const QString &path);
// Compares a computed digest with a manifest's, ignoring letter case.
bool sameDigest(const QString &a, const QString &b);
}
