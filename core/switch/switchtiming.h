#pragma once

#include "core/korvane_core_export.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

namespace korvane::core {

// Turns the press and release lines of the two switch channels into the moments
// a channel's key or button goes down and comes up, for hands that tremble,
// bounce or cannot let go: ignore repeats, hold time, latch and acceptance time.
// It also tells a long or double press, which does the channel's second
// action instead of the first.
//
// Ignore repeats comes first: a press ignored as a repeat counts for nothing,
// not even toward a double press. With a long press (which needs a release
// line) the first action happens when the button is let go before the
// threshold, as a click that hold, latch and acceptance then treat as a
// back-to-back line. With a double press the first action waits until the
// window has passed; a button still down then goes down and comes up with its
// release. The second action is a moment (second()), never something held.
//
// With no aid on, a press goes down and its release comes up, exactly as the
// lines arrive. Time comes from an injectable monotonic clock; one timer wakes
// the object at the next deadline, and poll() applies every deadline passed.
// Nothing stays down forever: a channel down for cst_safety_release_ms is let
// go and the fact is logged.
class KORVANE_CORE_EXPORT SwitchTiming : public QObject {
    Q_OBJECT

public:
    static constexpr int cst_channels = 2;
    static constexpr qint64 cst_safety_release_ms = 60000;

    enum class Second { None, LongPress, DoublePress };

    struct Rules {
        int ignoreRepeatsMs = 0;
        int holdMs = 0;
        bool latch = false;
        int acceptanceMs = 0;
        // The device sends a second line when the button is let go: presses
        // and releases are real, not back to back.
        bool releaseLine = false;
        // Scrolling and the double click happen at once: they cannot be held.
        bool holdable = true;
        Second second = Second::None;
        int longPressMs = 800;
        int doublePressMs = 400;
        // Only the second action acts (Korvane paused, listening for the
        // gesture that resumes it): the first action is dropped.
        bool secondOnly = false;

        // A long press needs to know when the button is let go.
        Second trigger() const
        {
            return second == Second::LongPress && !releaseLine ? Second::None : second;
        }
        bool operator==(const Rules& other) const
        {
            return ignoreRepeatsMs == other.ignoreRepeatsMs && holdMs == other.holdMs
                && latch == other.latch && acceptanceMs == other.acceptanceMs
                && releaseLine == other.releaseLine && holdable == other.holdable
                && second == other.second && longPressMs == other.longPressMs
                && doublePressMs == other.doublePressMs && secondOnly == other.secondOnly;
        }
        bool operator!=(const Rules& other) const { return !(*this == other); }
    };

    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    explicit SwitchTiming(QObject* parent = nullptr);

    void setClock(Clock clock);
    // Takes effect with the next press. New rules let go of what the channel
    // holds first: a hold, latch or acceptance begun under the old ones could
    // not end as they said. The same rules again change nothing.
    void setRules(int channel, const Rules& rules);
    const Rules& rules(int channel) const { return m_channels.at(channel).rules; }

    bool isDown(int channel) const { return valid(channel) && m_channels[channel].down; }
    bool isLatched(int channel) const { return valid(channel) && m_channels[channel].latched; }
    // When poll() has something to do next, or -1.
    qint64 nextDeadline() const;

public slots:
    void press(int channel);
    void release(int channel);
    // Lets go of what the channel holds and forgets what it waits for.
    void releaseChannel(int channel);
    void releaseAll();
    // Applies every deadline that has passed on the clock.
    void poll();

signals:
    void down(int channel);
    void up(int channel);
    void latchedChanged(int channel, bool latched);
    // The channel was let go because no release came in time.
    void safetyReleased(int channel);
    // A long or double press: the second action, once.
    void second(int channel);
    // A press counted: its first action went down, toggled a latch or
    // clicked. And one that did nothing: a repeat, a press during a hold, one
    // let go before its acceptance time, a first action while only the
    // second one acts.
    void accepted(int channel);
    void ignored(int channel);

private:
    struct Channel {
        Rules rules;
        bool down = false;
        bool latched = false;
        // The next release belongs to a press that was dropped or already
        // dealt with (latch, hold, a back-to-back line).
        bool swallowRelease = false;
        qint64 lastAccepted = -1;
        qint64 downSince = -1;
        qint64 holdUntil = -1;
        qint64 acceptAt = -1;
        qint64 pressedAt = -1;
        // A press waiting to become a long or double press: when it was
        // pressed and let go (-1 while down), and when it is decided.
        qint64 gesturePressedAt = -1;
        qint64 gestureReleasedAt = -1;
        qint64 gestureAt = -1;
    };

    static bool valid(int channel) { return channel >= 0 && channel < cst_channels; }
    // lineOver: the line has been let go already, so the first action is
    // a click as for a back-to-back line.
    void accept(int channel, qint64 pressedAt, bool lineOver = false);
    void firstActionAfterRelease(int channel, qint64 pressedAt, qint64 releasedAt);
    void gestureDecided(int channel, qint64 now);
    void goDown(int channel, qint64 now);
    void goUp(int channel);
    void setLatched(int channel, bool latched);
    void schedule();

    Clock m_clock;
    QTimer m_timer;
    std::array<Channel, cst_channels> m_channels;
};

} // namespace korvane::core
