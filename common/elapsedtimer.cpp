#include "common/elapsedtimer.h"

namespace korvane::common {

ElapsedTimer::ElapsedTimer(QObject* parent)
    : QObject(parent)
{
}

int ElapsedTimer::elapsed() const
{
    if (!m_timer.isValid())
        return 0;
    return static_cast<int>(m_timer.elapsed());
}

void ElapsedTimer::start()
{
    m_running = true;
    m_timer.start();
}

void ElapsedTimer::restart()
{
    m_timer.start();
}

void ElapsedTimer::stop()
{
    m_running = false;
}

} // namespace korvane::common
