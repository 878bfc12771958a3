import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// The navigation drawer at the window's left edge. It lists `actions` (the
// current page's navigation actions) under the heading of their `category`;
// choosing one closes the pane and triggers it.
Drawer {
    id: root

    property string title: ""
    // What a screen reader calls the pane.
    property string accessibleName: ""
    property var actions: []
    // [{ "category": text, "actions": [action, ...] }, ...] in order of first
    // appearance, hidden actions left out.
    readonly property var groups: groupByCategory(actions)

    function groupByCategory(list) {
        var result = [];
        if (!list)
            return result;
        for (var i = 0; i < list.length; ++i) {
            var action = list[i];
            if (!action || action.visible === false)
                continue;
            var category = action.category ? action.category : "";
            var group = null;
            for (var j = 0; j < result.length; ++j) {
                if (result[j].category === category) {
                    group = result[j];
                    break;
                }
            }
            if (!group) {
                group = { "category": category, "actions": [] };
                result.push(group);
            }
            group.actions.push(action);
        }
        return result;
    }

    width: Math.min(320, parent ? parent.width * 0.8 : 320)
    height: parent ? parent.height : 0
    edge: Qt.LeftEdge
    modal: true
    focus: true

    // Accessible attaches to the pane's item, not to the pane itself.
    Component.onCompleted: contentItem.parent.Accessible.name = Qt.binding(function() { return root.accessibleName })
    // A chosen entry that opens another page replaces the list under the
    // pointer before the entry's own click handler runs: close with it.
    onActionsChanged: close()
    // Keyboard and switch users land on the first entry, not on the pane.
    onOpened: {
        var first = contentItem.nextItemInFocusChain(true);
        if (!first || !root.contentItem.contains(root.contentItem.mapFromItem(first, 0, 0)))
            return;
        first.forceActiveFocus(Qt.TabFocusReason);
        // Focus kept from an earlier opening would not show as keyboard focus.
        first.focusReason = Qt.TabFocusReason;
    }

    contentItem: Flickable {
        contentHeight: list.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: ScrollIndicator {}

        ColumnLayout {
            id: list

            width: parent.width
            spacing: 0

            TitleLabel {
                Layout.fillWidth: true
                Layout.margins: 16
                text: root.title
                visible: text !== ""
            }

            Repeater {
                model: root.groups

                ColumnLayout {
                    readonly property var group: modelData

                    Layout.fillWidth: true
                    spacing: 0

                    MenuSeparator {
                        Layout.fillWidth: true
                        visible: index > 0
                    }

                    SubheadingLabel {
                        Layout.fillWidth: true
                        Layout.leftMargin: 16
                        Layout.topMargin: 8
                        Layout.bottomMargin: 4
                        text: group.category
                        visible: text !== ""
                    }

                    Repeater {
                        model: group.actions

                        ItemDelegate {
                            objectName: modelData.objectName !== "" ? modelData.objectName
                                                                    : "navAction_" + modelData.text
                            Layout.fillWidth: true
                            action: modelData
                            focusPolicy: Qt.StrongFocus
                            icon.color: root.Material.foreground
                            Accessible.name: modelData.toolTip ? modelData.toolTip : modelData.text

                            onClicked: root.close()

                            background: Rectangle {
                                implicitHeight: 48
                                color: parent.down || parent.hovered ? root.Material.rippleColor : "transparent"
                                border.width: parent.visualFocus ? 2 : 0
                                border.color: Colors.scheme(root.Material.theme === Material.Dark).focus
                            }

                            Activation {
                            }
                        }
                    }
                }
            }
        }
    }
}
