import QtQuick

Item {
    width: parent ? parent.width : 232
    height: 9
    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width
        height: 1
        color: Qt.rgba(1, 1, 1, 0.1)
    }
}
