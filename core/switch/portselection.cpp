#include "core/switch/portselection.h"

#include "core/platform/serialportaccess.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace korvane::core {

std::optional<QString> PortSelection::portToSelect(
    const QString& configured, const QList<Port>& listed)
{
    return portToSelect(configured, listed, currentSystem(),
        [](const QString& path) { return QFileInfo::exists(path); });
}

std::optional<QString> PortSelection::portToSelect(const QString& configured,
    const QList<Port>& listed, System system, const ExistsFunction& exists)
{
    for (const Port& port : listed) {
        if (port.name == configured)
            return std::nullopt;
    }
    if (isUserChoice(configured, system, exists))
        return std::nullopt;
    // On Windows every port the system has is listed; an unlisted COM name is
    // as likely a stale default as an unplugged adapter, and the first listed
    // port is the better guess.
    if (system == System::Windows)
        return listed.isEmpty() ? std::nullopt : std::optional<QString>(listed.first().name);
    for (const Port& port : listed) {
        if (isUsbSerial(port))
            return port.name;
    }
    return configured.isEmpty() ? std::nullopt : std::optional<QString>(QString());
}

bool PortSelection::isUserChoice(const QString& name, System system, const ExistsFunction& exists)
{
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

bool PortSelection::isUsbSerial(const Port& port)
{
    static const QRegularExpression usbNaming(QStringLiteral("^tty(USB|ACM)\\d"));
    return port.usb || usbNaming.match(port.name).hasMatch();
}

QList<PortSelection::Port> PortSelection::listedPorts()
{
    QList<Port> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos)
        ports.append({ info.portName(), info.hasVendorIdentifier() });
    return ports;
}

PortSelection::System PortSelection::currentSystem()
{
    return systemListsEveryPort() ? System::Windows : System::Unix;
}

} // namespace korvane::core
