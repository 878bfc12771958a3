#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/inputinjector.h"
#include "core/platform/linux/keymapset.h"
#include "core/platform/presscounter.h"

#include <memory>
#include <string>
#include <vector>

namespace korvane::core {

// Input through the kernel's uinput device: one virtual keyboard and wheel
// mouse that the kernel, X11, every Wayland compositor and the text console
// take for real hardware. Keys are mapped to the positions that give the
// wanted character in the session's active layout, which the key map set
// follows while the injector runs.
class KORVANE_CORE_EXPORT UinputInputInjector final : public InputInjector {
public:
    static const char* const cstDevicePath;
    static const char* const cstDeviceName;

    // Creates the virtual device; null, with errno's value and the reason,
    // when the kernel refuses (module not loaded, no permission).
    static std::unique_ptr<UinputInputInjector> create(std::shared_ptr<KeyMapSet> keys,
        int* errorNumber, std::string* reason, const char* path = cstDevicePath);

    // Writes the events to `fd` as they would go to the device, without
    // setting one up (the tests hand a pipe); the fd is closed on destruction.
    UinputInputInjector(int fd, std::shared_ptr<KeyMapSet> keys, bool isDevice = false);
    // Lets go of whatever is still down, then removes the device.
    ~UinputInputInjector() override;

    bool sendKey(int virtualKey, int scanCode, std::uint32_t flags) override;
    bool sendMouse(std::uint32_t flags, std::int32_t wheelData) override;
    bool releaseAll() override;

    // The device's folder under /sys/devices/virtual/input; empty for a
    // plain fd.
    std::string systemName() const;

private:
    struct Event {
        int type;
        int code;
        int value;
    };
    // One key record that went down: the position it pressed and the
    // modifiers the layout needed with it, let go of with it.
    struct KeyPress {
        int virtualKey;
        int code;
        std::vector<int> modifiers;
    };

    void press(std::vector<Event>& frame, int code);
    void release(std::vector<Event>& frame, int code);
    bool write(const std::vector<Event>& events);

    int m_fd;
    bool m_isDevice;
    std::shared_ptr<KeyMapSet> m_keys;
    PressCounter m_down; // key and button codes
    std::vector<KeyPress> m_keyPresses; // in pressing order
};

} // namespace korvane::core
