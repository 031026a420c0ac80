#pragma once
#include "manifest/manifest.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <optional>

// The files this computer may serve: those of the current signed list that it has checked
// against the list's SHA-256, as long as their size and modification time have not changed since.
// Paths come only from the list. Safe from any thread.
class ShareIndex {
public:
    // A new list for this install folder: everything verified for an earlier list is forgotten.
    void setList(const QList<ManifestEntry> &files, const QString &root, const QString &listDigest);
    QString listDigest() const;

    // The entry's file was checked against its SHA-256 just now; it is offered from now on if it is
    // a regular file beneath the install folder and the entry belongs to the current list.
    void verified(const ManifestEntry &entry);
    // Reads disk: call it off the GUI thread.
    void verified(const QList<ManifestEntry> &entries);

    struct File {
        QString path;  // absolute, beneath the install folder
        qint64 size = 0;
    };
    // The file to serve for a lower-case SHA-256, after checking it is still what was verified;
    // one that changed is dropped.
    std::optional<File> find(const QString &sha256);
    qsizetype count() const;

    // What was verified, to be taken up again by a later process (JSON), and taking it up: only
    // records of the current list and folder whose files have the same size and time still count.
    QByteArray records() const;
    void restore(const QByteArray &records);

private:
    struct Verified {
        QString path;
        qint64 size = 0;
        QDateTime modified;
    };
    std::optional<Verified> look(const ManifestEntry &entry) const;

    mutable QMutex m_lock;
    QString m_root;         // canonical
    QString m_digest;
    QHash<QString, ManifestEntry> m_listed;  // by lower-case SHA-256
    QHash<QString, Verified> m_verified;
};
