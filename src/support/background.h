#pragma once

namespace Patcher {
// Lowers the calling thread's scheduling priority (nice 10) so that hashing and disk work never
// take the CPU from the window's own threads on a machine with few cores.
void yieldToInterface();
}
