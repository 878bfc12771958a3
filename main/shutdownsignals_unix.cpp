#include "main/shutdownsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace korvane::shell {

namespace {
// Self-pipe: the handler only writes one byte; everything else happens in the
// event loop. The pipe outlives every pass so a signal that arrives between
// passes, or during the write-back, is neither lost nor acted on mid-write.
int g_pipe[2] = { -1, -1 };

constexpr int cstRequests[] = { SIGTERM, SIGINT, SIGHUP };

sigset_t requestSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : cstRequests)
        sigaddset(&set, signal);
    return set;
}

extern "C" void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}
} // namespace

struct ShutdownSignals::Private {
    QSocketNotifier* notifier = nullptr;
};

void ShutdownSignals::install()
{
    if (g_pipe[0] < 0) {
        if (::pipe(g_pipe) != 0)
            return;
        for (int fd : g_pipe) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : cstRequests)
            ::sigaction(signal, &action, nullptr);
    }
    // The previous image of this process may have held them back for us.
    const sigset_t set = requestSignals();
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

void ShutdownSignals::holdForNextImage()
{
    // The mask and pending signals survive exec, the pipe does not: a request
    // already in the pipe is raised again to stay pending.
    const sigset_t set = requestSignals();
    ::sigprocmask(SIG_BLOCK, &set, nullptr);
    char byte;
    if (g_pipe[0] >= 0 && ::read(g_pipe[0], &byte, 1) > 0)
        ::raise(SIGTERM);
}

ShutdownSignals::ShutdownSignals(QObject* parent)
    : QObject(parent)
    , d(new Private)
{
    if (g_pipe[0] < 0)
        return;
    d->notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        char buffer[64];
        while (::read(g_pipe[0], buffer, sizeof buffer) > 0) { }
        emit requested();
    });
}

ShutdownSignals::~ShutdownSignals()
{
    delete d;
}

} // namespace korvane::shell
