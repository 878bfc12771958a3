import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// The application bar: back button (or the page's left action), the current
// page's title, and its actions as buttons with an overflow menu. Space,
// Enter or Return presses a focused button.
ToolBar {
    id: root

    // The page whose title and actions are shown.
    property Item page: null
    property bool canGoBack: false
    property int maxActionCount: 3
    readonly property int effectiveMaxActionCount: page && page.appBar && page.appBar.maxActionCount >= 0
                                                   ? page.appBar.maxActionCount : maxActionCount
    readonly property var shownActions: visibleActions(page ? page.actions : null)
    readonly property var barActions: shownActions.slice(0, Math.max(0, effectiveMaxActionCount))
    readonly property var overflowActions: shownActions.slice(Math.max(0, effectiveMaxActionCount))
    readonly property var leftAction: page && page.leftAction && page.leftAction.visible !== false
                                      ? page.leftAction : null
    // Text, pictures and focus marks on the bar's own colour.
    readonly property color textColor: Colors.scheme(Material.theme === Material.Dark).onPrimary

    signal backRequested()

    function visibleActions(list) {
        var result = [];
        if (!list)
            return result;
        for (var i = 0; i < list.length; ++i) {
            if (list[i] && list[i].visible !== false)
                result.push(list[i]);
        }
        return result;
    }

    function actionTip(action) {
        return action.toolTip ? action.toolTip : action.text;
    }

    Material.foreground: textColor

    RowLayout {
        anchors.fill: parent
        spacing: 0

        ToolButton {
            id: leftButton

            objectName: root.canGoBack ? "appBarBack" : "appBarLeftAction"
            visible: root.canGoBack || root.leftAction !== null
            icon.source: root.canGoBack ? "qrc:/images/navigation/arrow_back.svg"
                                        : (root.leftAction ? root.leftAction.icon.source : "")
            display: AbstractButton.IconOnly
            text: root.canGoBack ? qsTr("Back") : (root.leftAction ? root.actionTip(root.leftAction) : "")
            focusPolicy: Qt.StrongFocus
            Accessible.name: text
            ToolTip.visible: (hovered || visualFocus) && text !== ""
            ToolTip.text: text

            onClicked: {
                if (root.canGoBack)
                    root.backRequested();
                else if (root.leftAction)
                    root.leftAction.trigger(leftButton);
            }

            Activation {
            }

            FocusRing {
                gap: 0
                ringColor: root.textColor
            }
        }

        Label {
            id: titleLabel

            objectName: "appBarTitle"
            Layout.fillWidth: true
            Layout.leftMargin: leftButton.visible ? 8 : 16
            text: root.page && root.page.title ? root.page.title : ""
            font.pixelSize: 20
            font.weight: Font.Medium
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }

        Label {
            id: statusLabel

            objectName: "appBarStatus"
            Layout.rightMargin: 8
            visible: text !== ""
            text: root.page && root.page.statusText ? root.page.statusText : ""
            font.pixelSize: 16
            font.weight: Font.Medium
            verticalAlignment: Text.AlignVCenter
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        Repeater {
            model: root.barActions

            ToolButton {
                objectName: modelData.objectName !== "" ? modelData.objectName : "appBarAction" + index
                action: modelData
                display: modelData.icon.source.toString() !== "" ? AbstractButton.IconOnly
                                                                 : AbstractButton.TextOnly
                focusPolicy: Qt.StrongFocus
                Accessible.name: root.actionTip(modelData)
                ToolTip.visible: (hovered || visualFocus) && ToolTip.text !== ""
                ToolTip.text: root.actionTip(modelData)

                Activation {
                }

                FocusRing {
                    gap: 0
                    ringColor: root.textColor
                }
            }
        }

        ToolButton {
            id: overflowButton

            objectName: "appBarOverflow"
            visible: root.overflowActions.length > 0
            icon.source: "qrc:/images/navigation/more_vert.svg"
            display: AbstractButton.IconOnly
            text: qsTr("More")
            focusPolicy: Qt.StrongFocus
            Accessible.name: text
            ToolTip.visible: (hovered || visualFocus)
            ToolTip.text: text

            onClicked: overflowMenu.open()

            Activation {
            }

            FocusRing {
                gap: 0
                ringColor: root.textColor
            }

            Menu {
                id: overflowMenu

                y: overflowButton.height
                // The bar's white text would vanish on the menu's own surface.
                Material.foreground: Material.theme === Material.Dark ? "#ffffff" : "#de000000"

                Repeater {
                    model: root.overflowActions

                    MenuItem {
                        objectName: modelData.objectName !== "" ? modelData.objectName : "appBarMenuAction" + index
                        action: modelData
                        Accessible.name: root.actionTip(modelData)
                    }
                }
            }
        }
    }
}
