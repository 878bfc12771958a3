#include "datamodel/version.h"

namespace korvane::datamodel {

const QString Version::cst_version = QStringLiteral(KORVANE_VERSION);
const int Version::cst_datamodel_version = 1;

} // namespace korvane::datamodel
