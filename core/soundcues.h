#pragma once

#include "core/korvane_core_export.h"

#include <QString>

namespace korvane::core {

// Short sounds that tell a switch user what a press did without looking:
// accepted, ignored, paused, resumed. The channels' road decides when; a
// back end makes the sound (SoundEffectCues), a test records it.
class KORVANE_CORE_EXPORT SoundCues {
public:
    enum Cue { Accepted, Ignored, Paused, Resumed };

    virtual ~SoundCues();
    virtual void play(Cue cue) = 0;

    // "accepted", "ignored", "paused", "resumed": the cue's file name and
    // the word in logs and tests.
    static QString name(Cue cue);
};

} // namespace korvane::core
