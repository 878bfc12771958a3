import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// Subheading text: the heading of a list or a group.
Label {
    id: root

    font.pixelSize: 16
    color: Colors.scheme(Material.theme === Material.Dark).secondaryText
    elide: Text.ElideRight
}
