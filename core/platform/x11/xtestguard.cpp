#include "core/platform/x11/xtestguard.h"

#include "core/platform/x11/xtestguardmessage.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace korvane::core {

XTestGuard::~XTestGuard()
{
    if (m_socket >= 0) {
        m_releases += xtestguard::Goodbye;
        m_releases += '\0';
        sendPresses();
        sendReleases();
        if (m_socket >= 0)
            ::close(m_socket);
    }
    if (m_pid > 0) {
        while (::waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) { }
    }
}

bool XTestGuard::start(const std::string& program, std::string* error)
{
    // A packet socket: a message arrives whole or not at all, and Korvane's
    // end is closed on exec, so only the guard and Korvane ever hold it and
    // Korvane's death closes it.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
        *error = std::strerror(errno);
        return false;
    }
    // Standard input is the socket, standard error Korvane's log; nothing
    // else of Korvane's (the serial port, the single-instance socket) stays
    // open in the guard. Its own process group keeps a terminal's Ctrl+C for
    // Korvane, which then lets go itself.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    const std::string parent = std::to_string(::getpid());
    char* const argv[]
        = { const_cast<char*>(program.c_str()), const_cast<char*>(parent.c_str()), nullptr };
    const int result = ::posix_spawn(&m_pid, program.c_str(), &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (result != 0) {
        ::close(ends[0]);
        m_pid = -1;
        *error = std::strerror(result);
        return false;
    }
    m_socket = ends[0];
    return true;
}

void XTestGuard::note(char message, unsigned int code)
{
    if (m_socket < 0)
        return;
    const bool press = message == xtestguard::KeyDown || message == xtestguard::ButtonDown;
    std::string& queue = press ? m_presses : m_releases;
    queue += message;
    queue += static_cast<char>(code);
}

void XTestGuard::send(std::string& messages)
{
    if (messages.empty() || m_socket < 0)
        return;
    ssize_t sent;
    do
        sent = ::send(m_socket, messages.data(), messages.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    messages.clear();
    // A full socket (EAGAIN) drops these messages rather than stall the
    // caller; a guard that is gone is not told anything more.
    if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
        ::close(m_socket);
        m_socket = -1;
    }
}

} // namespace korvane::core
