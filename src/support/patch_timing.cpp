#include "support/patch_timing.h"

namespace Patcher {

Timing &timing()
{
    static Timing values;
    return values;
}

}
