pragma Singleton
import QtQuick

QtObject {
    readonly property color bg: Qt.rgba(0.066, 0.074, 0.105, 1)
    readonly property color panel: Qt.rgba(0.047, 0.052, 0.078, 1)
    readonly property color card: Qt.rgba(0.118, 0.129, 0.172, 1)
    readonly property int gamePanelWidth: 300  // the home screen's left column; the news pane has the rest
    readonly property color blue: Qt.rgba(0.0, 0.455, 0.945, 1)
    readonly property color blueHi: Qt.rgba(0.07, 0.54, 1.0, 1)
    // The focus frame: the theme's blue, lighter so that it stands out around a blue button too.
    readonly property color focus: Qt.rgba(0.45, 0.72, 1.0, 1)
    readonly property color dim: Qt.rgba(1, 1, 1, 0.55)
    readonly property color notice: Qt.rgba(1.0, 0.45, 0.4, 1)
    readonly property color playNotice: Qt.rgba(1.0, 0.75, 0.4, 1)
    readonly property string launcherVersion: Qt.application.version
    // Right-to-left languages mirror the whole layout; drawn symbols stay as they are.
    readonly property bool rightToLeft: Qt.application.layoutDirection === Qt.RightToLeft
    // Inter has the real semibold the screens ask for (DejaVu Sans would fake it with bold).
    readonly property string fontFamily: "Inter"
}
