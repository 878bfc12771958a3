// Timing aids of the switch channels on a clock the test moves by hand: each
// row plays a script of lines and clock steps and compares what went down and
// came up, and when.
#include "common/logmanager.h"
#include "core/switch/switchtiming.h"

#include <QSignalSpy>
#include <QtTest>

using korvane::core::SwitchTiming;

namespace {

// "ignore=200 hold=300 latch accept=100 line fixed long=800 double=400 only"
// (fixed = cannot be held; only = only the second action acts).
SwitchTiming::Rules parseRules(const QString& text)
{
    SwitchTiming::Rules rules;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        const QString name = word.section(QLatin1Char('='), 0, 0);
        const int value = word.section(QLatin1Char('='), 1).toInt();
        if (name == QLatin1String("ignore"))
            rules.ignoreRepeatsMs = value;
        else if (name == QLatin1String("hold"))
            rules.holdMs = value;
        else if (name == QLatin1String("latch"))
            rules.latch = true;
        else if (name == QLatin1String("accept"))
            rules.acceptanceMs = value;
        else if (name == QLatin1String("line"))
            rules.releaseLine = true;
        else if (name == QLatin1String("fixed"))
            rules.holdable = false;
        else if (name == QLatin1String("long")) {
            rules.second = SwitchTiming::Second::LongPress;
            rules.longPressMs = value;
        } else if (name == QLatin1String("double")) {
            rules.second = SwitchTiming::Second::DoublePress;
            rules.doublePressMs = value;
        } else if (name == QLatin1String("only"))
            rules.secondOnly = true;
        else
            qFatal("unknown rule %s", qPrintable(word));
    }
    return rules;
}

} // namespace

class TestSwitchTiming : public QObject {
    Q_OBJECT

private:
    qint64 m_now = 0;
    SwitchTiming* m_timing = nullptr;
    QStringList m_seen;

    void note(const QString& what, int channel)
    {
        m_seen << QStringLiteral("%1%2@%3").arg(what).arg(channel).arg(m_now);
    }

private slots:
    void init()
    {
        m_now = 0;
        m_seen.clear();
        m_timing = new SwitchTiming(this);
        m_timing->setClock([this]() { return m_now; });
        connect(m_timing, &SwitchTiming::down, this, [this](int c) { note("down", c); });
        connect(m_timing, &SwitchTiming::up, this, [this](int c) { note("up", c); });
        connect(m_timing, &SwitchTiming::latchedChanged, this,
            [this](int c, bool on) { note(on ? "latch" : "unlatch", c); });
        connect(
            m_timing, &SwitchTiming::safetyReleased, this, [this](int c) { note("safety", c); });
        connect(m_timing, &SwitchTiming::second, this, [this](int c) { note("second", c); });
    }

    void cleanup()
    {
        delete m_timing;
        m_timing = nullptr;
    }

    // Script: "@N" moves the clock to N ms and lets deadlines pass; p/r press
    // and release channel 0, P/R channel 1; x releases channel 0, X both;
    // "=<rule>" gives channel 0 new rules.
    void rules_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");

        QTest::newRow("no aid: a line is a click") << ""
                                                   << "p r @10 p r"
                                                   << "down0@0 up0@0 down0@10 up0@10";
        QTest::newRow("no aid: release line holds") << "line"
                                                    << "p @700 r"
                                                    << "down0@0 up0@700";
        QTest::newRow("cannot be held: at once, whatever the rules")
            << "hold=300 latch fixed"
            << "p r @10 p r"
            << "down0@0 up0@0 down0@10 up0@10";

        QTest::newRow("repeats inside the window are ignored") << "ignore=200"
                                                               << "p r @100 p r @199 p r"
                                                               << "down0@0 up0@0";
        QTest::newRow("repeat at the window's end counts") << "ignore=200"
                                                           << "p r @200 p r"
                                                           << "down0@0 up0@0 down0@200 up0@200";
        QTest::newRow("window runs from the last accepted line")
            << "ignore=200"
            << "p r @150 p r @250 p r @350 p r"
            << "down0@0 up0@0 down0@250 up0@250";
        QTest::newRow("repeat with a release line: its release too")
            << "ignore=200 line"
            << "p @50 r @100 p @120 r @300 p @310 r"
            << "down0@0 up0@50 down0@300 up0@310";
        QTest::newRow("channels have their own window") << "ignore=200"
                                                        << "p r @50 P R"
                                                        << "down0@0 up0@0 down1@50 up1@50";

        QTest::newRow("hold keeps it down for one line") << "hold=300"
                                                         << "p r @299 @300"
                                                         << "down0@0 up0@300";
        QTest::newRow("lines during the hold are ignored") << "hold=300"
                                                           << "p r @100 p r @300 @301 p r @601"
                                                           << "down0@0 up0@300 down0@301 up0@601";
        QTest::newRow("hold does not apply with a release line") << "hold=300 line"
                                                                 << "p @40 r @400"
                                                                 << "down0@0 up0@40";

        QTest::newRow("latch: one line holds, the next lets go")
            << "latch"
            << "p r @5000 p r @6000 p r"
            << "down0@0 latch0@0 unlatch0@5000 up0@5000 down0@6000 latch0@6000";
        QTest::newRow("latch with a release line: the release does nothing")
            << "latch line"
            << "p @100 r @900 p @950 r"
            << "down0@0 latch0@0 unlatch0@900 up0@900";
        QTest::newRow("latch ignores repeats inside the window")
            << "latch ignore=300"
            << "p r @100 p r @400 p r"
            << "down0@0 latch0@0 unlatch0@400 up0@400";

        QTest::newRow("acceptance: short press does nothing at all") << "accept=300 line"
                                                                     << "p @299 r @1000"
                                                                     << "";
        QTest::newRow("acceptance: long press goes down when accepted") << "accept=300 line"
                                                                        << "p @300 @800 r"
                                                                        << "down0@300 up0@800";
        QTest::newRow("acceptance: a bounce while waiting changes nothing")
            << "accept=300 line"
            << "p @100 p @300 @400 r"
            << "down0@300 up0@400";
        QTest::newRow("acceptance with latch toggles once accepted")
            << "accept=300 line latch"
            << "p @350 r @1000 p @1100 r @2000 p @2400 r"
            << "down0@300 latch0@300 unlatch0@2300 up0@2300";
        QTest::newRow("acceptance needs a release line") << "accept=300"
                                                         << "p r"
                                                         << "down0@0 up0@0";
        QTest::newRow("a short press is no accepted line for the window")
            << "accept=300 ignore=1000 line"
            << "p @100 r @200 p @500 @600 r"
            << "down0@500 up0@600";

        QTest::newRow("released channel: hold ends at once") << "hold=300"
                                                             << "p r @100 x @300"
                                                             << "down0@0 up0@100";
        QTest::newRow("released channel: latch starts afresh")
            << "latch"
            << "p r @100 x @200 p r"
            << "down0@0 latch0@0 unlatch0@100 up0@100 down0@200 latch0@200";
        QTest::newRow("released channel: waiting press forgotten") << "accept=300 line"
                                                                   << "p @100 x @400 r"
                                                                   << "";
        QTest::newRow("released channel: repeat window forgotten")
            << "ignore=1000"
            << "p r @100 x p r"
            << "down0@0 up0@0 down0@100 up0@100";
        QTest::newRow("release all: both channels") << "latch"
                                                    << "p r P R @100 X"
                                                    << "down0@0 latch0@0 down1@0 latch1@0 "
                                                       "unlatch0@100 up0@100 unlatch1@100 up1@100";
        QTest::newRow("release all with nothing held") << ""
                                                       << "X p r"
                                                       << "down0@0 up0@0";

        QTest::newRow("safety: a lost release line") << "line"
                                                     << "p @59999 @60000 @61000 r"
                                                     << "down0@0 up0@60000 safety0@60000";
        QTest::newRow("safety: a lost back-to-back release") << ""
                                                             << "@5 p @60005"
                                                             << "down0@5 up0@60005 safety0@60005";
        QTest::newRow("safety: a forgotten latch")
            << "latch"
            << "p r @60000 @70000 p r"
            << "down0@0 latch0@0 unlatch0@60000 up0@60000 safety0@60000 down0@70000 "
               "latch0@70000";
        QTest::newRow("new rules while latched let go first")
            << "latch"
            << "p r @10 =hold=300 p r @310"
            << "down0@0 latch0@0 unlatch0@10 up0@10 down0@10 up0@310";
        QTest::newRow("new rules while held by a release line") << "line"
                                                                << "p @10 =ignore=100 r @20 p r"
                                                                << "down0@0 up0@10 down0@20 up0@20";
        QTest::newRow("new rules while waiting for acceptance") << "accept=500 line"
                                                                << "p @100 =line @600 r"
                                                                << "";
        QTest::newRow("the same rules again keep the latch")
            << "latch"
            << "p r @10 =latch p r"
            << "down0@0 latch0@0 unlatch0@10 up0@10";
        QTest::newRow("safety counts from acceptance") << "accept=500 line"
                                                       << "p @500 @60499 @60500"
                                                       << "down0@500 up0@60500 safety0@60500";

        // The second action: long press (release line only) and double press.
        QTest::newRow("long: held to the threshold, second while down") << "long=800 line"
                                                                        << "p @799 @800 @900 r"
                                                                        << "second0@800";
        QTest::newRow("long: let go sooner, the first action as a click") << "long=800 line"
                                                                          << "p @300 r"
                                                                          << "down0@300 up0@300";
        QTest::newRow("long without a release line: no second action") << "long=800"
                                                                       << "p r @900"
                                                                       << "down0@0 up0@0";
        QTest::newRow("long: a repeat starts no long press") << "long=800 line ignore=500"
                                                             << "p @100 r @300 p @1200 r"
                                                             << "down0@100 up0@100";
        QTest::newRow("long: hold time after a short press") << "long=800 line hold=300"
                                                             << "p @100 r @399 @400"
                                                             << "down0@100 up0@400";
        QTest::newRow("long: short presses toggle the latch, a long one leaves it")
            << "long=800 line latch"
            << "p @100 r @200 p @1000 @1100 r @1200 p @1300 r"
            << "down0@100 latch0@100 second0@1000 unlatch0@1300 up0@1300";
        QTest::newRow("long: let go before the acceptance time, nothing")
            << "long=800 line accept=300"
            << "p @200 r @500 p @900 r"
            << "down0@900 up0@900";
        QTest::newRow("double: a second press within the window") << "double=400"
                                                                  << "p r @300 p r @1000"
                                                                  << "second0@300";
        QTest::newRow("double: one press acts when the window has passed") << "double=400"
                                                                           << "p r @399 @400"
                                                                           << "down0@400 up0@400";
        QTest::newRow("double, release line: still down, up with the release")
            << "double=400 line"
            << "p @400 @700 r"
            << "down0@400 up0@700";
        QTest::newRow("double, release line: a double press") << "double=400 line"
                                                              << "p @100 r @200 p @300 r @900"
                                                              << "second0@200";
        QTest::newRow("double: a repeat does not count toward it") << "double=400 ignore=200"
                                                                   << "p r @100 p r @400"
                                                                   << "down0@400 up0@400";
        QTest::newRow("double: after the repeat window it counts") << "double=400 ignore=200"
                                                                   << "p r @250 p r @900"
                                                                   << "second0@250";
        QTest::newRow("double: hold time for the single press") << "double=400 hold=300"
                                                                << "p r @400 @699 @700"
                                                                << "down0@400 up0@700";
        QTest::newRow("double: latch toggles by single presses only")
            << "double=400 latch"
            << "p r @400 p r @500 p r @1000 p r @1400"
            << "down0@400 latch0@400 second0@500 unlatch0@1400 up0@1400";
        QTest::newRow("double, acceptance: a short single press does nothing")
            << "double=400 line accept=300"
            << "p @100 r @400 @500 p @900 r"
            << "down0@900 up0@900";
        QTest::newRow("double, acceptance longer than the window") << "double=400 line accept=600"
                                                                   << "p @400 @599 @600 @800 r"
                                                                   << "down0@600 up0@800";
        QTest::newRow("double: cannot be held, a click at the window's end")
            << "double=400 fixed hold=300"
            << "p r @400"
            << "down0@400 up0@400";
        QTest::newRow("paused: a single press does nothing") << "double=400 only"
                                                             << "p r @400 @1000"
                                                             << "";
        QTest::newRow("paused: the double press acts") << "double=400 only"
                                                       << "p r @100 p r @1000"
                                                       << "second0@100";
        QTest::newRow("paused: the long press acts") << "long=800 line only"
                                                     << "p @100 r @200 p @1000 r"
                                                     << "second0@1000";
        QTest::newRow("released channel: a waiting double press is forgotten") << "double=400"
                                                                               << "p r @100 x @500"
                                                                               << "";
        QTest::newRow("new rules while a long press waits") << "long=800 line"
                                                            << "p @100 =line @900 r"
                                                            << "";
    }

    void rules()
    {
        QFETCH(QString, rules);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        for (int channel = 0; channel < SwitchTiming::cst_channels; ++channel)
            m_timing->setRules(channel, parseRules(rules));

        const QStringList steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1Char('@'))) {
                const qint64 to = step.mid(1).toLongLong();
                // Every deadline on the way fires at its own time, as a timer would.
                for (qint64 next = m_timing->nextDeadline(); next >= 0 && next <= to;
                     next = m_timing->nextDeadline()) {
                    m_now = next;
                    m_timing->poll();
                }
                m_now = to;
                m_timing->poll();
                continue;
            }
            switch (step.at(0).toLatin1()) {
            case '=':
                m_timing->setRules(0, parseRules(step.mid(1)));
                break;
            case 'p':
                m_timing->press(0);
                break;
            case 'r':
                m_timing->release(0);
                break;
            case 'P':
                m_timing->press(1);
                break;
            case 'R':
                m_timing->release(1);
                break;
            case 'x':
                m_timing->releaseChannel(0);
                break;
            case 'X':
                m_timing->releaseAll();
                break;
            default:
                QFAIL(qPrintable(QStringLiteral("bad step ") + step));
            }
        }
        QCOMPARE(m_seen.join(QLatin1Char(' ')), expected);
    }

    void unknownChannelsAreIgnored()
    {
        m_timing->press(2);
        m_timing->release(-1);
        m_timing->releaseChannel(7);
        QVERIFY(!m_timing->isDown(2));
        QVERIFY(m_seen.isEmpty());
    }

    // The timer on the real monotonic clock wakes the object: no poll by hand,
    // also right after a plain click left the safety release armed.
    void realClockEndsTheHold()
    {
        m_timing->setClock(nullptr);
        m_timing->press(0);
        m_timing->release(0);
        m_timing->setRules(0, parseRules(QStringLiteral("hold=30")));
        QSignalSpy up(m_timing, &SwitchTiming::up);
        m_timing->press(0);
        m_timing->release(0);
        QVERIFY(m_timing->isDown(0));
        QVERIFY(up.wait(5000));
        QVERIFY(!m_timing->isDown(0));
        QCOMPARE(m_timing->nextDeadline(), qint64(-1));
    }

    void safetyReleaseIsLogged()
    {
        QSignalSpy warnings(
            &korvane::common::LogManager::GetInstance(), &korvane::common::LogManager::warning);
        m_timing->setRules(0, parseRules(QStringLiteral("line")));
        m_timing->press(0);
        m_timing->press(1);
        m_now = SwitchTiming::cst_safety_release_ms;
        m_timing->poll();
        QVERIFY(!m_timing->isDown(0));
        QVERIFY(!m_timing->isDown(1));
        QCOMPARE(warnings.count(), 2);
        QVERIFY(warnings.at(0).at(0).toString().contains(
            QLatin1String("left channel's key or button: held for 60 s with no release")));
        QVERIFY(warnings.at(1).at(0).toString().contains(QLatin1String("right channel")));
    }
};

QTEST_GUILESS_MAIN(TestSwitchTiming)
#include "tst_switchtiming.moc"
