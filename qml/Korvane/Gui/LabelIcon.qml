import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A line of text with a picture before it, both in chosen colours (a status
// line, for instance).
Item {
    id: root

    property string text
    property url image
    property color overlayColor: Material.foreground
    property color textColor: Material.foreground
    property int pixelSize: 16

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    RowLayout {
        id: row

        anchors.fill: parent
        spacing: 10

        TintedImage {
            Layout.preferredWidth: Math.round(root.pixelSize * 1.6)
            Layout.preferredHeight: Math.round(root.pixelSize * 1.6)
            Layout.alignment: Qt.AlignVCenter
            source: root.image
            color: root.overlayColor
            visible: root.image.toString() !== ""
        }

        Label {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            text: root.text
            color: root.textColor
            font.pixelSize: root.pixelSize
            wrapMode: Text.WordWrap
            // The line itself carries the text; read once, not twice.
            Accessible.ignored: true
        }
    }
}
