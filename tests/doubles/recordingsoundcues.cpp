#include "tests/doubles/recordingsoundcues.h"

namespace korvane::core {

RecordingSoundCues::RecordingSoundCues(std::function<qint64()> clock)
    : m_clock(std::move(clock))
{
}

void RecordingSoundCues::play(Cue cue)
{
    *m_played << (m_clock ? QStringLiteral("%1@%2").arg(name(cue)).arg(m_clock()) : name(cue));
}

} // namespace korvane::core
