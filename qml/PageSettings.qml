import QtQuick 2.10
import QtQuick.Layouts 1.0
import QtQuick.Controls 2.0
import QtQuick.Controls.Material 2.3
import com.korvane 1.0
import Korvane.Gui 1.0
import "configuration"

// Settings sections listed on the left, the chosen section on the right.
StackPage {
    id: root

    property int index: 0
    // The window's card surface and picture tint, for every section; by
    // default those of the style the page is shown in.
    property color cardColor: Colors.scheme(Material.theme === Material.Dark).card
    property color iconColor: Material.iconColor

    // A section's colours follow the page's.
    function sectionColors() {
        return { "cardColor": Qt.binding(function() { return root.cardColor }),
                 "iconColor": Qt.binding(function() { return root.iconColor }) }
    }

    objectName: "settings"
    title: qsTr("Settings")
    appBar.maxActionCount: 10
    actions: []
    navActions: []

    Pane {
        id: listPane

        objectName: "listPane"
        width: 150
        padding: 0
        z: 2
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom

        ListView {
            id: listView

            objectName: "listView"
            anchors.fill: parent
            currentIndex: 0
            clip: true
            keyNavigationEnabled: true
            activeFocusOnTab: true
            Accessible.role: Accessible.List
            Accessible.name: root.title

            header: SubheadingLabel {
                width: listView.width
                leftPadding: 16
                topPadding: 8
                bottomPadding: 8
                text: root.title
            }

            ScrollBar.vertical: ScrollBar {
                id: scrollBar

                stepSize: 10
            }

            model: ListModel {
                ListElement {
                    title: QT_TR_NOOP("General")
                    source: "configuration/General.qml"
                }
            }

            delegate: ListItem {
                objectName: "section_" + model.source
                text: qsTr(model.title)
                highlighted: ListView.isCurrentItem

                onClicked: {
                    listView.currentIndex = model.index
                    stackView.push(Qt.resolvedUrl(model.source), root.sectionColors())
                }
            }
        }
    }

    StackView {
        id: stackView

        objectName: "stackView"
        anchors.left: listPane.right
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        initialItem: General {
            cardColor: root.cardColor
            iconColor: root.iconColor
        }
    }
}
