// The switch's state and the user's decisions about it, driven against a real
// pseudo-terminal standing in for the device.
#include "core/switch/mousecom.h"
#include "core/switch/switchcontroller.h"
#include "datamodel/configurationswitch.h"
#include "pty.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

using korvane::core::MouseCom;
using korvane::core::PortSelection;
using korvane::core::SwitchController;
using korvane::datamodel::ConfigurationSwitch;

namespace {

const QString cstGonePort = QStringLiteral("/dev/korvane-no-such-port");

} // namespace

class TstSwitchController : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void transitions_data();
    void transitions();
    void sameLines_data();
    void sameLines();
    void learnedLineActsOnlyAfterwards();
    void releaseLineLearned();
    void deviceLostAndBack();
    void newCatalogueRetellsTheWords();
    void autoSelectPort_data();
    void autoSelectPort();
    void usbDeviceAppearsWhileNoPortIsSet();
    void statusSaysWhy_data();
    void statusSaysWhy();

private:
    void step(const QString& step);

    std::unique_ptr<Pty> m_device;
    std::unique_ptr<ConfigurationSwitch> m_configuration;
    std::unique_ptr<MouseCom> m_link;
    std::unique_ptr<SwitchController> m_controller;
};

void TstSwitchController::init()
{
    m_device = std::make_unique<Pty>();
    QVERIFY(!m_device->name().isEmpty());
    m_configuration = std::make_unique<ConfigurationSwitch>();
    m_configuration->set_serialName(m_device->name());
    m_configuration->leftChannel().set_enabled(true);
    m_configuration->rightChannel().set_enabled(true);
    m_link = std::make_unique<MouseCom>();
    // The scene binds the link's keys to the document the same way.
    connect(m_configuration.get(), &ConfigurationSwitch::inputLeftChannelChanged, m_link.get(),
        &MouseCom::set_channelKey1);
    connect(m_configuration.get(), &ConfigurationSwitch::inputRightChannelChanged, m_link.get(),
        &MouseCom::set_channelKey2);
    m_controller = std::make_unique<SwitchController>();
    m_controller->set_configuration(m_configuration.get());
    m_controller->set_link(m_link.get());
}

void TstSwitchController::cleanup()
{
    m_controller.reset();
    m_link.reset();
    m_configuration.reset();
    m_device.reset();
}

// One user or device action: "start", "pause", "toggle", "unplug", "lines"
// (both buttons learned), "disable" (both buttons off), "port:<dev|gone|blank>",
// "learn:<channel>", "line:<text>" (the device sends it, "~" for a blank),
// "cancel", "linkstop" and "linkstart" (the link driven by someone else).
void TstSwitchController::step(const QString& step)
{
    const QString argument = step.section(QLatin1Char(':'), 1);
    if (step == QLatin1String("start")) {
        m_controller->start();
    } else if (step == QLatin1String("pause")) {
        m_controller->pause();
    } else if (step == QLatin1String("toggle")) {
        m_controller->togglePause();
    } else if (step == QLatin1String("linkstop")) {
        m_link->stop();
    } else if (step == QLatin1String("linkstart")) {
        m_link->start(m_configuration->serialName());
    } else if (step == QLatin1String("cancel")) {
        m_controller->cancelLearning();
    } else if (step == QLatin1String("unplug")) {
        m_device->close();
        QTRY_VERIFY(m_link->reconnecting());
    } else if (step == QLatin1String("lines")) {
        m_configuration->set_inputLeftChannel(QStringLiteral("L"));
        m_configuration->set_inputRightChannel(QStringLiteral("R"));
    } else if (step == QLatin1String("disable")) {
        m_configuration->leftChannel().set_enabled(false);
        m_configuration->rightChannel().set_enabled(false);
    } else if (step.startsWith(QLatin1String("port:"))) {
        const QString name = argument == QLatin1String("dev") ? m_device->name()
            : argument == QLatin1String("gone")               ? cstGonePort
                                                              : QStringLiteral("   ");
        m_controller->choosePort(name);
    } else if (step.startsWith(QLatin1String("learn:"))) {
        m_controller->learn(argument.toInt());
    } else if (step.startsWith(QLatin1String("line:"))) {
        QSignalSpy lines(m_link.get(), &MouseCom::lineReceived);
        QVERIFY(m_device->write(
            QString(argument).replace(QLatin1Char('~'), QLatin1Char(' ')).toUtf8() + "\n"));
        QVERIFY(lines.wait(5000));
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

void TstSwitchController::transitions_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<SwitchController::State>("state");
    QTest::addColumn<SwitchController::Status>("status");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("learning");
    QTest::addColumn<QString>("left");

    using S = SwitchController;
    const QString dev = QStringLiteral("dev");
    const QString gone = QStringLiteral("gone");
    auto row = [](const char* tag, const char* steps) {
        return &(QTest::newRow(tag) << QString::fromLatin1(steps).split(QLatin1Char(' ')));
    };
    *row("before the first start", "lines")
        << S::WaitingForDevice << S::StatusWaiting << false << dev << -1 << "L";
    *row("nothing learned yet", "start") << S::Running << S::StatusSetUp << true << dev << -1 << "";
    *row("a learned button", "lines start")
        << S::Running << S::StatusRunning << true << dev << -1 << "L";
    *row("learned buttons all disabled", "lines disable start")
        << S::Running << S::StatusSetUp << true << dev << -1 << "L";
    *row("paused by the user", "lines start pause")
        << S::PausedByUser << S::StatusPaused << false << dev << -1 << "L";
    *row("pause toggled twice", "lines start toggle toggle")
        << S::Running << S::StatusRunning << true << dev << -1 << "L";
    *row("start from a pause", "lines start pause start")
        << S::Running << S::StatusRunning << true << dev << -1 << "L";
    *row("a port with no device", "lines port:gone")
        << S::WaitingForDevice << S::StatusWaiting << false << gone << -1 << "L";
    *row("correction while waiting takes effect", "lines start port:gone port:dev")
        << S::Running << S::StatusRunning << true << dev << -1 << "L";
    *row("blank port refused", "lines start port:blank")
        << S::Running << S::StatusRunning << true << dev << -1 << "L";
    *row("port while paused stays paused", "lines start pause port:gone")
        << S::PausedByUser << S::StatusPaused << false << gone << -1 << "L";
    *row("device lost", "lines start unplug")
        << S::DeviceLost << S::StatusWaiting << false << dev << -1 << "L";
    *row("pause while the device is lost", "lines start unplug pause")
        << S::PausedByUser << S::StatusPaused << false << dev << -1 << "L";
    *row("learn after a pause resumes nothing", "start pause learn:0 line:B1")
        << S::PausedByUser << S::StatusPaused << false << dev << -1 << "B1";
    *row("learn cancelled after a pause", "start pause learn:0 cancel")
        << S::PausedByUser << S::StatusPaused << false << dev << -1 << "";
    *row("learning while paused", "start pause learn:0")
        << S::PausedByUser << S::StatusPaused << true << dev << 0 << "";
    *row("learn while running", "start learn:0 line:Btn~2")
        << S::Running << S::StatusRunning << true << dev << -1 << "Btn 2";
    *row("learn before any start", "learn:0 line:X")
        << S::Running << S::StatusRunning << true << dev << -1 << "X";
    *row("blank line learns nothing", "start learn:0 line:\t")
        << S::Running << S::StatusSetUp << true << dev << 0 << "";
    *row("channel 4 does not learn", "start learn:4")
        << S::Running << S::StatusSetUp << true << dev << -1 << "";
    *row("learn again cancels", "start learn:0 learn:0")
        << S::Running << S::StatusSetUp << true << dev << -1 << "";
    *row("other channel takes over", "start learn:0 learn:1 line:R")
        << S::Running << S::StatusRunning << true << dev << -1 << "";
    *row("a release line skips the press line", "lines start learn:2 line:l")
        << S::Running << S::StatusRunning << true << dev << 2 << "L";
    *row("pause ends learning", "start learn:0 pause")
        << S::PausedByUser << S::StatusPaused << false << dev << -1 << "";
    *row("link stopped elsewhere shows paused", "lines start linkstop")
        << S::PausedByUser << S::StatusPaused << false << dev << -1 << "L";
    *row("link started elsewhere shows running", "lines start pause linkstart")
        << S::Running << S::StatusRunning << true << dev << -1 << "L";
    *row("start after a stop elsewhere", "lines start linkstop toggle")
        << S::Running << S::StatusRunning << true << dev << -1 << "L";
    *row("port while learning paused", "start pause learn:1 port:gone")
        << S::PausedByUser << S::StatusPaused << false << gone << 1 << "";
}

void TstSwitchController::transitions()
{
    QFETCH(QStringList, steps);
    QFETCH(SwitchController::State, state);
    QFETCH(SwitchController::Status, status);
    QFETCH(bool, listening);
    QFETCH(QString, port);
    QFETCH(int, learning);
    QFETCH(QString, left);

    for (const QString& action : steps) {
        step(action);
        if (QTest::currentTestFailed())
            return;
    }
    // Whatever was learned has been dealt with by then.
    if (learning < 0)
        QTRY_VERIFY(!m_controller->holdsPresses());
    QCOMPARE(m_controller->state(), state);
    QCOMPARE(m_controller->status(), status);
    QCOMPARE(m_link->started(), listening);
    QCOMPARE(m_controller->port(), port == QLatin1String("dev") ? m_device->name() : cstGonePort);
    QCOMPARE(m_controller->learningChannel(), learning);
    QCOMPARE(m_configuration->inputLeftChannel(), left);
    QCOMPARE(m_controller->paused(), state == SwitchController::PausedByUser);
    QVERIFY(!m_controller->statusText().isEmpty());
    QVERIFY(!m_controller->statusDetail().isEmpty());
    // A learning link never acts; any other one acts unless the user paused it.
    QCOMPARE(m_link->paused(), learning >= 0);
}

void TstSwitchController::sameLines_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("same");
    // A button's release line follows its press line after a "|".
    QTest::newRow("different") << "L"
                               << "R" << false;
    QTest::newRow("equal") << "B1"
                           << "B1" << true;
    QTest::newRow("case differs") << "btn"
                                  << "BTN" << true;
    QTest::newRow("line end differs") << "B1\r\n"
                                      << "B1" << true;
    QTest::newRow("both empty") << ""
                                << "" << false;
    QTest::newRow("both blank") << " "
                                << " " << false;
    QTest::newRow("one empty") << "B1"
                               << "" << false;
    QTest::newRow("left release is the right press") << "L|R"
                                                     << "R" << true;
    QTest::newRow("right release is the left press") << "L"
                                                     << "R|l" << true;
    QTest::newRow("one release line for both") << "L|up"
                                               << "R|UP" << true;
    QTest::newRow("release equal to its own press: none") << "L|L"
                                                          << "R" << false;
    QTest::newRow("release lines of their own") << "L|l up"
                                                << "R|r up" << false;
}

void TstSwitchController::sameLines()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(bool, same);
    QSignalSpy changes(m_controller.get(), &SwitchController::sameLinesChanged);
    m_configuration->set_inputLeftChannel(left.section(QLatin1Char('|'), 0, 0));
    m_configuration->set_releaseLeftChannel(left.section(QLatin1Char('|'), 1));
    m_configuration->set_inputRightChannel(right.section(QLatin1Char('|'), 0, 0));
    m_configuration->set_releaseRightChannel(right.section(QLatin1Char('|'), 1));
    QCOMPARE(m_controller->sameLines(), same);
    QCOMPARE(changes.count(), same ? 1 : 0);
    QCOMPARE(m_controller->sameLinesText().isEmpty(), !same);
}

// The learned line matches its button as soon as it is learned, yet that very
// line is the answer to Learn, not a press; the next one presses.
void TstSwitchController::learnedLineActsOnlyAfterwards()
{
    QSignalSpy presses(m_link.get(), &MouseCom::pressed);
    QSignalSpy learned(m_controller.get(), &SwitchController::learned);
    QVERIFY(m_controller->start());
    m_controller->learn(1);
    step(QStringLiteral("line:R"));
    QCOMPARE(learned.count(), 1);
    QCOMPARE(learned.at(0).at(0).toInt(), 1);
    QCOMPARE(m_configuration->inputRightChannel(), QStringLiteral("R"));
    QCOMPARE(presses.count(), 0);
    QTRY_VERIFY(!m_controller->holdsPresses());
    step(QStringLiteral("line:R"));
    QCOMPARE(presses.count(), 1);
    QCOMPARE(presses.at(0).at(0).toInt(), 1);
}

void TstSwitchController::releaseLineLearned()
{
    step(QStringLiteral("lines"));
    step(QStringLiteral("start"));
    step(QStringLiteral("learn:3"));
    step(QStringLiteral("line:R"));
    step(QStringLiteral("line:R~up"));
    QCOMPARE(m_controller->learningChannel(), -1);
    QCOMPARE(m_configuration->releaseRightChannel(), QStringLiteral("R up"));
    QCOMPARE(m_configuration->inputRightChannel(), QStringLiteral("R"));
    QCOMPARE(m_configuration->releaseLeftChannel(), QString());
}

void TstSwitchController::deviceLostAndBack()
{
    QSignalSpy states(m_controller.get(), &SwitchController::stateChanged);
    QVERIFY(m_controller->start());
    step(QStringLiteral("unplug"));
    QCOMPARE(m_controller->state(), SwitchController::DeviceLost);
    QVERIFY(m_controller->statusDetail().contains(m_device->name()));
    // A new device on another port is taken at once, and runs.
    Pty other;
    QVERIFY(m_controller->choosePort(other.name()));
    QCOMPARE(m_controller->state(), SwitchController::Running);
    QCOMPARE(m_link->portName(), other.name());
    QCOMPARE(states.count(), 3);
}

// What installing a catalogue sends: the words, made in C++, must be read again.
void TstSwitchController::newCatalogueRetellsTheWords()
{
    QSignalSpy words(m_controller.get(), &SwitchController::statusChanged);
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &languageChange);
    QCOMPARE(words.count(), 1);
}

void TstSwitchController::autoSelectPort_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("port");
    const QStringList uart { "ttyS0" };
    const QStringList usb { "ttyS0", "ttyUSB0" };
    QTest::newRow("the device in use") << "<device>" << usb << "<device>";
    QTest::newRow("an unplugged device of this system") << "/dev/ttyUSB7" << usb << "/dev/ttyUSB7";
    QTest::newRow("a foreign name, a USB device") << "COM5" << usb << "ttyUSB0";
    QTest::newRow("a foreign name, only a UART: unset") << "COM5" << uart << "";
    QTest::newRow("no name, a USB device") << "" << usb << "ttyUSB0";
}

void TstSwitchController::autoSelectPort()
{
    QFETCH(QString, configured);
    QFETCH(QStringList, listed);
    QFETCH(QString, port);
    configured.replace(QLatin1String("<device>"), m_device->name());
    port.replace(QLatin1String("<device>"), m_device->name());
    QList<PortSelection::Port> ports;
    for (const QString& name : listed)
        ports.append({ name, false });
    m_controller->setPortLister([ports]() { return ports; });
    m_configuration->set_serialName(configured);
    QSignalSpy changes(m_controller.get(), &SwitchController::portChanged);
    QCOMPARE(m_controller->autoSelectPort(), port != configured);
    QCOMPARE(m_controller->port(), port);
    QCOMPARE(changes.count(), port != configured ? 1 : 0);
    // Choosing a port starts nothing by itself.
    QVERIFY(!m_link->started());
}

// While no port is set, the switch waits for one, and takes the first USB
// serial device that appears.
void TstSwitchController::usbDeviceAppearsWhileNoPortIsSet()
{
    QList<PortSelection::Port> ports { { QStringLiteral("ttyS0"), false } };
    m_controller->setPortLister([&ports]() { return ports; });
    m_configuration->set_serialName(QString());
    QVERIFY(!m_controller->start());
    QCOMPARE(m_controller->state(), SwitchController::WaitingForDevice);
    QVERIFY(!m_controller->paused());
    QSignalSpy found(m_controller.get(), &SwitchController::portFound);
    // Stands in for a USB adapter: the pseudo-terminal, listed as one.
    ports.append({ m_device->name(), true });
    QVERIFY(found.wait(10000));
    QCOMPARE(found.first().first().toString(), m_device->name());
    QCOMPARE(m_controller->port(), m_device->name());
    QTRY_COMPARE(m_controller->state(), SwitchController::Running);
}

// Each reason to wait, and a switch with lines but no channel on, reads
// differently in the status line and the port box's description.
void TstSwitchController::statusSaysWhy_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("port");
    auto row = [](const char* tag, const char* steps) {
        return &(QTest::newRow(tag) << QString::fromLatin1(steps).split(QLatin1Char(' ')));
    };
    *row("a name with no device", "lines port:gone") << "Waiting for the device"
                                                     << "No device called"
                                                     << "No device called";
    *row("in use by another program", "lines busy start") << "Waiting for the device"
                                                          << "in use by another program"
                                                          << "in use by another program";
    *row("unplugged", "lines start unplug") << "Waiting for the device"
                                            << "was unplugged"
                                            << "was unplugged";
    *row("no port chosen", "lines port:none start") << "Waiting for the device"
                                                    << "plug in the switch, or choose its port"
                                                    << "No port chosen";
    *row("lines learned, no channel on", "lines disable start") << "Set up the buttons"
                                                                << "Switch a channel on"
                                                                << "In use: ";
    *row("nothing learned", "start") << "Set up the buttons"
                                     << "press Learn"
                                     << "In use: ";
    *row("running", "lines start") << "Running"
                                   << "Listening"
                                   << "In use: ";
    *row("paused", "lines start pause") << "Paused"
                                        << "do nothing until"
                                        << "Paused: ";
}

void TstSwitchController::statusSaysWhy()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, status);
    QFETCH(QString, detail);
    QFETCH(QString, port);
    QSerialPort holder(m_device->name());
    for (const QString& action : steps) {
        if (action == QLatin1String("busy"))
            QVERIFY(holder.open(QIODevice::ReadOnly));
        else if (action == QLatin1String("port:none"))
            m_configuration->set_serialName(QString());
        else
            step(action);
    }
    QCOMPARE(m_controller->statusText(), status);
    QVERIFY2(
        m_controller->statusDetail().contains(detail), qPrintable(m_controller->statusDetail()));
    QVERIFY2(m_controller->portDescription().contains(port),
        qPrintable(m_controller->portDescription()));
}

QTEST_GUILESS_MAIN(TstSwitchController)

#include "tst_switchcontroller.moc"
