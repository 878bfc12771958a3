#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/inputinjector.h"

#include <memory>
#include <string>

namespace korvane::core {

// Input through the X server's XTEST extension. `guardProgram`, when given,
// is korvane-xtest-guard (xtestguard.h), started with the first connection
// to the display; createNative() starts none.
KORVANE_CORE_EXPORT std::unique_ptr<InputInjector> createX11InputInjector(std::string guardProgram);

} // namespace korvane::core
