#include "common/privatetempfolder.h"

#include <QDir>
#include <QFileInfo>

namespace korvane::common {

// The per-user temporary folder on Windows is already private to the user;
// links and junctions are still refused so that removal stays inside it.

bool PrivateTempFolder::isPrivate(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink() && !info.isJunction();
}

QString PrivateTempFolder::acquire(const QString& base, const QString& name)
{
    const QString wanted = QDir::cleanPath(QDir(base).absoluteFilePath(name));
    const QFileInfo info(wanted);
    if (!info.exists())
        QDir().mkpath(wanted);
    if (isPrivate(wanted))
        return wanted;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString other = QStringLiteral("%1-%2").arg(wanted).arg(attempt);
        if (!QFileInfo::exists(other) && QDir().mkpath(other) && isPrivate(other))
            return other;
    }
    return QString();
}

bool PrivateTempFolder::remove(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!isPrivate(path))
        return false;
    return QDir(path).removeRecursively();
}

} // namespace korvane::common
