#pragma once

// Xlib's own names (Display, KeyCode, KeySym) stay out of this header: its
// macros clash with Qt's in the files that include both.
struct _XDisplay;

namespace korvane::core {

// The keycode that gives the keysym in the X keyboard's active group (the
// layout the user switched to), at the lowest level that has it; 0 when that
// group has none. XKeysymToKeycode searches every group, and the server
// applies the active one: with us,fr and fr active, the "a" of the us group
// would type "q".
unsigned char keycodeInActiveGroup(_XDisplay* display, unsigned long keysym);

} // namespace korvane::core
