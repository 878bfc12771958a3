#pragma once

#include "core/platform/x11/xtestguardstate.h"

#include <sys/types.h>

#include <string>
#include <vector>

namespace korvane::core {

// Korvane's side of korvane-xtest-guard. The X server keeps what XTest
// pressed down after the client that sent it is gone, so a crash or a
// kill -9 while a button is latched would leave the user's mouse dragging
// everything it touches. The guard, a small process of its own with its own
// X connection, shares a page with Korvane that says what is down, and lets
// go of that when Korvane goes without a goodbye.
//
// A press costs a store into that page: no system call, and the guard is
// not woken until Korvane ends.
class XTestGuard {
public:
    XTestGuard() = default;
    XTestGuard(const XTestGuard&) = delete;
    XTestGuard& operator=(const XTestGuard&) = delete;
    // Says goodbye (the owner has let go of everything by then) and waits
    // for the guard to end.
    ~XTestGuard();

    // Starts `program`; false with the reason when it cannot run. The guard
    // ends when the thread that started it does (PR_SET_PDEATHSIG): start it
    // from the thread that lives as long as the program.
    bool start(const std::string& program, std::string* error);

    // A press is recorded at once, before the X server can act on it; a
    // release once the X server has it (settle() after the requests are
    // flushed). So whenever Korvane dies, the guard knows at least
    // everything that is down.
    void pressed(bool button, unsigned int code);
    void released(bool button, unsigned int code);
    void settle();

private:
    std::atomic<std::uint32_t>* entry(bool button, unsigned int code) const;

    xtestguard::HeldState* m_state = nullptr;
    int m_socket = -1;
    pid_t m_pid = -1;
    std::uint32_t m_presses = 0;
    std::vector<std::atomic<std::uint32_t>*> m_releases;
};

} // namespace korvane::core
