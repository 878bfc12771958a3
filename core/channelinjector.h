#pragma once

#include "core/korvane_core_export.h"
#include "core/platform/heldinput.h"
#include "core/soundcues.h"
#include "core/switch/switchtiming.h"
#include "datamodel/configurationswitch.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace korvane::core {

class InputInjector;

// The two switch channels on their way to the desktop: a press or release of
// channel 0 (left) or 1 (right) passes the gate, then the channel's timing
// aids, and what comes out is injected as the channel's key or mouse action.
// It remembers everything it pressed, so nothing stays down on any path.
//
// The gate is closed while the device's lines are answers rather than
// commands (a line being learned): presses and releases are then dropped,
// and closing it lets go of everything first.
//
// A channel's second action (long or double press) is a click of its own key
// or mouse action, or the pause gesture, which is only announced
// (pauseGesture) for the switch controller to act on. While Korvane is paused
// and listens for that gesture (secondOnly), nothing else acts.
class KORVANE_CORE_EXPORT ChannelInjector : public QObject {
    Q_OBJECT
    // What a latched channel keeps pressed ("Left mouse button held"), for the
    // window and the tray; empty when nothing is latched.
    Q_PROPERTY(QString heldText READ heldText NOTIFY heldTextChanged)
    Q_PROPERTY(bool gateClosed READ gateClosed WRITE setGateClosed NOTIFY gateClosedChanged)
    Q_PROPERTY(bool secondOnly READ secondOnly WRITE setSecondOnly NOTIFY secondOnlyChanged)

public:
    // The largest Qt key code, and the modifier bits above it.
    static constexpr quint32 cst_max_key_code = Qt::Key_unknown;
    static constexpr quint32 cst_modifier_bits = Qt::ShiftModifier | Qt::ControlModifier
        | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;

    // Follows the section's channels and lines: whatever a channel holds is
    // let go when what it does, or a line that drives it, changes.
    explicit ChannelInjector(datamodel::ConfigurationSwitch& section, QObject* parent = nullptr);
    // Lets go of every key and button still pressed.
    ~ChannelInjector() override;

    // The back end that receives the input records; the platform's own by
    // default. Whatever the previous one still holds pressed is let go first.
    void setInputInjector(std::unique_ptr<InputInjector> injector);
    InputInjector& inputInjector() const { return *m_injector; }
    // Why the last injection failed; empty after a successful one.
    const QString& injectionError() const { return m_injectionError; }

    SwitchTiming& timing() { return m_timing; }
    QString heldText() const { return m_heldText; }
    bool gateClosed() const { return m_gateClosed; }
    bool secondOnly() const { return m_secondOnly; }

    // What makes the cues heard; the sound effects by default, made when
    // first needed. Cues sound only while `on` says so (off by default).
    void setSoundCues(std::unique_ptr<SoundCues> cues);
    void setSoundCuesOn(std::function<bool()> on);
    void playCue(SoundCues::Cue cue);
    // A channel's pause gesture is ready: on, with its press line (and the
    // release line a long press needs).
    bool pauseGestureReady(int channel) const;

    // The text of a key combination as stored in a channel, "Shift+A"; empty
    // for anything that is not a key code with modifier bits.
    static QString keyText(qulonglong key, int modifier);

    // The records the press and the release of a channel configured so
    // produce, read at the moment of the call.
    static std::vector<InputRecord> pressRecords(const datamodel::ConfigurationChannel& channel);
    static std::vector<InputRecord> releaseRecords(const datamodel::ConfigurationChannel& channel);

public slots:
    // A press or release line of a channel, through the gate and the timing.
    void press(int channel);
    void release(int channel);
    // The channel's records at once, with no gate or timing.
    void pressNow(const datamodel::ConfigurationChannel& channel);
    void releaseNow(const datamodel::ConfigurationChannel& channel);
    // Lets go of every key and mouse button that a press left down and ends
    // every latch and hold.
    void releaseAll();
    // Lets go of what one channel holds and forgets what it waits for.
    void releaseChannel(int channel);
    void setGateClosed(bool closed);
    // Only the pause gesture acts: every other press is dropped.
    void setSecondOnly(bool secondOnly);
    // The held text is made here, out of reach of the scene's retranslation.
    void retranslate();

signals:
    void heldTextChanged(QString heldText);
    void gateClosedChanged(bool gateClosed);
    void secondOnlyChanged(bool secondOnly);
    // A channel's second action is "Pause or resume Korvane" and it happened.
    void pauseGesture(int channel);

private slots:
    void letGoOfChangedChannel();

private:
    SwitchTiming::Rules timingRules(int channel) const;
    const datamodel::ConfigurationChannel* channel(int number) const;
    void channelDown(int channel);
    void channelUp(int channel);
    void secondAction(int channel);
    bool releaseLine(int channel) const;
    void updateHeldText();
    void inject(const std::vector<InputRecord>& records);
    void reportInjectionFailure(const QString& reason);

    datamodel::ConfigurationSwitch& m_section;
    std::unique_ptr<InputInjector> m_injector;
    HeldInput m_held;
    SwitchTiming m_timing;
    // Each channel's configuration when it went down: what comes up is what
    // went down, even if the configuration changed in between.
    std::array<datamodel::ConfigurationChannel, SwitchTiming::cst_channels> m_pressedAs;
    QString m_heldText;
    bool m_forgetting = false;
    bool m_gateClosed = false;
    bool m_secondOnly = false;
    std::unique_ptr<SoundCues> m_soundCues;
    std::function<bool()> m_soundCuesOn;
    QString m_injectionError;
};

} // namespace korvane::core
