#include "core/platform/processalive.h"

#include <cerrno>
#include <signal.h>

namespace korvane::core::platform {

bool isProcessAlive(qint64 pid)
{
    if (pid <= 0 || static_cast<pid_t>(pid) != pid)
        return false;
    if (kill(static_cast<pid_t>(pid), 0) == 0)
        return true;
    return errno != ESRCH;
}

} // namespace korvane::core::platform
