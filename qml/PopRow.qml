import QtQuick

// One menu entry: the whole row reacts, highlighted while the pointer is over it or it has the
// keyboard focus; Return or Space chooses it.
Rectangle {
    id: row
    property string title
    signal triggered()
    width: parent ? parent.width : 232
    height: 36
    activeFocusOnTab: true
    color: area.containsMouse || activeFocus ? Qt.rgba(1, 1, 1, 0.08) : "transparent"
    Accessible.role: Accessible.MenuItem
    Accessible.name: title
    Accessible.focusable: true
    Accessible.onPressAction: row.triggered()
    Keys.onReturnPressed: row.triggered()
    Keys.onEnterPressed: row.triggered()
    Keys.onSpacePressed: row.triggered()
    Text {
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: parent.left
        anchors.leftMargin: 16
        text: row.title
        color: "white"
        font.family: Theme.fontFamily
        font.pixelSize: 14
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: row.triggered()
    }
}
