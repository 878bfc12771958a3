#pragma once

#include <QtGlobal>

namespace korvane::core::platform {

// False only when no process with this id exists; a process of another user,
// or one this process may not inspect, counts as alive.
bool isProcessAlive(qint64 pid);

} // namespace korvane::core::platform
