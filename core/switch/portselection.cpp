#include "core/switch/portselection.h"

#include "core/platform/serialportaccess.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace korvane::core {

QString PortSelection::portToSelect(const QString& configured, const QStringList& listed)
{
    return portToSelect(configured, listed, currentSystem(),
        [](const QString& path) { return QFileInfo::exists(path); });
}

QString PortSelection::portToSelect(const QString& configured, const QStringList& listed,
    System system, const ExistsFunction& exists)
{
    if (listed.isEmpty() || listed.contains(configured))
        return QString();
    if (isUserChoice(configured, system, exists))
        return QString();
    return listed.first();
}

bool PortSelection::isUserChoice(const QString& name, System system, const ExistsFunction& exists)
{
    // On Windows every port the system has is listed; an unlisted COM name is
    // as likely a stale default as an unplugged adapter, and the first listed
    // port is the better guess.
    if (name.isEmpty() || system == System::Windows)
        return false;
    // The serial library opens a name with a leading "/", "./" or "../" as the
    // path it is, and any other name under /dev/.
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./"))
        || name.startsWith(QLatin1String("../")))
        return true;
    static const QRegularExpression deviceNaming(QStringLiteral("^(tty|pts/|cu\\.)"));
    if (deviceNaming.match(name).hasMatch())
        return true;
    return exists && exists(QStringLiteral("/dev/") + name);
}

PortSelection::System PortSelection::currentSystem()
{
    return systemListsEveryPort() ? System::Windows : System::Unix;
}

} // namespace korvane::core
