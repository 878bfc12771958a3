#pragma once

#include "common/types.h"

#include <QJsonValue>
#include <QString>

// Shared bodies of the enumeration holders' text conversions. Internal to the
// library: every holder keeps its own typed static functions on top of these.
namespace korvane::datamodel::enumtext {

// The holders' enumerations all have `int` as their fixed underlying type, so
// a number outside them (from a file, or a test) is a defined value that
// reaches these checks instead of undefined behaviour.
inline QString toString(const QString* table, int count, int value)
{
    // A number outside the enumeration has no key text; an empty text is safer
    // than reading past the table.
    if (value < 0 || value >= count)
        return QString();
    return table[value];
}

inline int fromJson(const QString* table, int count, const QJsonValue& value, bool* ok)
{
    if (ok)
        *ok = false;
    const int position = korvane::Types::PositionOf(table, count, value.toString());
    // The position is range-checked rather than trusting a separate containment
    // test, so no text can ever yield a value outside the enumeration.
    if (position < 0 || position >= count)
        return 0;
    if (ok)
        *ok = true;
    return position;
}

} // namespace korvane::datamodel::enumtext
