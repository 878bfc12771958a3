#pragma once

#include "core/korvane_core_export.h"

#include <QString>

namespace korvane::core {

// The form in which a line from the switch device and a configured line are
// compared: letter case folded, and line-end characters (CR, LF) at the end
// removed, since the device's line ends are never part of a received line.
// Anything else counts, NUL bytes and inner blanks included. An empty result
// matches nothing.
KORVANE_CORE_EXPORT QString comparedLine(const QString& line);

// The release line a button really has: none when it is empty or, compared
// so, the same as the press line (the link could never tell the two apart).
KORVANE_CORE_EXPORT QString comparedReleaseLine(const QString& press, const QString& release);

} // namespace korvane::core
