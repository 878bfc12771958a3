#include "datamodel/theme.h"

#include "common/types.h"
#include "datamodel/enumtext.h"

namespace korvane::datamodel {

const QString Theme::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("LIGHT"),
    QStringLiteral("DARK"),
};
const int Theme::cstSize = 3;

Theme::Type Theme::get(const QString& text)
{
    return static_cast<Type>(korvane::Types::PositionOf(cstTab, cstSize, text));
}

QString Theme::toString(Type value)
{
    return enumtext::toString(cstTab, cstSize, value);
}

QStringList Theme::getValues()
{
    return korvane::Types::GetValues(cstTab, cstSize);
}

QJsonValue Theme::toJson(Type value)
{
    return QJsonValue(toString(value));
}

Theme::Type Theme::fromJson(const QJsonValue& value, bool* ok)
{
    return static_cast<Type>(enumtext::fromJson(cstTab, cstSize, value, ok));
}

} // namespace korvane::datamodel
