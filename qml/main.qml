import QtQml 2.2
import QtQuick 2.10
import QtQuick.Layouts 1.0
import QtQuick.Controls 2.3
import QtQuick.Controls 2.3 as Controls
import QtQuick.Controls.Material 2.3
import QtQuick.Controls.Universal 2.3
import QtQuick.Window 2.0
import QtQuick.Dialogs 1.3
import QtMultimedia 5.8
import QtGraphicalEffects 1.0
import Qt.labs.platform 1.0
import Qt.labs.settings 1.0
import Korvane.Gui 1.0 as Gui
import com.korvane 1.0

Gui.PageStackWindow {
    id: window

    property string iconColor: Material.iconColor
    readonly property bool isDark: Material.theme === Material.Dark
    readonly property var colors: Gui.Colors.scheme(isDark)
    property color backgroundColor: colors.card
    property bool __pressed: false
    property bool __initialized: false
    readonly property bool firstStartNow: typeof firstStart !== "undefined" && firstStart
    // Set when the user confirmed Exit: the window may close then.
    property bool exitConfirmed: false
    // The first start tells, once, where the program goes when its window closes.
    property bool trayHintGiven: false
    property int __last_visibility: Window.Maximized
    // The tray picture of each switch status, in the order of its values.
    readonly property var trayIcons: ["qrc:/images/tray_running.png", "qrc:/images/tray_paused.png",
                                      "qrc:/images/tray_waiting.png", "qrc:/images/tray_setup.png"]
    readonly property bool isFullScreen: visibility === Window.FullScreen

    function start() {
        return switchController.start();
    }

    // The user's pause; the controller lets go of whatever a press left down.
    function stop() {
        switchController.pause();
    }

    function restart() {
        mouseCom.restart();
    }

    // Also logged: what the user was told is part of what happened.
    function showTrayMessage(text) {
        if (!systemTrayIcon.visible)
            return;
        var message = text.indexOf("%1") >= 0 ? text.arg(Qt.application.displayName) : text;
        console.log("Tray message: " + message);
        systemTrayIcon.showMessage(Qt.application.displayName, message);
    }

    function setPaused(pause) {
        if (pause) {
            stop();
            showTrayMessage(qsTr("%1 is paused."));
        } else if (start()) {
            showTrayMessage(qsTr("%1 is running ..."));
        } else {
            showTrayMessage(qsTr("Cannot start %1 !"));
        }
    }

    function updateConfiguration() {
        appInterface.updateConfiguration();
    }

    function setFullScreen(fullscreen, appbar) {
        if (!fullscreen) {
            window.visibility = __last_visibility;
            if (appbar)
                appBar.visible = true;
        } else {
            // Entering twice must not forget the way back.
            if (window.visibility !== Window.FullScreen)
                __last_visibility = window.visibility;
            window.showFullScreen();
            if (appbar)
                appBar.visible = false;
        }
    }

    function toggleFullScreen(appbar) {
        setFullScreen(window.visibility !== Window.FullScreen, appbar);
    }

    // Keeps the whole window within its screen's available area: a geometry
    // remembered at another scale, or on a larger screen, would put part of
    // it out of reach.
    function keepOnScreen() {
        presenter.keepOnScreen();
    }

    // The user's own request (the tray, a second start): shown and focused.
    // Hidden, not closed: without a tray closing would end the program.
    function setWindowVisible(visible) {
        if (visible)
            presenter.present();
        else
            window.hide();
    }

    // Korvane has something to say by itself: in front, but the keys stay
    // with the program the user is in.
    function bringForward() {
        presenter.bringForward();
    }

    function exit() {
        appInterface.exit();
    }

    // In a window that has the focus the error view reads itself as it
    // takes the focus; otherwise a screen reader is told.
    function announceError(error) {
        if (!window.active)
            announcer.announce(error);
    }

    // Exit ends the user's input tool: it is confirmed first, in a window
    // the user can see.
    function confirmExit() {
        if (!window.visible || window.visibility === Window.Minimized)
            setWindowVisible(true);
        exitDialog.open();
    }

    function setTheme(dark) {
        window.Material.theme = dark ? Material.Dark : Material.Light;
    }

    function back() {
        if (pageStack.depth > 1)
            pageStack.pop();
    }

    function showHomePage() {
        pageStack.push("qrc:/PageHome.qml");
    }

    // The page's colours follow the theme the user may change on it.
    function showSettingsPage() {
        if (pageStack.currentItem && pageStack.currentItem.objectName === "settings")
            return;
        pageStack.push("qrc:/PageSettings.qml", {
                           "cardColor": Qt.binding(function() { return window.backgroundColor; }),
                           "iconColor": Qt.binding(function() { return window.iconColor; })
                       });
    }

    function showWelcomePage() {
        pageStack.pop(pageWelcome);
    }

    function isChannelEnabled(channel) {
        if (channel === 0)
            return configurationLeftChannel.enabled;
        if (channel === 1)
            return configurationRightChannel.enabled;
        return false;
    }

    function autoSelectPort() {
        switchController.autoSelectPort();
    }

    title: Qt.application.displayName
    visible: true
    Material.primary: colors.primary
    Material.accent: colors.accent
    width: 860
    height: 780
    appBar.maxActionCount: 10
    initialPage: PageWelcome {
        id: pageWelcome

        controller: switchController
        navigationPane: navDrawer
        aboutBox: aboutView
        notices: windowNotices
        firstStart: window.firstStartNow
        coveredBottom: undoNotice.shown ? undoNotice.height + undoNotice.anchors.bottomMargin : 0
        isDark: window.isDark
        cardColor: window.backgroundColor
        iconColor: window.iconColor
    }

    onVisibilityChanged: {
        if (__initialized && visibility !== Window.Hidden)
            windowsSettings.state = visibility;
    }
    onVisibleChanged: {
        if (!visible && firstStartNow && systrayEnabled && !trayHintGiven) {
            trayHintGiven = true;
            showTrayMessage(qsTr("%1 runs in the tray. Click its icon to open the window."));
        }
    }
    // Without a tray a closed window is a switch that no longer works: the
    // user confirms, or keeps it minimised.
    onClosing: {
        if (!systrayEnabled && !window.exitConfirmed) {
            close.accepted = false;
            confirmExit();
        }
    }

    Component.onCompleted: {
        if (windowsSettings.state !== 0)
            window.visibility = windowsSettings.state;
        setTheme(configuration.isDark());
        showWelcomePage();
        // Back from a restart the user asked for in the window: shown, on
        // the page it was left from.
        var restarted = typeof restartPage === "string";
        if (restarted && restartPage === "settings")
            showSettingsPage();
        __initialized = true;
        autoSelectPort();
        // The remembered geometry is applied by now or at the latest in
        // this turn of the loop.
        keepOnScreen();
        Qt.callLater(keepOnScreen);
        // The very first start shows the window: there is a switch to set
        // up. So do settings that could not be read: the user must know.
        if (restarted)
            setWindowVisible(true);
        else if (systrayEnabled && !window.firstStartNow && windowNotices.settingsText === "")
            setWindowVisible(false);
        initialTimer.restart();
    }

    Timer {
        id: initialTimer

        objectName: "initialTimer"
        interval: 1000
        repeat: false
        onTriggered: window.start()
    }

    SwitchController {
        id: switchController

        objectName: "switchController"
        link: mouseCom
        configuration: configurationSwitch
        channels: appInterface.channels

        // The switch's own pause gesture says so as the tray does.
        onPausedFromSwitch: window.showTrayMessage(paused ? qsTr("%1 is paused.") : qsTr("%1 is running ..."))
    }

    SystemTrayIcon {
        id: systemTrayIcon

        objectName: "systemTrayIcon"
        iconSource: window.trayIcons[switchController.status]
        tooltip: Qt.application.displayName + " – " + switchController.statusText
                 + (appInterface.heldText !== "" ? "\n" + appInterface.heldText : "")

        // After the icon: the tray loads the icon once shown and paints it
        // as soon as it is there (the one "No Icon set" warning is harmless).
        visible: systrayEnabled ? true : false

        onActivated: {
            if (reason === SystemTrayIcon.MiddleClick)
                window.setPaused(!switchController.paused);
            else if (reason === SystemTrayIcon.Trigger)
                window.setWindowVisible(!window.visible || window.visibility === Window.Minimized);
        }
        onMessageClicked: window.setWindowVisible(true)

        menu: Menu {
            MenuItem {
                objectName: "trayPause"
                text: switchController.paused ? qsTr("Start") : qsTr("Pause")
                onTriggered: window.setPaused(!switchController.paused)
            }
            MenuItem {
                objectName: "traySettings"
                text: qsTr("Settings")
                onTriggered: {
                    window.setWindowVisible(true);
                    window.showSettingsPage();
                }
            }
            MenuItem {
                objectName: "trayQuit"
                text: qsTr("Quit")
                onTriggered: window.confirmExit()
            }
        }
    }

    Settings {
        id: windowsSettings

        objectName: "windowsSettings"
        property int state: 0
        property alias x: window.x
        property alias y: window.y
        property alias width: window.width
        property alias height: window.height
    }

    Shortcut {
        sequence: Qt.platform.os === "osx" ? "Ctrl+Meta+F" : "F11"
        autoRepeat: false
        onActivated: window.toggleFullScreen(true)
    }

    Gui.NavigationPane {
        id: navDrawer

        objectName: "navDrawer"
        title: window.title
        accessibleName: qsTr("Menu")
        actions: pageStack.currentItem && pageStack.currentItem.navActions ? pageStack.currentItem.navActions : []
    }

    Gui.WaitView {
        id: waitView

        objectName: "waitView"
        visible: false
    }

    AboutView {
        id: aboutView

        visible: false
        cardColor: window.backgroundColor
    }

    MouseCom {
        id: mouseCom

        objectName: "mouseCom"
        channelKey1: configurationSwitch.inputLeftChannel
        channelKey2: configurationSwitch.inputRightChannel
        releaseKey1: configurationSwitch.releaseLeftChannel
        releaseKey2: configurationSwitch.releaseRightChannel

        onPressed: {
            console.log(channel + "  ->  " + configurationLeftChannel.enabled);
            console.log(channel + "  ->  " + configurationRightChannel.enabled);
            if (window.isChannelEnabled(channel)) {
                appInterface.buttonPressed(channel);
                window.__pressed = true;
            }
        }
        onReleased: {
            if (window.isChannelEnabled(channel)) {
                appInterface.buttonReleased(channel);
                window.__pressed = false;
            }
        }
        // The tray says it too; once the error is gone the window goes back
        // to how it was (hidden stays hidden).
        onErrorChanged: {
            errorPlaceholder.label = error;
            if (error !== "") {
                window.announceError(error);
                errorPlaceholder.visible = true;
                window.bringForward();
                window.showTrayMessage(error);
                console.log(error);
            } else {
                errorPlaceholder.visible = false;
                presenter.settle();
            }
        }
    }

    Gui.OverlayView {
        id: errorPlaceholder

        property alias label: message.text

        objectName: "errorPlaceholder"
        width: parent.width < 850 ? parent.width * 0.9 : 850
        height: parent.height < 250 ? parent.height * 0.75 : 250

        // Enter or Space closes it at once: the focus ring shows where.
        onOpened: {
            closeErrorButton.forceActiveFocus(Qt.TabFocusReason);
            closeErrorButton.focusReason = Qt.TabFocusReason;
        }

        background: Rectangle {
            radius: 15
            color: errorPlaceholder.Material.backgroundColor
        }

        Image {
            id: warningImage

            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.leftMargin: 9
            width: errorPlaceholder.width / 8
            source: "qrc:/images/alert/warning.svg"
            sourceSize.width: width
            fillMode: Image.PreserveAspectFit
            mipmap: true
            visible: false
        }

        ColorOverlay {
            id: warningOverlay

            anchors.fill: warningImage
            source: warningImage
            color: window.colors.warning
        }

        Gui.TitleLabel {
            id: message

            objectName: "errorMessage"
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.left: warningImage.right
            anchors.leftMargin: 30
            anchors.right: closeErrorButton.left
            text: qsTr("")
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            elide: Text.ElideNone
            fontSizeMode: Text.Fit
            // The label's size is in pixels, so the pixel floor is the one
            // that applies; it matches 14 points at 96 dpi.
            minimumPointSize: 14
            minimumPixelSize: 19
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
        }

        // Escape and a press outside close the overlay too; the button is
        // there for those who cannot aim outside it or reach Escape.
        ToolButton {
            id: closeErrorButton

            objectName: "errorClose"
            anchors.top: parent.top
            anchors.right: parent.right
            icon.source: "qrc:/images/navigation/close.svg"
            display: AbstractButton.IconOnly
            text: qsTr("Close")
            focus: true
            Accessible.name: text

            onClicked: errorPlaceholder.close()

            Gui.Activation {
            }

            Gui.FocusRing {
            }

            Gui.ButtonToolTip {
                objectName: "errorCloseTip"
            }
        }
    }

    // Opens on Cancel, so Enter or Space right after does no harm; Escape or
    // a press outside cancels too.
    // Qualified: QtQuick.Dialogs has a Dialog of its own.
    Controls.Dialog {
        id: exitDialog

        objectName: "exitDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(parent ? parent.width * 0.9 : 480, 480)
        modal: true
        focus: true
        title: qsTr("Exit %1?").arg(Qt.application.displayName)

        onOpened: exitCancel.forceActiveFocus(Qt.TabFocusReason)
        onAccepted: {
            window.exitConfirmed = true;
            window.exit();
        }

        Label {
            objectName: "exitText"
            // The dialog's own width, not the content's: the wrapped height
            // must not feed back into the width it wraps at.
            width: exitDialog.availableWidth
            wrapMode: Text.WordWrap
            text: qsTr("The switch stops working until %1 is started again.").arg(Qt.application.displayName)
                  + (systrayEnabled ? "" : " " + qsTr("Minimise keeps it working out of the way."))
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        footer: DialogButtonBox {
            Gui.ActionButton {
                id: exitCancel

                objectName: "exitCancel"
                text: qsTr("Cancel")
                flat: true
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
            // Without a tray, the way to have the window out of the way.
            Gui.ActionButton {
                objectName: "exitMinimise"
                text: qsTr("Minimise")
                flat: true
                visible: !systrayEnabled
                DialogButtonBox.buttonRole: DialogButtonBox.ActionRole

                onClicked: {
                    exitDialog.close();
                    window.showMinimized();
                }
            }
            Gui.ActionButton {
                objectName: "exitConfirm"
                text: qsTr("Exit")
                flat: true
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
        }
    }

    Connections {
        target: appInterface

        function onNotificationReceived(notification) {
            window.setWindowVisible(true);
        }

        function onHeldTextChanged(heldText) {
            announcer.announce(heldText);
        }

        // Keys and clicks cannot reach the desktop: say so and what to do.
        function onInputProblemChanged(problem) {
            if (problem === "")
                return;
            errorPlaceholder.label = problem.arg(Qt.application.displayName);
            window.announceError(errorPlaceholder.label);
            errorPlaceholder.visible = true;
            window.bringForward();
            showTrayMessage(problem);
        }
    }

    Connections {
        target: switchController

        function onPortFound(port) {
            windowNotices.reportPortFound(port);
        }

        function onStatusChanged() {
            announcer.announce(switchController.statusText);
        }

        function onLearningChannelChanged(channel) {
            if (channel >= 0)
                announcer.announce(pageWelcome.lineTexts(channel).prompt);
        }
    }

    // What a screen reader is told as it happens, each once: the switch's
    // state, the learning prompt, what a latched channel holds, the change
    // that can be undone and the errors.
    Gui.Announcer {
        id: announcer

        objectName: "announcer"
    }

    Connections {
        target: changeHistory

        function onRecorded(text) {
            announcer.announce(text);
        }
    }

    WindowPresenter {
        id: presenter

        objectName: "presenter"
        window: window
    }

    // What the user last changed in a channel or a line, with the way back.
    ChangeHistory {
        id: changeHistory

        objectName: "changeHistory"
        configuration: configurationSwitch
    }

    Shortcut {
        sequences: [StandardKey.Undo]
        enabled: changeHistory.canUndo
        onActivated: changeHistory.undo()
    }

    Gui.Snackbar {
        id: undoNotice

        objectName: "undoNotice"
        parent: window.contentItem
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        width: Math.min(640, parent.width - 32)
        z: 5
        shown: changeHistory.shown
        text: changeHistory.text
        actionText: qsTr("Undo")
        actionName: qsTr("Undo: %1").arg(changeHistory.text)
        surfaceColor: window.colors.snackbar
        textColor: window.colors.onSnackbar
        actionColor: window.colors.snackbarAction

        onHeldChanged: changeHistory.setHeld(held)
        onActionTriggered: changeHistory.undo()
        onDismissed: changeHistory.dismiss()
    }
}
