#pragma once
#include <QString>

// What the launcher asks of the desktop.
namespace Desktop {
// Opens a web page in the default browser; a text that is not a valid URL does nothing.
void openURL(const QString &text);
// Asks the file manager to show a folder selected in its parent; falls back to opening the parent.
// Neither creates nor checks the folder.
void revealFolder(const QString &path);
}
