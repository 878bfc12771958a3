// The road of a switch press from the device to the desktop, end to end in
// C++: a line on a real pseudo-terminal, the link, the window's forwarding,
// the gate, the timing aids and the records the back end receives.
#include "core/applicationinterface.h"
#include "core/switch/mousecom.h"
#include "core/switch/switchcontroller.h"
#include "pty.h"
#include "tests/doubles/recordinginputinjector.h"
#include "tests/doubles/recordingsoundcues.h"

#include <QSignalSpy>
#include <QtTest>

using namespace korvane::core;
using korvane::datamodel::ClickTypeClass;
using korvane::datamodel::ConfigurationChannel;
using korvane::datamodel::ConfigurationSwitch;
using korvane::datamodel::ModeClass;
using korvane::datamodel::SecondModeClass;
using korvane::datamodel::SecondTriggerClass;

class TestPressRoad : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void road_data();
    void road();

private:
    void step(const QString& step);
    QString injected() const;

    std::unique_ptr<Pty> m_device;
    std::unique_ptr<Pty> m_otherDevice;
    std::unique_ptr<ApplicationInterface> m_interface;
    std::unique_ptr<MouseCom> m_link;
    std::unique_ptr<SwitchController> m_controller;
    RecordingInputInjector* m_recorder = nullptr;
    std::shared_ptr<QStringList> m_cues;
    qint64 m_now = 0;
};

void TestPressRoad::init()
{
    m_device = std::make_unique<Pty>();
    m_otherDevice = std::make_unique<Pty>();
    QVERIFY(m_device->isValid() && m_otherDevice->isValid());
    m_interface = std::make_unique<ApplicationInterface>();
    auto recorder = std::make_unique<RecordingInputInjector>();
    m_recorder = recorder.get();
    m_interface->setInputInjector(std::move(recorder));
    m_now = 0;
    m_interface->switchTiming().setClock([this]() { return m_now; });
    auto cues = std::make_unique<RecordingSoundCues>([this]() { return m_now; });
    m_cues = cues->played();
    m_interface->channels()->setSoundCues(std::move(cues));

    ConfigurationSwitch& section = m_interface->get_configuration().get_configurationSwitch();
    section.set_serialName(m_device->name());
    section.set_inputLeftChannel(QStringLiteral("L"));
    section.set_inputRightChannel(QStringLiteral("R"));
    ConfigurationChannel& left = section.leftChannel();
    left.set_enabled(true);
    left.set_mode(ModeClass::MOUSE);
    left.set_clickType(ClickTypeClass::LEFT);
    ConfigurationChannel& right = section.rightChannel();
    right.set_enabled(true);
    right.set_mode(ModeClass::KEYBOARD);
    right.set_key(Qt::Key_A);
    right.set_modifiers(Qt::ShiftModifier);

    // What the scene binds and forwards, as its handlers do.
    m_link = std::make_unique<MouseCom>();
    const auto bind = [&]() {
        m_link->set_channelKey1(section.inputLeftChannel());
        m_link->set_channelKey2(section.inputRightChannel());
        m_link->set_releaseKey1(section.releaseLeftChannel());
        m_link->set_releaseKey2(section.releaseRightChannel());
    };
    bind();
    for (auto signal : { &ConfigurationSwitch::inputLeftChannelChanged,
             &ConfigurationSwitch::inputRightChannelChanged,
             &ConfigurationSwitch::releaseLeftChannelChanged,
             &ConfigurationSwitch::releaseRightChannelChanged })
        connect(&section, signal, m_link.get(), bind);
    const auto enabled = [&section](int channel) {
        return (channel == 0 && section.leftChannel().enabled())
            || (channel == 1 && section.rightChannel().enabled());
    };
    connect(m_link.get(), &MouseCom::pressed, m_interface.get(), [this, enabled](int channel) {
        if (enabled(channel))
            m_interface->buttonPressed(channel);
    });
    connect(m_link.get(), &MouseCom::released, m_interface.get(), [this, enabled](int channel) {
        if (enabled(channel))
            m_interface->buttonReleased(channel);
    });

    m_controller = std::make_unique<SwitchController>();
    m_controller->set_configuration(&section);
    m_controller->set_link(m_link.get());
    m_controller->set_channels(m_interface->channels());
}

void TestPressRoad::cleanup()
{
    m_controller.reset();
    m_link.reset();
    m_interface.reset();
    m_device.reset();
    m_otherDevice.reset();
}

// "start", "pause", "learn:<n>", "line:<text>" (the device sends it; "~" is a
// blank), "port:other", "unplug", "off:<n>" (channel off), "latch:<n>",
// "hold:<n>:<ms>", "release:<n>:<line>", "accept:<n>:<ms>", "ignore:<n>:<ms>",
// "time:<ms>", "second:<n>:long|double:<ms>:pause|key:<letter>", "sound" (cues
// on), "expect:paused|running|listening|closed".
void TestPressRoad::step(const QString& step)
{
    const QStringList parts = step.split(QLatin1Char(':'));
    const QString& what = parts.first();
    ConfigurationSwitch& section = m_interface->get_configuration().get_configurationSwitch();
    const auto channel = [&]() -> ConfigurationChannel& {
        return parts.value(1).toInt() == 0 ? section.leftChannel() : section.rightChannel();
    };
    if (what == QLatin1String("start")) {
        QVERIFY(m_controller->start());
    } else if (what == QLatin1String("pause")) {
        m_controller->pause();
    } else if (what == QLatin1String("learn")) {
        m_controller->learn(parts.value(1).toInt());
    } else if (what == QLatin1String("line")) {
        QSignalSpy lines(m_link.get(), &MouseCom::lineReceived);
        Pty& device = m_link->portName() == m_device->name() ? *m_device : *m_otherDevice;
        QVERIFY(device.write(
            parts.value(1).replace(QLatin1Char('~'), QLatin1Char(' ')).toUtf8() + "\n"));
        QVERIFY(lines.wait(5000));
        // A learned line settles on the next turn of the loop.
        QTRY_VERIFY(m_controller->learningChannel() >= 0 || !m_controller->holdsPresses());
    } else if (what == QLatin1String("port")) {
        QVERIFY(m_controller->choosePort(m_otherDevice->name()));
    } else if (what == QLatin1String("unplug")) {
        m_device->close();
        QTRY_VERIFY(m_link->reconnecting());
    } else if (what == QLatin1String("off")) {
        channel().set_enabled(false);
    } else if (what == QLatin1String("latch")) {
        channel().set_latch(true);
    } else if (what == QLatin1String("hold")) {
        channel().set_holdMs(parts.value(2).toInt());
    } else if (what == QLatin1String("accept")) {
        channel().set_acceptanceMs(parts.value(2).toInt());
    } else if (what == QLatin1String("release")) {
        if (parts.value(1).toInt() == 0)
            section.set_releaseLeftChannel(parts.value(2));
        else
            section.set_releaseRightChannel(parts.value(2));
    } else if (what == QLatin1String("ignore")) {
        channel().set_ignoreRepeatsMs(parts.value(2).toInt());
    } else if (what == QLatin1String("second")) {
        ConfigurationChannel& configuration = channel();
        const bool longPress = parts.value(2) == QLatin1String("long");
        configuration.set_secondTrigger(
            longPress ? SecondTriggerClass::LONG_PRESS : SecondTriggerClass::DOUBLE_PRESS);
        if (longPress)
            configuration.set_longPressMs(parts.value(3).toInt());
        else
            configuration.set_doublePressMs(parts.value(3).toInt());
        if (parts.value(4) == QLatin1String("pause")) {
            configuration.set_secondMode(SecondModeClass::PAUSE);
        } else {
            configuration.set_secondMode(SecondModeClass::KEYBOARD);
            configuration.set_secondKey(parts.value(5).at(0).unicode());
        }
    } else if (what == QLatin1String("sound")) {
        m_interface->get_configuration().get_configurationApplication().set_soundCues(true);
    } else if (what == QLatin1String("expect")) {
        // The gesture acts once the line that made it is dealt with.
        const QString state = parts.value(1);
        QTRY_COMPARE(m_controller->paused(), state != QLatin1String("running"));
        if (state == QLatin1String("listening"))
            QVERIFY(m_controller->listensForGesture() && m_link->started());
        if (state == QLatin1String("closed"))
            QVERIFY(!m_controller->listensForGesture() && !m_link->started());
    } else if (what == QLatin1String("time")) {
        m_now += parts.value(1).toInt();
        m_interface->switchTiming().poll();
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

// "L+ L-" for the left button down and up, "Shift+ A+ Shift- A-" for keys.
QString TestPressRoad::injected() const
{
    QStringList words;
    for (const InputRecord& record : m_recorder->records()) {
        if (record.kind == InputRecord::Mouse) {
            words << (record.flags == input::MouseLeftDown ? QStringLiteral("L+")
                    : record.flags == input::MouseLeftUp   ? QStringLiteral("L-")
                                                           : QString::number(record.flags));
            continue;
        }
        const QString name = record.virtualKey == input::VkLShift
            ? QStringLiteral("Shift")
            : QString(QChar(record.virtualKey));
        words << name + ((record.flags & input::KeyUp) ? QLatin1Char('-') : QLatin1Char('+'));
    }
    if (!m_cues->isEmpty())
        words << QStringLiteral("|") << *m_cues;
    return words.join(QLatin1Char(' '));
}

void TestPressRoad::road_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("records");

    QTest::newRow("a left press clicks") << "start line:L"
                                         << "L+ L-";
    QTest::newRow("a right press types Shift+A") << "start line:R"
                                                 << "Shift+ A+ Shift- A-";
    QTest::newRow("a line of no channel") << "start line:X"
                                          << "";
    QTest::newRow("a channel that is off") << "off:0 start line:L"
                                           << "";
    QTest::newRow("the learned line is no command, the next one is")
        << "start learn:1 line:Q line:Q"
        << "Shift+ A+ Shift- A-";
    QTest::newRow("a latch holds until the next press") << "latch:0 start line:L"
                                                        << "L+";
    QTest::newRow("latch, second press") << "latch:0 start line:L line:L"
                                         << "L+ L-";
    QTest::newRow("pause lets go") << "latch:0 start line:L pause"
                                   << "L+ L-";
    QTest::newRow("another port lets go, presses go on there")
        << "latch:0 start line:L port:other line:R"
        << "L+ L- Shift+ A+ Shift- A-";
    QTest::newRow("a lost device lets go") << "latch:0 start line:L unplug"
                                           << "L+ L-";
    QTest::newRow("learning lets go, the key before its modifier") << "latch:1 start line:R learn:0"
                                                                   << "Shift+ A+ A- Shift-";
    QTest::newRow("hold time, not yet over") << "hold:0:300 start line:L time:299"
                                             << "L+";
    QTest::newRow("hold time over") << "hold:0:300 start line:L time:300"
                                    << "L+ L-";
    QTest::newRow("a release line holds while held") << "release:0:up start line:L"
                                                     << "L+";
    QTest::newRow("the release line lets go") << "release:0:up start line:L line:UP"
                                              << "L+ L-";
    QTest::newRow("acceptance: let go too soon")
        << "release:0:up accept:0:200 start line:L time:100 line:up"
        << "";
    QTest::newRow("acceptance: held long enough")
        << "release:0:up accept:0:200 start line:L time:200 line:up"
        << "L+ L-";

    QTest::newRow("double press: the second action's key") << "second:1:double:400:key:B start "
                                                              "line:R time:100 line:R time:400"
                                                           << "B+ B-";
    QTest::newRow("double press: one press, the first action once the window is over")
        << "second:1:double:400:key:B start line:R time:399 time:1"
        << "Shift+ A+ Shift- A-";
    QTest::newRow("long press: held, the second action while down")
        << "release:1:up second:1:long:800:key:B start line:R time:800 line:UP"
        << "B+ B-";
    QTest::newRow("long press: let go sooner, the first action")
        << "release:1:up second:1:long:800:key:B start line:R time:300 line:UP"
        << "Shift+ A+ Shift- A-";
    QTest::newRow("pause gesture: pauses, the port stays open, other presses do nothing")
        << "second:0:double:400:pause start line:L line:L expect:listening line:R line:L "
           "time:400"
        << "";
    QTest::newRow("pause gesture: the same gesture resumes")
        << "second:0:double:400:pause start line:L line:L expect:paused line:L line:L "
           "expect:running line:R"
        << "Shift+ A+ Shift- A-";
    QTest::newRow("pause gesture resumes after a pause from the tray")
        << "latch:1 second:0:double:400:pause start line:R pause expect:listening line:L line:L "
           "expect:running"
        << "Shift+ A+ A- Shift-";
    QTest::newRow("no pause gesture: the pause closes the port")
        << "second:0:double:400:key:B start pause expect:closed"
        << "";
    QTest::newRow("sound cues: accepted, ignored, paused, resumed")
        << "sound ignore:1:500 second:0:double:400:pause start line:R time:100 line:R time:100 "
           "line:L line:L expect:paused time:100 line:L line:L expect:running"
        << "Shift+ A+ Shift- A- | accepted@0 ignored@100 paused@200 resumed@300";
}

void TestPressRoad::road()
{
    QFETCH(QString, steps);
    QFETCH(QString, records);
    for (const QString& action : steps.split(QLatin1Char(' '))) {
        step(action);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(injected(), records);
}

QTEST_MAIN(TestPressRoad)

#include "tst_pressroad.moc"
