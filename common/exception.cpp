#include "common/exception.h"

namespace korvane::common {

Exception::Exception(const char* message)
    : m_message(QString::fromUtf8(message))
{
}

Exception::Exception(const QString& message)
    : m_message(message)
{
}

Exception* Exception::clone() const
{
    return new Exception(*this);
}

void Exception::raise() const
{
    throw *this;
}

const char* Exception::what() const noexcept
{
    // Nothing is ever stored in the std::exception base.
    return "Unknown exception";
}

} // namespace korvane::common
