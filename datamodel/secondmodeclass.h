#pragma once

#include "common/enumtext.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QObject>
#include <QStringList>

namespace korvane::datamodel {

// What a channel's second action is: a key or a mouse action, as the first
// action has (same values as ModeClass), or pausing and resuming Korvane.
class KORVANE_DATAMODEL_EXPORT SecondModeClass {
    Q_GADGET

public:
    enum Type : int { NONE, KEYBOARD, MOUSE, PAUSE };
    Q_ENUM(Type)

    KORVANE_ENUM_TEXT_DECLARATIONS();

private:
    SecondModeClass() = default;
};

using SecondMode = SecondModeClass::Type;

} // namespace korvane::datamodel
