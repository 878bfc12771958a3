#include "core/platform/rotationpreference.h"

#include <windows.h>

namespace korvane::core {

bool setDisplayAutoRotationPreference(int preference)
{
    // Looked up at run time: the function exists from Windows 8 on only, and
    // a direct import makes the program fail to start where it is missing.
    using SetPreference = BOOL(WINAPI*)(ORIENTATION_PREFERENCE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32)
        return false;
    auto set = reinterpret_cast<SetPreference>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetDisplayAutoRotationPreferences")));
    if (!set)
        return false;
    return set(static_cast<ORIENTATION_PREFERENCE>(preference)) != FALSE;
}

} // namespace korvane::core
