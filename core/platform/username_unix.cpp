#include "core/platform/username.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace korvane::core::platform {

QString currentUserName()
{
    // The effective user decides who owns the shared block and the socket, so
    // it is what names the instance; $USER and getlogin() can say otherwise.
    const uid_t uid = geteuid();
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    if (bufferSize <= 0)
        bufferSize = 16384;
    std::vector<char> buffer(static_cast<size_t>(bufferSize));
    passwd entry {};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found
        && found->pw_name && *found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    // No account entry (a container with an arbitrary user id): the id itself
    // still tells users apart.
    return QString::number(uid);
}

bool instanceNamesSharedByUsers()
{
    return true;
}

} // namespace korvane::core::platform
