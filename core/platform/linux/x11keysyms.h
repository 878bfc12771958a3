#pragma once

// The X keysym a Windows virtual key stands for on a US layout; 0 (NoSymbol)
// when there is none. Kept apart from the injector so it can be checked
// without an X server.

namespace korvane::core {

unsigned long x11KeysymForVirtualKey(int virtualKey);

} // namespace korvane::core
