#include "common/loglevel.h"

#include "common/translator.h"
#include "common/types.h"

namespace korvane::common {

const QString LogLevel::cstTab[LogLevel::cstCount] = {
    QStringLiteral("LEVEL_DEBUG"),
    QStringLiteral("LEVEL_INFO"),
    QStringLiteral("LEVEL_WARNING"),
    QStringLiteral("LEVEL_ERROR"),
    QStringLiteral("LEVEL_FATAL"),
};

int LogLevel::get(const QString& text)
{
    return Types::PositionOf(cstTab, cstCount, text);
}

LogLevel::Type LogLevel::fromJson(const QJsonValue& value, bool* ok)
{
    if (ok)
        *ok = false;
    const int position = get(value.toString());
    if (position < 0 || position >= cstCount)
        return LEVEL_DEBUG;
    if (ok)
        *ok = true;
    return static_cast<Type>(position);
}

QJsonValue LogLevel::toJson(Type value)
{
    return QJsonValue(toString(value));
}

QString LogLevel::toString(Type value)
{
    const int position = static_cast<int>(value);
    // An out-of-range value must not read past the table.
    if (position < 0 || position >= cstCount)
        return QString();
    return cstTab[position];
}

QStringList LogLevel::getValues()
{
    return Types::GetValues(cstTab, cstCount);
}

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
