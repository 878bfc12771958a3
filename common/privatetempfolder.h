#pragma once

#include "common/korvane_common_export.h"

#include <QString>

namespace korvane::common {

// A temporary folder that belongs to the current user alone. The system
// temporary folder is shared, so a well-known name there may have been made
// by someone else, or be a link to someone else's files: such a folder is
// never used, and removal never follows a link.
class KORVANE_COMMON_EXPORT PrivateTempFolder {
public:
    // <base>/<name> when it is (or could be made) a private folder of the
    // current user, otherwise a fresh private <base>/<name>-XXXXXX; empty when
    // neither could be made.
    static QString acquire(const QString& base, const QString& name);
    // Deletes the folder and its contents without following links; refuses
    // (false) unless path is a real folder owned by the current user.
    static bool remove(const QString& path);
    // Whether path is a real folder owned by the current user and closed to others.
    static bool isPrivate(const QString& path);

private:
    PrivateTempFolder() = default;
};

} // namespace korvane::common
