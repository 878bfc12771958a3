// The single-instance guard between real processes. This test program is
// itself a primary instance (built the way the program builds it); the helper
// program plays the other instances.

#include "core/instance/instanceprotocol.h"
#include "core/instance/singleapplication.h"
#include "core/platform/username.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using korvane::core::SingleApplication;
namespace si = korvane::core::singleinstance;

namespace {

const QString cst_org = QStringLiteral("ormidan-tests");
const QString cst_version = QStringLiteral("in-process");
const int cst_wait_ms = 20000;

QString nameFor(const QString& version, const QString& user = QString())
{
    return si::blockName({ cst_org, QString(), version, QString(),
        user.isNull() ? korvane::core::platform::currentUserName() : user });
}

// One helper process, with its output read line by line.
class Helper {
public:
    explicit Helper(const QString& version, QStringList extra = {})
    {
        m_arguments = QStringList { "--org", cst_org, "--version", version } + extra;
        m_process.setProgram(QStringLiteral(KORVANE_SINGLEAPP_HELPER));
        m_process.setArguments(m_arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Helper()
    {
        // A helper that is killed leaves its shared block and semaphore in
        // the kernel; let it clean up unless it hangs.
        if (m_process.state() != QProcess::NotRunning) {
            command("quit");
            if (!m_process.waitForFinished(5000)) {
                m_process.kill();
                m_process.waitForFinished(cst_wait_ms);
            }
        }
    }

    // The next line starting with `prefix`, without the prefix; null if none came.
    QString waitFor(const QString& prefix)
    {
        QSignalSpy more(&m_process, &QProcess::readyReadStandardOutput);
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
                if (line.startsWith(prefix))
                    return line.mid(prefix.size());
            }
            if (m_process.state() == QProcess::NotRunning || clock.elapsed() > cst_wait_ms)
                return QString();
            more.wait(200);
        }
    }
    QString role() { return waitFor(QStringLiteral("role ")); }
    bool saw(const QString& line) { return !waitFor(line).isNull(); }
    void command(const QByteArray& line) { m_process.write(line + '\n'); }
    bool quit()
    {
        command("quit");
        return m_process.waitForFinished(cst_wait_ms) && m_process.exitCode() == 0;
    }
    // An ended child makes waitForFinished() return false: one that ended
    // while the test read its output has finished all the same.
    bool finish()
    {
        return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(cst_wait_ms);
    }
    QProcess& process() { return m_process; }
    QStringList commandLine() const
    {
        return QStringList { QStringLiteral(KORVANE_SINGLEAPP_HELPER) } + m_arguments;
    }

private:
    QProcess m_process;
    QStringList m_arguments;
};

// Reads the 16-byte block of another instance group.
class BlockView {
public:
    explicit BlockView(const QString& name)
        : m_memory(name)
    {
    }
    bool attach() { return m_memory.attach(); }
    bool create() { return m_memory.create(si::cst_block_size); }
    si::BlockState read()
    {
        m_memory.lock();
        const si::BlockState state = si::readBlock(m_memory.constData());
        m_memory.unlock();
        return state;
    }
    void write(const si::BlockState& state)
    {
        m_memory.lock();
        si::writeBlock(m_memory.data(), state);
        m_memory.unlock();
    }

private:
    QSharedMemory m_memory;
};

struct Event {
    QString kind;
    quint32 instance;
    QByteArray message;
};

} // namespace

class TestSingleApplication : public QObject {
    Q_OBJECT
public:
    explicit TestSingleApplication(SingleApplication* app)
        : m_app(app)
    {
        connect(app, &SingleApplication::instanceStarted, this, [this] {
            m_events.append({ "started", 0, {} });
        });
        connect(app, &SingleApplication::receivedMessage, this,
            [this](quint32 id, const QByteArray& message) {
                m_events.append({ "message", id, message });
            });
    }

private slots:
    void init() { m_events.clear(); }

    void thisProcessIsPrimary();
    void secondStartHandsOver();
    void handshake_data();
    void handshake();
    void messageIsBounded_data();
    void messageIsBounded();
    void floodDoesNotShutOut();
    void primaryEndsCountKept();
    void killedPrimaryIsReplaced();
    void restartKeepsTheGuard();
    void leftoverBlock_data();
    void leftoverBlock();
    void versionsDoNotMeet();
    void foreignBlockStillStarts();
    void otherUserHasOwnInstance();

private:
    QByteArray received() const
    {
        QByteArray all;
        for (const Event& e : m_events)
            if (e.kind == "message")
                all += e.message;
        return all;
    }
    int count(const QString& kind) const
    {
        return int(std::count_if(
            m_events.begin(), m_events.end(), [&](const Event& e) { return e.kind == kind; }));
    }
    std::unique_ptr<QLocalSocket> connectRaw()
    {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(nameFor(cst_version));
        return socket;
    }

    SingleApplication* m_app;
    QList<Event> m_events;
};

void TestSingleApplication::thisProcessIsPrimary()
{
    QVERIFY(m_app->isPrimary());
    QVERIFY(!m_app->isSecondary());
    QCOMPARE(m_app->instanceId(), 0u);
    QCOMPARE(m_app->primaryPid(), QCoreApplication::applicationPid());
    QVERIFY(!m_app->sendMessage("to myself", 100));

    BlockView block(nameFor(cst_version));
    QVERIFY(block.attach());
    const si::BlockState state = block.read();
    QVERIFY(state.primaryRunning);
    QCOMPARE(state.primaryPid, QCoreApplication::applicationPid());
    QTest::qWait(0);
    QVERIFY(m_events.isEmpty());
}

void TestSingleApplication::secondStartHandsOver()
{
    Helper second(cst_version, { "--exit-if-secondary", "some", "arguments" });
    QCOMPARE(
        second.role(), QStringLiteral("secondary 0 %1").arg(QCoreApplication::applicationPid()));
    QVERIFY(second.finish());
    QCOMPARE(second.process().exitCode(), 1);

    const QByteArray expected = second.commandLine().join(' ').toUtf8();
    QTRY_COMPARE_WITH_TIMEOUT(received(), expected, cst_wait_ms);
    QCOMPARE(count("started"), 1);
    QCOMPARE(m_events.first().kind, QStringLiteral("started"));
    for (const Event& e : qAsConst(m_events))
        QCOMPARE(e.instance, 0u);
}

void TestSingleApplication::handshake_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("started");
    QTest::addColumn<QByteArray>("message");

    const QString name = nameFor(cst_version);
    const QByteArray n = si::handshake(name, 'N', 0);
    quint32 shortId = 0;
    while (si::handshake(name, 'N', shortId).size() != si::cst_handshake_head + 1)
        ++shortId;

    QTest::newRow("new instance") << n << true << 1 << QByteArray();
    QTest::newRow("new instance and message") << n + "hello" << true << 1 << QByteArray("hello");
    QTest::newRow("reconnect: no start signal")
        << si::handshake(name, 'R', 0) + "x" << true << 0 << QByteArray("x");
    QTest::newRow("secondary without notification")
        << si::handshake(name, 'S', 4) << true << 0 << QByteArray();
    QTest::newRow("one-byte checksum")
        << si::handshake(name, 'N', shortId) + "y" << true << 1 << QByteArray("y");

    QByteArray wrongName = n;
    wrongName[0] = wrongName[0] == 'A' ? 'B' : 'A';
    QTest::newRow("wrong name") << wrongName + "msg" << false << 0 << QByteArray();
    QTest::newRow("other build") << si::handshake(nameFor("another-version"), 'N', 0) << false << 0
                                 << QByteArray();
    QByteArray unknownType = n;
    unknownType[44] = 'Q';
    QTest::newRow("unknown type") << unknownType << false << 0 << QByteArray();
    QByteArray badSum = n;
    badSum[49] = static_cast<char>(badSum.at(49) ^ 0x01);
    QTest::newRow("bad checksum") << badSum + "msg" << false << 0 << QByteArray();
    QTest::newRow("checksum missing: waits, then dropped")
        << n.left(49) << false << 0 << QByteArray();
    QTest::newRow("silent client: dropped") << QByteArray() << false << 0 << QByteArray();
}

void TestSingleApplication::handshake()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QFETCH(int, started);
    QFETCH(QByteArray, message);

    auto socket = connectRaw();
    QVERIFY(socket->waitForConnected(cst_wait_ms));
    QSignalSpy gone(socket.get(), &QLocalSocket::disconnected);
    if (!bytes.isEmpty()) {
        socket->write(bytes);
        QVERIFY(socket->waitForBytesWritten(cst_wait_ms));
    }

    if (accepted) {
        // Proven by a message that follows on the same connection.
        socket->write("|ping");
        QVERIFY(socket->waitForBytesWritten(cst_wait_ms));
        QTRY_COMPARE_WITH_TIMEOUT(received(), message + "|ping", cst_wait_ms);
        QCOMPARE(count("started"), started);
        QCOMPARE(socket->state(), QLocalSocket::ConnectedState);
        socket->disconnectFromServer();
    } else {
        // Dropped by the primary, whatever the reason, without any signal.
        QVERIFY(gone.count() > 0 || gone.wait(cst_wait_ms));
        QCoreApplication::processEvents();
        QVERIFY2(m_events.isEmpty(), qPrintable(m_events.value(0).kind));
    }
}

void TestSingleApplication::messageIsBounded_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("kept");
    QTest::newRow("64 KiB is accepted") << int(si::cst_max_message) << true;
    QTest::newRow("one byte more closes") << int(si::cst_max_message) + 1 << false;
    QTest::newRow("a flood closes") << 4 * 1024 * 1024 << false;
}

void TestSingleApplication::messageIsBounded()
{
    QFETCH(int, size);
    QFETCH(bool, kept);

    auto socket = connectRaw();
    QVERIFY(socket->waitForConnected(cst_wait_ms));
    QSignalSpy gone(socket.get(), &QLocalSocket::disconnected);
    socket->write(si::handshake(nameFor(cst_version), 'R', 0));
    // Written in pieces, as a real sender's bytes may arrive.
    const QByteArray piece(4096, 'm');
    for (int left = size; left > 0; left -= piece.size())
        socket->write(piece.left(qMin(left, piece.size())));

    if (kept) {
        QTRY_COMPARE_WITH_TIMEOUT(received().size(), size, cst_wait_ms);
        QCOMPARE(socket->state(), QLocalSocket::ConnectedState);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(
            gone.count() > 0 || socket->state() == QLocalSocket::UnconnectedState, cst_wait_ms);
        QVERIFY(received().size() <= si::cst_max_message);
    }
    QVERIFY(received() == QByteArray(received().size(), 'm'));
}

void TestSingleApplication::floodDoesNotShutOut()
{
    // Another local user keeps opening idle connections and sending garbage
    // while a real second start happens: the primary must neither block nor
    // shut the real one out.
    std::vector<std::unique_ptr<QLocalSocket>> flood;
    QTimer opener;
    connect(&opener, &QTimer::timeout, this, [&] {
        if (flood.size() >= 2000)
            return;
        auto socket = std::make_unique<QLocalSocket>();
        if (flood.size() % 4 == 0) {
            QLocalSocket* raw = socket.get();
            connect(raw, &QLocalSocket::connected, raw,
                [raw] { raw->write(QByteArray(30, char(raw->socketDescriptor()))); });
        }
        socket->connectToServer(nameFor(cst_version));
        flood.push_back(std::move(socket));
    });
    opener.start(0);
    QTRY_VERIFY_WITH_TIMEOUT(flood.size() >= 100, cst_wait_ms);

    // The flood keeps this process, the primary, busy: on a loaded machine the
    // program's own 100 ms could pass before it accepts the real second start,
    // which then hands its message over without announcing itself.
    Helper second(cst_version, { "--timeout", "5000", "--exit-if-secondary", "during", "flood" });
    QVERIFY(second.role().startsWith("secondary 0"));
    QVERIFY(second.finish());
    QCOMPARE(second.process().exitCode(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(received(), second.commandLine().join(' ').toUtf8(), cst_wait_ms);
    // Its announcement may be lost: when the flood fills the queue before its
    // handshake bytes arrive, the connection is let go like the flood's, and
    // the message then comes on a reconnection, which announces nothing.
    QVERIFY(count("started") <= 1);
    opener.stop();

    // Every flooding connection is let go.
    for (auto& s : flood)
        QTRY_COMPARE_WITH_TIMEOUT(s->state(), QLocalSocket::UnconnectedState, cst_wait_ms);
}

void TestSingleApplication::primaryEndsCountKept()
{
    const QString version = QStringLiteral("count-kept");
    Helper first(version, { "--allow-secondary" });
    QVERIFY(first.role().startsWith("primary 0"));
    Helper second(version, { "--allow-secondary" });
    QVERIFY(second.role().startsWith("secondary 1 "));

    QVERIFY(first.quit());
    BlockView block(nameFor(version));
    QVERIFY(block.attach());
    si::BlockState state = block.read();
    QCOMPARE(state.primaryRunning, false);
    QCOMPARE(state.primaryPid, qint64(-1));
    QCOMPARE(state.secondaryCount, 1u);

    Helper third(version, { "--allow-secondary" });
    QCOMPARE(third.role(), QStringLiteral("primary 0 %1").arg(third.process().processId()));
    Helper fourth(version, { "--allow-secondary" });
    QVERIFY(fourth.role().startsWith("secondary 2 "));
    QCOMPARE(block.read().secondaryCount, 2u);

    // The admitted secondary still reaches the new primary.
    second.command("send " + QByteArray("late").toBase64());
    QCOMPARE(second.waitFor("sent "), QStringLiteral("1"));
    QCOMPARE(third.waitFor("message "), QStringLiteral("1 ") + QByteArray("late").toBase64());
}

void TestSingleApplication::killedPrimaryIsReplaced()
{
    const QString version = QStringLiteral("killed");
    Helper first(version);
    QVERIFY(first.role().startsWith("primary 0"));
    const qint64 firstPid = first.process().processId();
    first.process().kill();
    QVERIFY(first.finish());

    // What a killed primary leaves behind.
    BlockView block(nameFor(version));
    QVERIFY(block.attach());
    QCOMPARE(block.read().primaryRunning, true);
    QCOMPARE(block.read().primaryPid, firstPid);

    Helper next(version);
    QCOMPARE(next.role(), QStringLiteral("primary 0 %1").arg(next.process().processId()));

    Helper another(version, { "--exit-if-secondary", "hello" });
    QVERIFY(another.role().startsWith("secondary 0"));
    QVERIFY(another.finish());
    QCOMPARE(another.process().exitCode(), 1);
    QVERIFY(next.saw("started"));
    QCOMPARE(
        next.waitFor("message 0 "), QString(another.commandLine().join(' ').toUtf8().toBase64()));
}

// The program's restart starts it afresh in the same process. A start while
// it does so waits on the kept server and ends as secondary; the new image is
// primary again and receives what that start sent.
void TestSingleApplication::restartKeepsTheGuard()
{
    const QString version = QStringLiteral("restart");
    Helper first(version);
    const qint64 pid = first.process().processId();
    QCOMPARE(first.role(), QStringLiteral("primary 0 %1").arg(pid));
    first.command("restart");
    QVERIFY(first.saw("handed over"));

    Helper between(version, { "--exit-if-secondary", "between" });
    QCOMPARE(between.role(), QStringLiteral("secondary 0 %1").arg(pid));
    QVERIFY(between.finish());
    QCOMPARE(between.process().exitCode(), 1);

    first.command("go");
    QCOMPARE(first.role(), QStringLiteral("primary 0 %1").arg(pid));
    QCOMPARE(
        first.waitFor("message 0 "), QString(between.commandLine().join(' ').toUtf8().toBase64()));
    QVERIFY(first.quit());
    Helper after(version);
    QCOMPARE(after.role(), QStringLiteral("primary 0 %1").arg(after.process().processId()));
}

void TestSingleApplication::leftoverBlock_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("pidKind"); // 0 this test's own, 1 none, 2 no such process
    QTest::addColumn<bool>("serverListens");
    QTest::addColumn<bool>("becomesPrimary");

    QTest::newRow("ended primary") << false << 1 << false << true;
    QTest::newRow("running flag, dead process") << true << 2 << false << true;
    QTest::newRow("running flag, reused process id, no server") << true << 0 << false << true;
    QTest::newRow("running flag, zero id") << true << 1 << false << true;
    QTest::newRow("live primary") << true << 0 << true << false;
}

void TestSingleApplication::leftoverBlock()
{
    QFETCH(bool, running);
    QFETCH(int, pidKind);
    QFETCH(bool, serverListens);
    QFETCH(bool, becomesPrimary);

    const QString version = QStringLiteral("leftover-%1").arg(QTest::currentDataTag());
    const QString name = nameFor(version);
    BlockView block(name);
    QVERIFY(block.create());
    const qint64 pid = pidKind == 0 ? QCoreApplication::applicationPid()
        : pidKind == 1              ? 0
                                    : 0x7FFFFFF0;
    block.write({ running, 5, pid });

    QLocalServer server;
    if (serverListens)
        QVERIFY(server.listen(name));

    Helper next(version);
    const QString role = next.role();
    if (becomesPrimary) {
        QCOMPARE(role, QStringLiteral("primary 0 %1").arg(next.process().processId()));
        QCOMPARE(block.read().secondaryCount, 5u);
        // It serves: a second start reaches it.
        Helper again(version, { "--exit-if-secondary" });
        QVERIFY(again.role().startsWith("secondary 0"));
        QVERIFY(next.saw("started"));
    } else {
        QCOMPARE(role, QStringLiteral("secondary 0 %1").arg(pid));
        QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingConnections(), cst_wait_ms);
    }
}

void TestSingleApplication::versionsDoNotMeet()
{
    Helper one(QStringLiteral("1.0.0"));
    Helper two(QStringLiteral("1.0.1"));
    QVERIFY(one.role().startsWith("primary 0"));
    QVERIFY(two.role().startsWith("primary 0"));
    Helper alsoOne(QStringLiteral("1.0.0"));
    QVERIFY(alsoOne.role().startsWith("secondary 0"));
}

void TestSingleApplication::foreignBlockStillStarts()
{
    // Another program's segment sits under the key (or one this user may not
    // open): the guard must not touch it, and must still start, and still
    // keep one instance through its server.
    const QString version = QStringLiteral("foreign-block");
    QSharedMemory foreign(nameFor(version));
    QVERIFY(foreign.create(8));

    Helper first(version);
    QCOMPARE(first.role(), QStringLiteral("primary 0 -1"));
    Helper second(version, { "--exit-if-secondary" });
    QCOMPARE(second.role(), QStringLiteral("secondary 0 -1"));
    QVERIFY(first.saw("started"));
    QVERIFY(first.quit());
}

void TestSingleApplication::otherUserHasOwnInstance()
{
    if (geteuid() != 0)
        QSKIP("needs root to run a process as another user");
    const uid_t nobody = 65534;
    // The helper and its libraries must be reachable by the other user.
    for (QString dir = QFileInfo(QStringLiteral(KORVANE_SINGLEAPP_HELPER)).absolutePath();
         dir != "/"; dir = QFileInfo(dir).absolutePath()) {
        struct stat info { };
        if (stat(QFile::encodeName(dir).constData(), &info) != 0 || !(info.st_mode & S_IXOTH))
            QSKIP(qPrintable(dir + " is closed to other users"));
    }
    // The sandbox's own temporary folder is private; both users need one they
    // share, as they share /tmp on a real machine.
    QTemporaryDir shared(QStringLiteral("/tmp/korvane-users-XXXXXX"));
    QVERIFY(shared.isValid());
    QVERIFY(chmod(QFile::encodeName(shared.path()).constData(), 01777) == 0);

    const QString version = QStringLiteral("users");
    const QStringList common { "--tmpdir", shared.path() };
    Helper mine(version, common);
    QVERIFY(mine.role().startsWith("primary 0"));

    const QStringList asNobody = common + QStringList { "--uid", QString::number(nobody) };
    Helper theirs(version, asNobody);
    // Not the pid: a stale segment of another user whose key collides with
    // this user's key file leaves it primary without a block, which is fine.
    QVERIFY(theirs.role().startsWith("primary 0 "));
    Helper theirsAgain(version, asNobody + QStringList { "--exit-if-secondary" });
    QVERIFY(theirsAgain.role().startsWith("secondary 0"));
    QVERIFY(theirs.saw("started"));

    QVERIFY(theirs.quit());
    QVERIFY(mine.quit());
}

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(cst_org);
    QCoreApplication::setApplicationVersion(cst_version);
    // Built the way the program builds its guard.
    SingleApplication app(
        argc, argv, false, SingleApplication::SystemWide | SingleApplication::ExcludePath, 100);
    if (!app.isPrimary()) {
        qCritical("another test instance holds the guard");
        return 1;
    }
    TestSingleApplication test(&app);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleapplication.moc"
