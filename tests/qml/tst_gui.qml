import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import Korvane.Gui 1.0

// The Korvane.Gui components as the scene uses them: user toggles against
// toggles written by the scene, keyboard operation and focus.
Item {
    id: root

    width: 900
    height: 700

    ButtonGroup {
        id: group
    }

    Column {
        spacing: 4

        SwitchIcon {
            id: left

            objectName: "left"
            text: "Left"
            image: "qrc:/images/hardware/mouse_left.svg"
            buttonGroup: group
            minimumWidth: 150
        }

        SwitchIcon {
            id: right

            objectName: "right"
            text: "Right"
            buttonGroup: group
        }

        SwitchIcon {
            id: single

            objectName: "single"
            text: "Run application on startup"
        }

        LanguageComboBox {
            id: languages

            objectName: "languages"
            width: 300
            languages: [{ "name": "French", "code": "fr" }, { "name": "English", "code": "en" }, null]
            currentCode: "fr"
        }

        TitleIcon {
            id: titleIcon

            text: "General"
            image: "qrc:/images/action/settings.svg"
        }

        LabelIcon {
            id: labelIcon

            text: "Process is stopped"
            image: "qrc:/images/av/pause_circle_outline.svg"
            textColor: "orange"
            overlayColor: "orange"
            pixelSize: 18
        }
    }

    StackPage {
        id: page

        title: "Welcome"
        navActions: [
            PageAction {
                id: settingsAction

                objectName: "settingsAction"
                text: "General"
                category: "Settings"
            },
            PageAction {
                id: hiddenAction

                text: "Hidden"
                category: "Settings"
                visible: false
            },
            PageAction {
                id: exitAction

                objectName: "exitAction"
                text: "Exit"
                category: "General"
            },
            PageAction {
                id: moreAction

                text: "More settings"
                category: "Settings"
            }
        ]
    }

    NavigationPane {
        id: pane

        actions: page.navActions
    }

    OverlayView {
        id: overlay

        width: 200
        height: 100
    }

    Component {
        id: tintedImage

        TintedImage {
            width: 48
            height: 48
            color: "orange"
        }
    }

    Component {
        id: secondPage

        StackPage {
            property bool keep: false

            title: "Second"
            appBar.maxActionCount: 2
            actions: [
                PageAction { objectName: "one"; text: "One" },
                PageAction { objectName: "hidden"; text: "Hidden"; visible: false },
                PageAction { objectName: "two"; text: "Two" },
                PageAction { objectName: "three"; text: "Three" }
            ]
            onGoBack: event.accepted = keep
        }
    }

    Component {
        id: stackWindow

        PageStackWindow {
            width: 600
            height: 400
            visible: true
            initialPage: StackPage {
                title: "First"
                leftAction: PageAction { text: "Menu"; icon.source: "qrc:/images/navigation/menu.svg" }
            }
        }
    }

    SignalSpy {
        id: leftToggled

        target: left
        signalName: "userToggled"
    }

    SignalSpy {
        id: rightToggled

        target: right
        signalName: "userToggled"
    }

    SignalSpy {
        id: singleToggled

        target: single
        signalName: "userToggled"
    }

    SignalSpy {
        id: leftChecked

        target: left
        signalName: "checkedChanged"
    }

    SignalSpy {
        id: activated

        target: languages
        signalName: "activated"
    }

    SignalSpy {
        id: settingsTriggered

        target: settingsAction
        signalName: "triggered"
    }

    TestCase {
        name: "Gui"
        when: windowShown

        function init() {
            left.checked = false;
            right.checked = false;
            single.checked = false;
            leftToggled.clear();
            rightToggled.clear();
            singleToggled.clear();
            leftChecked.clear();
            activated.clear();
            settingsTriggered.clear();
        }

        function test_checkedWrittenByTheSceneIsNoToggle() {
            left.checked = true;
            single.checked = true;
            compare(leftChecked.count, 1, "the ordinary change notification still comes");
            compare(leftToggled.count, 0);
            compare(singleToggled.count, 0);
            right.checked = true;
            compare(left.checked, false, "the group keeps one tile checked");
            compare(leftToggled.count, 0);
            compare(rightToggled.count, 0);
        }

        function test_mouseToggle() {
            mouseClick(left);
            compare(left.checked, true);
            compare(leftToggled.count, 1);
            mouseClick(right);
            compare(right.checked, true);
            compare(left.checked, false);
            compare(rightToggled.count, 1);
            compare(leftToggled.count, 1, "a tile that the group unchecks reports nothing");
            mouseClick(right);
            compare(right.checked, true, "choosing the checked tile again keeps it");
            compare(rightToggled.count, 1);
            mouseClick(single);
            mouseClick(single);
            compare(single.checked, false);
            compare(singleToggled.count, 2);
        }

        function test_keyboard_data() {
            return [
                { tag: "space on a choice", key: Qt.Key_Space, tile: "left", checked: true, userToggled: 1 },
                { tag: "enter on a choice", key: Qt.Key_Return, tile: "left", checked: true, userToggled: 1 },
                { tag: "keypad enter", key: Qt.Key_Enter, tile: "left", checked: true, userToggled: 1 },
                { tag: "space on a switch", key: Qt.Key_Space, tile: "single", checked: true, userToggled: 1 },
                { tag: "enter on a switch", key: Qt.Key_Return, tile: "single", checked: true, userToggled: 1 },
                { tag: "other key", key: Qt.Key_A, tile: "single", checked: false, userToggled: 0 }
            ];
        }

        function test_keyboard(data) {
            var tile = data.tile === "left" ? left : single;
            var spy = data.tile === "left" ? leftToggled : singleToggled;
            tile.forceActiveFocus(Qt.TabFocusReason);
            verify(tile.visualFocus, "keyboard focus is visible");
            keyClick(data.key);
            compare(tile.checked, data.checked);
            compare(spy.count, data.userToggled);
        }

        function test_enterOnCheckedChoiceKeepsIt() {
            left.checked = true;
            left.forceActiveFocus(Qt.TabFocusReason);
            keyClick(Qt.Key_Return);
            compare(left.checked, true);
            compare(leftToggled.count, 0);
        }

        function test_disabledTileIgnoresKeys() {
            single.enabled = false;
            single.forceActiveFocus(Qt.TabFocusReason);
            keyClick(Qt.Key_Return);
            single.enabled = true;
            compare(single.checked, false);
            compare(singleToggled.count, 0);
        }

        function test_tabReachesEveryTile() {
            left.forceActiveFocus(Qt.TabFocusReason);
            keyClick(Qt.Key_Tab);
            verify(right.activeFocus);
            keyClick(Qt.Key_Tab);
            verify(single.activeFocus);
            keyClick(Qt.Key_Tab);
            verify(languages.activeFocus);
        }

        function test_accessibleNames() {
            compare(left.Accessible.name, "Left");
            compare(left.Accessible.role, Accessible.RadioButton);
            compare(single.Accessible.role, Accessible.CheckBox);
            compare(languages.Accessible.name, "French");
            // A box that cannot be typed in is no editable one for a screen reader.
            verify(languages.contentItem.Accessible.ignored);
            compare(left.width >= 150, true, "minimumWidth holds");
        }

        function test_languageList() {
            compare(languages.count, 2, "English first, French once, nothing for a null entry");
            compare(languages.textAt(0), "English");
            compare(languages.textAt(1), "French");
            compare(languages.currentIndex, 1);
            compare(languages.getCurrentCode(), "fr");
        }

        // The arrow keys open the list on the chosen entry; the entry
        // reached has the focus, so that a screen reader says it; Enter
        // chooses, Escape changes nothing.
        function test_languageChosenByKeyboard_data() {
            return [
                { tag: "Up, Up, Enter", keys: [Qt.Key_Up, Qt.Key_Up, Qt.Key_Return], reached: "English", code: "en" },
                { tag: "Enter, Up, Space", keys: [Qt.Key_Return, Qt.Key_Up, Qt.Key_Space], reached: "English", code: "en" },
                { tag: "F4, Up, Escape", keys: [Qt.Key_F4, Qt.Key_Up, Qt.Key_Escape], reached: "English", code: "fr" },
            ];
        }

        function test_languageChosenByKeyboard(data) {
            languages.currentIndex = 1;
            activated.clear();
            languages.forceActiveFocus(Qt.TabFocusReason);
            var list = languages.popup.contentItem;
            for (var i = 0; i < data.keys.length; ++i) {
                keyClick(data.keys[i]);
                if (i === 0) {
                    tryCompare(languages.popup, "opened", true);
                    compare(list.currentItem.Accessible.name, "French", "opens on the chosen entry");
                    compare(activated.count, 0);
                }
                if (i === 1)
                    verify(list.currentItem.activeFocus && list.currentItem.Accessible.name === data.reached);
            }
            tryCompare(languages.popup, "visible", false);
            compare(languages.getCurrentCode(), data.code);
            compare(activated.count, data.code === "en" ? 1 : 0);
            compare(languages.Accessible.name, data.code === "en" ? "English" : "French");
            tryVerify(function() { return languages.activeFocus; }, 2000, "back on the box");
            languages.currentIndex = 1;
        }

        function test_navigationPaneGroupsByCategory() {
            compare(pane.groups.length, 2);
            compare(pane.groups[0].category, "Settings");
            compare(pane.groups[0].actions.length, 2, "hidden actions are left out");
            compare(pane.groups[0].actions[1], moreAction, "order within a category is kept");
            compare(pane.groups[1].category, "General");
            compare(pane.groups[1].actions[0], exitAction);
        }

        function test_navigationPaneByKeyboard() {
            pane.open();
            tryCompare(pane, "opened", true);
            var item = findChild(pane.contentItem, "settingsAction");
            verify(item, "the action has an entry");
            compare(item.Accessible.name, "General");
            item.forceActiveFocus(Qt.TabFocusReason);
            keyClick(Qt.Key_Return);
            compare(settingsTriggered.count, 1);
            tryCompare(pane, "visible", false);
        }

        function test_navigationPaneByTab() {
            pane.open();
            tryCompare(pane, "opened", true);
            var first = findChild(pane.contentItem, "settingsAction");
            verify(first.activeFocus, "the pane opens on its first entry");
            verify(first.visualFocus);
            keyClick(Qt.Key_Tab);
            verify(findChild(pane.contentItem, "navAction_More settings").activeFocus);
            keyClick(Qt.Key_Escape);
            tryCompare(pane, "visible", false);
        }

        function test_overlayClosesOnEscape() {
            overlay.open();
            tryCompare(overlay, "opened", true);
            keyClick(Qt.Key_Escape);
            tryCompare(overlay, "visible", false);
        }

        function test_iconsFromTheResources_data() {
            return [
                { tag: "material icon", source: "qrc:/images/action/settings.svg" },
                { tag: "our mouse picture", source: "qrc:/images/hardware/mouse_scroll.svg" },
                { tag: "banner", source: "qrc:/images/application/korvanne_h.svg" },
                { tag: "tray", source: "qrc:/images/play.png" }
            ];
        }

        function test_iconsFromTheResources(data) {
            var image = createTemporaryObject(tintedImage, root, { "source": data.source });
            tryCompare(image, "status", Image.Ready);
        }

        function test_appBarFollowsTheTopPage() {
            var window = createTemporaryObject(stackWindow, root);
            verify(window);
            var bar = window.appBar;
            compare(findChild(bar, "appBarTitle").text, "First");
            verify(findChild(bar, "appBarLeftAction").visible, "the first page's left action");
            verify(!findChild(bar, "appBarOverflow").visible);
            var second = window.pageStack.push(secondPage);
            compare(findChild(bar, "appBarTitle").text, "Second");
            verify(findChild(bar, "appBarBack").visible);
            compare(findChild(bar, "one").visible, true);
            compare(findChild(bar, "two").visible, true);
            verify(!findChild(bar, "three"), "beyond maxActionCount");
            verify(findChild(bar, "appBarOverflow").visible);
            second.keep = true;
            verify(!window.popPage());
            compare(window.pageStack.depth, 2);
            second.keep = false;
            findChild(bar, "appBarBack").clicked();
            compare(window.pageStack.depth, 1);
            verify(!window.popPage(), "the first page stays");
        }
    }
}
