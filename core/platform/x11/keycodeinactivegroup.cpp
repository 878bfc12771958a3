#include "core/platform/x11/keycodeinactivegroup.h"

#include <X11/XKBlib.h>

namespace korvane::core {

namespace {
// Base, Shift, AltGr and AltGr+Shift: the levels a key record can reach.
constexpr int cstLevels = 4;
} // namespace

unsigned char keycodeInActiveGroup(Display* display, unsigned long keysym)
{
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return 0;
    int first = 0, last = 0;
    XDisplayKeycodes(display, &first, &last);
    // Level by level, as XKeysymToKeycode does, so a key of its own wins
    // over a shifted level of another.
    for (int level = 0; level < cstLevels; ++level) {
        for (int code = first; code <= last; ++code) {
            const auto keycode = static_cast<KeyCode>(code);
            if (XkbKeycodeToKeysym(display, keycode, state.group, level) == keysym)
                return keycode;
        }
    }
    return 0;
}

} // namespace korvane::core
