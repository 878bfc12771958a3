import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import Korvane.Gui 1.0
import com.korvane 1.0

// The second action of one channel, folded away until asked for: what
// triggers it (off, long press, double press), its time, and what it does (a
// mouse action, a key, or pausing and resuming Korvane). Every change is
// written into the channel section at once.
ColumnLayout {
    id: root

    // The channel's name as the user reads it ("Left Channel"), so every
    // control still says which channel it belongs to when read on its own.
    property string channelName: ""
    // The channel section (ConfigurationChannel) that this section edits.
    property var configuration: null
    // The button sends a line of its own when let go: a long press needs it.
    property bool releases: false
    // The text of the second action's key, given by the panel that captures it.
    property string keyText: ""
    property bool expanded: false
    readonly property int trigger: root.configuration ? root.configuration.secondTrigger : SecondTrigger.NONE
    readonly property int mode: root.configuration ? root.configuration.secondMode : SecondMode.NONE
    // The mouse actions offered, in the order of the list.
    readonly property var clicks: [
        { "text": qsTr("Left click"), "value": ClickType.LEFT },
        { "text": qsTr("Right click"), "value": ClickType.RIGHT },
        { "text": qsTr("Middle click"), "value": ClickType.MIDDLE },
        { "text": qsTr("Double click"), "value": ClickType.DOUBLE },
        { "text": qsTr("Scroll up"), "value": ClickType.SCROLLUP },
        { "text": qsTr("Scroll down"), "value": ClickType.SCROLLDOWN }
    ]

    // The key of the second action is asked for by the panel's key overlay.
    signal keyRequested()

    function name(what) {
        return qsTr("%1: second action, %2").arg(root.channelName).arg(what)
    }

    function setTrigger(trigger) {
        if (root.configuration && root.configuration.secondTrigger !== trigger)
            root.configuration.secondTrigger = trigger
    }

    function setMode(mode) {
        if (root.configuration && root.configuration.secondMode !== mode)
            root.configuration.secondMode = mode
    }

    function clickIndex() {
        for (var i = 0; i < root.clicks.length; ++i) {
            if (root.configuration && root.clicks[i].value === Number(root.configuration.secondClickType))
                return i
        }
        return -1
    }

    spacing: 4

    ActionButton {
        objectName: "secondToggle"
        text: qsTr("Second action")
        flat: true
        checkable: true
        checked: root.expanded
        icon.source: root.expanded ? "qrc:/images/navigation/expand_less.svg"
                                   : "qrc:/images/navigation/expand_more.svg"
        Accessible.name: qsTr("%1: second action").arg(root.channelName)
        Accessible.description: qsTr("A long or double press does something else")

        onCheckedChanged: root.expanded = checked
    }

    GridLayout {
        objectName: "secondGrid"
        visible: root.expanded
        columns: 2
        columnSpacing: 20
        Layout.fillWidth: true
        Layout.leftMargin: 16

        DialogLabel {
            text: qsTr("Trigger")
        }

        RowLayout {
            Choice {
                objectName: "secondOff"
                text: qsTr("Off")
                value: SecondTrigger.NONE
                current: root.trigger
                Accessible.name: root.name(qsTr("off"))

                onChosen: root.setTrigger(value)
            }

            Choice {
                objectName: "secondLongPress"
                text: qsTr("Long press")
                value: SecondTrigger.LONG_PRESS
                current: root.trigger
                // Left reachable while chosen, so it can be changed.
                enabled: root.releases || checked
                Accessible.name: root.name(qsTr("long press"))
                Accessible.description: root.releases ? "" : longPressNote.text

                onChosen: root.setTrigger(value)
            }

            Choice {
                objectName: "secondDoublePress"
                text: qsTr("Double press")
                value: SecondTrigger.DOUBLE_PRESS
                current: root.trigger
                Accessible.name: root.name(qsTr("double press"))

                onChosen: root.setTrigger(value)
            }
        }

        DialogLabel {
            id: longPressNote

            objectName: "longPressNote"
            visible: !root.releases
            text: qsTr("A long press needs the line this button sends when let go (learn it above); this device has none, so use a double press.")
            wrapMode: Text.WordWrap
            Layout.columnSpan: 2
            Layout.fillWidth: true
        }

        DialogLabel {
            visible: root.trigger === SecondTrigger.LONG_PRESS
            text: qsTr("Hold for (ms)")
        }

        MillisecondSpinBox {
            objectName: "longPressSpin"
            visible: root.trigger === SecondTrigger.LONG_PRESS
            configuration: root.configuration
            key: "longPressMs"
            from: 300
            Accessible.name: root.name(qsTr("hold for, milliseconds"))
        }

        DialogLabel {
            visible: root.trigger === SecondTrigger.DOUBLE_PRESS
            text: qsTr("Second press within (ms)")
        }

        MillisecondSpinBox {
            objectName: "doublePressSpin"
            visible: root.trigger === SecondTrigger.DOUBLE_PRESS
            configuration: root.configuration
            key: "doublePressMs"
            from: 150
            to: 1000
            Accessible.name: root.name(qsTr("second press within, milliseconds"))
            Accessible.description: qsTr("A single press waits this long before it acts")
        }

        DialogLabel {
            text: qsTr("Action")
            Layout.alignment: Qt.AlignTop
        }

        GridLayout {
            columns: 2
            enabled: root.trigger !== SecondTrigger.NONE

            Choice {
                objectName: "secondMouse"
                text: qsTr("Mouse")
                value: SecondMode.MOUSE
                current: root.mode
                Accessible.name: root.name(qsTr("mouse"))

                onChosen: root.setMode(value)
            }

            ComboBox {
                id: clickBox

                objectName: "secondClickBox"
                model: root.clicks
                textRole: "text"
                focusPolicy: Qt.StrongFocus
                Layout.preferredWidth: 200
                Accessible.name: root.name(qsTr("mouse action"))

                onActivated: {
                    root.configuration.secondClickType = root.clicks[index].value
                    root.setMode(SecondMode.MOUSE)
                }

                Binding {
                    target: clickBox
                    property: "currentIndex"
                    value: root.clickIndex()
                }
            }

            Choice {
                objectName: "secondKeyboard"
                text: qsTr("Key")
                value: SecondMode.KEYBOARD
                current: root.mode
                Accessible.name: root.name(qsTr("key"))

                onChosen: root.setMode(value)
            }

            ActionButton {
                objectName: "secondKeyName"
                text: root.keyText
                font.capitalization: Font.MixedCase
                Layout.preferredWidth: 200
                Accessible.name: root.name(qsTr("key %1").arg(text))
                Accessible.description: qsTr("Press any key ...")

                onClicked: root.keyRequested()
            }

            Choice {
                objectName: "secondPause"
                text: qsTr("Pause or resume Korvane")
                value: SecondMode.PAUSE
                current: root.mode
                Layout.columnSpan: 2
                Accessible.name: root.name(qsTr("pause or resume Korvane"))

                onChosen: root.setMode(value)
            }
        }
    }

    // One of the section's choices, checked while the section holds its value.
    component Choice: RadioChoice {
        id: choice

        property int value: 0
        property int current: 0

        signal chosen()

        // Whatever checked it (a click, a key, a screen reader's action) is
        // the choice; the binding below checking it is not.
        onCheckedChanged: if (checked && choice.value !== choice.current) choice.chosen()

        Binding {
            target: choice
            property: "checked"
            value: choice.value === choice.current
        }
    }
}
