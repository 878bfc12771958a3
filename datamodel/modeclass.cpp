#include "datamodel/modeclass.h"

namespace korvane::datamodel {

const QString ModeClass::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("KEYBOARD"),
    QStringLiteral("MOUSE"),
};
const int ModeClass::cstSize = 3;

KORVANE_ENUM_TEXT_DEFINITIONS(ModeClass, cstSize)

} // namespace korvane::datamodel
