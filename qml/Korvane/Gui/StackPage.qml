import QtQuick 2.15
import QtQuick.Controls 2.15

// A page of the page-stack window. The application bar shows the title and
// the actions of the page on top of the stack.
Page {
    id: root

    property list<Action> actions
    // Shown at the bar's left while the page is at the bottom of the stack.
    property Action leftAction: null
    // Offered by the navigation pane, grouped by each action's `category`.
    property list<Action> navActions
    readonly property PageAppBar appBar: PageAppBar {}
    // A short state shown in the application bar beside the title, so it
    // stays in sight however far the page scrolls.
    property string statusText: ""

    // Emitted before the page is popped by the bar's back button or the back
    // key; set event.accepted to keep the page.
    signal goBack(var event)
}
