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

    // A menu entry with its shortcut at the right, as desktop menus show them.
    component ShortcutItem: MenuItem {
        id: item
        readonly property string keys: action && action.keys !== undefined ? action.keys : ""
        implicitWidth: Math.max(200, label.implicitWidth + keysLabel.implicitWidth + leftPadding + rightPadding + 32)
        Accessible.name: text
        contentItem: Item {
            implicitHeight: label.implicitHeight
            Text {
                id: label
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                text: item.text
                font: item.font
                color: item.highlighted ? "white" : item.palette.windowText
                opacity: item.enabled ? 1 : 0.4
            }
            Text {
                id: keysLabel
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                text: item.keys
                font: item.font
                color: Theme.dim
                opacity: item.enabled ? 1 : 0.4
            }
        }
    }

    menuBar: MenuBar {
        objectName: "menuBar"
        delegate: MenuBarItem { Accessible.name: text.replace("&", "") }
        Menu {
            title: "&File"
            delegate: ShortcutItem {}
            Action {
                objectName: "signOutAction"
                text: "Sign Out"
                enabled: window.app.signedIn
                onTriggered: window.app.requestSignOut()
            }
            Action {
                id: settingsAction
                objectName: "settingsAction"
                text: "Settings\u2026"
                property string keys: "Ctrl+,"
                onTriggered: window.showSettings()
            }
            MenuSeparator {}
            Action {
                id: quitAction
                text: "Quit"
                property string keys: "Ctrl+Q"
                onTriggered: Qt.quit()
            }
        }
        Menu {
            title: "&Game"
            delegate: ShortcutItem {}
            Action {
                id: checkAction
                objectName: "checkForUpdatesAction"
                text: "Check for Updates"
                property string keys: "Ctrl+R"
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
                id: revealAction
                objectName: "showGameFolderAction"
                text: "Show Game Folder in Finder"
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
        anchors.fill: parent
        onOpenSettings: window.showSettings()
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
        // Closes like a dialog, from the keyboard too.
        Shortcut {
            sequences: [StandardKey.Cancel, StandardKey.Close]
            onActivated: settingsWindow.close()
        }
    }

    Component.onCompleted: app.requestStart()
}
