#include "datamodel/screenmode.h"

#include "common/translator.h"
#include "common/types.h"
#include "datamodel/enumtext.h"

namespace korvane::datamodel {

const QString ScreenMode::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("RGB"),
    QStringLiteral("BGR"),
};
const int ScreenMode::cstSize = 3;

ScreenMode::Type ScreenMode::get(const QString& text)
{
    return static_cast<Type>(korvane::Types::PositionOf(cstTab, cstSize, text));
}

QString ScreenMode::toString(Type value)
{
    return enumtext::toString(cstTab, cstSize, value);
}

QStringList ScreenMode::getValues()
{
    return korvane::Types::GetValues(cstTab, cstSize);
}

QJsonValue ScreenMode::toJson(Type value)
{
    return QJsonValue(toString(value));
}

ScreenMode::Type ScreenMode::fromJson(const QJsonValue& value, bool* ok)
{
    return static_cast<Type>(enumtext::fromJson(cstTab, cstSize, value, ok));
}

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
