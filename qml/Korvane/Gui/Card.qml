import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// A raised surface grouping related content.
Pane {
    id: root

    padding: 8
    Material.elevation: 1
}
