#include "datamodel/screenmode.h"

#include "common/translator.h"

namespace korvane::datamodel {

const QString ScreenMode::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("RGB"),
    QStringLiteral("BGR"),
};
const int ScreenMode::cstSize = 3;

KORVANE_ENUM_TEXT_DEFINITIONS(ScreenMode, cstSize)

QString ScreenMode::getDisplayName(Type value)
{
    switch (value) {
    case NONE:
        return korvane::Translator::tr("None");
    case RGB:
        return korvane::Translator::tr("RGB");
    case BGR:
        return korvane::Translator::tr("BGR");
    }
    return QString();
}

} // namespace korvane::datamodel
