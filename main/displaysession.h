#pragma once

#include <QProcessEnvironment>

namespace korvane::shell {

// Whether this start has a display to show a window on. Without one (a text
// console, an SSH login, a start before the desktop is up) Korvane still
// serves the switch: it runs without a window or tray, on Qt's offscreen
// platform with the software scene graph, and injects through uinput.
class DisplaySession {
public:
    // True when nothing names a display for a window: no X display, no
    // Wayland compositor, and no Qt platform the user chose.
    static bool isHeadless(const QProcessEnvironment& environment);

    // Before the application object exists: picks the offscreen platform and
    // the software scene graph when there is no display. Returns whether it did.
    static bool prepare();
};

} // namespace korvane::shell
