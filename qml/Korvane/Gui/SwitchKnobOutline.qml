import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// An outline around the knob of a Material switch: the style's unchecked knob
// is near white, and without it an unchecked switch vanishes on a light card.
// Put it inside the switch.
Rectangle {
    id: root

    // The switch whose knob is outlined.
    property Item control: null

    parent: control && control.indicator && control.indicator.handle ? control.indicator.handle : null
    anchors.fill: parent
    radius: width / 2
    color: "transparent"
    border.width: 1
    border.color: Colors.scheme(root.Material.theme === Material.Dark).boundary
}
