#include "core/platform/heldinput.h"

#include "core/platform/inputinjector.h"

#include <algorithm>

namespace korvane::core {

void HeldInput::note(const InputRecord& record)
{
    if (record.kind == InputRecord::Key) {
        if (!(record.flags & input::KeyUp)) {
            m_keys.push_back(record);
            return;
        }
        auto same = [&](const InputRecord& held) { return held.virtualKey == record.virtualKey; };
        const auto latest = std::find_if(m_keys.rbegin(), m_keys.rend(), same);
        if (latest != m_keys.rend())
            m_keys.erase(std::next(latest).base());
        return;
    }
    // Within one record Windows handles down before up, so a record carrying
    // both leaves the button as it was.
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (record.flags & input::MouseButtons[i].down)
            ++m_buttons[i];
        if ((record.flags & input::MouseButtons[i].up) && m_buttons[i] > 0)
            --m_buttons[i];
    }
}

bool HeldInput::empty() const
{
    return m_keys.empty()
        && std::all_of(m_buttons.begin(), m_buttons.end(), [](int count) { return count == 0; });
}

std::vector<InputRecord> HeldInput::takeReleases()
{
    std::vector<InputRecord> releases;
    for (auto it = m_keys.rbegin(); it != m_keys.rend(); ++it)
        releases.push_back(
            InputRecord::key(it->virtualKey, it->scanCode, it->flags | input::KeyUp));
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        for (; m_buttons[i] > 0; --m_buttons[i])
            releases.push_back(InputRecord::mouse(input::MouseButtons[i].up, 0));
    }
    m_keys.clear();
    return releases;
}

} // namespace korvane::core
