import QtQuick 2.15
import QtQuick.Controls 2.15

// One choice among its sibling radio buttons, reached with Tab and chosen
// with Space, Enter or Return, with a focus ring.
RadioButton {
    id: root

    focusPolicy: Qt.StrongFocus

    Activation {
    }

    FocusRing {
    }
}
