import QtQuick

// The current slide's picture, filling and cropped, cross-fading when the slide changes.
// Draws nothing until the picture has loaded; never takes mouse clicks.
Item {
    id: art
    required property var app
    property int fadeMs: 600
    readonly property string address: app.currentSlide.image !== undefined ? app.currentSlide.image : ""
    readonly property string source: app.imagesRevision >= 0 ? app.imageUrl(address) : ""
    clip: true
    enabled: false  // clicks pass through

    property bool showA: true
    onSourceChanged: {
        if (showA && a.source == source || !showA && b.source == source)
            return
        if (showA) { b.source = source } else { a.source = source }
        showA = !showA
    }
    Component.onCompleted: a.source = source

    Image {
        id: a
        objectName: "artImageA"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        cache: false
        opacity: art.showA && status === Image.Ready ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: art.fadeMs; easing.type: Easing.InOutQuad } }
    }
    Image {
        id: b
        objectName: "artImageB"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        cache: false
        opacity: !art.showA && status === Image.Ready ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: art.fadeMs; easing.type: Easing.InOutQuad } }
    }
}
