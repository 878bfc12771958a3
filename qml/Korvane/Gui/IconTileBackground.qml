import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// The frame of a tile button: tinted when checked, outlined, drawn thicker
// and in the focus colour when the keyboard focus is on it.
Rectangle {
    id: root

    // The tile button this frame belongs to.
    property Item control: parent
    readonly property var colors: Colors.scheme(Material.theme === Material.Dark)

    implicitWidth: root.control.minimumWidth
    implicitHeight: 64
    radius: 8
    color: {
        if (root.control.checked)
            return Qt.rgba(root.Material.accentColor.r, root.Material.accentColor.g, root.Material.accentColor.b, 0.16)
        return root.control.down || root.control.hovered ? root.Material.rippleColor : "transparent"
    }
    border.width: root.control.visualFocus ? 3 : 1
    border.color: {
        if (root.control.visualFocus)
            return root.colors.focus
        return root.control.checked ? root.Material.accentColor : root.colors.boundary
    }
}
