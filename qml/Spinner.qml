import QtQuick
import QtQuick.Controls.Basic

// An indeterminate spinner drawn in white, so it shows on the dark background and on blue buttons.
BusyIndicator {
    padding: 0
    palette.dark: "white"
    Accessible.name: "Loading"
}
