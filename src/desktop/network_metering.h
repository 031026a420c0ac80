#pragma once
#include <QCoro/QCoroTask>

// Whether the connection is one the player pays by the byte, as NetworkManager sees it.
namespace NetworkMetering {
// True for "yes" and "guess yes"; false for anything else, and when NetworkManager is not there.
// Asks anew each time, without blocking the caller's thread.
QCoro::Task<bool> isMetered();
}
