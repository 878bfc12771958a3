#pragma once

#include "core/korvane_core_export.h"

#include <cstdint>
#include <memory>
#include <string>

// Deliberately free of Qt: the Windows back end is also built with a bare
// cross compiler for the wine check.

namespace korvane::core {

// Flag and record values are those of the Windows input records, so the
// injection logic can be written once and checked record by record.
namespace input {
constexpr std::uint32_t KeyExtended = 0x0001; // KEYEVENTF_EXTENDEDKEY
constexpr std::uint32_t KeyUp = 0x0002; // KEYEVENTF_KEYUP

constexpr std::uint32_t MouseLeftDown = 0x0002;
constexpr std::uint32_t MouseLeftUp = 0x0004;
constexpr std::uint32_t MouseRightDown = 0x0008;
constexpr std::uint32_t MouseRightUp = 0x0010;
constexpr std::uint32_t MouseMiddleDown = 0x0020;
constexpr std::uint32_t MouseMiddleUp = 0x0040;
constexpr std::uint32_t MouseWheel = 0x0800;
constexpr std::uint32_t MouseHWheel = 0x1000;

constexpr std::int32_t WheelDelta = 120;

struct MouseButtonFlags {
    std::uint32_t down;
    std::uint32_t up;
};
// Left, right and middle, in the order Windows applies the bits of one record.
constexpr MouseButtonFlags MouseButtons[] = {
    { MouseLeftDown, MouseLeftUp },
    { MouseRightDown, MouseRightUp },
    { MouseMiddleDown, MouseMiddleUp },
};

constexpr int VkShift = 0x10;
constexpr int VkControl = 0x11;
constexpr int VkMenu = 0x12;
constexpr int VkLShift = 0xA0;
constexpr int VkLControl = 0xA2;
constexpr int VkLMenu = 0xA4;
constexpr int VkLWin = 0x5B;
} // namespace input

// System-wide synthetic input, one call per Windows record: a key record as
// passed to keybd_event and a mouse record as passed to SendInput (no move,
// no absolute position, so the action happens where the cursor is).
class KORVANE_CORE_EXPORT InputInjector {
public:
    virtual ~InputInjector();

    // Returns false when the platform reports that the record was not
    // delivered; lastError() then tells why.
    virtual bool sendKey(int virtualKey, int scanCode, std::uint32_t flags) = 0;
    virtual bool sendMouse(std::uint32_t flags, std::int32_t wheelData) = 0;
    // Lets go of every key and button this back end still has down, last
    // pressed first. Back ends that keep no such state send nothing.
    virtual bool releaseAll();

    const std::string& lastError() const { return m_lastError; }

    // The back end of the platform the library was built for.
    static std::unique_ptr<InputInjector> createNative();

protected:
    bool fail(std::string reason);
    bool succeed();

private:
    std::string m_lastError;
};

} // namespace korvane::core
