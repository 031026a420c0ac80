#pragma once
#include "core/states.h"
#include "patch/manifest.h"

#include <QList>
#include <QString>
#include <QStringList>

// One Patcher::apply run to its end: every phase it reported, and the message it failed with ("" none).
struct ApplyRun {
    QList<PatchPhase> phases;
    QString error;
};
ApplyRun runApply(const QList<ManifestEntry> &entries, const QString &root);

// The messages of the log's "WARN" lines so far, in order.
QStringList warningLines();
