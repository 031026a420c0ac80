import QtQuick
import QtQuick.Controls.Basic

// A popover menu: a column of headers, rows and separators, 232 wide on the card colour.
Popup {
    id: menu
    default property alias content: column.data
    // The arrow points at the control that opened the menu: "top" when the menu opens below it.
    property string arrowEdge: "top"
    property real arrowX: width / 2
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
        Rectangle {
            width: 12
            height: 12
            rotation: 45
            color: Theme.card
            x: menu.arrowX - width / 2
            y: menu.arrowEdge === "top" ? -height / 2 : parent.height - height / 2
            z: -1
        }
    }
    contentItem: Column {
        id: column
        width: menu.width
    }
}
