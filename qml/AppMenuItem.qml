import QtQuick
import QtQuick.Controls.Basic

// An entry of a menu bar menu, with its shortcut (the action's "keys") at the right.
MenuItem {
    id: item
    readonly property string keys: action && action.keys !== undefined ? action.keys : ""
    readonly property real gap: 32
    leftPadding: 16
    rightPadding: 16
    topPadding: 0
    bottomPadding: 0
    implicitHeight: 36
    implicitWidth: leftPadding + label.implicitWidth + (keys ? gap + keysLabel.implicitWidth : 0) + rightPadding
    font.family: Theme.fontFamily
    font.pixelSize: 14
    indicator: null
    arrow: null
    Accessible.name: text
    Accessible.onPressAction: {
        if (!item.enabled)
            return
        if (item.menu)
            item.menu.dismiss()
        if (item.action)
            item.action.trigger(item)
        else
            item.triggered()
    }
    background: Rectangle {
        color: item.highlighted ? Qt.rgba(1, 1, 1, 0.08) : "transparent"
    }
    contentItem: Item {
        implicitHeight: label.implicitHeight
        Text {
            id: label
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            text: item.text
            font: item.font
            color: "white"
            opacity: item.enabled ? 1 : 0.4
        }
        Text {
            id: keysLabel
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            text: item.keys
            font: item.font
            color: Theme.dim
            opacity: item.enabled ? 1 : 0.4
        }
    }
}
