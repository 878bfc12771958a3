#include "core/switch/switchtiming.h"

#include "common/logmanager.h"

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

namespace korvane::core {

namespace {
SwitchTiming::Clock monotonicClock()
{
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    return [elapsed]() { return elapsed->elapsed(); };
}
} // namespace

SwitchTiming::SwitchTiming(QObject* parent)
    : QObject(parent)
    , m_clock(monotonicClock())
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SwitchTiming::poll);
}

void SwitchTiming::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : monotonicClock();
    schedule();
}

void SwitchTiming::setRules(int channel, const Rules& rules)
{
    if (!valid(channel) || m_channels[channel].rules == rules)
        return;
    releaseChannel(channel);
    m_channels[channel].rules = rules;
}

qint64 SwitchTiming::nextDeadline() const
{
    qint64 next = -1;
    auto consider = [&next](qint64 deadline) {
        if (deadline >= 0 && (next < 0 || deadline < next))
            next = deadline;
    };
    for (const Channel& c : m_channels) {
        consider(c.acceptAt);
        consider(c.holdUntil);
        consider(c.gestureAt);
        if (c.down)
            consider(c.downSince + cst_safety_release_ms);
    }
    return next;
}

void SwitchTiming::press(int channel)
{
    if (!valid(channel))
        return;
    Channel& c = m_channels[channel];
    const qint64 now = m_clock();
    // The same press line again while the first one waits or holds: a
    // bounce. Its release (if any) still lets go of the first.
    const bool gestureDown = c.gestureAt >= 0 && c.gestureReleasedAt < 0;
    if (c.acceptAt >= 0 || (c.down && !c.latched && c.holdUntil < 0) || gestureDown)
        return;
    const bool repeat = c.rules.ignoreRepeatsMs > 0 && c.lastAccepted >= 0
        && now - c.lastAccepted < c.rules.ignoreRepeatsMs;
    if (repeat || c.holdUntil >= 0) {
        c.swallowRelease = true;
        emit ignored(channel);
        return;
    }
    const Second trigger = c.rules.trigger();
    if (trigger == Second::DoublePress && c.gestureAt >= 0) {
        // The second press within the window.
        c.lastAccepted = now;
        c.gestureAt = c.gesturePressedAt = c.gestureReleasedAt = -1;
        c.swallowRelease = true;
        emit second(channel);
        schedule();
        return;
    }
    if (trigger != Second::None) {
        // The repeat window of a double press runs from its first press, so
        // a bounce cannot make the second one.
        if (trigger == Second::DoublePress)
            c.lastAccepted = now;
        c.gesturePressedAt = now;
        c.gestureReleasedAt = -1;
        c.gestureAt
            = now + (trigger == Second::LongPress ? c.rules.longPressMs : c.rules.doublePressMs);
        c.swallowRelease = false;
        schedule();
        return;
    }
    if (c.rules.releaseLine && c.rules.acceptanceMs > 0) {
        c.pressedAt = now;
        c.acceptAt = now + c.rules.acceptanceMs;
        c.swallowRelease = false;
        schedule();
        return;
    }
    accept(channel, now);
}

void SwitchTiming::release(int channel)
{
    if (!valid(channel))
        return;
    Channel& c = m_channels[channel];
    if (c.acceptAt >= 0) {
        // Let go before the acceptance time: the press never happened.
        c.acceptAt = -1;
        emit ignored(channel);
        schedule();
        return;
    }
    if (c.swallowRelease) {
        c.swallowRelease = false;
        return;
    }
    if (c.gestureAt >= 0 && c.gestureReleasedAt < 0) {
        if (c.rules.trigger() == Second::LongPress) {
            // Let go before the threshold: the first action, now.
            const qint64 pressedAt = c.gesturePressedAt;
            c.gestureAt = c.gesturePressedAt = -1;
            firstActionAfterRelease(channel, pressedAt, m_clock());
            schedule();
        } else {
            c.gestureReleasedAt = m_clock();
        }
        return;
    }
    if (c.down && !c.latched && c.holdUntil < 0)
        goUp(channel);
}

void SwitchTiming::firstActionAfterRelease(int channel, qint64 pressedAt, qint64 releasedAt)
{
    const Rules& rules = m_channels[channel].rules;
    if (rules.releaseLine && rules.acceptanceMs > 0
        && releasedAt - pressedAt < rules.acceptanceMs) {
        emit ignored(channel);
        return;
    }
    accept(channel, pressedAt, true);
}

void SwitchTiming::gestureDecided(int channel, qint64 now)
{
    Channel& c = m_channels[channel];
    const qint64 pressedAt = c.gesturePressedAt;
    const qint64 releasedAt = c.gestureReleasedAt;
    c.gestureAt = c.gesturePressedAt = c.gestureReleasedAt = -1;
    if (c.rules.trigger() == Second::LongPress) {
        // Held to the threshold: the second action, the button still down.
        c.lastAccepted = pressedAt;
        c.swallowRelease = true;
        emit second(channel);
        return;
    }
    // The window has passed with one press: the first action.
    if (releasedAt >= 0) {
        firstActionAfterRelease(channel, pressedAt, releasedAt);
        return;
    }
    // Still down: it goes down now (once accepted) and up with its release.
    if (c.rules.acceptanceMs > 0 && now - pressedAt < c.rules.acceptanceMs) {
        c.pressedAt = pressedAt;
        c.acceptAt = pressedAt + c.rules.acceptanceMs;
        c.swallowRelease = false;
        return;
    }
    accept(channel, pressedAt);
}

void SwitchTiming::accept(int channel, qint64 pressedAt, bool lineOver)
{
    Channel& c = m_channels[channel];
    const Rules& rules = c.rules;
    c.lastAccepted = pressedAt;
    const qint64 now = m_clock();
    // A release still to come belongs to this press, which is dealt with
    // here, unless the press really holds until it.
    c.swallowRelease = !lineOver;
    if (rules.secondOnly) {
        emit ignored(channel);
        return;
    }
    emit accepted(channel);
    if (!rules.holdable) {
        emit down(channel);
        emit up(channel);
        return;
    }
    if (rules.latch) {
        if (c.latched) {
            setLatched(channel, false);
            goUp(channel);
        } else {
            // Latched before the signal, so a receiver sees a consistent
            // state; announced once the key or button is really down.
            c.latched = true;
            goDown(channel, now);
            if (c.latched)
                emit latchedChanged(channel, true);
        }
        schedule();
        return;
    }
    // With a release line the user's own hold counts; the hold time is for
    // devices that send one line per press, and for a first action that
    // happens once the line is over.
    if ((lineOver || !rules.releaseLine) && rules.holdMs > 0) {
        c.holdUntil = now + rules.holdMs;
        goDown(channel, now);
        schedule();
        return;
    }
    c.swallowRelease = false;
    goDown(channel, now);
    if (lineOver)
        goUp(channel);
    schedule();
}

void SwitchTiming::goDown(int channel, qint64 now)
{
    Channel& c = m_channels[channel];
    c.down = true;
    c.downSince = now;
    emit down(channel);
}

void SwitchTiming::goUp(int channel)
{
    Channel& c = m_channels[channel];
    c.down = false;
    c.downSince = -1;
    c.holdUntil = -1;
    emit up(channel);
}

void SwitchTiming::setLatched(int channel, bool latched)
{
    Channel& c = m_channels[channel];
    if (c.latched == latched)
        return;
    c.latched = latched;
    emit latchedChanged(channel, latched);
}

void SwitchTiming::releaseChannel(int channel)
{
    if (!valid(channel))
        return;
    Channel& c = m_channels[channel];
    c.acceptAt = -1;
    c.holdUntil = -1;
    c.gestureAt = c.gesturePressedAt = c.gestureReleasedAt = -1;
    c.swallowRelease = false;
    c.lastAccepted = -1;
    setLatched(channel, false);
    if (c.down)
        goUp(channel);
    schedule();
}

void SwitchTiming::releaseAll()
{
    for (int channel = 0; channel < cst_channels; ++channel)
        releaseChannel(channel);
}

void SwitchTiming::poll()
{
    const qint64 now = m_clock();
    for (int channel = 0; channel < cst_channels; ++channel) {
        Channel& c = m_channels[channel];
        if (c.gestureAt >= 0 && now >= c.gestureAt)
            gestureDecided(channel, now);
        if (c.acceptAt >= 0 && now >= c.acceptAt) {
            c.acceptAt = -1;
            accept(channel, c.pressedAt);
        }
        if (c.holdUntil >= 0 && now >= c.holdUntil)
            goUp(channel);
        if (c.down && now - c.downSince >= cst_safety_release_ms) {
            common::LogManager::GetInstance().warningLog(
                QStringLiteral("Released the %1 channel's key or button: held for %2 s with no "
                               "release from the switch")
                    .arg(channel == 0 ? QStringLiteral("left") : QStringLiteral("right"))
                    .arg(cst_safety_release_ms / 1000));
            setLatched(channel, false);
            goUp(channel);
            emit safetyReleased(channel);
        }
    }
    schedule();
}

void SwitchTiming::schedule()
{
    // A plain click needs the safety release on its press and no longer on
    // its release, microseconds later. A timer that fires early only makes
    // poll() find nothing due, so a running one is kept while it fires in
    // time, and one no longer needed fires once for nothing: no timer is
    // armed and disarmed for every press.
    const qint64 deadline = nextDeadline();
    if (deadline < 0)
        return;
    const qint64 wait
        = std::min<qint64>(std::max<qint64>(0, deadline - m_clock()), cst_safety_release_ms);
    if (m_timer.isActive() && m_timer.remainingTime() <= wait)
        return;
    m_timer.start(static_cast<int>(wait));
}

} // namespace korvane::core
