import QtQuick
import QtQuick.Controls.Basic

// E-mail and password over the blurred slide; Return moves from e-mail to password, then signs in.
Item {
    id: view
    required property var app
    objectName: "signInView"

    // Return anywhere else on the screen acts as the default button.
    Keys.onReturnPressed: submit()
    Keys.onEnterPressed: submit()

    function submit() {
        if (email.text.length === 0 || password.text.length === 0)
            return
        app.requestSignIn(email.text, password.text)
    }

    AuthBackdrop { app: view.app; anchors.fill: parent }

    Column {
        anchors.centerIn: parent
        width: 320
        spacing: 28

        Wordmark { iconSize: 96; anchors.horizontalCenter: parent.horizontalCenter }

        Column {
            width: parent.width
            spacing: 10
            DarkField {
                id: email
                objectName: "emailField"
                width: parent.width
                placeholderText: qsTr("Email")
                inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase
                focus: true
                Keys.onReturnPressed: password.forceActiveFocus()
                Keys.onEnterPressed: password.forceActiveFocus()
            }
            DarkField {
                id: password
                objectName: "passwordField"
                width: parent.width
                placeholderText: qsTr("Password")
                echoMode: TextInput.Password
                // Qt Quick never gives a password field a name; screen readers read this instead.
                Accessible.description: qsTr("Password")
                Keys.onReturnPressed: view.submit()
                Keys.onEnterPressed: view.submit()
            }
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

        BlueButton {
            objectName: "logInButton"
            width: parent.width
            text: qsTr("Log In")
            busy: view.app.busy
            enabled: email.text.length > 0 && password.text.length > 0 && !view.app.busy
            onClicked: view.submit()
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 18
            LinkButton { objectName: "createAccountLink"; text: qsTr("Create an account"); onClicked: view.app.openWebPage("/register") }
            LinkButton { objectName: "forgotPasswordLink"; text: qsTr("Forgot password?"); onClicked: view.app.openWebPage("/password/forgot") }
        }
    }

    Component.onCompleted: email.forceActiveFocus()
}
