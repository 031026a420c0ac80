import QtQuick
import QtQuick.Controls.Basic

// The primary button: full width, at least 52 high, blue, a spinner in place of the text while busy.
Button {
    id: control
    property bool busy: false
    implicitHeight: 52
    hoverEnabled: true
    opacity: enabled ? 1.0 : 0.4
    font.family: Theme.fontFamily
    font.pixelSize: 17
    font.bold: true
    Accessible.name: text
    // A screen reader's Press does what a click does (the toolkit's own answers done and does nothing).
    Accessible.onPressAction: if (control.enabled) control.clicked()

    contentItem: Item {
        implicitHeight: 52
        Text {
            anchors.centerIn: parent
            visible: !control.busy
            text: control.text
            color: "white"
            font: control.font
        }
        Spinner {
            objectName: "buttonSpinner"
            anchors.centerIn: parent
            visible: control.busy
            running: control.busy
            width: 22
            height: 22
        }
    }
    background: Rectangle {
        radius: 3
        color: control.down ? Theme.blue : Theme.blueHi
    }
    FocusRing { controlRadius: 3 }
}
