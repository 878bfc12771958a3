#pragma once

#include "core/soundcues.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace korvane::core {

// Writes down each cue instead of sounding it: its name, and "@<ms>" on the
// given clock when there is one ("accepted@400"). The list is shared so it
// can be read after the cues' owner is gone.
class RecordingSoundCues : public SoundCues {
public:
    explicit RecordingSoundCues(std::function<qint64()> clock = {});
    void play(Cue cue) override;

    std::shared_ptr<QStringList> played() const { return m_played; }

private:
    std::function<qint64()> m_clock;
    std::shared_ptr<QStringList> m_played = std::make_shared<QStringList>();
};

} // namespace korvane::core
