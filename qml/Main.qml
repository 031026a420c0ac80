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

    function showSettings() {
        settingsWindow.show()
        settingsWindow.raise()
        settingsWindow.requestActivate()
    }

    menuBar: MenuBar {
        objectName: "menuBar"
        LayoutMirroring.enabled: Theme.rightToLeft
        LayoutMirroring.childrenInherit: true
        delegate: MenuBarItem { Accessible.name: text.replace("&", "") }
        AppMenu {
            title: qsTr("&File")
            Action {
                objectName: "signOutAction"
                text: qsTr("Sign Out")
                enabled: window.app.signedIn
                onTriggered: window.app.requestSignOut()
            }
            Action {
                id: settingsAction
                objectName: "settingsAction"
                text: qsTr("Settings\u2026")
                property string keys: "Ctrl+,"
                onTriggered: window.showSettings()
            }
            AppMenuSeparator {}
            Action {
                id: quitAction
                text: qsTr("Quit")
                property string keys: "Ctrl+Q"
                onTriggered: Qt.quit()
            }
        }
        AppMenu {
            title: qsTr("&Game")
            Action {
                id: checkAction
                objectName: "checkForUpdatesAction"
                text: qsTr("Check for Updates")
                property string keys: "Ctrl+R"
                enabled: window.app.signedIn && window.app.install !== AppModel.Working
                onTriggered: window.app.requestCheckInstall()
            }
            Action {
                objectName: "verifyGameFilesAction"
                text: qsTr("Verify Game Files")
                enabled: window.app.signedIn && window.app.install !== AppModel.Working
                onTriggered: window.app.requestPatch()
            }
            AppMenuSeparator {}
            Action {
                id: revealAction
                objectName: "showGameFolderAction"
                text: qsTr("Show Game Folder in Finder")
                property string keys: "Shift+Ctrl+O"
                onTriggered: window.app.revealInstallFolder()
            }
        }
    }

    // The menus' shortcuts work from every window of the launcher, the settings window included.
    component AppShortcut: Shortcut {
        required property Action action
        sequence: action.keys
        context: Qt.ApplicationShortcut
        enabled: action.enabled
        onActivated: action.trigger()
    }
    AppShortcut { action: settingsAction }
    AppShortcut { action: quitAction }
    AppShortcut { action: checkAction }
    AppShortcut { action: revealAction }

    RootView {
        objectName: "rootView"
        app: window.app
        LayoutMirroring.enabled: Theme.rightToLeft
        LayoutMirroring.childrenInherit: true
        anchors.fill: parent
        onOpenSettings: window.showSettings()
    }

    Window {
        id: settingsWindow
        objectName: "settingsWindow"
        title: qsTr("Settings")
        width: 460
        height: 540
        minimumWidth: 460
        maximumWidth: 460
        minimumHeight: 540
        maximumHeight: 540
        color: Theme.bg
        SettingsView {
            app: window.app
            anchors.fill: parent
            LayoutMirroring.enabled: Theme.rightToLeft
            LayoutMirroring.childrenInherit: true
        }
        // Closes like a dialog, from the keyboard too.
        Shortcut {
            sequences: [StandardKey.Cancel, StandardKey.Close]
            onActivated: settingsWindow.close()
        }
    }

    Component.onCompleted: app.requestStart()
}
