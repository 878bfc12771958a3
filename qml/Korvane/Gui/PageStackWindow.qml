import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// Application window holding a stack of pages under an application bar. The
// bar follows the page on top: title, actions, back button above the first.
ApplicationWindow {
    id: root

    property alias appBar: appToolBar
    property alias pageStack: stack
    // The page at the bottom of the stack.
    property Item initialPage: null

    // Pops the top page unless it is the first one or it keeps itself open.
    function popPage() {
        if (stack.depth <= 1)
            return false;
        var page = stack.currentItem;
        var event = { "accepted": false };
        if (page && page.goBack)
            page.goBack(event);
        if (event.accepted)
            return false;
        stack.pop();
        return true;
    }

    header: AppToolBar {
        id: appToolBar

        page: stack.currentItem
        canGoBack: stack.depth > 1
        onBackRequested: root.popPage()
    }

    Shortcut {
        sequences: [StandardKey.Back]
        onActivated: root.popPage()
    }

    StackView {
        id: stack

        objectName: "pageStack"
        anchors.fill: parent
        initialItem: root.initialPage
    }
}
