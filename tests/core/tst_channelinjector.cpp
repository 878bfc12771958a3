// What a press and a release of a switch channel inject, record by record,
// on the recording back end.
#include "common/logmanager.h"
#include "core/applicationinterface.h"
#include "core/soundeffectcues.h"
#include "datamodel/configuration.h"
#include "tests/common/messagecapture.h"
#include "tests/doubles/recordinginputinjector.h"

#include <QtTest>

#include <climits>

using namespace korvane::core;
using korvane::common::LogManager;
using korvane::datamodel::ClickTypeClass;
using korvane::datamodel::ConfigurationChannel;
using korvane::datamodel::ModeClass;
using Records = std::vector<InputRecord>;

Q_DECLARE_METATYPE(Records)

namespace QTest {
template <> char* toString(const Records& records)
{
    QByteArray text = "[";
    for (const InputRecord& record : records)
        text += QByteArray(record.toString().c_str()) + ' ';
    return qstrdup(text.trimmed() + "]");
}
} // namespace QTest

namespace {
InputRecord key(int vk, int scan, std::uint32_t flags)
{
    return InputRecord::key(vk, scan, flags);
}
InputRecord mouse(std::uint32_t flags, std::int32_t wheel = 0)
{
    return InputRecord::mouse(flags, wheel);
}

void configure(ConfigurationChannel& channel, int mode, int clickType, int keyCode, int modifiers)
{
    channel.set_mode(static_cast<ModeClass::Type>(mode));
    channel.set_clickType(static_cast<ClickTypeClass::Type>(clickType));
    channel.set_key(keyCode);
    channel.set_modifiers(modifiers);
}
} // namespace

class TestChannelInjector : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pressAndRelease_data();
    void pressAndRelease();
    void channelNumbers_data();
    void channelNumbers();
    void changingTheChannelLetsGoOfWhatItPressed();
    void latchedChannelLetsGo_data();
    void latchedChannelLetsGo();
    void heldTextNamesWhatIsLatched();
    void holdEndsOnItsOwn();
    void releaseAllLetsGoOfWhatIsDown();
    void releaseAllAfterOrdinaryReleasesSendsNothing();
    void destructionLetsGoOfWhatIsDown();
    void swappingTheInjectorLetsGoOnTheOldOne();
    void failureIsLoggedOnceWithItsReason();
    void soundCuesWithoutADeviceLogOneLine();

private:
    std::unique_ptr<ApplicationInterface> m_interface;
    RecordingInputInjector* m_recorder = nullptr;
};

void TestChannelInjector::init()
{
    m_interface = std::make_unique<ApplicationInterface>();
    auto recorder = std::make_unique<RecordingInputInjector>();
    m_recorder = recorder.get();
    m_interface->setInputInjector(std::move(recorder));
}

void TestChannelInjector::cleanup()
{
    m_interface.reset();
    m_recorder = nullptr;
}

void TestChannelInjector::pressAndRelease_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("clickType");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Records>("press");
    QTest::addColumn<Records>("release");

    const int K = ModeClass::KEYBOARD, M = ModeClass::MOUSE;
    const int left = ClickTypeClass::LEFT;

    // Keyboard: scan code 0 alone, 0x45 with a modifier; modifier first both ways.
    QTest::newRow("A alone") << K << left << int(Qt::Key_A) << 0 << Records { key(0x41, 0, 1) }
                             << Records { key(0x41, 0, 3) };
    QTest::newRow("A with Shift") << K << left << int(Qt::Key_A) << int(Qt::ShiftModifier)
                                  << Records { key(0xA0, 0x45, 1), key(0x41, 0x45, 1) }
                                  << Records { key(0xA0, 0x45, 3), key(0x41, 0x45, 3) };
    QTest::newRow("A with Control") << K << left << int(Qt::Key_A) << int(Qt::ControlModifier)
                                    << Records { key(0xA2, 0x45, 1), key(0x41, 0x45, 1) }
                                    << Records { key(0xA2, 0x45, 3), key(0x41, 0x45, 3) };
    QTest::newRow("Tab with Alt") << K << left << int(Qt::Key_Tab) << int(Qt::AltModifier)
                                  << Records { key(0xA4, 0x45, 1), key(0x09, 0x45, 1) }
                                  << Records { key(0xA4, 0x45, 3), key(0x09, 0x45, 3) };
    QTest::newRow("Meta uses Control") << K << left << int(Qt::Key_A) << int(Qt::MetaModifier)
                                       << Records { key(0xA2, 0x45, 1), key(0x41, 0x45, 1) }
                                       << Records { key(0xA2, 0x45, 3), key(0x41, 0x45, 3) };
    QTest::newRow("Control+Shift uses Control")
        << K << left << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier)
        << Records { key(0xA2, 0x45, 1), key(0x41, 0x45, 1) }
        << Records { key(0xA2, 0x45, 3), key(0x41, 0x45, 3) };
    QTest::newRow("keypad flag uses Control")
        << K << left << int(Qt::Key_5) << int(Qt::KeypadModifier)
        << Records { key(0xA2, 0x45, 1), key(0x35, 0x45, 1) }
        << Records { key(0xA2, 0x45, 3), key(0x35, 0x45, 3) };
    QTest::newRow("negative modifiers: none")
        << K << left << int(Qt::Key_A) << -1 << Records { key(0x41, 0, 1) }
        << Records { key(0x41, 0, 3) };
    QTest::newRow("lowest modifiers: none")
        << K << left << int(Qt::Key_A) << INT_MIN << Records { key(0x41, 0, 1) }
        << Records { key(0x41, 0, 3) };
    QTest::newRow("question mark") << K << left << int(Qt::Key_Question) << 0
                                   << Records { key(0xBF, 0, 1) } << Records { key(0xBF, 0, 3) };
    QTest::newRow("F5") << K << left << int(Qt::Key_F5) << 0 << Records { key(0x74, 0, 1) }
                        << Records { key(0x74, 0, 3) };
    QTest::newRow("default space")
        << K << left << 32 << 0 << Records { key(0x20, 0, 1) } << Records { key(0x20, 0, 3) };
    QTest::newRow("unknown key sent as 0") << K << left << int(Qt::Key_Launch0) << 0
                                           << Records { key(0, 0, 1) } << Records { key(0, 0, 3) };
    QTest::newRow("keyboard ignores the click type")
        << K << int(ClickTypeClass::DOUBLE) << int(Qt::Key_B) << 0 << Records { key(0x42, 0, 1) }
        << Records { key(0x42, 0, 3) };

    // Mouse: one record, no movement; the key is ignored.
    QTest::newRow("left") << M << left << int(Qt::Key_A) << int(Qt::ShiftModifier)
                          << Records { mouse(0x0002) } << Records { mouse(0x0004) };
    QTest::newRow("right") << M << int(ClickTypeClass::RIGHT) << 32 << 0
                           << Records { mouse(0x0008) } << Records { mouse(0x0010) };
    QTest::newRow("middle") << M << int(ClickTypeClass::MIDDLE) << 32 << 0
                            << Records { mouse(0x0020) } << Records { mouse(0x0040) };
    QTest::newRow("scroll up") << M << int(ClickTypeClass::SCROLLUP) << 32 << 0
                               << Records { mouse(0x0800, 120) } << Records {};
    QTest::newRow("scroll down") << M << int(ClickTypeClass::SCROLLDOWN) << 32 << 0
                                 << Records { mouse(0x0800, -120) } << Records {};
    // A whole double click on the press, nothing on the release.
    QTest::newRow("double") << M << int(ClickTypeClass::DOUBLE) << 32 << 0
                            << Records { mouse(0x0002), mouse(0x0004), mouse(0x0002),
                                   mouse(0x0004) }
                            << Records {};
    QTest::newRow("empty") << M << int(ClickTypeClass::EMPTY) << 32 << 0 << Records {}
                           << Records {};
    QTest::newRow("unknown click type") << M << 9 << 32 << 0 << Records {} << Records {};

    QTest::newRow("mode none") << int(ModeClass::NONE) << left << int(Qt::Key_A) << 0 << Records {}
                               << Records {};
    QTest::newRow("unknown mode") << 3 << left << int(Qt::Key_A) << 0 << Records {} << Records {};
}

void TestChannelInjector::pressAndRelease()
{
    QFETCH(int, mode);
    QFETCH(int, clickType);
    QFETCH(int, keyCode);
    QFETCH(int, modifiers);
    QFETCH(Records, press);
    QFETCH(Records, release);

    ConfigurationChannel channel;
    configure(channel, mode, clickType, keyCode, modifiers);
    m_interface->buttonPressed(channel);
    QCOMPARE(m_recorder->records(), press);
    m_recorder->clear();
    m_interface->buttonReleased(channel);
    QCOMPARE(m_recorder->records(), release);
}

void TestChannelInjector::channelNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<Records>("press");

    QTest::newRow("0 is the left channel, even disabled") << 0 << Records { mouse(0x0020) };
    QTest::newRow("1 is the right channel") << 1 << Records { key(0x43, 0, 1) };
    QTest::newRow("2") << 2 << Records {};
    QTest::newRow("-1") << -1 << Records {};
}

void TestChannelInjector::channelNumbers()
{
    QFETCH(int, number);
    QFETCH(Records, press);

    auto& section = m_interface->get_configuration().get_configurationSwitch();
    configure(section.leftChannel(), ModeClass::MOUSE, ClickTypeClass::MIDDLE, 32, 0);
    section.leftChannel().set_enabled(false);
    configure(section.rightChannel(), ModeClass::KEYBOARD, ClickTypeClass::LEFT, Qt::Key_C, 0);
    section.rightChannel().set_enabled(true);

    m_interface->buttonPressed(number);
    QCOMPARE(m_recorder->records(), press);
}

void TestChannelInjector::changingTheChannelLetsGoOfWhatItPressed()
{
    auto& channel = m_interface->get_configuration().get_configurationSwitch().leftChannel();
    configure(channel, ModeClass::MOUSE, ClickTypeClass::LEFT, 32, 0);
    m_interface->buttonPressed(0);
    // What went down comes up, not what the channel now names.
    configure(channel, ModeClass::KEYBOARD, ClickTypeClass::LEFT, Qt::Key_A, 0);
    QCOMPARE(m_recorder->records(), (Records { mouse(0x0002), mouse(0x0004) }));

    m_recorder->clear();
    m_interface->buttonReleased(0);
    m_interface->releaseAll();
    QCOMPARE(m_recorder->records(), Records {});
}

void TestChannelInjector::latchedChannelLetsGo_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("letsGo");

    QTest::newRow("pause, stop, lost device, port change, exit") << "releaseAll" << true;
    QTest::newRow("its key") << "left key" << true;
    QTest::newRow("its hold time") << "left hold" << true;
    QTest::newRow("its latch turned off") << "left latch" << true;
    QTest::newRow("turned off") << "left enabled" << true;
    QTest::newRow("its press line") << "left input" << true;
    QTest::newRow("its release line") << "left release" << true;
    QTest::newRow("a configuration with another channel") << "assign other" << true;
    QTest::newRow("the same configuration again") << "assign same" << false;
    QTest::newRow("the other channel") << "right key" << false;
    QTest::newRow("the other channel's release line") << "right release" << false;
    QTest::newRow("a repeat inside the window") << "repeat" << false;
}

void TestChannelInjector::latchedChannelLetsGo()
{
    QFETCH(QString, event);
    QFETCH(bool, letsGo);

    korvane::datamodel::Configuration& configuration = m_interface->get_configuration();
    auto& section = configuration.get_configurationSwitch();
    configure(section.leftChannel(), ModeClass::KEYBOARD, 0, Qt::Key_A, 0);
    section.leftChannel().set_latch(true);
    section.leftChannel().set_ignoreRepeatsMs(5000);
    korvane::datamodel::Configuration before;
    before = configuration;
    m_interface->buttonPressed(0);
    m_interface->buttonReleased(0);
    QCOMPARE(m_recorder->records(), Records { key(0x41, 0, 1) });
    m_recorder->clear();

    if (event == "releaseAll") {
        m_interface->releaseAll();
    } else if (event == "left key") {
        section.leftChannel().set_key(Qt::Key_B);
    } else if (event == "left hold") {
        section.leftChannel().set_holdMs(200);
    } else if (event == "left latch") {
        section.leftChannel().set_latch(false);
    } else if (event == "left enabled") {
        section.leftChannel().set_enabled(true);
    } else if (event == "left input") {
        section.set_inputLeftChannel("L");
    } else if (event == "left release") {
        section.set_releaseLeftChannel("l");
    } else if (event.startsWith("assign")) {
        korvane::datamodel::Configuration next;
        next = before;
        if (event == "assign other")
            next.get_configurationSwitch().leftChannel().set_modifiers(Qt::ShiftModifier);
        m_interface->set_configuration(next);
    } else if (event == "right key") {
        section.rightChannel().set_key(Qt::Key_B);
    } else if (event == "right release") {
        section.set_releaseRightChannel("r");
    } else if (event == "repeat") {
        m_interface->buttonPressed(0);
        m_interface->buttonReleased(0);
    }
    QCOMPARE(m_recorder->records(), letsGo ? Records { key(0x41, 0, 3) } : Records {});
    QCOMPARE(m_interface->heldText().isEmpty(), letsGo);
}

void TestChannelInjector::heldTextNamesWhatIsLatched()
{
    auto& section = m_interface->get_configuration().get_configurationSwitch();
    configure(section.leftChannel(), ModeClass::MOUSE, ClickTypeClass::LEFT, 32, 0);
    configure(section.rightChannel(), ModeClass::KEYBOARD, 0, Qt::Key_A, Qt::ShiftModifier);
    section.leftChannel().set_latch(true);
    section.rightChannel().set_latch(true);
    QSignalSpy spy(m_interface.get(), &ApplicationInterface::heldTextChanged);

    m_interface->buttonPressed(0);
    QCOMPARE(m_interface->heldText(), QString("Left mouse button held"));
    m_interface->buttonPressed(1);
    QCOMPARE(m_interface->heldText(), QString("Left mouse button held, Shift+A held"));
    m_interface->buttonPressed(0);
    QCOMPARE(m_interface->heldText(), QString("Shift+A held"));
    m_interface->releaseAll();
    QCOMPARE(m_interface->heldText(), QString());
    QCOMPARE(spy.count(), 4);
    // A key without a printable name is still said to be held.
    section.rightChannel().set_key(0);
    m_interface->buttonPressed(1);
    QCOMPARE(m_interface->heldText(), QString("A key held"));
}

void TestChannelInjector::holdEndsOnItsOwn()
{
    auto& channel = m_interface->get_configuration().get_configurationSwitch().leftChannel();
    configure(channel, ModeClass::MOUSE, ClickTypeClass::RIGHT, 32, 0);
    channel.set_holdMs(40);
    m_interface->buttonPressed(0);
    m_interface->buttonReleased(0);
    QCOMPARE(m_recorder->records(), Records { mouse(0x0008) });
    QTRY_COMPARE(m_recorder->records(), (Records { mouse(0x0008), mouse(0x0010) }));
}

void TestChannelInjector::releaseAllLetsGoOfWhatIsDown()
{
    ConfigurationChannel keys;
    configure(keys, ModeClass::KEYBOARD, 0, Qt::Key_A, Qt::ControlModifier);
    ConfigurationChannel right;
    configure(right, ModeClass::MOUSE, ClickTypeClass::RIGHT, 32, 0);
    ConfigurationChannel middle;
    configure(middle, ModeClass::MOUSE, ClickTypeClass::MIDDLE, 32, 0);
    m_interface->buttonPressed(keys);
    m_interface->buttonPressed(right);
    // The other channel on the same button: its release leaves the first press.
    m_interface->buttonPressed(right);
    m_interface->buttonReleased(right);
    m_interface->buttonPressed(middle);
    m_interface->buttonReleased(middle);
    m_recorder->clear();

    m_interface->releaseAll();
    // Keys in reverse order of pressing, then the buttons still down.
    QCOMPARE(
        m_recorder->records(), (Records { key(0x41, 0x45, 3), key(0xA2, 0x45, 3), mouse(0x0010) }));

    m_recorder->clear();
    m_interface->releaseAll();
    QCOMPARE(m_recorder->records(), Records {});
}

void TestChannelInjector::releaseAllAfterOrdinaryReleasesSendsNothing()
{
    ConfigurationChannel channel;
    configure(channel, ModeClass::KEYBOARD, 0, Qt::Key_A, Qt::ShiftModifier);
    m_interface->buttonPressed(channel);
    m_interface->buttonReleased(channel);
    configure(channel, ModeClass::MOUSE, ClickTypeClass::DOUBLE, 32, 0);
    m_interface->buttonPressed(channel);
    configure(channel, ModeClass::MOUSE, ClickTypeClass::SCROLLDOWN, 32, 0);
    m_interface->buttonPressed(channel);
    m_recorder->clear();
    m_interface->releaseAll();
    QCOMPARE(m_recorder->records(), Records {});
}

void TestChannelInjector::destructionLetsGoOfWhatIsDown()
{
    const auto records = m_recorder->sharedRecords();
    ConfigurationChannel channel;
    configure(channel, ModeClass::KEYBOARD, 0, Qt::Key_Z, 0);
    m_interface->buttonPressed(channel);
    m_interface.reset();
    QCOMPARE(*records, (Records { key(0x5A, 0, 1), key(0x5A, 0, 3) }));
}

void TestChannelInjector::swappingTheInjectorLetsGoOnTheOldOne()
{
    const auto oldRecords = m_recorder->sharedRecords();
    ConfigurationChannel channel;
    configure(channel, ModeClass::MOUSE, ClickTypeClass::LEFT, 32, 0);
    m_interface->buttonPressed(channel);

    auto next = std::make_unique<RecordingInputInjector>();
    const auto newRecords = next->sharedRecords();
    m_interface->setInputInjector(std::move(next));
    m_recorder = nullptr;
    QCOMPARE(*oldRecords, (Records { mouse(0x0002), mouse(0x0004) }));
    m_interface->releaseAll();
    QCOMPARE(*newRecords, Records {});
}

void TestChannelInjector::failureIsLoggedOnceWithItsReason()
{
    QSignalSpy errors(&LogManager::GetInstance(), &LogManager::error);
    ConfigurationChannel channel;
    configure(channel, ModeClass::KEYBOARD, 0, Qt::Key_A, Qt::ShiftModifier);

    m_recorder->setFailure("input blocked by a window of higher integrity");
    QTest::ignoreMessage(QtCriticalMsg,
        QRegularExpression(
            "Input injection failed: input blocked by a window of higher integrity"));
    m_interface->buttonPressed(channel);
    m_interface->buttonReleased(channel);
    QCOMPARE(errors.count(), 1);
    QVERIFY(errors.first().first().toString().contains("higher integrity"));
    QCOMPARE(
        m_interface->injectionError(), QString("input blocked by a window of higher integrity"));
    // Every record was still tried, the releases included.
    QCOMPARE(m_recorder->records().size(), std::size_t(4));

    m_recorder->setFailure({});
    m_interface->buttonPressed(channel);
    QCOMPARE(m_interface->injectionError(), QString());

    // After a success, a new failure is worth a new line.
    m_recorder->setFailure("no X display");
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Input injection failed: no X display"));
    m_interface->buttonReleased(channel);
    QCOMPARE(errors.count(), 2);
}

// No sound device: the presses act as ever, the cues are silent, and one
// line says so, whatever else follows.
void TestChannelInjector::soundCuesWithoutADeviceLogOneLine()
{
    m_interface->get_configuration().get_configurationApplication().set_soundCues(true);
    configure(m_interface->get_configuration().get_configurationSwitch().leftChannel(),
        ModeClass::KEYBOARD, 0, Qt::Key_A, 0);
    m_interface->channels()->setSoundCues(
        std::make_unique<SoundEffectCues>(QString(), []() { return false; }));
    MessageCapture capture;
    for (int press = 0; press < 3; ++press) {
        m_interface->buttonPressed(0);
        m_interface->buttonReleased(0);
    }
    m_interface->channels()->playCue(SoundCues::Paused);
    QCOMPARE(m_recorder->records().size(), std::size_t(6));
    QCOMPARE(capture.entries().size(), 1);
    QVERIFY(capture.entries().first().second.contains(
        QLatin1String("No sound output device: sound cues stay silent")));
}

QTEST_MAIN(TestChannelInjector)
#include "tst_channelinjector.moc"
