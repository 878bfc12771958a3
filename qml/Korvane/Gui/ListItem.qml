import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// One entry of a list: reached with Tab or the arrow keys, chosen with Space
// or Enter; the current entry is highlighted.
ItemDelegate {
    id: root

    width: ListView.view ? ListView.view.width : implicitWidth
    focusPolicy: Qt.StrongFocus
    Accessible.name: text

    background: Rectangle {
        implicitHeight: 48
        color: root.highlighted ? Qt.rgba(root.Material.accentColor.r, root.Material.accentColor.g,
                                          root.Material.accentColor.b, 0.18)
                                : (root.down || root.hovered ? root.Material.rippleColor : "transparent")
        border.width: root.visualFocus ? 2 : 0
        border.color: Colors.scheme(root.Material.theme === Material.Dark).focus
    }

    Activation {
    }
}
