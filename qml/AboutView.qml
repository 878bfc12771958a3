import QtQuick 2.7
import QtQuick.Window 2.2
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.2
import QtQuick.Controls.Material 2.0
import com.korvane 1.0
import Korvane.Gui 1.0

// The About box: product picture, name, tagline, maker's notice and version,
// on the window's card colour in either theme. It opens on its Close button,
// so that a screen reader reads the box as the focus comes in.
OverlayView {
    id: root

    property color cardColor: Colors.scheme(Material.theme === Material.Dark).card

    objectName: "aboutView"
    // Measured on what it is centred on (below the application bar), so
    // that it never reaches past the window.
    width: parent && parent.width < 800 ? parent.width * 0.95 : 800
    height: parent && parent.height < 500 ? parent.height * 0.95 : 500
    accessibleName: qsTr("About %1").arg(productName.text)
    // Read whole: a screen reader would leave out the short lines.
    accessibleDescription: [productName.text, aboutTagline.text, noticeLabel.text, textLabel.text].join(". ")

    onOpened: closeButton.forceActiveFocus(Qt.TabFocusReason)

    background: Rectangle {
        radius: 15
        color: root.cardColor
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 9

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
            id: productName

            objectName: "productName"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: "Korvane"
            font.pointSize: 26
            font.weight: Font.Bold
            fontSizeMode: Text.HorizontalFit
            minimumPointSize: 12
            // The box reads the labels in its description.
            Accessible.ignored: true
        }

        Label {
            id: aboutTagline

            objectName: "aboutTagline"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("switch access to your computer")
            font.pointSize: 14
            wrapMode: Text.WordWrap
            Accessible.ignored: true
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
                Accessible.ignored: true
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
                Accessible.ignored: true
            }
        }

        ActionButton {
            id: closeButton

            objectName: "aboutClose"
            Layout.alignment: Qt.AlignRight
            text: qsTr("Close")
            flat: true

            onClicked: root.close()
        }
    }
}
