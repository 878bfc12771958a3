#include "core/platform/x11/xtestguard.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

extern char** environ;

namespace korvane::core {

XTestGuard::~XTestGuard()
{
    if (m_socket >= 0) {
        // Never blocks, and a guard that is gone raises no SIGPIPE here.
        ::send(m_socket, &xtestguard::Goodbye, 1, MSG_DONTWAIT | MSG_NOSIGNAL);
        ::close(m_socket);
    }
    if (m_pid > 0) {
        while (::waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) { }
    }
    if (m_state)
        ::munmap(m_state, sizeof(xtestguard::HeldState));
}

bool XTestGuard::start(const std::string& program, std::string* error)
{
    // Korvane's ends are closed on exec, so only Korvane and the guard ever
    // hold the socket, and Korvane's death closes it.
    const int page = ::memfd_create("korvane-xtest-guard", MFD_CLOEXEC);
    int ends[2] = { -1, -1 };
    void* state = MAP_FAILED;
    if (page < 0 || ::ftruncate(page, sizeof(xtestguard::HeldState)) != 0
        || (state = ::mmap(nullptr, sizeof(xtestguard::HeldState), PROT_READ | PROT_WRITE,
                MAP_SHARED, page, 0))
            == MAP_FAILED
        || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        *error = std::strerror(errno);
        if (state != MAP_FAILED)
            ::munmap(state, sizeof(xtestguard::HeldState));
        if (page >= 0)
            ::close(page);
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
    posix_spawn_file_actions_adddup2(&actions, page, xtestguard::StateFd);
    posix_spawn_file_actions_addclosefrom_np(&actions, xtestguard::StateFd + 1);
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
    ::close(page);
    if (result != 0) {
        ::close(ends[0]);
        ::munmap(state, sizeof(xtestguard::HeldState));
        m_pid = -1;
        *error = std::strerror(result);
        return false;
    }
    m_socket = ends[0];
    m_state = static_cast<xtestguard::HeldState*>(state);
    return true;
}

std::atomic<std::uint32_t>* XTestGuard::entry(bool button, unsigned int code) const
{
    if (!m_state)
        return nullptr;
    if (button)
        return code < std::size(m_state->buttons) ? &m_state->buttons[code] : nullptr;
    return code < std::size(m_state->keys) ? &m_state->keys[code] : nullptr;
}

void XTestGuard::pressed(bool button, unsigned int code)
{
    auto* down = entry(button, code);
    if (!down)
        return;
    m_releases.erase(std::remove(m_releases.begin(), m_releases.end(), down), m_releases.end());
    down->store(++m_presses, std::memory_order_release);
}

void XTestGuard::released(bool button, unsigned int code)
{
    if (auto* down = entry(button, code))
        m_releases.push_back(down);
}

void XTestGuard::settle()
{
    for (auto* down : m_releases)
        down->store(0, std::memory_order_release);
    m_releases.clear();
}

} // namespace korvane::core
