#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QString>

namespace korvane::datamodel {

// The folders the program reads and writes. Paths are returned as built:
// ".." segments are kept and separators are not normalised.
class KORVANE_DATAMODEL_EXPORT KorvanePath {
public:
    // Creates the writable folders (home, pictures, temporary) when missing.
    static void makePath();

    static QString getHomePath();
    // The folder that holds the shipped files (conf, resources, data): the
    // parent of the program's folder in the build tree and in a plain install,
    // ../share/korvane in a system install, where the parent is /usr.
    static QString getInstallRoot();
    static QString installRootFor(const QString& programFolder);
    static QString getDataPath();
    static QString getTranslationPath();
    static QString getPicturePath();
    static QString getTempPath();

private:
    KorvanePath() = default;
};

} // namespace korvane::datamodel
