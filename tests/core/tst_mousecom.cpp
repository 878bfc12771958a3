#include "core/switch/mousecom.h"
#include "pty.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using korvane::core::MouseCom;

namespace {

// Records the switch events as "p0 r0 c0 ..." for one-line comparisons.
class Recorder : public QObject {
public:
    explicit Recorder(MouseCom& com)
    {
        connect(&com, &MouseCom::pressed, this, [this](int n) { add('p', n); });
        connect(&com, &MouseCom::released, this, [this](int n) { add('r', n); });
        connect(&com, &MouseCom::clicked, this, [this](int n) { add('c', n); });
    }
    QString text() const { return events.join(QLatin1Char(' ')); }
    int count(const QString& event) const { return events.count(event); }
    QStringList events;

private:
    void add(char kind, int n) { events.append(QString(QLatin1Char(kind)) + QString::number(n)); }
};

// Captures Qt's messages (MouseCom logs straight to the debug channel).
class MessageCapture {
public:
    MessageCapture()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(&MessageCapture::handler);
    }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }
    static QStringList lines() { return s_lines; }
    static int count(const QString& part)
    {
        int n = 0;
        for (const QString& line : s_lines)
            n += line.contains(part) ? 1 : 0;
        return n;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        s_lines.append(message);
    }
    static QStringList s_lines;
    QtMessageHandler m_previous;
};
QStringList MessageCapture::s_lines;

double cpuSeconds()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

bool pointLink(const QString& link, const QString& target)
{
    QFile::remove(link);
    return QFile::link(target, link);
}

// Lines are handled in order: once a marker line written after some bytes has
// been received, everything before it has been handled too.
bool drain(Pty& pty, MouseCom& com)
{
    static int counter = 0;
    const QString marker = QStringLiteral("KORVANE-SYNC-%1").arg(++counter);
    QSignalSpy lines(&com, &MouseCom::lineReceived);
    if (!pty.write("\n" + marker.toLatin1() + "\n"))
        return false;
    for (;;) {
        for (const QList<QVariant>& args : qAsConst(lines))
            if (args.at(0).toString() == marker)
                return true;
        if (!lines.wait(10000))
            return false;
    }
}

enum class Paced { Ok, Stalled, Failed };

// Writes like a device at 9600 baud: one byte at a time, about 1 ms apart,
// while the event loop keeps running. A writer held up for longer than the
// link's line timeout (a busy machine) makes the link rightly end the line
// early; that run says nothing about the link and is reported as Stalled.
Paced writePaced(Pty& pty, const QByteArray& bytes)
{
    using namespace std::chrono;
    std::atomic<bool> done { false };
    std::atomic<bool> ok { true };
    std::atomic<bool> stalled { false };
    std::thread writer([&]() {
        auto last = steady_clock::now();
        for (char c : bytes) {
            std::this_thread::sleep_for(milliseconds(1));
            if (::write(pty.master(), &c, 1) != 1)
                ok = false;
            const auto now = steady_clock::now();
            if (now - last > milliseconds(MouseCom::cst_line_timeout_ms / 2))
                stalled = true;
            last = now;
        }
        done = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    writer.join();
    return !ok ? Paced::Failed : stalled ? Paced::Stalled : Paced::Ok;
}

const QString readErrorPrefix = QStringLiteral("The switch device on ");

} // namespace

class TestMouseCom : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void wire_data();
    void wire();
    void releaseLines_data();
    void releaseLines();
    void portClosedOnEveryWayOut();
    void lineWithoutLineEnd();
    void paused();
    void pressesWhileStoppedAreNotReplayed();
    void overlongLineWarnsOnce();
    void stopFromPressedHandler();

    void setterSignalsOnlyOnChange();
    void startDoesNotSignalPortName();
    void stopWhenNotStartedDoesNothing();
    void failedStartTriesThreeTimes();
    void restartReopensLater();
    void errorIsTranslated();
    void permissionDeniedNamesTheFixAndRetries();

    void deviceLossHeals();
    void portAppearsAfterFailedStart();
    void startAfterLossClearsError();

    void randomBytes();
    void sustainedLineRate();

private:
    QString tempPath(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestMouseCom::initTestCase()
{
    qRegisterMetaType<QSerialPort::SerialPortError>();
    QVERIFY(m_dir.isValid());
}

void TestMouseCom::wire_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("key1");
    QTest::addColumn<QString>("key2");
    QTest::addColumn<bool>("byteByByte");
    QTest::addColumn<QString>("expected");

    const QString both = QStringLiteral("p0 r0 c0 p1 r1 c1");
    QTest::newRow("a LF b LF") << QByteArray("a\nb\n") << "A"
                               << "B" << false << both;
    QTest::newRow("a LF b LF, byte by byte") << QByteArray("a\nb\n") << "A"
                                             << "B" << true << both;
    QTest::newRow("right only") << QByteArray("R\n") << "L"
                                << "R" << false << "p1 r1 c1";
    QTest::newRow("other text") << QByteArray("X\n") << "L"
                                << "R" << false << "";
    QTest::newRow("both keys equal") << QByteArray("k\n") << "K"
                                     << "k" << false << both;
    QTest::newRow("CR LF") << QByteArray("A\r\n") << "A"
                           << "B" << false << "p0 r0 c0";
    QTest::newRow("CR LF, byte by byte") << QByteArray("A\r\nB\r\n") << "A"
                                         << "B" << true << both;
    QTest::newRow("CR only") << QByteArray("A\rB\r") << "A"
                             << "B" << false << both;
    QTest::newRow("word split byte by byte") << QByteArray("LEFT\n") << "left"
                                             << "right" << true << "p0 r0 c0";
    QTest::newRow("two presses") << QByteArray("L\nL\n") << "L"
                                 << "R" << false << "p0 r0 c0 p0 r0 c0";
    QTest::newRow("prefix does not match") << QByteArray("LL\n") << "L"
                                           << "R" << false << "";
    QTest::newRow("blank not trimmed") << QByteArray(" L\n") << "L"
                                       << "R" << false << "";
    QTest::newRow("accented letters, case ignored") << QByteArray("\xc3\xa9"
                                                                  "cran\n")
                                                    << QString::fromUtf8("\xc3\x89"
                                                                         "CRAN")
                                                    << "R" << false << "p0 r0 c0";
    QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe\n") << "L"
                                   << "R" << false << "";
    QTest::newRow("empty keys, empty lines") << QByteArray("\n\r\n\n") << ""
                                             << "" << false << "";
    QTest::newRow("empty keys, text") << QByteArray("L\n") << ""
                                      << "" << false << "";
    QTest::newRow("one empty key") << QByteArray("\nR\n\n") << ""
                                   << "R" << false << "p1 r1 c1";
    QTest::newRow("key with line end") << QByteArray("L\r\n") << "L\r"
                                       << "R" << false << "p0 r0 c0";
    // A NUL is part of the line, not its end.
    QTest::newRow("NUL after the key") << QByteArray("L\0XYZ\n", 6) << "L"
                                       << "R" << false << "";
    QTest::newRow("NUL after the key, byte by byte") << QByteArray("R\0\nL\0\n", 6) << "L"
                                                     << "R" << true << "";
    QTest::newRow("NUL alone") << QByteArray("\0\n", 2) << "L"
                               << "R" << false << "";
}

void TestMouseCom::wire()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, key1);
    QFETCH(QString, key2);
    QFETCH(bool, byteByByte);
    QFETCH(QString, expected);

    for (int attempt = 1;; ++attempt) {
        Pty pty;
        QVERIFY(pty.isValid());
        MouseCom com;
        com.set_channelKey1(key1);
        com.set_channelKey2(key2);
        Recorder recorder(com);
        QVERIFY(com.start(pty.name()));

        if (byteByByte) {
            const Paced paced = writePaced(pty, bytes);
            QVERIFY(paced != Paced::Failed);
            if (paced == Paced::Stalled && attempt < 5)
                continue;
        } else {
            QVERIFY(pty.write(bytes));
        }
        QVERIFY(drain(pty, com));
        QCOMPARE(recorder.text(), expected);
        break;
    }
}

void TestMouseCom::releaseLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("release1");
    QTest::addColumn<QString>("release2");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none: every line a click") << QByteArray("L\nl\n") << ""
                                              << ""
                                              << "p0 r0 c0 p0 r0 c0";
    QTest::newRow("press then release") << QByteArray("L\nLU\n") << "LU"
                                        << ""
                                        << "p0 r0 c0";
    QTest::newRow("press held, no release yet") << QByteArray("L\n") << "LU"
                                                << ""
                                                << "p0";
    QTest::newRow("release alone, case ignored") << QByteArray("lu\n") << "LU"
                                                 << ""
                                                 << "r0 c0";
    QTest::newRow("release line equal to the press line is no release line")
        << QByteArray("L\n") << "l"
        << ""
        << "p0 r0 c0";
    QTest::newRow("each channel its own") << QByteArray("L\nR\nRU\nLU\n") << "LU"
                                          << "RU"
                                          << "p0 p1 r1 c1 r0 c0";
    QTest::newRow("one channel's release is the other's press") << QByteArray("L\nR\n") << "R"
                                                                << ""
                                                                << "p0 r0 c0 p1 r1 c1";
}

void TestMouseCom::releaseLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, release1);
    QFETCH(QString, release2);
    QFETCH(QString, expected);

    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("L"));
    com.set_channelKey2(QStringLiteral("R"));
    com.set_releaseKey1(release1);
    com.set_releaseKey2(release2);
    Recorder recorder(com);
    QVERIFY(com.start(pty.name()));
    QVERIFY(pty.write(bytes));
    QVERIFY(drain(pty, com));
    QCOMPARE(recorder.text(), expected);
}

// What presses hold must come up whenever the link lets go of its port.
void TestMouseCom::portClosedOnEveryWayOut()
{
    auto first = std::make_unique<Pty>();
    Pty second;
    QVERIFY(first->isValid() && second.isValid());
    MouseCom com;
    QSignalSpy closed(&com, &MouseCom::portClosed);
    QVERIFY(!com.start(tempPath(QStringLiteral("no-such-switch"))));
    com.stop();
    QCOMPARE(closed.count(), 0);

    QVERIFY(com.start(first->name()));
    QVERIFY(com.start(second.name()));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!closed.at(0).at(0).toString().isEmpty());
    com.stop();
    QCOMPARE(closed.count(), 2);

    QVERIFY(com.start(first->name()));
    first->close();
    QVERIFY(closed.wait(5000));
    QCOMPARE(closed.count(), 3);
    com.stop();
    QCOMPARE(closed.count(), 3);
}

void TestMouseCom::lineWithoutLineEnd()
{
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("L"));
    com.set_channelKey2(QStringLiteral("R"));
    Recorder recorder(com);
    QVERIFY(com.start(pty.name()));

    QVERIFY(pty.write("L"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p0 r0 c0"));
    QVERIFY(pty.write("R"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p0 r0 c0 p1 r1 c1"));
}

void TestMouseCom::paused()
{
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("L"));
    Recorder recorder(com);
    QVERIFY(com.start(pty.name()));

    QSignalSpy pausedSpy(&com, &MouseCom::pausedChanged);
    com.set_paused(true);
    com.set_paused(true);
    QCOMPARE(pausedSpy.count(), 1);
    QSignalSpy lines(&com, &MouseCom::lineReceived);
    QVERIFY(pty.write("L\nL\n"));
    QVERIFY(drain(pty, com));
    QCOMPARE(lines.count(), 3);
    QVERIFY(com.started());
    QCOMPARE(recorder.text(), QString());

    // What arrived while paused is lost, not replayed.
    com.set_paused(false);
    QVERIFY(pty.write("L\n"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p0 r0 c0"));
}

void TestMouseCom::pressesWhileStoppedAreNotReplayed()
{
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("L"));
    Recorder recorder(com);
    QVERIFY(com.start(pty.name()));
    com.stop();
    QVERIFY(pty.write("L\nL\n"));
    QTRY_COMPARE(pty.queued(), 4);
    QVERIFY(com.start(pty.name()));
    QVERIFY(drain(pty, com));
    QCOMPARE(recorder.text(), QString());
}

void TestMouseCom::overlongLineWarnsOnce()
{
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("L"));
    Recorder recorder(com);
    QVERIFY(com.start(pty.name()));
    MessageCapture capture;

    QVERIFY(pty.write(QByteArray(5000, 'L') + "\nL\n"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p0 r0 c0"));
    QCOMPARE(MessageCapture::count(QStringLiteral("Dropped a line longer than 1024 bytes")), 1);
}

void TestMouseCom::stopFromPressedHandler()
{
    // The scene may stop the link from a switch event; the port must not be
    // deleted while the serial library is still delivering its notification.
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("L"));
    Recorder recorder(com);
    connect(&com, &MouseCom::pressed, &com, &MouseCom::stop);
    QVERIFY(com.start(pty.name()));
    QVERIFY(pty.write("L\nL\nL\n"));
    QTRY_VERIFY(!com.started());
    QCOMPARE(recorder.text(), QStringLiteral("p0 r0 c0"));
    QVERIFY(com.start(pty.name()));
    QVERIFY(pty.write("L\n"));
    QTRY_VERIFY(!com.started());
    QCOMPARE(recorder.text(), QStringLiteral("p0 r0 c0 p0 r0 c0"));
}

void TestMouseCom::setterSignalsOnlyOnChange()
{
    MouseCom com;
    QCOMPARE(com.portName(), QStringLiteral("COM5"));
    QSignalSpy key1(&com, &MouseCom::channelKey1Changed);
    QSignalSpy key2(&com, &MouseCom::channelKey2Changed);
    QSignalSpy name(&com, &MouseCom::portNameChanged);
    QSignalSpy error(&com, &MouseCom::errorChanged);
    QSignalSpy started(&com, &MouseCom::startedChanged);
    com.set_channelKey1(QStringLiteral("L"));
    com.set_channelKey1(QStringLiteral("L"));
    com.set_channelKey2(QStringLiteral("R"));
    com.set_channelKey2(QStringLiteral("R"));
    com.set_portName(QStringLiteral("COM5"));
    com.set_portName(QStringLiteral("ttyUSB0"));
    com.set_error(QStringLiteral("x"));
    com.set_error(QStringLiteral("x"));
    com.set_started(true);
    com.set_started(true);
    QCOMPARE(key1.count(), 1);
    QCOMPARE(key1.at(0).at(0).toString(), QStringLiteral("L"));
    QCOMPARE(key2.count(), 1);
    QCOMPARE(name.count(), 1);
    QCOMPARE(name.at(0).at(0).toString(), QStringLiteral("ttyUSB0"));
    QCOMPARE(error.count(), 1);
    QCOMPARE(started.count(), 1);
    com.set_started(false);
}

void TestMouseCom::startDoesNotSignalPortName()
{
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    QSignalSpy name(&com, &MouseCom::portNameChanged);
    QSignalSpy started(&com, &MouseCom::startedChanged);
    MessageCapture capture;
    QVERIFY(com.start(pty.name()));
    QCOMPARE(com.portName(), pty.name());
    QCOMPARE(name.count(), 0);
    QCOMPARE(started.count(), 1);
    QVERIFY(com.started());
    QVERIFY(com.error().isEmpty());
    QVERIFY(MessageCapture::lines().contains(
        QStringLiteral("Start listening on serial port ") + pty.name()));

    com.stop();
    QVERIFY(!com.started());
    QCOMPARE(started.count(), 2);
    QVERIFY(MessageCapture::lines().contains(
        QStringLiteral("Stop listening on serial port ") + pty.name()));
}

void TestMouseCom::stopWhenNotStartedDoesNothing()
{
    MouseCom com;
    QSignalSpy started(&com, &MouseCom::startedChanged);
    QSignalSpy error(&com, &MouseCom::errorChanged);
    MessageCapture capture;
    com.stop();
    QCOMPARE(started.count(), 0);
    QCOMPARE(error.count(), 0);
    QVERIFY(MessageCapture::lines().isEmpty());
}

void TestMouseCom::failedStartTriesThreeTimes()
{
    const QString missing = tempPath(QStringLiteral("no-such-port"));
    MouseCom com;
    QSignalSpy started(&com, &MouseCom::startedChanged);
    QSignalSpy error(&com, &MouseCom::errorChanged);
    QSignalSpy reconnecting(&com, &MouseCom::reconnectingChanged);
    MessageCapture capture;

    QVERIFY(!com.start(missing));
    const QStringList lines = MessageCapture::lines();
    for (int i = 1; i <= 3; ++i)
        QVERIFY2(lines.contains(
                     QStringLiteral("Cannot open serial port %1 (try %2/3)").arg(missing).arg(i)),
            qPrintable(lines.join('\n')));
    QCOMPARE(MessageCapture::count(QStringLiteral("Cannot open serial port")), 3);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(0).toBool(), false);
    QVERIFY(!com.started());
    // Plain words and what happens next; the system's text only in the log.
    QCOMPARE(com.error(),
        QStringLiteral(
            "The switch device on %1 is not there. Korvane connects as soon as it is plugged in.")
            .arg(missing));
    QVERIFY(MessageCapture::lines().contains(
        QStringLiteral("Serial port %1: No such file or directory").arg(missing)));
    QCOMPARE(error.last().at(0).toString(), com.error());
    QVERIFY(com.reconnecting());

    // The background retries are quiet: no log line, no signal per attempt.
    const int messages = MessageCapture::lines().size();
    const int errors = error.count();
    QVERIFY(!started.wait(2500));
    QCOMPARE(MessageCapture::lines().size(), messages);
    QCOMPARE(error.count(), errors);

    // Pausing gives up waiting for the device and clears the error.
    com.stop();
    QVERIFY(!com.reconnecting());
    QVERIFY(com.error().isEmpty());
    QCOMPARE(reconnecting.count(), 2);
    com.stop();
    QCOMPARE(reconnecting.count(), 2);
}

void TestMouseCom::restartReopensLater()
{
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("L"));
    Recorder recorder(com);
    QVERIFY(com.start(pty.name()));

    QSignalSpy started(&com, &MouseCom::startedChanged);
    QVERIFY(com.restart());
    // restart() returns before the port is open again.
    QVERIFY(!com.started());
    QCOMPARE(started.count(), 1);
    QVERIFY(started.wait(5000));
    QVERIFY(com.started());
    QCOMPARE(started.last().at(0).toBool(), true);
    QVERIFY(pty.write("L\n"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p0 r0 c0"));

    // A stop during the delay wins: the link stays stopped.
    QVERIFY(com.restart());
    com.stop();
    QVERIFY(!started.wait(1000));
    QVERIFY(!com.started());
}

void TestMouseCom::errorIsTranslated()
{
    QTranslator french;
    QVERIFY(french.load(QStringLiteral(KORVANE_FR_QM)));
    QCoreApplication::installTranslator(&french);
    const QString missing = tempPath(QStringLiteral("absent"));
    MouseCom com;
    QVERIFY(!com.start(missing));
    QCoreApplication::removeTranslator(&french);
    // French throughout: no system text in English inside it.
    QCOMPARE(com.error(),
        QStringLiteral("L'appareil à contacteurs sur %1 n'est pas là. Korvane s'y connecte dès "
                       "qu'il est branché.")
            .arg(missing));
    com.stop();
}

// Acts as an ordinary user (not in the group owning the device node) until
// destroyed; root can take its identity back because the saved user stays root.
struct UnprivilegedUser {
    UnprivilegedUser()
    {
        active = ::getuid() == 0 && ::setresgid(65534, 65534, 0) == 0
            && ::setresuid(65534, 65534, 0) == 0;
    }
    ~UnprivilegedUser() { leave(); }
    void leave()
    {
        if (active) {
            ::setresuid(0, 0, 0);
            ::setresgid(0, 0, 0);
        }
        active = false;
    }
    bool active = false;
};

void TestMouseCom::permissionDeniedNamesTheFixAndRetries()
{
    Pty pty;
    QVERIFY(pty.isValid());
    const QByteArray node = QFile::encodeName(pty.name());
    QCOMPARE(::chmod(node.constData(), 0600), 0);
    MouseCom com;
    QSignalSpy started(&com, &MouseCom::startedChanged);
    UnprivilegedUser user;
    if (!user.active)
        QSKIP("needs root to act as another user");
    QVERIFY(!com.start(pty.name()));
    QVERIFY2(com.error().contains(QStringLiteral("sudo usermod -aG dialout $USER")),
        qPrintable(com.error()));
    QVERIFY(com.error().contains(pty.name()));
    QVERIFY(com.reconnecting());

    // Allowed now (as joining the group would): the waiting link opens it.
    user.leave();
    QCOMPARE(::chmod(node.constData(), 0666), 0);
    UnprivilegedUser again;
    QVERIFY(again.active);
    QTRY_VERIFY_WITH_TIMEOUT(com.started(), 10000);
    QVERIFY(com.error().isEmpty());
    com.stop();
}

void TestMouseCom::deviceLossHeals()
{
    const QString link = tempPath(QStringLiteral("switch-loss"));
    auto pty = std::make_unique<Pty>();
    QVERIFY(pty->isValid());
    QVERIFY(pointLink(link, pty->name()));

    MouseCom com;
    com.set_channelKey1(QStringLiteral("L"));
    Recorder recorder(com);
    QVERIFY(com.start(link));
    QVERIFY(pty->write("L\n"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p0 r0 c0"));

    QSignalSpy error(&com, &MouseCom::errorChanged);
    QSignalSpy started(&com, &MouseCom::startedChanged);
    MessageCapture capture;
    pty->close();
    // Unplugged: the name leads nowhere until the adapter is back.
    QFile::remove(link);
    QTRY_VERIFY(!com.started());
    QVERIFY(com.reconnecting());
    QVERIFY2(com.error().startsWith(readErrorPrefix + link + QLatin1Char('\n'))
            || com.error().startsWith(readErrorPrefix),
        qPrintable(com.error()));

    // The dead descriptor was released: no error storm, no busy loop.
    const double cpuBefore = cpuSeconds();
    QElapsedTimer window;
    window.start();
    QVERIFY(!started.wait(1500));
    const double cpu = cpuSeconds() - cpuBefore;
    QCOMPARE(error.count(), 1);
    QCOMPARE(started.count(), 1);
    QVERIFY2(cpu < 0.5 * window.elapsed() / 1000.0, qPrintable(QString::number(cpu)));
    QCOMPARE(MessageCapture::count(QStringLiteral("Lost serial port")), 1);

    // The adapter comes back under the same name.
    pty = std::make_unique<Pty>();
    QVERIFY(pty->isValid());
    QVERIFY(pointLink(link, pty->name()));
    QTRY_VERIFY_WITH_TIMEOUT(com.started(), 5000);
    QVERIFY(!com.reconnecting());
    QVERIFY(com.error().isEmpty());
    QCOMPARE(MessageCapture::count(QStringLiteral("is back")), 1);
    QVERIFY(pty->write("L\n"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p0 r0 c0 p0 r0 c0"));
}

void TestMouseCom::portAppearsAfterFailedStart()
{
    const QString link = tempPath(QStringLiteral("switch-late"));
    MouseCom com;
    com.set_channelKey2(QStringLiteral("R"));
    Recorder recorder(com);
    QVERIFY(!com.start(link));
    QVERIFY(!com.error().isEmpty());

    Pty pty;
    QVERIFY(pty.isValid());
    QVERIFY(pointLink(link, pty.name()));
    QTRY_VERIFY_WITH_TIMEOUT(com.started(), 3000);
    QVERIFY(com.error().isEmpty());
    QVERIFY(pty.write("R\n"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p1 r1 c1"));

    // start(name) elsewhere abandons the wait for the old name.
    const QString other = tempPath(QStringLiteral("switch-other"));
    QVERIFY(!com.start(other));
    QVERIFY(com.reconnecting());
    QVERIFY(com.start(link));
    QVERIFY(!com.reconnecting());
}

void TestMouseCom::startAfterLossClearsError()
{
    auto pty = std::make_unique<Pty>();
    QVERIFY(pty->isValid());
    MouseCom com;
    QVERIFY(com.start(pty->name()));
    pty->close();
    QTRY_VERIFY(!com.started());
    QVERIFY(com.error().startsWith(readErrorPrefix));

    // The user picks another port before the lost one is back.
    pty = std::make_unique<Pty>();
    QVERIFY(pty->isValid());
    QSignalSpy error(&com, &MouseCom::errorChanged);
    QVERIFY(com.start(pty->name()));
    QVERIFY(com.error().isEmpty());
    QCOMPARE(error.count(), 1);
    QVERIFY(!com.reconnecting());
}

void TestMouseCom::randomBytes()
{
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("korvane-left"));
    Recorder recorder(com);
    QVERIFY(com.start(pty.name()));

    QByteArray noise(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(20261207);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const long rssBefore = residentKiB();
    {
        MessageCapture capture; // over-long runs are expected; keep the output short
        QVERIFY(pty.write(noise));
        QVERIFY(drain(pty, com));
    }
    QVERIFY(com.started());
    QVERIFY(pty.write("\nKORVANE-LEFT\n"));
    QTRY_COMPARE(recorder.text(), QStringLiteral("p0 r0 c0"));
    QVERIFY2(residentKiB() - rssBefore < 8 * 1024,
        qPrintable(QString::number(residentKiB() - rssBefore)));
}

void TestMouseCom::sustainedLineRate()
{
    // 2,000 lines a second for 5 s, alternating channels, written line by line.
    constexpr int rate = 2000;
    constexpr int seconds = 5;
    constexpr int total = rate * seconds;
    Pty pty;
    QVERIFY(pty.isValid());
    MouseCom com;
    com.set_channelKey1(QStringLiteral("SW-LEFT"));
    com.set_channelKey2(QStringLiteral("SW-RIGHT"));
    int left = 0;
    int right = 0;
    connect(&com, &MouseCom::pressed, this, [&](int n) { ++(n == 0 ? left : right); });
    QVERIFY(com.start(pty.name()));

    std::atomic<bool> writeFailed { false };
    std::thread writer([&pty, &writeFailed]() {
        using namespace std::chrono;
        const auto begin = steady_clock::now();
        for (int i = 0; i < total; ++i) {
            // Paces the device, not the test: line i is due at i / rate seconds.
            std::this_thread::sleep_until(begin + microseconds(i * 1000000LL / rate));
            const char* line = (i % 2) ? "sw-right\r\n" : "SW-LEFT\r\n";
            const size_t size = std::strlen(line);
            size_t done = 0;
            while (done < size) {
                const ssize_t n = ::write(pty.master(), line + done, size - done);
                if (n > 0)
                    done += size_t(n);
                else if (errno == EAGAIN || errno == EINTR)
                    std::this_thread::sleep_for(microseconds(100));
                else {
                    writeFailed = true;
                    return;
                }
            }
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(left + right >= total || writeFailed, (seconds + 20) * 1000);
    writer.join();
    QVERIFY(!writeFailed);
    QVERIFY(drain(pty, com));
    QCOMPARE(left, total / 2);
    QCOMPARE(right, total / 2);
}

QTEST_GUILESS_MAIN(TestMouseCom)
#include "tst_mousecom.moc"
