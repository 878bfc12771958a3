import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Korvane.Gui 1.0

// Asks for one key: the next key pressed is the answer, Escape and the
// application's shortcuts too. A first Escape only asks what was meant, so
// that a keyboard user can still leave without a key: Escape again, or Enter
// on Cancel, cancels; Use Escape takes Escape. Only a click outside closes
// it otherwise.
OverlayView {
    id: root

    // What is asked, naming the channel.
    property string prompt: ""
    property color surfaceColor: "white"
    // The first Escape (key, modifiers and scan code), kept until the user
    // says what it meant; null before.
    property var pendingEscape: null

    // A key was pressed, as { key, modifiers, nativeScanCode }; whoever
    // takes it closes the view.
    signal keyPressed(var event)

    closePolicy: Popup.CloseOnPressOutside
    accessibleName: root.prompt

    onAboutToShow: root.pendingEscape = null
    onOpened: catcher.forceActiveFocus()

    background: Rectangle {
        radius: 15
        color: root.surfaceColor
    }

    Item {
        id: catcher

        objectName: "keyCatcher"
        anchors.fill: parent
        focus: true
        Accessible.role: Accessible.Dialog
        Accessible.name: root.prompt
        Accessible.description: hint.text

        // Application shortcuts (Ctrl+Q quits, F11 goes full screen) must
        // not fire while the user is choosing a key: take them as keys.
        Keys.onShortcutOverride: event.accepted = true
        Keys.onPressed: {
            var buttonKeys = [Qt.Key_Tab, Qt.Key_Backtab, Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter]
            event.accepted = true
            if (root.pendingEscape === null && event.key === Qt.Key_Escape) {
                root.pendingEscape = { "key": event.key, "modifiers": event.modifiers,
                                       "nativeScanCode": event.nativeScanCode }
                cancelButton.forceActiveFocus(Qt.TabFocusReason)
            } else if (root.pendingEscape === null) {
                root.keyPressed(event)
            } else if (event.key === Qt.Key_Escape) {
                root.close()
            } else if (buttonKeys.indexOf(event.key) >= 0) {
                // The buttons' own keys, once a first Escape put the focus on them.
                event.accepted = false
            } else {
                root.keyPressed(event)
            }
        }

        ColumnLayout {
            anchors.centerIn: parent
            width: parent.width - 40
            spacing: 16

            TitleLabel {
                objectName: "keyPrompt"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: root.prompt
                // The view itself says it.
                Accessible.ignored: true
            }

            DialogLabel {
                id: hint

                objectName: "keyHint"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: root.pendingEscape === null
                      ? qsTr("Every key counts, Escape too. Escape twice cancels.")
                      : qsTr("Escape again or Cancel leaves the key as it was; Use Escape takes Escape.")
                Accessible.ignored: true
            }
        }

        RowLayout {
            anchors.bottom: parent.bottom
            anchors.right: parent.right
            anchors.margins: 12

            ActionButton {
                objectName: "keyUseEscape"
                text: qsTr("Use Escape")
                flat: true
                visible: root.pendingEscape !== null
                Accessible.description: hint.text

                onClicked: root.keyPressed(root.pendingEscape)
            }

            ActionButton {
                id: cancelButton

                objectName: "keyCancel"
                text: qsTr("Cancel")
                flat: true
                Accessible.description: root.pendingEscape === null ? "" : hint.text

                onClicked: root.close()
            }
        }
    }
}
