import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// A number of milliseconds kept in one property of a configuration section:
// typed, stepped with the arrow keys, or set by a screen reader.
SpinBox {
    id: spin

    // The section (a ConfigurationChannel) and the name of its property.
    property var configuration: null
    property string key: ""

    from: 0
    to: 5000
    stepSize: 50
    editable: true
    focusPolicy: Qt.StrongFocus
    Layout.preferredWidth: 180

    // Any change, a screen reader setting the value included, is kept.
    onValueChanged: {
        if (spin.configuration && spin.configuration[spin.key] !== value)
            spin.configuration[spin.key] = value
    }

    background: FieldUnderline {
        implicitWidth: 192
        implicitHeight: spin.Material.touchTarget
        lineY: height - 1 - spin.bottomPadding / 2
    }

    // Follows the section also after the user has moved the value.
    Binding {
        target: spin
        property: "value"
        value: spin.configuration ? spin.configuration[spin.key] : 0
    }
}
