import QtQuick

// A plain text button in the dim colour.
Text {
    id: link
    signal clicked()
    color: area.containsMouse ? Qt.rgba(1, 1, 1, 0.8) : Theme.dim
    font.family: Theme.fontFamily
    font.pixelSize: 13
    MouseArea {
        id: area
        anchors.fill: parent
        anchors.margins: -4
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: link.clicked()
    }
}
