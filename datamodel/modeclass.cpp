#include "datamodel/modeclass.h"

#include "common/types.h"
#include "datamodel/enumtext.h"

namespace korvane::datamodel {

const QString ModeClass::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("KEYBOARD"),
    QStringLiteral("MOUSE"),
};
const int ModeClass::cstSize = 3;

ModeClass::Type ModeClass::get(const QString& text)
{
    return static_cast<Type>(korvane::Types::PositionOf(cstTab, cstSize, text));
}

QString ModeClass::toString(Type value)
{
    return enumtext::toString(cstTab, cstSize, value);
}

QStringList ModeClass::getValues()
{
    return korvane::Types::GetValues(cstTab, cstSize);
}

QJsonValue ModeClass::toJson(Type value)
{
    return QJsonValue(toString(value));
}

ModeClass::Type ModeClass::fromJson(const QJsonValue& value, bool* ok)
{
    return static_cast<Type>(enumtext::fromJson(cstTab, cstSize, value, ok));
}

} // namespace korvane::datamodel
