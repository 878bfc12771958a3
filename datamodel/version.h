#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QString>

namespace korvane::datamodel {

class KORVANE_DATAMODEL_EXPORT Version {
public:
    static const QString cst_version;
    static const int cst_datamodel_version;

private:
    Version() = default;
};

} // namespace korvane::datamodel
