#pragma once

#include <QString>

namespace korvane::core {

// Whether this user may read the node of a serial port. A port held by
// another program gives a permission error too; this tells the two apart.
// A name is a node under /dev/ unless it is a path, as for the serial library.
bool serialPortReadable(const QString& name);

// True where the system lists every serial port it has (Windows), so a name
// that is not listed cannot be a device the user chose.
bool systemListsEveryPort();

} // namespace korvane::core
