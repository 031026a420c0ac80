import QtQuick
import QtQuick.Controls.Basic

// A plain text button in the dim colour at the callout size: no bezel, reached with Tab, pressed
// with Space or Return.
AbstractButton {
    id: link
    hoverEnabled: true
    padding: 0
    focusPolicy: Qt.StrongFocus
    font.family: Theme.fontFamily
    font.pixelSize: 12
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: if (link.enabled) link.clicked()
    Keys.onReturnPressed: link.clicked()
    Keys.onEnterPressed: link.clicked()

    contentItem: Text {
        text: link.text
        font: link.font
        color: link.hovered || link.visualFocus ? Qt.rgba(1, 1, 1, 0.8) : Theme.dim
    }
    background: Item {}
    MouseArea {
        anchors.fill: parent
        anchors.margins: -4
        acceptedButtons: Qt.NoButton
        cursorShape: Qt.PointingHandCursor
    }
    FocusRing { controlRadius: 2 }
}
