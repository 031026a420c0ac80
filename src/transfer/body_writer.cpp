#include "transfer/body_writer.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr qint64 writebackBytes = 8 << 20;
constexpr qsizetype gatherBytes = 256 << 10;
}

void BodyWriter::reset(int fd, qint64 offset)
{
    m_fd = fd;
    m_offset = m_unsubmitted = m_submitted = offset;
    m_gathered.clear();
}

bool BodyWriter::write(const char *data, qint64 size)
{
    if (m_gathered.isEmpty() && size >= gatherBytes)
        return put(data, size);
    if (m_gathered.capacity() < gatherBytes)
        m_gathered.reserve(gatherBytes);
    m_gathered.append(data, size);
    return m_gathered.size() < gatherBytes || flush();
}

bool BodyWriter::flush()
{
    if (m_gathered.isEmpty())
        return true;
    const bool written = put(m_gathered.constData(), m_gathered.size());
    m_gathered.resize(0);
    return written;
}

bool BodyWriter::put(const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(m_fd, data, size_t(size), m_offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
        m_offset += n;
    }
    if (m_offset - m_unsubmitted >= writebackBytes) {
        // Starts writeback of what was just written, without waiting for it; the range handed
        // over the time before is written back by now, or nearly, and its pages serve no one.
        ::sync_file_range(m_fd, m_unsubmitted, m_offset - m_unsubmitted, SYNC_FILE_RANGE_WRITE);
        if (m_unsubmitted > m_submitted)
            ::posix_fadvise(m_fd, m_submitted, m_unsubmitted - m_submitted, POSIX_FADV_DONTNEED);
        m_submitted = m_unsubmitted;
        m_unsubmitted = m_offset;
    }
    return true;
}

bool BodyWriter::sync()
{
    if (!flush() || ::fdatasync(m_fd) != 0)
        return false;
    m_submitted = m_unsubmitted = m_offset;
    return true;
}
