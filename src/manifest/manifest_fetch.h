#pragma once
#include "manifest/manifest.h"

#include <QUrl>
#include <QCoro/QCoroTask>

namespace Patcher {

// Downloads and decodes the manifest: five attempts, waits of 0.4, 0.8, 1.2 and 1.6 s, then
// LauncherError::network whatever the causes were.
QCoro::Task<Manifest> fetchManifest(QUrl url);

// SHA-256 of the bytes of the list last accepted from this address by fetchManifest, or empty:
// computers that announce the same digest hold the same list.
QString listDigest(const QUrl &url);

}
