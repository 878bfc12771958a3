#pragma once

#include "common/enumtext.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QObject>
#include <QStringList>

namespace korvane::datamodel {

// What a switch channel produces. A gadget so that the scene can name the
// values (Mode.KEYBOARD); the configuration stores the key texts.
class KORVANE_DATAMODEL_EXPORT ModeClass {
    Q_GADGET

public:
    enum Type : int { NONE, KEYBOARD, MOUSE };
    Q_ENUM(Type)

    KORVANE_ENUM_TEXT_DECLARATIONS();

private:
    ModeClass() = default;
};

// The type name under which channel properties and signals carry a mode.
using Mode = ModeClass::Type;

} // namespace korvane::datamodel
