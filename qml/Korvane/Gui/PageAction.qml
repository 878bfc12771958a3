import QtQuick 2.15
import QtQuick.Controls 2.15

// An action shown by the application bar (a page's `actions`, `leftAction`)
// or by the navigation pane (a page's `navActions`, grouped by `category`).
Action {
    id: root

    // A hidden action is left out of the bar and the pane.
    property bool visible: true
    // Shown on hover and keyboard focus; the text when empty.
    property string toolTip: ""
    // Heading under which the navigation pane lists the action.
    property string category: ""
}
