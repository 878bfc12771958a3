import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15

// A box that chooses one entry of a list, heard by a screen reader with its
// value ("Language: English"). Space, Enter, the arrow keys, Alt+Down or F4
// open the list on the chosen entry and give it the keyboard focus, so that
// a screen reader says each entry as it is reached; Enter or Space chooses,
// Escape leaves the choice as it was. An arrow key never changes the choice
// unseen: a language, a scale or a port changes a lot. An editable box keeps
// Space and Enter for its text.
ComboBox {
    id: root

    // What the box chooses, as the user reads it beside the box.
    property string label: ""
    // What a screen reader hears as the box's value.
    property string valueText: editable ? editText : displayText
    readonly property string accessibleName: label === "" ? valueText
                                             : valueText === "" ? label
                                             : qsTr("%1: %2").arg(label).arg(valueText)
    // Enter opens the list when let go: the box would close it again on the release.
    property bool openOnRelease: false
    // The list was opened from the keyboard: the box shows its focus mark
    // again when the list closes.
    property bool keyboardOpened: false

    function opensList(event) {
        if (event.key === Qt.Key_Up || event.key === Qt.Key_Down || event.key === Qt.Key_F4)
            return true
        if (root.editable)
            return false
        return event.key === Qt.Key_Home || event.key === Qt.Key_End || event.key === Qt.Key_PageUp
                || event.key === Qt.Key_PageDown
    }

    focusPolicy: Qt.StrongFocus
    popup.focus: true
    // Read before the list: a screen reader hears the box's name again
    // rather than the text field that only shows it.
    Accessible.name: accessibleName

    Component.onCompleted: {
        // Accessible attaches to the list's popup item, not to the popup.
        root.popup.contentItem.parent.Accessible.name = Qt.binding(function() { return root.label })
        // A screen reader takes a box with a text field inside for an
        // editable one, and reads the field's name when it has the focus.
        root.contentItem.Accessible.ignored = Qt.binding(function() { return !root.editable })
        root.contentItem.Accessible.name = Qt.binding(function() { return root.accessibleName })
    }
    Keys.onPressed: {
        if (root.popup.visible) {
            event.accepted = false
        } else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && !root.editable) {
            root.openOnRelease = true
            event.accepted = true
        } else if (root.opensList(event)) {
            root.keyboardOpened = true
            root.popup.open()
            event.accepted = true
        } else {
            event.accepted = false
        }
    }
    Keys.onReleased: {
        if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && root.openOnRelease) {
            root.openOnRelease = false
            root.keyboardOpened = true
            root.popup.open()
            event.accepted = true
        } else {
            event.accepted = false
        }
    }

    delegate: ListItem {
        width: ListView.view ? ListView.view.width : implicitWidth
        text: root.textRole ? (Array.isArray(root.model) ? modelData[root.textRole] : model[root.textRole])
                            : modelData
        // The entry that has the keyboard focus in the open list.
        focus: true
        highlighted: ListView.isCurrentItem
        Material.foreground: root.currentIndex === index ? root.Material.accent : root.Material.foreground

        onHoveredChanged: if (hovered) ListView.view.currentIndex = index
    }

    Connections {
        target: root.popup

        function onOpened() {
            var list = root.popup.contentItem
            list.currentIndex = Math.max(0, root.currentIndex)
            list.positionViewAtIndex(list.currentIndex, ListView.Contain)
            list.forceActiveFocus(Qt.TabFocusReason)
        }

        // The focus comes back to the box, unless it went elsewhere.
        function onClosed() {
            var reason = root.keyboardOpened ? Qt.TabFocusReason : Qt.OtherFocusReason
            var now = root.Window.activeFocusItem
            var fellBack = now === null
            for (var item = root.parent; item && !fellBack; item = item.parent)
                fellBack = item === now
            root.keyboardOpened = false
            if (fellBack || now === root) {
                root.forceActiveFocus(reason)
                root.focusReason = reason
            }
        }
    }
}
