#include "core/platform/rotationpreference.h"

namespace korvane::core {

// X11 desktops have no per-program rotation preference.
bool setDisplayAutoRotationPreference(int)
{
    return false;
}

} // namespace korvane::core
