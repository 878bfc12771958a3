#include "datamodel/clicktypeclass.h"

namespace korvane::datamodel {

const QString ClickTypeClass::cstTab[] = {
    QStringLiteral("EMPTY"),
    QStringLiteral("LEFT"),
    QStringLiteral("RIGHT"),
    QStringLiteral("MIDDLE"),
    QStringLiteral("DOUBLE"),
    QStringLiteral("SCROLLUP"),
    QStringLiteral("SCROLLDOWN"),
};
const int ClickTypeClass::cstSize = 7;

KORVANE_ENUM_TEXT_DEFINITIONS(ClickTypeClass, cstSize)

} // namespace korvane::datamodel
