#include "core/switch/switchcontroller.h"

#include "common/translator.h"
#include "core/switch/comparedline.h"
#include "core/switch/portselection.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QMetaObject>

namespace korvane::core {

using datamodel::ConfigurationSwitch;

SwitchController::SwitchController(QObject* parent)
    : QObject(parent)
{
    // The words are made in C++, so the scene's retranslation does not reach
    // them: a new catalogue has to be announced as a change of the words.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool SwitchController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
        emit statusChanged(m_status);
    return QObject::eventFilter(watched, event);
}

SwitchController::~SwitchController() = default;

// While the controller drives the link, the link's own signals pass through
// passing states (stopped between two ports): the state is settled once, when
// the outermost action ends.
SwitchController::Batch::Batch(SwitchController& owner)
    : m_owner(owner)
{
    ++m_owner.m_batchDepth;
}

SwitchController::Batch::~Batch()
{
    if (--m_owner.m_batchDepth == 0)
        m_owner.updateState();
}

QStringList SwitchController::ports()
{
    return MouseCom::ports();
}

bool SwitchController::autoSelectPort()
{
    if (!m_configuration)
        return false;
    const QString replacement = PortSelection::portToSelect(port(), ports());
    if (replacement.isEmpty())
        return false;
    qDebug().noquote() << QStringLiteral("Auto configure com port = %1").arg(replacement);
    m_configuration->set_serialName(replacement);
    return true;
}

QString SwitchController::port() const
{
    if (m_configuration)
        return m_configuration->serialName();
    return m_link ? m_link->portName() : QString();
}

QString SwitchController::statusText() const
{
    switch (m_status) {
    case StatusRunning:
        return Translator::tr("Running");
    case StatusPaused:
        return Translator::tr("Paused");
    case StatusWaiting:
        return Translator::tr("Waiting for the device");
    case StatusSetUp:
        return Translator::tr("Set up the buttons");
    }
    return QString();
}

QString SwitchController::statusDetail() const
{
    if (m_state == PausedByUser)
        return Translator::tr("Switch presses do nothing until you start again.");
    if (m_state == DeviceLost)
        return Translator::tr(
            "The device on %1 is gone; it is taken up again as soon as it is back.")
            .arg(port());
    if (m_state == WaitingForDevice)
        return Translator::tr(
            "Waiting for the device on %1; it is taken up as soon as it is there.")
            .arg(port());
    if (m_status == StatusSetUp)
        return Translator::tr(
            "No enabled button has a line yet: press Learn beside a button, then that button on "
            "the device.");
    return Translator::tr("Listening to the switch on %1.").arg(port());
}

void SwitchController::set_link(MouseCom* link)
{
    if (m_link == link)
        return;
    if (m_link)
        disconnect(m_link, nullptr, this, nullptr);
    m_link = link;
    if (m_link) {
        connect(m_link, &MouseCom::startedChanged, this, &SwitchController::updateState);
        connect(m_link, &MouseCom::reconnectingChanged, this, [this](bool reconnecting) {
            if (reconnecting && m_state == Running)
                m_lost = true;
            updateState();
        });
        connect(m_link, &MouseCom::lineReceived, this, &SwitchController::lineReceived);
        // A device gone, a port given up or changed: what its presses hold
        // would otherwise wait for a release that cannot come.
        connect(m_link, &MouseCom::startedChanged, this, [this](bool started) {
            if (!started)
                letGo();
        });
        connect(m_link, &MouseCom::portClosed, this, &SwitchController::letGo);
        connect(m_link, &QObject::destroyed, this, &SwitchController::updateState);
    }
    emit linkChanged(m_link);
    updateState();
}

void SwitchController::set_configuration(ConfigurationSwitch* configuration)
{
    if (m_configuration == configuration)
        return;
    if (m_configuration) {
        disconnect(m_configuration, nullptr, this, nullptr);
        disconnect(&m_configuration->leftChannel(), nullptr, this, nullptr);
        disconnect(&m_configuration->rightChannel(), nullptr, this, nullptr);
    }
    m_configuration = configuration;
    connectConfiguration();
    emit configurationChanged(m_configuration);
    emit portChanged(port());
    updateSameLines();
    updateState();
}

void SwitchController::set_channels(ChannelInjector* channels)
{
    if (m_channels == channels)
        return;
    if (m_channels)
        m_channels->setGateClosed(false);
    m_channels = channels;
    if (m_channels)
        m_channels->setGateClosed(holdsPresses());
    emit channelsChanged(m_channels);
}

void SwitchController::letGo()
{
    if (m_channels)
        m_channels->releaseAll();
}

void SwitchController::connectConfiguration()
{
    if (!m_configuration)
        return;
    const auto refresh = [this]() {
        updateSameLines();
        updateState();
    };
    connect(m_configuration, &ConfigurationSwitch::serialNameChanged, this, [this](QString name) {
        emit portChanged(name);
        emit statusChanged(m_status);
    });
    connect(m_configuration, &ConfigurationSwitch::inputLeftChannelChanged, this, refresh);
    connect(m_configuration, &ConfigurationSwitch::inputRightChannelChanged, this, refresh);
    connect(&m_configuration->leftChannel(), &datamodel::ConfigurationChannel::enabledChanged, this,
        refresh);
    connect(&m_configuration->rightChannel(), &datamodel::ConfigurationChannel::enabledChanged,
        this, refresh);
}

bool SwitchController::start()
{
    Batch batch(*this);
    m_pausedByUser = false;
    m_lost = false;
    m_listeningOnly = false;
    if (!m_link)
        return false;
    m_link->set_paused(holdsPresses());
    return m_link->start(port());
}

void SwitchController::pause()
{
    Batch batch(*this);
    const bool held = holdsPresses();
    // Learning needs the port that the user has just closed.
    setLearningChannel(-1);
    m_pausedByUser = true;
    m_listeningOnly = false;
    if (m_link) {
        m_link->stop();
        m_link->set_paused(holdsPresses());
    }
    // Also when the link was only waiting for its device.
    letGo();
    updateHold(held);
}

void SwitchController::togglePause()
{
    if (m_pausedByUser)
        start();
    else
        pause();
}

bool SwitchController::choosePort(QString name)
{
    Batch batch(*this);
    name = name.trimmed();
    if (name.isEmpty() || !m_configuration)
        return false;
    const bool changed = name != port();
    m_configuration->set_serialName(name);
    if (!m_link)
        return true;
    if (m_pausedByUser) {
        // Paused stays paused; only a line being learned follows the port.
        if (m_listeningOnly && changed)
            m_link->start(name);
        return true;
    }
    if (!changed && m_link->started() && m_link->portName() == name)
        return true;
    m_lost = false;
    m_link->set_paused(holdsPresses());
    m_link->start(name);
    return true;
}

void SwitchController::learn(int channel)
{
    Batch batch(*this);
    if (channel < 0 || channel > 3)
        return;
    if (m_learningChannel == channel) {
        cancelLearning();
        return;
    }
    const bool held = holdsPresses();
    setLearningChannel(channel);
    if (m_link) {
        m_link->set_paused(true);
        // Lines are only read from an open port. A switch the user paused
        // opens just to hear the line and is closed again afterwards.
        if (!m_link->started() && !m_link->reconnecting()) {
            m_listeningOnly = m_pausedByUser;
            m_link->start(port());
        }
    }
    updateHold(held);
}

void SwitchController::cancelLearning()
{
    Batch batch(*this);
    if (m_learningChannel < 0)
        return;
    const bool held = holdsPresses();
    setLearningChannel(-1);
    if (!m_settling)
        endListening();
    updateHold(held);
}

void SwitchController::lineReceived(const QString& line)
{
    // A blank line is noise and learns nothing; any other line is kept as
    // the device sent it, since the link compares whole lines. Lines that
    // learn nothing change no state: every press passes here.
    if (m_learningChannel < 0 || line.trimmed().isEmpty())
        return;
    Batch batch(*this);
    const int channel = m_learningChannel;
    // The device sends a button's press line before its release line.
    if (channel >= 2 && comparedLine(line) == comparedLine(channelLine(channel - 2)))
        return;
    const bool held = holdsPresses();
    // The link acts on this very line after its receivers: presses stay held
    // until it is done with it.
    m_settling = true;
    setLearningChannel(-1);
    if (m_configuration) {
        if (channel == 0)
            m_configuration->set_inputLeftChannel(line);
        else if (channel == 1)
            m_configuration->set_inputRightChannel(line);
        else if (channel == 2)
            m_configuration->set_releaseLeftChannel(line);
        else
            m_configuration->set_releaseRightChannel(line);
    }
    emit learned(channel, line);
    QMetaObject::invokeMethod(this, &SwitchController::endSettling, Qt::QueuedConnection);
    updateHold(held);
}

void SwitchController::endSettling()
{
    Batch batch(*this);
    if (!m_settling)
        return;
    const bool held = holdsPresses();
    m_settling = false;
    if (m_learningChannel < 0)
        endListening();
    updateHold(held);
}

void SwitchController::endListening()
{
    if (m_link)
        m_link->set_paused(holdsPresses());
    if (!m_listeningOnly)
        return;
    m_listeningOnly = false;
    if (m_link && m_pausedByUser)
        m_link->stop();
}

void SwitchController::setLearningChannel(int channel)
{
    if (m_learningChannel == channel)
        return;
    m_learningChannel = channel;
    emit learningChannelChanged(m_learningChannel);
}

void SwitchController::updateHold(bool before)
{
    if (holdsPresses() == before)
        return;
    if (m_channels)
        m_channels->setGateClosed(holdsPresses());
    emit holdsPressesChanged(holdsPresses());
}

QString SwitchController::channelLine(int channel) const
{
    if (!m_configuration)
        return QString();
    return channel == 0 ? m_configuration->inputLeftChannel()
                        : m_configuration->inputRightChannel();
}

bool SwitchController::buttonReady(int channel) const
{
    if (!m_configuration)
        return false;
    const auto& section
        = channel == 0 ? m_configuration->leftChannel() : m_configuration->rightChannel();
    return section.enabled() && !comparedLine(channelLine(channel)).trimmed().isEmpty();
}

void SwitchController::updateSameLines()
{
    const QString left = comparedLine(channelLine(0));
    const bool same = !left.trimmed().isEmpty() && left == comparedLine(channelLine(1));
    if (same == m_sameLines)
        return;
    m_sameLines = same;
    emit sameLinesChanged(m_sameLines);
}

void SwitchController::updateState()
{
    if (m_batchDepth > 0)
        return;
    // What is shown must be true also when someone else drives the link: a
    // link started elsewhere acts, so it runs; one stopped elsewhere acts no
    // more, so it is paused and Start takes it up again.
    const bool active = m_link && (m_link->started() || m_link->reconnecting());
    if (m_link && !m_listeningOnly) {
        if (m_pausedByUser && m_link->started())
            m_pausedByUser = false;
        else if (!m_pausedByUser && m_seenActive && !active)
            m_pausedByUser = true;
    }
    m_seenActive = m_seenActive || active;

    State state = WaitingForDevice;
    if (m_pausedByUser)
        state = PausedByUser;
    else if (m_link && m_link->started())
        state = Running;
    else if (m_link && m_link->reconnecting())
        state = m_lost ? DeviceLost : WaitingForDevice;
    if (state == Running)
        m_lost = false;

    Status status = StatusWaiting;
    if (state == PausedByUser)
        status = StatusPaused;
    else if (state == Running)
        status = buttonReady(0) || buttonReady(1) ? StatusRunning : StatusSetUp;

    const bool stateChange = state != m_state;
    const bool statusChange = status != m_status;
    m_state = state;
    m_status = status;
    if (stateChange)
        emit stateChanged(m_state);
    // The detail names the state and port, so it follows either.
    if (stateChange || statusChange)
        emit statusChanged(m_status);
}

} // namespace korvane::core
