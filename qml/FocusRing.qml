import QtQuick

// The keyboard focus frame, in the theme's blue, drawn just outside its control so nothing moves.
Rectangle {
    property Item control: parent
    property real controlRadius: 3
    // Controls show it for keyboard focus only; plain items whenever they have the focus.
    property bool shown: !!control && (control.visualFocus !== undefined ? control.visualFocus : control.activeFocus)
    objectName: "focusRing"
    anchors.fill: control
    anchors.margins: -3
    radius: controlRadius + 3
    color: "transparent"
    border.width: 2
    border.color: Theme.focus
    visible: shown
    z: 100
}
