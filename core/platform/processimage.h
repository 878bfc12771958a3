#pragma once

#include "core/korvane_core_export.h"

#include <QtGlobal>

namespace korvane::core::platform {

// Starting the program afresh inside this process: the new image keeps the
// process id, its standard streams and whatever descriptor was kept for it,
// while everything the old image held in memory, Qt's process-wide state
// included, is gone. Where the platform cannot, a restart stays in-process.
KORVANE_CORE_EXPORT bool canReplaceProcessImage();

// Runs the program again with `argv` (null-terminated) in place of the
// current image. Returns only when that failed; the reason is logged.
KORVANE_CORE_EXPORT void replaceProcessImage(char* const* argv);

// Leaves `descriptor` open in the next image of this process instead of
// closing it on replacement. False where descriptors cannot be kept.
KORVANE_CORE_EXPORT bool keepOpenInNextImage(qintptr descriptor);

} // namespace korvane::core::platform
