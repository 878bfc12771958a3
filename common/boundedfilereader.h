#pragma once

#include "common/korvane_common_export.h"

#include <QByteArray>
#include <QString>

namespace korvane::common {

// Reads a small file the user may have replaced with anything: only a regular
// file (a link to one is followed) is read, never a FIFO, device or folder,
// and never more than `maxSize` bytes. Nothing here can block: a FIFO with no
// writer or /dev/zero in the file's place is refused at once.
class KORVANE_COMMON_EXPORT BoundedFileReader {
public:
    enum class Status : int { Read, Missing, NotRegular, TooLarge, Failed };

    // `reason` receives the system's words when the status is Failed.
    static Status read(
        const QString& path, qint64 maxSize, QByteArray* bytes, QString* reason = nullptr);

private:
    BoundedFileReader() = default;
};

} // namespace korvane::common
