import QtQuick
import QtQuick.Controls.Basic

// A popover menu: a column of headers, rows and separators, 232 wide on the card colour. Up and
// Down move between its rows, Return chooses one, Escape closes it; the focus then goes back to
// the button that opened it.
Popup {
    id: menu
    default property alias content: column.data
    // The arrow points at the control that opened the menu: "top" when the menu opens below it.
    property string arrowEdge: "top"
    property real arrowX: width / 2
    // The button that opens the menu; opened from the keyboard, the menu starts on its first row.
    property Item opener: null
    property bool fromKeyboard: false
    property string accessibleName
    width: 232
    padding: 0
    topPadding: 6
    bottomPadding: 6
    modal: false
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent

    function toggle() {
        if (visible) {
            close()
            return
        }
        fromKeyboard = !!opener && opener.visualFocus === true
        open()
    }
    // A screen reader's Press: its user goes on from the first row, as from the keyboard.
    function toggleForAssistiveTool() {
        if (visible) {
            close()
            return
        }
        fromKeyboard = true
        open()
    }
    function rows() {
        const out = []
        for (let i = 0; i < column.children.length; ++i) {
            const item = column.children[i]
            if (item.visible && typeof item.triggered === "function")
                out.push(item)
        }
        return out
    }
    function step(by) {
        const list = rows()
        if (list.length === 0)
            return
        let at = list.findIndex(item => item.activeFocus)
        at = at < 0 ? (by > 0 ? 0 : list.length - 1) : (at + by + list.length) % list.length
        list[at].forceActiveFocus(Qt.TabFocusReason)
    }

    onOpened: {
        column.forceActiveFocus()
        if (fromKeyboard)
            step(1)
    }
    // After the popup has put the focus back where it likes, so that the reason sticks.
    onClosed: Qt.callLater(giveBackFocus)
    function giveBackFocus() {
        if (!opener || !opener.visible)
            return
        opener.forceActiveFocus(Qt.PopupFocusReason)
        // The popup may have given it the focus already; the reason decides whether the frame shows.
        opener.focusReason = fromKeyboard ? Qt.TabFocusReason : Qt.PopupFocusReason
    }

    background: Rectangle {
        color: Theme.card
        radius: 6
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.08)
        Rectangle {
            width: 12
            height: 12
            rotation: 45
            color: Theme.card
            x: menu.arrowX - width / 2
            y: menu.arrowEdge === "top" ? -height / 2 : parent.height - height / 2
            z: -1
        }
    }
    contentItem: Column {
        id: column
        width: menu.width
        focus: true
        LayoutMirroring.enabled: Theme.rightToLeft
        LayoutMirroring.childrenInherit: true
        Accessible.role: Accessible.PopupMenu
        Accessible.name: menu.accessibleName
        Keys.onUpPressed: menu.step(-1)
        Keys.onDownPressed: menu.step(1)
    }
}
