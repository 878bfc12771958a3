#pragma once

#include "core/korvane_core_export.h"

#include <QString>

namespace korvane::core::platform {

// Login name of the user this process runs as; empty when the system cannot
// tell.
KORVANE_CORE_EXPORT QString currentUserName();

// True where the single-instance guard's shared block and local server are
// named in a space that every user of the machine shares (a common temporary
// folder), so the user's name has to be part of the name for each user to get
// an instance of their own. False where each login session has its own names.
KORVANE_CORE_EXPORT bool instanceNamesSharedByUsers();

} // namespace korvane::core::platform
