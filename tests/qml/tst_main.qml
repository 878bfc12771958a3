import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls.Material 2.15
import QtTest 1.2
import com.korvane 1.0

// The main window: forwarding of switch presses, the error overlay, port
// auto-selection, theme, full screen, remembered visibility and the window
// operations that the pages call.
Item {
    id: root

    property var window: null
    // Becomes null once the window is really gone.
    property QtObject windowAlive: null

    width: 100
    height: 100

    function child(name) {
        var found = testCase.findChild(window, name);
        testCase.verify(found, "main window has " + name);
        return found;
    }

    SignalSpy {
        id: announced

        target: root.window ? testCase.findChild(root.window, "announcer") : null
        signalName: "announced"
    }

    TestCase {
        id: testCase

        name: "MainWindow"
        when: windowShown

        function initTestCase() {
            configurationLeftChannel.enabled = true;
            configurationRightChannel.enabled = true;
            var component = Qt.createComponent("qrc:/main.qml");
            compare(component.status, Component.Ready, component.errorString());
            root.window = component.createObject(null);
            verify(root.window);
            root.windowAlive = root.window;
            // The tests drive the link themselves.
            child("initialTimer").stop();
            child("mouseCom").stop();
            tryCompare(root.window, "visible", true);
        }

        // The window must be gone while the engine still runs. Left to the
        // engine's last sweep, it is torn down after the scene's contexts,
        // and an overlay still open, or a link that reports its stop on the
        // way out, crashes the test program. So it goes from its worst
        // state: the error overlay open and the link running.
        function cleanupTestCase() {
            if (!root.window)
                return;
            child("mouseCom").error = "Failed to open port COM5\nNo such file or directory";
            child("mouseCom").started = true;
            tryCompare(child("errorPlaceholder"), "opened", true);
            root.window.destroy();
            tryCompare(root, "windowAlive", null);
        }

        // Also after a failed row: an error overlay or drawer left open would
        // spoil the next rows and crash the test program at its end.
        function cleanup() {
            var pane = child("navDrawer");
            child("mouseCom").error = "";
            if (pane.visible)
                pane.close();
            tryCompare(pane, "visible", false);
            tryCompare(child("errorPlaceholder"), "visible", false);
        }

        function init() {
            window.setTheme(false);
            window.__pressed = false;
            configurationLeftChannel.enabled = true;
            configurationRightChannel.enabled = true;
        }

        function test_completion() {
            verify(window.__initialized);
            compare(window.title, Qt.application.displayName);
            compare(window.appBar.maxActionCount, 10);
            compare(window.pageStack.depth, 1);
            compare(window.pageStack.currentItem, window.initialPage);
            compare(child("systemTrayIcon").visible, false, "no tray here");
            compare(child("waitView").visible, false);
            compare(child("errorPlaceholder").visible, false);
        }

        function test_forwarding_data() {
            return [
                { tag: "left enabled", channel: 0, left: true, right: false, forwarded: true },
                { tag: "left disabled", channel: 0, left: false, right: true, forwarded: false },
                { tag: "right enabled", channel: 1, left: false, right: true, forwarded: true },
                { tag: "right disabled", channel: 1, left: true, right: false, forwarded: false },
                { tag: "channel 2", channel: 2, left: true, right: true, forwarded: false },
                { tag: "channel -1", channel: -1, left: true, right: true, forwarded: false }
            ];
        }

        function test_forwarding(data) {
            var mouseCom = child("mouseCom");
            configurationLeftChannel.enabled = data.left;
            configurationRightChannel.enabled = data.right;
            mouseCom.pressed(data.channel);
            compare(window.__pressed, data.forwarded);
            window.__pressed = true;
            mouseCom.released(data.channel);
            compare(window.__pressed, !data.forwarded, "the release takes the same road");
        }

        // A latched channel says what it holds in the window and the tray
        // tooltip; whatever ends the link's port lets go of it.
        function test_latchedInputIsShownAndReleased_data() {
            return [
                { tag: "pause", end: function() { window.setPaused(true); } },
                { tag: "port closed", end: function() { child("mouseCom").portClosed("ttyUSB0"); } },
                { tag: "latch turned off", end: function() { configurationLeftChannel.latch = false; } },
                { tag: "learning starts", end: function() {
                    // As if open, so learning does not try a real port.
                    child("mouseCom").started = true;
                    window.initialPage.toggleLearning(2);
                } }
            ];
        }

        function test_latchedInputIsShownAndReleased(data) {
            var mouseCom = child("mouseCom");
            var tray = child("systemTrayIcon");
            var held = child("heldLabel");
            var tooltip = tray.tooltip;
            configurationLeftChannel.mode = Mode.MOUSE;
            configurationLeftChannel.clickType = ClickType.LEFT;
            configurationLeftChannel.latch = true;
            mouseCom.pressed(0);
            mouseCom.released(0);
            compare(appInterface.heldText, "Left mouse button held");
            compare(tray.tooltip, tooltip + "\nLeft mouse button held");
            verify(held.visible);
            compare(held.text, "Left mouse button held");

            data.end();
            compare(appInterface.heldText, "");
            compare(tray.tooltip.indexOf("held"), -1, tray.tooltip);
            verify(!held.visible);
            window.initialPage.cancelLearning();
            mouseCom.stop();
            configurationLeftChannel.latch = false;
        }

        function test_errorOverlay() {
            var mouseCom = child("mouseCom");
            var overlay = child("errorPlaceholder");
            window.setWindowVisible(false);
            tryCompare(window, "visible", false);
            mouseCom.error = "Failed to open port COM9\nNo such file or directory";
            tryCompare(overlay, "opened", true);
            compare(overlay.label, "Failed to open port COM9\nNo such file or directory");
            compare(child("errorMessage").text, overlay.label);
            tryCompare(window, "visible", true, 5000, "the error brings the window forward");
            verify(!window.active, "but leaves the keyboard focus where it was");
            verify(child("presenter").forwardBySelf);
            verify(child("errorClose").Accessible.name !== "", "the close button is named");
            mouseCom.error = "";
            tryCompare(overlay, "visible", false);
            compare(overlay.label, "");
            tryCompare(window, "visible", false, 5000, "hidden before the error, hidden after it");
            window.setWindowVisible(true);
            tryCompare(window, "visible", true);
        }

        function test_errorOverlayClosedByKeyboard() {
            var mouseCom = child("mouseCom");
            var overlay = child("errorPlaceholder");
            mouseCom.error = "Failed to open port COM9\nNo such file or directory";
            tryCompare(overlay, "opened", true);
            var close = child("errorClose");
            tryVerify(function () { return close.activeFocus; }, 5000, "the overlay opens on its close button");
            verify(close.visualFocus);
            // Its tool tip sits just below it, not far above.
            var tip = child("errorCloseTip");
            tryCompare(tip, "visible", true);
            verify(tip.y >= close.height && tip.y <= close.height + 8, tip.y);
            close.clicked();
            tryCompare(overlay, "visible", false);
            mouseCom.error = "";
        }

        function test_autoSelectPort_data() {
            return [
                { tag: "existing device", name: "/dev/null", kept: true },
                { tag: "unplugged by-id link", name: "/dev/serial/by-id/usb-unplugged-switch", kept: true },
                { tag: "missing link in the home folder", name: "/home/korvane-user/switch", kept: true },
                { tag: "foreign default", name: "COM5", kept: false }
            ];
        }

        function test_autoSelectPort(data) {
            if (Qt.platform.os === "windows")
                skip("device nodes are a Unix matter");
            // Only a USB serial device is taken; with none the port stays unset.
            var ports = child("switchController").usbSerialPorts();
            configurationSwitch.serialName = data.name;
            window.autoSelectPort();
            compare(configurationSwitch.serialName,
                    data.kept ? data.name : (ports.length > 0 ? ports[0] : ""));
        }

        function test_theme() {
            window.setTheme(true);
            verify(window.isDark);
            compare(window.Material.theme, Material.Dark);
            compare(String(window.backgroundColor), "#56595d");
            window.setTheme(false);
            verify(!window.isDark);
            compare(String(window.backgroundColor), "#ffffff");
        }

        function test_pages() {
            window.showSettingsPage();
            compare(window.pageStack.depth, 2);
            compare(window.pageStack.currentItem.objectName, "settings");
            window.back();
            compare(window.pageStack.depth, 1);
            window.showHomePage();
            window.showSettingsPage();
            compare(window.pageStack.depth, 3);
            window.showWelcomePage();
            compare(window.pageStack.depth, 1);
            compare(window.pageStack.currentItem, window.initialPage);
            window.back();
            compare(window.pageStack.depth, 1, "the welcome page stays");
        }

        function test_fullScreen() {
            window.visibility = Window.Windowed;
            tryCompare(window, "visibility", Window.Windowed);
            window.toggleFullScreen(true);
            tryCompare(window, "visibility", Window.FullScreen);
            verify(window.isFullScreen);
            compare(window.appBar.visible, false);
            window.setFullScreen(true, true);
            compare(window.__last_visibility, Window.Windowed, "entering twice keeps the way back");
            window.toggleFullScreen(true);
            tryCompare(window, "visibility", Window.Windowed);
            compare(window.appBar.visible, true);
        }

        function test_visibilityRemembered() {
            var settings = child("windowsSettings");
            window.visibility = Window.Maximized;
            tryCompare(settings, "state", Window.Maximized);
            window.setWindowVisible(false);
            tryCompare(window, "visible", false);
            compare(settings.state, Window.Maximized, "hidden into the tray is not stored");
            window.setWindowVisible(true);
            tryCompare(window, "visible", true);
            window.visibility = Window.Windowed;
            tryCompare(settings, "state", Window.Windowed);
        }

        function test_notificationShowsWindow() {
            window.setWindowVisible(false);
            tryCompare(window, "visible", false);
            appInterface.notificationReceived("second start");
            tryCompare(window, "visible", true);
        }

        function test_pauseLeavesNothingPressed() {
            var mouseCom = child("mouseCom");
            configurationLeftChannel.enabled = true;
            mouseCom.pressed(0);
            verify(window.__pressed);
            window.setPaused(true);
            compare(mouseCom.started, false);
            // The recording back end is not visible from here; releaseAll
            // having run without error is what the scene can check.
            configurationSwitch.serialName = "/dev/korvane-no-such-port";
            window.setPaused(false);
            compare(mouseCom.started, false);
            tryCompare(child("errorPlaceholder"), "opened", true);
            window.stop();
            tryCompare(child("errorPlaceholder"), "visible", false);
        }

        // While the welcome page learns what a button sends, the channels'
        // gate is closed until the learned line has been delivered.
        function test_learningClosesTheGate() {
            var mouseCom = child("mouseCom");
            var page = window.initialPage;
            configurationSwitch.inputLeftChannel = "";
            // As if open, so learning does not try a real port.
            mouseCom.started = true;
            page.toggleLearning(0);
            verify(appInterface.channels.gateClosed);
            mouseCom.lineReceived("L");
            compare(configurationSwitch.inputLeftChannel, "L");
            verify(appInterface.channels.gateClosed, "the learned line is no command");
            tryCompare(appInterface.channels, "gateClosed", false);
            compare(child("changeHistory").text, "Left button sends “L”", "one change, with its undo");
            mouseCom.stop();
            configurationSwitch.inputLeftChannel = "";
        }

        // A press nobody sees being learned would be lost as a command: going
        // to another page or to the tray ends learning.
        function test_learningEndsOutOfSight_data() {
            return [
                { tag: "settings page" },
                { tag: "window hidden" }
            ];
        }

        function test_learningEndsOutOfSight(data) {
            var mouseCom = child("mouseCom");
            var page = window.initialPage;
            mouseCom.started = true;
            page.toggleLearning(1);
            compare(page.learningChannel, 1);
            if (data.tag === "settings page") {
                window.showSettingsPage();
                tryCompare(page, "learningChannel", -1);
                window.showWelcomePage();
                tryCompare(window.pageStack, "depth", 1);
            } else {
                window.setWindowVisible(false);
                tryCompare(page, "learningChannel", -1);
                window.setWindowVisible(true);
                tryCompare(window, "visible", true);
            }
            verify(!appInterface.channels.gateClosed);
            mouseCom.stop();
        }

        // A choice made with the mouse closes the drawer as the keyboard does,
        // also when it opens another page under it.
        function test_drawerClosesOnMouseChoice() {
            var drawer = child("navDrawer");
            drawer.open();
            tryCompare(drawer, "opened", true);
            compare(drawer.contentItem.parent.Accessible.name, "Menu", "a screen reader names the drawer");
            var entry = testCase.findChild(drawer.contentItem, "settingsNavAction");
            verify(entry);
            mouseClick(entry);
            tryCompare(drawer, "visible", false);
            compare(window.pageStack.currentItem.objectName, "settings");
            window.showWelcomePage();
            tryCompare(window.pageStack, "depth", 1);
        }

        // Exit ends the user's input tool: it asks, starts on Cancel, and the
        // keyboard can refuse it.
        function test_exitAsksFirst_data() {
            var exit = function() { window.initialPage.navActions[1].trigger(); };
            return [
                { tag: "space on cancel", key: Qt.Key_Space, ask: exit },
                { tag: "enter on cancel", key: Qt.Key_Return, ask: exit },
                { tag: "keypad enter on cancel", key: Qt.Key_Enter, ask: exit },
                { tag: "escape", key: Qt.Key_Escape, ask: exit },
                { tag: "tray quit", key: Qt.Key_Space, ask: function() { child("trayQuit").triggered(); } },
                // Without a tray a closed window would be a dead switch.
                { tag: "window closed", key: Qt.Key_Escape, ask: function() { window.close(); } }
            ];
        }

        function test_exitAsksFirst(data) {
            var dialog = child("exitDialog");
            data.ask();
            tryCompare(dialog, "opened", true);
            var cancel = child("exitCancel");
            tryVerify(function () { return cancel.activeFocus; }, 5000, "the dialog opens on Cancel");
            verify(child("exitConfirm").visible);
            verify(child("exitMinimise").visible, "no tray here: minimising is offered");
            keyClick(data.key);
            tryCompare(dialog, "visible", false);
            verify(window.visible, "still running");
        }

        // Back from the key capture or the About box, opened from the
        // keyboard, the focus and its mark are on the control that opened it.
        function test_focusMarkAfterOverlays_data() {
            return [
                { tag: "key captured", opener: "keyName", answer: Qt.Key_F5, view: "keyOverlay" },
                { tag: "About box", opener: "helpAction", answer: Qt.Key_Escape, view: "aboutView" }
            ];
        }

        function test_focusMarkAfterOverlays(data) {
            var key = configurationLeftChannel.key;
            var opener = testCase.findChild(data.view === "aboutView" ? window.appBar : window.initialPage, data.opener);
            opener.forceActiveFocus(Qt.TabFocusReason);
            keyClick(Qt.Key_Return);
            var view = child(data.view);
            tryCompare(view, "opened", true);
            keyClick(data.answer);
            tryCompare(view, "visible", false);
            tryVerify(function() { return opener.activeFocus; }, 5000, "back on " + data.opener);
            verify(opener.visualFocus, "with its focus mark");
            configurationLeftChannel.key = key;
        }

        // A screen reader is told each change of state once, as it happens.
        function test_announcements_data() {
            var mouseCom = function() { return child("mouseCom"); };
            return [
                { tag: "paused", said: "Paused", act: function() { window.stop(); } },
                { tag: "learning", said: "Press the left button of the device…", act: function() {
                    mouseCom().started = true;
                    window.initialPage.toggleLearning(0);
                } },
                { tag: "a held key", said: "Left mouse button held", act: function() {
                    mouseCom().pressed(0);
                    mouseCom().released(0);
                } },
                { tag: "the undo notice", said: "", act: function() {
                    configurationLeftChannel.holdMs = configurationLeftChannel.holdMs + 50;
                } },
                { tag: "an error, the window in the background", said: "No such file", act: function() {
                    window.setWindowVisible(false);
                    tryCompare(window, "active", false);
                    mouseCom().error = "No such file";
                } }
            ];
        }

        // Until what is already queued has been delivered.
        function settle() {
            var settled = false;
            Qt.callLater(function() { settled = true; });
            tryVerify(function() { return settled; });
        }

        function test_announcements(data) {
            var announcer = child("announcer");
            var controller = child("switchController");
            controller.start();
            child("mouseCom").started = true;
            configurationLeftChannel.mode = Mode.MOUSE;
            configurationLeftChannel.clickType = ClickType.LEFT;
            configurationLeftChannel.latch = data.tag === "a held key";
            settle();
            announced.clear();
            data.act();
            var said = function() { return data.said !== "" ? data.said : child("changeHistory").text; };
            var times = function() {
                return announced.signalArguments.filter(function(args) { return args[0] === said(); }).length;
            };
            tryVerify(function() { return times() > 0; }, 5000, said());
            settle();
            compare(times(), 1, "said once");
            compare(announcer.Accessible.role, Accessible.Notification);
            window.initialPage.cancelLearning();
            child("mouseCom").error = "";
            window.setWindowVisible(true);
            tryCompare(window, "visible", true);
            window.stop();
            configurationLeftChannel.latch = false;
        }

        function test_traySettingsOpensTheSettingsPage() {
            window.setWindowVisible(false);
            tryCompare(window, "visible", false);
            child("traySettings").triggered();
            tryCompare(window, "visible", true);
            compare(window.pageStack.currentItem.objectName, "settings");
            child("traySettings").triggered();
            compare(window.pageStack.depth, 2, "not pushed twice");
            window.showWelcomePage();
            tryCompare(window.pageStack, "depth", 1);
        }

        // A tile clicked by mistake is taken back from the notice, by keyboard.
        function test_undoAfterTileClick() {
            var history = child("changeHistory");
            var notice = child("undoNotice");
            configurationLeftChannel.mode = Mode.KEYBOARD;
            configurationLeftChannel.key = Qt.Key_B;
            configurationLeftChannel.clickType = ClickType.LEFT;
            history.dismiss();
            var left = testCase.findChild(window.initialPage, "leftChannel");
            var tile = testCase.findChild(left, "rightButton");
            tile.forceActiveFocus(Qt.TabFocusReason);
            keyClick(Qt.Key_Space);
            compare(Number(configurationLeftChannel.mode), Mode.MOUSE);
            tryCompare(notice, "opacity", 1);
            compare(notice.text, "Left Channel: right click");
            compare(notice.Accessible.role, Accessible.AlertMessage);
            var undo = child("undoNoticeAction");
            undo.forceActiveFocus(Qt.TabFocusReason);
            keyClick(Qt.Key_Space);
            compare(Number(configurationLeftChannel.mode), Mode.KEYBOARD);
            compare(Number(configurationLeftChannel.clickType), ClickType.LEFT);
            compare(configurationLeftChannel.key, Qt.Key_B);
            verify(testCase.findChild(left, "keyboardModeSwitch").checked, "the tiles follow");
            verify(!tile.checked);
            tryCompare(notice, "visible", false);
            verify(!history.canUndo, "undoing is no change of its own");
        }

        function test_notices_data() {
            return [
                { tag: "no tray", name: "trayNotice", says: "No systray was found.",
                  raise: function() { windowNotices.setTrayMissing(true); }, end: null },
                { tag: "damaged settings", name: "settingsNotice", says: "/home/u/.korvane/korvane.json.bak",
                  raise: function() { windowNotices.reportUnreadSettings("/home/u/.korvane/korvane.json",
                                                                         "/home/u/.korvane/korvane.json.bak"); },
                  end: null },
                { tag: "damaged settings, then a setting changed", name: "settingsNotice", says: "runs on its defaults",
                  raise: function() { windowNotices.reportUnreadSettings("/x/korvane.json", "/x/korvane.json"); },
                  end: function() { configurationRightChannel.holdMs = configurationRightChannel.holdMs + 10; } },
                { tag: "a switch found", name: "portNotice", says: "ttyUSB3",
                  raise: function() { child("switchController").portFound("ttyUSB3"); }, end: null }
            ];
        }

        function test_notices(data) {
            var notice = testCase.findChild(window.initialPage, data.name);
            verify(!notice.visible);
            data.raise();
            tryCompare(notice, "visible", true);
            verify(notice.text.indexOf(data.says) >= 0, notice.text);
            if (data.end) {
                data.end();
            } else {
                var close = testCase.findChild(notice, data.name + "Close");
                close.forceActiveFocus(Qt.TabFocusReason);
                keyClick(Qt.Key_Return);
            }
            tryCompare(notice, "visible", false);
        }

        // The same state word in the page, the app bar and the tray, and a
        // picture of its own in the tray.
        function test_stateEverywhere_data() {
            return [
                { tag: "running", state: "running", line: "L", word: "Running", icon: "tray_running" },
                { tag: "nothing learned", state: "running", line: "", word: "Set up the buttons", icon: "tray_setup" },
                { tag: "paused", state: "paused", line: "L", word: "Paused", icon: "tray_paused" },
                { tag: "waiting", state: "waiting", line: "L", word: "Waiting for the device", icon: "tray_waiting" }
            ];
        }

        function test_stateEverywhere(data) {
            var mouseCom = child("mouseCom");
            var controller = child("switchController");
            var tray = child("systemTrayIcon");
            var oldPort = configurationSwitch.serialName;
            configurationSwitch.inputLeftChannel = data.line;
            if (data.state === "running") {
                controller.start();
                mouseCom.started = true;
            } else if (data.state === "paused") {
                window.stop();
            } else {
                controller.start();
                controller.choosePort("/dev/korvane-no-such-port");
            }
            compare(controller.statusText, data.word);
            compare(String(tray.iconSource), "qrc:/images/" + data.icon + ".png");
            verify(String(tray.tooltip).indexOf(data.word) >= 0, tray.tooltip);
            compare(child("trayPause").text, data.state === "paused" ? "Start" : "Pause");
            var page = window.initialPage;
            compare(testCase.findChild(page, "statusLabel").text, data.word);
            compare(child("comCombobox").Accessible.description, controller.portDescription);
            // Scrolled to the bottom, the word is still in sight in the bar.
            var flick = testCase.findChild(page, "flick");
            flick.contentY = Math.max(0, flick.contentHeight - flick.height);
            var barStatus = child("appBarStatus");
            compare(barStatus.text, data.word);
            verify(barStatus.visible);
            var top = barStatus.mapToItem(window.contentItem.parent, 0, 0).y;
            verify(top >= 0 && top + barStatus.height <= window.height, top);
            flick.contentY = 0;
            child("errorPlaceholder").close();
            window.stop();
            configurationSwitch.serialName = oldPort;
            configurationSwitch.inputLeftChannel = "";
        }

        // A size or place remembered at another scale or on a larger screen
        // is brought back within the screen.
        function test_keepOnScreen_data() {
            return [
                { tag: "too tall", x: 10, y: 10, width: 600, height: 5000 },
                { tag: "too wide", x: 0, y: 0, width: 5000, height: 400 },
                { tag: "past the bottom right", x: 5000, y: 5000, width: 600, height: 400 },
                { tag: "above and left", x: -300, y: -200, width: 600, height: 400 },
                { tag: "already inside", x: 20, y: 30, width: 600, height: 400 }
            ];
        }

        function test_keepOnScreen(data) {
            window.visibility = Window.Windowed;
            tryCompare(window, "visibility", Window.Windowed);
            window.x = data.x;
            window.y = data.y;
            window.width = data.width;
            window.height = data.height;
            window.keepOnScreen();
            var area = child("presenter").availableArea();
            verify(window.width <= area.width && window.height <= area.height,
                   window.width + "x" + window.height);
            verify(window.x >= area.x && window.x + window.width <= area.x + area.width, window.x);
            verify(window.y >= area.y && window.y + window.height <= area.y + area.height, window.y);
            if (data.tag === "already inside") {
                compare(window.x, data.x);
                compare(window.y, data.y);
                compare(window.width, data.width);
                compare(window.height, data.height);
            }
            window.width = 860;
            window.height = 780;
        }

        function test_screenshots_data() {
            return [
                { tag: "light", dark: false, error: false, pane: false },
                { tag: "dark", dark: true, error: false, pane: false },
                { tag: "error_light", dark: false, error: true, pane: false },
                { tag: "error_dark", dark: true, error: true, pane: false },
                { tag: "navigation_dark", dark: true, error: false, pane: true }
            ];
        }

        function test_screenshots(data) {
            window.visibility = Window.Windowed;
            window.width = 860;
            window.height = 780;
            window.setTheme(data.dark);
            if (typeof screenshotDir === "undefined" || screenshotDir === "")
                skip("no screenshot folder");
            var overlay = child("errorPlaceholder");
            var pane = child("navDrawer");
            if (data.error) {
                child("mouseCom").error = "Failed to open port COM5\nNo such file or directory";
                tryCompare(overlay, "opacity", 1.0);
            }
            if (data.pane) {
                pane.open();
                tryCompare(pane, "position", 1.0);
            }
            waitForRendering(window.contentItem);
            // The window's root item: the application bar and the page.
            var image = grabImage(window.contentItem.parent);
            image.save(screenshotDir + "/main_" + data.tag + ".png");
            child("mouseCom").error = "";
            pane.close();
            tryCompare(overlay, "visible", false);
            tryCompare(pane, "visible", false);
        }
    }
}
