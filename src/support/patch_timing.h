#pragma once

namespace Patcher {

// Knobs that tests shorten; production values are the defaults.
struct Timing {
    int manifestIdleMs = 30'000;
    int manifestDeadlineMs = 180'000;  // one attempt at the manifest (or its signature) in all
    int downloadIdleMs = 60'000;
    int slowWindowMs = 60'000;    // a transfer that brings less than 1 KB in this long fails
    double retryWaitScale = 1.0;  // multiplies every wait between attempts
    int originAsideMs = 30'000;   // an origin that failed is tried again after this (doubling)
    int slowJudgeMs = 2'000;      // a transfer's rate is compared with other origins' after this
    int peerStallMs = 3'000;      // a peer that sends nothing for this long is left for the others
    int peerAsideMs = 10'000;     // a peer that failed is tried again after this (doubling)
};
Timing &timing();

}
