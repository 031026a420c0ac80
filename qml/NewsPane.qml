import QtQuick

// The home feed: the current slide's picture under two shades, its caption, and the dots.
Rectangle {
    id: pane
    required property var app
    objectName: "newsPane"
    color: Theme.card
    clip: true
    readonly property var slide: app.currentSlide

    Art { app: pane.app; anchors.fill: parent }
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: Qt.rgba(0, 0, 0, 0.4) }
            GradientStop { position: 0.22; color: "transparent" }
        }
    }
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.6; color: "transparent" }
            GradientStop { position: 1.0; color: Qt.rgba(0, 0, 0, 0.78) }
        }
    }

    Column {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.leftMargin: 24
        anchors.bottomMargin: 24 + 14
        width: parent.width - 48
        spacing: 16
        Column {
            id: caption
            objectName: "caption"
            visible: pane.slide.headline !== undefined && pane.slide.headline.length > 0
            spacing: 6
            width: parent.width
            Text {
                objectName: "headline"
                width: parent.width
                wrapMode: Text.Wrap
                text: pane.slide.headline !== undefined ? pane.slide.headline : ""
                color: "white"
                font.family: Theme.fontFamily
                font.pixelSize: 26
                font.bold: true
            }
            Text {
                objectName: "subline"
                width: parent.width
                wrapMode: Text.Wrap
                visible: pane.slide.sub !== undefined
                text: pane.slide.sub !== undefined ? pane.slide.sub : ""
                color: Qt.rgba(1, 1, 1, 0.85)
                font.family: Theme.fontFamily
                font.pixelSize: 14
            }
        }
        Row {
            objectName: "dots"
            visible: pane.app.slideCount >= 2
            spacing: 8
            Repeater {
                model: pane.app.slideCount
                Rectangle {
                    id: dot
                    required property int index
                    objectName: "dot" + index
                    width: 32
                    height: 3
                    radius: 1.5
                    color: pane.app.slideIndex === index ? Theme.blueHi : Qt.rgba(1, 1, 1, 0.4)
                    Behavior on color { ColorAnimation { duration: 600; easing.type: Easing.InOutQuad } }
                    function choose() { if (pane.app.slideIndex !== index) pane.app.slideIndex = index }
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Slide %1 of %2").arg(index + 1).arg(pane.app.slideCount)
                    Accessible.focusable: true
                    Accessible.checkable: true
                    Accessible.checked: pane.app.slideIndex === index
                    Accessible.onPressAction: choose()
                    Keys.onSpacePressed: choose()
                    Keys.onReturnPressed: choose()
                    Keys.onEnterPressed: choose()
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -6
                        onClicked: dot.choose()
                    }
                    FocusRing { controlRadius: 1.5 }
                }
            }
        }
    }

    // The caption fades in with the new picture.
    onSlideChanged: captionFade.restart()
    NumberAnimation {
        id: captionFade
        target: caption
        property: "opacity"
        from: 0
        to: 1
        duration: 600
        easing.type: Easing.InOutQuad
    }

    // Rotation: lives only while the pane is shown.
    Timer {
        objectName: "rotationTimer"
        interval: 8000
        repeat: true
        running: pane.visible
        onTriggered: pane.app.requestAdvanceSlide()
    }
}
