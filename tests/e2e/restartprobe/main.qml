// Stands in for the scene to drive the start-up loop: the first pass changes
// the scale and asks for a restart, the second reports what it found and exits.
import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    id: window

    width: 100
    height: 100
    visible: true

    Timer {
        id: step

        interval: 50
        running: true
        onTriggered: {
            if (configuration.scale === 1.0) {
                configuration.scale = 1.5;
                configurationSwitch.inputLeftChannel = "first pass";
                console.log("probe: restarting");
                appInterface.restart();
            } else {
                console.log("probe: second pass, scale " + configuration.scale + ", left "
                            + configurationSwitch.inputLeftChannel + ", pixel ratio "
                            + window.screen.devicePixelRatio);
                appInterface.exit();
            }
        }
    }
}
