// The product from end to end, as a user meets it: Korvane starts in the tray,
// opens the switch device about a second later, and each press of the device
// reaches another program as the configured key or click.
#include "programrunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <csignal>
#include <optional>

namespace {

const QString mainWindowTitle = QStringLiteral("^KORVane$");

// More than one colour along the diagonal: the window has drawn its first frame.
bool painted(const QImage& image)
{
    const int steps = qMin(image.width(), image.height());
    for (int i = 1; i < steps; ++i) {
        if (image.pixel(i, i) != image.pixel(0, 0))
            return true;
    }
    return false;
}

// The pictures are documentation: one taken before the first frame is
// retaken until the window shows something, and never fails the run.
void screenshot(const QString& windowId, const QString& name)
{
    const QString folder = QStringLiteral(KORVANE_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString file = folder + QLatin1Char('/') + name;
    const auto capture = [&] {
        QProcess import;
        import.start(QStringLiteral("import"), { QStringLiteral("-window"), windowId, file });
        return import.waitForFinished(20000) && import.exitCode() == 0 && painted(QImage(file));
    };
    if (!QTest::qWaitFor(capture, 10000))
        qWarning("%s shows nothing drawn yet", qPrintable(name));
}

// A user configuration: the device at `port`, by default the left channel
// types the A key and the right channel clicks the left mouse button.
void writeConfiguration(const QString& port, const QString& theme,
    const QString& channels = QStringLiteral(
        R"("left_channel":{"enabled":true,"mode":"KEYBOARD","click_type":"LEFT","key":65,"modifier":0,"native":"0"},
            "right_channel":{"enabled":true,"mode":"MOUSE","click_type":"LEFT","key":32,"modifier":0,"native":"0"})"))
{
    writeFile(homeFile(QStringLiteral("korvane.json")),
        QStringLiteral(R"({"configuration":{"application":{"theme":"%2","runStartup":false},
            "switch":{"serial_name":"%1","input_left":"L","input_right":"R",%3}}})")
            .arg(port, theme, channels)
            .toUtf8());
}

// The buttons and keys the X server holds down, whoever pressed them.
QStringList heldOnServer(Display* display)
{
    QStringList held;
    Window root, child;
    int x, y, rootX, rootY;
    unsigned int mask = 0;
    XQueryPointer(
        display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask);
    for (unsigned int button = 1; button <= 5; ++button) {
        if (mask & (Button1Mask << (button - 1)))
            held << QStringLiteral("button %1").arg(button);
    }
    char keys[32];
    XQueryKeymap(display, keys);
    for (int code = 0; code < 256; ++code) {
        if (keys[code / 8] & (1 << (code % 8)))
            held << XKeysymToString(XkbKeycodeToKeysym(display, KeyCode(code), 0, 0));
    }
    return held;
}

// The process `parent` started as `program` (its name as the kernel keeps it).
qint64 childProcess(qint64 parent, const QString& program)
{
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& process : processes) {
        const QString stat = QString::fromLatin1(readFile("/proc/" + process + "/stat"));
        if (stat.section(QLatin1Char(')'), -1).section(QLatin1Char(' '), 2, 2).toLongLong()
                == parent
            && program.startsWith(readFile("/proc/" + process + "/comm").trimmed()))
            return process.toLongLong();
    }
    return 0;
}

// Ended and reaped, or ended and waiting for whoever adopted it to reap it.
bool processGone(qint64 pid)
{
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.isEmpty() || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
}

// Korvane started with the user file `json` ("%1" is the port), once it
// listens on the port.
bool startListening(ProgramRunner& korvane, const QString& port, const QString& json)
{
    writeFile(homeFile(QStringLiteral("korvane.json")), json.arg(port).toUtf8());
    korvane.start();
    return korvane.waitForLog(QStringLiteral("Start listening on serial port ") + port);
}

// Another X client that takes the focus and reports what it receives.
class Probe {
public:
    Probe()
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral(KORVANE_X11_PROBE), QStringList());
    }
    ~Probe() { reset(); }
    void reset()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    // `start` is the beginning of a line the probe prints (buttons carry a time after it).
    bool waitFor(const QString& start, int timeoutMs = 10000)
    {
        QElapsedTimer timer;
        timer.start();
        const QRegularExpression line(QStringLiteral("(^|\n)") + QRegularExpression::escape(start));
        while (!m_seen.contains(line)) {
            if (timer.elapsed() > timeoutMs)
                return false;
            m_process.waitForReadyRead(50);
            m_seen += QString::fromLocal8Bit(m_process.readAll());
        }
        return true;
    }
    QString seen()
    {
        m_process.waitForReadyRead(200);
        m_seen += QString::fromLocal8Bit(m_process.readAll());
        return m_seen;
    }

private:
    QProcess m_process;
    QString m_seen;
};

// The virtual switch device; "l" and "r" on its input press the buttons,
// which send the lines `left` and `right`.
class Switch {
public:
    explicit Switch(const QString& link, const QString& left = QStringLiteral("L"),
        const QString& right = QStringLiteral("R"))
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral(KORVANE_SWITCH_SIM),
            { QStringLiteral("--link"), link, QStringLiteral("--left"), left,
                QStringLiteral("--right"), right });
        m_process.waitForReadyRead(5000);
    }
    ~Switch()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    void press(char button) { press(QByteArray(1, button)); }
    // Several presses in one go, as fast as the device sends them.
    void press(const QByteArray& buttons)
    {
        m_process.write(buttons);
        m_process.waitForBytesWritten();
    }

private:
    QProcess m_process;
};

} // namespace

class TestProduct : public QObject {
    Q_OBJECT

private slots:
    void init() { QDir(homeFile(QString())).removeRecursively(); }

    void switchDrivesAnotherProgram()
    {
        const QString port = QDir::tempPath() + QStringLiteral("/switch");
        Switch device(port);
        writeConfiguration(port, QStringLiteral("LIGHT"));

        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        QVERIFY2(korvane.waitForLog(QStringLiteral("Start listening on serial port ") + port),
            qPrintable(korvane.log()));
        // The link starts after the event loop runs (a second after the window is
        // complete); the window stays in the tray.
        QVERIFY(korvane.log().indexOf(QStringLiteral("Execute application ..."))
            < korvane.log().indexOf(QStringLiteral("Start listening on serial port ")));
        QVERIFY(visibleWindow(mainWindowTitle).isEmpty());

        Probe probe;
        QVERIFY(probe.waitFor(QStringLiteral("ready")));
        device.press('l');
        QVERIFY2(probe.waitFor(QStringLiteral("key-press a")), qPrintable(probe.seen()));
        QVERIFY(probe.waitFor(QStringLiteral("key-release a")));
        device.press('r');
        QVERIFY2(probe.waitFor(QStringLiteral("button-press 1 ")), qPrintable(probe.seen()));
        QVERIFY(probe.waitFor(QStringLiteral("button-release 1 ")));

        // Pause from the tray: a middle click on the icon stops the link. The
        // probe covers the screen (there is no window manager to stack it
        // under the panel), so it makes way for the click and comes back.
        probe.reset();
        const QString icon = xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--classname"), QStringLiteral("korvane") })
                                 .section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!icon.isEmpty(), "no tray icon");
        xdotool(
            { QStringLiteral("mousemove"), QStringLiteral("--window"), icon, QStringLiteral("8"),
                QStringLiteral("8"), QStringLiteral("click"), QStringLiteral("2") });
        QVERIFY2(korvane.waitForLog(QStringLiteral("Stop listening on serial port ") + port),
            qPrintable(korvane.log()));
        Probe afterPause;
        QVERIFY(afterPause.waitFor(QStringLiteral("ready")));
        device.press('l');
        // Nothing may arrive: watched for many times the time a press takes.
        QVERIFY2(!QTest::qWaitFor(
                     [&] { return afterPause.seen().contains(QStringLiteral("key-press")); }, 500),
            qPrintable(afterPause.seen()));
        afterPause.reset();

        // A second start hands over and shows the window of the first.
        ProgramRunner second(QStringLiteral(KORVANE_PROGRAM));
        second.start();
        QVERIFY(second.waitForFinished());
        QCOMPARE(second.exitCode(), 1);
        const QString window = waitForVisibleWindow(mainWindowTitle);
        QVERIFY(!window.isEmpty());
        xdotool({ QStringLiteral("windowraise"), window });
        screenshot(window, QStringLiteral("main-light.png"));

        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitCode(), 0);
    }

    // A latched left button: the first press holds it, the pointer drags, the
    // next press lets go.
    void latchedLeftButtonDrags()
    {
        const QString port = QDir::tempPath() + QStringLiteral("/switch-latch");
        Switch device(port);
        writeConfiguration(
            port, QStringLiteral("LIGHT"), QStringLiteral(R"("left_channel":{"enabled":true,
            "mode":"MOUSE","click_type":"LEFT","key":32,"modifier":0,"native":"0","latch":true})"));

        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Start listening on serial port ") + port),
            qPrintable(korvane.log()));
        Probe probe;
        QVERIFY(probe.waitFor(QStringLiteral("ready")));

        device.press('l');
        QVERIFY2(probe.waitFor(QStringLiteral("button-press 1 ")), qPrintable(probe.seen()));
        xdotool({ QStringLiteral("mousemove"), QStringLiteral("300"), QStringLiteral("200") });
        QVERIFY2(probe.waitFor(QStringLiteral("drag 300 200")), qPrintable(probe.seen()));
        QVERIFY2(
            !probe.seen().contains(QStringLiteral("button-release 1 ")), qPrintable(probe.seen()));
        device.press('l');
        QVERIFY2(probe.waitFor(QStringLiteral("button-release 1 ")), qPrintable(probe.seen()));

        const QString seen = probe.seen();
        QVERIFY(seen.indexOf(QStringLiteral("button-press 1 "))
            < seen.indexOf(QStringLiteral("drag 300 200")));
        QVERIFY(seen.indexOf(QStringLiteral("drag 300 200"))
            < seen.indexOf(QStringLiteral("button-release 1 ")));
        QCOMPARE(seen.count(QStringLiteral("button-press 1 ")), 1);
        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitCode(), 0);
    }

    // A double press of the left button types its second action's key, a
    // single one its first; the right button's double press pauses Korvane
    // (a press then sends nothing) and resumes it. Sound cues are on, and
    // without a sound device that costs one log line.
    void doublePressAndPauseGesture()
    {
        const QString port = QDir::tempPath() + QStringLiteral("/switch-double");
        Switch device(port);
        const QString file
            = QStringLiteral(R"({"configuration":{"application":{"theme":"LIGHT","runStartup":false,
                "sound_cues":true},
                "switch":{"serial_name":"%1","input_left":"L","input_right":"R",
                "left_channel":{"enabled":true,"mode":"KEYBOARD","click_type":"LEFT","key":65,
                    "modifier":0,"native":"0","second_trigger":"DOUBLE_PRESS",
                    "second_mode":"KEYBOARD","second_key":66},
                "right_channel":{"enabled":true,"mode":"MOUSE","click_type":"LEFT","key":32,
                    "modifier":0,"native":"0","second_trigger":"DOUBLE_PRESS",
                    "second_mode":"PAUSE"}}}})");
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        QVERIFY2(startListening(korvane, port, file), qPrintable(korvane.log()));
        Probe probe;
        QVERIFY(probe.waitFor(QStringLiteral("ready")));

        device.press("ll");
        QVERIFY2(probe.waitFor(QStringLiteral("key-release b")), qPrintable(probe.seen()));
        device.press('l');
        QVERIFY2(probe.waitFor(QStringLiteral("key-release a")), qPrintable(probe.seen()));
        QCOMPARE(probe.seen().count(QStringLiteral("key-press ")), 2);

        device.press("rr");
        QVERIFY2(korvane.waitForLog(QStringLiteral("Paused by the switch's pause gesture")),
            qPrintable(korvane.log()));
        device.press('l');
        // Nothing may arrive: watched for longer than the double press window.
        QVERIFY2(!QTest::qWaitFor(
                     [&] { return probe.seen().count(QStringLiteral("key-press ")) > 2; }, 1000),
            qPrintable(probe.seen()));
        device.press("rr");
        QVERIFY2(korvane.waitForLog(QStringLiteral("Resumed by the switch's pause gesture")),
            qPrintable(korvane.log()));
        device.press('l');
        QVERIFY2(
            QTest::qWaitFor(
                [&] { return probe.seen().count(QStringLiteral("key-release a")) == 2; }, 10000),
            qPrintable(probe.seen()));
        QVERIFY(!probe.seen().contains(QStringLiteral("button-press")));

        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.logCount(QStringLiteral("No sound output device")), 1);
        QVERIFY2(!korvane.log().contains(QStringLiteral("PulseAudio"), Qt::CaseInsensitive)
                && !korvane.log().contains(QStringLiteral("QSoundEffect")),
            qPrintable(korvane.log()));
    }

    // With a release line (here the device's second button), holding the
    // button types the second action's key while it is down; a short press
    // types the first.
    void longPressWithReleaseLine()
    {
        const QString port = QDir::tempPath() + QStringLiteral("/switch-long");
        Switch device(port, QStringLiteral("L"), QStringLiteral("UP"));
        const QString file = QStringLiteral(
            R"({"configuration":{"application":{"theme":"LIGHT","runStartup":false},
                "switch":{"serial_name":"%1","input_left":"L","release_left":"UP",
                "left_channel":{"enabled":true,"mode":"KEYBOARD","click_type":"LEFT","key":65,
                    "modifier":0,"native":"0","second_trigger":"LONG_PRESS","long_press_ms":300,
                    "second_mode":"KEYBOARD","second_key":66}}}})");
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        QVERIFY2(startListening(korvane, port, file), qPrintable(korvane.log()));
        Probe probe;
        QVERIFY(probe.waitFor(QStringLiteral("ready")));

        device.press('l');
        QVERIFY2(probe.waitFor(QStringLiteral("key-release b")), qPrintable(probe.seen()));
        device.press('r');
        device.press("lr");
        QVERIFY2(probe.waitFor(QStringLiteral("key-release a")), qPrintable(probe.seen()));
        const QString seen = probe.seen();
        QCOMPARE(seen.count(QStringLiteral("key-press ")), 2);
        QVERIFY(seen.indexOf(QStringLiteral("key-press b"))
            < seen.indexOf(QStringLiteral("key-press a")));
        QVERIFY(korvane.terminate());
    }

    void nothingStaysHeldWhenKorvaneEnds_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QStringList>("guardSays");
        // Killed, Korvane cannot let go: its XTest guard does.
        QTest::newRow("kill -9") << int(SIGKILL)
                                 << QStringList { "korvane-xtest-guard: Korvane ended without "
                                                  "letting go; released a, Shift_L, button 1" };
        QTest::newRow("end signal") << int(SIGTERM) << QStringList();
    }

    // A latched button and a latched Shift+A are down on the X server when
    // Korvane ends; afterwards nothing is, and the guard is gone too.
    void nothingStaysHeldWhenKorvaneEnds()
    {
        QFETCH(int, signal);
        QFETCH(QStringList, guardSays);
        const QString port = QDir::tempPath() + QStringLiteral("/switch-held");
        Switch device(port);
        writeConfiguration(port, QStringLiteral("LIGHT"),
            QStringLiteral(R"("left_channel":{"enabled":true,"mode":"MOUSE","click_type":"LEFT",
                "key":32,"modifier":0,"native":"0","latch":true},
            "right_channel":{"enabled":true,"mode":"KEYBOARD","click_type":"LEFT","key":65,
                "modifier":33554432,"native":"0","latch":true})"));
        // The guard writes to Korvane's standard error after Korvane is gone;
        // a copy in a file outlives the pipe this test reads (tee -p goes on
        // writing it when that pipe is closed).
        const QString errors = QDir::tempPath() + QStringLiteral("/errors.log");
        ProgramRunner korvane(QStringLiteral("/bin/bash"));
        korvane.start({ QStringLiteral("-c"), QStringLiteral(R"(exec "$0" 2> >(tee -p "$1" >&2))"),
            QStringLiteral(KORVANE_PROGRAM), errors });
        QVERIFY2(korvane.waitForLog(QStringLiteral("Start listening on serial port ") + port),
            qPrintable(korvane.log()));

        std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
        QVERIFY(display);
        device.press('l');
        device.press('r');
        const QStringList held { "button 1", "a", "Shift_L" };
        QTRY_COMPARE_WITH_TIMEOUT(heldOnServer(display.get()), held, 10000);
        const qint64 guard = childProcess(korvane.pid(), QStringLiteral("korvane-xtest-guard"));
        QVERIFY(guard > 0);
        // Its socket, /dev/null, Korvane's standard error and its X
        // connection: not the serial port nor anything else of Korvane's.
        QCOMPARE(QDir(QStringLiteral("/proc/%1/fd").arg(guard))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
            (QStringList { "0", "1", "2", "3" }));

        ::kill(pid_t(korvane.pid()), signal);
        QVERIFY(korvane.waitForFinished());
        QTRY_COMPARE_WITH_TIMEOUT(heldOnServer(display.get()), QStringList(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(processGone(guard), 2000);
        QTRY_COMPARE(QString::fromLocal8Bit(readFile(errors))
                         .split(QLatin1Char('\n'))
                         .filter(QStringLiteral("korvane-xtest-guard")),
            guardSays);
    }

    // Plain GNOME has no tray area: no box waits for a click, the switch starts
    // as with a tray, the window stays shown and the end still writes back.
    void withoutTrayTheSwitchStartsAndTheWindowStaysShown()
    {
        if (!xdotool({ QStringLiteral("search"), QStringLiteral("--classname"),
                         QStringLiteral("trayer") })
                 .isEmpty())
            QSKIP("runs where no tray host is present");
        const QString port = QDir::tempPath() + QStringLiteral("/switch-notray");
        Switch device(port);
        writeConfiguration(port, QStringLiteral("DARK"));
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Start listening on serial port ") + port),
            qPrintable(korvane.log()));
        const QString window = waitForVisibleWindow(mainWindowTitle);
        QVERIFY(!window.isEmpty());
        screenshot(window, QStringLiteral("main-dark.png"));
        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitCode(), 0);
        QVERIFY2(korvane.log().contains(QStringLiteral("Write user configuration into")),
            qPrintable(korvane.log()));
        QVERIFY(readFile(homeFile(QStringLiteral("korvane.json"))).contains("\"theme\": \"DARK\""));
    }

    // The device is unplugged and plugged back while the user types into
    // another program, on a desktop with a window manager: Korvane's window
    // says so without taking the keyboard focus, goes back to the tray once
    // the device is back, and the next press reaches the same program.
    void deviceLossLeavesTheFocus()
    {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
            { QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK") });
        xprop.waitForFinished();
        if (!xprop.readAll().contains("window id"))
            QSKIP("runs under a window manager");
        const QString port = QDir::tempPath() + QStringLiteral("/switch-lost");
        std::optional<Switch> device(std::in_place, port);
        writeConfiguration(port, QStringLiteral("LIGHT"));
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Start listening on serial port ") + port),
            qPrintable(korvane.log()));
        Probe probe;
        QVERIFY(probe.waitFor(QStringLiteral("ready")));
        const auto presses
            = [&probe] { return probe.seen().count(QStringLiteral("key-press a\n")); };
        device->press('l');
        QVERIFY2(QTest::qWaitFor([&] { return presses() == 1; }, 10000), qPrintable(probe.seen()));

        device.reset();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Lost serial port")), qPrintable(korvane.log()));
        const QString window = waitForVisibleWindow(mainWindowTitle);
        QVERIFY2(!window.isEmpty(), "the window says the device is gone");
        QVERIFY2(korvane.waitForLog(QStringLiteral("Tray message: The switch device on")),
            qPrintable(korvane.log()));
        QVERIFY(xdotool({ QStringLiteral("getwindowfocus") }) != window);

        device.emplace(port);
        QVERIFY2(korvane.waitForLog(QStringLiteral("is back, start listening")),
            qPrintable(korvane.log()));
        QVERIFY2(QTest::qWaitFor([&] { return visibleWindow(mainWindowTitle).isEmpty(); }, 10000),
            "hidden in the tray before, hidden again");
        device->press('l');
        QVERIFY2(QTest::qWaitFor([&] { return presses() == 2; }, 10000), qPrintable(probe.seen()));
        QVERIFY(korvane.terminate());
    }

    // At 150 % on a 1024 × 768 screen without a tray the whole window, its
    // frame included, stays on the screen; the window tells why it stays.
    void windowFitsASmallScaledScreen()
    {
        if (xdotool({ QStringLiteral("getdisplaygeometry") }) != QLatin1String("1024 768"))
            QSKIP("runs on a 1024 x 768 screen");
        const QString port = QDir::tempPath() + QStringLiteral("/switch-small");
        Switch device(port);
        writeConfiguration(port, QStringLiteral("LIGHT"));
        writeFile(homeFile(QStringLiteral("screen.ini")), "[General]\nscale=1.5\n");
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("The window says: No systray was found.")),
            qPrintable(korvane.log()));
        const QString window = waitForVisibleWindow(mainWindowTitle);
        QVERIFY(!window.isEmpty());
        const auto output = [](const QString& program, const QStringList& arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished();
            return QString::fromLocal8Bit(process.readAll());
        };
        const auto frameFits = [&] {
            const QStringList frame = output(QStringLiteral("xprop"),
                { QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS") })
                                          .section(QLatin1Char('='), 1)
                                          .split(QLatin1Char(','));
            const QString info
                = output(QStringLiteral("xwininfo"), { QStringLiteral("-id"), window });
            const auto value = [&info](const char* name) {
                const QRegularExpression pattern(
                    QStringLiteral("%1:\\s+(-?\\d+)").arg(QLatin1String(name)));
                return pattern.match(info).captured(1).toInt();
            };
            if (frame.size() != 4)
                return false;
            const int x = value("Absolute upper-left X");
            const int y = value("Absolute upper-left Y");
            return x - frame[0].toInt() >= 0 && y - frame[2].toInt() >= 0
                && x + value("Width") + frame[1].toInt() <= 1024
                && y + value("Height") + frame[3].toInt() <= 768;
        };
        QVERIFY2(QTest::qWaitFor(frameFits, 10000),
            qPrintable(output(QStringLiteral("xwininfo"), { QStringLiteral("-id"), window })));
        screenshot(QStringLiteral("root"), QStringLiteral("main-150-1024x768.png"));
        QVERIFY(korvane.terminate());
    }
};

QTEST_GUILESS_MAIN(TestProduct)

#include "tst_product.moc"
