#include "patch/background.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace Patcher {
void yieldToInterface()
{
    // On Linux a nice value belongs to a thread, not to the whole process.
    thread_local bool done = false;
    if (done)
        return;
    done = true;
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 10);
}
}
