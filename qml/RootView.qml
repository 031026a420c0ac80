import QtQuick
import QtQuick.Controls.Basic
import Vantorel
import Vantorel.Ui

// Paints the background and shows the one screen the model names; no transition between screens.
Rectangle {
    id: root
    required property var app
    color: Theme.bg
    implicitWidth: 1120
    implicitHeight: 540

    // The window moves when its background is dragged.
    DragHandler {
        target: null
        onActiveChanged: if (active) root.Window.window.startSystemMove()
    }

    Loader {
        id: screenLoader
        objectName: "screenLoader"
        anchors.fill: parent
        sourceComponent: {
            switch (root.app.screen) {
            case AppModel.Starting: return startingScreen
            default: return null
            }
        }
    }

    Component {
        id: startingScreen
        Item {
            objectName: "startingScreen"
            BusyIndicator {
                anchors.centerIn: parent
                width: 64
                height: 64
                running: true
            }
        }
    }
}
