// Loaded with LD_PRELOAD: a disk that is slow as a USB stick or a network file system is. Every
// fsync and fdatasync of the process takes VANTOREL_SLOW_SYNC_MS longer; with
// VANTOREL_SLOW_WRITE_MS, the write that crosses each 16 MiB written stalls that long.
#include <atomic>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
void slow(const char *variable)
{
    if (const char *ms = getenv(variable))
        usleep(useconds_t(std::atoi(ms)) * 1000);
}

std::atomic<long long> written{0};
constexpr long long stallEvery = 16 << 20;

void wrote(ssize_t n)
{
    if (n <= 0)
        return;
    const long long before = written.fetch_add(n);
    if (before / stallEvery != (before + n) / stallEvery)
        slow("VANTOREL_SLOW_WRITE_MS");
}

template <typename F>
F next(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
}

extern "C" {

int fsync(int fd)
{
    static auto real = next<int (*)(int)>("fsync");
    slow("VANTOREL_SLOW_SYNC_MS");
    return real(fd);
}

int fdatasync(int fd)
{
    static auto real = next<int (*)(int)>("fdatasync");
    slow("VANTOREL_SLOW_SYNC_MS");
    return real(fd);
}

ssize_t pwrite(int fd, const void *data, size_t size, off_t offset)
{
    static auto real = next<ssize_t (*)(int, const void *, size_t, off_t)>("pwrite");
    const ssize_t n = real(fd, data, size, offset);
    wrote(n);
    return n;
}

ssize_t pwrite64(int fd, const void *data, size_t size, off64_t offset)
{
    static auto real = next<ssize_t (*)(int, const void *, size_t, off64_t)>("pwrite64");
    const ssize_t n = real(fd, data, size, offset);
    wrote(n);
    return n;
}
}
