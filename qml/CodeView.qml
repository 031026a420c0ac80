import QtQuick
import QtQuick.Controls.Basic

// The second-factor code: an e-mailed one or one from an authenticator app.
Item {
    id: view
    required property var app
    required property string method
    objectName: "codeView"

    // Return anywhere else on the screen acts as the default button.
    Keys.onReturnPressed: submit()
    Keys.onEnterPressed: submit()

    function submit() {
        if (code.text.length === 0)
            return
        app.requestSubmitCode(code.text)
    }

    AuthBackdrop { app: view.app; anchors.fill: parent }

    Column {
        anchors.centerIn: parent
        width: 320
        spacing: 24

        Wordmark { iconSize: 96; anchors.horizontalCenter: parent.horizontalCenter }

        Text {
            objectName: "explanation"
            width: parent.width
            text: view.method === "email" ? qsTr("We sent a code to your email.")
                                          : qsTr("Open your authenticator app and enter the code for Vantorel.")
            color: Theme.dim
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            font.family: Theme.fontFamily
            font.pixelSize: 13
        }

        DarkField {
            id: code
            objectName: "codeField"
            width: parent.width
            placeholderText: qsTr("Code")
            Keys.onReturnPressed: view.submit()
            Keys.onEnterPressed: view.submit()
        }

        Text {
            objectName: "notice"
            visible: view.app.hasNotice
            width: parent.width
            text: view.app.notice
            color: Theme.notice
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            font.family: Theme.fontFamily
            font.pixelSize: 12
        }

        Column {
            width: parent.width
            spacing: 10
            BlueButton {
                objectName: "verifyButton"
                width: parent.width
                text: qsTr("Verify")
                busy: view.app.busy
                enabled: code.text.length > 0 && !view.app.busy
                onClicked: view.submit()
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 18
                LinkButton { objectName: "backLink"; text: qsTr("Back"); onClicked: view.app.requestBackToSignIn() }
                LinkButton {
                    objectName: "sendNewCodeLink"
                    visible: view.method === "email"
                    text: qsTr("Send a new code")
                    onClicked: view.app.requestSendEmailCode()
                }
            }
        }
    }
}
