#include "core/soundcues.h"

namespace korvane::core {

SoundCues::~SoundCues() = default;

QString SoundCues::name(Cue cue)
{
    switch (cue) {
    case Accepted:
        return QStringLiteral("accepted");
    case Ignored:
        return QStringLiteral("ignored");
    case Paused:
        return QStringLiteral("paused");
    case Resumed:
        return QStringLiteral("resumed");
    }
    return QString();
}

} // namespace korvane::core
