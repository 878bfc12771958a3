#include "core/platform/serialportaccess.h"

#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace korvane::core {

bool serialPortReadable(const QString& name)
{
    const bool path = name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./"))
        || name.startsWith(QLatin1String("../"));
    const QString node = path ? name : QStringLiteral("/dev/") + name;
    return ::access(QFile::encodeName(node).constData(), R_OK) == 0 || errno != EACCES;
}

bool systemListsEveryPort()
{
    return false;
}

} // namespace korvane::core
