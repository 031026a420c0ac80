import QtQuick

Item {
    property string title
    width: parent ? parent.width : 232
    height: 32
    Text {
        anchors.verticalCenter: parent.verticalCenter
        x: 16
        width: parent.width - 32
        elide: Text.ElideRight
        text: parent.title
        color: Theme.dim
        font.family: Theme.fontFamily
        font.pixelSize: 12
    }
}
