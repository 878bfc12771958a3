#pragma once

#include "common/enumtext.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QStringList>

namespace korvane::datamodel {

// A user role, with a translated display name and an icon inside the resources.
struct KORVANE_DATAMODEL_EXPORT Role {
    enum Type : int { NONE, DEMO, GUEST, USER, ADMIN, VESPER };

    KORVANE_ENUM_TEXT_DECLARATIONS();

    static QString getDisplayName(Type value);
    static QString getIcon(Type value);
};

} // namespace korvane::datamodel
