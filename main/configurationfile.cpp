#include "main/configurationfile.h"

#include "common/atomicfilewriter.h"
#include "common/boundedfilereader.h"
#include "common/exception.h"
#include "common/logmanager.h"
#include "datamodel/configuration.h"

namespace korvane::shell {

using common::LogManager;

namespace {
void logError(const QString& message)
{
    LogManager::GetInstance().errorLog(message, LogManager::cst_log_app_name);
}
} // namespace

QString ConfigurationFile::backupPath(const QString& path)
{
    return path + QStringLiteral(".bak");
}

ConfigurationFile::ReadResult ConfigurationFile::read(
    const QString& path, datamodel::Configuration& configuration, bool keepBackupWhenMalformed)
{
    using common::BoundedFileReader;
    QByteArray bytes;
    QString reason;
    switch (BoundedFileReader::read(path, cst_max_size, &bytes, &reason)) {
    case BoundedFileReader::Status::Read:
        break;
    case BoundedFileReader::Status::Missing:
        return ReadResult::Missing;
    // Unreadable keeps the file as it is: it is the user's, and may be what
    // they meant (a link to a shared configuration that is being replaced).
    case BoundedFileReader::Status::NotRegular:
        logError(QStringLiteral("The configuration file %1 is not a regular file; it is left as "
                                "it is and the defaults are used")
                     .arg(path));
        return ReadResult::Unreadable;
    case BoundedFileReader::Status::TooLarge:
        logError(QStringLiteral("The configuration file %1 is larger than %2 bytes; it is left "
                                "as it is and the defaults are used")
                     .arg(path)
                     .arg(cst_max_size));
        return ReadResult::Unreadable;
    case BoundedFileReader::Status::Failed:
        logError(QStringLiteral("Cannot open configuration file %1: %2").arg(path, reason));
        return ReadResult::Unreadable;
    }
    try {
        configuration.fromJson(bytes);
    } catch (const common::Exception& exception) {
        logError(exception.description());
        if (keepBackupWhenMalformed) {
            // The write-back at exit replaces this file with what could be read
            // (the defaults); keep the user's text so it can be repaired by hand.
            // The copy is made of the bytes read, not of the name again, which
            // may point elsewhere by now.
            const QString backup = backupPath(path);
            if (common::AtomicFileWriter::write(backup, bytes, &reason))
                logError(
                    QStringLiteral("The configuration file %1 is damaged; a copy was kept as %2")
                        .arg(path, backup));
            else {
                logError(QStringLiteral(
                    "Cannot keep a copy of the damaged configuration file %1 as %2: %3")
                             .arg(path, backup, reason));
                return ReadResult::Unreadable;
            }
        }
        return ReadResult::Malformed;
    }
    return ReadResult::Read;
}

bool ConfigurationFile::write(
    const QString& path, const datamodel::Configuration& configuration, QString* reason)
{
    return common::AtomicFileWriter::write(
        path, configuration.toJson(QJsonDocument::Indented), reason);
}

} // namespace korvane::shell
