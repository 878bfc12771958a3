#include "core/platform/inputrecord.h"

#include "core/platform/inputinjector.h"

#include <cstdio>

namespace korvane::core {

bool InputRecord::sendTo(InputInjector& injector) const
{
    return kind == Key ? injector.sendKey(virtualKey, scanCode, flags)
                       : injector.sendMouse(flags, wheelData);
}

std::string InputRecord::toString() const
{
    char text[64];
    if (kind == Key)
        std::snprintf(text, sizeof text, "key(vk=0x%02X, scan=0x%02X, flags=0x%04X)", virtualKey,
            scanCode, static_cast<unsigned>(flags));
    else
        std::snprintf(text, sizeof text, "mouse(flags=0x%04X, wheel=%d)",
            static_cast<unsigned>(flags), static_cast<int>(wheelData));
    return text;
}

} // namespace korvane::core
