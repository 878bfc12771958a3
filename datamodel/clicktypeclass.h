#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QObject>
#include <QStringList>

namespace korvane::datamodel {

// The mouse action of a channel in mouse mode. A gadget so that the scene can
// name the values (ClickType.SCROLLUP); the configuration stores the key texts.
class KORVANE_DATAMODEL_EXPORT ClickTypeClass {
    Q_GADGET

public:
    enum Type : int { EMPTY, LEFT, RIGHT, MIDDLE, DOUBLE, SCROLLUP, SCROLLDOWN };
    Q_ENUM(Type)

    static const QString cstTab[];
    static const int cstSize;

    static Type get(const QString& text);
    static QString toString(Type value);
    static QStringList getValues();
    static QJsonValue toJson(Type value);
    static Type fromJson(const QJsonValue& value, bool* ok = nullptr);

private:
    ClickTypeClass() = default;
};

// The type name under which channel properties and signals carry a click type.
using ClickType = ClickTypeClass::Type;

} // namespace korvane::datamodel
