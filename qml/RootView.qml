import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import Vantorel
import Vantorel.Ui

// Paints the background and shows the one screen the model names; no transition between screens.
Rectangle {
    id: root
    required property var app
    signal openSettings()
    color: Theme.bg
    implicitWidth: 1120
    implicitHeight: 540

    // Slide pictures are decoded no larger than the news pane draws them, known before the home
    // screen is: the feed loads at start.
    Binding {
        target: root.app
        property: "pictureSize"
        value: Qt.size(Math.ceil((root.width - Theme.gamePanelWidth) * Screen.devicePixelRatio),
                       Math.ceil(root.height * Screen.devicePixelRatio))
    }

    // The window moves when its background is dragged. Lying under every screen, this area only
    // gets the presses that no control took, so a drag on a button or in a field stays theirs.
    MouseArea {
        objectName: "windowDrag"
        property point pressedAt
        property bool active: false
        anchors.fill: parent
        onPressed: mouse => { pressedAt = Qt.point(mouse.x, mouse.y); active = false }
        onPositionChanged: mouse => {
            if (active || Math.hypot(mouse.x - pressedAt.x, mouse.y - pressedAt.y) < Qt.styleHints.startDragDistance)
                return
            active = true
            root.Window.window.startSystemMove()
        }
        onReleased: active = false
        onCanceled: active = false
    }

    // The loaded screen takes the keyboard focus whichever way it was reached (a saved session
    // starts straight on the home screen), so its default button answers Return.
    Loader {
        id: screenLoader
        objectName: "screenLoader"
        anchors.fill: parent
        focus: true
        sourceComponent: {
            switch (root.app.screen) {
            case AppModel.Starting: return startingScreen
            case AppModel.Login: return signInScreen
            case AppModel.Mfa: return codeScreen
            case AppModel.Main: return homeScreen
            case AppModel.Unreachable: return unreachableScreen
            default: return null
            }
        }
    }

    Component { id: signInScreen; SignInView { app: root.app } }
    Component { id: codeScreen; CodeView { app: root.app; method: root.app.mfaMethod } }
    Component { id: homeScreen; HomeView { app: root.app; onOpenSettings: root.openSettings() } }
    Component { id: unreachableScreen; UnreachableView { app: root.app } }

    Component {
        id: startingScreen
        Item {
            objectName: "startingScreen"
            Spinner {
                objectName: "startingSpinner"
                anchors.centerIn: parent
                width: 64
                height: 64
                running: true
            }
        }
    }
}
