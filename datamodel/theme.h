#pragma once

#include "common/enumtext.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QStringList>

namespace korvane::datamodel {

// The interface theme, stored in the configuration by its key text.
struct KORVANE_DATAMODEL_EXPORT Theme {
    enum Type : int { NONE, LIGHT, DARK };

    KORVANE_ENUM_TEXT_DECLARATIONS();
};

} // namespace korvane::datamodel
