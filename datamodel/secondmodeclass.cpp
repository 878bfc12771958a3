#include "datamodel/secondmodeclass.h"

namespace korvane::datamodel {

const QString SecondModeClass::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("KEYBOARD"),
    QStringLiteral("MOUSE"),
    QStringLiteral("PAUSE"),
};
const int SecondModeClass::cstSize = 4;

KORVANE_ENUM_TEXT_DEFINITIONS(SecondModeClass, cstSize)

} // namespace korvane::datamodel
