#pragma once

#include "common/korvane_common_export.h"

#include <QByteArray>
#include <QString>

namespace korvane::common {

// Replaces a file's content all or nothing: the new bytes go to a temporary
// file beside it, which takes the old file's place only once every byte was
// accepted by the system. On any failure the old file stays byte for byte as
// it was and `reason` holds the system's own words ("No space left on device").
class KORVANE_COMMON_EXPORT AtomicFileWriter {
public:
    static bool write(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

private:
    AtomicFileWriter() = default;
};

} // namespace korvane::common
