#include "core/platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace korvane::core {

QString Autostart::location()
{
    // $XDG_CONFIG_HOME, or ~/.config when it is unset.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/") + cst_entryName + QStringLiteral(".desktop");
}

bool Autostart::isEnabled()
{
    return QFileInfo::exists(location());
}

bool Autostart::apply(const QString& programPath, bool enable, QString* error)
{
    const QString path = location();
    auto failed = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };

    if (!enable) {
        QFile file(path);
        if (file.exists() && !file.remove())
            return failed(QStringLiteral("cannot remove %1: %2").arg(path, file.errorString()));
        return true;
    }

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("cannot create the folder %1").arg(folder));
    const QByteArray content = desktopEntry(programPath);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(content) != content.size() || !file.commit())
        return failed(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

} // namespace korvane::core
