import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15

// A modal view centred over its parent that fades in and out; Escape or a
// press outside closes it. A keyboard user comes back to the control that had
// the focus before, with its focus mark.
Popup {
    id: root

    property int fadeDuration: 200
    property Item focusBefore: null
    property bool visualFocusBefore: false
    // What a screen reader hears of the view as the focus comes in.
    property string accessibleName: ""
    property string accessibleDescription: ""

    anchors.centerIn: parent
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    // Accessible attaches to the view's item, not to the popup itself.
    Component.onCompleted: {
        var item = root.contentItem.parent
        item.Accessible.name = Qt.binding(function() { return root.accessibleName })
        item.Accessible.description = Qt.binding(function() { return root.accessibleDescription })
    }
    onAboutToShow: {
        root.focusBefore = root.parent ? root.parent.Window.activeFocusItem : null
        root.visualFocusBefore = root.focusBefore !== null && root.focusBefore.visualFocus === true
    }
    onClosed: {
        var control = root.focusBefore
        root.focusBefore = null
        if (!control)
            return
        var reason = root.visualFocusBefore ? Qt.TabFocusReason : Qt.OtherFocusReason
        control.forceActiveFocus(reason)
        // The popup has already handed the focus back by itself, without a
        // reason that shows the mark.
        if (control.focusReason !== undefined)
            control.focusReason = reason
    }

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0.0; to: 1.0; duration: root.fadeDuration }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1.0; to: 0.0; duration: root.fadeDuration }
    }
}
