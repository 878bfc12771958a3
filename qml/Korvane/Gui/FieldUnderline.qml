import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// The underline of a text field or an editable combo box, as the style draws
// it, but resting in a colour that can be seen against the card: the style's
// own hint grey is too faint to show where the field is.
Item {
    id: root

    // The field whose edge this is.
    property Item control: parent
    // The top of the line, from the top of this item; a focused field's
    // line is one pixel thicker, downwards.
    property real lineY: height - 1

    implicitWidth: 120

    Rectangle {
        id: line

        y: root.lineY
        width: root.width
        height: root.control && (root.control.activeFocus || root.control.hovered) ? 2 : 1
        color: {
            if (!root.control)
                return "transparent"
            if (root.control.activeFocus)
                return root.Material.accentColor
            if (root.control.hovered)
                return root.Material.foreground
            return Colors.scheme(root.Material.theme === Material.Dark).boundary
        }
    }
}
