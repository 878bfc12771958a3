import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import Korvane.Gui 1.0

// Contrast of what the real window draws, in both themes: text at least
// 4.5:1 against what lies under it (3:1 when large: 18 pt, or 14 pt bold),
// pictures, control outlines and focus marks at least 3:1. The ratio is
// (L1 + 0.05) / (L2 + 0.05) of the relative luminances; a translucent
// colour counts as laid over the surface beneath it.
Item {
    id: root

    property var window: null
    // Becomes null once the window is really gone.
    property QtObject windowAlive: null

    width: 100
    height: 100

    function child(name) {
        var found = testCase.findChild(window, name)
        testCase.verify(found, "main window has " + name)
        return found
    }

    // The sRGB component (0..1) in linear light.
    function linear(c) {
        return c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4)
    }

    // `top` laid over the opaque `under`.
    function over(top, under) {
        var a = top.a
        return Qt.rgba(top.r * a + under.r * (1 - a), top.g * a + under.g * (1 - a),
                       top.b * a + under.b * (1 - a), 1)
    }

    function luminance(c) {
        return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b)
    }

    // Ratio of `front` against `back`; `under` is the opaque surface beneath a
    // translucent back (the card by default).
    function ratio(front, back, under) {
        var base = over(Qt.lighter(back, 1.0), Qt.lighter(under !== undefined ? under : "white", 1.0))
        var a = luminance(over(Qt.lighter(front, 1.0), base))
        var b = luminance(base)
        return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)
    }

    TestCase {
        id: testCase

        name: "Contrast"
        when: windowShown

        function initTestCase() {
            var component = Qt.createComponent("qrc:/main.qml")
            compare(component.status, Component.Ready, component.errorString())
            root.window = component.createObject(null)
            verify(root.window)
            root.windowAlive = root.window
            child("initialTimer").stop()
            child("mouseCom").stop()
            tryCompare(root.window, "visible", true)
        }

        // Gone while the engine still runs: the engine's last sweep would
        // tear it down after the scene's contexts (see tst_main.qml).
        function cleanupTestCase() {
            if (!root.window)
                return
            root.window.destroy()
            tryCompare(root, "windowAlive", null)
        }

        function cleanup() {
            window.showWelcomePage()
            var page = window.initialPage
            page.cancelLearning()
            child("mouseCom").started = false
            window.setTheme(false)
        }

        // The checker itself, with colours whose ratio is known, and the
        // pairs the window used to draw: each must be told apart from a pass.
        function test_checker_data() {
            return [
                { tag: "black on white", front: "black", back: "white", expected: 21 },
                { tag: "same colour", front: "#3b68c4", back: "#3b68c4", expected: 1 },
                { tag: "mid grey on white", front: "#767676", back: "white", expected: 4.54 },
                { tag: "half black over white is grey", front: "#80000000", back: "white", expected: 4.0 },
                { tag: "old bar: white on cornflower", front: "white", back: "cornflowerblue", expected: 2.97 },
                { tag: "old status: orange on white", front: "orange", back: "white", expected: 1.97 },
                { tag: "old armed button, dark", front: "white", back: "#90caf9", expected: 1.75 },
                { tag: "old focus: ripple on white", front: "#10000000", back: "white", expected: 1.15 }
            ]
        }

        function test_checker(data) {
            fuzzyCompare(root.ratio(data.front, data.back), data.expected, 0.01)
        }

        // Every colour of the table against the surfaces it is drawn on.
        function test_colour_table_data() {
            var rows = []
            var themes = [["light", Colors.light], ["dark", Colors.dark]]
            var pairs = [
                // [front, back, minimum, what]
                ["onPrimary", "primary", 4.5, "bar text"],
                ["accent", "card", 3, "checked marks"],
                ["focus", "card", 3, "focus mark on a card"],
                ["focus", "page", 3, "focus mark on the page"],
                ["boundary", "card", 3, "control outline on a card"],
                ["boundary", "page", 3, "control outline on the page"],
                ["secondaryText", "card", 4.5, "subheading on a card"],
                ["secondaryText", "page", 4.5, "subheading on the page"],
                ["running", "card", 4.5, "status: running"],
                ["paused", "card", 4.5, "status: paused"],
                ["waiting", "card", 4.5, "status: waiting for the device"],
                ["setUp", "card", 4.5, "status: set up the buttons"],
                ["learning", "card", 4.5, "status: learning a button"],
                ["warning", "page", 3, "warning picture"],
                ["warning", "card", 3, "notice outline and picture"],
                ["onSnackbar", "snackbar", 4.5, "undo notice text"],
                ["snackbarAction", "snackbar", 4.5, "undo button"],
                ["snackbar", "page", 3, "undo notice on the page"]
            ]
            for (var t = 0; t < themes.length; ++t) {
                for (var i = 0; i < pairs.length; ++i) {
                    var p = pairs[i]
                    rows.push({ tag: themes[t][0] + ": " + p[3], front: themes[t][1][p[0]],
                                back: themes[t][1][p[1]], minimum: p[2] })
                }
            }
            // White text on the armed colour, as the style draws it.
            rows.push({ tag: "light: armed button text", front: "white", back: Colors.light.armed, minimum: 4.5 })
            rows.push({ tag: "dark: armed button text", front: "white", back: Colors.dark.armed, minimum: 4.5 })
            return rows
        }

        function test_colour_table(data) {
            verify(data.front !== undefined && data.back !== undefined, "both colours are in the table")
            var r = root.ratio(data.front, data.back)
            verify(r >= data.minimum, data.front + " on " + data.back + ": " + r.toFixed(2))
        }

        // What the window really draws, read from its items in each theme.
        function test_window_data() {
            var rows = []
            var cases = [
                { what: "bar title", minimum: 4.5,
                  front: function () { return child("appBarTitle").color },
                  back: function () { return window.appBar.background.color } },
                { what: "bar state word", minimum: 4.5,
                  front: function () { return child("appBarStatus").color },
                  back: function () { return window.appBar.background.color } },
                { what: "bar button picture", minimum: 3,
                  front: function () { return findChild(window.appBar, "startAction").icon.color },
                  back: function () { return window.appBar.background.color } },
                { what: "card text", minimum: 4.5,
                  front: function () { return child("portCard").Material.foreground },
                  back: function () { return window.backgroundColor } },
                { what: "status, stopped", minimum: 4.5,
                  front: function () { return child("statusLabel").textColor },
                  back: function () { return window.backgroundColor } },
                { what: "status, running", minimum: 4.5, running: true,
                  front: function () { return child("statusLabel").textColor },
                  back: function () { return window.backgroundColor } },
                { what: "status, learning", minimum: 4.5, learning: true,
                  front: function () { return child("statusLabel").textColor },
                  back: function () { return window.backgroundColor } },
                { what: "learn button text", minimum: 4.5,
                  front: function () { return child("leftLearnButton").contentItem.color },
                  back: function () { return child("leftLearnButton").background.color } },
                { what: "armed learn button text", minimum: 4.5, learning: true,
                  front: function () { return child("leftLearnButton").contentItem.color },
                  back: function () { return child("leftLearnButton").background.color } },
                { what: "field placeholder", minimum: 4.5,
                  front: function () { return child("leftReleaseField").placeholderTextColor },
                  back: function () { return window.backgroundColor } },
                { what: "release field underline", minimum: 3,
                  front: function () { return child("rightReleaseField").background.children[0].color },
                  back: function () { return window.backgroundColor } },
                { what: "armed release learn button text", minimum: 4.5, learning: true, channel: 3,
                  front: function () { return child("rightReleaseLearnButton").contentItem.color },
                  back: function () { return child("rightReleaseLearnButton").background.color } },
                { what: "field underline", minimum: 3,
                  front: function () { return child("leftInputField").background.children[0].color },
                  back: function () { return window.backgroundColor } },
                { what: "checked tile text", minimum: 4.5,
                  front: function () { return child("leftChannel").Material.foreground },
                  back: function () {
                      var tile = findChild(child("leftChannel"), "leftButton")
                      tile.checked = true
                      return tile.background.color
                  } },
                { what: "unchecked tile outline", minimum: 3,
                  front: function () { return findChild(child("leftChannel"), "rightButton").background.border.color },
                  back: function () { return window.backgroundColor } },
                { what: "timing field underline", minimum: 3,
                  front: function () {
                      findChild(child("leftChannel"), "timingSection").expanded = true
                      return findChild(child("leftChannel"), "holdSpin").background.children[0].color
                  },
                  back: function () { return window.backgroundColor } },
                { what: "drop-down outline", minimum: 3, settings: true,
                  front: function () { return findChild(setting("languageComboBox"), "controlOutline").border.color },
                  back: function () { return setting("languageGroupBox").Material.background } },
                { what: "unchecked theme choice", minimum: 3, settings: true,
                  front: function () { return setting(window.isDark ? "lightButton" : "darkButton").indicator.border.color },
                  back: function () { return setting("themeGroupBox").Material.background } },
                { what: "error text", minimum: 4.5,
                  front: function () { return child("errorMessage").color },
                  back: function () { return child("errorPlaceholder").background.color },
                  under: function () { return child("errorPlaceholder").background.color } }
            ]
            var themes = [["light", false], ["dark", true]]
            for (var t = 0; t < themes.length; ++t) {
                for (var i = 0; i < cases.length; ++i) {
                    var row = Object.assign({}, cases[i])
                    row.tag = themes[t][0] + ": " + row.what
                    row.dark = themes[t][1]
                    rows.push(row)
                }
            }
            return rows
        }

        function setting(name) {
            var found = findChild(window.pageStack.currentItem, name)
            verify(found, "settings page has " + name)
            return found
        }

        function test_window(data) {
            window.setTheme(data.dark)
            if (data.settings) {
                window.showSettingsPage()
                tryCompare(window.pageStack, "busy", false)
            }
            var page = window.initialPage
            var link = child("mouseCom")
            if (data.running || data.learning)
                link.started = true
            if (data.learning)
                page.toggleLearning(data.channel !== undefined ? data.channel : 0)
            waitForRendering(window.contentItem)
            var back = data.back()
            var under = data.under ? data.under() : window.backgroundColor
            var r = root.ratio(data.front(), back, under)
            verify(r >= data.minimum, data.front() + " on " + back + ": " + r.toFixed(2))
        }

        // A keyboard user sees where the focus is: the mark drawn around the
        // focused control stands out from the surface around it.
        function test_focus_mark_data() {
            return [
                { tag: "learn button, light", name: "leftLearnButton", dark: false },
                { tag: "learn button, dark", name: "leftLearnButton", dark: true },
                { tag: "key button, light", name: "keyName", dark: false },
                { tag: "key button, dark", name: "keyName", dark: true },
                { tag: "channel switch, light", name: "enableSwitch", dark: false },
                { tag: "channel switch, dark", name: "enableSwitch", dark: true },
                { tag: "bar button, light", name: "startAction", dark: false, bar: true },
                { tag: "bar button, dark", name: "startAction", dark: true, bar: true }
            ]
        }

        function test_focus_mark(data) {
            window.setTheme(data.dark)
            window.requestActivate()
            tryCompare(window, "active", true)
            var control = data.bar ? findChild(window.appBar, data.name)
                                   : findChild(child("leftChannel"), data.name) || child(data.name)
            control.forceActiveFocus(Qt.TabFocusReason)
            tryVerify(function () { return control.visualFocus }, 2000, data.name)
            var ring = findChild(control, "focusRing")
            verify(ring !== null, "a focus mark is drawn in " + data.name)
            verify(ring.visible)
            verify(ring.border.width >= 2)
            var back = data.bar ? window.appBar.background.color : window.backgroundColor
            var r = root.ratio(ring.border.color, back)
            verify(r >= 3, ring.border.color + " on " + back + ": " + r.toFixed(2))
            control.focus = false
        }
    }
}
