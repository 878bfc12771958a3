import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A modal "please wait" view with a busy indicator; it stays until the scene
// hides it.
OverlayView {
    id: root

    property string text: ""

    closePolicy: Popup.NoAutoClose
    padding: 24

    background: Rectangle {
        radius: 15
        color: root.Material.backgroundColor
    }

    contentItem: ColumnLayout {
        spacing: 16

        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            running: root.visible
        }

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: root.text
            visible: text !== ""
            font.pixelSize: 16
        }
    }
}
