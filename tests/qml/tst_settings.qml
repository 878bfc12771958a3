import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import com.korvane 1.0

// The settings page and its General section against the real application
// section of the configuration.
Item {
    id: window

    property bool isDark: Material.theme === Material.Dark
    property color iconColor: Material.iconColor
    property color backgroundColor: isDark ? "#56595d" : "white"
    property var themeCalls: []

    function setTheme(dark) {
        themeCalls.push(dark)
        Material.theme = dark ? Material.Dark : Material.Light
    }

    width: 860
    height: 780
    Material.theme: Material.Light

    Rectangle {
        anchors.fill: parent
        color: window.Material.backgroundColor
    }

    SignalSpy {
        id: scaleSpy

        target: configuration
        signalName: "scaleChanged"
    }

    SignalSpy {
        id: runStartupSpy

        target: configuration
        signalName: "runStartupChanged"
    }

    TestCase {
        id: testCase

        name: "Settings"
        when: windowShown

        function make(url) {
            var component = Qt.createComponent(url)
            verify(component.status === Component.Ready, component.errorString())
            var item = createTemporaryObject(component, window,
                                             { "width": window.width, "height": window.height })
            verify(item !== null)
            waitForRendering(item)
            return item
        }

        function child(item, name) {
            var found = findChild(item, name)
            verify(found !== null, name)
            return found
        }

        function init() {
            window.themeCalls = []
            configuration.setTheme("LIGHT")
            window.Material.theme = Material.Light
            configuration.scale = 1.0
            scaleSpy.clear()
            runStartupSpy.clear()
        }

        function test_scale_shown_with_fuzzy_comparison_data() {
            return [
                { tag: "1.0", stored: 1.0, index: 0 },
                { tag: "1.2500001 is 125%", stored: 1.2500001, index: 1 },
                { tag: "1.25", stored: 1.25, index: 1 },
                { tag: "1.5", stored: 1.5, index: 2 },
                { tag: "1.2501 matches nothing", stored: 1.2501, index: 0 },
                { tag: "2.0 matches nothing", stored: 2.0, index: 0 },
                { tag: "0 matches nothing", stored: 0.0, index: 0 },
            ]
        }

        function test_scale_shown_with_fuzzy_comparison(data) {
            configuration.scale = data.stored
            scaleSpy.clear()
            var general = make("qrc:/configuration/General.qml")
            compare(child(general, "scaleComboBox").currentIndex, data.index)
            compare(configuration.scale, data.stored)
            compare(scaleSpy.count, 0)
            verify(!child(general, "warningLabel").visible)
        }

        function test_choosing_the_stored_scale_writes_nothing() {
            configuration.scale = 1.2500001
            scaleSpy.clear()
            var general = make("qrc:/configuration/General.qml")
            var box = child(general, "scaleComboBox")
            box.activated(1)
            compare(configuration.scale, 1.2500001)
            compare(scaleSpy.count, 0)
            verify(!child(general, "warningLabel").visible)
        }

        function test_choosing_another_scale_writes_it_and_offers_restart() {
            var general = make("qrc:/configuration/General.qml")
            var box = child(general, "scaleComboBox")
            box.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(box.currentIndex, 2)
            compare(configuration.scale, 1.5)
            compare(scaleSpy.count, 2)
            var restart = child(general, "warningLabel")
            verify(restart.visible)
            compare(restart.text, "Restart to apply")
            // A stored scale that matches no entry stays until the user picks one.
            configuration.scale = 2.0
            var again = make("qrc:/configuration/General.qml")
            compare(child(again, "scaleComboBox").currentIndex, 0)
            verify(!child(again, "warningLabel").visible)
            compare(configuration.scale, 2.0)
        }

        function test_theme_switch() {
            var general = make("qrc:/configuration/General.qml")
            // Opening the page writes and applies the stored theme again.
            compare(window.themeCalls, [false])
            verify(configuration.isLight())
            var card = child(general, "themeGroupBox")
            verify(Qt.colorEqual(card.Material.background, "white"))

            mouseClick(child(general, "darkButton"))
            verify(configuration.isDark())
            verify(window.isDark)
            compare(window.themeCalls[window.themeCalls.length - 1], true)
            var cards = ["generalGroupBox", "themeGroupBox", "languageGroupBox", "scaleGroupBox"]
            for (var i = 0; i < cards.length; ++i)
                verify(Qt.colorEqual(child(general, cards[i]).Material.background, "#56595d"), cards[i])

            mouseClick(child(general, "lightButton"))
            verify(configuration.isLight())
            verify(!window.isDark)
            verify(Qt.colorEqual(card.Material.background, "white"))
        }

        function test_opening_keeps_theme_and_startup_choice_data() {
            return [
                { tag: "dark, run at start-up", theme: "DARK", runStartup: true },
                { tag: "light, no start-up", theme: "LIGHT", runStartup: false },
            ]
        }

        function test_opening_keeps_theme_and_startup_choice(data) {
            configuration.setTheme(data.theme)
            configuration.runStartup = data.runStartup
            runStartupSpy.clear()
            var general = make("qrc:/configuration/General.qml")
            compare(configuration.isDark(), data.theme === "DARK")
            compare(window.isDark, data.theme === "DARK")
            compare(configuration.runStartup, data.runStartup)
            compare(runStartupSpy.count, 0)
            compare(child(general, "startupApp").checked, data.runStartup)
            compare(child(general, "darkButton").checked, data.theme === "DARK")
        }

        function test_startup_switch_writes() {
            configuration.runStartup = true
            var general = make("qrc:/configuration/General.qml")
            var toggle = child(general, "startupApp")
            verify(toggle.checked)
            mouseClick(toggle)
            verify(!configuration.runStartup)
            mouseClick(toggle)
            verify(configuration.runStartup)
        }

        function test_language_box_writes_interface_then_configuration() {
            var general = make("qrc:/configuration/General.qml")
            var box = child(general, "languageComboBox")
            verify(box.count >= 1)
            configuration.language = "xx"
            box.currentIndex = 0
            box.activated(0)
            compare(appInterface.language, box.getCurrentCode())
            compare(configuration.language, box.getCurrentCode())
        }

        function test_section_list_pushes_a_new_section_on_each_click() {
            var page = make("qrc:/PageSettings.qml")
            compare(page.objectName, "settings")
            compare(page.title, "Settings")
            var stack = child(page, "stackView")
            compare(stack.depth, 1)
            var entry = child(page, "section_configuration/General.qml")
            compare(entry.text, "General")
            mouseClick(entry)
            compare(stack.depth, 2)
            compare(stack.currentItem.name, "generalPage")
            mouseClick(entry)
            compare(stack.depth, 3)
        }

        function test_section_list_by_keyboard() {
            var page = make("qrc:/PageSettings.qml")
            var stack = child(page, "stackView")
            var entry = child(page, "section_configuration/General.qml")
            child(page, "listView").forceActiveFocus()
            compare(window.Window.activeFocusItem, entry)
            verify(entry.Accessible.name !== "")
            keyClick(Qt.Key_Return)
            compare(stack.depth, 2)
            keyClick(Qt.Key_Space)
            compare(stack.depth, 3)
            // From the list the focus goes on into the shown section.
            keyClick(Qt.Key_Tab)
            var focused = window.Window.activeFocusItem
            var inSection = focused
            while (inSection && inSection !== stack)
                inSection = inSection.parent
            verify(inSection === stack, focused)
        }

        function test_keyboard_only_use() {
            configuration.runStartup = true
            var general = make("qrc:/configuration/General.qml")
            child(general, "startupApp").forceActiveFocus()
            var expected = ["startupApp", "soundCuesSwitch", "lightButton", "darkButton",
                            "languageComboBox", "scaleComboBox"]
            var seen = []
            for (var i = 0; i < expected.length; ++i) {
                var focused = window.Window.activeFocusItem
                // The language box may hand focus to an inner field.
                while (focused && focused.objectName === "" && focused.parent)
                    focused = focused.parent
                seen.push(focused.objectName)
                verify(focused.Accessible.name !== "", focused.objectName)
                keyClick(Qt.Key_Tab)
            }
            compare(seen, expected)

            // Space and Enter operate the focused control.
            child(general, "darkButton").forceActiveFocus()
            keyClick(Qt.Key_Space)
            verify(configuration.isDark())
            child(general, "lightButton").forceActiveFocus()
            keyClick(Qt.Key_Return)
            verify(configuration.isLight())
            child(general, "startupApp").forceActiveFocus()
            keyClick(Qt.Key_Space)
            verify(!configuration.runStartup)
            keyClick(Qt.Key_Return)
            verify(configuration.runStartup)
            // Sound cues: off by default, on and off again from the keyboard.
            verify(!configuration.soundCues)
            child(general, "soundCuesSwitch").forceActiveFocus()
            keyClick(Qt.Key_Space)
            verify(configuration.soundCues)
            keyClick(Qt.Key_Return)
            verify(!configuration.soundCues)

            // Enter opens the scale list, as Space does.
            var scaleBox = child(general, "scaleComboBox")
            scaleBox.forceActiveFocus()
            keyClick(Qt.Key_Return)
            tryCompare(scaleBox.popup, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(scaleBox.popup, "visible", false)

            // The restart button, once shown, is in the chain too.
            scaleBox.forceActiveFocus()
            keyClick(Qt.Key_Down)
            verify(child(general, "warningLabel").visible)
            keyClick(Qt.Key_Tab)
            compare(window.Window.activeFocusItem.objectName, "warningLabel")
        }

        function test_focus_brings_control_into_view() {
            var general = make("qrc:/configuration/General.qml")
            general.height = 300
            compare(general.contentY, 0)
            var box = child(general, "scaleComboBox")
            box.forceActiveFocus()
            verify(general.contentY > 0)
            var y = box.mapToItem(general, 0, 0).y
            verify(y >= 0 && y + box.height <= general.height, y)
        }

        function test_screenshot_settings_page() {
            if (typeof screenshotDir === "undefined" || screenshotDir === "")
                skip("KORVANE_SCREENSHOT_DIR is not set")
            var page = make("qrc:/PageSettings.qml")
            waitForRendering(page)
            grabImage(window).save(screenshotDir + "/settings.png")
            mouseClick(child(page, "darkButton"))
            waitForRendering(page)
            grabImage(window).save(screenshotDir + "/settings_dark.png")
        }
    }
}
