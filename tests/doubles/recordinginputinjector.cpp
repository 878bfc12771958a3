#include "tests/doubles/recordinginputinjector.h"

namespace korvane::core {

bool RecordingInputInjector::sendKey(int virtualKey, int scanCode, std::uint32_t flags)
{
    m_records->push_back(InputRecord::key(virtualKey, scanCode, flags));
    return result();
}

bool RecordingInputInjector::sendMouse(std::uint32_t flags, std::int32_t wheelData)
{
    m_records->push_back(InputRecord::mouse(flags, wheelData));
    return result();
}

bool RecordingInputInjector::result()
{
    return m_failure.empty() ? succeed() : fail(m_failure);
}

} // namespace korvane::core
