import QtQuick 2.15
import QtQuick.Window 2.15
import QtGraphicalEffects 1.15

// A picture drawn in one colour. The icons are black shapes, so the colour is
// laid over the picture's opaque parts; a transparent colour shows the
// picture as it is.
Item {
    id: root

    property url source
    property color color: "transparent"
    property alias fillMode: image.fillMode
    property alias status: image.status
    readonly property bool tinted: color.a > 0

    implicitWidth: 24
    implicitHeight: 24

    Image {
        id: image

        anchors.fill: parent
        source: root.source
        // Render vector pictures at the size shown, not at their nominal size.
        sourceSize.width: Math.max(1, root.width * Screen.devicePixelRatio)
        sourceSize.height: Math.max(1, root.height * Screen.devicePixelRatio)
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
        visible: !root.tinted
    }

    ColorOverlay {
        anchors.fill: image
        source: image
        color: root.color
        visible: root.tinted
    }
}
