import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A notice inside the page, above what it is about: a picture, the text and
// a button that takes it away. It blocks nothing and takes no focus; a
// screen reader finds it as an alert. Hidden while its text is empty.
Pane {
    id: root

    property string text
    property url image: "qrc:/images/alert/warning.svg"
    // The picture's and the outline's colour.
    property color accentColor: Material.accent
    property color cardColor: Material.background

    signal dismissed()

    visible: root.text !== ""
    padding: 12
    Material.elevation: 0
    Accessible.role: Accessible.AlertMessage
    Accessible.name: root.text

    background: Rectangle {
        radius: 8
        color: root.cardColor
        border.width: 2
        border.color: root.accentColor
    }

    RowLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 12

        TintedImage {
            Layout.preferredWidth: 28
            Layout.preferredHeight: 28
            Layout.alignment: Qt.AlignTop
            source: root.image
            color: root.accentColor
        }

        Label {
            objectName: root.objectName + "Text"
            Layout.fillWidth: true
            text: root.text
            wrapMode: Text.WordWrap
            font.pixelSize: 16
            // The notice itself carries the text.
            Accessible.ignored: true
        }

        ToolButton {
            objectName: root.objectName + "Close"
            Layout.alignment: Qt.AlignTop
            icon.source: "qrc:/images/navigation/close.svg"
            display: AbstractButton.IconOnly
            text: qsTr("Dismiss")
            focusPolicy: Qt.StrongFocus
            Accessible.name: qsTr("Dismiss: %1").arg(root.text)
            ToolTip.visible: hovered || visualFocus
            ToolTip.text: text

            onClicked: root.dismissed()

            Activation {
            }

            FocusRing {
            }
        }
    }
}
