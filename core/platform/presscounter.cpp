#include "core/platform/presscounter.h"

#include <algorithm>

namespace korvane::core {

bool PressCounter::press(int code)
{
    for (auto& entry : m_counts) {
        if (entry.first == code)
            return ++entry.second == 1;
    }
    m_counts.emplace_back(code, 1);
    return true;
}

bool PressCounter::release(int code)
{
    const auto it = std::find_if(m_counts.begin(), m_counts.end(),
        [code](const auto& entry) { return entry.first == code; });
    if (it == m_counts.end())
        return true;
    if (--it->second > 0)
        return false;
    m_counts.erase(it);
    return true;
}

bool PressCounter::isDown(int code) const
{
    return std::any_of(m_counts.begin(), m_counts.end(),
        [code](const auto& entry) { return entry.first == code; });
}

std::vector<int> PressCounter::takeAll()
{
    std::vector<int> codes;
    for (auto it = m_counts.rbegin(); it != m_counts.rend(); ++it)
        codes.push_back(it->first);
    m_counts.clear();
    return codes;
}

} // namespace korvane::core
