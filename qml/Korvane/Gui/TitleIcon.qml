import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A heading with a picture before it.
Item {
    id: root

    property string text
    property url image
    property color overlayColor: Material.foreground
    property alias font: label.font

    implicitWidth: row.implicitWidth
    implicitHeight: Math.max(40, row.implicitHeight)
    Accessible.role: Accessible.Heading
    Accessible.name: text

    RowLayout {
        id: row

        anchors.fill: parent
        spacing: 12

        TintedImage {
            Layout.preferredWidth: 32
            Layout.preferredHeight: 32
            Layout.alignment: Qt.AlignVCenter
            source: root.image
            color: root.overlayColor
            visible: root.image.toString() !== ""
        }

        TitleLabel {
            id: label

            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            text: root.text
        }
    }
}
