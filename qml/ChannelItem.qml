import QtQuick 2.9
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.2
import QtQuick.Controls.Material 2.2
import QtQuick.Window 2.2
import com.korvane 1.0
import Korvane.Gui 1.0

// What one switch channel does: on or off, a mouse action or a key. Every
// choice is written into the channel section at once.
Item {
    id: root

    // The channel's name, shown on the enable switch.
    property string title: ""
    // The channel section (ConfigurationChannel) that this panel edits.
    property var configuration: null
    // Hides the enable switch.
    property bool forceEnabled: true
    // The button sends a line of its own when let go.
    property bool releases: false
    // Tint of the tile pictures.
    property color iconColor: Material.iconColor
    // Background of the key capture overlay: the card's.
    property color overlayColor: Colors.scheme(Material.theme === Material.Dark).card
    readonly property alias keyOverlayOpened: keyOverlay.opened
    // Both mode tiles share one width, so the key row lines up with the actions.
    readonly property real modeTileWidth: Math.max(mouseModeSwitch.implicitWidth,
                                                   keyboardModeSwitch.implicitWidth)
    // Room between the tiles, so a tremor does not land on the neighbour.
    readonly property int tileSpacing: 10
    // Said of every tile while the channel is off; the tiles are dimmed.
    readonly property string offText: root.configuration && !root.configuration.enabled
                                      ? qsTr("%1 is off: its button does nothing").arg(root.title) : ""

    signal enableChanged()

    // A control's name for a screen reader: the same tile or button exists in
    // both channels, so the name says whose it is ("Left Channel: right click").
    function accessibleName(what) {
        return qsTr("%1: %2").arg(root.title).arg(what)
    }

    // The tiles follow the channel section, also when it changes elsewhere
    // (an Undo). A keyboard channel shows no mouse action as chosen.
    function refresh() {
        // Checking tiles from code is not a user toggle: it writes nothing.
        if (!root.configuration)
            return
        mouseModeSwitch.checked = root.configuration.isModeMouse()
        keyboardModeSwitch.checked = root.configuration.isModeKeyboard()

        if (root.configuration.isModeKeyboard()) {
            if (group2.checkedButton)
                group2.checkedButton.checked = false
        } else if (root.configuration.isClickLeft())
            leftButton.checked = true
        else if (root.configuration.isClickRight())
            rightButton.checked = true
        else if (root.configuration.isClickMiddle())
            middleButton.checked = true
        else if (root.configuration.isDoubleClick())
            doubleButton.checked = true
        else if (root.configuration.isScrollUp())
            scrollUpButton.checked = true
        else if (root.configuration.isScrollDown())
            scrollDownButton.checked = true
    }

    function forceMouse() {
        mouseModeSwitch.checked = true
        root.configuration.mode = Mode.MOUSE
    }

    function forceKeyboard() {
        keyboardModeSwitch.checked = true
        root.configuration.mode = Mode.KEYBOARD
    }

    function chooseClick(clickType) {
        root.configuration.clickType = clickType
        root.forceMouse()
    }

    // Stores a key pressed in the capture overlay; keys the injector cannot
    // send (lone modifiers, key code 0) give no text and are skipped.
    function captureKey(event) {
        var text = appInterface.keyString(event.key, event.modifiers)
        if (text === "")
            return false
        if (keyOverlay.forSecond) {
            root.configuration.secondKey = event.key
            root.configuration.secondModifiers = event.modifiers
            root.configuration.secondMode = SecondMode.KEYBOARD
            keyOverlay.close()
            return true
        }
        root.configuration.key = event.key
        root.configuration.modifiers = event.modifiers
        root.configuration.nativeScanCode = event.nativeScanCode
        keyOverlay.close()
        root.forceKeyboard()
        return true
    }

    function keyText(second) {
        if (!root.configuration)
            return qsTr("Enter a key...")
        var text = second ? appInterface.keyString(root.configuration.secondKey, root.configuration.secondModifiers)
                          : appInterface.keyString(root.configuration.key, root.configuration.modifiers)
        return text !== "" ? text : qsTr("Enter a key...")
    }

    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight

    Component.onCompleted: root.refresh()

    Connections {
        target: root.configuration

        function onModeChanged() {
            root.refresh()
        }

        function onClickTypeChanged() {
            root.refresh()
        }
    }

    ButtonGroup {
        id: group1
    }

    ButtonGroup {
        id: group2
    }

    ColumnLayout {
        id: column

        anchors.fill: parent
        spacing: root.tileSpacing

        ToggleSwitch {
            id: enableSwitch

            objectName: "enableSwitch"
            visible: !root.forceEnabled
            text: root.title
            font.pixelSize: 20
            font.weight: Font.Medium
            checked: root.configuration ? root.configuration.enabled : false
            Accessible.name: root.title

            // Whatever flipped it (a click, Space, a screen reader's toggle
            // action) is what the channel does from now on: the section
            // follows the switch, not only the signals a click sends.
            onCheckedChanged: {
                if (!root.configuration || root.configuration.enabled === checked)
                    return
                root.configuration.enabled = checked
                root.enableChanged()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: root.tileSpacing

            ChoiceIcon {
                id: mouseModeSwitch

                objectName: "mouseModeSwitch"
                text: qsTr("Mouse")
                image: "qrc:/images/hardware/mouse.svg"
                overlayColor: root.iconColor
                minimumWidth: 150
                offText: root.offText
                buttonGroup: group1
                Accessible.name: root.accessibleName(qsTr("mouse"))
                Layout.alignment: Qt.AlignTop
                Layout.preferredWidth: root.modeTileWidth

                onUserToggled: if (checked) root.configuration.mode = Mode.MOUSE
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: root.tileSpacing

                RowLayout {
                    Layout.fillWidth: true
                    spacing: root.tileSpacing

                    ChoiceIcon {
                        id: leftButton

                        objectName: "leftButton"
                        text: qsTr("Left")
                        image: "qrc:/images/hardware/mouse_left.svg"
                        overlayColor: root.iconColor
                        minimumWidth: 150
                        offText: root.offText
                        buttonGroup: group2
                Accessible.name: root.accessibleName(qsTr("left click"))

                        onUserToggled: if (checked) root.chooseClick(ClickType.LEFT)
                    }

                    ChoiceIcon {
                        id: rightButton

                        objectName: "rightButton"
                        text: qsTr("Right")
                        image: "qrc:/images/hardware/mouse_right.svg"
                        overlayColor: root.iconColor
                        minimumWidth: 150
                        offText: root.offText
                        buttonGroup: group2
                Accessible.name: root.accessibleName(qsTr("right click"))

                        onUserToggled: if (checked) root.chooseClick(ClickType.RIGHT)
                    }

                    ChoiceIcon {
                        id: middleButton

                        objectName: "middleButton"
                        text: qsTr("Middle")
                        image: "qrc:/images/hardware/mouse_middle.svg"
                        overlayColor: root.iconColor
                        minimumWidth: 150
                        offText: root.offText
                        buttonGroup: group2
                Accessible.name: root.accessibleName(qsTr("middle click"))

                        onUserToggled: if (checked) root.chooseClick(ClickType.MIDDLE)
                    }
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: root.tileSpacing

                    // Shown: the injector now sends a real double click.
                    ChoiceIcon {
                        id: doubleButton

                        objectName: "doubleButton"
                        text: qsTr("Double")
                        image: "qrc:/images/hardware/mouse_double.svg"
                        overlayColor: root.iconColor
                        minimumWidth: 150
                        offText: root.offText
                        buttonGroup: group2
                Accessible.name: root.accessibleName(qsTr("double click"))

                        onUserToggled: if (checked) root.chooseClick(ClickType.DOUBLE)
                    }

                    ChoiceIcon {
                        id: scrollUpButton

                        objectName: "scrollUpButton"
                        text: qsTr("Up")
                        image: "qrc:/images/hardware/mouse_scroll.svg"
                        overlayColor: root.iconColor
                        minimumWidth: 150
                        offText: root.offText
                        buttonGroup: group2
                Accessible.name: root.accessibleName(qsTr("scroll up"))

                        onUserToggled: if (checked) root.chooseClick(ClickType.SCROLLUP)
                    }

                    ChoiceIcon {
                        id: scrollDownButton

                        objectName: "scrollDownButton"
                        text: qsTr("Down")
                        image: "qrc:/images/hardware/mouse_scroll.svg"
                        overlayColor: root.iconColor
                        minimumWidth: 150
                        offText: root.offText
                        buttonGroup: group2
                Accessible.name: root.accessibleName(qsTr("scroll down"))

                        onUserToggled: if (checked) root.chooseClick(ClickType.SCROLLDOWN)
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: root.tileSpacing

            ChoiceIcon {
                id: keyboardModeSwitch

                objectName: "keyboardModeSwitch"
                text: qsTr("Keyboard")
                image: "qrc:/images/hardware/keyboard.svg"
                overlayColor: root.iconColor
                minimumWidth: 150
                offText: root.offText
                buttonGroup: group1
                Accessible.name: root.accessibleName(qsTr("keyboard"))
                Layout.preferredWidth: root.modeTileWidth

                onUserToggled: if (checked) root.configuration.mode = Mode.KEYBOARD
            }

            RowLayout {
                Layout.fillWidth: true

                DialogLabel {
                    id: keyLabel

                    text: qsTr("Key")
                }

                Item {
                    width: 16
                }

                ActionButton {
                    id: keyName

                    objectName: "keyName"
                    text: root.keyText()
                    // Key names read as the key caps do ("Shift+A"), not in capitals.
                    font.capitalization: Font.MixedCase
                    Layout.fillWidth: true
                    Accessible.name: root.accessibleName(qsTr("Key") + " " + text)
                    Accessible.description: qsTr("Press any key ...")

                    onClicked: keyOverlay.open()
                }

                Item {
                    width: 16
                }
            }
        }

        TimingSection {
            id: timingSection

            objectName: "timingSection"
            Layout.fillWidth: true
            channelName: root.title
            configuration: root.configuration
        }

        SecondActionSection {
            id: secondSection

            objectName: "secondSection"
            Layout.fillWidth: true
            channelName: root.title
            configuration: root.configuration
            releases: root.releases
            keyText: root.keyText(true)

            onKeyRequested: {
                keyOverlay.forSecond = true
                keyOverlay.open()
            }
        }
    }

    OverlayView {
        id: keyOverlay

        // A keyboard user comes back to the control that opened the overlay,
        // not to the top of the window.
        property Item focusBefore: null
        property bool visualFocusBefore: false
        // The key asked for is the second action's.
        property bool forSecond: false

        objectName: "keyOverlay"
        // Half the window, centred on it, whatever the panel's own place.
        parent: root.Window.contentItem
        width: parent ? parent.width / 2 : 0
        height: parent ? parent.height / 2 : 0
        // Every key is captured, Escape included; only a click outside closes it.
        closePolicy: Popup.CloseOnPressOutside

        onAboutToShow: {
            focusBefore = root.Window.activeFocusItem
            visualFocusBefore = focusBefore !== null && focusBefore.visualFocus === true
        }
        onOpened: keyCatcher.forceActiveFocus()
        onClosed: {
            if (focusBefore)
                focusBefore.forceActiveFocus(visualFocusBefore ? Qt.TabFocusReason : Qt.OtherFocusReason)
            focusBefore = null
            forSecond = false
        }

        background: Rectangle {
            radius: 15
            color: root.overlayColor
        }

        TitleLabel {
            objectName: "keyPrompt"
            anchors.centerIn: parent
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: keyOverlay.forSecond ? qsTr("%1: press the key of the second action").arg(root.title)
                                       : qsTr("%1: press the key this button sends").arg(root.title)
        }

        MouseArea {
            anchors.fill: parent
            onClicked: console.log("click")
        }

        Item {
            id: keyCatcher

            objectName: "keyCatcher"
            anchors.fill: parent
            focus: true
            Accessible.role: Accessible.Dialog
            Accessible.name: keyOverlay.forSecond ? qsTr("%1: press the key of the second action").arg(root.title)
                                                  : qsTr("%1: press the key this button sends").arg(root.title)

            // Application shortcuts (Ctrl+Q quits, F11 goes full screen) must
            // not fire while the user is choosing a key: take them as keys.
            Keys.onShortcutOverride: event.accepted = true
            Keys.onPressed: {
                event.accepted = true
                root.captureKey(event)
            }
        }

        // Every key is taken as the answer, so leaving without one is a
        // button (by pointer or by its accessibility action).
        Button {
            objectName: "keyCancel"
            anchors.bottom: parent.bottom
            anchors.right: parent.right
            anchors.margins: 12
            text: qsTr("Cancel")
            flat: true
            focusPolicy: Qt.NoFocus
            Accessible.name: text

            onClicked: keyOverlay.close()
        }
    }
}
