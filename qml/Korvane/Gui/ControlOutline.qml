import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// A thin outline around a control's body, for controls whose edge the style
// draws only as a shadow (a drop-down list on a card of the same colour).
// Put it inside the control.
Rectangle {
    id: root

    // The control whose edge this is.
    property Item control: parent

    objectName: "controlOutline"
    anchors.fill: parent
    anchors.leftMargin: control && control.leftInset !== undefined ? control.leftInset : 0
    anchors.rightMargin: control && control.rightInset !== undefined ? control.rightInset : 0
    anchors.topMargin: control && control.topInset !== undefined ? control.topInset : 0
    anchors.bottomMargin: control && control.bottomInset !== undefined ? control.bottomInset : 0
    color: "transparent"
    radius: 2
    border.width: 1
    border.color: Colors.scheme(root.Material.theme === Material.Dark).boundary
}
