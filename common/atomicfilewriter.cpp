#include "common/atomicfilewriter.h"

#include <QSaveFile>

namespace korvane::common {

bool AtomicFileWriter::write(const QString& path, const QByteArray& bytes, QString* reason)
{
    QSaveFile file(path);
    const auto fail = [&file, reason] {
        if (reason)
            *reason = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // QSaveFile::commit() of Qt 5 renames even when its own final flush fails,
    // which puts a truncated (often empty) file in place of the user's one on a
    // full disk: the bytes must all be out of Qt's buffer, without error,
    // before the commit may replace anything.
    // A short write is tried again for the rest: the second attempt fails with
    // the system's reason, which the short write itself does not give.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return fail();
        written += count;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return fail();
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace korvane::common
