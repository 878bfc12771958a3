// korvane-xtest-guard: lets go of the keys and buttons Korvane holds through
// XTest when Korvane ends without doing so itself (a crash, kill -9); the X
// server keeps XTest input down after its client is gone. Korvane starts it
// with a socket as standard input, the page that says what is down
// (xtestguardstate.h) as descriptor 3, and its own process id as argument.
// It waits in ppoll and is not woken by presses, so it costs nothing while
// Korvane runs, and it ends with Korvane in every case: a goodbye, the
// socket's end, Korvane's death (SIGTERM through PR_SET_PDEATHSIG) or the X
// server's.
#include "core/platform/x11/xtestguardstate.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using korvane::core::xtestguard::HeldState;

volatile sig_atomic_t g_stop = 0;
// Korvane's death reaches us as a SIGTERM from Korvane (PR_SET_PDEATHSIG),
// possibly before its last thread has closed the socket.
volatile sig_atomic_t g_stoppedBy = 0;

extern "C" void requestStop(int, siginfo_t* info, void*)
{
    g_stop = 1;
    g_stoppedBy = info->si_pid;
}

// Without the server there is nothing left to let go of.
extern "C" int connectionLost(Display*)
{
    _exit(0);
}

// Last pressed first, as Korvane itself lets go.
void letGo(Display* display, const HeldState& state, const char* why)
{
    std::vector<std::tuple<std::uint32_t, bool, unsigned int>> down; // when, button, code
    for (unsigned int code = 0; code < std::size(state.keys); ++code) {
        if (const std::uint32_t when = state.keys[code].load(std::memory_order_acquire))
            down.emplace_back(when, false, code);
    }
    for (unsigned int code = 0; code < std::size(state.buttons); ++code) {
        if (const std::uint32_t when = state.buttons[code].load(std::memory_order_acquire))
            down.emplace_back(when, true, code);
    }
    if (down.empty())
        return;
    std::sort(down.rbegin(), down.rend());
    std::string names;
    for (const auto& [when, button, code] : down) {
        if (!names.empty())
            names += ", ";
        if (button) {
            XTestFakeButtonEvent(display, code, False, CurrentTime);
            names += "button " + std::to_string(code);
        } else {
            XTestFakeKeyEvent(display, code, False, CurrentTime);
            const char* name
                = XKeysymToString(XkbKeycodeToKeysym(display, static_cast<KeyCode>(code), 0, 0));
            names += name ? name : "keycode " + std::to_string(code);
        }
    }
    XSync(display, False);
    std::fprintf(stderr, "korvane-xtest-guard: %s; released %s\n", why, names.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    sigset_t stop, waiting;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTERM);
    sigprocmask(SIG_BLOCK, &stop, &waiting);
    sigdelset(&waiting, SIGTERM);
    struct sigaction action = {};
    action.sa_sigaction = requestStop;
    action.sa_flags = SA_SIGINFO;
    sigaction(SIGTERM, &action, nullptr);
    // A log reader that is gone must not end us before we let go.
    signal(SIGPIPE, SIG_IGN);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // Korvane may have died before that took effect.
    const pid_t korvane = argc > 1 ? static_cast<pid_t>(std::atol(argv[1])) : 0;
    if (getppid() != korvane) {
        g_stop = 1;
        g_stoppedBy = korvane;
    }

    void* page = mmap(
        nullptr, sizeof(HeldState), PROT_READ, MAP_SHARED, korvane::core::xtestguard::StateFd, 0);
    close(korvane::core::xtestguard::StateFd);
    Display* display = page == MAP_FAILED ? nullptr : XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr,
            "korvane-xtest-guard: cannot %s; what Korvane holds when it is killed stays held\n",
            page == MAP_FAILED ? "read what Korvane holds" : "open the X display");
        return 1;
    }
    const HeldState& state = *static_cast<const HeldState*>(page);
    XSetIOErrorHandler(connectionLost);
    // Our releases must not wait behind another client's grab.
    XTestGrabControl(display, True);
    XSync(display, False);

    const char* const ended = "Korvane ended without letting go";
    pollfd watched[2] = { { STDIN_FILENO, POLLIN, 0 }, { ConnectionNumber(display), POLLIN, 0 } };
    char said = 0;
    for (;;) {
        if (g_stop) {
            if (recv(STDIN_FILENO, &said, 1, MSG_DONTWAIT) == 1
                && said == korvane::core::xtestguard::Goodbye)
                return 0;
            letGo(display, state,
                g_stoppedBy == korvane ? ended : "stopped while Korvane held input");
            return 0;
        }
        // SIGTERM is taken only while waiting, so it cannot slip in between
        // the check above and the wait.
        watched[0].revents = watched[1].revents = 0;
        if (ppoll(watched, 2, nullptr, &waiting) < 0)
            continue;
        // The server's notices (keymap changes); a lost connection ends us here.
        if (watched[1].revents) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
            }
        }
        if (!watched[0].revents)
            continue;
        const ssize_t size = read(STDIN_FILENO, &said, 1);
        if (size == 1 && said == korvane::core::xtestguard::Goodbye)
            return 0;
        if (size == 0 || (size < 0 && errno != EINTR)) {
            letGo(display, state, ended);
            return 0;
        }
    }
}
