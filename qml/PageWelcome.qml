import QtQuick 2.10
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.3
import QtQuick.Controls.impl 2.3
import QtQuick.Controls.Material 2.3
import QtQuick.Window 2.3
import Korvane.Gui 1.0
import com.korvane 1.0

// The working page: the switch device's port and running state, and what each
// of its two channels does.
StackPage {
    id: root

    // The switch's state and decisions (SwitchController): the page shows
    // them and passes the user's choices on.
    property var controller: null
    // The window's navigation pane, opened by the menu button.
    property var navigationPane: null
    // The About box, shown by the About action.
    property var aboutBox: null
    // What the window says beside its content (WindowNotices), or null.
    property var notices: null
    // Room the window covers at the bottom of the page (its Undo notice): the
    // focused control is kept above it.
    property real coveredBottom: 0
    // The window's theme, card surface and picture tint; by default those of
    // the style the page is shown in.
    property bool isDark: Material.theme === Material.Dark
    property color cardColor: Colors.scheme(root.isDark).card
    property color iconColor: Material.iconColor
    // The ports the box offers; the system's list when the page is made.
    property var ports: root.controller ? root.controller.ports() : []
    readonly property int state: root.controller ? root.controller.state : SwitchController.WaitingForDevice
    readonly property bool running: root.state === SwitchController.Running
    readonly property bool paused: root.state === SwitchController.PausedByUser
    // The link waits for a lost or absent device and takes it up by itself.
    readonly property bool waiting: root.state === SwitchController.WaitingForDevice
                                    || root.state === SwitchController.DeviceLost
    // Green only when a press really acts: the port is open and an enabled
    // button has its line.
    readonly property bool ready: root.controller ? root.controller.status === SwitchController.StatusRunning
                                                  : false
    readonly property var colors: Colors.scheme(root.isDark)
    readonly property color statusColor: {
        if (root.ready)
            return root.colors.running
        if (root.paused)
            return root.colors.paused
        return root.waiting ? root.colors.waiting : root.colors.setUp
    }
    // The line that the next line from the device is learned for: 0 left and
    // 1 right button's press line, 2 left and 3 right button's release line;
    // or -1.
    readonly property int learningChannel: root.controller ? root.controller.learningChannel : -1
    // True while a line from the device must not act as a switch press: from
    // the moment Learn is pressed until the learned line has been dealt with.
    readonly property bool holdsPresses: root.controller ? root.controller.holdsPresses : false
    // What the user is asked to do while a line is learned, or empty.
    readonly property string learningPrompt: root.learningChannel >= 0 ? root.lineTexts(root.learningChannel).prompt
                                                                       : ""
    // The very first start of the program, before any settings were kept.
    property bool firstStart: false
    // A part that has just opened (a section unfolded, the learning prompt),
    // brought into view once laid out; null when the user has moved on.
    property Item revealing: null

    // The switch section's property that holds a line: channel 0 is the left
    // button's press line, 1 the right one's; 2 and 3 are their release lines.
    function lineKey(channel) {
        return ["inputLeftChannel", "inputRightChannel", "releaseLeftChannel", "releaseRightChannel"][channel]
    }

    // What the user reads and hears about a line, and its controls' names.
    function lineTexts(channel) {
        return [
            { "label": qsTr("Left button sends"), "field": "leftInputField", "button": "leftLearnButton",
              "learn": qsTr("Learn what the left button sends"),
              "prompt": qsTr("Press the left button of the device…") },
            { "label": qsTr("Right button sends"), "field": "rightInputField", "button": "rightLearnButton",
              "learn": qsTr("Learn what the right button sends"),
              "prompt": qsTr("Press the right button of the device…") },
            { "label": qsTr("Left button release sends"), "field": "leftReleaseField",
              "button": "leftReleaseLearnButton", "learn": qsTr("Learn what the left button sends when let go"),
              "prompt": qsTr("Press and let go of the left button of the device…") },
            { "label": qsTr("Right button release sends"), "field": "rightReleaseField",
              "button": "rightReleaseLearnButton", "learn": qsTr("Learn what the right button sends when let go"),
              "prompt": qsTr("Press and let go of the right button of the device…") }
        ][channel]
    }

    function setInput(channel, line) {
        var key = root.lineKey(channel)
        if (key)
            configurationSwitch[key] = line
    }

    // Arms learning for a channel, or cancels it when that channel is
    // already learning.
    function toggleLearning(channel) {
        if (root.controller)
            root.controller.learn(channel)
    }

    function cancelLearning() {
        if (root.controller)
            root.controller.cancelLearning()
    }

    function changePort(name) {
        if (root.controller)
            root.controller.choosePort(String(name))
    }

    // Keyboard users move the focus below the fold: bring the focused
    // control into view, its top first when it is taller than the view.
    function ensureVisible(item) {
        var inside = item
        while (inside && inside !== flickableContent)
            inside = inside.parent
        if (!inside)
            return
        var top = item.mapToItem(flickableContent, 0, 0).y
        var bottom = top + item.height
        var shown = flick.height - root.coveredBottom
        if (top < flick.contentY)
            flick.contentY = Math.max(0, top - 10)
        else if (bottom > flick.contentY + shown)
            flick.contentY = Math.max(0, Math.min(bottom + 10 - shown, top - 10,
                                                  flick.contentHeight + flick.bottomMargin - flick.height))
    }

    // A part opens after its layout has grown: shown when that is done.
    function reveal(item) {
        root.revealing = item
        Qt.callLater(root.revealNow)
    }

    function revealNow() {
        if (root.revealing)
            root.ensureVisible(root.revealing)
    }

    function toggleLink() {
        if (root.paused)
            window.start()
        else
            window.stop()
    }

    title: window.title
    statusText: root.controller ? root.controller.statusText : ""

    leftAction: PageAction {
        objectName: "menuAction"
        text: qsTr("Menu")
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
            text: root.paused ? qsTr("Start") : qsTr("Pause")
            toolTip: root.paused ? qsTr("Start: switch presses act again")
                                 : qsTr("Pause: switch presses do nothing until you start again")
            icon.source: root.paused ? "qrc:/images/av/play_circle_filled.svg"
                                     : "qrc:/images/av/pause_circle_outline.svg"

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
            text: qsTr("Settings")
            icon.source: Qt.resolvedUrl("/images/action/settings.svg")
            visible: true

            onTriggered: window.showSettingsPage()
        },
        PageAction {
            objectName: "exitNavAction"
            text: qsTr("Exit")
            icon.source: Qt.resolvedUrl("/images/action/exit_to_app.svg")
            shortcut: "Ctrl+q"

            onTriggered: window.confirmExit()
        }
    ]

    // Leaving the page, or the window going to the tray, cancels learning: a
    // press nobody sees being learned would be lost as a command.
    onVisibleChanged: if (!visible) root.cancelLearning()
    onCoveredBottomChanged: root.ensureVisible(root.Window.activeFocusItem)
    onLearningChannelChanged: if (root.learningChannel >= 0) root.reveal(statusLabel)
    Keys.onEscapePressed: {
        if (root.learningChannel >= 0) {
            root.cancelLearning()
            event.accepted = true
        } else {
            event.accepted = false
        }
    }

    Connections {
        target: root.Window.window

        function onActiveFocusItemChanged() {
            root.revealing = null
            root.ensureVisible(root.Window.activeFocusItem)
        }

        function onVisibilityChanged(visibility) {
            if (visibility === Window.Hidden || visibility === Window.Minimized)
                root.cancelLearning()
        }
    }


    ColumnLayout {
        id: content

        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(768, parent.width)
        height: parent.height
        spacing: 0

        Flickable {
            id: flick

            objectName: "flick"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            flickableDirection: Flickable.VerticalFlick
            contentWidth: width
            contentHeight: flickableContent.implicitHeight
            bottomMargin: root.coveredBottom

            onContentHeightChanged: if (root.revealing) Qt.callLater(root.revealNow)
            onMovementStarted: root.revealing = null

            ScrollIndicator.vertical: ScrollIndicator {
            }

            ColumnLayout {
                id: flickableContent

                width: flick.width
                spacing: 15

                // Scrolls with the page, so a small or scaled screen keeps
                // its room for the controls.
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
                    Accessible.name: window.title + " – " + tagline.text

                    // The tagline is text of its own, so that it is translated;
                    // placed where the banner (640 × 100) leaves room for it.
                    Label {
                        id: tagline

                        readonly property real unit: titleImage.paintedHeight / 100

                        objectName: "tagline"
                        x: (titleImage.width - titleImage.paintedWidth) / 2 + 174 * unit
                        y: (titleImage.height - titleImage.paintedHeight) / 2 + 64 * unit
                        width: 454 * unit
                        height: 26 * unit
                        text: qsTr("switch access to your computer")
                        color: "white"
                        font.pixelSize: Math.max(1, 20 * unit)
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 8
                        elide: Text.ElideRight
                        verticalAlignment: Text.AlignVCenter
                        Accessible.ignored: true
                    }
                }

                NoticeBar {
                    objectName: "trayNotice"
                    Layout.fillWidth: true
                    text: root.notices ? root.notices.trayText : ""
                    accentColor: root.colors.warning
                    cardColor: root.cardColor

                    onDismissed: root.notices.dismissTray()
                }

                NoticeBar {
                    objectName: "settingsNotice"
                    Layout.fillWidth: true
                    text: root.notices ? root.notices.settingsText : ""
                    accentColor: root.colors.warning
                    cardColor: root.cardColor

                    onDismissed: root.notices.dismissSettings()
                }

                NoticeBar {
                    objectName: "portNotice"
                    Layout.fillWidth: true
                    text: root.notices ? root.notices.portText : ""
                    image: "qrc:/images/av/play_circle_outline.svg"
                    accentColor: root.colors.running
                    cardColor: root.cardColor

                    onDismissed: root.notices.dismissPort()
                }

                Card {
                    id: portCard

                    objectName: "portCard"
                    Layout.fillWidth: true
                    Layout.fillHeight: false
                    Layout.minimumHeight: 125
                    Layout.preferredHeight: portColumn.implicitHeight + 20 + topPadding + bottomPadding
                    Material.background: root.cardColor

                    ColumnLayout {
                        id: portColumn

                        // Not bound to the card's height, which follows this
                        // column's: a wrapped line would otherwise feed back.
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.top: parent.top
                        anchors.margins: 10

                        RowLayout {
                            spacing: 20
                            Layout.fillWidth: true

                            TitleLabel {
                                id: portLabel

                                text: qsTr("Port")
                            }

                            ChoiceBox {
                                id: comCombobox

                                // Shows the port in use: the listed entry, or the typed
                                // name when the list does not hold it.
                                function showConfiguredPort() {
                                    var port = root.controller ? root.controller.port : ""
                                    var index = find(port)
                                    if (port === "") {
                                        // Empty, rather than a listed port that looks chosen.
                                        currentIndex = -1
                                        editText = ""
                                    } else if (index >= 0) {
                                        currentIndex = index
                                    } else {
                                        editText = port
                                    }
                                }

                                objectName: "comCombobox"
                                Layout.fillWidth: true
                                // Ports the system does not list (pseudo-terminals,
                                // /dev/serial/by-id links) can be typed in.
                                editable: true
                                label: qsTr("Port")
                                // The box shows what is typed; a screen reader hears
                                // the port in use, and what the link does with it.
                                valueText: root.controller ? root.controller.port : ""
                                Accessible.description: root.controller ? root.controller.portDescription : ""

                                model: root.ports

                                Component.onCompleted: showConfiguredPort()
                                onModelChanged: showConfiguredPort()
                                onActivated: root.changePort(textAt(index))
                                onAccepted: root.changePort(editText)

                                background: FieldUnderline {
                                    implicitHeight: comCombobox.Material.buttonHeight
                                    lineY: comCombobox.topInset + comCombobox.baselineOffset
                                }

                                Connections {
                                    target: root.controller

                                    function onPortChanged() {
                                        comCombobox.showConfiguredPort()
                                    }
                                }

                                // A new language re-evaluates the scene's bindings,
                                // the box's text among them: show the port in use
                                // again once that is done.
                                Connections {
                                    target: appInterface

                                    function onLanguageChanged() {
                                        Qt.callLater(comCombobox.showConfiguredPort)
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
                                if (root.learningChannel >= 0)
                                    return root.learningPrompt
                                return root.controller ? root.controller.statusText : ""
                            }
                            image: {
                                if (root.ready)
                                    return "qrc:/images/av/play_circle_outline.svg"
                                if (root.paused)
                                    return "qrc:/images/av/pause_circle_outline.svg"
                                return "qrc:/images/alert/warning.svg"
                            }
                            overlayColor: textColor
                            textColor: root.learningChannel >= 0 ? root.colors.learning : root.statusColor
                        }

                        DialogLabel {
                            id: statusDetail

                            objectName: "statusDetail"
                            Layout.fillWidth: true
                            wrapMode: Text.WordWrap
                            visible: root.learningChannel < 0 && text !== ""
                            text: root.controller ? root.controller.statusDetail : ""
                        }

                        SwitchTest {
                            objectName: "switchTest"
                            Layout.fillWidth: true
                            controller: root.controller
                            activeColor: root.colors.running
                            idleColor: root.colors.boundary
                        }

                        // On the very first start the sound cues are offered here
                        // too: a user who cannot see the window well hears what a
                        // press did from the start.
                        SoundCuesSwitch {
                            Layout.fillWidth: true
                            visible: root.firstStart
                        }

                        // What a latched channel keeps pressed until its next press.
                        LabelIcon {
                            id: heldLabel

                            objectName: "heldLabel"
                            Layout.fillWidth: true
                            visible: appInterface.heldText !== ""
                            pixelSize: 18
                            text: appInterface.heldText
                            image: "qrc:/images/alert/warning.svg"
                            overlayColor: textColor
                            textColor: root.Material.accent
                        }

                        // What the device sends for each button: typed in, or
                        // learned from the next line the device sends.
                        ColumnLayout {
                            id: inputGrid

                            // One label column for all the lines, as in a grid.
                            readonly property real labelWidth: {
                                var widest = 0
                                for (var i = 0; i < children.length; ++i) {
                                    if (children[i].labelImplicitWidth !== undefined)
                                        widest = Math.max(widest, children[i].labelImplicitWidth)
                                }
                                return widest
                            }

                            objectName: "inputGrid"
                            Layout.fillWidth: true

                            DeviceLine {
                                channel: 0
                            }

                            DeviceLine {
                                channel: 1
                            }

                            // Optional: devices that also send a line when the
                            // button is let go; then a press really holds.
                            DeviceLine {
                                channel: 2
                            }

                            DeviceLine {
                                channel: 3
                            }
                        }

                        // One line that does two things: the controller says which.
                        LabelIcon {
                            id: sameLinesWarning

                            objectName: "sameLinesWarning"
                            Layout.fillWidth: true
                            visible: root.controller ? root.controller.sameLines : false
                            pixelSize: 16
                            text: root.controller ? root.controller.sameLinesText : ""
                            image: "qrc:/images/alert/warning.svg"
                            overlayColor: textColor
                            textColor: root.colors.warning
                            Accessible.role: Accessible.AlertMessage
                            Accessible.name: text
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
                    Material.background: root.cardColor

                    ChannelItem {
                        id: leftChannel

                        objectName: "leftChannel"
                        anchors.fill: parent
                        anchors.margins: 10
                        forceEnabled: false
                        title: qsTr("Left Channel")
                        configuration: configurationLeftChannel
                        releases: root.controller ? root.controller.leftReleases : false
                        iconColor: root.iconColor
                        overlayColor: root.cardColor

                        onRevealRequested: root.reveal(item)
                    }
                }

                Card {
                    id: rightCard

                    objectName: "rightCard"
                    Layout.fillWidth: true
                    Layout.fillHeight: false
                    Layout.minimumHeight: 225
                    Layout.preferredHeight: rightChannel.implicitHeight + 20 + topPadding + bottomPadding
                    Material.background: root.cardColor

                    ChannelItem {
                        id: rightChannel

                        objectName: "rightChannel"
                        anchors.fill: parent
                        anchors.margins: 10
                        forceEnabled: false
                        title: qsTr("Right Channel")
                        configuration: configurationRightChannel
                        releases: root.controller ? root.controller.rightReleases : false
                        iconColor: root.iconColor
                        overlayColor: root.cardColor

                        onRevealRequested: root.reveal(item)
                    }
                }

                Item {
                    Layout.fillHeight: true
                }
            }
        }
    }

    // The row of one of the device's lines, as in lineKey.
    component DeviceLine: LineRow {
        property int channel: 0
        readonly property var texts: root.lineTexts(channel)

        Layout.fillWidth: true
        labelWidth: inputGrid.labelWidth
        label: texts.label
        line: configurationSwitch[root.lineKey(channel)]
        placeholderText: channel >= 2 ? qsTr("Nothing: every press is a click") : ""
        // The style's hint grey is too faint for a sentence.
        placeholderTextColor: root.colors.secondaryText
        fieldName: texts.field
        learnText: qsTr("Learn")
        learnName: texts.learn
        learnDescription: texts.prompt
        learnButtonName: texts.button
        learning: root.learningChannel === channel
        // White on the armed colour, in either theme.
        armedColor: root.colors.armed

        onEdited: root.setInput(channel, line)
        onLearnClicked: root.toggleLearning(channel)
    }
}
