#pragma once

#include "common/enumtext.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QObject>
#include <QStringList>

namespace korvane::datamodel {

// What makes a channel do its second action: nothing, holding the button
// (long press) or pressing it twice in a row (double press). A gadget so that
// the scene can name the values (SecondTrigger.LONG_PRESS).
class KORVANE_DATAMODEL_EXPORT SecondTriggerClass {
    Q_GADGET

public:
    enum Type : int { NONE, LONG_PRESS, DOUBLE_PRESS };
    Q_ENUM(Type)

    KORVANE_ENUM_TEXT_DECLARATIONS();

private:
    SecondTriggerClass() = default;
};

using SecondTrigger = SecondTriggerClass::Type;

} // namespace korvane::datamodel
