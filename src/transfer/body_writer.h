#pragma once
#include <QByteArray>

// Writes a download's body to its file and asks the kernel to write it back a few MiB behind
// the writer, then to drop the pages written back. The page cache then never grows by the size
// of the download (growing it costs the kernel more than the copy itself), checkpoints and the
// fsync before install find little left to do, and the disk works while the network does.
class BodyWriter {
public:
    // Writes go to `fd` from `offset` on; anything not yet written is forgotten.
    void reset(int fd, qint64 offset);
    // Small pieces (a TLS record, an HTTP/2 frame) are gathered and written a few hundred KB at a
    // time, so a full disk is seen within that much. False, with errno set, when the file took
    // fewer bytes.
    bool write(const char *data, qint64 size);
    // Every byte taken so far in the file.
    bool flush();
    // Every byte taken so far on the disk.
    bool sync();

private:
    bool put(const char *data, qint64 size);
    QByteArray m_gathered;
    int m_fd = -1;
    qint64 m_offset = 0;      // where the next bytes go
    qint64 m_unsubmitted = 0; // start of the written bytes not yet handed to writeback
    qint64 m_submitted = 0;   // start of the bytes handed to writeback and maybe still cached
};
