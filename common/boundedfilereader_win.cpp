#include "common/boundedfilereader.h"

#include <QFile>
#include <QFileInfo>

namespace korvane::common {

BoundedFileReader::Status BoundedFileReader::read(
    const QString& path, qint64 maxSize, QByteArray* bytes, QString* reason)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Status::Missing;
    if (!info.isFile())
        return Status::NotRegular;
    if (info.size() > maxSize)
        return Status::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return Status::Failed;
    }
    // One byte more than allowed tells a file that grew since the size check.
    const QByteArray content = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return Status::Failed;
    }
    if (content.size() > maxSize)
        return Status::TooLarge;
    if (bytes)
        *bytes = content;
    return Status::Read;
}

} // namespace korvane::common
