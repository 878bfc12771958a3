import QtQuick 2.15
import Korvane.Gui 1.0

// Sound cues on or off, written into the application section at once: a
// short sound when a press acts, another when it is ignored, and one each for
// pause and resume.
SwitchIcon {
    id: root

    objectName: "soundCuesSwitch"
    text: qsTr("Sound cues for presses, pause and resume")
    checked: configuration.soundCues
    Accessible.description: qsTr("A short sound when a press acts or is ignored, and when Korvane pauses or resumes")

    // Whatever flipped it, a screen reader's action included, is kept.
    onCheckedChanged: {
        if (configuration.soundCues !== checked)
            configuration.soundCues = checked
    }
}
