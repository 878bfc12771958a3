#pragma once

#include <atomic>
#include <cstdint>

// What Korvane shares with korvane-xtest-guard. Plain C++, used by both.

namespace korvane::core::xtestguard {

// A memory page both map: for each X keycode and each button number, 0 while
// it is up, else when it went down (a running count, so the guard lets go of
// the last pressed first). Korvane writes it with plain stores and no system
// call, and the guard reads it only once Korvane is gone.
struct HeldState {
    std::atomic<std::uint32_t> keys[256];
    std::atomic<std::uint32_t> buttons[32];
};
static_assert(std::atomic<std::uint32_t>::is_always_lock_free,
    "shared between processes, so it must not need a lock");

// The guard's standard input is a socket whose end tells it that Korvane is
// gone; this byte on it says that Korvane has let go of everything itself.
constexpr char Goodbye = 'Q';
// The page is the guard's file descriptor 3.
constexpr int StateFd = 3;

} // namespace korvane::core::xtestguard
