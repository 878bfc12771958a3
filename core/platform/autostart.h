#pragma once

#include "core/korvane_core_export.h"

#include <QString>

namespace korvane::core {

// Start of the program at login: the current user's Run registry value on
// Windows, an XDG autostart desktop entry elsewhere.
class KORVANE_CORE_EXPORT Autostart {
public:
    // Name of the registry value and base name of the desktop entry.
    static const QString cst_entryName;

    // Registers (enable) or removes the entry that starts programPath at
    // login. Returns true only when the system afterwards really holds the
    // requested state; otherwise error, when given, tells why.
    static bool apply(const QString& programPath, bool enable, QString* error = nullptr);

    // Whether an entry exists now.
    static bool isEnabled();

    // Where the entry lives, for messages: the registry key or the file path.
    static QString location();

    // The Run value for a program path: every "/" turned into "\" and the
    // whole wrapped in double quotes.
    static QString windowsRunValue(const QString& programPath);

    // The Exec value that runs programPath without arguments, quoted and
    // escaped as a desktop entry requires.
    static QString desktopExecValue(const QString& programPath);

    // The whole desktop entry file.
    static QByteArray desktopEntry(const QString& programPath);

private:
    Autostart() = default;
};

} // namespace korvane::core
