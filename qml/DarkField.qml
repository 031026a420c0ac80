import QtQuick
import QtQuick.Controls.Basic

// A plain single-line field on the card colour with a faint outline; the placeholder is its title.
TextField {
    id: field
    implicitHeight: 40
    leftPadding: 12
    rightPadding: 12
    verticalAlignment: TextInput.AlignVCenter
    font.family: Theme.fontFamily
    font.pixelSize: 14
    color: "white"
    placeholderTextColor: Qt.rgba(1, 1, 1, 0.35)
    selectByMouse: true
    selectionColor: Theme.blueHi
    Accessible.name: placeholderText
    background: Rectangle {
        radius: 3
        color: Theme.card
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.08)
    }
    // A field shows the frame whenever it has the focus: the caret alone is easy to miss.
    FocusRing { shown: field.activeFocus }
}
