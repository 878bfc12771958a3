// Cost of one injected input event through the XTest back end, with and
// without korvane-xtest-guard (which hears of every press and release), and
// against the usual shell alternative of starting one xdotool process per
// event. All run side by side on a private Xvfb that this program starts and
// stops.
#include "core/platform/inputinjector.h"
#include "core/platform/x11/inputinjector_x11.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

pid_t startXvfb(std::string& display)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten",
            "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buffer[32] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
    close(fds[0]);
    if (n <= 0)
        return -1;
    display = ":" + std::to_string(std::atoi(buffer));
    return pid;
}

bool runXdotool(const char* action)
{
    const char* argv[] = { "xdotool", action, "a", nullptr };
    pid_t pid;
    if (posix_spawnp(&pid, "xdotool", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// Key presses and releases of A, in microseconds per event.
double pressAndRelease(korvane::core::InputInjector& injector, int events)
{
    const auto start = Clock::now();
    for (int i = 0; i < events; ++i) {
        if (!injector.sendKey(0x41, 0, (i % 2) ? 0x0003 : 0x0001)) {
            std::fprintf(stderr, "injection failed: %s\n", injector.lastError().c_str());
            break;
        }
    }
    return microseconds(Clock::now() - start) / events;
}

} // namespace

int main(int argc, char** argv)
{
    const int ours = argc > 1 ? std::atoi(argv[1]) : 4000;
    const int spawned = argc > 2 ? std::atoi(argv[2]) : 200;

    std::string display;
    const pid_t server = startXvfb(display);
    if (server <= 0) {
        std::fprintf(stderr, "cannot start Xvfb\n");
        return 2;
    }
    setenv("DISPLAY", display.c_str(), 1);
    std::printf("private X server %s\n", display.c_str());

    auto injector = korvane::core::InputInjector::createNative();
    const std::string folder(argv[0], std::string(argv[0]).find_last_of('/') + 1);
    auto guarded = korvane::core::createX11InputInjector(folder + "korvane-xtest-guard");
    // Opening the connections and starting the guard are one-time costs,
    // kept out of the figures.
    injector->sendKey(0x41, 0, 0x0003);
    guarded->sendKey(0x41, 0, 0x0003);

    // Taken in turns, so that both see the same machine.
    double oursUs = 0, guardedUs = 0;
    constexpr int rounds = 8;
    for (int round = 0; round < rounds; ++round) {
        oursUs += pressAndRelease(*injector, ours / rounds) / rounds;
        guardedUs += pressAndRelease(*guarded, ours / rounds) / rounds;
    }

    auto start = Clock::now();
    for (int i = 0; i < spawned; ++i) {
        if (!runXdotool((i % 2) ? "keyup" : "keydown")) {
            std::fprintf(stderr, "xdotool failed (is it installed?)\n");
            break;
        }
    }
    const double xdotoolUs = microseconds(Clock::now() - start) / spawned;

    injector.reset();
    guarded.reset();
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);

    std::printf("XTest back end : %9.1f us per event (%d events, each synchronised with the "
                "server)\n",
        oursUs, ours);
    std::printf("with its guard : %9.1f us per event (%.2fx the time without)\n", guardedUs,
        guardedUs / oursUs);
    std::printf("xdotool process: %9.1f us per event (%d processes)\n", xdotoolUs, spawned);
    std::printf("ratio          : %9.1fx cheaper\n", xdotoolUs / oursUs);
    return 0;
}
