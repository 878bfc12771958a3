#pragma once

#include <string>

namespace korvane::core {

// Whether an X server answers on the display `name` (as in $DISPLAY); the
// connection is closed again at once.
bool xDisplayReachable(const std::string& name);

} // namespace korvane::core
