import QtQuick
import QtQuick.Controls.Basic
import Vantorel
import QtQuick.Layouts

// Game files, account and version, following the model live.
Rectangle {
    id: view
    required property var app
    objectName: "settingsView"
    color: Theme.bg
    implicitWidth: 460
    implicitHeight: 540

    component SectionTitle: Text {
        color: Theme.dim
        font.family: Theme.fontFamily
        font.pixelSize: 12
        font.weight: Font.DemiBold
    }
    component Label: Text {
        color: "white"
        font.family: Theme.fontFamily
        font.pixelSize: 13
    }
    component SmallButton: Button {
        id: b
        font.family: Theme.fontFamily
        font.pixelSize: 13
        opacity: enabled ? 1 : 0.4
        contentItem: Text { text: b.text; font: b.font; color: "white"; horizontalAlignment: Text.AlignHCenter }
        background: Rectangle { radius: 4; color: b.down ? Qt.rgba(1, 1, 1, 0.18) : Qt.rgba(1, 1, 1, 0.1); implicitHeight: 28; implicitWidth: 110 }
        Accessible.name: text
        Accessible.onPressAction: if (b.enabled) b.clicked()
        Keys.onReturnPressed: b.clicked()
        Keys.onEnterPressed: b.clicked()
        FocusRing { controlRadius: 4 }
    }
    component Card: Rectangle {
        default property alias content: inner.data
        width: parent.width
        height: inner.implicitHeight + 24
        radius: 6
        color: Theme.card
        ColumnLayout { id: inner; anchors.fill: parent; anchors.margins: 12; spacing: 10 }
    }

    Column {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 10

        SectionTitle { text: qsTr("Game files") }
        Card {
            RowLayout {
                Layout.fillWidth: true
                Label { text: qsTr("Location") }
                // Shortened in the middle; a click turns it into the whole path, selected, ready to copy.
                Item {
                    Layout.fillWidth: true
                    implicitHeight: 18
                    Text {
                        objectName: "locationValue"
                        anchors.fill: parent
                        visible: !locationEdit.activeFocus
                        Accessible.ignored: true  // the field below speaks for it
                        horizontalAlignment: Text.AlignRight
                        text: view.app.installPath
                        elide: Text.ElideMiddle
                        color: Theme.dim
                        font.family: Theme.fontFamily
                        font.pixelSize: 13
                        MouseArea {
                            anchors.fill: parent
                            onClicked: { locationEdit.forceActiveFocus(); locationEdit.selectAll() }
                        }
                    }
                    TextInput {
                        id: locationEdit
                        objectName: "locationEdit"
                        anchors.fill: parent
                        // Present while hidden, so that Tab reaches the path too: it then opens
                        // whole and selected, as a click does.
                        opacity: activeFocus ? 1 : 0
                        activeFocusOnTab: true
                        onActiveFocusChanged: if (activeFocus) selectAll()
                        Accessible.role: Accessible.EditableText
                        Accessible.name: qsTr("Location")
                        Accessible.readOnly: true
                        readOnly: true
                        selectByMouse: true
                        clip: true
                        text: view.app.installPath
                        color: Theme.dim
                        selectionColor: Theme.blueHi
                        font.family: Theme.fontFamily
                        font.pixelSize: 13
                    }
                }
            }
            RowLayout {
                Layout.fillWidth: true
                Label { text: qsTr("Download limit") }
                Item { Layout.fillWidth: true }
                TextField {
                    id: limitField
                    objectName: "downloadLimitField"
                    implicitWidth: 76
                    implicitHeight: 24
                    padding: 4
                    text: view.app.downloadLimit
                    placeholderText: qsTr("No limit")
                    placeholderTextColor: Theme.dim
                    horizontalAlignment: TextInput.AlignRight
                    inputMethodHints: Qt.ImhFormattedNumbersOnly
                    Accessible.name: qsTr("Download limit in MB/s")
                    validator: RegularExpressionValidator { regularExpression: /^[0-9]{0,6}([.,][0-9]{0,3})?$/ }
                    color: "white"
                    selectionColor: Theme.blueHi
                    font.family: Theme.fontFamily
                    font.pixelSize: 13
                    background: Rectangle {
                        radius: 4
                        color: Qt.rgba(1, 1, 1, 0.08)
                        border.width: limitField.activeFocus ? 1 : 0
                        border.color: Theme.blueHi
                    }
                    FocusRing { shown: limitField.activeFocus; controlRadius: 4 }
                    // Applied at once, even to an update that is running.
                    onEditingFinished: if (!view.app.setDownloadLimit(text)) text = view.app.downloadLimit
                }
                Label { text: qsTr("MB/s"); color: Theme.dim }
            }
            RowLayout {
                Layout.fillWidth: true
                Label { text: qsTr("Update automatically") }
                Item { Layout.fillWidth: true }
                Switch {
                    id: automaticSwitch
                    objectName: "automaticUpdatesSwitch"
                    implicitHeight: 20
                    padding: 0
                    checked: view.app.automaticUpdates
                    Accessible.name: qsTr("Update automatically")
                    onToggled: view.app.automaticUpdates = checked
                    Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                    Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
                    FocusRing { controlRadius: 10 }  // keyboard focus only, as on buttons
                }
            }
            RowLayout {
                Layout.fillWidth: true
                Label { text: qsTr("Share game files on this network") }
                Item { Layout.fillWidth: true }
                Switch {
                    objectName: "shareOnNetworkSwitch"
                    implicitHeight: 20
                    padding: 0
                    checked: view.app.shareOnNetwork
                    Accessible.name: qsTr("Share game files on this network")
                    onToggled: view.app.shareOnNetwork = checked
                    Accessible.onPressAction: if (enabled) { toggle(); toggled() }
                    Accessible.onToggleAction: if (enabled) { toggle(); toggled() }
                    FocusRing { controlRadius: 10 }
                }
            }
            RowLayout {
                Layout.fillWidth: true
                enabled: view.app.shareOnNetwork
                opacity: enabled ? 1 : 0.4
                Label { text: qsTr("Upload limit") }
                Item { Layout.fillWidth: true }
                TextField {
                    id: uploadField
                    objectName: "uploadLimitField"
                    implicitWidth: 76
                    implicitHeight: 24
                    padding: 4
                    text: view.app.uploadLimit
                    placeholderText: qsTr("No limit")
                    placeholderTextColor: Theme.dim
                    horizontalAlignment: TextInput.AlignRight
                    inputMethodHints: Qt.ImhFormattedNumbersOnly
                    Accessible.name: qsTr("Upload limit in MB/s")
                    validator: RegularExpressionValidator { regularExpression: /^[0-9]{0,6}([.,][0-9]{0,3})?$/ }
                    color: "white"
                    selectionColor: Theme.blueHi
                    font.family: Theme.fontFamily
                    font.pixelSize: 13
                    background: Rectangle {
                        radius: 4
                        color: Qt.rgba(1, 1, 1, 0.08)
                        border.width: uploadField.activeFocus ? 1 : 0
                        border.color: Theme.blueHi
                    }
                    FocusRing { shown: uploadField.activeFocus; controlRadius: 4 }
                    onEditingFinished: if (!view.app.setUploadLimit(text)) text = view.app.uploadLimit
                }
                Label { text: qsTr("MB/s"); color: Theme.dim }
            }
            RowLayout {
                SmallButton { objectName: "showInFinderButton"; text: qsTr("Show in Finder"); onClicked: view.app.revealInstallFolder() }
                SmallButton {
                    objectName: "verifyFilesButton"
                    text: qsTr("Verify Files")
                    enabled: view.app.signedIn && view.app.install !== AppModel.Working
                    onClicked: view.app.requestPatch()
                }
            }
        }

        SectionTitle { text: qsTr("Account") }
        Card {
            RowLayout {
                visible: view.app.signedIn
                Layout.fillWidth: true
                Label { text: qsTr("Signed in as") }
                Label { objectName: "signedInAs"; Layout.fillWidth: true; horizontalAlignment: Text.AlignRight; text: view.app.username; elide: Text.ElideMiddle }
            }
            SmallButton { objectName: "settingsLogOut"; visible: view.app.signedIn; text: qsTr("Log Out"); onClicked: view.app.requestSignOut() }
            Label { objectName: "notSignedIn"; visible: !view.app.signedIn; text: qsTr("Not signed in"); color: Theme.dim }
        }

        SectionTitle { text: qsTr("About") }
        Card {
            RowLayout {
                Layout.fillWidth: true
                Label { text: qsTr("Language") }
                Item { Layout.fillWidth: true }
                LanguageBox { app: view.app; systemDefaultTitle: qsTr("System default") }
            }
            RowLayout { Layout.fillWidth: true; Label { text: qsTr("Launcher") } Label { Layout.fillWidth: true; horizontalAlignment: Text.AlignRight; text: Theme.launcherVersion; color: Theme.dim } }
            RowLayout { Layout.fillWidth: true; Label { text: qsTr("Channel") } Label { Layout.fillWidth: true; horizontalAlignment: Text.AlignRight; text: view.app.channel; color: Theme.dim } }
        }
    }
}
