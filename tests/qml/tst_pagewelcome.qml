import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import QtTest 1.15
import com.korvane 1.0
import Korvane.Gui 1.0

// The welcome page with a stand-in for the window, so that every call the
// page makes to it is recorded, and a real switch controller and link per
// test (a port the tests mark as open, or one that does not exist).
Item {
    id: window

    property string title: "KORVane"
    property bool isDark: Material.theme === Material.Dark
    property color iconColor: Material.iconColor
    property color backgroundColor: isDark ? "#56595d" : "white"
    // [name, port name at the time of the call] for each window operation.
    property var calls: []
    // Escape keys that the page let through.
    property int escapes: 0

    function start() {
        calls.push(["start", configurationSwitch.serialName])
        return testCase.controller.start()
    }

    function stop() {
        calls.push(["stop", configurationSwitch.serialName])
        testCase.controller.pause()
    }

    function showSettingsPage() {
        calls.push(["settings", ""])
    }

    function confirmExit() {
        calls.push(["confirmExit", ""])
    }

    function setTheme(dark) {
        Material.theme = dark ? Material.Dark : Material.Light
    }

    width: 860
    height: 900
    Material.theme: Material.Light
    // As the window does.
    Material.primary: Colors.scheme(isDark).primary
    Material.accent: Colors.scheme(isDark).accent

    Component {
        id: linkComponent

        MouseCom {
            channelKey1: configurationSwitch.inputLeftChannel
            channelKey2: configurationSwitch.inputRightChannel
        }
    }

    Component {
        id: controllerComponent

        SwitchController {
            configuration: configurationSwitch
        }
    }

    QtObject {
        id: fakeAbout

        property bool visible: false
    }

    Rectangle {
        anchors.fill: parent
        color: window.Material.backgroundColor
    }

    ColumnLayout {
        id: frame

        anchors.fill: parent
        spacing: 0

        AppToolBar {
            id: bar

            Layout.fillWidth: true
            maxActionCount: 10
        }

        Item {
            id: pageHolder

            Layout.fillWidth: true
            Layout.fillHeight: true

            Keys.onEscapePressed: window.escapes++
        }
    }

    NavigationPane {
        id: pane

        objectName: "navigationPane"
        modal: true
    }

    TestCase {
        id: testCase

        property var link: null
        property var controller: null
        property var portList: ["ttyS0", "ttyUSB0", "ttyUSB1"]

        name: "PageWelcome"
        when: windowShown

        function make() {
            var component = Qt.createComponent("qrc:/PageWelcome.qml")
            verify(component.status === Component.Ready, component.errorString())
            link = createTemporaryObject(linkComponent, window)
            controller = createTemporaryObject(controllerComponent, window, { "link": link })
            var page = createTemporaryObject(component, pageHolder, {
                "width": pageHolder.width, "height": pageHolder.height,
                "controller": controller, "ports": portList,
                "navigationPane": pane, "aboutBox": fakeAbout })
            verify(page !== null)
            bar.page = page
            pane.actions = page.navActions
            waitForRendering(page)
            return page
        }

        function child(item, name) {
            var found = findChild(item, name)
            verify(found !== null, name)
            return found
        }

        function callNames() {
            var names = []
            for (var i = 0; i < window.calls.length; ++i)
                names.push(window.calls[i][0])
            return names
        }

        function init() {
            window.calls = []
            window.escapes = 0
            // The shared tool tip of a tool bar button that a previous test
            // destroyed stays open, parentless, and would take Escape.
            var tip = window.ToolTip.toolTip
            if (tip.visible) {
                tip.parent = window
                tip.close()
                tryCompare(tip, "visible", false)
            }
            portList = ["ttyS0", "ttyUSB0", "ttyUSB1"]
            fakeAbout.visible = false
            configurationLeftChannel.enabled = true
            configurationRightChannel.enabled = true
            configurationSwitch.serialName = "ttyUSB0"
            configurationSwitch.inputLeftChannel = ""
            configurationSwitch.inputRightChannel = ""
            configurationSwitch.releaseLeftChannel = ""
            configurationSwitch.releaseRightChannel = ""
            window.Material.theme = Material.Light
            pane.close()
        }

        function cleanup() {
            bar.page = null
            pane.actions = []
            // Catalogues are installed application-wide: never leave French behind.
            appInterface.language = "en"
        }

        function test_port_box_shows_configured_port() {
            var page = make()
            var box = child(page, "comCombobox")
            compare(box.count, 3)
            compare(box.currentText, "ttyUSB0")
            compare(window.calls.length, 0)
        }

        function test_port_box_unknown_port_keeps_the_name_data() {
            return [
                { tag: "typed device", port: "/dev/pts/4" },
                // Not the first listed port: that would look chosen.
                { tag: "no port chosen", port: "" }
            ]
        }

        function test_port_box_unknown_port_keeps_the_name(data) {
            configurationSwitch.serialName = data.port
            var page = make()
            var box = child(page, "comCombobox")
            compare(box.editText, data.port)
            compare(configurationSwitch.serialName, data.port)
        }

        // The port in use is shown again once a new language has re-evaluated
        // the scene, and Enter in the box keeps it.
        function test_port_box_after_language_change_data() {
            return [
                { tag: "listed port", port: "ttyUSB1", listed: true },
                { tag: "typed device", port: "/dev/pts/4", listed: false },
            ]
        }

        function test_port_box_after_language_change(data) {
            configurationSwitch.serialName = data.port
            var page = make()
            var box = child(page, "comCombobox")
            compare(box.editText, data.port)
            appInterface.language = "fr"
            tryCompare(child(bar, "startAction").action, "text", "Pause")
            tryCompare(child(page, "statusLabel"), "text", "En attente de l'appareil")
            wait(0)
            compare(box.editText, data.port)
            if (data.listed)
                compare(box.currentText, data.port)
            mouseClick(box.contentItem)
            keyClick(Qt.Key_Return)
            compare(configurationSwitch.serialName, data.port)
            compare(controller.port, data.port)
        }

        // A port picked in the box: the link moves to it at once unless the
        // user paused it; a correction while it waits takes effect too.
        function test_port_change_data() {
            return [
                { tag: "while running", before: "running", moves: true },
                { tag: "while waiting for the device", before: "waiting", moves: true },
                { tag: "while paused", before: "paused", moves: false },
            ]
        }

        function test_port_change(data) {
            var page = make()
            if (data.before === "running")
                link.started = true
            else if (data.before === "waiting")
                controller.choosePort("ttyUSB0")
            else
                controller.pause()
            var box = child(page, "comCombobox")
            box.forceActiveFocus()
            // The arrow keys open the list; moving in it changes nothing yet.
            keyClick(Qt.Key_Down)
            tryCompare(box.popup, "opened", true)
            keyClick(Qt.Key_Down)
            compare(configurationSwitch.serialName, "ttyUSB0")
            compare(box.popup.contentItem.currentItem.Accessible.name, "ttyUSB1")
            verify(box.popup.contentItem.currentItem.activeFocus, "a screen reader hears the entry reached")
            keyClick(Qt.Key_Return)
            compare(box.currentText, "ttyUSB1")
            compare(configurationSwitch.serialName, "ttyUSB1")
            compare(controller.port, "ttyUSB1")
            compare(link.portName === "ttyUSB1", data.moves)
            compare(controller.paused, !data.moves)
            // No device here: a moved link waits for it, a paused one stays shut.
            compare(link.reconnecting, data.moves)
            compare(window.calls.length, 0)
        }

        function test_typed_port_name() {
            var page = make()
            link.started = true
            var box = child(page, "comCombobox")
            // The field takes the focus as it does when the user clicks or tabs in.
            mouseClick(box.contentItem)
            verify(box.contentItem.activeFocus)
            box.editText = "/dev/serial/by-id/usb-switch"
            keyClick(Qt.Key_Return)
            compare(configurationSwitch.serialName, "/dev/serial/by-id/usb-switch")
            compare(link.portName, "/dev/serial/by-id/usb-switch")

            // A blank name is not a port: nothing happens.
            box.editText = "   "
            keyClick(Qt.Key_Return)
            compare(configurationSwitch.serialName, "/dev/serial/by-id/usb-switch")
            compare(link.portName, "/dev/serial/by-id/usb-switch")
            compare(window.calls.length, 0)
        }

        function test_no_port() {
            portList = []
            var page = make()
            compare(child(page, "comCombobox").count, 0)
            var status = child(page, "statusLabel")
            compare(status.text, "Waiting for the device")
            verify(Qt.colorEqual(status.textColor, Colors.light.waiting))
            // The very first start offers the sound cues on this page too.
            verify(!child(page, "soundCuesSwitch").visible)
            page.firstStart = true
            verify(child(page, "soundCuesSwitch").visible)
        }

        // One word per state, the same in the page and in the app bar; green
        // only when a press acts.
        function test_status_data() {
            return [
                { tag: "running, light", state: "running", line: "L", dark: false, colour: Colors.light.running, text: "Running" },
                { tag: "running, dark", state: "running", line: "L", dark: true, colour: Colors.dark.running, text: "Running" },
                { tag: "nothing learned", state: "running", line: "", dark: false, colour: Colors.light.setUp, text: "Set up the buttons" },
                { tag: "learned but disabled", state: "running", line: "L", disabled: true, dark: false, colour: Colors.light.setUp, text: "Set up the buttons" },
                { tag: "paused, light", state: "paused", line: "L", dark: false, colour: Colors.light.paused, text: "Paused" },
                { tag: "paused, dark", state: "paused", line: "L", dark: true, colour: Colors.dark.paused, text: "Paused" },
                { tag: "waiting", state: "waiting", line: "L", dark: false, colour: Colors.light.waiting, text: "Waiting for the device" },
            ]
        }

        function test_status(data) {
            configurationSwitch.inputLeftChannel = data.line
            configurationLeftChannel.enabled = !data.disabled
            configurationRightChannel.enabled = !data.disabled
            var page = make()
            if (data.state === "running")
                link.started = true
            else if (data.state === "paused")
                controller.pause()
            else
                controller.choosePort("/dev/korvane-no-such-port")
            window.setTheme(data.dark)
            var status = child(page, "statusLabel")
            compare(status.text, data.text)
            compare(child(bar, "appBarStatus").text, data.text)
            verify(child(page, "statusDetail").text !== "")
            verify(Qt.colorEqual(status.textColor, data.colour), status.textColor)
            verify(Qt.colorEqual(status.overlayColor, data.colour))
            verify(Qt.colorEqual(child(page, "portCard").Material.background,
                                 data.dark ? "#56595d" : "white"))
        }

        // The app-bar button pauses or starts, and its tool tip says which.
        function test_start_stop_and_about_actions() {
            var page = make()
            link.started = true
            var startButton = child(bar, "startAction")
            compare(startButton.action.text, "Pause")
            compare(startButton.ToolTip.text, "Pause: switch presses do nothing until you start again")
            compare(startButton.action.icon.source.toString(), "qrc:/images/av/pause_circle_outline.svg")
            mouseClick(startButton)
            compare(callNames(), ["stop"])
            verify(controller.paused)
            verify(!link.started)
            compare(startButton.action.text, "Start")
            compare(startButton.ToolTip.text, "Start: switch presses act again")
            mouseClick(startButton)
            compare(callNames(), ["stop", "start"])
            verify(!controller.paused)

            mouseClick(child(bar, "helpAction"))
            verify(fakeAbout.visible)
        }

        // The menu button says what it opens: Settings and Exit.
        function test_menu_lists_settings_and_exit() {
            var page = make()
            compare(pane.groups.length, 1)
            compare(pane.groups[0].category, "")
            compare(pane.groups[0].actions[0].text, "Settings")
            compare(pane.groups[0].actions[1].text, "Exit")

            var menu = child(bar, "appBarLeftAction")
            verify(menu.visible)
            compare(menu.Accessible.name, "Menu")
            mouseClick(menu)
            tryCompare(pane, "opened", true)
            mouseClick(child(pane.contentItem, "settingsNavAction"))
            compare(callNames(), ["settings"])
            tryCompare(pane, "visible", false)

            // Exit asks first: the window's confirmation.
            page.navActions[1].trigger()
            compare(callNames(), ["settings", "confirmExit"])
        }

        function test_channel_panels() {
            var page = make()
            var left = child(page, "leftChannel")
            var right = child(page, "rightChannel")
            compare(left.configuration, configurationLeftChannel)
            compare(right.configuration, configurationRightChannel)
            compare(left.title, "Left Channel")
            compare(right.title, "Right Channel")
            verify(child(left, "enableSwitch").visible)
        }

        // The live switch test lights a button's indicator for its line, also
        // while its channel is off; with a release line until the release.
        function test_switch_test_data() {
            return [
                { tag: "right line, channel off", line: "R", release: "", active: "rightIndicator",
                  other: "leftIndicator", name: "Right button" },
                { tag: "left line held until its release", line: "L", release: "UP",
                  active: "leftIndicator", other: "rightIndicator", name: "Left button" }
            ]
        }

        function test_switch_test(data) {
            configurationSwitch.inputLeftChannel = "L"
            configurationSwitch.inputRightChannel = "R"
            configurationSwitch.releaseLeftChannel = data.release
            configurationRightChannel.enabled = false
            var page = make()
            var lit = child(page, data.active)
            var label = child(page, "lastLineLabel")
            compare(label.text, "No line received yet")
            compare(lit.Accessible.name, data.name + ": not pressed")
            link.lineReceived(data.line)
            compare(lit.Accessible.name, data.name + ": pressed")
            compare(child(page, data.other).Accessible.name.indexOf(": not pressed") > 0, true)
            compare(label.text, "Last line: " + data.line)
            if (data.release !== "") {
                // Dark at the very release, not after a flash.
                link.lineReceived(data.release)
                compare(lit.Accessible.name, data.name + ": not pressed")
            }
            tryCompare(lit.Accessible, "name", data.name + ": not pressed")
            // Paused with the port closed, no line can arrive: the test says so.
            controller.pause()
            compare(label.text, "Paused: the port is closed, no line arrives")
        }

        function test_keyboard_only_use() {
            var page = make()
            var box = child(page, "comCombobox")
            box.forceActiveFocus()
            var seen = []
            for (var i = 0; i < 50; ++i) {
                var focused = window.Window.activeFocusItem
                // The editable port box focuses its inner text field.
                while (focused && focused.objectName === "" && focused.parent)
                    focused = focused.parent
                verify(focused.Accessible.name !== "", focused.objectName)
                seen.push(focused.objectName)
                keyClick(Qt.Key_Tab)
            }
            var wanted = ["comCombobox", "leftInputField", "leftLearnButton", "rightInputField",
                          "rightLearnButton", "enableSwitch", "mouseModeSwitch", "leftButton",
                          "keyName", "appBarLeftAction", "startAction", "helpAction"]
            for (var j = 0; j < wanted.length; ++j)
                verify(seen.indexOf(wanted[j]) >= 0, wanted[j] + " not reached: " + seen)
            // Both channel panels are in the chain, each group of tiles once.
            var first = seen.indexOf("startAction")
            compare(seen.indexOf("startAction", first + 1) - first, 24, seen)

            child(bar, "startAction").forceActiveFocus()
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_Return)
            compare(callNames(), ["stop", "start"])

            // What a keyboard user sees: the focus on the first channel's Right tile.
            var left = child(page, "leftChannel")
            child(left, "leftButton").forceActiveFocus()
            keyClick(Qt.Key_Right)
            compare(window.Window.activeFocusItem, child(left, "rightButton"))
            screenshot("welcome_focus.png")
        }

        // What the keyboard reaches or opens comes into view: the focused
        // control, a section it unfolds (its top first), the learning prompt.
        function test_focus_brings_control_into_view_data() {
            return [
                { tag: "focused control", control: "keyName", shown: "keyName" },
                { tag: "timing unfolded", control: "timingToggle", shown: "timingSection", key: Qt.Key_Return },
                { tag: "second action unfolded", control: "secondToggle", shown: "secondSection", key: Qt.Key_Space },
                { tag: "learning prompt", control: "rightReleaseLearnButton", shown: "statusLabel",
                  key: Qt.Key_Space, onPage: true },
            ]
        }

        function test_focus_brings_control_into_view(data) {
            var page = make()
            page.height = 300
            var flick = child(page, "flick")
            var owner = data.onPage ? page : child(page, "rightChannel")
            child(owner, data.control).forceActiveFocus(Qt.TabFocusReason)
            verify(flick.contentY > 0)
            if (data.key)
                keyClick(data.key)
            var shown = child(owner, data.shown)
            tryVerify(function() {
                var y = shown.mapToItem(flick, 0, 0).y
                return y >= 0 && (y + shown.height <= flick.height || y <= 10)
            }, 2000, data.shown + " in view")
            var box = child(page, "comCombobox")
            box.forceActiveFocus()
            var y = box.mapToItem(flick, 0, 0).y
            verify(y >= 0 && y + box.height <= flick.height, y)
            page.cancelLearning()
        }

        function test_typed_input_data() {
            return [
                { tag: "left", field: "leftInputField", property: "inputLeftChannel",
                  name: "Left button sends", hint: "" },
                { tag: "right", field: "rightInputField", property: "inputRightChannel",
                  name: "Right button sends", hint: "" },
                { tag: "left release", field: "leftReleaseField", property: "releaseLeftChannel",
                  name: "Left button release sends", hint: "Nothing: every press is a click" },
                { tag: "right release", field: "rightReleaseField", property: "releaseRightChannel",
                  name: "Right button release sends", hint: "Nothing: every press is a click" },
            ]
        }

        function test_typed_input(data) {
            configurationSwitch[data.property] = "OLD"
            var page = make()
            var field = child(page, data.field)
            compare(field.text, "OLD")
            mouseClick(field)
            verify(field.activeFocus)
            field.selectAll()
            keyClick(Qt.Key_B)
            keyClick(Qt.Key_1)
            // Nothing is written while the user is still typing.
            compare(configurationSwitch[data.property], "OLD")
            keyClick(Qt.Key_Return)
            compare(configurationSwitch[data.property], "b1")
            // Leaving the field writes too.
            field.selectAll()
            keyClick(Qt.Key_C)
            keyClick(Qt.Key_Tab)
            verify(!field.activeFocus)
            compare(configurationSwitch[data.property], "c")
            // The field follows the document when it changes elsewhere.
            configurationSwitch[data.property] = "FROM FILE"
            compare(field.text, "FROM FILE")
            compare(window.calls.length, 0)
            // A screen reader hears the line with the label, the hint only
            // while there is no line.
            compare([field.Accessible.name, field.Accessible.description], [data.name + ": FROM FILE", ""])
            configurationSwitch[data.property] = ""
            compare([field.Accessible.name, field.Accessible.description], [data.name, data.hint])
        }

        function test_learn_data() {
            return [
                { tag: "left, paused link", channel: 0, button: "leftLearnButton", field: "leftInputField",
                  property: "inputLeftChannel", other: "inputRightChannel", running: false,
                  prompt: "Press the left button of the device…", after: "Paused" },
                { tag: "right, running link", channel: 1, button: "rightLearnButton", field: "rightInputField",
                  property: "inputRightChannel", other: "inputLeftChannel", running: true,
                  prompt: "Press the right button of the device…", after: "Running" },
                // The device sends the press line first: a release line is
                // never learned as the button's own press line.
                { tag: "left release, running link", channel: 2, button: "leftReleaseLearnButton",
                  field: "leftReleaseField", property: "releaseLeftChannel", other: "releaseRightChannel",
                  running: true, press: "inputLeftChannel",
                  prompt: "Press and let go of the left button of the device…", after: "Running" },
                { tag: "right release, paused link", channel: 3, button: "rightReleaseLearnButton",
                  field: "rightReleaseField", property: "releaseRightChannel", other: "releaseLeftChannel",
                  running: false, press: "inputRightChannel",
                  prompt: "Press and let go of the right button of the device…", after: "Paused" },
            ]
        }

        function test_learn(data) {
            configurationSwitch[data.other] = "KEEP"
            if (data.press)
                configurationSwitch[data.press] = "Btn 1"
            var page = make()
            if (data.running)
                link.started = true
            else
                controller.pause()
            var status = child(page, "statusLabel")
            var button = child(page, data.button)
            mouseClick(button)
            compare(page.learningChannel, data.channel)
            verify(page.holdsPresses)
            compare(status.text, data.prompt)
            verify(button.highlighted)
            // Learning pauses and resumes nothing: a paused switch stays paused.
            compare(controller.paused, !data.running)
            compare(window.calls.length, 0)

            // Blank lines are noise: still learning.
            link.lineReceived("")
            link.lineReceived("  \t ")
            if (data.press)
                link.lineReceived("btn 1\r\n")
            compare(page.learningChannel, data.channel)
            compare(configurationSwitch[data.property], "")

            // The line is kept as the device sent it: the link compares whole lines.
            link.lineReceived("Btn 2")
            compare(configurationSwitch[data.property], "Btn 2")
            compare(child(page, data.field).text, "Btn 2")
            compare(configurationSwitch[data.other], "KEEP")
            compare(page.learningChannel, -1)
            verify(!button.highlighted)
            // The presses the link makes of this very line are still held back,
            // then presses act again.
            verify(page.holdsPresses)
            tryCompare(page, "holdsPresses", false)
            compare(status.text, data.after)
            compare(controller.paused, !data.running)
            if (!data.running)
                verify(!link.started && !link.reconnecting, "the paused link is shut again")

            // Learning ended: the next line changes nothing.
            link.lineReceived("Other")
            compare(configurationSwitch[data.property], "Btn 2")
            compare(configurationSwitch[data.other], "KEEP")
        }

        // Learning the line the other button already sends warns.
        function test_same_line_warns_data() {
            return [
                { tag: "same line", other: "B1", line: "B1", warns: true },
                { tag: "same line, other case", other: "b1", line: "B1", warns: true },
                { tag: "different line", other: "B2", line: "B1", warns: false },
                { tag: "other not set", other: "", line: "B1", warns: false },
            ]
        }

        function test_same_line_warns(data) {
            configurationSwitch.inputRightChannel = data.other
            var page = make()
            link.started = true
            var warning = child(page, "sameLinesWarning")
            verify(!warning.visible)
            page.toggleLearning(0)
            link.lineReceived(data.line)
            compare(configurationSwitch.inputLeftChannel, data.line)
            compare(warning.visible, data.warns)
            compare(warning.text.indexOf("same line") >= 0, data.warns)
            compare(warning.Accessible.role, Accessible.AlertMessage)
        }

        function test_learn_cancelled_data() {
            return [
                { tag: "escape" },
                { tag: "learn again" },
                { tag: "learn again by keyboard" },
                { tag: "page left" },
            ]
        }

        function test_learn_cancelled(data) {
            configurationSwitch.inputLeftChannel = "L"
            var page = make()
            link.started = true
            var button = child(page, "leftLearnButton")
            button.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            compare(page.learningChannel, 0)
            if (data.tag === "escape")
                keyClick(Qt.Key_Escape)
            else if (data.tag === "learn again")
                mouseClick(button)
            else if (data.tag === "learn again by keyboard")
                keyClick(Qt.Key_Return)
            else
                page.visible = false
            compare(page.learningChannel, -1)
            verify(!page.holdsPresses)
            compare(child(page, "statusLabel").text, "Running")
            link.lineReceived("X")
            compare(configurationSwitch.inputLeftChannel, "L")
            compare(window.calls.length, 0)
        }

        function test_learn_switches_channel() {
            var page = make()
            link.started = true
            mouseClick(child(page, "leftLearnButton"))
            mouseClick(child(page, "rightLearnButton"))
            compare(page.learningChannel, 1)
            verify(!child(page, "leftLearnButton").highlighted)
            link.lineReceived("R")
            compare(configurationSwitch.inputRightChannel, "R")
            compare(configurationSwitch.inputLeftChannel, "")
        }

        function test_escape_taken_only_while_learning() {
            var page = make()
            link.started = true
            child(page, "leftLearnButton").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_Escape)
            compare(page.learningChannel, -1)
            compare(window.escapes, 0)
            // Not learning: Escape goes on to whoever handles it further up.
            keyClick(Qt.Key_Escape)
            compare(window.escapes, 1)
        }

        function test_waiting_for_device_data() {
            return [
                { tag: "light", dark: false },
                { tag: "dark", dark: true },
            ]
        }

        function test_waiting_for_device(data) {
            window.setTheme(data.dark)
            configurationSwitch.inputLeftChannel = "L"
            var page = make()
            var status = child(page, "statusLabel")
            controller.choosePort("/dev/ttyUSB3")
            compare(status.text, "Waiting for the device")
            verify(child(page, "statusDetail").text.indexOf("/dev/ttyUSB3") >= 0)
            verify(Qt.colorEqual(status.textColor, Colors.scheme(data.dark).waiting), status.textColor)
            compare(status.image.toString(), "qrc:/images/alert/warning.svg")
            // Found again: running.
            link.started = true
            compare(status.text, "Running")
            // Paused by the user: no longer waiting.
            controller.pause()
            compare(status.text, "Paused")
            compare(status.image.toString(), "qrc:/images/av/pause_circle_outline.svg")
        }

        function screenshot(name) {
            if (typeof screenshotDir === "undefined" || screenshotDir === "")
                skip("KORVANE_SCREENSHOT_DIR is not set")
            waitForRendering(window)
            grabImage(window).save(screenshotDir + "/" + name)
        }

        function test_screenshot_light() {
            configurationLeftChannel.mode = Mode.MOUSE
            configurationLeftChannel.clickType = ClickType.LEFT
            configurationRightChannel.mode = Mode.KEYBOARD
            configurationRightChannel.key = Qt.Key_Space
            configurationSwitch.inputLeftChannel = "L"
            configurationSwitch.inputRightChannel = "R"
            var page = make()
            link.started = true
            screenshot("welcome_light.png")
        }

        // One picture per state of the switch, its word checked first.
        function test_screenshot_state_data() {
            return [
                { tag: "running", line: "L", text: "Running" },
                { tag: "paused", line: "L", pause: true, text: "Paused" },
                { tag: "waiting", line: "L", port: "/dev/korvane-no-such-port", text: "Waiting for the device" },
                { tag: "setup", line: "", text: "Set up the buttons" }
            ]
        }

        function test_screenshot_state(data) {
            configurationLeftChannel.enabled = true
            configurationSwitch.inputLeftChannel = data.line
            var page = make()
            if (data.port)
                controller.choosePort(data.port)
            else
                link.started = true
            if (data.pause)
                controller.pause()
            tryCompare(child(page, "statusLabel"), "text", data.text)
            compare(child(bar, "appBarStatus").text, data.text)
            screenshot("welcome_state_" + data.tag + ".png")
        }

        function test_screenshot_learning() {
            configurationSwitch.inputLeftChannel = "L"
            var page = make()
            link.started = true
            var button = child(page, "rightLearnButton")
            button.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            screenshot("welcome_learning.png")
            keyClick(Qt.Key_Escape)
        }

        function test_screenshot_waiting_dark() {
            window.setTheme(true)
            configurationSwitch.inputLeftChannel = "L"
            configurationSwitch.inputRightChannel = "R"
            var page = make()
            controller.choosePort("/dev/korvane-no-such-port")
            screenshot("welcome_waiting_dark.png")
        }

        function test_screenshot_dark() {
            window.setTheme(true)
            var page = make()
            screenshot("welcome_dark.png")
        }

        function test_screenshot_french() {
            var page = make()
            controller.pause()
            compare(child(page, "statusLabel").text, "Paused")
            // Every text follows the language at once, without a new page.
            appInterface.language = "fr"
            tryCompare(child(page, "statusLabel"), "text", "En pause")
            compare(child(bar, "appBarStatus").text, "En pause")
            compare(child(page, "leftChannel").title, "Canal gauche")
            compare(child(bar, "startAction").action.text, "Démarrer")
            compare(child(page, "leftLearnButton").text, "Apprendre")
            screenshot("welcome_french.png")
            appInterface.language = "en"
            tryCompare(child(page, "statusLabel"), "text", "Paused")
        }
    }
}
