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
// A group is one Tab stop, its chosen tile (or its first when none is); the
// arrow keys move between its tiles, Space or Enter chooses.
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
    readonly property bool tabStop: !buttonGroup || checked
                                    || (buttonGroup.checkedButton === null && groupTiles()[0] === root)

    signal userToggled()

    // The group's tiles in the order they are written in, which is the
    // order they are read in: the group lists them as they joined it.
    function groupTiles() {
        var place = function(item) {
            var path = []
            for (; item && item.parent; item = item.parent)
                path.unshift(Array.prototype.indexOf.call(item.parent.children, item))
            return path
        }
        var tiles = []
        var buttons = root.buttonGroup ? root.buttonGroup.buttons : []
        for (var i = 0; i < buttons.length; ++i)
            tiles.push({ "tile": buttons[i], "path": place(buttons[i]) })
        tiles.sort(function(a, b) {
            for (var k = 0; k < Math.min(a.path.length, b.path.length); ++k) {
                if (a.path[k] !== b.path[k])
                    return a.path[k] - b.path[k]
            }
            return a.path.length - b.path.length
        })
        return tiles.map(function(entry) { return entry.tile })
    }

    // The next tile of the group that can take the focus, `step` tiles away
    // in reading order, round the ends.
    function neighbour(step) {
        var tiles = root.groupTiles()
        var at = tiles.indexOf(root)
        for (var i = 1; at >= 0 && i < tiles.length; ++i) {
            var tile = tiles[(at + (step + tiles.length) * i) % tiles.length]
            if (tile.visible && tile.enabled)
                return tile
        }
        return null
    }

    implicitWidth: Math.max(minimumWidth, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(64, implicitContentHeight + topPadding + bottomPadding)
    Layout.minimumWidth: minimumWidth
    padding: 10
    // The group decides, not the neighbours in the layout.
    autoExclusive: false
    // Left as it is while focused: Qt keeps a focused item in the Tab chain.
    focusPolicy: tabStop || activeFocus ? Qt.StrongFocus : Qt.ClickFocus
    hoverEnabled: true
    ButtonGroup.group: buttonGroup
    Accessible.name: text
    Accessible.description: offText

    onToggled: root.userToggled()
    // A screen reader's or a switch program's actions do what Space does; the
    // default ones would check the tile without telling anyone.
    Accessible.onPressAction: activation.activate()
    Accessible.onToggleAction: activation.activate()
    Keys.onPressed: {
        var step = event.key === Qt.Key_Right || event.key === Qt.Key_Down ? 1
                 : event.key === Qt.Key_Left || event.key === Qt.Key_Up ? -1 : 0
        var tile = step !== 0 && event.modifiers === Qt.NoModifier ? root.neighbour(step) : null
        if (tile)
            tile.forceActiveFocus(Qt.TabFocusReason)
        event.accepted = tile !== null
    }

    background: IconTileBackground {
    }

    contentItem: IconTileContent {
        exclusive: true
    }

    Activation {
        id: activation
    }
}
