#pragma once

#include "core/korvane_core_export.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace korvane::core {

// Which serial port the link uses at start when the configured one is not
// among the listed ports. The serial library lists neither pseudo-terminals nor
// links such as /dev/serial/by-id/..., and nothing at all while the device is
// unplugged, so "not listed" does not mean "wrong": a name the user could have
// chosen on this system is kept, and the link waits for its device to appear.
// Only a name foreign to this system (the default "COM5" on Linux, an empty
// name) gives way. On Linux it gives way to a USB serial device only: the
// built-in UARTs (ttyS*) that nearly every PC lists are almost never a
// switch, and a carer would take "Port ttyS0" for it. With none, the port is
// left unset until one appears.
class KORVANE_CORE_EXPORT PortSelection {
public:
    enum class System { Unix, Windows };
    using ExistsFunction = std::function<bool(const QString& path)>;

    struct Port {
        QString name;
        // The system reports a USB vendor for it.
        bool usb = false;
    };

    // The port to use instead of `configured`: nothing to keep it, an empty
    // name to leave it unset.
    static std::optional<QString> portToSelect(
        const QString& configured, const QList<Port>& listed);
    static std::optional<QString> portToSelect(const QString& configured, const QList<Port>& listed,
        System system, const ExistsFunction& exists);

    // True when `name` designates a device the user can have chosen on
    // `system`, whether or not the device is there right now.
    static bool isUserChoice(const QString& name, System system, const ExistsFunction& exists);

    // A USB serial adapter or a USB modem-class device (ttyUSB*, ttyACM*).
    static bool isUsbSerial(const Port& port);

    // The ports the serial library lists now.
    static QList<Port> listedPorts();

    static System currentSystem();
};

} // namespace korvane::core
