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

        bool operator==(const Rules& other) const
        {
            return ignoreRepeatsMs == other.ignoreRepeatsMs && holdMs == other.holdMs
                && latch == other.latch && acceptanceMs == other.acceptanceMs
                && releaseLine == other.releaseLine && holdable == other.holdable;
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
    };

    static bool valid(int channel) { return channel >= 0 && channel < cst_channels; }
    void accept(int channel, qint64 pressedAt);
    void goDown(int channel, qint64 now);
    void goUp(int channel);
    void setLatched(int channel, bool latched);
    void schedule();

    Clock m_clock;
    QTimer m_timer;
    std::array<Channel, cst_channels> m_channels;
};

} // namespace korvane::core
