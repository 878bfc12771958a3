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

    // A bigger file is no configuration of ours (a link to a log, say): it is
    // refused rather than read into memory.
    static constexpr qint64 cst_max_size = 1024 * 1024;

    static ReadResult read(
        const QString& path, datamodel::Configuration& configuration, bool keepBackupWhenMalformed);

    // Atomic: the file is either the old one or the complete new one, never a
    // truncated mix, even when the process dies or the disk fills mid-write.
    // `reason` receives the system's words on failure.
    static bool write(const QString& path, const datamodel::Configuration& configuration,
        QString* reason = nullptr);

    static QString backupPath(const QString& path);
};

} // namespace korvane::shell
