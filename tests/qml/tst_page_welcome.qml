import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import QtTest 1.15
import com.korvane 1.0
import Korvane.Gui 1.0

// The welcome page with a stand-in for the window and its switch link, so
// that every call the page makes is recorded.
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
        fakeLink.started = fakeLink.startSucceeds
        return fakeLink.started
    }

    function stop() {
        calls.push(["stop", configurationSwitch.serialName])
        fakeLink.started = false
    }

    function showSettingsPage() {
        calls.push(["settings", ""])
    }

    function exit() {
        calls.push(["exit", ""])
    }

    function setTheme(dark) {
        Material.theme = dark ? Material.Dark : Material.Light
    }

    width: 860
    height: 900
    Material.theme: Material.Light

    QtObject {
        id: fakeLink

        property bool started: false
        property bool startSucceeds: true
        property bool reconnecting: false
        property string portName: "ttyUSB0"
        property var portList: ["ttyS0", "ttyUSB0", "ttyUSB1"]

        signal lineReceived(string line)

        function ports() {
            return portList
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

        name: "PageWelcome"
        when: windowShown

        function make() {
            var component = Qt.createComponent("qrc:/PageWelcome.qml")
            verify(component.status === Component.Ready, component.errorString())
            var page = createTemporaryObject(component, pageHolder, {
                "width": pageHolder.width, "height": pageHolder.height,
                "link": fakeLink, "navigationPane": pane, "aboutBox": fakeAbout })
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
            fakeLink.started = false
            fakeLink.startSucceeds = true
            fakeLink.reconnecting = false
            fakeLink.portName = "ttyUSB0"
            fakeLink.portList = ["ttyS0", "ttyUSB0", "ttyUSB1"]
            fakeAbout.visible = false
            configurationSwitch.serialName = "ttyUSB0"
            configurationSwitch.inputLeftChannel = ""
            configurationSwitch.inputRightChannel = ""
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

        function test_port_box_unknown_port_keeps_the_name() {
            configurationSwitch.serialName = "/dev/pts/4"
            var page = make()
            var box = child(page, "comCombobox")
            compare(box.editText, "/dev/pts/4")
            compare(configurationSwitch.serialName, "/dev/pts/4")
        }

        function test_port_change_data() {
            return [
                { tag: "while running", running: true, calls: ["stop", "start"] },
                { tag: "while stopped", running: false, calls: ["stop"] },
            ]
        }

        function test_port_change(data) {
            var page = make()
            fakeLink.started = data.running
            var box = child(page, "comCombobox")
            box.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(box.currentText, "ttyUSB1")
            compare(configurationSwitch.serialName, "ttyUSB1")
            compare(callNames(), data.calls)
            // The link is stopped before the name changes and started on the new one.
            compare(window.calls[0][1], "ttyUSB0")
            if (data.running)
                compare(window.calls[1][1], "ttyUSB1")
            compare(fakeLink.started, data.running)
        }

        function test_typed_port_name() {
            var page = make()
            fakeLink.started = true
            var box = child(page, "comCombobox")
            // The field takes the focus as it does when the user clicks or tabs in.
            mouseClick(box.contentItem)
            verify(box.contentItem.activeFocus)
            box.editText = "/dev/serial/by-id/usb-switch"
            keyClick(Qt.Key_Return)
            compare(configurationSwitch.serialName, "/dev/serial/by-id/usb-switch")
            compare(callNames(), ["stop", "start"])
            compare(window.calls[1][1], "/dev/serial/by-id/usb-switch")

            // A blank name is not a port: nothing happens.
            window.calls = []
            box.editText = "   "
            keyClick(Qt.Key_Return)
            compare(configurationSwitch.serialName, "/dev/serial/by-id/usb-switch")
            compare(window.calls.length, 0)
        }

        function test_no_port() {
            fakeLink.portList = []
            var page = make()
            compare(child(page, "comCombobox").count, 0)
            var status = child(page, "statusLabel")
            compare(status.text, "Process is stopped")
            verify(Qt.colorEqual(status.textColor, "orange"))
        }

        function test_status_colours_data() {
            return [
                { tag: "running, light", started: true, dark: false, colour: "green", text: "Process is running" },
                { tag: "running, dark", started: true, dark: true, colour: "lightgreen", text: "Process is running" },
                { tag: "stopped, light", started: false, dark: false, colour: "orange", text: "Process is stopped" },
                { tag: "stopped, dark", started: false, dark: true, colour: "orange", text: "Process is stopped" },
            ]
        }

        function test_status_colours(data) {
            var page = make()
            fakeLink.started = data.started
            window.setTheme(data.dark)
            var status = child(page, "statusLabel")
            compare(status.text, data.text)
            verify(Qt.colorEqual(status.textColor, data.colour), status.textColor)
            verify(Qt.colorEqual(status.overlayColor, data.colour))
            compare(status.image.toString(), data.started ? "qrc:/images/av/play_circle_outline.svg"
                                                          : "qrc:/images/av/pause_circle_outline.svg")
            verify(Qt.colorEqual(child(page, "portCard").Material.background,
                                 data.dark ? "#56595d" : "white"))
        }

        function test_start_stop_and_about_actions() {
            var page = make()
            var startButton = child(bar, "startAction")
            compare(startButton.action.text, "Start")
            mouseClick(startButton)
            compare(callNames(), ["start"])
            verify(fakeLink.started)
            compare(startButton.action.text, "Stop")
            compare(startButton.action.icon.source.toString(), "qrc:/images/av/pause_circle_outline.svg")
            mouseClick(startButton)
            compare(callNames(), ["start", "stop"])

            mouseClick(child(bar, "helpAction"))
            verify(fakeAbout.visible)
        }

        function test_navigation_actions_grouped_by_category() {
            var page = make()
            compare(page.navActions.length, 2)
            compare(page.navActions[0].category, "Settings")
            compare(page.navActions[1].category, "General")
            compare(pane.groups.length, 2)
            compare(pane.groups[0].category, "Settings")
            compare(pane.groups[0].actions[0].text, "General")
            compare(pane.groups[1].actions[0].text, "Exit")

            var menu = child(bar, "appBarLeftAction")
            verify(menu.visible)
            mouseClick(menu)
            tryCompare(pane, "opened", true)
            mouseClick(child(pane.contentItem, "settingsNavAction"))
            compare(callNames(), ["settings"])
            tryCompare(pane, "visible", false)

            page.navActions[1].trigger()
            compare(callNames(), ["settings", "exit"])
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

        function test_keyboard_only_use() {
            var page = make()
            var box = child(page, "comCombobox")
            box.forceActiveFocus()
            var seen = []
            for (var i = 0; i < 40; ++i) {
                var focused = window.Window.activeFocusItem
                // The editable port box focuses its inner text field.
                while (focused && focused.objectName === "" && focused.parent)
                    focused = focused.parent
                verify(focused.Accessible.name !== "", focused.objectName)
                seen.push(focused.objectName)
                keyClick(Qt.Key_Tab)
            }
            var wanted = ["comCombobox", "leftInputField", "leftLearnButton", "rightInputField",
                          "rightLearnButton", "enableSwitch", "mouseModeSwitch", "doubleButton",
                          "keyboardModeSwitch", "keyName", "appBarLeftAction", "startAction",
                          "helpAction"]
            for (var j = 0; j < wanted.length; ++j)
                verify(seen.indexOf(wanted[j]) >= 0, wanted[j] + " not reached: " + seen)
            // Both channel panels are in the chain.
            var keyButtons = seen.filter(function(name) { return name === "keyName" })
            verify(keyButtons.length >= 2, seen)

            child(bar, "startAction").forceActiveFocus()
            keyClick(Qt.Key_Space)
            compare(callNames(), ["start"])

            // What a keyboard user sees: the focus on the first channel's Right tile.
            var left = child(page, "leftChannel")
            child(left, "leftButton").forceActiveFocus()
            keyClick(Qt.Key_Tab)
            compare(window.Window.activeFocusItem, child(left, "rightButton"))
            screenshot("welcome_focus.png")
        }

        function test_focus_brings_control_into_view() {
            var page = make()
            page.height = 400
            var flick = child(page, "flick")
            flick.contentY = 0
            var key = child(child(page, "rightChannel"), "keyName")
            key.forceActiveFocus()
            verify(flick.contentY > 0)
            var y = key.mapToItem(flick, 0, 0).y
            verify(y >= 0 && y + key.height <= flick.height, y)
            var box = child(page, "comCombobox")
            box.forceActiveFocus()
            y = box.mapToItem(flick, 0, 0).y
            verify(y >= 0 && y + box.height <= flick.height, y)
        }

        function test_typed_input_data() {
            return [
                { tag: "left", field: "leftInputField", property: "inputLeftChannel" },
                { tag: "right", field: "rightInputField", property: "inputRightChannel" },
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
        }

        function test_learn_data() {
            return [
                { tag: "left, stopped link", channel: 0, button: "leftLearnButton", field: "leftInputField",
                  property: "inputLeftChannel", other: "inputRightChannel", running: false,
                  prompt: "Press the left button of the device…" },
                { tag: "right, running link", channel: 1, button: "rightLearnButton", field: "rightInputField",
                  property: "inputRightChannel", other: "inputLeftChannel", running: true,
                  prompt: "Press the right button of the device…" },
            ]
        }

        function test_learn(data) {
            configurationSwitch[data.other] = "KEEP"
            var page = make()
            fakeLink.started = data.running
            var status = child(page, "statusLabel")
            var button = child(page, data.button)
            mouseClick(button)
            compare(page.learningChannel, data.channel)
            verify(page.holdsPresses)
            compare(status.text, data.prompt)
            verify(button.highlighted)
            // Lines are only read while the port is open: a stopped link starts.
            compare(callNames(), data.running ? [] : ["start"])
            verify(fakeLink.started)

            // Blank lines are noise: still learning.
            fakeLink.lineReceived("")
            fakeLink.lineReceived("  \t ")
            compare(page.learningChannel, data.channel)
            compare(configurationSwitch[data.property], "")

            // The line is kept as the device sent it: the link compares whole lines.
            fakeLink.lineReceived("Btn 2")
            compare(configurationSwitch[data.property], "Btn 2")
            compare(child(page, data.field).text, "Btn 2")
            compare(configurationSwitch[data.other], "KEEP")
            compare(page.learningChannel, -1)
            compare(status.text, "Process is running")
            verify(!button.highlighted)
            // The presses the link makes of this very line are still held back,
            // then presses act again.
            verify(page.holdsPresses)
            tryCompare(page, "holdsPresses", false)

            // Learning ended: the next line changes nothing.
            fakeLink.lineReceived("Other")
            compare(configurationSwitch[data.property], "Btn 2")
            compare(configurationSwitch[data.other], "KEEP")
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
            fakeLink.started = true
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
            compare(child(page, "statusLabel").text, "Process is running")
            fakeLink.lineReceived("X")
            compare(configurationSwitch.inputLeftChannel, "L")
            compare(window.calls.length, 0)
        }

        function test_learn_switches_channel() {
            var page = make()
            fakeLink.started = true
            mouseClick(child(page, "leftLearnButton"))
            mouseClick(child(page, "rightLearnButton"))
            compare(page.learningChannel, 1)
            verify(!child(page, "leftLearnButton").highlighted)
            fakeLink.lineReceived("R")
            compare(configurationSwitch.inputRightChannel, "R")
            compare(configurationSwitch.inputLeftChannel, "")
        }

        function test_escape_taken_only_while_learning() {
            var page = make()
            fakeLink.started = true
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
            var page = make()
            var status = child(page, "statusLabel")
            fakeLink.portName = "/dev/ttyUSB3"
            fakeLink.reconnecting = true
            compare(status.text, "Waiting for the device on /dev/ttyUSB3…")
            verify(Qt.colorEqual(status.textColor, "orange"), status.textColor)
            compare(status.image.toString(), "qrc:/images/alert/warning.svg")
            // Found again: running.
            fakeLink.reconnecting = false
            fakeLink.started = true
            compare(status.text, "Process is running")
            // Stopped by the user: no longer waiting.
            fakeLink.started = false
            compare(status.text, "Process is stopped")
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
            fakeLink.started = true
            screenshot("welcome_light.png")
        }

        function test_screenshot_learning() {
            configurationSwitch.inputLeftChannel = "L"
            var page = make()
            fakeLink.started = true
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
            fakeLink.reconnecting = true
            screenshot("welcome_waiting_dark.png")
        }

        function test_screenshot_dark() {
            window.setTheme(true)
            var page = make()
            screenshot("welcome_dark.png")
        }

        function test_screenshot_french() {
            var page = make()
            compare(child(page, "statusLabel").text, "Process is stopped")
            // Every text follows the language at once, without a new page.
            appInterface.language = "fr"
            tryCompare(child(page, "statusLabel"), "text", "Le processus est arrêté")
            compare(child(page, "leftChannel").title, "Canal gauche")
            compare(child(bar, "startAction").action.text, "Démarrer")
            compare(child(page, "leftLearnButton").text, "Apprendre")
            fakeLink.reconnecting = true
            tryCompare(child(page, "statusLabel"), "text", "En attente de l'appareil sur ttyUSB0…")
            fakeLink.reconnecting = false
            screenshot("welcome_french.png")
            appInterface.language = "en"
            tryCompare(child(page, "statusLabel"), "text", "Process is stopped")
        }
    }
}
