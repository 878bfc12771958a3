#include "core/platform/processimage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace korvane::core::platform {

bool canReplaceProcessImage()
{
    return true;
}

void replaceProcessImage(char* const* argv)
{
    // What the streams still buffer belongs to this run's output.
    std::fflush(nullptr);
    // The very program file this process runs, whatever the current folder
    // and PATH would make of argv[0]; argv[0] where there is no /proc.
    ::execv("/proc/self/exe", argv);
    ::execvp(argv[0], argv);
    std::fprintf(
        stderr, "Cannot start %s again in this process: %s\n", argv[0], std::strerror(errno));
}

bool keepOpenInNextImage(qintptr descriptor)
{
    const int fd = static_cast<int>(descriptor);
    const int flags = ::fcntl(fd, F_GETFD);
    return flags != -1 && ::fcntl(fd, F_SETFD, flags & ~FD_CLOEXEC) == 0;
}

} // namespace korvane::core::platform
