import QtQuick
import QtQuick.Controls.Basic

// A popover menu: a column of headers, rows and separators, 232 wide on the card colour.
Popup {
    id: menu
    default property alias content: column.data
    width: 232
    padding: 0
    topPadding: 6
    bottomPadding: 6
    modal: false
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent
    background: Rectangle {
        color: Theme.card
        radius: 6
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.08)
    }
    contentItem: Column {
        id: column
        width: menu.width
    }
}
