import QtQuick 2.15
import QtQuick.Controls 2.15

// Label of a field in a form or a dialog.
Label {
    id: root

    font.pixelSize: 18
    font.weight: Font.Medium
    verticalAlignment: Text.AlignVCenter
}
