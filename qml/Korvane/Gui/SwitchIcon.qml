import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A tile with a picture and a text that the user checks or unchecks. In an
// exclusive `buttonGroup` it behaves as a choice among tiles (a checked tile
// stays checked when chosen again), otherwise as an on/off switch. A screen
// reader hears it as a check box whatever its group: tiles that are choices
// are ChoiceIcon.
// `userToggled` reports the user's toggles only (mouse, Space, Enter, the
// accessibility actions); writing `checked` from the scene never emits it.
AbstractButton {
    id: root

    property url image
    property color overlayColor: Material.foreground
    property real minimumWidth: 120
    property ButtonGroup buttonGroup: null
    readonly property bool exclusive: buttonGroup !== null && buttonGroup.exclusive

    signal userToggled()

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

    onToggled: root.userToggled()
    // A screen reader's or a switch program's actions do what Space does; the
    // default ones would flip the tile without telling anyone.
    Accessible.onPressAction: activation.activate()
    Accessible.onToggleAction: activation.activate()

    background: IconTileBackground {
    }

    contentItem: IconTileContent {
        exclusive: root.exclusive
    }

    Activation {
        id: activation
    }
}
