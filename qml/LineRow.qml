import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import Korvane.Gui 1.0

// One line that the switch device sends: its label, the line as typed in,
// and the button that learns it from the next line the device sends. Texts,
// names and colours come from the page.
RowLayout {
    id: root

    property string label: ""
    // What the device sends; the field shows it and follows it.
    property string line: ""
    property string placeholderText: ""
    property color placeholderTextColor: Material.hintTextColor
    property string fieldName: ""
    property string learnText: ""
    property string learnName: ""
    property string learnDescription: ""
    property string learnButtonName: ""
    // The Learn button is armed: the next line is taken for this one.
    property bool learning: false
    // The armed button's colour, with white text on it.
    property color armedColor: Material.accent
    // Rows under each other share one label width, as in a grid.
    property real labelWidth: labelImplicitWidth
    readonly property real labelImplicitWidth: lineLabel.implicitWidth

    // The user typed a line and left the field or pressed Enter.
    signal edited(string line)
    signal learnClicked()

    spacing: 20

    DialogLabel {
        id: lineLabel

        Layout.preferredWidth: root.labelWidth
        text: root.label
    }

    TextField {
        objectName: root.fieldName
        Layout.fillWidth: true
        text: root.line
        // Only while the field is empty: the field gives it to a screen
        // reader as its description as well.
        placeholderText: text === "" ? root.placeholderText : ""
        placeholderTextColor: root.placeholderTextColor
        selectByMouse: true
        // With the line: a screen reader does not read a Qt Quick field's text.
        Accessible.name: root.line === "" ? root.label : qsTr("%1: %2").arg(root.label).arg(root.line)
        Accessible.description: placeholderText

        onEditingFinished: root.edited(text)

        background: FieldUnderline {
            lineY: control.height - control.bottomPadding + 7
        }
    }

    ActionButton {
        objectName: root.learnButtonName
        text: root.learnText
        highlighted: root.learning
        Material.accent: root.armedColor
        Accessible.name: root.learnName
        Accessible.description: root.learnDescription

        onClicked: root.learnClicked()
    }
}
