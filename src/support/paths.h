#pragma once
#include <QString>

// The launcher's well-known places on disk. Each is computed once, on first use; nothing is created.
namespace Paths {
QString support();         // <XDG data home>/Vantorel
QString launcherDir();     // support/launcher
QString config();          // launcherDir/config.json
QString logs();            // launcherDir/logs
QString defaultInstall();  // support/client
// Where downloaded bodies wait for their checksum: on disk under the user's cache directory,
// because /tmp is often memory-backed and a body can be gigabytes.
QString downloadTemp();    // <XDG cache home>/Vantorel/tmp
}
