#pragma once

#include "common/types.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace korvane::common {

// The text conversions of an enumeration whose values 0 to size-1 are named, in order, by the key
// texts of a table. The holders' enumerations all have `int` as their fixed underlying type, so a
// number outside them (from a file, or a test) is a defined value that reaches the range checks
// here instead of undefined behaviour.
template <typename Enum> class EnumText {
public:
    EnumText(const QString* table, int size)
        : m_table(table)
        , m_size(size)
    {
    }

    // Position of text ignoring letter case; the size when no key text matches.
    int position(const QString& text) const { return Types::PositionOf(m_table, m_size, text); }

    QString toString(Enum value) const
    {
        const int position = static_cast<int>(value);
        // A number outside the enumeration has no key text; an empty text is safer than reading
        // past the table.
        if (position < 0 || position >= m_size)
            return QString();
        return m_table[position];
    }

    QStringList values() const { return Types::GetValues(m_table, m_size); }

    QJsonValue toJson(Enum value) const { return QJsonValue(toString(value)); }

    // The first value (and *ok false) for anything that is not a key text.
    Enum fromJson(const QJsonValue& value, bool* ok) const
    {
        if (ok)
            *ok = false;
        // The position is range-checked rather than trusting a separate containment test, so no
        // text can ever yield a value outside the enumeration.
        const int found = position(value.toString());
        if (found < 0 || found >= m_size)
            return static_cast<Enum>(0);
        if (ok)
            *ok = true;
        return static_cast<Enum>(found);
    }

private:
    const QString* m_table;
    int m_size;
};

} // namespace korvane::common

// Declares, inside a holder with a nested `enum Type : int`, its key-text table and the text
// conversions that KORVANE_ENUM_TEXT_DEFINITIONS defines: cstTab, cstSize, get (the size when no
// key text matches), toString, getValues, toJson and fromJson.
#define KORVANE_ENUM_TEXT_DECLARATIONS()                                                           \
    static const QString cstTab[];                                                                 \
    static const int cstSize;                                                                      \
    static Type get(const QString& text);                                                          \
    static QString toString(Type value);                                                           \
    static QStringList getValues();                                                                \
    static QJsonValue toJson(Type value);                                                          \
    static Type fromJson(const QJsonValue& value, bool* ok = nullptr)

// Defines a holder's get, toString, getValues, toJson and fromJson over its table cstTab of size
// entries, after the table's definition. get keeps the result type its holder declares: the
// enumeration, or a plain position.
#define KORVANE_ENUM_TEXT_DEFINITIONS(Holder, size)                                                \
    decltype(Holder::get(QString())) Holder::get(const QString& text)                              \
    {                                                                                              \
        return static_cast<decltype(Holder::get(text))>(                                           \
            korvane::common::EnumText<Holder::Type>(Holder::cstTab, size).position(text));         \
    }                                                                                              \
    QString Holder::toString(Holder::Type value)                                                   \
    {                                                                                              \
        return korvane::common::EnumText<Holder::Type>(Holder::cstTab, size).toString(value);      \
    }                                                                                              \
    QStringList Holder::getValues()                                                                \
    {                                                                                              \
        return korvane::common::EnumText<Holder::Type>(Holder::cstTab, size).values();             \
    }                                                                                              \
    QJsonValue Holder::toJson(Holder::Type value)                                                  \
    {                                                                                              \
        return korvane::common::EnumText<Holder::Type>(Holder::cstTab, size).toJson(value);        \
    }                                                                                              \
    Holder::Type Holder::fromJson(const QJsonValue& value, bool* ok)                               \
    {                                                                                              \
        return korvane::common::EnumText<Holder::Type>(Holder::cstTab, size).fromJson(value, ok);  \
    }
