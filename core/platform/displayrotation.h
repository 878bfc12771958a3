#pragma once

#include "core/korvane_core_export.h"

#include <QString>

namespace korvane::core {

// The screen's preferred orientation on tablets and convertibles.
class KORVANE_CORE_EXPORT DisplayRotation {
public:
    static const QString cst_landscape; // "ORIENTATION_PREFERENCE_LANDSCAPE"
    static const QString cst_portrait; // "ORIENTATION_PREFERENCE_PORTRAIT"

    // 1 for the landscape text, 2 for the portrait text (exact, case-sensitive
    // comparison), 0 for anything else.
    static int preferenceFor(const QString& orientation);

    // Asks the system to keep the screen in the named orientation. Any other
    // text does nothing. Returns true when the system took the preference;
    // false where there is no such facility (only Windows 8 and later have it).
    static bool apply(const QString& orientation);

private:
    DisplayRotation() = default;
};

} // namespace korvane::core
