#pragma once

#include "common/korvane_common_export.h"

namespace korvane::common {

class KORVANE_COMMON_EXPORT KeyUtils {
public:
    // Windows virtual-key code for a Qt::Key value (US layout); 0 for a key
    // that has none. isKeypad selects the numeric-keypad table.
    static int windowsKeyCodeForKeyEvent(unsigned int keycode, bool isKeypad);

private:
    KeyUtils() = default;
};

} // namespace korvane::common
