import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A short notice at the bottom of the window with one action, as Material's
// snackbar: it takes no focus, a screen reader announces it as an alert, and
// its action is in the Tab order. While the user is on it (keyboard focus or
// pointer) `held` is true, so whoever decides how long it stays can wait.
Pane {
    id: root

    property string text
    property string actionText
    // The action's name for a screen reader, which hears it on its own.
    property string actionName: actionText
    property bool shown: false
    // Dark surface in both themes, as Material has it; colours passed in.
    property color surfaceColor: "#323232"
    property color textColor: "#ffffff"
    property color actionColor: "#90caf9"
    readonly property bool held: hover.hovered || action.activeFocus || closeButton.activeFocus

    signal actionTriggered()
    signal dismissed()

    visible: opacity > 0
    opacity: root.shown ? 1 : 0
    padding: 8
    leftPadding: 16
    Material.elevation: 6
    Accessible.role: Accessible.AlertMessage
    Accessible.name: root.text

    Behavior on opacity {
        NumberAnimation { duration: 150 }
    }

    background: Rectangle {
        radius: 4
        color: root.surfaceColor
    }

    HoverHandler {
        id: hover
    }

    RowLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 8

        Label {
            objectName: root.objectName + "Text"
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            text: root.text
            color: root.textColor
            wrapMode: Text.WordWrap
            font.pixelSize: 16
            Accessible.ignored: true
        }

        Button {
            id: action

            objectName: root.objectName + "Action"
            Layout.alignment: Qt.AlignVCenter
            text: root.actionText
            flat: true
            focusPolicy: Qt.StrongFocus
            Material.foreground: root.actionColor
            Accessible.name: root.actionName
            enabled: root.shown

            onClicked: root.actionTriggered()

            Activation {
            }

            FocusRing {
                ringColor: root.actionColor
            }
        }

        ToolButton {
            id: closeButton

            objectName: root.objectName + "Close"
            Layout.alignment: Qt.AlignVCenter
            icon.source: "qrc:/images/navigation/close.svg"
            icon.color: root.textColor
            display: AbstractButton.IconOnly
            text: qsTr("Dismiss")
            focusPolicy: Qt.StrongFocus
            Accessible.name: text
            enabled: root.shown

            onClicked: root.dismissed()

            Activation {
            }

            FocusRing {
                ringColor: root.actionColor
            }
        }
    }
}
