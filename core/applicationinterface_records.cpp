#include "core/applicationinterface_records.h"

#include "common/keyutils.h"
#include "core/platform/inputinjector.h"

namespace korvane::core {

using datamodel::ClickTypeClass;
using datamodel::ConfigurationChannel;
using datamodel::ModeClass;

namespace {
constexpr int cstModifierScanCode = 0x45;

std::vector<InputRecord> keyRecords(const ConfigurationChannel& channel, bool up)
{
    // The key is sent as the table gives it, even 0 for a key it lacks.
    const int vk = common::KeyUtils::windowsKeyCodeForKeyEvent(
        static_cast<unsigned int>(channel.key()), false);
    const std::uint32_t flags = input::KeyExtended | (up ? input::KeyUp : 0);
    if (channel.modifiers() > 0) {
        // The modifier goes down first and also up first.
        return { InputRecord::key(
                     ChannelRecords::modifierKey(channel.modifiers()), cstModifierScanCode, flags),
            InputRecord::key(vk, cstModifierScanCode, flags) };
    }
    return { InputRecord::key(vk, 0, flags) };
}
} // namespace

int ChannelRecords::modifierKey(int modifiers)
{
    switch (modifiers) {
    case Qt::ShiftModifier:
        return input::VkLShift;
    case Qt::AltModifier:
        return input::VkLMenu;
    case Qt::ControlModifier:
    default:
        return input::VkLControl;
    }
}

std::vector<InputRecord> ChannelRecords::press(const ConfigurationChannel& channel)
{
    if (channel.mode() == ModeClass::KEYBOARD)
        return keyRecords(channel, false);
    if (channel.mode() != ModeClass::MOUSE)
        return {};
    switch (channel.clickType()) {
    case ClickTypeClass::LEFT:
        return { InputRecord::mouse(input::MouseLeftDown, 0) };
    case ClickTypeClass::RIGHT:
        return { InputRecord::mouse(input::MouseRightDown, 0) };
    case ClickTypeClass::MIDDLE:
        return { InputRecord::mouse(input::MouseMiddleDown, 0) };
    case ClickTypeClass::DOUBLE:
        // A whole double click on the press; the release has nothing left to do.
        return { InputRecord::mouse(input::MouseLeftDown, 0),
            InputRecord::mouse(input::MouseLeftUp, 0), InputRecord::mouse(input::MouseLeftDown, 0),
            InputRecord::mouse(input::MouseLeftUp, 0) };
    case ClickTypeClass::SCROLLUP:
        return { InputRecord::mouse(input::MouseWheel, input::WheelDelta) };
    case ClickTypeClass::SCROLLDOWN:
        return { InputRecord::mouse(input::MouseWheel, -input::WheelDelta) };
    default:
        return {};
    }
}

std::vector<InputRecord> ChannelRecords::release(const ConfigurationChannel& channel)
{
    if (channel.mode() == ModeClass::KEYBOARD)
        return keyRecords(channel, true);
    if (channel.mode() != ModeClass::MOUSE)
        return {};
    switch (channel.clickType()) {
    case ClickTypeClass::LEFT:
        return { InputRecord::mouse(input::MouseLeftUp, 0) };
    case ClickTypeClass::RIGHT:
        return { InputRecord::mouse(input::MouseRightUp, 0) };
    case ClickTypeClass::MIDDLE:
        return { InputRecord::mouse(input::MouseMiddleUp, 0) };
    default:
        return {};
    }
}

} // namespace korvane::core
