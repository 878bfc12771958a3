#include "core/platform/processalive.h"

#include <windows.h>

namespace korvane::core::platform {

bool isProcessAlive(qint64 pid)
{
    if (pid <= 0 || pid > 0xFFFFFFFFll)
        return false;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

} // namespace korvane::core::platform
