#pragma once

#include <QString>

namespace korvane::datamodel {
class Configuration;
}

namespace korvane::shell {

// Reading and writing the configuration document on disk. Reading overlays the
// file on what the document already holds; a file that does not parse is kept
// beside itself as "<name>.bak" so the write-back at exit cannot destroy it.
class ConfigurationFile {
public:
    // Unreadable: the file exists but its content could not be read or kept
    // safe, so it must not be overwritten.
    enum class ReadResult { Read, Missing, Unreadable, Malformed };

    static ReadResult read(
        const QString& path, datamodel::Configuration& configuration, bool keepBackupWhenMalformed);

    // Atomic: the file is either the old one or the complete new one, never a
    // truncated mix, even when the process dies or the disk fills mid-write.
    static bool write(const QString& path, const datamodel::Configuration& configuration);

    static QString backupPath(const QString& path);
};

} // namespace korvane::shell
