import QtQuick 2.10
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.3
import QtQuick.Controls.impl 2.3
import QtQuick.Controls.Material 2.3
import QtQuick.Window 2.3
import Korvane.Gui 1.0

// The working page: the switch device's port and running state, and what each
// of its two channels does.
StackPage {
    id: root

    // The switch link (MouseCom): its ports, its running state.
    property var link: null
    // The window's navigation pane, opened by the menu button.
    property var navigationPane: null
    // The About box, shown by the About action.
    property var aboutBox: null
    readonly property bool running: root.link ? root.link.started : false
    // The link waits for a lost or absent device and takes it up by itself.
    readonly property bool waiting: !root.running && root.link ? root.link.reconnecting === true
                                                               : false
    readonly property color statusColor: root.running ? (window.isDark ? "lightgreen" : "green")
                                                      : "orange"
    // The channel (0 left, 1 right) that the next line from the device is
    // learned for, or -1.
    readonly property int learningChannel: root.__learningChannel
    // True while a line from the device must not act as a switch press: from
    // the moment Learn is pressed until the learned line has been dealt with
    // by every receiver of the link, so the main window ignores its presses.
    readonly property bool holdsPresses: root.__learningChannel >= 0 || root.__settling
    property int __learningChannel: -1
    property bool __settling: false

    // Channel 0 is the left button, 1 the right one.
    function setInput(channel, line) {
        if (channel === 0)
            configurationSwitch.inputLeftChannel = line
        else if (channel === 1)
            configurationSwitch.inputRightChannel = line
    }

    // Arms learning for a channel, or cancels it when that channel is
    // already learning. Lines are only read while the port is open.
    function toggleLearning(channel) {
        if (root.__learningChannel === channel) {
            root.cancelLearning()
            return
        }
        root.__learningChannel = channel
        if (root.link && !root.link.started)
            window.start()
    }

    function cancelLearning() {
        root.__learningChannel = -1
    }

    // The device's line, kept exactly as it arrived (the link compares whole
    // lines, so trimming a padded line would make a key that never matches);
    // a blank line is noise and learns nothing.
    function learnLine(line) {
        if (root.__learningChannel < 0)
            return
        var text = String(line)
        if (text.trim() === "")
            return
        var channel = root.__learningChannel
        // Presses stay held until the link has finished with this line: the
        // learned key now matches it, and the press it makes is not a command.
        root.__settling = true
        root.__learningChannel = -1
        root.setInput(channel, text)
        Qt.callLater(root.endSettling)
    }

    function endSettling() {
        root.__settling = false
    }

    // A different port while the link runs: stop, rename, start on the new one.
    // A stopped link stays stopped.
    function changePort(name) {
        var portName = String(name).trim()
        if (portName === "")
            return
        var wasRunning = root.running
        window.stop()
        configurationSwitch.serialName = portName
        if (wasRunning)
            window.start()
    }

    // Keyboard users move the focus below the fold: bring the focused
    // control into view.
    function ensureVisible(item) {
        var inside = item
        while (inside && inside !== flickableContent)
            inside = inside.parent
        if (!inside)
            return
        var top = item.mapToItem(flickableContent, 0, 0).y
        var bottom = top + item.height
        if (top < flick.contentY)
            flick.contentY = Math.max(0, top - 10)
        else if (bottom > flick.contentY + flick.height)
            flick.contentY = Math.max(0, Math.min(bottom + 10 - flick.height,
                                                  flick.contentHeight - flick.height))
    }

    function toggleLink() {
        if (root.running)
            window.stop()
        else
            window.start()
    }

    title: window.title

    leftAction: PageAction {
        objectName: "menuAction"
        text: qsTr("Settings")
        icon.source: Qt.resolvedUrl("/images/navigation/menu.svg")
        visible: root.navigationPane ? root.navigationPane.modal : false

        onTriggered: {
            if (root.navigationPane.visible)
                root.navigationPane.close()
            else
                root.navigationPane.open()
        }
    }

    actions: [
        PageAction {
            id: startAction

            objectName: "startAction"
            text: root.running ? qsTr("Stop") : qsTr("Start")
            toolTip: text
            icon.source: root.running ? "qrc:/images/av/pause_circle_outline.svg"
                                      : "qrc:/images/av/play_circle_filled.svg"

            onTriggered: root.toggleLink()
        },
        PageAction {
            id: helpAction

            objectName: "helpAction"
            text: qsTr("About")
            toolTip: qsTr("About")
            icon.source: Qt.resolvedUrl("/images/action/help.svg")

            onTriggered: root.aboutBox.visible = true
        }
    ]

    navActions: [
        PageAction {
            objectName: "settingsNavAction"
            text: qsTr("General")
            category: qsTr("Settings")
            icon.source: Qt.resolvedUrl("/images/action/settings.svg")
            visible: true

            onTriggered: window.showSettingsPage()
        },
        PageAction {
            objectName: "exitNavAction"
            text: qsTr("Exit")
            category: qsTr("General")
            icon.source: Qt.resolvedUrl("/images/action/exit_to_app.svg")
            shortcut: "Ctrl+q"

            onTriggered: window.exit()
        }
    ]

    // Leaving the page, or the window going to the tray, cancels learning: a
    // press nobody sees being learned would be lost as a command.
    onVisibleChanged: if (!visible) root.cancelLearning()
    Keys.onEscapePressed: {
        if (root.__learningChannel >= 0) {
            root.cancelLearning()
            event.accepted = true
        } else {
            event.accepted = false
        }
    }

    Connections {
        target: root.Window.window

        function onActiveFocusItemChanged() {
            root.ensureVisible(root.Window.activeFocusItem)
        }

        function onVisibilityChanged(visibility) {
            if (visibility === Window.Hidden || visibility === Window.Minimized)
                root.cancelLearning()
        }
    }

    Connections {
        target: root.link

        function onLineReceived(line) {
            root.learnLine(line)
        }
    }

    ColumnLayout {
        id: content

        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(768, parent.width)
        height: parent.height
        spacing: 0

        Image {
            id: titleImage

            objectName: "titleImage"
            source: "qrc:/images/application/korvanne_h.svg"
            Layout.fillWidth: true
            Layout.fillHeight: false
            Layout.maximumHeight: 100
            Layout.preferredHeight: 100
            Layout.topMargin: 9
            Layout.alignment: Qt.AlignHCenter
            smooth: true
            mipmap: true
            fillMode: Image.PreserveAspectFit
            sourceSize.width: width
            sourceSize.height: height
            Accessible.role: Accessible.Graphic
            Accessible.name: window.title
        }

        Flickable {
            id: flick

            objectName: "flick"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            flickableDirection: Flickable.VerticalFlick
            contentWidth: width
            contentHeight: flickableContent.implicitHeight

            ScrollIndicator.vertical: ScrollIndicator {
            }

            ColumnLayout {
                id: flickableContent

                width: flick.width
                spacing: 15

                Card {
                    id: portCard

                    objectName: "portCard"
                    Layout.fillWidth: true
                    Layout.fillHeight: false
                    Layout.minimumHeight: 125
                    Layout.preferredHeight: portColumn.implicitHeight + 20 + topPadding + bottomPadding
                    Material.background: window.backgroundColor

                    ColumnLayout {
                        id: portColumn

                        anchors.fill: parent
                        anchors.margins: 10

                        RowLayout {
                            spacing: 20
                            Layout.fillWidth: true

                            TitleLabel {
                                id: portLabel

                                text: qsTr("Port")
                            }

                            ComboBox {
                                id: comCombobox

                                // Shows the configured port: the listed entry, or the
                                // typed name when the list does not hold it.
                                function showConfiguredPort() {
                                    var index = find(configurationSwitch.serialName)
                                    if (index >= 0)
                                        currentIndex = index
                                    else if (configurationSwitch.serialName !== "")
                                        editText = configurationSwitch.serialName
                                }

                                objectName: "comCombobox"
                                Layout.fillWidth: true
                                // Ports the system does not list (pseudo-terminals,
                                // /dev/serial/by-id links) can be typed in.
                                editable: true
                                focusPolicy: Qt.StrongFocus
                                Accessible.name: qsTr("Port")

                                Component.onCompleted: {
                                    model = root.link ? root.link.ports() : []
                                    showConfiguredPort()
                                }
                                onActivated: root.changePort(textAt(index))
                                onAccepted: root.changePort(editText)

                                Connections {
                                    target: configurationSwitch

                                    function onSerialNameChanged() {
                                        comCombobox.showConfiguredPort()
                                    }
                                }
                            }
                        }

                        LabelIcon {
                            id: statusLabel

                            objectName: "statusLabel"
                            Layout.fillWidth: true
                            Layout.minimumHeight: 50
                            pixelSize: 18
                            text: {
                                if (root.learningChannel === 0)
                                    return qsTr("Press the left button of the device…")
                                if (root.learningChannel === 1)
                                    return qsTr("Press the right button of the device…")
                                if (root.running)
                                    return qsTr("Process is running")
                                if (root.waiting)
                                    return qsTr("Waiting for the device on %1…").arg(root.link.portName)
                                return qsTr("Process is stopped")
                            }
                            image: {
                                if (root.running)
                                    return "qrc:/images/av/play_circle_outline.svg"
                                if (root.waiting)
                                    return "qrc:/images/alert/warning.svg"
                                return "qrc:/images/av/pause_circle_outline.svg"
                            }
                            overlayColor: textColor
                            textColor: root.learningChannel >= 0 ? root.Material.accent : root.statusColor
                        }

                        // What the device sends for each button: typed in, or
                        // learned from the next line the device sends.
                        GridLayout {
                            id: inputGrid

                            objectName: "inputGrid"
                            Layout.fillWidth: true
                            columns: 3
                            columnSpacing: 20

                            DialogLabel {
                                id: leftInputLabel

                                text: qsTr("Left button sends")
                            }

                            TextField {
                                id: leftInputField

                                objectName: "leftInputField"
                                Layout.fillWidth: true
                                text: configurationSwitch.inputLeftChannel
                                selectByMouse: true
                                Accessible.name: leftInputLabel.text

                                onEditingFinished: root.setInput(0, text)
                            }

                            Button {
                                id: leftLearnButton

                                objectName: "leftLearnButton"
                                text: qsTr("Learn")
                                highlighted: root.learningChannel === 0
                                focusPolicy: Qt.StrongFocus
                                Accessible.name: text + " " + leftInputLabel.text
                                Accessible.description: qsTr("Press the left button of the device…")

                                onClicked: root.toggleLearning(0)
                                Keys.onReturnPressed: clicked()
                                Keys.onEnterPressed: clicked()
                            }

                            DialogLabel {
                                id: rightInputLabel

                                text: qsTr("Right button sends")
                            }

                            TextField {
                                id: rightInputField

                                objectName: "rightInputField"
                                Layout.fillWidth: true
                                text: configurationSwitch.inputRightChannel
                                selectByMouse: true
                                Accessible.name: rightInputLabel.text

                                onEditingFinished: root.setInput(1, text)
                            }

                            Button {
                                id: rightLearnButton

                                objectName: "rightLearnButton"
                                text: qsTr("Learn")
                                highlighted: root.learningChannel === 1
                                focusPolicy: Qt.StrongFocus
                                Accessible.name: text + " " + rightInputLabel.text
                                Accessible.description: qsTr("Press the right button of the device…")

                                onClicked: root.toggleLearning(1)
                                Keys.onReturnPressed: clicked()
                                Keys.onEnterPressed: clicked()
                            }
                        }
                    }
                }

                Card {
                    id: leftCard

                    objectName: "leftCard"
                    Layout.fillWidth: true
                    Layout.fillHeight: false
                    Layout.minimumHeight: 225
                    Layout.preferredHeight: leftChannel.implicitHeight + 20 + topPadding + bottomPadding
                    Material.background: window.backgroundColor

                    ChannelItem {
                        id: leftChannel

                        objectName: "leftChannel"
                        anchors.fill: parent
                        anchors.margins: 10
                        forceEnabled: false
                        title: qsTr("Left Channel")
                        configuration: configurationLeftChannel
                    }
                }

                Card {
                    id: rightCard

                    objectName: "rightCard"
                    Layout.fillWidth: true
                    Layout.fillHeight: false
                    Layout.minimumHeight: 225
                    Layout.preferredHeight: rightChannel.implicitHeight + 20 + topPadding + bottomPadding
                    Material.background: window.backgroundColor

                    ChannelItem {
                        id: rightChannel

                        objectName: "rightChannel"
                        anchors.fill: parent
                        anchors.margins: 10
                        forceEnabled: false
                        title: qsTr("Right Channel")
                        configuration: configurationRightChannel
                    }
                }

                Item {
                    Layout.fillHeight: true
                }
            }
        }
    }
}
