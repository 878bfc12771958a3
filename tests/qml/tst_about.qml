import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.15

// The About box follows the window's size and the theme.
Item {
    id: window

    width: 600
    height: 700
    Material.theme: Material.Dark

    Button {
        id: opener

        objectName: "opener"
        text: "About"
        focusPolicy: Qt.StrongFocus
    }

    TestCase {
        id: testCase

        name: "AboutView"
        when: windowShown

        function make() {
            var component = Qt.createComponent("qrc:/AboutView.qml")
            verify(component.status === Component.Ready, component.errorString())
            var about = createTemporaryObject(component, window)
            verify(about !== null)
            return about
        }

        function test_size_follows_window_data() {
            return [
                { tag: "600 x 700", width: 600, height: 700, aboutWidth: 570, aboutHeight: 500 },
                { tag: "1000 x 400", width: 1000, height: 400, aboutWidth: 800, aboutHeight: 380 },
                { tag: "800 x 500", width: 800, height: 500, aboutWidth: 800, aboutHeight: 500 },
                { tag: "799 x 499", width: 799, height: 499, aboutWidth: 759.05, aboutHeight: 474.05 },
            ]
        }

        function test_size_follows_window(data) {
            window.width = data.width
            window.height = data.height
            var about = make()
            about.open()
            tryCompare(about, "opened", true)
            fuzzyCompare(about.width, data.aboutWidth, 0.01)
            fuzzyCompare(about.height, data.aboutHeight, 0.01)
            about.close()
            tryCompare(about, "visible", false)
        }

        function test_contents() {
            window.width = 860
            window.height = 780
            Qt.application.version = "1.0.0"
            var about = make()
            // As the window passes them on.
            about.Material.theme = Material.Dark
            about.cardColor = "#56595d"
            about.visible = true
            tryCompare(about, "opened", true)
            compare(findChild(about.contentItem, "textLabel").text, "Version 1.0.0")
            compare(findChild(about.contentItem, "aboutImage").source.toString(),
                    "qrc:/images/application/korvanne.svg")
            compare(findChild(about.contentItem, "aboutImage").status, Image.Ready)
            // The dark theme's card, with the theme's text colour on it.
            verify(Qt.colorEqual(about.background.color, "#56595d"))
            compare(findChild(about.contentItem, "aboutTagline").text, "switch access to your computer")
            verify(Qt.colorEqual(findChild(about.contentItem, "textLabel").color, about.Material.foreground))
            if (typeof screenshotDir !== "undefined" && screenshotDir !== "") {
                waitForRendering(about.contentItem)
                grabImage(window).save(screenshotDir + "/about.png")
            }
            keyClick(Qt.Key_Escape)
            tryCompare(about, "visible", false)
        }

        function test_focus_returns_after_closing() {
            var about = make()
            opener.forceActiveFocus(Qt.TabFocusReason)
            about.visible = true
            tryCompare(about, "opened", true)
            verify(!opener.activeFocus)
            keyClick(Qt.Key_Escape)
            tryCompare(about, "visible", false)
            verify(opener.activeFocus)
            verify(opener.visualFocus)
        }
    }
}
