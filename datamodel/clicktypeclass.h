#pragma once

#include "common/enumtext.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QObject>
#include <QStringList>

namespace korvane::datamodel {

// The mouse action of a channel in mouse mode. A gadget so that the scene can
// name the values (ClickType.SCROLLUP); the configuration stores the key texts.
class KORVANE_DATAMODEL_EXPORT ClickTypeClass {
    Q_GADGET

public:
    enum Type : int { EMPTY, LEFT, RIGHT, MIDDLE, DOUBLE, SCROLLUP, SCROLLDOWN };
    Q_ENUM(Type)

    KORVANE_ENUM_TEXT_DECLARATIONS();

private:
    ClickTypeClass() = default;
};

// The type name under which channel properties and signals carry a click type.
using ClickType = ClickTypeClass::Type;

} // namespace korvane::datamodel
