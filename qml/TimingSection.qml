import QtQuick 2.9
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.2
import QtQuick.Controls.Material 2.2
import Korvane.Gui 1.0

// The timing aids of one channel, folded away until asked for: ignore repeats,
// hold time, acceptance time and latch. Every change is written into the
// channel section at once; the values are milliseconds.
ColumnLayout {
    id: root

    // The channel's name as the user reads it ("Left Channel"), so every
    // control still says which channel it belongs to when read on its own.
    property string channelName: ""
    // The channel section (ConfigurationChannel) that this section edits.
    property var configuration: null
    property bool expanded: false

    spacing: 4

    ActionButton {
        id: toggleButton

        objectName: "timingToggle"
        text: qsTr("Timing")
        flat: true
        checkable: true
        checked: root.expanded
        icon.source: root.expanded ? "qrc:/images/navigation/expand_less.svg"
                                   : "qrc:/images/navigation/expand_more.svg"
        Accessible.name: qsTr("%1: timing").arg(root.channelName)
        Accessible.description: qsTr("Ignore repeats, hold time, acceptance time and latch")

        // Also when a screen reader's toggle action flipped it.
        onCheckedChanged: root.expanded = checked
    }

    GridLayout {
        id: grid

        objectName: "timingGrid"
        visible: root.expanded
        columns: 2
        columnSpacing: 20
        Layout.fillWidth: true
        Layout.leftMargin: 16

        DialogLabel {
            text: qsTr("Ignore repeats (ms)")
        }

        MillisecondSpinBox {
            objectName: "ignoreRepeatsSpin"
            configuration: root.configuration
            key: "ignoreRepeatsMs"
            Accessible.name: qsTr("%1: ignore repeats, milliseconds").arg(root.channelName)
            Accessible.description: qsTr("A press within this time after the last one is ignored; 0 is off")
        }

        DialogLabel {
            text: qsTr("Hold time (ms)")
        }

        MillisecondSpinBox {
            objectName: "holdSpin"
            configuration: root.configuration
            key: "holdMs"
            Accessible.name: qsTr("%1: hold time, milliseconds").arg(root.channelName)
            Accessible.description: qsTr("How long one press keeps the key or button down; 0 is a click")
        }

        DialogLabel {
            text: qsTr("Acceptance time (ms)")
        }

        MillisecondSpinBox {
            objectName: "acceptanceSpin"
            configuration: root.configuration
            key: "acceptanceMs"
            Accessible.name: qsTr("%1: acceptance time, milliseconds").arg(root.channelName)
            Accessible.description: qsTr("With a release line: a press let go sooner does nothing; 0 is off")
        }

        ToggleSwitch {
            id: latchSwitch

            objectName: "latchSwitch"
            text: qsTr("Latch: one press holds, the next lets go")
            checked: root.configuration ? root.configuration.latch : false
            Layout.columnSpan: 2
            Accessible.name: qsTr("%1: latch, one press holds, the next lets go").arg(root.channelName)

            // Whatever flipped it, a screen reader's toggle action included, is
            // what the channel keeps.
            onCheckedChanged: {
                if (root.configuration && root.configuration.latch !== checked)
                    root.configuration.latch = checked
            }
        }
    }
}
