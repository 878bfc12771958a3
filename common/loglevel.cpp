#include "common/loglevel.h"

#include "common/enumtext.h"
#include "common/translator.h"

namespace korvane::common {

const QString LogLevel::cstTab[LogLevel::cstCount] = {
    QStringLiteral("LEVEL_DEBUG"),
    QStringLiteral("LEVEL_INFO"),
    QStringLiteral("LEVEL_WARNING"),
    QStringLiteral("LEVEL_ERROR"),
    QStringLiteral("LEVEL_FATAL"),
};

KORVANE_ENUM_TEXT_DEFINITIONS(LogLevel, cstCount)

QString LogLevel::getDisplayName(Type value)
{
    switch (value) {
    case LEVEL_DEBUG:
        return korvane::Translator::tr("Debug");
    case LEVEL_INFO:
        return korvane::Translator::tr("Info");
    case LEVEL_WARNING:
        return korvane::Translator::tr("Warning");
    case LEVEL_ERROR:
        return korvane::Translator::tr("Error");
    case LEVEL_FATAL:
        return korvane::Translator::tr("Fatal");
    }
    return QString();
}

} // namespace korvane::common
