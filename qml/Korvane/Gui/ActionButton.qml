import QtQuick 2.15
import QtQuick.Controls 2.15

// A push button that Tab reaches and Space, Enter or Return presses, with a
// focus ring. A screen reader hears its text unless it is given a name.
Button {
    id: root

    focusPolicy: Qt.StrongFocus
    Accessible.name: text

    Activation {
    }

    FocusRing {
    }
}
