// Stands in for the scene to drive the start-up loop: the first pass changes
// the scale and asks for a restart, the second reports what it found and exits.
// Each pass reports the look its controls got, which must not change.
import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15

ApplicationWindow {
    id: window

    width: 100
    height: 100
    visible: true

    Button {
        id: button

        text: "probe"
    }

    Timer {
        id: step

        interval: 50
        running: true
        onTriggered: {
            console.log("probe: button font " + button.font.family + ", capitalization "
                        + button.font.capitalization + ", restart page " + JSON.stringify(restartPage));
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
