#include "common/privatetempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::common {

namespace {

bool isPrivateStat(const struct stat& st)
{
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

// Removes the entry name below parentFd. A folder is opened with O_NOFOLLOW,
// so a link is unlinked itself and what it points to is left alone.
bool removeEntryAt(int parentFd, const char* name)
{
    const int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOTDIR || errno == ELOOP)
            return unlinkat(parentFd, name, 0) == 0;
        return false;
    }
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return false;
    }
    bool ok = true;
    while (struct dirent* entry = readdir(dir)) {
        const char* child = entry->d_name;
        if (qstrcmp(child, ".") == 0 || qstrcmp(child, "..") == 0)
            continue;
        if (entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN) {
            ok = removeEntryAt(dirfd(dir), child) && ok;
        } else {
            ok = unlinkat(dirfd(dir), child, 0) == 0 && ok;
        }
    }
    closedir(dir);
    return unlinkat(parentFd, name, AT_REMOVEDIR) == 0 && ok;
}

} // namespace

bool PrivateTempFolder::isPrivate(const QString& path)
{
    struct stat st { };
    return lstat(QFile::encodeName(path).constData(), &st) == 0 && isPrivateStat(st);
}

QString PrivateTempFolder::acquire(const QString& base, const QString& name)
{
    const QString wanted = QDir::cleanPath(QDir(base).absoluteFilePath(name));
    const QByteArray encoded = QFile::encodeName(wanted);
    if (mkdir(encoded.constData(), 0700) == 0) {
        // The umask may have narrowed the mode; we just made it, so set it exactly.
        chmod(encoded.constData(), 0700);
        if (isPrivate(wanted))
            return wanted;
    } else if (errno == EEXIST && isPrivate(wanted)) {
        return wanted;
    }
    QByteArray pattern = QFile::encodeName(wanted + QStringLiteral("-XXXXXX"));
    if (mkdtemp(pattern.data()))
        return QFile::decodeName(pattern);
    return QString();
}

bool PrivateTempFolder::remove(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(path));
    struct stat st { };
    const QByteArray encoded = QFile::encodeName(info.absoluteFilePath());
    if (lstat(encoded.constData(), &st) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode) || st.st_uid != geteuid())
        return false;
    const int parentFd = open(
        QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0)
        return false;
    const bool ok = removeEntryAt(parentFd, QFile::encodeName(info.fileName()).constData());
    close(parentFd);
    return ok;
}

} // namespace korvane::common
