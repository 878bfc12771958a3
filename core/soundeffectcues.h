#pragma once

#include "core/korvane_core_export.h"
#include "core/soundcues.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class QSoundEffect;

namespace korvane::core {

// The cues as Qt Multimedia's low-latency sound effects, from the WAV files
// shipped in resources/sounds (<name>.wav). Nothing is loaded until the first
// cue. Without a sound output device the cues stay silent: that is logged
// once, and nothing else happens.
class KORVANE_CORE_EXPORT SoundEffectCues : public SoundCues {
public:
    using OutputCheck = std::function<bool()>;

    // folder: where the WAV files are, the shipped one by default;
    // hasOutput: whether a sound device is there, the system's answer by
    // default (tests stand in for a machine without one).
    explicit SoundEffectCues(QString folder = QString(), OutputCheck hasOutput = {});
    ~SoundEffectCues() override;

    void play(Cue cue) override;
    // False once it has found it cannot sound.
    bool audible() const { return m_state != Silent; }

private:
    enum State { Unprepared, Ready, Silent };
    bool prepare();

    QString m_folder;
    OutputCheck m_hasOutput;
    State m_state = Unprepared;
    std::array<std::unique_ptr<QSoundEffect>, 4> m_effects;
};

} // namespace korvane::core
