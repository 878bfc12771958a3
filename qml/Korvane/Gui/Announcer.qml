import QtQuick 2.15

// Says a short text to a screen reader as it happens: a notification that
// appears anew with each text. Orca reads a notification when it appears; it
// reads no change of a Qt Quick item's name, description or text unless the
// item has the keyboard focus. Nothing of it is drawn.
Item {
    id: root

    // The last text said.
    property string text: ""

    signal announced(string text)

    function announce(message) {
        if (!message)
            return
        root.text = message
        root.visible = false
        root.visible = true
        root.announced(message)
    }

    width: 1
    height: 1
    visible: false
    Accessible.role: Accessible.Notification
    Accessible.name: root.text
}
