#include "core/soundeffectcues.h"

#include "common/logmanager.h"
#include "datamodel/korvanepath.h"

#include <QAudioDeviceInfo>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace korvane::core {

namespace {
// The files are made quiet; this keeps them below other programs' sounds.
constexpr qreal cstVolume = 0.8;

// Drops every message while it lives. The sound system's plug-ins explain in
// words of their own why they found no device (a sound server that is not
// running); the one line Korvane writes says it for the user.
class QuietMessages {
public:
    QuietMessages()
        : m_previous(qInstallMessageHandler(&QuietMessages::drop))
    {
    }
    ~QuietMessages() { qInstallMessageHandler(m_previous); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

private:
    static void drop(QtMsgType, const QMessageLogContext&, const QString&) { }
    QtMessageHandler m_previous;
};

// A default output device, not merely a listed one: without a sound server
// the plug-ins still list a nameless stand-in.
bool systemHasOutput()
{
    const QuietMessages quiet;
    return !QAudioDeviceInfo::defaultOutputDevice().isNull();
}
} // namespace

SoundEffectCues::SoundEffectCues(QString folder, OutputCheck hasOutput)
    : m_folder(folder.isEmpty()
            ? datamodel::KorvanePath::getInstallRoot() + QLatin1String("/resources/sounds")
            : std::move(folder))
    , m_hasOutput(hasOutput ? std::move(hasOutput) : OutputCheck(&systemHasOutput))
{
}

SoundEffectCues::~SoundEffectCues() = default;

bool SoundEffectCues::prepare()
{
    if (m_state != Unprepared)
        return m_state == Ready;
    // Asked once: a machine without sound stays quiet, with one line to say
    // why, instead of a sound system's complaint at every press.
    if (!m_hasOutput()) {
        m_state = Silent;
        common::LogManager::GetInstance().infoLog(
            QStringLiteral("No sound output device: sound cues stay silent"));
        return false;
    }
    QStringList missing;
    for (int cue = 0; cue < int(m_effects.size()); ++cue) {
        const QString file = m_folder + QLatin1Char('/') + name(Cue(cue)) + QLatin1String(".wav");
        if (!QFileInfo::exists(file)) {
            missing << file;
            continue;
        }
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
        effect->setVolume(cstVolume);
        m_effects[cue] = std::move(effect);
    }
    if (!missing.isEmpty())
        common::LogManager::GetInstance().warningLog(
            QStringLiteral("Sound cue files missing: %1").arg(missing.join(QStringLiteral(", "))));
    m_state = Ready;
    return true;
}

void SoundEffectCues::play(Cue cue)
{
    if (!prepare() || cue < 0 || cue >= int(m_effects.size()) || !m_effects[cue])
        return;
    // A cue still sounding starts again: the newest press is the one to hear.
    m_effects[cue]->stop();
    m_effects[cue]->play();
}

} // namespace korvane::core
