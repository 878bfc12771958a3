#include "core/platform/heldinput.h"

#include "core/platform/inputinjector.h"

#include <algorithm>

namespace korvane::core {

namespace {
struct Button {
    std::uint32_t down;
    std::uint32_t up;
};
constexpr Button cstButtons[] = {
    { input::MouseLeftDown, input::MouseLeftUp },
    { input::MouseRightDown, input::MouseRightUp },
    { input::MouseMiddleDown, input::MouseMiddleUp },
};
} // namespace

void HeldInput::note(const InputRecord& record)
{
    if (record.kind == InputRecord::Key) {
        auto same = [&](const InputRecord& held) { return held.virtualKey == record.virtualKey; };
        m_keys.erase(std::remove_if(m_keys.begin(), m_keys.end(), same), m_keys.end());
        if (!(record.flags & input::KeyUp))
            m_keys.push_back(record);
        return;
    }
    // Within one record Windows handles down before up, so a record carrying
    // both leaves the button up.
    for (const Button& button : cstButtons) {
        if (record.flags & button.down)
            m_buttonUpFlags |= button.up;
        if (record.flags & button.up)
            m_buttonUpFlags &= ~button.up;
    }
}

std::vector<InputRecord> HeldInput::takeReleases()
{
    std::vector<InputRecord> releases;
    for (auto it = m_keys.rbegin(); it != m_keys.rend(); ++it)
        releases.push_back(
            InputRecord::key(it->virtualKey, it->scanCode, it->flags | input::KeyUp));
    for (const Button& button : cstButtons) {
        if (m_buttonUpFlags & button.up)
            releases.push_back(InputRecord::mouse(button.up, 0));
    }
    m_keys.clear();
    m_buttonUpFlags = 0;
    return releases;
}

} // namespace korvane::core
