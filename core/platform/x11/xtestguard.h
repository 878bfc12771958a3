#pragma once

#include <sys/types.h>

#include <string>

namespace korvane::core {

// Korvane's side of korvane-xtest-guard. The X server keeps what XTest
// pressed down after the client that sent it is gone, so a crash or a
// kill -9 while a button is latched would leave the user's mouse dragging
// everything it touches. The guard, a small process of its own with its own
// X connection, hears of every press and release over a socket and lets go
// of what is still down when the socket closes without a goodbye.
//
// Telling it costs one non-blocking send of a few bytes; a guard that is
// gone or not keeping up is never waited for.
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

    // Messages are kept until sent: presses before the X server can act on
    // them, releases once it has, so that whenever Korvane dies the guard
    // knows at least everything that is down.
    void note(char message, unsigned int code);
    void sendPresses() { send(m_presses); }
    void sendReleases() { send(m_releases); }

private:
    void send(std::string& messages);

    int m_socket = -1;
    pid_t m_pid = -1;
    std::string m_presses;
    std::string m_releases;
};

} // namespace korvane::core
