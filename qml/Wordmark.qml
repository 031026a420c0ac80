import QtQuick

// The application's icon over the name.
Column {
    property real iconSize: 96
    spacing: 14
    Image {
        anchors.horizontalCenter: parent.horizontalCenter
        source: "icons/vantorel.png"
        width: parent.iconSize
        height: parent.iconSize
        sourceSize: Qt.size(parent.iconSize * 2, parent.iconSize * 2)
        smooth: true
        mipmap: true
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        text: "VANTOREL"
        color: "white"
        font.family: Theme.fontFamily
        font.pixelSize: 15
        font.weight: Font.DemiBold
        font.letterSpacing: 4
    }
}
