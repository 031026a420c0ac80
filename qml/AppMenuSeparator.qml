import QtQuick
import QtQuick.Controls.Basic

// The line between groups of a menu bar menu, as the popovers draw it.
MenuSeparator {
    padding: 0
    topPadding: 4
    bottomPadding: 4
    contentItem: Rectangle {
        implicitHeight: 1
        color: Qt.rgba(1, 1, 1, 0.1)
    }
}
