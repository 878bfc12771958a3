#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QMutex>
#include <QString>

namespace korvane::datamodel {

// Process-wide unique numbers and name-based unique references.
class KORVANE_DATAMODEL_EXPORT Identification {
public:
    // The next number of the sequence 1, 2, 3, ...; safe from any thread.
    static qint64 makeUniqueId();
    // A version-3 UUID text ("{xxxxxxxx-...}") of "<first>_<epoch ms>_<second>":
    // equal arguments within the same millisecond give the same reference.
    static QString makeUniqueRef(const QString& first, const QString& second);

private:
    Identification() = default;

    static qint64 cst_id;
    static QMutex _mutex;
};

} // namespace korvane::datamodel
