#pragma once

// Free of Qt so the Windows file builds with a bare cross compiler too.

namespace korvane::core {

// preference: 1 landscape, 2 portrait (the Windows ORIENTATION_PREFERENCE
// values). Returns true when the system accepted it.
bool setDisplayAutoRotationPreference(int preference);

} // namespace korvane::core
