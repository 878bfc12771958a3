#include "core/platform/x11/xdisplay.h"

#include <X11/Xlib.h>

namespace korvane::core {

bool xDisplayReachable(const std::string& name)
{
    if (name.empty())
        return false;
    Display* display = XOpenDisplay(name.c_str());
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

} // namespace korvane::core
