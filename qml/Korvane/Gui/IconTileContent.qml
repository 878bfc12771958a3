import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// Picture, text and check mark of a tile button.
RowLayout {
    id: root

    // The tile button whose picture, text and check mark these are.
    property Item control: parent
    // A choice among tiles (a dot) rather than an on/off switch (a knob).
    property bool exclusive: false
    // Drawn faint (what it belongs to is off); the text keeps its contrast.
    readonly property bool dimmed: root.control.dimmed === true
    readonly property var colors: Colors.scheme(Material.theme === Material.Dark)

    spacing: 10

    TintedImage {
        Layout.preferredWidth: 36
        Layout.preferredHeight: 36
        Layout.alignment: Qt.AlignVCenter
        source: root.control.image
        color: root.control.overlayColor
        visible: root.control.image.toString() !== ""
        opacity: root.dimmed ? 0.4 : 1
    }

    Label {
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignVCenter
        text: root.control.text
        font.pixelSize: 16
        font.weight: root.control.checked ? Font.Medium : Font.Normal
        font.italic: root.dimmed
        color: root.dimmed ? root.colors.secondaryText : root.Material.foreground
        wrapMode: Text.WordWrap
        // The tile's own name says it.
        Accessible.ignored: true
    }

    // Check mark: a filled dot for a choice, a sliding knob for a switch.
    Rectangle {
        Layout.alignment: Qt.AlignVCenter
        opacity: root.dimmed ? 0.4 : 1
        implicitWidth: root.exclusive ? 20 : 36
        implicitHeight: 20
        radius: 10
        color: {
            if (root.exclusive)
                return "transparent"
            if (root.control.checked)
                return Qt.rgba(root.Material.accentColor.r, root.Material.accentColor.g, root.Material.accentColor.b, 0.5)
            return root.Material.switchUncheckedTrackColor
        }
        border.width: root.exclusive ? 2 : 0
        border.color: root.control.checked ? root.Material.accentColor : root.Material.secondaryTextColor

        Rectangle {
            x: root.exclusive ? 5 : (root.control.checked ? parent.width - width : 0)
            y: root.exclusive ? 5 : 0
            width: root.exclusive ? 10 : 20
            height: width
            radius: width / 2
            visible: !root.exclusive || root.control.checked
            color: root.control.checked ? root.Material.accentColor : root.Material.switchUncheckedHandleColor
            border.width: root.exclusive ? 0 : 1
            border.color: root.colors.boundary

            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }
}
