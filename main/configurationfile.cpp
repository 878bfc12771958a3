#include "main/configurationfile.h"

#include "common/exception.h"
#include "common/logmanager.h"
#include "datamodel/configuration.h"

#include <QFile>
#include <QSaveFile>

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
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        logError(QStringLiteral("Cannot open configuration file"));
        return ReadResult::Unreadable;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    try {
        configuration.fromJson(bytes);
    } catch (const common::Exception& exception) {
        logError(exception.description());
        if (keepBackupWhenMalformed) {
            // The write-back at exit replaces this file with what could be read
            // (the defaults); keep the user's text so it can be repaired by hand.
            const QString backup = backupPath(path);
            QFile::remove(backup);
            if (QFile::copy(path, backup))
                logError(
                    QStringLiteral("The configuration file %1 is damaged; a copy was kept as %2")
                        .arg(path, backup));
            else {
                logError(
                    QStringLiteral("Cannot keep a copy of the damaged configuration file %1 as %2")
                        .arg(path, backup));
                return ReadResult::Unreadable;
            }
        }
        return ReadResult::Malformed;
    }
    return ReadResult::Read;
}

bool ConfigurationFile::write(const QString& path, const datamodel::Configuration& configuration)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = configuration.toJson(QJsonDocument::Indented);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace korvane::shell
