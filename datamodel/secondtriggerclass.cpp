#include "datamodel/secondtriggerclass.h"

namespace korvane::datamodel {

const QString SecondTriggerClass::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("LONG_PRESS"),
    QStringLiteral("DOUBLE_PRESS"),
};
const int SecondTriggerClass::cstSize = 3;

KORVANE_ENUM_TEXT_DEFINITIONS(SecondTriggerClass, cstSize)

} // namespace korvane::datamodel
