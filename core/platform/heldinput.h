#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/inputrecord.h"

#include <array>
#include <vector>

namespace korvane::core {

// Remembers which keys and mouse buttons the program has pushed down and not
// yet let go, so that a pause, a stop or the exit never leaves anything
// pressed on the user's desktop. Each press counts: a key or button pressed
// by both channels is down twice and needs two releases.
class KORVANE_CORE_EXPORT HeldInput {
public:
    // Follows one record that was (or was tried to be) injected.
    void note(const InputRecord& record);

    bool empty() const;

    // The records that let go of everything still down, keys in reverse order
    // of pressing and then the buttons; forgets them.
    std::vector<InputRecord> takeReleases();

private:
    std::vector<InputRecord> m_keys; // the key-down records, in pressing order
    std::array<int, 3> m_buttons {}; // presses of the left, right and middle button
};

} // namespace korvane::core
