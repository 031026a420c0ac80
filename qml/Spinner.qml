import QtQuick

// An indeterminate spinner: a ring of white dots turning. Drawn by us so that it shows at any size
// and scale, on the dark background and inside the blue button alike.
Item {
    id: spinner
    property bool running: true
    property color color: "white"
    implicitWidth: 48
    implicitHeight: 48
    Accessible.role: Accessible.Animation
    Accessible.name: qsTr("Loading")

    Item {
        id: ring
        anchors.fill: parent
        visible: spinner.running
        Repeater {
            model: 8
            Rectangle {
                required property int index
                readonly property real size: Math.max(2, spinner.width / 6)
                readonly property real reach: (spinner.width - size) / 2
                width: size
                height: size
                radius: size / 2
                color: spinner.color
                opacity: 0.25 + 0.75 * index / 7
                x: reach + reach * Math.cos(index / 8 * 2 * Math.PI)
                y: reach + reach * Math.sin(index / 8 * 2 * Math.PI)
            }
        }
        RotationAnimator on rotation {
            from: 0
            to: 360
            duration: 1000
            loops: Animation.Infinite
            running: spinner.running && spinner.visible
        }
    }
}
