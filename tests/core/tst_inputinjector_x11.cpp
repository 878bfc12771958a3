// The XTest back end, checked by what a separate X client receives.
#include "core/applicationinterface.h"
#include "core/platform/inputinjector.h"
#include "core/platform/inputrecord.h"
#include "core/platform/x11/inputinjector_x11.h"

#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

#include <unistd.h>

using namespace korvane::core;

Q_DECLARE_METATYPE(std::vector<InputRecord>)

class TestInputInjectorX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void records_data();
    void records();
    void doubleClickIsOneDoubleClick();
    void unknownVirtualKeyIsReported();
    void missingDisplayIsReported();
    void guardThatCannotRunIsReportedOnce_data();
    void guardThatCannotRunIsReportedOnce();
    void channelActionsReachAnotherClient_data();
    void channelActionsReachAnotherClient();
    void releaseAllLetsGoOnTheDesktop();

private:
    QStringList takeLines(int count);

    QProcess m_probe;
    QByteArray m_pending;
    std::unique_ptr<InputInjector> m_injector;
};

void TestInputInjectorX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "runs only under the sandbox's Xvfb");
    m_probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_probe.start(QStringLiteral(KORVANE_X11_PROBE), QStringList());
    QVERIFY(m_probe.waitForStarted());
    QCOMPARE(takeLines(1), QStringList { "ready" });
    m_injector = InputInjector::createNative();
}

void TestInputInjectorX11::cleanupTestCase()
{
    m_injector.reset();
    m_probe.kill();
    m_probe.waitForFinished();
}

QStringList TestInputInjectorX11::takeLines(int count)
{
    auto complete = [&] {
        m_pending += m_probe.readAllStandardOutput();
        return m_pending.count('\n') >= count;
    };
    for (int i = 0; i < 100 && !complete(); ++i)
        m_probe.waitForReadyRead(50);
    QStringList lines;
    while (lines.size() < count && m_pending.contains('\n')) {
        const int end = m_pending.indexOf('\n');
        lines << QString::fromUtf8(m_pending.left(end));
        m_pending.remove(0, end + 1);
    }
    return lines;
}

static QStringList withoutTimes(const QStringList& lines)
{
    QStringList result;
    for (const QString& line : lines)
        result << line.section(QLatin1Char(' '), 0, 1);
    return result;
}

void TestInputInjectorX11::records_data()
{
    QTest::addColumn<std::vector<InputRecord>>("records");
    QTest::addColumn<QStringList>("received");

    auto key = InputRecord::key;
    auto mouse = InputRecord::mouse;
    QTest::newRow("letter") << std::vector<InputRecord> { key(0x41, 0, 1), key(0x41, 0, 3) }
                            << QStringList { "key-press a", "key-release a" };
    // The modifier goes up before the key, as the Windows records are sent.
    QTest::newRow("shift letter") << std::vector<InputRecord> {
        key(0xA0, 0x45, 1), key(0x41, 0x45, 1), key(0xA0, 0x45, 3), key(0x41, 0x45, 3)
    } << QStringList { "key-press Shift_L", "key-press A", "key-release Shift_L", "key-release a" };
    QTest::newRow("control") << std::vector<InputRecord> { key(0xA2, 0x45, 1), key(0xA2, 0x45, 3) }
                             << QStringList { "key-press Control_L", "key-release Control_L" };
    QTest::newRow("digit") << std::vector<InputRecord> { key(0x37, 0, 1), key(0x37, 0, 3) }
                           << QStringList { "key-press 7", "key-release 7" };
    QTest::newRow("oem semicolon") << std::vector<InputRecord> { key(0xBA, 0, 1),
        key(0xBA, 0, 3) } << QStringList { "key-press semicolon", "key-release semicolon" };
    QTest::newRow("oem apostrophe") << std::vector<InputRecord> { key(0xDE, 0, 1),
        key(0xDE, 0, 3) } << QStringList { "key-press apostrophe", "key-release apostrophe" };
    QTest::newRow("F5") << std::vector<InputRecord> { key(0x74, 0, 1), key(0x74, 0, 3) }
                        << QStringList { "key-press F5", "key-release F5" };
    QTest::newRow("page down") << std::vector<InputRecord> { key(0x22, 0, 1), key(0x22, 0, 3) }
                               << QStringList { "key-press Next", "key-release Next" };
    // Usually missing from a server's keymap: bound to a spare keycode.
    QTest::newRow("F24 (borrowed keycode)") << std::vector<InputRecord> { key(0x87, 0, 1),
        key(0x87, 0, 3) } << QStringList { "key-press F24", "key-release F24" };
    QTest::newRow("volume up") << std::vector<InputRecord> { key(0xAF, 0, 1), key(0xAF, 0, 3) }
                               << QStringList { "key-press XF86AudioRaiseVolume",
                                      "key-release XF86AudioRaiseVolume" };
    QTest::newRow("left") << std::vector<InputRecord> { mouse(0x0002, 0), mouse(0x0004, 0) }
                          << QStringList { "button-press 1", "button-release 1" };
    QTest::newRow("right") << std::vector<InputRecord> { mouse(0x0008, 0), mouse(0x0010, 0) }
                           << QStringList { "button-press 3", "button-release 3" };
    QTest::newRow("middle") << std::vector<InputRecord> { mouse(0x0020, 0), mouse(0x0040, 0) }
                            << QStringList { "button-press 2", "button-release 2" };
    QTest::newRow("wheel up") << std::vector<InputRecord> { mouse(0x0800, 120) }
                              << QStringList { "button-press 4", "button-release 4" };
    QTest::newRow("wheel down") << std::vector<InputRecord> { mouse(0x0800, -120) }
                                << QStringList { "button-press 5", "button-release 5" };
    QTest::newRow("wheel two notches") << std::vector<InputRecord> { mouse(0x0800, -240) }
                                       << QStringList { "button-press 5", "button-release 5",
                                              "button-press 5", "button-release 5" };
}

void TestInputInjectorX11::records()
{
    QFETCH(std::vector<InputRecord>, records);
    QFETCH(QStringList, received);
    for (const InputRecord& record : records)
        QVERIFY2(record.sendTo(*m_injector), m_injector->lastError().c_str());
    QCOMPARE(withoutTimes(takeLines(received.size())), received);
    // Nothing more than that arrived.
    QVERIFY(!m_probe.waitForReadyRead(100));
    QVERIFY(m_probe.readAllStandardOutput().isEmpty());
}

void TestInputInjectorX11::doubleClickIsOneDoubleClick()
{
    for (std::uint32_t flags : { 0x0002u, 0x0004u, 0x0002u, 0x0004u })
        QVERIFY(m_injector->sendMouse(flags, 0));
    const QStringList lines = takeLines(4);
    QCOMPARE(withoutTimes(lines),
        (QStringList {
            "button-press 1", "button-release 1", "button-press 1", "button-release 1" }));
    // Close enough in server time for any toolkit's double-click interval.
    const auto first = lines.first().section(' ', 2).toULong();
    const auto last = lines.last().section(' ', 2).toULong();
    QVERIFY(last - first < 200);
}

void TestInputInjectorX11::unknownVirtualKeyIsReported()
{
    QVERIFY(!m_injector->sendKey(0, 0, 1));
    QVERIFY2(m_injector->lastError().find("has no X key") != std::string::npos,
        m_injector->lastError().c_str());
    // The next good record clears the reason.
    QVERIFY(m_injector->sendKey(0x41, 0, 1));
    QVERIFY(m_injector->lastError().empty());
    QVERIFY(m_injector->sendKey(0x41, 0, 3));
    QCOMPARE(takeLines(2), (QStringList { "key-press a", "key-release a" }));
}

void TestInputInjectorX11::missingDisplayIsReported()
{
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":4321");
    auto injector = InputInjector::createNative();
    const bool sent = injector->sendMouse(0x0002, 0);
    qputenv("DISPLAY", display);
    QVERIFY(!sent);
    QVERIFY2(injector->lastError().find("cannot open the X display \":4321\"") != std::string::npos,
        injector->lastError().c_str());
}

void TestInputInjectorX11::guardThatCannotRunIsReportedOnce_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QStringLiteral("/nonexistent/korvane-xtest-guard")
                             << QStringLiteral("No such file or directory");
    QTest::newRow("not a program")
        << QStringLiteral("/dev/null") << QStringLiteral("Permission denied");
}

// Without its guard the back end works as before and says so once.
void TestInputInjectorX11::guardThatCannotRunIsReportedOnce()
{
    QFETCH(QString, program);
    QFETCH(QString, reason);
    QTemporaryFile errors;
    QVERIFY(errors.open());
    const int savedError = ::dup(STDERR_FILENO);
    ::dup2(errors.handle(), STDERR_FILENO);
    {
        auto injector = createX11InputInjector(program.toStdString());
        for (std::uint32_t flags : { 0x0002u, 0x0004u, 0x0002u, 0x0004u })
            QVERIFY(injector->sendMouse(flags, 0));
    }
    ::dup2(savedError, STDERR_FILENO);
    ::close(savedError);
    QVERIFY(errors.seek(0));
    QCOMPARE(withoutTimes(takeLines(4)),
        (QStringList {
            "button-press 1", "button-release 1", "button-press 1", "button-release 1" }));
    QCOMPARE(QString::fromLocal8Bit(errors.readAll()),
        QStringLiteral("korvane: cannot start %1 (%2): what Korvane holds when it is killed "
                       "stays held\n")
            .arg(program, reason));
}

void TestInputInjectorX11::channelActionsReachAnotherClient_data()
{
    using korvane::datamodel::ClickTypeClass;
    using korvane::datamodel::ModeClass;
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("clickType");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("received");

    QTest::newRow("Shift+A") << int(ModeClass::KEYBOARD) << 0 << int(Qt::Key_A)
                             << int(Qt::ShiftModifier)
                             << QStringList { "key-press Shift_L", "key-press A",
                                    "key-release Shift_L", "key-release a" };
    QTest::newRow("Ctrl+Shift+Tab uses Control")
        << int(ModeClass::KEYBOARD) << 0 << int(Qt::Key_Tab)
        << int(Qt::ControlModifier | Qt::ShiftModifier)
        << QStringList { "key-press Control_L", "key-press Tab", "key-release Control_L",
               "key-release Tab" };
    QTest::newRow("left click") << int(ModeClass::MOUSE) << int(ClickTypeClass::LEFT) << 0 << 0
                                << QStringList { "button-press 1", "button-release 1" };
    QTest::newRow("right click") << int(ModeClass::MOUSE) << int(ClickTypeClass::RIGHT) << 0 << 0
                                 << QStringList { "button-press 3", "button-release 3" };
    QTest::newRow("middle click") << int(ModeClass::MOUSE) << int(ClickTypeClass::MIDDLE) << 0 << 0
                                  << QStringList { "button-press 2", "button-release 2" };
    QTest::newRow("double click") << int(ModeClass::MOUSE) << int(ClickTypeClass::DOUBLE) << 0 << 0
                                  << QStringList { "button-press 1", "button-release 1",
                                         "button-press 1", "button-release 1" };
    QTest::newRow("scroll up") << int(ModeClass::MOUSE) << int(ClickTypeClass::SCROLLUP) << 0 << 0
                               << QStringList { "button-press 4", "button-release 4" };
    QTest::newRow("scroll down") << int(ModeClass::MOUSE) << int(ClickTypeClass::SCROLLDOWN) << 0
                                 << 0 << QStringList { "button-press 5", "button-release 5" };
}

// The whole road from a channel's press and release to another program.
void TestInputInjectorX11::channelActionsReachAnotherClient()
{
    QFETCH(int, mode);
    QFETCH(int, clickType);
    QFETCH(int, keyCode);
    QFETCH(int, modifiers);
    QFETCH(QStringList, received);

    ApplicationInterface appInterface;
    auto& channel = appInterface.get_configuration().get_configurationSwitch().rightChannel();
    channel.set_mode(static_cast<korvane::datamodel::ModeClass::Type>(mode));
    channel.set_clickType(static_cast<korvane::datamodel::ClickTypeClass::Type>(clickType));
    channel.set_key(keyCode);
    channel.set_modifiers(modifiers);
    appInterface.buttonPressed(1);
    appInterface.buttonReleased(1);
    QCOMPARE(withoutTimes(takeLines(received.size())), received);
    QVERIFY(appInterface.injectionError().isEmpty());
    QVERIFY(!m_probe.waitForReadyRead(100));
}

void TestInputInjectorX11::releaseAllLetsGoOnTheDesktop()
{
    {
        ApplicationInterface appInterface;
        auto& channel = appInterface.get_configuration().get_configurationSwitch().leftChannel();
        channel.set_mode(korvane::datamodel::ModeClass::KEYBOARD);
        channel.set_key(Qt::Key_X);
        channel.set_modifiers(Qt::AltModifier);
        appInterface.buttonPressed(0);
        QCOMPARE(takeLines(2), (QStringList { "key-press Alt_L", "key-press x" }));
        appInterface.releaseAll();
        QCOMPARE(takeLines(2), (QStringList { "key-release x", "key-release Alt_L" }));

        // Held at the end of the run: the destructor lets go.
        channel.set_mode(korvane::datamodel::ModeClass::MOUSE);
        channel.set_clickType(korvane::datamodel::ClickTypeClass::LEFT);
        appInterface.buttonPressed(0);
        QCOMPARE(withoutTimes(takeLines(1)), QStringList { "button-press 1" });
    }
    QCOMPARE(withoutTimes(takeLines(1)), QStringList { "button-release 1" });
}

QTEST_GUILESS_MAIN(TestInputInjectorX11)
#include "tst_inputinjector_x11.moc"
