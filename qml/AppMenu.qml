import QtQuick
import QtQuick.Controls.Basic

// A menu of the menu bar, drawn like the popovers: the card colour, rounded, rows of 36 with 16 of
// room at each side. As wide as its widest entry (text, a clear gap, then the shortcut).
Menu {
    id: menu
    topPadding: 6
    bottomPadding: 6
    leftPadding: 0
    rightPadding: 0
    delegate: AppMenuItem { LayoutMirroring.enabled: Theme.rightToLeft; LayoutMirroring.childrenInherit: true }
    implicitWidth: {
        let widest = 200
        for (let i = 0; i < count; ++i) {
            const entry = itemAt(i)
            if (entry)
                widest = Math.max(widest, entry.implicitWidth)
        }
        return widest + leftPadding + rightPadding
    }
    background: Rectangle {
        implicitWidth: 200
        color: Theme.card
        radius: 6
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.08)
    }
}
