#include "core/platform/autostart.h"

#include <QSettings>

namespace korvane::core {

namespace {
const QString cstRunKey
    = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
}

QString Autostart::location()
{
    return cstRunKey;
}

bool Autostart::isEnabled()
{
    return QSettings(cstRunKey, QSettings::NativeFormat).contains(cst_entryName);
}

bool Autostart::apply(const QString& programPath, bool enable, QString* error)
{
    QSettings settings(cstRunKey, QSettings::NativeFormat);
    const QString value = windowsRunValue(programPath);
    if (enable)
        settings.setValue(cst_entryName, value);
    else
        settings.remove(cst_entryName);
    settings.sync();

    // Read back: the registry may refuse the write (policies, permissions).
    const bool written = enable ? settings.value(cst_entryName).toString() == value
                                : !settings.contains(cst_entryName);
    if (settings.status() == QSettings::NoError && written)
        return true;
    if (error)
        *error = QStringLiteral("the registry value %1 under %2 could not be %3")
                     .arg(cst_entryName, cstRunKey, enable ? "written" : "removed");
    return false;
}

} // namespace korvane::core
