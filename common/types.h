#pragma once

#include "common/korvane_common_export.h"

#include <QString>
#include <QStringList>

namespace korvane {

// Look-ups over the key-text tables of the enumeration holders.
class KORVANE_COMMON_EXPORT Types {
public:
    // The first count entries of table, in order; empty for count <= 0.
    static QStringList GetValues(const QString* table, int count);
    // Index of the first entry equal to text ignoring letter case; count when none matches.
    static int PositionOf(const QString* table, int count, const QString& text);

private:
    Types() = default;
};

} // namespace korvane
