#pragma once

#include "common/korvane_common_export.h"

#include <QObject>
#include <QString>

namespace korvane::common {

class KORVANE_COMMON_EXPORT FontDatabase : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Registers every TrueType file (suffix "ttf" in any letter case) found in
    // folder and its sub-folders with the application. A missing folder or a
    // font that fails to register is not an error: always returns true.
    static bool load(const QString& folder);
};

} // namespace korvane::common
