import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A tile with a picture and a text that the user checks or unchecks. In an
// exclusive `buttonGroup` it behaves as a choice among tiles (a checked tile
// stays checked when chosen again), otherwise as an on/off switch.
// `toogled` reports the user's toggles only (mouse, Space, Enter); writing
// `checked` from the scene never emits it.
AbstractButton {
    id: root

    property url image
    property color overlayColor: Material.foreground
    property real minimumWidth: 120
    property ButtonGroup buttonGroup: null
    readonly property bool exclusive: buttonGroup !== null && buttonGroup.exclusive

    signal toogled()

    // Enter does what Space does, for switches and keyboards that send Enter.
    function toggleByUser() {
        if (!enabled || (exclusive && checked))
            return;
        checked = !checked;
        toogled();
    }

    implicitWidth: Math.max(minimumWidth, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(64, implicitContentHeight + topPadding + bottomPadding)
    Layout.minimumWidth: minimumWidth
    padding: 10
    checkable: true
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true
    ButtonGroup.group: buttonGroup
    Accessible.role: exclusive ? Accessible.RadioButton : Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked

    onToggled: root.toogled()
    Keys.onReturnPressed: root.toggleByUser()
    Keys.onEnterPressed: root.toggleByUser()

    background: Rectangle {
        implicitWidth: root.minimumWidth
        implicitHeight: 64
        radius: 8
        color: root.checked ? Qt.rgba(root.Material.accentColor.r, root.Material.accentColor.g,
                                      root.Material.accentColor.b, 0.16)
                            : (root.down || root.hovered ? root.Material.rippleColor : "transparent")
        border.width: root.visualFocus ? 3 : 1
        border.color: root.visualFocus || root.checked ? root.Material.accentColor : root.Material.dividerColor
    }

    contentItem: RowLayout {
        spacing: 10

        TintedImage {
            Layout.preferredWidth: 36
            Layout.preferredHeight: 36
            Layout.alignment: Qt.AlignVCenter
            source: root.image
            color: root.overlayColor
            visible: root.image.toString() !== ""
        }

        Label {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            text: root.text
            font.pixelSize: 16
            font.weight: root.checked ? Font.Medium : Font.Normal
            wrapMode: Text.WordWrap
        }

        // Check mark: a filled dot for a choice, a sliding knob for a switch.
        Rectangle {
            Layout.alignment: Qt.AlignVCenter
            implicitWidth: root.exclusive ? 20 : 36
            implicitHeight: 20
            radius: 10
            color: root.exclusive ? "transparent"
                                  : (root.checked ? Qt.rgba(root.Material.accentColor.r, root.Material.accentColor.g,
                                                            root.Material.accentColor.b, 0.5)
                                                  : root.Material.switchUncheckedTrackColor)
            border.width: root.exclusive ? 2 : 0
            border.color: root.checked ? root.Material.accentColor : root.Material.secondaryTextColor

            Rectangle {
                x: root.exclusive ? 5 : (root.checked ? parent.width - width : 0)
                y: root.exclusive ? 5 : 0
                width: root.exclusive ? 10 : 20
                height: width
                radius: width / 2
                visible: !root.exclusive || root.checked
                color: root.checked ? root.Material.accentColor : root.Material.switchUncheckedHandleColor
                border.width: root.exclusive ? 0 : 1
                border.color: root.Material.dividerColor

                Behavior on x { NumberAnimation { duration: 120 } }
            }
        }
    }
}
