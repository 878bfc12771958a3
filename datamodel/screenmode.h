#pragma once

#include "common/enumtext.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QStringList>

namespace korvane::datamodel {

// The colour order of a screen, with a translated display name.
struct KORVANE_DATAMODEL_EXPORT ScreenMode {
    enum Type : int { NONE, RGB, BGR };

    KORVANE_ENUM_TEXT_DECLARATIONS();

    static QString getDisplayName(Type value);
};

} // namespace korvane::datamodel
