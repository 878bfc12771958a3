#include "common/types.h"

namespace korvane {

QStringList Types::GetValues(const QString* table, int count)
{
    QStringList values;
    if (!table || count <= 0)
        return values;
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values.append(table[i]);
    return values;
}

int Types::PositionOf(const QString* table, int count, const QString& text)
{
    if (!table || count <= 0)
        return count;
    const QString wanted = text.toLower();
    for (int i = 0; i < count; ++i) {
        if (table[i].toLower() == wanted)
            return i;
    }
    return count;
}

} // namespace korvane
