#include "core/platform/inputinjector.h"

namespace korvane::core {

InputInjector::~InputInjector() = default;

bool InputInjector::releaseAll()
{
    return true;
}

bool InputInjector::fail(std::string reason)
{
    m_lastError = std::move(reason);
    return false;
}

bool InputInjector::succeed()
{
    m_lastError.clear();
    return true;
}

} // namespace korvane::core
