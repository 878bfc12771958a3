#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QStringList>

namespace korvane::datamodel {

// The interface theme, stored in the configuration by its key text.
struct KORVANE_DATAMODEL_EXPORT Theme {
    enum Type : int { NONE, LIGHT, DARK };

    static const QString cstTab[];
    static const int cstSize;

    static Type get(const QString& text);
    static QString toString(Type value);
    static QStringList getValues();
    static QJsonValue toJson(Type value);
    static Type fromJson(const QJsonValue& value, bool* ok = nullptr);
};

} // namespace korvane::datamodel
