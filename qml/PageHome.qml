import QtQuick 2.9
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.2
import QtQuick.Controls.Material 2.2
import QtQuick.Extras 1.4
import QtGraphicalEffects 1.0
import QtMultimedia 5.8
import QtQuick.Dialogs 1.3 as QDialog
import Qt.labs.settings 1.0
import com.korvane 1.0 as Camera
import Korvane.Gui 1.0

// An empty page the window can push; it has no content of its own yet.
StackPage {
    id: root

    property int index: 0
    property int __angle: 0
    property bool __running: false
    property bool __processing: false

    function load() {
    }

    function refresh() {
    }

    objectName: "home"
    title: qsTr("Home")
    appBar.maxActionCount: 10
    actions: []
    navActions: []

    onGoBack: {
    }
    Component.onCompleted: {
    }
    Component.onDestruction: {
    }

    Settings {
        id: homeSettings
    }
}
