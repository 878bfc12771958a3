#include "common/boundedfilereader.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::common {

namespace {
QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct Descriptor {
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
};
} // namespace

BoundedFileReader::Status BoundedFileReader::read(
    const QString& path, qint64 maxSize, QByteArray* bytes, QString* reason)
{
    const QByteArray name = QFile::encodeName(path);
    // The kind is checked before opening, since merely opening some devices
    // acts on them, and again on the open descriptor, in case the name was
    // swapped in between.
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Status::Missing;
        if (reason)
            *reason = systemReason(errno);
        return Status::Failed;
    }
    if (!S_ISREG(info.st_mode))
        return Status::NotRegular;
    if (info.st_size > maxSize)
        return Status::TooLarge;

    Descriptor file;
    file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file.fd < 0) {
        if (reason)
            *reason = systemReason(errno);
        return errno == ENOENT ? Status::Missing : Status::Failed;
    }
    if (::fstat(file.fd, &info) != 0) {
        if (reason)
            *reason = systemReason(errno);
        return Status::Failed;
    }
    if (!S_ISREG(info.st_mode))
        return Status::NotRegular;

    // One byte more than allowed tells a file that grew since fstat.
    QByteArray content(int(maxSize) + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total < content.size()) {
        const ssize_t count
            = ::read(file.fd, content.data() + total, size_t(content.size() - total));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            if (reason)
                *reason = systemReason(errno);
            return Status::Failed;
        }
        if (count == 0)
            break;
        total += count;
    }
    if (total > maxSize)
        return Status::TooLarge;
    content.truncate(int(total));
    if (bytes)
        *bytes = content;
    return Status::Read;
}

} // namespace korvane::common
