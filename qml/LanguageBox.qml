import QtQuick
import QtQuick.Controls.Basic

// The window's language: the system's, then each language under its own name. Drawn like the
// settings' other fields; opens with Space or a click, chosen with the arrows and Return.
ComboBox {
    id: box
    required property var app
    required property string systemDefaultTitle
    objectName: "languageBox"
    implicitHeight: 24
    implicitWidth: 170
    textRole: "name"
    valueRole: "code"
    model: [{ code: "", name: box.systemDefaultTitle }].concat(app.languages)
    currentIndex: {
        for (let i = 0; i < model.length; ++i)
            if (model[i].code === app.language)
                return i
        return 0
    }
    onActivated: app.language = currentValue
    font.family: Theme.fontFamily
    font.pixelSize: 13
    Accessible.name: qsTranslate("SettingsView", "Language")

    contentItem: Text {
        leftPadding: 8
        rightPadding: 22
        text: box.displayText
        font: box.font
        color: "white"
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }
    indicator: Symbol {
        name: "chevron"
        width: 8
        height: 8
        x: box.mirrored ? 8 : box.width - width - 8
        anchors.verticalCenter: parent.verticalCenter
    }
    background: Rectangle {
        radius: 4
        color: box.down ? Qt.rgba(1, 1, 1, 0.14) : Qt.rgba(1, 1, 1, 0.08)
        border.width: box.activeFocus ? 1 : 0
        border.color: Theme.blueHi
    }
    FocusRing { controlRadius: 4 }
    delegate: ItemDelegate {
        required property var modelData
        required property int index
        width: box.popup.width
        height: 26
        highlighted: box.highlightedIndex === index
        text: modelData.name
        font: box.font
        Accessible.name: text
        contentItem: Text {
            text: parent.text
            font: parent.font
            color: "white"
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle { color: parent.highlighted ? Qt.rgba(1, 1, 1, 0.08) : "transparent" }
    }
    popup: Popup {
        objectName: "languagePopup"
        y: box.height + 4
        width: box.width
        // Every language at once, moved up as far as the window needs.
        implicitHeight: contentItem.implicitHeight + 12
        margins: 6
        padding: 6
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: box.popup.visible ? box.delegateModel : null
            currentIndex: box.highlightedIndex
            LayoutMirroring.enabled: Theme.rightToLeft
            LayoutMirroring.childrenInherit: true
        }
        background: Rectangle {
            color: Theme.card
            radius: 6
            border.width: 1
            border.color: Qt.rgba(1, 1, 1, 0.08)
        }
    }
}
