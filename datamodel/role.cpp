#include "datamodel/role.h"

#include "common/translator.h"

namespace korvane::datamodel {

const QString Role::cstTab[] = {
    QStringLiteral("NONE"),
    QStringLiteral("DEMO"),
    QStringLiteral("GUEST"),
    QStringLiteral("USER"),
    QStringLiteral("ADMIN"),
    QStringLiteral("VESPER"),
};
const int Role::cstSize = 6;

KORVANE_ENUM_TEXT_DEFINITIONS(Role, cstSize)

QString Role::getDisplayName(Type value)
{
    switch (value) {
    case NONE:
        return korvane::Translator::tr("None");
    case DEMO:
        return korvane::Translator::tr("Demo");
    case GUEST:
        return korvane::Translator::tr("Guest");
    case USER:
        return korvane::Translator::tr("User");
    case ADMIN:
        return korvane::Translator::tr("Admin");
    case VESPER:
        return korvane::Translator::tr("Vesper");
    }
    return QString();
}

QString Role::getIcon(Type value)
{
    switch (value) {
    case NONE:
    case DEMO:
        return QStringLiteral("/images/user/why_us_male-48.svg");
    case GUEST:
        return QStringLiteral("/images/user/about_us_male-48.svg");
    case USER:
        return QStringLiteral("/images/user/gender_neutral_user-48.svg");
    case ADMIN:
    case VESPER:
        return QStringLiteral("/images/user/administrator_male-48.svg");
    }
    return QString();
}

} // namespace korvane::datamodel
