// Loaded with LD_PRELOAD: every fsync and fdatasync of the process takes VANTOREL_SLOW_SYNC_MS
// longer, as on a slow USB stick or a network file system.
#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>

namespace {
void slow()
{
    const char *ms = getenv("VANTOREL_SLOW_SYNC_MS");
    if (ms)
        usleep(useconds_t(std::atoi(ms)) * 1000);
}
}

extern "C" {

int fsync(int fd)
{
    static int (*real)(int);
    if (!real)
        real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    slow();
    return real(fd);
}

int fdatasync(int fd)
{
    static int (*real)(int);
    if (!real)
        real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
    slow();
    return real(fd);
}
}
