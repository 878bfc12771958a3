#include "datamodel/theme.h"

namespace korvane::datamodel {

const QString Theme::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("LIGHT"),
    QStringLiteral("DARK"),
};
const int Theme::cstSize = 3;

KORVANE_ENUM_TEXT_DEFINITIONS(Theme, cstSize)

} // namespace korvane::datamodel
