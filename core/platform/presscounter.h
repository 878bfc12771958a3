#pragma once

#include "core/korvane_core_export.h"

#include <utility>
#include <vector>

namespace korvane::core {

// How many holders each key or button code has right now. A code goes down
// with its first holder and up with its last, so two channels (or a channel
// and a modifier a layout needs) on the same position never let go of each
// other's key. Plain C++: every back end uses it with its own codes.
class KORVANE_CORE_EXPORT PressCounter {
public:
    // One more holder; true when the code was up and must now go down.
    bool press(int code);
    // One holder less; true when the code must now go up: its last holder
    // let go, or it was not held at all (letting go of such a code does no
    // harm, leaving one down does).
    bool release(int code);
    bool isDown(int code) const;
    bool empty() const { return m_counts.empty(); }
    // Every code still down, last pressed first; forgets them.
    std::vector<int> takeAll();

private:
    // Code and holders, in the order the codes went down.
    std::vector<std::pair<int, int>> m_counts;
};

} // namespace korvane::core
