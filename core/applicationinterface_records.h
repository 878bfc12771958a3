#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/inputrecord.h"
#include "datamodel/configurationchannel.h"

#include <vector>

namespace korvane::core {

// The input records that the press and the release of a switch channel
// produce, read from the channel's configuration at the moment of the call.
class KORVANE_CORE_EXPORT ChannelRecords {
public:
    static std::vector<InputRecord> press(const datamodel::ConfigurationChannel& channel);
    static std::vector<InputRecord> release(const datamodel::ConfigurationChannel& channel);

    // The left-hand modifier key that stands for a modifier mask; masks
    // other than Shift, Control or Alt alone use Control.
    static int modifierKey(int modifiers);

private:
    ChannelRecords() = default;
};

} // namespace korvane::core
