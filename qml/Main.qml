import QtQuick
import QtQuick.Window
import QtQuick.Controls.Basic
import Vantorel
import Vantorel.Ui

ApplicationWindow {
    id: window
    required property var app

    title: "Vantorel"
    visible: true
    color: Theme.bg
    width: 1120
    height: 540 + (menuBar ? menuBar.height : 0)
    minimumWidth: 1120
    maximumWidth: 1120
    minimumHeight: height
    maximumHeight: height
    palette.window: Theme.bg
    palette.windowText: "white"
    palette.text: "white"
    palette.base: Theme.card
    palette.button: Theme.card
    palette.buttonText: "white"
    font.family: Theme.fontFamily

    menuBar: MenuBar {
        objectName: "menuBar"
        Menu {
            title: "&File"
            Action {
                objectName: "signOutAction"
                text: "Sign Out"
                enabled: window.app.signedIn
                onTriggered: window.app.requestSignOut()
            }
            Action {
                text: "Settings\u2026"
                shortcut: "Ctrl+,"
                onTriggered: settingsWindow.show()
            }
            MenuSeparator {}
            Action {
                text: "Quit"
                shortcut: StandardKey.Quit
                onTriggered: Qt.quit()
            }
        }
        Menu {
            title: "&Game"
            Action {
                objectName: "checkForUpdatesAction"
                text: "Check for Updates"
                shortcut: "Ctrl+R"
                enabled: window.app.signedIn && window.app.install !== AppModel.Working
                onTriggered: window.app.requestCheckInstall()
            }
            Action {
                objectName: "verifyGameFilesAction"
                text: "Verify Game Files"
                enabled: window.app.signedIn && window.app.install !== AppModel.Working
                onTriggered: window.app.requestPatch()
            }
            MenuSeparator {}
            Action {
                objectName: "showGameFolderAction"
                text: "Show Game Folder in Finder"
                shortcut: "Shift+Ctrl+O"
                onTriggered: window.app.revealInstallFolder()
            }
        }
    }

    RootView {
        objectName: "rootView"
        app: window.app
        anchors.fill: parent
        onOpenSettings: settingsWindow.show()
    }

    Window {
        id: settingsWindow
        objectName: "settingsWindow"
        title: "Settings"
        width: 460
        height: 420
        minimumWidth: 460
        maximumWidth: 460
        minimumHeight: 420
        maximumHeight: 420
        color: Theme.bg
        SettingsView { app: window.app; anchors.fill: parent }
    }

    Component.onCompleted: app.requestStart()
}
