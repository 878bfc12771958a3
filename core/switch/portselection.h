#pragma once

#include "core/korvane_core_export.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace korvane::core {

// Which serial port the link uses at start when the configured one is not
// among the listed ports. The serial library lists neither pseudo-terminals nor
// links such as /dev/serial/by-id/..., and nothing at all while the device is
// unplugged, so "not listed" does not mean "wrong": a name the user could have
// chosen on this system is kept, and the link waits for its device to appear.
// Only a name foreign to this system (the default "COM5" on Linux, an empty
// name) gives way to the first listed port.
class KORVANE_CORE_EXPORT PortSelection {
public:
    enum class System { Unix, Windows };
    using ExistsFunction = std::function<bool(const QString& path)>;

    // The port to use instead of `configured`, or an empty string to keep it.
    static QString portToSelect(const QString& configured, const QStringList& listed);
    static QString portToSelect(const QString& configured, const QStringList& listed, System system,
        const ExistsFunction& exists);

    // True when `name` designates a device the user can have chosen on
    // `system`, whether or not the device is there right now.
    static bool isUserChoice(const QString& name, System system, const ExistsFunction& exists);

    static System currentSystem();
};

} // namespace korvane::core
