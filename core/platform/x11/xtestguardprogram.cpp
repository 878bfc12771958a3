// korvane-xtest-guard: lets go of the keys and buttons Korvane holds through
// XTest when Korvane ends without doing so itself (a crash, kill -9). The X
// server keeps XTest input down after its client is gone. Korvane starts this
// program with a socket as its standard input and its own process id as the
// argument, and tells it each press and release (xtestguardmessage.h). It
// waits in ppoll, so it costs nothing between presses, and it ends with
// Korvane in every case: a goodbye, the socket's end, Korvane's death
// (SIGTERM through PR_SET_PDEATHSIG) or the X server's.
#include "core/platform/x11/xtestguardmessage.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

namespace message = korvane::core::xtestguard;

struct Down {
    bool button;
    unsigned int code;
    bool operator==(const Down& other) const
    {
        return button == other.button && code == other.code;
    }
};

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

// What is down, in pressing order; false on a goodbye.
bool apply(std::vector<Down>& down, const unsigned char* bytes, ssize_t size)
{
    for (ssize_t i = 0; i + message::MessageSize <= size; i += message::MessageSize) {
        const char kind = static_cast<char>(bytes[i]);
        const Down input { kind == message::ButtonDown || kind == message::ButtonUp, bytes[i + 1] };
        if (kind == message::KeyDown || kind == message::ButtonDown) {
            down.push_back(input);
        } else if (kind == message::KeyUp || kind == message::ButtonUp) {
            const auto held = std::find(down.rbegin(), down.rend(), input);
            if (held != down.rend())
                down.erase(std::next(held).base());
        } else if (kind == message::Goodbye) {
            return false;
        }
    }
    return true;
}

// Last pressed first, as Korvane itself lets go.
void letGo(Display* display, const std::vector<Down>& down, const char* why)
{
    if (down.empty())
        return;
    std::string names;
    for (auto input = down.rbegin(); input != down.rend(); ++input) {
        if (input->button) {
            XTestFakeButtonEvent(display, input->code, False, CurrentTime);
            names += "button " + std::to_string(input->code);
        } else {
            XTestFakeKeyEvent(display, input->code, False, CurrentTime);
            const char* name = XKeysymToString(
                XkbKeycodeToKeysym(display, static_cast<KeyCode>(input->code), 0, 0));
            names += name ? name : "keycode " + std::to_string(input->code);
        }
        names += input + 1 == down.rend() ? "" : ", ";
    }
    XSync(display, False);
    std::fprintf(stderr, "korvane-xtest-guard: %s; released %s\n", why, names.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    // SIGTERM is taken only while waiting, so it never cuts a message in two.
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

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr,
            "korvane-xtest-guard: cannot open the X display; what Korvane holds when it is "
            "killed stays held\n");
        return 1;
    }
    XSetIOErrorHandler(connectionLost);
    // Our releases must not wait behind another client's grab.
    XTestGrabControl(display, True);
    XSync(display, False);

    std::vector<Down> down;
    unsigned char buffer[4096];
    pollfd watched[2] = { { STDIN_FILENO, POLLIN, 0 }, { ConnectionNumber(display), POLLIN, 0 } };
    while (!g_stop) {
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
        const ssize_t size = read(STDIN_FILENO, buffer, sizeof buffer);
        if (size < 0 && errno == EINTR)
            continue;
        if (size <= 0) {
            letGo(display, down, "Korvane ended without letting go");
            return 0;
        }
        if (!apply(down, buffer, size))
            return 0;
    }
    // Stopped: take what Korvane said before it went, then let go.
    ssize_t size;
    while ((size = recv(STDIN_FILENO, buffer, sizeof buffer, MSG_DONTWAIT)) > 0) {
        if (!apply(down, buffer, size))
            return 0;
    }
    letGo(display, down,
        size == 0 || g_stoppedBy == korvane ? "Korvane ended without letting go"
                                            : "stopped while Korvane held input");
    return 0;
}
