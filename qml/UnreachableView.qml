import QtQuick

// A saved sign-in could not be checked: say so and offer to try again.
Item {
    id: view
    required property var app
    objectName: "unreachableView"
    Column {
        anchors.centerIn: parent
        spacing: 20
        Symbol { name: "wifi"; color: Theme.dim; width: 40; height: 36; anchors.horizontalCenter: parent.horizontalCenter }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Can't reach the login server")
            color: "white"
            font.family: Theme.fontFamily
            font.pixelSize: 20
            font.weight: Font.DemiBold
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Check your connection and try again.")
            color: Theme.dim
            font.family: Theme.fontFamily
            font.pixelSize: 14
        }
        BlueButton {
            objectName: "tryAgainButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 200
            text: qsTr("Try Again")
            onClicked: view.app.requestStart()
        }
    }
}
