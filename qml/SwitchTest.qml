import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import Korvane.Gui 1.0

// The live switch test: a light for each button that shines while its line
// arrives (while the button is down, when it has a release line), also while
// its channel is off or Korvane is paused and listening, and the last line
// the device sent.
RowLayout {
    id: root

    // The switch's state (SwitchController).
    property var controller: null
    property color activeColor: "green"
    property color idleColor: "grey"
    // Paused with the port closed: no line can arrive.
    readonly property bool deaf: root.controller ? root.controller.paused && !root.controller.listensForGesture
                                                 : true

    spacing: 12

    DialogLabel {
        text: qsTr("Switch test")
    }

    Light {
        objectName: "leftIndicator"
        text: qsTr("Left")
        buttonName: qsTr("Left button")
        active: root.controller ? root.controller.leftActive : false
    }

    Light {
        objectName: "rightIndicator"
        text: qsTr("Right")
        buttonName: qsTr("Right button")
        active: root.controller ? root.controller.rightActive : false
    }

    DialogLabel {
        objectName: "lastLineLabel"
        Layout.fillWidth: true
        elide: Text.ElideRight
        text: {
            if (root.deaf)
                return qsTr("Paused: the port is closed, no line arrives")
            var line = root.controller ? root.controller.lastLine : ""
            return line === "" ? qsTr("No line received yet") : qsTr("Last line: %1").arg(line)
        }
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    // A round light with the button's name beside it; a screen reader hears
    // "Left button: pressed".
    component Light: RowLayout {
        id: light

        property string text: ""
        property string buttonName: ""
        property bool active: false

        spacing: 4
        Accessible.role: Accessible.Indicator
        Accessible.name: qsTr("%1: %2").arg(light.buttonName)
                                          .arg(light.active ? qsTr("pressed") : qsTr("not pressed"))

        Rectangle {
            implicitWidth: 18
            implicitHeight: 18
            radius: width / 2
            color: light.active ? root.activeColor : "transparent"
            border.width: 2
            border.color: light.active ? root.activeColor : root.idleColor
        }

        DialogLabel {
            text: light.text
        }
    }
}
