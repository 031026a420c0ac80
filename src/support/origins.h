#pragma once
#include <QString>

// The server origins a build talks to (scheme and host, no trailing slash).
struct Origins {
    QString auth;   // default "auth_url" of the configuration
    QString patch;  // default "manifest_base"; also the fixed home-feed origin
    QString web;    // the web site the links open

    // The origins this build was configured with.
    static Origins compiledIn();
};

// The launcher's version from the build ("" when the build set none).
QString launcherVersion();
