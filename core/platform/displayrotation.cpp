#include "core/platform/displayrotation.h"

#include "core/platform/rotationpreference.h"

namespace korvane::core {

const QString DisplayRotation::cst_landscape = QStringLiteral("ORIENTATION_PREFERENCE_LANDSCAPE");
const QString DisplayRotation::cst_portrait = QStringLiteral("ORIENTATION_PREFERENCE_PORTRAIT");

int DisplayRotation::preferenceFor(const QString& orientation)
{
    if (orientation == cst_landscape)
        return 1;
    if (orientation == cst_portrait)
        return 2;
    return 0;
}

bool DisplayRotation::apply(const QString& orientation)
{
    const int preference = preferenceFor(orientation);
    return preference != 0 && setDisplayAutoRotationPreference(preference);
}

} // namespace korvane::core
