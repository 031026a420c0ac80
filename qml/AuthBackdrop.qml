import QtQuick
import Qt5Compat.GraphicalEffects

// The sign-in background: the slide picture blurred and dimmed, under a gradient to the background.
Item {
    id: backdrop
    required property var app
    Art {
        id: art
        app: backdrop.app
        anchors.fill: parent
        visible: false
    }
    GaussianBlur {
        anchors.fill: parent
        source: art
        radius: 18
        samples: 37
        transparentBorder: true
        opacity: 0.35
    }
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: Qt.rgba(Theme.bg.r, Theme.bg.g, Theme.bg.b, 0.4) }
            GradientStop { position: 1.0; color: Theme.bg }
        }
    }
}
