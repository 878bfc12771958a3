import QtQuick 2.15
import QtQuick.Controls 2.15

// An on/off switch that Tab reaches and Space, Enter or Return flips, with a
// focus ring and a knob that stays visible on a light card.
Switch {
    id: root

    focusPolicy: Qt.StrongFocus

    Activation {
    }

    FocusRing {
    }

    SwitchKnobOutline {
        control: root
    }
}
