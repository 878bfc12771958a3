import QtQuick 2.9
import QtQuick.Dialogs 1.0
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.2
import QtQuick.Controls.Material 2.2
import QtQuick.Window 2.2
import QtGraphicalEffects 1.0
import QtMultimedia 5.4
import Korvane.Gui 1.0
import com.korvane 1.0
import ".."

// General settings: start at login, theme, language and display scale. Every
// control writes into the application section when the user changes it.
Flickable {
    id: flickableGeneral

    property string name: "generalPage"
    property string title: qsTr("General")
    // Card background and picture tint; by default those of the style the
    // section is shown in.
    property color cardColor: Colors.scheme(Material.theme === Material.Dark).card
    property color iconColor: Material.iconColor
    readonly property alias restartVisible: warningLabel.visible

    // Two scales are the same when they differ by no more than a relative
    // 1e-5, as Qt's fuzzy comparison of doubles decides.
    function sameScale(a, b) {
        return Math.abs(a - b) * 100000 <= Math.min(Math.abs(a), Math.abs(b))
    }

    function chooseScale(index) {
        var scale = scaleModel.get(index).scale
        if (sameScale(scale, configuration.scale))
            return
        configuration.scale = scale
        warningLabel.visible = true
    }

    // Keyboard users move the focus below the fold: bring the focused
    // control into view.
    function ensureVisible(item) {
        var inside = item
        while (inside && inside !== root)
            inside = inside.parent
        if (!inside)
            return
        var top = item.mapToItem(flickableGeneral.contentItem, 0, 0).y
        var bottom = top + item.height
        if (top < flickableGeneral.contentY)
            flickableGeneral.contentY = Math.max(0, top - 10)
        else if (bottom > flickableGeneral.contentY + flickableGeneral.height)
            flickableGeneral.contentY = Math.max(0, Math.min(bottom + 10 - flickableGeneral.height,
                                                             flickableGeneral.contentHeight
                                                             - flickableGeneral.height))
    }

    function applyTheme(dark) {
        configuration.setTheme(dark ? "DARK" : "LIGHT")
        window.setTheme(dark)
    }

    objectName: "generalPage"
    interactive: true
    flickableDirection: Flickable.VerticalFlick
    contentHeight: root.implicitHeight
    clip: true

    ScrollIndicator.vertical: ScrollIndicator {
    }

    Connections {
        target: flickableGeneral.Window.window

        function onActiveFocusItemChanged() {
            flickableGeneral.ensureVisible(flickableGeneral.Window.activeFocusItem)
        }
    }

    Pane {
        id: root

        width: flickableGeneral.width > 800 ? 800 : flickableGeneral.width
        anchors.horizontalCenter: flickableGeneral.width > 800 ? parent.horizontalCenter : undefined

        ColumnLayout {
            id: column

            width: root.availableWidth
            spacing: 10

            Card {
                id: generalGroupBox

                objectName: "generalGroupBox"
                Layout.fillWidth: true
                padding: 16
                Material.background: flickableGeneral.cardColor

                ColumnLayout {
                    anchors.fill: parent

                    TitleIcon {
                        text: qsTr("General")
                        image: "qrc:/images/action/settings.svg"
                        overlayColor: flickableGeneral.iconColor
                    }

                    SwitchIcon {
                        id: startupApp

                        objectName: "startupApp"
                        text: qsTr("Run application on startup")
                        checked: configuration.runStartup

                        // Also runs when the binding is first evaluated: opening the
                        // page registers the start-up entry again.
                        onCheckedChanged: {
                            configuration.runStartup = checked
                            appInterface.runOnStartup(checked)
                        }
                    }

                    SoundCuesSwitch {
                    }
                }
            }

            Card {
                id: themeGroupBox

                objectName: "themeGroupBox"
                Layout.fillWidth: true
                padding: 16
                Material.background: flickableGeneral.cardColor

                ColumnLayout {
                    anchors.fill: parent

                    TitleIcon {
                        text: qsTr("Theme")
                        image: "qrc:/images/image/style.svg"
                        overlayColor: flickableGeneral.iconColor
                    }

                    RowLayout {
                        RadioChoice {
                            id: lightButton

                            objectName: "lightButton"
                            text: qsTr("Light")
                            checked: configuration.isLight()
                            Accessible.name: qsTr("%1: %2").arg(qsTr("Theme")).arg(text)

                            // Either direction reports: the group unchecks the old
                            // button first, so the chosen theme is written last.
                            onCheckedChanged: flickableGeneral.applyTheme(false)
                        }

                        RadioChoice {
                            id: darkButton

                            objectName: "darkButton"
                            text: qsTr("Dark")
                            checked: configuration.isDark()
                            Accessible.name: qsTr("%1: %2").arg(qsTr("Theme")).arg(text)

                            onCheckedChanged: flickableGeneral.applyTheme(true)
                        }
                    }
                }
            }

            Card {
                id: languageGroupBox

                objectName: "languageGroupBox"
                Layout.fillWidth: true
                padding: 16
                Material.background: flickableGeneral.cardColor

                ColumnLayout {
                    anchors.fill: parent

                    TitleIcon {
                        Layout.fillWidth: true
                        text: qsTr("Language")
                        image: "qrc:/images/action/language.svg"
                        overlayColor: flickableGeneral.iconColor
                    }

                    LanguageComboBox {
                        id: languageComboBox

                        objectName: "languageComboBox"
                        Layout.fillWidth: true
                        Accessible.name: qsTr("Language")

                        onActivated: {
                            var code = getCurrentCode()
                            appInterface.language = code
                            configuration.language = code
                        }

                        FocusRing {
                        }

                        ControlOutline {
                        }
                    }
                }
            }

            Card {
                id: scaleGroupBox

                objectName: "scaleGroupBox"
                Layout.fillWidth: true
                padding: 16
                Material.background: flickableGeneral.cardColor

                ColumnLayout {
                    anchors.fill: parent

                    TitleIcon {
                        text: qsTr("Scaling")
                        image: "/images/action/zoom_in.svg"
                        overlayColor: flickableGeneral.iconColor
                    }

                    ComboBox {
                        id: scaleComboBox

                        property bool openOnRelease: false

                        objectName: "scaleComboBox"
                        Layout.fillWidth: true
                        textRole: "key"
                        focusPolicy: Qt.StrongFocus
                        Accessible.name: qsTr("Scaling")

                        model: ListModel {
                            id: scaleModel

                            ListElement {
                                key: "100%"
                                scale: 1.0
                            }
                            ListElement {
                                key: "125%"
                                scale: 1.25
                            }
                            ListElement {
                                key: "150%"
                                scale: 1.5
                            }
                        }

                        Component.onCompleted: {
                            for (var i = 0; i < scaleModel.count; ++i) {
                                if (flickableGeneral.sameScale(scaleModel.get(i).scale,
                                                               configuration.scale))
                                    currentIndex = i
                            }
                        }
                        onActivated: flickableGeneral.chooseScale(index)
                        // Enter opens the list as Space does. The box closes its list
                        // when Enter is released, so it opens on the release.
                        Keys.onPressed: {
                            if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                                    && !popup.visible) {
                                openOnRelease = true
                                event.accepted = true
                            } else {
                                event.accepted = false
                            }
                        }
                        Keys.onReleased: {
                            if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                                    && openOnRelease) {
                                openOnRelease = false
                                popup.open()
                                event.accepted = true
                            } else {
                                event.accepted = false
                            }
                        }

                        FocusRing {
                        }

                        ControlOutline {
                        }
                    }

                    ActionButton {
                        id: warningLabel

                        objectName: "warningLabel"
                        flat: true
                        visible: false
                        text: qsTr("Restart to apply")
                        font.pixelSize: 14
                        font.capitalization: Font.MixedCase
                        icon.source: Qt.resolvedUrl("/images/alert/warning.svg")
                        icon.color: flickableGeneral.iconColor

                        // The button itself restarts, so Tab and Space/Enter reach it.
                        onClicked: appInterface.restart()
                    }
                }
            }
        }
    }
}
