import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import com.korvane 1.0

// The channel panel against a real channel section of the configuration.
Item {
    id: window

    property color iconColor: "black"
    property color backgroundColor: "white"
    property bool isDark: false
    property int quitShortcuts: 0

    width: 860
    height: 780

    // Stands for the window's Ctrl+Q exit action: it must not fire while a
    // key is being captured.
    Shortcut {
        sequence: "Ctrl+Q"
        onActivated: window.quitShortcuts += 1
    }

    SignalSpy {
        id: modeSpy

        target: configurationLeftChannel
        signalName: "modeChanged"
    }

    SignalSpy {
        id: clickSpy

        target: configurationLeftChannel
        signalName: "clickTypeChanged"
    }

    SignalSpy {
        id: keySpy

        target: configurationLeftChannel
        signalName: "keyChanged"
    }

    TestCase {
        id: testCase

        name: "ChannelItem"
        when: windowShown

        function store(mode, clickType, key, modifiers) {
            configurationLeftChannel.enabled = false
            configurationLeftChannel.mode = mode
            configurationLeftChannel.clickType = clickType
            configurationLeftChannel.key = key
            configurationLeftChannel.modifiers = modifiers
            configurationLeftChannel.nativeScanCode = 77
            modeSpy.clear()
            clickSpy.clear()
            keySpy.clear()
        }

        function make(properties) {
            var component = Qt.createComponent("qrc:/ChannelItem.qml")
            verify(component.status === Component.Ready, component.errorString())
            var props = { "x": 10, "y": 10, "width": 760, "configuration": configurationLeftChannel,
                          "title": "Left Channel", "forceEnabled": false,
                          "iconColor": window.iconColor, "overlayColor": window.backgroundColor }
            for (var name in properties)
                props[name] = properties[name]
            var item = createTemporaryObject(component, window, props)
            verify(item !== null)
            item.height = item.implicitHeight
            waitForRendering(item)
            return item
        }

        function tile(item, name) {
            var found = findChild(item, name)
            verify(found !== null, name)
            return found
        }

        function activeName() {
            var focused = window.Window.activeFocusItem
            return focused ? focused.objectName : ""
        }

        function openOverlay(item) {
            mouseClick(tile(item, "keyName"))
            tryCompare(item, "keyOverlayOpened", true)
        }

        // A keyboard channel shows no mouse action as chosen; a channel that
        // is off shows its tiles dimmed and says so to a screen reader.
        function test_refresh_shows_stored_choice_without_writing_data() {
            return [
                { tag: "keyboard", mode: Mode.KEYBOARD, enabled: true, checked: "keyboardModeSwitch", unchecked: "rightButton" },
                { tag: "mouse", mode: Mode.MOUSE, enabled: true, checked: "rightButton", unchecked: "keyboardModeSwitch" },
                { tag: "keyboard, off", mode: Mode.KEYBOARD, enabled: false, checked: "keyboardModeSwitch", unchecked: "rightButton" }
            ]
        }

        function test_refresh_shows_stored_choice_without_writing(data) {
            store(data.mode, ClickType.RIGHT, Qt.Key_F5, 0)
            configurationLeftChannel.enabled = data.enabled
            var item = make({})
            verify(tile(item, data.checked).checked)
            verify(!tile(item, data.unchecked).checked)
            verify(!tile(item, "leftButton").checked)
            compare(modeSpy.count, 0)
            compare(clickSpy.count, 0)
            compare(Number(configurationLeftChannel.mode), data.mode)
            compare(Number(configurationLeftChannel.clickType), ClickType.RIGHT)
            compare(tile(item, "keyName").text, "F5")
            var names = ["mouseModeSwitch", "keyboardModeSwitch", "rightButton", "scrollUpButton"]
            for (var i = 0; i < names.length; ++i) {
                var control = tile(item, names[i])
                compare(control.dimmed, !data.enabled, names[i])
                compare(control.Accessible.description,
                        data.enabled ? "" : "Left Channel is off: its button does nothing", names[i])
            }
            configurationLeftChannel.enabled = !data.enabled
            compare(tile(item, "rightButton").dimmed, data.enabled, "follows the switch")
            // Room between the tiles, so a tremor does not land on the neighbour.
            var left = tile(item, "leftButton").mapToItem(item, 0, 0)
            var right = tile(item, "rightButton").mapToItem(item, 0, 0)
            var below = tile(item, "doubleButton").mapToItem(item, 0, 0)
            verify(right.x - left.x - tile(item, "leftButton").width >= 8, right.x - left.x)
            verify(below.y - left.y - tile(item, "leftButton").height >= 8, below.y - left.y)
        }

        function test_mode_none_checks_no_mode_tile() {
            store(Mode.NONE, ClickType.EMPTY, 0, 0)
            var item = make({})
            verify(!tile(item, "keyboardModeSwitch").checked)
            verify(!tile(item, "mouseModeSwitch").checked)
            var actions = ["leftButton", "rightButton", "middleButton", "doubleButton",
                           "scrollUpButton", "scrollDownButton"]
            for (var i = 0; i < actions.length; ++i)
                verify(!tile(item, actions[i]).checked, actions[i])
            compare(tile(item, "keyName").text, "Enter a key...")
            compare(modeSpy.count, 0)
        }

        function test_action_tiles_write_click_type_and_force_mouse_data() {
            return [
                { tag: "Up", tile: "scrollUpButton", clickType: ClickType.SCROLLUP },
                { tag: "Down", tile: "scrollDownButton", clickType: ClickType.SCROLLDOWN },
                { tag: "Left", tile: "leftButton", clickType: ClickType.LEFT },
                { tag: "Middle", tile: "middleButton", clickType: ClickType.MIDDLE },
                { tag: "Double", tile: "doubleButton", clickType: ClickType.DOUBLE },
            ]
        }

        function test_action_tiles_write_click_type_and_force_mouse(data) {
            store(Mode.KEYBOARD, ClickType.RIGHT, Qt.Key_A, 0)
            var item = make({})
            var chosen = tile(item, data.tile)
            verify(chosen.visible)
            mouseClick(chosen)
            compare(Number(configurationLeftChannel.clickType), data.clickType)
            compare(Number(configurationLeftChannel.mode), Mode.MOUSE)
            verify(tile(item, "mouseModeSwitch").checked)
            verify(!tile(item, "keyboardModeSwitch").checked)
            verify(!tile(item, "rightButton").checked)
            // The group unchecked Right: it must not have written its own type back.
            compare(clickSpy.count, 1)
        }

        function test_mode_tiles_write_only_the_mode() {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_A, 0)
            var item = make({})
            mouseClick(tile(item, "keyboardModeSwitch"))
            compare(Number(configurationLeftChannel.mode), Mode.KEYBOARD)
            compare(Number(configurationLeftChannel.clickType), ClickType.LEFT)
            verify(!tile(item, "leftButton").checked, "a keyboard channel shows no click")
            mouseClick(tile(item, "mouseModeSwitch"))
            compare(Number(configurationLeftChannel.mode), Mode.MOUSE)
            verify(tile(item, "leftButton").checked, "the stored click again")
            compare(clickSpy.count, 0)
        }

        function test_key_capture_ignores_textless_keys_and_stores_shift_a() {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            var item = make({})
            openOverlay(item)
            // Key code 0 cannot be typed through the test library: hand it over
            // the way the capture overlay does.
            verify(!item.captureKey({ "key": 0, "modifiers": 0, "nativeScanCode": 5 }))
            keyClick(Qt.Key_Shift)
            keyClick(Qt.Key_Control, Qt.ControlModifier)
            verify(item.keyOverlayOpened)
            compare(keySpy.count, 0)
            compare(Number(configurationLeftChannel.mode), Mode.MOUSE)

            keyClick(Qt.Key_A, Qt.ShiftModifier)
            tryCompare(item, "keyOverlayOpened", false)
            compare(configurationLeftChannel.key, Qt.Key_A)
            compare(configurationLeftChannel.modifiers, Qt.ShiftModifier)
            // Synthetic events carry no scan code: the stored one is replaced.
            compare(configurationLeftChannel.nativeScanCode, 0)
            compare(Number(configurationLeftChannel.mode), Mode.KEYBOARD)
            verify(tile(item, "keyboardModeSwitch").checked)
            compare(tile(item, "keyName").text, appInterface.keyString(Qt.Key_A, Qt.ShiftModifier))
            compare(tile(item, "keyName").text, "Shift+A")
        }

        function test_key_capture_takes_escape_and_shortcuts_as_keys_data() {
            return [
                { tag: "Escape", key: Qt.Key_Escape, modifiers: Qt.NoModifier, text: "Esc" },
                { tag: "Ctrl+Q", key: Qt.Key_Q, modifiers: Qt.ControlModifier, text: "Ctrl+Q" },
                { tag: "Tab", key: Qt.Key_Tab, modifiers: Qt.NoModifier, text: "Tab" },
                { tag: "Enter", key: Qt.Key_Return, modifiers: Qt.NoModifier, text: "Return" },
            ]
        }

        function test_key_capture_takes_escape_and_shortcuts_as_keys(data) {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            window.quitShortcuts = 0
            var item = make({})
            openOverlay(item)
            keyClick(data.key, data.modifiers)
            tryCompare(item, "keyOverlayOpened", false)
            compare(configurationLeftChannel.key, data.key)
            compare(configurationLeftChannel.modifiers, data.modifiers)
            compare(tile(item, "keyName").text, data.text)
            compare(window.quitShortcuts, 0)
        }

        function test_key_overlay_click_inside_stays_outside_closes() {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            var item = make({})
            openOverlay(item)
            mouseClick(window, window.width / 2, window.height / 2)
            verify(item.keyOverlayOpened)
            mouseClick(window, 5, 5)
            tryCompare(item, "keyOverlayOpened", false)
            compare(keySpy.count, 0)
        }

        // The overlay names the button it asks for and can be left without a key.
        function test_key_overlay_names_channel_and_cancels() {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            var item = make({ "title": "Right Channel" })
            openOverlay(item)
            compare(tile(item, "keyPrompt").text, "Right Channel: press the key this button sends")
            compare(tile(item, "keyCatcher").Accessible.name, tile(item, "keyPrompt").text)
            mouseClick(tile(item, "keyCancel"))
            tryCompare(item, "keyOverlayOpened", false)
            compare(keySpy.count, 0)
            compare(configurationLeftChannel.key, Qt.Key_Space)
        }

        function test_enable_switch() {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            var item = make({})
            var enableSpy = createTemporaryObject(spyComponent, testCase,
                                                  { "target": item, "signalName": "enableChanged" })
            var toggle = tile(item, "enableSwitch")
            verify(toggle.visible)
            verify(!toggle.checked)
            mouseClick(toggle)
            verify(configurationLeftChannel.enabled)
            compare(enableSpy.count, 1)
            // Bound to the section: a change made elsewhere shows at once.
            configurationLeftChannel.enabled = false
            verify(!toggle.checked)

            var hidden = make({ "forceEnabled": true })
            verify(!tile(hidden, "enableSwitch").visible)
        }

        // Each name makes sense heard alone: both channels have the same tiles.
        function test_accessible_names_data() {
            return [
                { tag: "switch", name: "enableSwitch", text: "Left Channel" },
                { tag: "mouse", name: "mouseModeSwitch", text: "Left Channel: mouse" },
                { tag: "keyboard", name: "keyboardModeSwitch", text: "Left Channel: keyboard" },
                { tag: "left", name: "leftButton", text: "Left Channel: left click" },
                { tag: "right", name: "rightButton", text: "Left Channel: right click" },
                { tag: "middle", name: "middleButton", text: "Left Channel: middle click" },
                { tag: "double", name: "doubleButton", text: "Left Channel: double click" },
                { tag: "up", name: "scrollUpButton", text: "Left Channel: scroll up" },
                { tag: "down", name: "scrollDownButton", text: "Left Channel: scroll down" },
                { tag: "key", name: "keyName", text: "Left Channel: Key F5" }
            ]
        }

        function test_accessible_names(data) {
            store(Mode.KEYBOARD, ClickType.RIGHT, Qt.Key_F5, 0)
            var item = make({})
            var control = tile(item, data.name)
            // The role comes from the control's type once a screen reader
            // listens; the screen reader test reads it.
            compare(control.Accessible.name, data.text)
            var other = make({ "title": "Right Channel", "configuration": configurationRightChannel })
            verify(tile(other, data.name).Accessible.name !== control.Accessible.name,
                   "the other channel's control has another name")
        }

        // What assistive software drives is what the channel section keeps:
        // `toggle()` is what a toggle action without a handler runs; the
        // Accessible signals are the actions the tiles answer themselves.
        function test_accessibility_actions_data() {
            return [
                { tag: "switch toggled on", name: "enableSwitch", act: "toggle", field: "enabled", value: true },
                { tag: "switch toggled off", name: "enableSwitch", act: "toggle", enabled: true, field: "enabled", value: false },
                { tag: "right tile, toggle action", name: "rightButton", act: "toggleAction", field: "clickType", value: ClickType.RIGHT },
                { tag: "middle tile, press action", name: "middleButton", act: "pressAction", field: "clickType", value: ClickType.MIDDLE },
                { tag: "keyboard tile, press action", name: "keyboardModeSwitch", act: "pressAction", field: "mode", value: Mode.KEYBOARD },
                { tag: "checked tile stays chosen", name: "leftButton", act: "toggleAction", field: "clickType", value: ClickType.LEFT, checked: true },
                { tag: "checked mode stays chosen", name: "mouseModeSwitch", act: "pressAction", field: "mode", value: Mode.MOUSE, checked: true }
            ]
        }

        function test_accessibility_actions(data) {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            configurationLeftChannel.enabled = data.enabled === true
            var item = make({})
            var control = tile(item, data.name)
            if (data.act === "toggle")
                control.toggle()
            else
                control.Accessible[data.act]()
            compare(Number(configurationLeftChannel[data.field]), Number(data.value))
            if (data.field === "enabled")
                compare(control.checked, data.value, "what is shown is what is kept")
            else
                verify(control.checked, "the chosen tile is checked")
            if (data.checked)
                compare(modeSpy.count + clickSpy.count, 0, "choosing the chosen tile writes nothing")
        }

        function test_keyboard_only_use() {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            var item = make({})
            var expected = ["enableSwitch", "mouseModeSwitch", "leftButton", "rightButton",
                            "middleButton", "doubleButton", "scrollUpButton", "scrollDownButton",
                            "keyboardModeSwitch", "keyName"]
            // Reached from the control before, as a user tabbing in would.
            tile(item, "enableSwitch").forceActiveFocus()
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Backtab)
            for (var i = 0; i < expected.length; ++i) {
                compare(activeName(), expected[i])
                var control = window.Window.activeFocusItem
                verify(control.Accessible.name !== "", expected[i])
                // Keyboard focus is drawn (a ripple or an accent border).
                verify(control.visualFocus, expected[i])
                if (i + 1 < expected.length)
                    keyClick(Qt.Key_Tab)
            }

            // Space and Enter operate the focused control.
            keyClick(Qt.Key_Backtab)
            compare(activeName(), "keyboardModeSwitch")
            keyClick(Qt.Key_Space)
            compare(Number(configurationLeftChannel.mode), Mode.KEYBOARD)
            keyClick(Qt.Key_Backtab)
            compare(activeName(), "scrollDownButton")
            keyClick(Qt.Key_Return)
            compare(Number(configurationLeftChannel.clickType), ClickType.SCROLLDOWN)
            compare(Number(configurationLeftChannel.mode), Mode.MOUSE)

            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Tab)
            compare(activeName(), "keyName")
            keyClick(Qt.Key_Return)
            tryCompare(item, "keyOverlayOpened", true)
            keyClick(Qt.Key_F5)
            tryCompare(item, "keyOverlayOpened", false)
            compare(configurationLeftChannel.key, Qt.Key_F5)
            compare(Number(configurationLeftChannel.mode), Mode.KEYBOARD)
            // Back on the key button, focus still drawn.
            tryVerify(function() { return activeName() === "keyName" }, 2000, activeName())
            verify(window.Window.activeFocusItem.visualFocus)
        }

        // Folded by default; every aid reachable and operable from the keyboard,
        // named with its channel, and written into the channel section at once.
        function test_timing_section_by_keyboard_data() {
            return [
                { tag: "ignore repeats", name: "ignoreRepeatsSpin", property: "ignoreRepeatsMs",
                  accessible: "Left Channel: ignore repeats, milliseconds" },
                { tag: "hold", name: "holdSpin", property: "holdMs",
                  accessible: "Left Channel: hold time, milliseconds" },
                { tag: "acceptance", name: "acceptanceSpin", property: "acceptanceMs",
                  accessible: "Left Channel: acceptance time, milliseconds" },
            ]
        }

        function test_timing_section_by_keyboard(data) {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            configurationLeftChannel[data.property] = 0
            configurationLeftChannel.latch = false
            var item = make({})
            var toggle = tile(item, "timingToggle")
            var grid = tile(item, "timingGrid")
            compare(grid.visible, false)
            compare(toggle.Accessible.name, "Left Channel: timing")
            tile(item, "keyName").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Tab)
            compare(activeName(), "timingToggle")
            keyClick(Qt.Key_Return)
            tryCompare(grid, "visible", true)
            verify(toggle.checked, "a screen reader hears it as checked")
            item.height = item.implicitHeight

            var spin = tile(item, data.name)
            compare(spin.Accessible.name, data.accessible)
            spin.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Up)
            compare(configurationLeftChannel[data.property], 50)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(configurationLeftChannel[data.property], 0, "never below 0")
            // Typed beyond the range: brought back to 5000 ms.
            spin.contentItem.selectAll()
            keyClick(Qt.Key_9)
            keyClick(Qt.Key_9)
            keyClick(Qt.Key_9)
            keyClick(Qt.Key_9)
            keyClick(Qt.Key_9)
            keyClick(Qt.Key_Return)
            compare(configurationLeftChannel[data.property], 5000)
            // A value stored elsewhere (a loaded file) shows at once.
            configurationLeftChannel[data.property] = 300
            compare(spin.value, 300)

            var latch = tile(item, "latchSwitch")
            compare(latch.Accessible.name, "Left Channel: latch, one press holds, the next lets go")
            latch.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            verify(configurationLeftChannel.latch)
            keyClick(Qt.Key_Return)
            verify(!configurationLeftChannel.latch)

            tile(item, "timingToggle").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            tryCompare(grid, "visible", false)
            configurationLeftChannel[data.property] = 0
        }

        // The second action from the keyboard alone: the trigger, its time and
        // the action; a long press offered only to a button with a release line.
        function test_second_action_by_keyboard_data() {
            return [
                { tag: "with a release line", releases: true },
                { tag: "without a release line", releases: false }
            ]
        }

        function test_second_action_by_keyboard(data) {
            store(Mode.MOUSE, ClickType.LEFT, Qt.Key_Space, 0)
            configurationLeftChannel.secondTrigger = SecondTrigger.NONE
            configurationLeftChannel.secondMode = SecondMode.MOUSE
            var item = make({ "releases": data.releases })
            var toggle = tile(item, "secondToggle")
            compare(toggle.Accessible.name, "Left Channel: second action")
            compare(tile(item, "secondGrid").visible, false)
            tile(item, "latchSwitch").forceActiveFocus(Qt.TabFocusReason)
            tile(item, "timingToggle").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Tab)
            compare(activeName(), "secondToggle")
            keyClick(Qt.Key_Return)
            tryCompare(tile(item, "secondGrid"), "visible", true)
            item.height = item.implicitHeight

            verify(tile(item, "secondOff").checked)
            var longPress = tile(item, "secondLongPress")
            compare(longPress.enabled, data.releases)
            compare(tile(item, "longPressNote").visible, !data.releases)
            compare(longPress.Accessible.name, "Left Channel: second action, long press")
            var chosen = data.releases ? longPress : tile(item, "secondDoublePress")
            chosen.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Return)
            compare(Number(configurationLeftChannel.secondTrigger),
                    data.releases ? SecondTrigger.LONG_PRESS : SecondTrigger.DOUBLE_PRESS)
            var spin = tile(item, data.releases ? "longPressSpin" : "doublePressSpin")
            verify(spin.visible)
            spin.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Up)
            compare(configurationLeftChannel[data.releases ? "longPressMs" : "doublePressMs"],
                    data.releases ? 850 : 450)

            // The action: a mouse action from the list, a captured key, the pause.
            var clicks = tile(item, "secondClickBox")
            compare(clicks.displayText, "Right click")
            clicks.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Down)
            compare(Number(configurationLeftChannel.secondClickType), ClickType.MIDDLE)
            tile(item, "secondKeyName").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Return)
            tryCompare(item, "keyOverlayOpened", true)
            compare(tile(item, "keyPrompt").text, "Left Channel: press the key of the second action")
            keyClick(Qt.Key_B, Qt.ShiftModifier)
            tryCompare(item, "keyOverlayOpened", false)
            compare(configurationLeftChannel.secondKey, Qt.Key_B)
            compare(Number(configurationLeftChannel.secondMode), SecondMode.KEYBOARD)
            compare(tile(item, "secondKeyName").text, "Shift+B")
            compare(configurationLeftChannel.key, Qt.Key_Space, "the first action's key stays")
            var pause = tile(item, "secondPause")
            compare(pause.Accessible.name, "Left Channel: second action, pause or resume Korvane")
            pause.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            compare(Number(configurationLeftChannel.secondMode), SecondMode.PAUSE)

            tile(item, "secondOff").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            compare(Number(configurationLeftChannel.secondTrigger), SecondTrigger.NONE)
            configurationLeftChannel.secondMode = SecondMode.MOUSE
            configurationLeftChannel.secondClickType = ClickType.RIGHT
            configurationLeftChannel.secondKey = Qt.Key_Space
            configurationLeftChannel.secondModifiers = 0
            configurationLeftChannel.longPressMs = 800
            configurationLeftChannel.doublePressMs = 400
        }

        Component {
            id: spyComponent

            SignalSpy {
            }
        }
    }
}
