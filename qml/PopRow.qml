import QtQuick

// One menu entry: the whole row reacts, highlighted while the pointer is over it.
Rectangle {
    id: row
    property string title
    signal triggered()
    width: parent ? parent.width : 232
    height: 36
    color: area.containsMouse ? Qt.rgba(1, 1, 1, 0.08) : "transparent"
    Text {
        anchors.verticalCenter: parent.verticalCenter
        x: 16
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
