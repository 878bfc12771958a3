import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Layouts 1.15

// A tile with a picture and a text, one choice of a `buttonGroup`: choosing
// it again keeps it chosen. It looks like a SwitchIcon and is a radio button
// for a screen reader (a control's role comes from its type, not from
// Accessible.role, once assistive software is listening).
// `userToggled` reports the user's choices only (mouse, Space, Enter, the
// accessibility actions); writing `checked` from the scene never emits it.
T.RadioButton {
    id: root

    property url image
    property color overlayColor: Material.foreground
    property real minimumWidth: 120
    property ButtonGroup buttonGroup: null
    readonly property bool exclusive: true
    // Not empty while what the tile belongs to is off: the tile is dimmed
    // and a screen reader hears why. It can still be chosen.
    property string offText: ""
    readonly property bool dimmed: offText !== ""

    signal userToggled()

    implicitWidth: Math.max(minimumWidth, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(64, implicitContentHeight + topPadding + bottomPadding)
    Layout.minimumWidth: minimumWidth
    padding: 10
    // The group decides, not the neighbours in the layout.
    autoExclusive: false
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true
    ButtonGroup.group: buttonGroup
    Accessible.name: text
    Accessible.description: offText

    onToggled: root.userToggled()
    // A screen reader's or a switch program's actions do what Space does; the
    // default ones would check the tile without telling anyone.
    Accessible.onPressAction: activation.activate()
    Accessible.onToggleAction: activation.activate()

    background: IconTileBackground {
    }

    contentItem: IconTileContent {
        exclusive: true
    }

    Activation {
        id: activation
    }
}
