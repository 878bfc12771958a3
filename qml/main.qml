import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    id: window

    width: 600
    height: 800
    visible: true
    title: "Korvane"
}
