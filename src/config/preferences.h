#pragma once
#include <QString>

// What the player sets in the launcher itself ("preferences.json" in the launcher directory). The
// launcher rewrites this file whenever a preference changes; config.json it never rewrites.
struct Preferences {
    qint64 downloadLimit = 0;  // bytes per second; 0 means no limit
    bool automaticUpdates = false;  // a check that finds an update starts it without a click
    QString language;  // the window's language ("de", "pt_BR", "en"); empty: the system's
    bool shareOnNetwork = false;  // serve verified game files to, and take them from, this network
    qint64 uploadLimit = 0;  // bytes per second for what is served; 0 means no limit
    // The largest limit the settings field can show (999999.999 MB/s).
    static constexpr qint64 maxDownloadLimit = 999'999'999'000;

    // Lenient: a missing file or key gives the defaults; a damaged one too, with a "WARN" line.
    static Preferences load();
    // Atomically (a temporary file renamed over the old one). False when it could not be written.
    bool save() const;

    bool operator==(const Preferences &) const = default;
};
