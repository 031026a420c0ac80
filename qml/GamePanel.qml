import QtQuick
import QtQuick.Controls.Basic
import Vantorel
import Qt5Compat.GraphicalEffects

// The state of the game files, the progress of an update, the main action and the gear menu.
Item {
    id: panel
    required property var app
    objectName: "gamePanel"
    property bool playNotice: false
    readonly property var text: app.panel

    function runMainAction() {
        if (!text.mainEnabled)
            return
        if (text.runsUpdate) {
            playNotice = false
            app.requestPatch()
        } else {
            playNotice = true
        }
    }

    Rectangle { anchors.fill: parent; color: Theme.panel }
    Art { id: art; app: panel.app; anchors.fill: parent; visible: false; fadeMs: 0 }
    GaussianBlur { anchors.fill: parent; source: art; radius: 6; samples: 13; transparentBorder: true; opacity: 0.5 }
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: Qt.rgba(Theme.panel.r, Theme.panel.g, Theme.panel.b, 0.2) }
            GradientStop { position: 0.5; color: Theme.panel }
            GradientStop { position: 1.0; color: Theme.panel }
        }
    }

    Wordmark { iconSize: 112; anchors.horizontalCenter: parent.horizontalCenter; y: 72 }

    Column {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: 24
        anchors.rightMargin: 24
        anchors.bottomMargin: 14

        // At least 70 high with its lines at the top; absent when the game is ready.
        Item {
            visible: panel.text.showStatus
            width: parent.width
            height: visible ? Math.max(70, statusBlock.implicitHeight) : 0
        Column {
            id: statusBlock
            objectName: "statusBlock"
            width: parent.width
            spacing: 6
            Text {
                objectName: "statusCaption"
                // Set, not natural, so that a mirrored layout puts even Latin text at the right.
                width: parent.width
                horizontalAlignment: Text.AlignLeft
                text: panel.text.caption
                color: Theme.dim
                font.family: Theme.fontFamily
                font.pixelSize: 11
                font.weight: Font.DemiBold
                font.letterSpacing: 1.2
            }
            Text {
                objectName: "statusTitle"
                width: parent.width
                horizontalAlignment: Text.AlignLeft
                text: panel.text.title
                color: "white"
                font.family: Theme.fontFamily
                font.pixelSize: 14
            }
            ProgressBar {
                objectName: "progressBar"
                Accessible.name: panel.text.title
                // What the lines under the bar say, for a screen reader that lands on the bar.
                Accessible.description: [panel.text.detail, panel.text.timeLeft].filter(Boolean).join(", ")
                visible: panel.text.progress > -2
                width: parent.width
                height: 4
                indeterminate: panel.text.progress === -1
                value: Math.max(0, panel.text.progress)
                background: Rectangle { implicitHeight: 4; radius: 2; color: Qt.rgba(1, 1, 1, 0.12) }
                contentItem: Item {
                    implicitHeight: 4
                    Rectangle {
                        objectName: "progressFill"
                        visible: !parent.parent.indeterminate
                        // Mirrored anchors fill from the right in right-to-left languages.
                        anchors.left: parent.left
                        width: parent.width * parent.parent.position
                        height: parent.height
                        radius: 2
                        color: Theme.blueHi
                    }
                    Rectangle {
                        id: runner
                        visible: parent.parent.indeterminate
                        width: parent.width * 0.3
                        height: parent.height
                        radius: 2
                        color: Theme.blueHi
                        SequentialAnimation on x {
                            running: runner.visible
                            loops: Animation.Infinite
                            NumberAnimation { from: -runner.width; to: runner.parent.width; duration: 1200 }
                        }
                    }
                    clip: true
                }
            }
            Text {
                objectName: "statusDetail"
                text: panel.text.detail
                width: parent.width
                horizontalAlignment: Text.AlignLeft
                color: panel.text.detailIsFailure ? Theme.notice : Theme.dim
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                font.family: Theme.fontFamily
                font.pixelSize: 12
            }
            Text {
                objectName: "statusTimeLeft"
                visible: text !== ""
                text: panel.text.timeLeft || ""
                width: parent.width
                horizontalAlignment: Text.AlignLeft
                color: Theme.dim
                elide: Text.ElideRight
                font.family: Theme.fontFamily
                font.pixelSize: 12
            }
        }
        }
        Item { width: 1; height: panel.text.showStatus ? 14 : 0 }

        Row {
            width: parent.width
            spacing: 2
            BlueButton {
                objectName: "mainButton"
                width: parent.width - 54
                text: panel.text.mainButton
                enabled: panel.text.mainEnabled
                onClicked: panel.runMainAction()
            }
            AbstractButton {
                id: gearButton
                objectName: "gearButton"
                width: 52
                height: 52
                opacity: enabled ? 1 : 0.4
                enabled: panel.app.install !== AppModel.Working
                focusPolicy: Qt.StrongFocus
                Accessible.role: Accessible.ButtonMenu
                Accessible.name: qsTr("Game options")
                Accessible.onPressAction: if (enabled) gearMenu.toggleForAssistiveTool()
                Keys.onReturnPressed: gearMenu.toggle()
                Keys.onEnterPressed: gearMenu.toggle()
                onClicked: gearMenu.toggle()
                background: Rectangle { radius: 3; color: Theme.blueHi }
                contentItem: Item {
                    Symbol { name: "gear"; width: 18; height: 18; anchors.centerIn: parent }
                }
                FocusRing { controlRadius: 3 }
                PopMenu {
                    id: gearMenu
                    objectName: "gearMenu"
                    opener: gearButton
                    accessibleName: qsTr("Game options")
                    y: -height - 8
                    x: Theme.rightToLeft ? gearButton.width - width : 0
                    arrowEdge: "bottom"
                    arrowX: Theme.rightToLeft ? width - gearButton.width / 2 : gearButton.width / 2
                    PopHeader { visible: panel.app.install === AppModel.Ready; title: qsTr("Up to date") }
                    PopSeparator { visible: panel.app.install === AppModel.Ready }
                    PopRow { title: qsTr("Check for Updates"); onTriggered: { gearMenu.close(); panel.app.requestCheckInstall() } }
                    PopRow { title: qsTr("Scan and Repair"); onTriggered: { gearMenu.close(); panel.app.requestPatch() } }
                    PopSeparator {}
                    PopRow { title: qsTr("Reveal in Finder"); onTriggered: { gearMenu.close(); panel.app.revealInstallFolder() } }
                }
            }
        }

        Item {
            width: parent.width
            height: 10 + 40
            Text {
                objectName: "footer"
                y: 10
                width: parent.width
                wrapMode: Text.Wrap
                maximumLineCount: 3
                horizontalAlignment: Text.AlignLeft
                text: panel.playNotice ? qsTr("The game doesn't run on macOS yet. This launcher only updates files.")
                                       : qsTr("Launcher %1").arg(Theme.launcherVersion)
                color: panel.playNotice ? Theme.playNotice : Theme.dim
                font.family: Theme.fontFamily
                font.pixelSize: 12
            }
        }
    }
}
