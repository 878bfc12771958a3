import QtQuick 2.15
import QtQuick.Controls 2.15

// Title text: the heading of a card or a view.
Label {
    id: root

    font.pixelSize: 20
    font.weight: Font.Medium
    elide: Text.ElideRight
}
