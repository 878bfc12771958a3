#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QStringList>

namespace korvane::datamodel {

// A user role, with a translated display name and an icon inside the resources.
struct KORVANE_DATAMODEL_EXPORT Role {
    enum Type : int { NONE, DEMO, GUEST, USER, ADMIN, VESPER };

    static const QString cstTab[];
    static const int cstSize;

    static Type get(const QString& text);
    static QString toString(Type value);
    static QStringList getValues();
    static QJsonValue toJson(Type value);
    static Type fromJson(const QJsonValue& value, bool* ok = nullptr);

    static QString getDisplayName(Type value);
    static QString getIcon(Type value);
};

} // namespace korvane::datamodel
