#include "core/platform/username.h"

#include <windows.h>

namespace korvane::core::platform {

QString currentUserName()
{
    wchar_t buffer[257];
    DWORD size = 257;
    if (!GetUserNameW(buffer, &size))
        return QString();
    return QString::fromWCharArray(buffer);
}

bool instanceNamesSharedByUsers()
{
    // Shared memory and the guard's names are local to the login session.
    return false;
}

} // namespace korvane::core::platform
