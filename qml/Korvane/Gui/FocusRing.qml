import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// The keyboard focus mark of a control whose style shows focus only as a
// faint ripple: a ring around the control's visible body, in a colour that
// stands out from the surface around it. Put it inside the control.
Rectangle {
    id: root

    // The control whose keyboard focus is shown.
    property Item control: parent
    // Space between the body and the ring.
    property real gap: 2
    property color ringColor: Colors.scheme(root.Material.theme === Material.Dark).focus

    objectName: "focusRing"
    anchors.fill: parent
    anchors.leftMargin: (control && control.leftInset !== undefined ? control.leftInset : 0) - gap
    anchors.rightMargin: (control && control.rightInset !== undefined ? control.rightInset : 0) - gap
    anchors.topMargin: (control && control.topInset !== undefined ? control.topInset : 0) - gap
    anchors.bottomMargin: (control && control.bottomInset !== undefined ? control.bottomInset : 0) - gap
    z: 10
    visible: control ? control.visualFocus === true : false
    color: "transparent"
    radius: 4
    border.width: 2
    border.color: root.ringColor
}
