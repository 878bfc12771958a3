#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QStringList>

namespace korvane::datamodel {

// The colour order of a screen, with a translated display name.
struct KORVANE_DATAMODEL_EXPORT ScreenMode {
    enum Type : int { NONE, RGB, BGR };

    static const QString cstTab[];
    static const int cstSize;

    static Type get(const QString& text);
    static QString toString(Type value);
    static QStringList getValues();
    static QJsonValue toJson(Type value);
    static Type fromJson(const QJsonValue& value, bool* ok = nullptr);

    static QString getDisplayName(Type value);
};

} // namespace korvane::datamodel
