import QtQuick
import QtQuick.Controls.Basic

// Signed in: the game panel on the left, the news pane on the right, the account button on top.
Item {
    id: view
    required property var app
    signal openSettings()
    objectName: "homeView"
    focus: true
    Keys.onReturnPressed: panel.runMainAction()
    Keys.onEnterPressed: panel.runMainAction()

    // Top bar: first in the tab order, as it is first in reading order; drawn over the panes.
    Item {
        width: parent.width
        height: 28
        y: 12
        z: 1
        AbstractButton {
            id: accountButton
            objectName: "accountButton"
            anchors.right: parent.right
            anchors.rightMargin: 28
            height: 28
            width: accountRow.width + 20
            focusPolicy: Qt.StrongFocus
            Accessible.role: Accessible.ButtonMenu
            Accessible.name: qsTr("Account")
            Accessible.onPressAction: accountMenu.toggleForAssistiveTool()
            Keys.onReturnPressed: accountMenu.toggle()
            Keys.onEnterPressed: accountMenu.toggle()
            onClicked: accountMenu.toggle()
            background: Rectangle { radius: 14; color: Qt.rgba(0, 0, 0, 0.4) }
            contentItem: Item {
                Row {
                    id: accountRow
                    anchors.centerIn: parent
                    spacing: 6
                    Symbol { name: "person"; width: 16; height: 16; anchors.verticalCenter: parent.verticalCenter }
                    Symbol { name: "chevron"; width: 8; height: 8; anchors.verticalCenter: parent.verticalCenter }
                }
            }
            FocusRing { controlRadius: 14 }
            PopMenu {
                id: accountMenu
                objectName: "accountMenu"
                opener: accountButton
                accessibleName: qsTr("Account")
                y: accountButton.height + 8
                // Under the button, reaching inwards from the window's edge.
                x: Theme.rightToLeft ? 0 : accountButton.width - width
                arrowEdge: "top"
                arrowX: Theme.rightToLeft ? accountButton.width / 2 : width - accountButton.width / 2
                PopHeader { visible: view.app.signedIn; title: view.app.username; objectName: "accountHeader" }
                PopSeparator { visible: view.app.signedIn }
                PopRow { title: qsTr("Website"); objectName: "websiteRow"; onTriggered: { accountMenu.close(); view.app.openWebPage("") } }
                PopRow { title: qsTr("Support"); onTriggered: { accountMenu.close(); view.app.openWebPage("/support") } }
                PopSeparator {}
                PopRow { title: qsTr("Settings\u2026"); objectName: "settingsRow"; onTriggered: { accountMenu.close(); view.openSettings() } }
                PopSeparator {}
                PopRow { title: qsTr("Log Out"); objectName: "logOutRow"; onTriggered: { accountMenu.close(); view.app.requestSignOut() } }
                PopRow { title: qsTr("Quit"); onTriggered: Qt.quit() }
            }
        }
    }

    Row {
        anchors.fill: parent
        GamePanel { id: panel; app: view.app; width: Theme.gamePanelWidth; height: parent.height }
        NewsPane { app: view.app; width: parent.width - Theme.gamePanelWidth; height: parent.height }
    }
}
