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
    readonly property color statusColor: root.running ? (window.isDark ? "lightgreen" : "green")
                                                      : "orange"

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

    Connections {
        target: root.Window.window

        function onActiveFocusItemChanged() {
            root.ensureVisible(root.Window.activeFocusItem)
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
                    Material.background: window.backgroundColor

                    ColumnLayout {
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
                            text: root.running ? qsTr("Process is running") : qsTr("Process is stopped")
                            image: root.running ? "qrc:/images/av/play_circle_outline.svg"
                                                : "qrc:/images/av/pause_circle_outline.svg"
                            overlayColor: root.statusColor
                            textColor: root.statusColor
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
