import QtQuick 2.7
import QtQuick.Window 2.2
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.2
import QtQuick.Controls.Material 2.0
import com.korvane 1.0
import Korvane.Gui 1.0

// The About box: product picture, name, tagline, maker's notice and version,
// on the window's card colour in either theme.
OverlayView {
    id: root

    // A keyboard user comes back to the control that was focused before.
    property Item focusBefore: null
    property bool visualFocusBefore: false
    property color cardColor: Colors.scheme(Material.theme === Material.Dark).card

    objectName: "aboutView"
    // Measured on what it is centred on (below the application bar), so
    // that it never reaches past the window.
    width: parent && parent.width < 800 ? parent.width * 0.95 : 800
    height: parent && parent.height < 500 ? parent.height * 0.95 : 500

    onAboutToShow: {
        focusBefore = root.parent ? root.parent.Window.activeFocusItem : null
        visualFocusBefore = focusBefore !== null && focusBefore.visualFocus === true
    }
    onClosed: {
        if (focusBefore)
            focusBefore.forceActiveFocus(visualFocusBefore ? Qt.TabFocusReason : Qt.OtherFocusReason)
        focusBefore = null
    }

    background: Rectangle {
        radius: 15
        color: root.cardColor
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 9
        Accessible.role: Accessible.Dialog
        Accessible.name: textLabel.text

        Image {
            id: image

            objectName: "aboutImage"
            source: "qrc:/images/application/korvanne.svg"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 40
            smooth: true
            mipmap: true
            fillMode: Image.PreserveAspectFit
            sourceSize.width: width
            sourceSize.height: height
        }

        Label {
            objectName: "productName"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: "Korvane"
            font.pointSize: 26
            font.weight: Font.Bold
            fontSizeMode: Text.HorizontalFit
            minimumPointSize: 12
        }

        Label {
            objectName: "aboutTagline"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("switch access to your computer")
            font.pointSize: 14
            wrapMode: Text.WordWrap
        }

        // At most a fifth of the box, so that a long notice (in French, at
        // 150 %) shrinks to fit rather than pushing past the box.
        RowLayout {
            Layout.fillWidth: true
            Layout.maximumHeight: root.availableHeight / 5

            Label {
                id: noticeLabel

                objectName: "noticeLabel"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                horizontalAlignment: Text.AlignLeft
                verticalAlignment: Text.AlignVCenter
                font.pointSize: 18
                fontSizeMode: Text.Fit
                minimumPointSize: 10
                wrapMode: Text.WordWrap
                text: qsTr("Made by ormidan for people who drive their computer with a switch")
            }

            Label {
                id: textLabel

                objectName: "textLabel"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                horizontalAlignment: Text.AlignRight
                verticalAlignment: Text.AlignVCenter
                font.pointSize: 18
                fontSizeMode: Text.Fit
                minimumPointSize: 10
                text: qsTr("Version %1").arg(Qt.application.version)
            }
        }
    }
}
