import QtQuick 2.15
import QtQuick.Controls 2.15

// The tool tip of a small button, just below it, shown while the pointer or
// the keyboard focus is on it: the style's own floats well above the button,
// away from what it names. Put it inside the button.
ToolTip {
    id: root

    // The button whose text is shown.
    readonly property Item control: parent

    y: root.control ? root.control.height + 4 : 0
    text: root.control ? root.control.text : ""
    visible: root.control !== null && (root.control.hovered || root.control.visualFocus) && root.text !== ""
}
