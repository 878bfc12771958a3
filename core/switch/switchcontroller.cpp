#include "core/switch/switchcontroller.h"

#include "common/translator.h"
#include "core/switch/comparedline.h"
#include "core/switch/portselection.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFileInfo>
#include <QMetaObject>

namespace korvane::core {

using datamodel::ConfigurationSwitch;

namespace {
constexpr int cstPortWatchIntervalMs = 2000;
} // namespace

SwitchController::SwitchController(QObject* parent)
    : QObject(parent)
    , m_portLister(&PortSelection::listedPorts)
{
    m_portWatch.setInterval(cstPortWatchIntervalMs);
    connect(&m_portWatch, &QTimer::timeout, this, &SwitchController::watchForPort);
    for (int channel = 0; channel < int(m_flash.size()); ++channel) {
        m_flash[channel].setSingleShot(true);
        m_flash[channel].setInterval(cst_flash_ms);
        connect(&m_flash[channel], &QTimer::timeout, this,
            [this, channel]() { setActive(channel, false); });
    }
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

QStringList SwitchController::usbSerialPorts() const
{
    QStringList names;
    for (const PortSelection::Port& port : m_portLister()) {
        if (PortSelection::isUsbSerial(port))
            names << port.name;
    }
    return names;
}

void SwitchController::setPortLister(std::function<QList<PortSelection::Port>()> lister)
{
    m_portLister = lister ? std::move(lister) : &PortSelection::listedPorts;
}

bool SwitchController::autoSelectPort()
{
    if (!m_configuration)
        return false;
    const std::optional<QString> replacement
        = PortSelection::portToSelect(port(), m_portLister(), PortSelection::currentSystem(),
            [](const QString& path) { return QFileInfo::exists(path); });
    if (!replacement)
        return false;
    if (replacement->isEmpty())
        qDebug().noquote() << QStringLiteral(
            "No USB serial device to use instead of port \"%1\": the port stays unset")
                                  .arg(port());
    else
        qDebug().noquote() << QStringLiteral("Auto configure com port = %1").arg(*replacement);
    m_configuration->set_serialName(*replacement);
    return true;
}

void SwitchController::watchForPort()
{
    if (!port().isEmpty()) {
        m_portWatch.stop();
        return;
    }
    const QStringList found = usbSerialPorts();
    if (found.isEmpty())
        return;
    m_portWatch.stop();
    qDebug().noquote() << QStringLiteral(
        "USB serial device %1 appeared: using it as the switch's port")
                              .arg(found.first());
    choosePort(found.first());
    emit portFound(found.first());
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
    if (m_state == PausedByUser && listensForGesture())
        return Translator::tr(
            "Switch presses do nothing until you start again, here or with the switch's pause "
            "gesture.");
    if (m_state == PausedByUser)
        return Translator::tr("Switch presses do nothing until you start again.");
    if (port().isEmpty())
        return Translator::tr(
            "No port is chosen: plug in the switch, or choose its port. A USB switch is taken "
            "up as soon as it is plugged in.");
    if (m_state == DeviceLost)
        return Translator::tr(
            "The device on %1 was unplugged; it is taken up again as soon as it is back.")
            .arg(port());
    if (m_state == WaitingForDevice) {
        switch (m_link ? m_link->waitReason() : MouseCom::NotWaiting) {
        case MouseCom::DeviceMissing:
            return Translator::tr(
                "No device called %1 — check the name, or plug it in. It is taken up as soon as "
                "it is there.")
                .arg(port());
        case MouseCom::DeviceBusy:
            return Translator::tr(
                "%1 is in use by another program; it is taken up as soon as it is free.")
                .arg(port());
        case MouseCom::AccessDenied:
            return Translator::tr(
                "Korvane may not open %1: add your user to the dialout group, then log out and "
                "in. It is taken up as soon as it may.")
                .arg(port());
        default:
            return Translator::tr(
                "Waiting for the device on %1; it is taken up as soon as it is there.")
                .arg(port());
        }
    }
    if (m_status == StatusSetUp) {
        if (anyLineLearned() && !anyChannelEnabled())
            return Translator::tr(
                "Switch a channel on: the buttons have their lines, but no channel acts on them.");
        return Translator::tr(
            "No enabled button has a line yet: press Learn beside a button, then that button on "
            "the device.");
    }
    return Translator::tr("Listening to the switch on %1.").arg(port());
}

QString SwitchController::portDescription() const
{
    if (port().isEmpty())
        return Translator::tr("No port chosen");
    if (m_state == Running)
        return Translator::tr("In use: %1").arg(port());
    if (m_state == PausedByUser)
        return Translator::tr("Paused: %1").arg(port());
    return statusDetail();
}

bool SwitchController::anyChannelEnabled() const
{
    return m_configuration
        && (m_configuration->leftChannel().enabled() || m_configuration->rightChannel().enabled());
}

bool SwitchController::anyLineLearned() const
{
    return !comparedLine(channelLine(0)).trimmed().isEmpty()
        || !comparedLine(channelLine(1)).trimmed().isEmpty();
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
        connect(m_link, &MouseCom::reconnectingChanged, this, &SwitchController::updateState);
        // The words say why it waits.
        connect(
            m_link, &MouseCom::waitReasonChanged, this, [this]() { emit statusChanged(m_status); });
        connect(m_link, &MouseCom::lineReceived, this, &SwitchController::lineReceived);
        // A device gone, a port given up or changed: what its presses hold
        // would otherwise wait for a release that cannot come.
        connect(m_link, &MouseCom::startedChanged, this, [this](bool started) {
            if (!started)
                letGo();
        });
        connect(m_link, &MouseCom::portClosed, this, &SwitchController::letGo);
        // No port, no button down: the live test goes dark.
        connect(m_link, &MouseCom::portClosed, this, [this]() {
            setActive(0, false);
            setActive(1, false);
        });
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
    m_releases = { { leftReleases(), rightReleases() } };
    emit configurationChanged(m_configuration);
    emit releaseLinesChanged();
    emit portChanged(port());
    updateSameLines();
    updateState();
}

void SwitchController::set_channels(ChannelInjector* channels)
{
    if (m_channels == channels)
        return;
    if (m_channels) {
        m_channels->setGateClosed(false);
        m_channels->setSecondOnly(false);
        disconnect(m_channels, nullptr, this, nullptr);
    }
    m_channels = channels;
    if (m_channels) {
        m_channels->setGateClosed(holdsPresses());
        m_channels->setSecondOnly(listensForGesture());
        // After the line that made it is dealt with: the link is not to be
        // closed or reopened from inside its own delivery.
        connect(m_channels, &ChannelInjector::pauseGesture, this, &SwitchController::pauseGesture,
            Qt::QueuedConnection);
    }
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
        Batch batch(*this);
        updateSameLines();
        const std::array<bool, 2> releases { { leftReleases(), rightReleases() } };
        if (releases != m_releases) {
            m_releases = releases;
            emit releaseLinesChanged();
        }
        // A pause gesture set up or taken away while paused opens or closes
        // the port; a line being learned decides that once it is done.
        if (m_pausedByUser && m_learningChannel < 0 && !m_settling)
            updatePausedListening();
    };
    connect(m_configuration, &ConfigurationSwitch::serialNameChanged, this, [this](QString name) {
        if (name.isEmpty())
            m_portWatch.start();
        emit portChanged(name);
        emit statusChanged(m_status);
    });
    if (port().isEmpty())
        m_portWatch.start();
    connect(m_configuration, &ConfigurationSwitch::inputLeftChannelChanged, this, refresh);
    connect(m_configuration, &ConfigurationSwitch::inputRightChannelChanged, this, refresh);
    connect(m_configuration, &ConfigurationSwitch::releaseLeftChannelChanged, this, refresh);
    connect(m_configuration, &ConfigurationSwitch::releaseRightChannelChanged, this, refresh);
    connect(&m_configuration->leftChannel(), &datamodel::ConfigurationChannel::enabledChanged, this,
        refresh);
    connect(&m_configuration->rightChannel(), &datamodel::ConfigurationChannel::enabledChanged,
        this, refresh);
    for (auto* channel : { &m_configuration->leftChannel(), &m_configuration->rightChannel() }) {
        connect(channel, &datamodel::ConfigurationChannel::secondTriggerChanged, this, refresh);
        connect(channel, &datamodel::ConfigurationChannel::secondModeChanged, this, refresh);
    }
}

bool SwitchController::start()
{
    Batch batch(*this);
    const bool wasPaused = m_pausedByUser;
    const bool wasListening = listensForGesture();
    m_pausedByUser = false;
    m_listeningOnly = false;
    m_gestureListening = false;
    if (m_channels) {
        m_channels->setSecondOnly(false);
        if (wasPaused)
            m_channels->playCue(SoundCues::Resumed);
    }
    if (!m_link)
        return false;
    if (port().isEmpty()) {
        // Nothing to open yet: it runs as soon as a switch is plugged in.
        qDebug().noquote() << QStringLiteral(
            "No serial port is set: waiting for a USB serial device to be plugged in");
        m_waitingForPort = true;
        m_link->stop();
        m_portWatch.start();
        return false;
    }
    m_waitingForPort = false;
    m_link->set_paused(holdsPresses());
    // Open for the pause gesture already: the port stays as it is.
    if (wasListening && m_link->started() && m_link->portName() == port())
        return true;
    return m_link->start(port());
}

void SwitchController::pause()
{
    Batch batch(*this);
    const bool held = holdsPresses();
    const bool wasPaused = m_pausedByUser;
    // Learning needs the port that the user has just closed.
    setLearningChannel(-1);
    m_pausedByUser = true;
    m_listeningOnly = false;
    m_waitingForPort = false;
    // Also when the link was only waiting for its device.
    letGo();
    if (m_link)
        updatePausedListening();
    if (!wasPaused && m_channels)
        m_channels->playCue(SoundCues::Paused);
    updateHold(held);
}

bool SwitchController::pauseGestureReady() const
{
    return m_channels && (m_channels->pauseGestureReady(0) || m_channels->pauseGestureReady(1));
}

void SwitchController::updatePausedListening()
{
    if (!m_pausedByUser || !m_link)
        return;
    const bool before = m_gestureListening;
    m_gestureListening = pauseGestureReady() && !port().isEmpty();
    // The words say how to resume.
    if (before != m_gestureListening)
        emit statusChanged(m_status);
    if (m_channels)
        m_channels->setSecondOnly(m_gestureListening);
    m_listeningOnly = m_gestureListening;
    m_link->set_paused(holdsPresses());
    if (!m_gestureListening)
        m_link->stop();
    else if (!m_link->started() && !m_link->reconnecting())
        m_link->start(port());
}

void SwitchController::pauseGesture()
{
    if (holdsPresses())
        return;
    const bool pausing = !m_pausedByUser;
    qDebug().noquote() << (pausing ? QStringLiteral("Paused by the switch's pause gesture")
                                   : QStringLiteral("Resumed by the switch's pause gesture"));
    togglePause();
    emit pausedFromSwitch(pausing);
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
    m_waitingForPort = false;
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
    showLine(line);
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
    // Closed again, unless the pause gesture keeps it open.
    updatePausedListening();
}

void SwitchController::showLine(const QString& line)
{
    if (m_lastLine != line) {
        m_lastLine = line;
        emit lastLineChanged(m_lastLine);
    }
    const QString text = comparedLine(line);
    if (text.trimmed().isEmpty())
        return;
    for (int channel = 0; channel < int(m_active.size()); ++channel) {
        const QString press = comparedLine(channelLine(channel));
        const QString release = releaseLine(channel);
        if (!press.trimmed().isEmpty() && text == press) {
            setActive(channel, true);
            // Without a release line there is no "up": a short flash.
            if (release.isEmpty())
                m_flash[channel].start();
            else
                m_flash[channel].stop();
        } else if (!release.isEmpty() && text == release) {
            m_flash[channel].stop();
            setActive(channel, false);
        }
    }
}

void SwitchController::setActive(int channel, bool active)
{
    if (m_active[channel] == active)
        return;
    m_active[channel] = active;
    emit activeChanged();
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
    switch (channel) {
    case 0:
        return m_configuration->inputLeftChannel();
    case 1:
        return m_configuration->inputRightChannel();
    case 2:
        return m_configuration->releaseLeftChannel();
    default:
        return m_configuration->releaseRightChannel();
    }
}

QString SwitchController::releaseLine(int channel) const
{
    return comparedReleaseLine(channelLine(channel), channelLine(channel + 2));
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
    const auto form = [this](int channel) {
        QString line = comparedLine(channelLine(channel));
        return line.trimmed().isEmpty() ? QString() : line;
    };
    const QString leftPress = form(0);
    const QString rightPress = form(1);
    // A release line equal to its own press line counts as none.
    const auto release = [&](int channel, const QString& press) {
        QString line = form(channel);
        return line == press ? QString() : line;
    };
    const QString leftRelease = release(2, leftPress);
    const QString rightRelease = release(3, rightPress);
    const auto same = [](const QString& a, const QString& b) { return !a.isEmpty() && a == b; };
    Clash clash = NoClash;
    if (same(leftPress, rightPress))
        clash = PressLines;
    else if (same(leftRelease, rightPress))
        clash = LeftReleaseRightPress;
    else if (same(rightRelease, leftPress))
        clash = RightReleaseLeftPress;
    else if (same(leftRelease, rightRelease))
        clash = ReleaseLines;
    if (clash == m_clash)
        return;
    m_clash = clash;
    emit sameLinesChanged(sameLines());
}

QString SwitchController::sameLinesText() const
{
    switch (m_clash) {
    case NoClash:
        return QString();
    case PressLines:
        return Translator::tr("Both buttons send the same line: one press acts on both channels. "
                              "Learn the line of one of them again.");
    case LeftReleaseRightPress:
        return Translator::tr(
            "The left button's release line is the right button's press line: one line does two "
            "things. Learn one of them again.");
    case RightReleaseLeftPress:
        return Translator::tr(
            "The right button's release line is the left button's press line: one line does two "
            "things. Learn one of them again.");
    case ReleaseLines:
        return Translator::tr("Both buttons send the same release line: letting go of one lets "
                              "go of both. Learn one of them again.");
    }
    return QString();
}

void SwitchController::updateState()
{
    if (m_batchDepth > 0)
        return;
    // What is shown must be true also when someone else drives the link: a
    // link started elsewhere acts, so it runs; one stopped elsewhere acts no
    // more, so it is paused and Start takes it up again.
    const bool active = m_link && (m_link->started() || m_link->reconnecting() || m_waitingForPort);
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
        state = m_link->waitReason() == MouseCom::DeviceUnplugged ? DeviceLost : WaitingForDevice;

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
