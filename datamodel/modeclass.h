#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QJsonValue>
#include <QObject>
#include <QStringList>

namespace korvane::datamodel {

// What a switch channel produces. A gadget so that the scene can name the
// values (Mode.KEYBOARD); the configuration stores the key texts.
class KORVANE_DATAMODEL_EXPORT ModeClass {
    Q_GADGET

public:
    enum Type : int { NONE, KEYBOARD, MOUSE };
    Q_ENUM(Type)

    static const QString cstTab[];
    static const int cstSize;

    static Type get(const QString& text);
    static QString toString(Type value);
    static QStringList getValues();
    static QJsonValue toJson(Type value);
    static Type fromJson(const QJsonValue& value, bool* ok = nullptr);

private:
    ModeClass() = default;
};

// The type name under which channel properties and signals carry a mode.
using Mode = ModeClass::Type;

} // namespace korvane::datamodel
