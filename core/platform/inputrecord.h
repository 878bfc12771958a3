#pragma once

#include "core/korvane_core_export.h"

#include <cstdint>
#include <string>

namespace korvane::core {

class InputInjector;

// One synthetic input record exactly as handed to an InputInjector.
struct KORVANE_CORE_EXPORT InputRecord {
    enum Kind { Key, Mouse };

    Kind kind = Key;
    int virtualKey = 0; // Key only
    int scanCode = 0; // Key only
    std::uint32_t flags = 0;
    std::int32_t wheelData = 0; // Mouse only

    static InputRecord key(int virtualKey, int scanCode, std::uint32_t flags)
    {
        return { Key, virtualKey, scanCode, flags, 0 };
    }
    static InputRecord mouse(std::uint32_t flags, std::int32_t wheelData)
    {
        return { Mouse, 0, 0, flags, wheelData };
    }

    bool sendTo(InputInjector& injector) const;
    std::string toString() const;

    bool operator==(const InputRecord& other) const
    {
        return kind == other.kind && virtualKey == other.virtualKey && scanCode == other.scanCode
            && flags == other.flags && wheelData == other.wheelData;
    }
    bool operator!=(const InputRecord& other) const { return !(*this == other); }
};

} // namespace korvane::core
