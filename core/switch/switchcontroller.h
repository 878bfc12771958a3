#pragma once

#include "core/channelinjector.h"
#include "core/korvane_core_export.h"
#include "core/switch/mousecom.h"
#include "core/switch/portselection.h"
#include "datamodel/configurationswitch.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

namespace korvane::core {

// What the switch is doing and what the user asked of it, decided in one place
// for the window, its app bar and the tray: which port the link uses, whether
// it runs, was paused by the user, waits for its device or lost it, and which
// button's line is being learned.
//
// Learning a line never pauses or resumes anything: a paused switch listens
// only for the line (presses stay without effect) and is paused again after.
// A port chosen while the link waits for its device is tried at once.
//
// When an enabled channel has "Pause or resume Korvane" as its second action,
// the user's pause keeps the port open and the channels react to that
// gesture only; the gesture pauses and resumes as the tray does. Without it,
// the pause closes the port.
//
// The live switch test: leftActive and rightActive light while a line of
// that button arrives (with a release line, from press to release), also
// while its channel is off or the switch paused and listening; lastLine is
// the last line the device sent.
//
// It also keeps the channels' road safe: while a line is being learned the
// channels' gate is closed (the lines are answers, not commands), and
// whatever ends the link's port (pause, another port, a lost device) lets go
// of everything the channels hold.
class KORVANE_CORE_EXPORT SwitchController : public QObject {
    Q_OBJECT
    Q_PROPERTY(korvane::core::MouseCom* link READ link WRITE set_link NOTIFY linkChanged)
    Q_PROPERTY(korvane::datamodel::ConfigurationSwitch* configuration READ configuration WRITE
            set_configuration NOTIFY configurationChanged)
    Q_PROPERTY(korvane::core::ChannelInjector* channels READ channels WRITE set_channels NOTIFY
            channelsChanged)
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusChanged)
    Q_PROPERTY(QString statusDetail READ statusDetail NOTIFY statusChanged)
    // The port and what it is doing, for the port box's screen-reader description.
    Q_PROPERTY(QString portDescription READ portDescription NOTIFY statusChanged)
    Q_PROPERTY(bool paused READ paused NOTIFY stateChanged)
    Q_PROPERTY(QString port READ port NOTIFY portChanged)
    Q_PROPERTY(int learningChannel READ learningChannel NOTIFY learningChannelChanged)
    Q_PROPERTY(bool holdsPresses READ holdsPresses NOTIFY holdsPressesChanged)
    // One line that does two things: two press lines alike, or a release
    // line equal to the other button's press line or release line.
    Q_PROPERTY(bool sameLines READ sameLines NOTIFY sameLinesChanged)
    Q_PROPERTY(QString sameLinesText READ sameLinesText NOTIFY sameLinesChanged)
    Q_PROPERTY(bool leftActive READ leftActive NOTIFY activeChanged)
    Q_PROPERTY(bool rightActive READ rightActive NOTIFY activeChanged)
    Q_PROPERTY(QString lastLine READ lastLine NOTIFY lastLineChanged)
    // A button sends a line of its own when let go (what a long press needs).
    Q_PROPERTY(bool leftReleases READ leftReleases NOTIFY releaseLinesChanged)
    Q_PROPERTY(bool rightReleases READ rightReleases NOTIFY releaseLinesChanged)
    // Paused, with the port open for the pause gesture.
    Q_PROPERTY(bool listensForGesture READ listensForGesture NOTIFY statusChanged)

public:
    enum State { WaitingForDevice, Running, PausedByUser, DeviceLost };
    Q_ENUM(State)
    // The words the user sees; "set up" is a running link that no enabled
    // button can act through yet.
    enum Status { StatusRunning, StatusPaused, StatusWaiting, StatusSetUp };
    Q_ENUM(Status)
    // How long a button without a release line stays lit in the live test.
    static constexpr int cst_flash_ms = 200;

    explicit SwitchController(QObject* parent = nullptr);
    ~SwitchController() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    MouseCom* link() const { return m_link; }
    datamodel::ConfigurationSwitch* configuration() const { return m_configuration; }
    ChannelInjector* channels() const { return m_channels; }
    State state() const { return m_state; }
    Status status() const { return m_status; }
    QString statusText() const;
    QString statusDetail() const;
    QString portDescription() const;
    bool paused() const { return m_state == PausedByUser; }
    QString port() const;
    int learningChannel() const { return m_learningChannel; }
    bool holdsPresses() const { return m_learningChannel >= 0 || m_settling; }
    bool sameLines() const { return m_clash != NoClash; }
    QString sameLinesText() const;
    bool leftActive() const { return m_active[0]; }
    bool rightActive() const { return m_active[1]; }
    QString lastLine() const { return m_lastLine; }
    bool leftReleases() const { return !releaseLine(0).isEmpty(); }
    bool rightReleases() const { return !releaseLine(1).isEmpty(); }
    bool listensForGesture() const
    {
        return m_pausedByUser && m_listeningOnly && m_gestureListening;
    }

    Q_INVOKABLE static QStringList ports();
    // The listed ports that are USB serial devices, the only ones chosen
    // without the user.
    Q_INVOKABLE QStringList usbSerialPorts() const;
    // At start: a configured port foreign to this system gives way to a USB
    // serial device, or is left unset when there is none (see PortSelection).
    // True when the port changed.
    Q_INVOKABLE bool autoSelectPort();
    // For the tests: where the listed ports come from.
    void setPortLister(std::function<QList<PortSelection::Port>()> lister);

signals:
    void linkChanged(korvane::core::MouseCom* link);
    void configurationChanged(korvane::datamodel::ConfigurationSwitch* configuration);
    void channelsChanged(korvane::core::ChannelInjector* channels);
    void stateChanged(korvane::core::SwitchController::State state);
    void statusChanged(korvane::core::SwitchController::Status status);
    void portChanged(QString port);
    void learningChannelChanged(int learningChannel);
    void holdsPressesChanged(bool holdsPresses);
    void sameLinesChanged(bool sameLines);
    // A line was learned for a channel.
    void learned(int channel, QString line);
    // While no port was set, a USB serial device appeared and is now used.
    void portFound(QString port);
    void activeChanged();
    void lastLineChanged(QString line);
    void releaseLinesChanged();
    // The switch's pause gesture paused (true) or resumed Korvane.
    void pausedFromSwitch(bool paused);

public slots:
    void set_link(korvane::core::MouseCom* link);
    void set_configuration(korvane::datamodel::ConfigurationSwitch* configuration);
    void set_channels(korvane::core::ChannelInjector* channels);
    // Listens on the configured port; the user's pause ends.
    bool start();
    void pause();
    // Pauses a switch that is not paused, starts a paused one.
    void togglePause();
    // Takes a port typed or picked by the user. A blank name is refused. Unless
    // the user paused the switch, the link moves to the port at once.
    bool choosePort(QString name);
    // Learns the next line for a channel (0 left, 1 right; 2 and 3 their
    // release lines), or stops learning when that channel is already learning.
    void learn(int channel);
    void cancelLearning();

private:
    class Batch {
    public:
        explicit Batch(SwitchController& owner);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SwitchController& m_owner;
    };

    void lineReceived(const QString& line);
    void showLine(const QString& line);
    void setActive(int channel, bool active);
    void pauseGesture();
    bool pauseGestureReady() const;
    // While paused: opens the port for the pause gesture, or closes it.
    void updatePausedListening();
    void endSettling();
    void endListening();
    void updateState();
    void updateHold(bool before);
    void letGo();
    void updateSameLines();
    void watchForPort();
    bool anyChannelEnabled() const;
    bool anyLineLearned() const;
    void setLearningChannel(int channel);
    void connectConfiguration();
    bool buttonReady(int channel) const;
    QString channelLine(int channel) const;
    // A button's release line as compared, empty when it has none.
    QString releaseLine(int channel) const;

    QPointer<MouseCom> m_link;
    QPointer<datamodel::ConfigurationSwitch> m_configuration;
    QPointer<ChannelInjector> m_channels;
    State m_state = WaitingForDevice;
    Status m_status = StatusWaiting;
    bool m_pausedByUser = false;
    std::function<QList<PortSelection::Port>()> m_portLister;
    // While no port is set: looks for a USB serial device now and then.
    QTimer m_portWatch;
    // Started with no port set: waits for one rather than being paused.
    bool m_waitingForPort = false;
    int m_learningChannel = -1;
    // The learned line is still being delivered to the link's other receivers.
    bool m_settling = false;
    // The link was opened only to learn a line while the user had paused it.
    bool m_listeningOnly = false;
    enum Clash { NoClash, PressLines, LeftReleaseRightPress, RightReleaseLeftPress, ReleaseLines };
    Clash m_clash = NoClash;
    int m_batchDepth = 0;
    // The link has listened or waited at least once: before that, a link at
    // rest is not yet started rather than paused.
    bool m_seenActive = false;
    // The port is open while paused for the pause gesture.
    bool m_gestureListening = false;
    std::array<bool, 2> m_active { { false, false } };
    std::array<QTimer, 2> m_flash;
    QString m_lastLine;
    std::array<bool, 2> m_releases { { false, false } };
};

} // namespace korvane::core
