#include "datamodel/clicktypeclass.h"

#include "common/types.h"
#include "datamodel/enumtext.h"

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

ClickTypeClass::Type ClickTypeClass::get(const QString& text)
{
    return static_cast<Type>(korvane::Types::PositionOf(cstTab, cstSize, text));
}

QString ClickTypeClass::toString(Type value)
{
    return enumtext::toString(cstTab, cstSize, value);
}

QStringList ClickTypeClass::getValues()
{
    return korvane::Types::GetValues(cstTab, cstSize);
}

QJsonValue ClickTypeClass::toJson(Type value)
{
    return QJsonValue(toString(value));
}

ClickTypeClass::Type ClickTypeClass::fromJson(const QJsonValue& value, bool* ok)
{
    return static_cast<Type>(enumtext::fromJson(cstTab, cstSize, value, ok));
}

} // namespace korvane::datamodel
